#include "settings/filereplace.h"

#include "settings/journal.h"

#include <QFile>
#include <QList>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/xattr.h>

namespace SettingsDisk {

namespace {

// A new, empty file of a name no one else uses, next to the target so that renaming it over the target is one
// step, and readable by the player alone until it holds what it is to hold. It stays locked until it is closed,
// which tells it from the leftovers of a save that never finished.
FileDescriptor createTemporary(const Place &place, QByteArray &name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = temporaryName(place.name, QRandomGenerator::global()->generate64());
        FileDescriptor fd(
            ::openat(place.folder.get(), name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
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

// What the old file was: its owner and group (which only the superuser may give away), its list and attributes,
// its mode last, since setting a list changes the mode's group bits.
bool takeOver(int fd, const OpenedFile &old)
{
    struct stat made;
    if (::fstat(fd, &made) != 0)
        return false;
    if (made.st_uid != old.info.st_uid && ::fchown(fd, old.info.st_uid, old.info.st_gid) != 0)
        return false;
    if (made.st_gid != old.info.st_gid && ::fchown(fd, static_cast<uid_t>(-1), old.info.st_gid) != 0)
        return false;
    return copyAttributes(old.fd.get(), fd) && ::fchmod(fd, old.info.st_mode & 07777) == 0;
}

// The mode a program's new file gets: everyone may read and write it, less what the player's umask takes away.
mode_t newFileMode()
{
    QFile status(QStringLiteral("/proc/self/status"));
    mode_t mask = 022;
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("Umask:"))
                mask = mode_t(line.mid(6).trimmed().toUInt(nullptr, 8));
        }
    }
    return 0666 & ~mask;
}

bool rewriteInPlace(const OpenedFile &old, std::string_view oldBytes, std::string_view bytes, QString &reason)
{
    if (!Journal::keep(old.info, oldBytes, bytes, reason))
        return false;
    const int fd = old.fd.get();
    const off_t oldSize = off_t(oldBytes.size());
    if (bytes.size() > oldBytes.size()) {
        const int refused = ::posix_fallocate(fd, 0, off_t(bytes.size()));
        if (refused != 0 && refused != EOPNOTSUPP && refused != EINVAL) {
            [[maybe_unused]] const int cut = ::ftruncate(fd, oldSize);
            Journal::drop(old.info);
            reason = systemReason(refused);
            return false;
        }
    }
    if (!writeAll(fd, bytes, 0) || ::ftruncate(fd, off_t(bytes.size())) != 0 || ::fsync(fd) != 0) {
        reason = systemReason(errno);
        Journal::recover(old);
        return false;
    }
    Journal::drop(old.info);
    return true;
}

// Where the file itself may be written though it cannot be replaced.
bool canRewrite(const OpenedFile *old, int error)
{
    return old && old->writeDenied == 0 && (error == EACCES || error == EPERM || error == EBUSY);
}

} // namespace

Replacement replaceFile(
    const Place &place, const OpenedFile *old, std::string_view oldBytes, std::string_view bytes, QString &reason)
{
    const auto inPlace = [&](int error) {
        if (canRewrite(old, error))
            return rewriteInPlace(*old, oldBytes, bytes, reason) ? Replacement::Done : Replacement::Failed;
        reason = systemReason(error);
        return Replacement::Failed;
    };
    if (old && old->writeDenied != 0) {
        reason = systemReason(old->writeDenied);
        return Replacement::Failed;
    }
    const int folder = place.folder.get();
    QByteArray temporary;
    const FileDescriptor fd = createTemporary(place, temporary);
    if (!fd.valid())
        return inPlace(errno);
    if (!writeAll(fd.get(), bytes, 0)) {
        const int error = errno;
        ::unlinkat(folder, temporary.constData(), 0);
        reason = systemReason(error);
        return Replacement::Failed;
    }
    if (old ? !takeOver(fd.get(), *old) : ::fchmod(fd.get(), newFileMode()) != 0) {
        // Renamed, it would take the table from its owner or lose its list: the player rewrites it instead.
        ::unlinkat(folder, temporary.constData(), 0);
        return inPlace(EPERM);
    }
    if (!old)
        giveToFolderOwner(fd.get(), folder);
    if (::fsync(fd.get()) != 0) {
        const int error = errno;
        ::unlinkat(folder, temporary.constData(), 0);
        reason = systemReason(error);
        return Replacement::Failed;
    }
    // Put in place before it is closed, so that it is never seen unlocked under its temporary name.
    bool placed = false;
    if (old) {
        placed = ::renameat(folder, temporary.constData(), folder, place.name.constData()) == 0;
    } else {
        placed = ::linkat(folder, temporary.constData(), folder, place.name.constData(), 0) == 0;
        // A file system without hard links: the rename is all there is.
        if (!placed && (errno == EPERM || errno == EOPNOTSUPP))
            placed = ::renameat(folder, temporary.constData(), folder, place.name.constData()) == 0;
    }
    const int error = errno;
    if (!placed || !old)
        ::unlinkat(folder, temporary.constData(), 0);
    if (placed) {
        syncFolder(folder);
        return Replacement::Done;
    }
    if (!old && error == EEXIST)
        return Replacement::CreatedMeanwhile;
    return inPlace(error);
}

} // namespace SettingsDisk
