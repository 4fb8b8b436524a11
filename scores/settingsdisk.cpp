#include "scores/settingsdisk.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SettingsDisk {

namespace {

// As many links as the system itself follows before it gives up.
constexpr int MaxLinks = 40;

} // namespace

QString notAFile()
{
    return QStringLiteral("it is not a regular file");
}

QString systemReason(int error)
{
    return qt_error_string(error);
}

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

QByteArray nameOf(const QByteArray &path)
{
    return path.mid(path.lastIndexOf('/') + 1);
}

std::optional<std::string> readFile(const QByteArray &path, qint64 maxSize, QString &reason)
{
    // Opening some devices does something already, so what is no file is not even opened.
    struct stat named;
    if (::stat(path.constData(), &named) == 0 && !S_ISREG(named.st_mode)) {
        reason = notAFile();
        return std::nullopt;
    }
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return std::string();
        reason = systemReason(errno);
        return std::nullopt;
    }
    std::string bytes;
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        reason = notAFile();
        ::close(fd);
        return std::nullopt;
    }
    const auto tooBig = [&] {
        reason = QStringLiteral("it is larger than %1 MiB").arg(maxSize / (1024 * 1024));
        ::close(fd);
        return std::nullopt;
    };
    if (info.st_size > maxSize)
        return tooBig();
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count > 0) {
            bytes.append(buffer, static_cast<std::size_t>(count));
            // It may grow while it is read.
            if (bytes.size() > std::size_t(maxSize))
                return tooBig();
        } else if (count == 0) {
            break;
        } else if (errno != EINTR) {
            reason = systemReason(errno);
            ::close(fd);
            return std::nullopt;
        }
    }
    ::close(fd);
    return bytes;
}

std::optional<QByteArray> followLinks(QByteArray path, int &error)
{
    for (int hop = 0; hop < MaxLinks; ++hop) {
        struct stat info;
        if (::lstat(path.constData(), &info) != 0 || !S_ISLNK(info.st_mode))
            return path;
        QByteArray target(PATH_MAX, Qt::Uninitialized);
        const ssize_t length = ::readlink(path.constData(), target.data(), target.size());
        if (length < 0 || length >= target.size()) {
            error = length < 0 ? errno : ENAMETOOLONG;
            return std::nullopt;
        }
        target.truncate(length);
        path = target.startsWith('/') ? target : folderOf(path) + '/' + target;
    }
    error = ELOOP;
    return std::nullopt;
}

bool makeFolders(const QByteArray &folder, int &error)
{
    for (qsizetype slash = folder.indexOf('/', 1);; slash = folder.indexOf('/', slash + 1)) {
        const QByteArray part = slash < 0 ? folder : folder.left(slash);
        struct stat info;
        if (::stat(part.constData(), &info) != 0 && ::mkdir(part.constData(), 0700) != 0 && errno != EEXIST) {
            error = errno;
            return false;
        }
        if (slash < 0)
            break;
    }
    struct stat info;
    if (::stat(folder.constData(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        error = ENOTDIR;
        return false;
    }
    return true;
}

namespace {

bool isTemporaryName(const QByteArray &entry, const QByteArray &prefix)
{
    if (!entry.startsWith(prefix) || entry.size() == prefix.size())
        return false;
    const QByteArray suffix = entry.mid(prefix.size());
    return std::ranges::all_of(suffix, [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; });
}

} // namespace

// Temporary files of earlier saves that ended before their rename, by a crash or a kill. A save holds a lock on its
// temporary file until it is renamed, so a file that can be locked belongs to no save any more.
void removeAbandonedTemporaries(const QByteArray &folder, const QByteArray &targetName)
{
    DIR *entries = ::opendir(folder.constData());
    if (!entries)
        return;
    const QByteArray prefix = '.' + targetName + '.';
    while (const dirent *entry = ::readdir(entries)) {
        const QByteArray name(entry->d_name);
        if (!isTemporaryName(name, prefix))
            continue;
        const QByteArray path = folder + '/' + name;
        const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat opened;
        struct stat named;
        if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0
            && ::lstat(path.constData(), &named) == 0 && named.st_ino == opened.st_ino
            && named.st_dev == opened.st_dev)
            ::unlink(path.constData());
        ::close(fd);
    }
    ::closedir(entries);
}

int writeDenied(const QByteArray &path, const struct stat &info)
{
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return EACCES;
    return ::faccessat(AT_FDCWD, path.constData(), W_OK, AT_EACCESS) == 0 ? 0 : errno;
}

namespace {

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t count = ::write(fd, bytes.data(), bytes.size());
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0) {
            if (count == 0)
                errno = ENOSPC;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

// A new, empty file of a name no one else uses, next to the target so that renaming it over the target is one
// step. It stays locked until it is closed, which tells it from the leftovers of a save that never finished.
int createTemporary(const QByteArray &folder, const QByteArray &targetName, QByteArray &name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray unique = QByteArray::number(QRandomGenerator::global()->generate64(), 16);
        name = folder + "/." + targetName + '.' + unique;
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::flock(fd, LOCK_EX | LOCK_NB);
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    return -1;
}

// Makes the rename itself survive a power cut; the data is already safe, so a failure here is no failure of the
// write.
void syncFolder(const QByteArray &folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

bool replaceFile(const QByteArray &target, const struct stat *old, std::string_view bytes, int &error)
{
    const QByteArray folder = folderOf(target);
    QByteArray temporary;
    const int fd = createTemporary(folder, nameOf(target), temporary);
    if (fd < 0) {
        error = errno;
        return false;
    }
    if (old) {
        // Only the superuser may give a file to someone else; the player may still give it the old group.
        if (::fchown(fd, old->st_uid, old->st_gid) != 0 && ::fchown(fd, static_cast<uid_t>(-1), old->st_gid) != 0)
            errno = 0;
        ::fchmod(fd, old->st_mode & 07777);
    }
    // Renamed before it is closed, so that it is never seen unlocked under its temporary name.
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0
        && ::rename(temporary.constData(), target.constData()) == 0;
    if (!written) {
        error = errno;
        ::unlink(temporary.constData());
    }
    ::close(fd);
    if (written)
        syncFolder(folder);
    return written;
}

} // namespace SettingsDisk
