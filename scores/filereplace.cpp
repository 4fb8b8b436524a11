#include "scores/filereplace.h"

#include <QList>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/xattr.h>

namespace SettingsDisk {

namespace {

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

// A new, empty file of a name no one else uses, next to the target so that renaming it over the target is one
// step. It stays locked until it is closed, which tells it from the leftovers of a save that never finished.
FileDescriptor createTemporary(const Place &place, QByteArray &name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = '.' + place.name + '.' + QByteArray::number(QRandomGenerator::global()->generate64(), 16);
        FileDescriptor fd(
            ::openat(place.folder.get(), name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (fd.valid()) {
            ::flock(fd.get(), LOCK_EX | LOCK_NB);
            return fd;
        }
        if (errno != EEXIST)
            break;
    }
    return FileDescriptor();
}

QList<QByteArray> attributeNames(int fd)
{
    QList<QByteArray> names;
    for (;;) {
        const ssize_t size = ::flistxattr(fd, nullptr, 0);
        if (size <= 0)
            return names;
        QByteArray list(size, Qt::Uninitialized);
        const ssize_t listed = ::flistxattr(fd, list.data(), list.size());
        if (listed < 0 && errno == ERANGE)
            continue; // it grew meanwhile
        if (listed <= 0)
            return names;
        list.truncate(listed);
        for (const QByteArray &name : list.split('\0')) {
            if (!name.isEmpty())
                names.append(name);
        }
        return names;
    }
}

// The security labels are the system's to give: where it gives the new file another, that one stands.
bool isSecurityLabel(const QByteArray &name)
{
    return name.startsWith("security.");
}

// The old file's access control list and extended attributes, on the new one; what the new one got from its
// folder's default list, and the old one had not, goes. False when one could not be copied.
bool copyAttributes(int from, int to)
{
    const QList<QByteArray> names = attributeNames(from);
    for (const QByteArray &name : attributeNames(to)) {
        if (!names.contains(name) && !isSecurityLabel(name))
            ::fremovexattr(to, name.constData());
    }
    for (const QByteArray &name : names) {
        const ssize_t size = ::fgetxattr(from, name.constData(), nullptr, 0);
        QByteArray value(std::max<ssize_t>(size, 0), Qt::Uninitialized);
        const bool copied = size >= 0 && ::fgetxattr(from, name.constData(), value.data(), value.size()) == size
            && ::fsetxattr(to, name.constData(), value.constData(), value.size(), 0) == 0;
        if (!copied && !isSecurityLabel(name))
            return false;
    }
    return true;
}

// Makes the rename itself survive a power cut; the data is already safe, so a failure here is no failure of the
// write.
void syncFolder(const Place &place)
{
    const FileDescriptor fd(::openat(place.folder.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid())
        ::fsync(fd.get());
}

// Under the lock no other copy of the game reads the file meanwhile; a crash midway leaves it cut short, which is
// the price where nothing else can work.
bool rewriteInPlace(const OpenedFile &old, std::string_view bytes, QString &reason)
{
    if (!writeAll(old.fd.get(), bytes, 0) || ::ftruncate(old.fd.get(), off_t(bytes.size())) != 0
        || ::fsync(old.fd.get()) != 0) {
        reason = systemReason(errno);
        return false;
    }
    return true;
}

// Where the file itself may be written though it cannot be replaced.
bool canRewrite(const OpenedFile *old, int error)
{
    return old && old->writeDenied == 0 && (error == EACCES || error == EPERM || error == EBUSY);
}

} // namespace

bool replaceFile(const Place &place, const OpenedFile *old, std::string_view bytes, QString &reason)
{
    if (old && old->writeDenied != 0) {
        reason = systemReason(old->writeDenied);
        return false;
    }
    QByteArray temporary;
    const FileDescriptor fd = createTemporary(place, temporary);
    if (!fd.valid()) {
        const int error = errno;
        if (canRewrite(old, error))
            return rewriteInPlace(*old, bytes, reason);
        reason = systemReason(error);
        return false;
    }
    bool attributesKept = true;
    if (old) {
        // Only the superuser may give a file to someone else; the player may still give it the old group, and
        // where not even that, the file stays the player's alone.
        [[maybe_unused]] const bool owned = ::fchown(fd.get(), old->info.st_uid, old->info.st_gid) == 0
            || ::fchown(fd.get(), static_cast<uid_t>(-1), old->info.st_gid) == 0;
        ::fchmod(fd.get(), old->info.st_mode & 07777);
        attributesKept = copyAttributes(old->fd.get(), fd.get());
    }
    // Renamed before it is closed, so that it is never seen unlocked under its temporary name.
    const bool replaced = attributesKept && writeAll(fd.get(), bytes, 0) && ::fsync(fd.get()) == 0
        && ::renameat(place.folder.get(), temporary.constData(), place.folder.get(), place.name.constData()) == 0;
    const int error = attributesKept ? errno : EPERM;
    if (replaced) {
        syncFolder(place);
        return true;
    }
    ::unlinkat(place.folder.get(), temporary.constData(), 0);
    if (canRewrite(old, error))
        return rewriteInPlace(*old, bytes, reason);
    reason = systemReason(error);
    return false;
}

} // namespace SettingsDisk
