#include "systemfaults.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <utility>

namespace {

int flockError = 0;
int renameError = 0;
int crashInWrite = 0;
constexpr std::size_t Page = 4096;
std::vector<SystemFaults::ModeChange> modeChanges;

} // namespace

namespace SystemFaults {

Faults::Faults(int flock, int rename, int crash)
{
    flockError = flock;
    renameError = rename;
    crashInWrite = crash;
}

Faults::~Faults()
{
    flockError = 0;
    renameError = 0;
    crashInWrite = 0;
}

std::vector<ModeChange> takeModeChanges()
{
    return std::exchange(modeChanges, {});
}

} // namespace SystemFaults

extern "C" int fchmod(int fd, mode_t mode) noexcept
{
    struct stat before;
    if (::fstat(fd, &before) == 0)
        modeChanges.push_back({before.st_mode & 07777, before.st_size});
    return static_cast<int>(::syscall(SYS_fchmod, fd, mode));
}

extern "C" int flock(int fd, int operation) noexcept
{
    if (flockError != 0) {
        errno = flockError;
        return -1;
    }
    return static_cast<int>(::syscall(SYS_flock, fd, operation));
}

extern "C" ssize_t pwrite(int fd, const void *bytes, std::size_t count, off_t offset)
{
    if (crashInWrite > 0 && count > Page && --crashInWrite == 0) {
        ::syscall(SYS_pwrite64, fd, bytes, Page, offset);
        ::raise(SIGKILL);
    }
    return ::syscall(SYS_pwrite64, fd, bytes, count, offset);
}

extern "C" int renameat(int oldFolder, const char *oldName, int newFolder, const char *newName) noexcept
{
    if (renameError != 0) {
        errno = renameError;
        return -1;
    }
    return static_cast<int>(::syscall(SYS_renameat2, oldFolder, oldName, newFolder, newName, 0));
}
