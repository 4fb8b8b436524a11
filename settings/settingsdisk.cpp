#include "settings/settingsdisk.h"

#include <QCoreApplication>
#include <QList>

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
const char *const TemporaryInfix = ".save-";
constexpr int TemporaryDigits = 16;
// Longer than any save takes, however slow the disk.
constexpr time_t SaveAge = 60;

QString notFollowed()
{
    return QCoreApplication::translate(
        "SettingsFile", "it lies behind a link made by another user, which is not followed");
}

QString notTrusted(const QByteArray &folder)
{
    return QCoreApplication::translate(
        "SettingsFile", "%1 belongs to another user in a folder others may write, so it is not used")
        .arg(QString::fromLocal8Bit(folder));
}

// Where a missing folder means no file rather than a fault.
bool isMissing(int error)
{
    return error == ENOENT || error == ENOTDIR;
}

bool mayFollow(const struct stat &link)
{
    return link.st_uid == ::geteuid() || link.st_uid == 0;
}

FileDescriptor openFolder(int at, const char *name)
{
    return FileDescriptor(::openat(at, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
}

// The target of the link at this name, read through the link that was judged; nothing, with the reason, when it
// may not be followed. Opened itself, the link is the one whose owner is checked, whatever is renamed meanwhile.
std::optional<QByteArray> readLink(int folder, const char *name, QString &reason)
{
    const FileDescriptor link(::openat(folder, name, O_PATH | O_NOFOLLOW | O_CLOEXEC));
    struct stat info;
    if (!link.valid() || ::fstat(link.get(), &info) != 0) {
        reason = systemReason(errno);
        return std::nullopt;
    }
    if (!S_ISLNK(info.st_mode)) {
        reason = systemReason(EAGAIN);
        return std::nullopt;
    }
    if (!mayFollow(info)) {
        reason = notFollowed();
        return std::nullopt;
    }
    QByteArray target(PATH_MAX, Qt::Uninitialized);
    const ssize_t length = ::readlinkat(link.get(), "", target.data(), target.size());
    if (length <= 0 || length >= target.size()) {
        reason = systemReason(length < 0 ? errno : ENAMETOOLONG);
        return std::nullopt;
    }
    target.truncate(length);
    return target;
}

// A folder in a folder that others may write is used only if it is the player's, the superuser's or that folder's
// owner's: another user may not put a folder of his own in its place.
bool trusted(const struct stat &parent, const struct stat &folder)
{
    const bool othersMayWrite = (parent.st_mode & (S_IWGRP | S_IWOTH)) != 0;
    return !othersMayWrite || folder.st_uid == ::geteuid() || folder.st_uid == 0 || folder.st_uid == parent.st_uid;
}

// The folder at the path, walked one name at a time from `start` (or the root), each name opened without following
// links; a link on the way is followed under the same rule as the file's own. ENOENT in errno and nothing in
// reason when a folder is missing.
FileDescriptor walk(int start, const QByteArray &path, QString &reason, int &hops)
{
    FileDescriptor folder(::openat(
        path.startsWith('/') ? AT_FDCWD : start, path.startsWith('/') ? "/" : ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    for (const QByteArray &part : path.split('/')) {
        if (part.isEmpty() || part == ".")
            continue;
        struct stat parent;
        if (!folder.valid() || ::fstat(folder.get(), &parent) != 0)
            return FileDescriptor();
        FileDescriptor next = openFolder(folder.get(), part.constData());
        if (!next.valid() && (errno == ELOOP || errno == ENOTDIR)) {
            const int error = errno;
            struct stat named
            {
            };
            if (::fstatat(folder.get(), part.constData(), &named, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISLNK(named.st_mode)
                || ++hops > MaxLinks) {
                errno = S_ISLNK(named.st_mode) ? ELOOP : error;
                return FileDescriptor();
            }
            const std::optional<QByteArray> target = readLink(folder.get(), part.constData(), reason);
            if (!target)
                return FileDescriptor();
            next = walk(folder.get(), *target, reason, hops);
        }
        struct stat info;
        if (next.valid() && part != ".." && ::fstat(next.get(), &info) == 0 && !trusted(parent, info)) {
            reason = notTrusted(part);
            return FileDescriptor();
        }
        folder = std::move(next);
    }
    return folder;
}

} // namespace

QString notAFile()
{
    return QCoreApplication::translate("SettingsFile", "it is not a regular file");
}

QString missingElsewhere()
{
    return QCoreApplication::translate(
        "SettingsFile", "it is a link to a missing file in another folder, which is not created");
}

QString systemReason(int error)
{
    return qt_error_string(error);
}

QString tooLarge(qint64 maxSize)
{
    return QCoreApplication::translate("SettingsFile", "it would be larger than %1 MiB").arg(maxSize / (1024 * 1024));
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

bool makeFolders(const QByteArray &path, QString &reason)
{
    FileDescriptor folder(::open(path.startsWith('/') ? "/" : ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    for (const QByteArray &part : path.split('/')) {
        if (part.isEmpty() || part == ".")
            continue;
        if (::mkdirat(folder.get(), part.constData(), 0700) == 0) {
            FileDescriptor made = openFolder(folder.get(), part.constData());
            giveToFolderOwner(made.get(), folder.get());
            syncFolder(folder.get());
        } else if (errno != EEXIST) {
            reason = systemReason(errno);
            return false;
        }
        // The player's own path: its links are the player's to make.
        FileDescriptor next(::openat(folder.get(), part.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (!next.valid()) {
            struct stat named;
            reason = errno == ENOENT && ::fstatat(folder.get(), part.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0
                    && S_ISLNK(named.st_mode)
                ? QCoreApplication::translate("SettingsFile", "%1 is a link to a folder that does not exist")
                      .arg(QString::fromLocal8Bit(path))
                : systemReason(errno);
            return false;
        }
        folder = std::move(next);
    }
    return true;
}

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

void giveToFolderOwner(int fd, int folder)
{
    struct stat owner;
    if (::geteuid() == 0 && ::fstat(folder, &owner) == 0 && owner.st_uid != 0) [[maybe_unused]]
        const int given = ::fchown(fd, owner.st_uid, owner.st_gid);
}

void syncFolder(int folder)
{
    const FileDescriptor fd(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid())
        ::fsync(fd.get());
}

std::optional<Place> findPlace(const QByteArray &path, Access access, QString &reason)
{
    Place place;
    place.folderPath = folderOf(path);
    place.name = nameOf(path);
    if (access == Access::Write && !makeFolders(place.folderPath, reason))
        return std::nullopt;
    const auto noFolder = [&](bool followed) -> std::optional<Place> {
        if (!reason.isEmpty())
            return std::nullopt;
        if (access == Access::Read && isMissing(errno))
            return Place();
        reason = followed && errno == ENOENT ? missingElsewhere() : systemReason(errno);
        return std::nullopt;
    };
    // The configuration folder is the player's choice: the path up to it is taken as it is, and only the folder
    // itself, when it is a link, is followed under the same rule as the file's.
    int hops = 0;
    const QByteArray above = folderOf(place.folderPath);
    const FileDescriptor parent(::open(above.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    place.folder = parent.valid() ? walk(parent.get(), nameOf(place.folderPath), reason, hops) : FileDescriptor();
    struct stat home;
    if (!place.folder.valid() || ::fstat(place.folder.get(), &home) != 0)
        return noFolder(false);

    for (; hops < MaxLinks; ++hops) {
        struct stat named;
        if (::fstatat(place.folder.get(), place.name.constData(), &named, AT_SYMLINK_NOFOLLOW) != 0
            || !S_ISLNK(named.st_mode))
            return place;
        const std::optional<QByteArray> target = readLink(place.folder.get(), place.name.constData(), reason);
        if (!target)
            return std::nullopt;
        place.name = nameOf(*target);
        if (!target->contains('/'))
            continue;
        const QByteArray folder = folderOf(*target);
        place.folder = walk(place.folder.get(), folder, reason, hops);
        place.folderPath = target->startsWith('/') ? folder : place.folderPath + '/' + folder;
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
        reason = QCoreApplication::translate("SettingsFile", "it is larger than %1 MiB").arg(maxSize / (1024 * 1024));
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

bool writeAll(int fd, std::string_view bytes, off_t offset)
{
    while (!bytes.empty()) {
        const ssize_t count = ::pwrite(fd, bytes.data(), bytes.size(), offset);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0) {
            if (count == 0)
                errno = ENOSPC;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(count));
        offset += count;
    }
    return true;
}

QByteArray temporaryName(const QByteArray &name, quint64 number)
{
    return '.' + name + TemporaryInfix + QByteArray::number(number, 16).rightJustified(TemporaryDigits, '0');
}

namespace {

bool isTemporaryName(const QByteArray &entry, const QByteArray &name)
{
    const QByteArray prefix = '.' + name + TemporaryInfix;
    if (!entry.startsWith(prefix) || entry.size() != prefix.size() + TemporaryDigits)
        return false;
    return std::ranges::all_of(entry.mid(prefix.size()),
        [](char c) { return std::isdigit(static_cast<unsigned char>(c)) || (c >= 'a' && c <= 'f'); });
}

} // namespace

// A save holds a lock on its temporary file until it is renamed, so a file that can be locked belongs to no save
// any more, once it is older than any save: a save that has only just created its file has not locked it yet.
// Where the file system has no locks, no leftover can be told from a save in progress: all stay.
void removeAbandonedTemporaries(const Place &place)
{
    const int folder = place.folder.get();
    DIR *entries = ::fdopendir(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!entries)
        return;
    while (const dirent *entry = ::readdir(entries)) {
        const QByteArray name(entry->d_name);
        struct stat named;
        if (!isTemporaryName(name, place.name) || ::fstatat(folder, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) != 0
            || !S_ISREG(named.st_mode) || named.st_uid != ::geteuid() || ::time(nullptr) - named.st_mtime < SaveAge)
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
