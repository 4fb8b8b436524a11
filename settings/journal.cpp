#include "settings/journal.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QList>

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

using namespace SettingsDisk;

namespace Journal {

namespace {

const char *const Heading = "Tomelor rollback journal\n";

QByteArray folderPath()
{
    const QByteArray state = qgetenv("XDG_STATE_HOME");
    if (state.startsWith('/'))
        return state + "/Tomelor";
    const QByteArray home = qgetenv("HOME");
    return home.startsWith('/') ? home + "/.local/state/Tomelor" : QByteArray();
}

QByteArray nameFor(const struct stat &file)
{
    return "journal-" + QByteArray::number(quint64(file.st_dev), 16) + '-' + QByteArray::number(quint64(file.st_ino));
}

QByteArray digest(std::string_view oldBytes, std::string_view newBytes)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(QByteArrayView(oldBytes.data(), qsizetype(oldBytes.size())));
    hash.addData(QByteArrayView(newBytes.data(), qsizetype(newBytes.size())));
    return hash.result().toHex();
}

FileDescriptor openFolder()
{
    const QByteArray path = folderPath();
    return FileDescriptor(path.isEmpty() ? -1 : ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

// What a rewrite cut short leaves: the new bytes up to where it stopped, then the old ones, and past the old end
// the zeros of the space reserved for the new length.
bool isMixture(std::string_view now, std::string_view oldBytes, std::string_view newBytes)
{
    if (now.size() != oldBytes.size() && now.size() != std::max(oldBytes.size(), newBytes.size()))
        return false;
    std::size_t cut = 0;
    while (cut < now.size() && cut < newBytes.size() && now[cut] == newBytes[cut])
        ++cut;
    for (std::size_t at = cut; at < now.size(); ++at) {
        if (now[at] != (at < oldBytes.size() ? oldBytes[at] : '\0'))
            return false;
    }
    return true;
}

} // namespace

bool keep(const struct stat &file, std::string_view oldBytes, std::string_view newBytes, QString &reason)
{
    const QByteArray path = folderPath();
    QString unmade;
    if (path.isEmpty() || !makeFolders(path, unmade)) {
        reason = QCoreApplication::translate("SettingsFile",
            "it has to be rewritten where it lies, and there is nowhere to keep a copy of it "
            "meanwhile (%1)")
                     .arg(path.isEmpty()
                             ? QCoreApplication::translate("SettingsFile", "neither XDG_STATE_HOME nor HOME is set")
                             : unmade);
        return false;
    }
    const FileDescriptor folder = openFolder();
    const QByteArray name = nameFor(file);
    const FileDescriptor fd(::openat(
        folder.get(), name.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0600));
    const QByteArray header = Heading + QByteArray::number(quint64(oldBytes.size())) + ' '
        + QByteArray::number(quint64(newBytes.size())) + ' ' + digest(oldBytes, newBytes) + '\n';
    const off_t start = off_t(header.size());
    if (!fd.valid() || !writeAll(fd.get(), std::string_view(header.constData(), header.size()), 0)
        || !writeAll(fd.get(), oldBytes, start) || !writeAll(fd.get(), newBytes, start + off_t(oldBytes.size()))
        || ::fsync(fd.get()) != 0) {
        reason = QCoreApplication::translate(
            "SettingsFile", "no copy of it could be kept while it is rewritten where it lies: %1")
                     .arg(systemReason(errno));
        if (fd.valid())
            ::unlinkat(folder.get(), name.constData(), 0);
        return false;
    }
    giveToFolderOwner(fd.get(), folder.get());
    syncFolder(folder.get());
    return true;
}

void drop(const struct stat &file)
{
    const FileDescriptor folder = openFolder();
    if (folder.valid())
        ::unlinkat(folder.get(), nameFor(file).constData(), 0);
}

bool pending(const struct stat &file)
{
    const FileDescriptor folder = openFolder();
    struct stat journal;
    return folder.valid() && ::fstatat(folder.get(), nameFor(file).constData(), &journal, AT_SYMLINK_NOFOLLOW) == 0;
}

void recover(const OpenedFile &file)
{
    const FileDescriptor folder = openFolder();
    const QByteArray name = nameFor(file.info);
    OpenedFile journal;
    journal.fd
        = FileDescriptor(::openat(folder.get(), name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!journal.fd.valid() || ::fstat(journal.fd.get(), &journal.info) != 0 || !S_ISREG(journal.info.st_mode)
        || journal.info.st_uid != ::geteuid())
        return;
    QString unread;
    const std::optional<std::string> kept = readAll(journal, 3 * qint64(INT_MAX), unread);
    const std::optional<std::string> now = readAll(file, file.info.st_size, unread);
    const std::string_view text = kept ? std::string_view(*kept) : std::string_view();
    const std::size_t headerEnd = text.find('\n', std::strlen(Heading));
    if (now && text.starts_with(Heading) && headerEnd != std::string_view::npos) {
        const QList<QByteArray> fields
            = QByteArray(text.data() + std::strlen(Heading), qsizetype(headerEnd - std::strlen(Heading))).split(' ');
        const std::size_t oldSize = fields.value(0).toULongLong();
        const std::size_t newSize = fields.value(1).toULongLong();
        const std::string_view body = text.substr(headerEnd + 1);
        if (fields.size() == 3 && body.size() == oldSize + newSize) {
            const std::string_view oldBytes = body.substr(0, oldSize);
            const std::string_view newBytes = body.substr(oldSize);
            if (digest(oldBytes, newBytes) == fields[2] && *now != newBytes && isMixture(*now, oldBytes, newBytes)
                && (!writeAll(file.fd.get(), oldBytes, 0) || ::ftruncate(file.fd.get(), off_t(oldSize)) != 0
                    || ::fsync(file.fd.get()) != 0))
                return; // the journal stays for the next try
        }
    }
    ::unlinkat(folder.get(), name.constData(), 0);
}

} // namespace Journal
