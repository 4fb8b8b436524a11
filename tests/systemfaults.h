#pragma once

#include <sys/types.h>

#include <vector>

// Stand-ins for calls of the C library, linked into a test program in place of the library's own. They pass every
// call on to the kernel until a test makes them fail as some file systems do: flock where there are no locks (NFS
// without its lock service, some FUSE and 9p mounts), renameat where the file is mounted onto its place, or pwrite
// as a crash cuts a write short. fchmod also tells what the file was like just before its mode changed.
namespace SystemFaults {

struct ModeChange
{
    mode_t before;
    off_t size;
};
// Every fchmod since the last call, oldest first.
std::vector<ModeChange> takeModeChanges();

// While one lives, every flock fails with flockError and every renameat with renameError; 0 lets them through. The
// crashInWrite-th pwrite of more than a page, if not 0, writes its first page and kills the process.
class Faults
{
public:
    Faults(int flockError, int renameError, int crashInWrite = 0);
    ~Faults();
    Faults(const Faults &) = delete;
    Faults &operator=(const Faults &) = delete;
};

} // namespace SystemFaults
