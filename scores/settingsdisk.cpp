#include "scores/settingsdisk.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace SettingsDisk {

namespace {

// As many links as the system itself follows before it gives up.
constexpr int MaxLinks = 40;

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Creates the folder and the missing ones above it, private to the user.
bool makeFolders(const QByteArray &folder, QString &reason)
{
    for (qsizetype slash = folder.indexOf('/', 1);; slash = folder.indexOf('/', slash + 1)) {
        const QByteArray part = slash < 0 ? folder : folder.left(slash);
        struct stat info;
        if (::stat(part.constData(), &info) != 0 && ::mkdir(part.constData(), 0700) != 0) {
            struct stat named;
            if (errno == EEXIST && ::lstat(part.constData(), &named) == 0 && S_ISLNK(named.st_mode)) {
                reason
                    = QStringLiteral("%1 is a link to a folder that does not exist").arg(QString::fromLocal8Bit(part));
                return false;
            }
            if (errno != EEXIST) {
                reason = systemReason(errno);
                return false;
            }
        }
        if (slash < 0)
            return true;
    }
}

QString notFollowed()
{
    return QStringLiteral("it lies behind a link made by another user, which is not followed");
}

// Where a missing folder means no file rather than a fault.
bool isMissing(int error)
{
    return error == ENOENT || error == ENOTDIR;
}

} // namespace

QString notAFile()
{
    return QStringLiteral("it is not a regular file");
}

QString missingElsewhere()
{
    return QStringLiteral("it is a link to a missing file in another folder, which is not created");
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

std::optional<Place> findPlace(const QByteArray &path, Access access, QString &reason)
{
    Place place;
    place.folderPath = folderOf(path);
    place.name = nameOf(path);
    if (access == Access::Write && !makeFolders(place.folderPath, reason))
        return std::nullopt;
    const auto noFolder = [&](bool followed) -> std::optional<Place> {
        if (access == Access::Read && isMissing(errno))
            return Place();
        reason = followed && errno == ENOENT ? missingElsewhere() : systemReason(errno);
        return std::nullopt;
    };
    // The configuration folder itself may be a link, under the same rule as the file's.
    place.folder
        = FileDescriptor(::open(place.folderPath.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat link;
    if (!place.folder.valid() && (errno == ENOTDIR || errno == ELOOP)
        && ::lstat(place.folderPath.constData(), &link) == 0 && S_ISLNK(link.st_mode)) {
        if (link.st_uid != ::geteuid() && link.st_uid != 0) {
            reason = notFollowed();
            return std::nullopt;
        }
        place.folder = FileDescriptor(::open(place.folderPath.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    }
    struct stat home;
    if (!place.folder.valid() || ::fstat(place.folder.get(), &home) != 0)
        return noFolder(false);

    for (int hop = 0; hop < MaxLinks; ++hop) {
        struct stat named;
        if (::fstatat(place.folder.get(), place.name.constData(), &named, AT_SYMLINK_NOFOLLOW) != 0
            || !S_ISLNK(named.st_mode))
            return place;
        if (named.st_uid != ::geteuid() && named.st_uid != 0) {
            reason = notFollowed();
            return std::nullopt;
        }
        QByteArray target(PATH_MAX, Qt::Uninitialized);
        const ssize_t length = ::readlinkat(place.folder.get(), place.name.constData(), target.data(), target.size());
        if (length <= 0 || length >= target.size()) {
            reason = systemReason(length < 0 ? errno : ENAMETOOLONG);
            return std::nullopt;
        }
        target.truncate(length);
        place.name = nameOf(target);
        if (!target.contains('/'))
            continue;
        const QByteArray folder = folderOf(target);
        place.folder
            = FileDescriptor(::openat(place.folder.get(), folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        place.folderPath = target.startsWith('/') ? folder : place.folderPath + '/' + folder;
        struct stat now;
        if (!place.folder.valid() || ::fstat(place.folder.get(), &now) != 0)
            return noFolder(true);
        place.elsewhere = !sameFile(now, home);
    }
    reason = systemReason(ELOOP);
    return std::nullopt;
}

std::optional<OpenedFile> openAt(const Place &place, Access access, QString &reason)
{
    OpenedFile file;
    if (!place.folder.valid())
        return file;
    struct stat named;
    if (::fstatat(place.folder.get(), place.name.constData(), &named, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno == ENOENT)
            return file;
        reason = systemReason(errno);
        return std::nullopt;
    }
    // A link here now was put in since the place was found: it is not followed either.
    if (!S_ISREG(named.st_mode)) {
        reason = notAFile();
        return std::nullopt;
    }
    const int flags = O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    if (access == Access::Write) {
        file.fd = FileDescriptor(::openat(place.folder.get(), place.name.constData(), O_RDWR | flags));
        if (!file.fd.valid())
            file.writeDenied = errno;
    }
    if (!file.fd.valid())
        file.fd = FileDescriptor(::openat(place.folder.get(), place.name.constData(), O_RDONLY | flags));
    if (!file.fd.valid()) {
        reason = systemReason(errno);
        return std::nullopt;
    }
    if (::fstat(file.fd.get(), &file.info) != 0 || !S_ISREG(file.info.st_mode)) {
        reason = notAFile();
        return std::nullopt;
    }
    if ((file.info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        file.writeDenied = EACCES;
    return file;
}

std::optional<std::string> readAll(const OpenedFile &file, qint64 maxSize, QString &reason)
{
    std::string bytes;
    if (!file.fd.valid())
        return bytes;
    const auto tooBig = [&] {
        reason = QStringLiteral("it is larger than %1 MiB").arg(maxSize / (1024 * 1024));
        return std::nullopt;
    };
    if (file.info.st_size > maxSize)
        return tooBig();
    bytes.reserve(static_cast<std::size_t>(file.info.st_size));
    char buffer[64 * 1024];
    for (off_t offset = 0;;) {
        const ssize_t count = ::pread(file.fd.get(), buffer, sizeof buffer, offset);
        if (count > 0) {
            bytes.append(buffer, static_cast<std::size_t>(count));
            offset += count;
            // It may grow while it is read.
            if (bytes.size() > std::size_t(maxSize))
                return tooBig();
        } else if (count == 0) {
            return bytes;
        } else if (errno != EINTR) {
            reason = systemReason(errno);
            return std::nullopt;
        }
    }
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

// A save holds a lock on its temporary file until it is renamed, so a file that can be locked belongs to no save
// any more. Where the file system has no locks, no leftover can be told from a save in progress: all stay.
void removeAbandonedTemporaries(const Place &place)
{
    const int folder = place.folder.get();
    DIR *entries = ::fdopendir(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!entries)
        return;
    const QByteArray prefix = '.' + place.name + '.';
    while (const dirent *entry = ::readdir(entries)) {
        const QByteArray name(entry->d_name);
        struct stat named;
        if (!isTemporaryName(name, prefix) || ::fstatat(folder, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) != 0
            || !S_ISREG(named.st_mode) || named.st_uid != ::geteuid())
            continue;
        const FileDescriptor fd(::openat(folder, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat opened;
        if (fd.valid() && ::fstat(fd.get(), &opened) == 0 && sameFile(opened, named)
            && ::flock(fd.get(), LOCK_EX | LOCK_NB) == 0
            && ::fstatat(folder, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0 && sameFile(opened, named))
            ::unlinkat(folder, entry->d_name, 0);
    }
    ::closedir(entries);
}

} // namespace SettingsDisk
