#pragma once

#include "settings/filedescriptor.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>

// The settings file on the disk, handled with care. Its folder is opened once and everything after goes through
// that folder; the file is opened once, so that its owner, mode and bytes all come from the same file, whatever is
// renamed meanwhile. Only a regular file of a sane size is read. A link is followed only where the player or the
// superuser made it, as the kernel's protected_symlinks rule has it, and it is read through the very link that was
// judged: the superuser started on another user's folder never writes, nor reads, where that user points, and no
// link swapped in between a check and its use redirects a save. Paths are the file system's bytes; errors are
// reasons for the player.
namespace SettingsDisk {

// The reason given when the path names something that is not a regular file.
QString notAFile();
// The reason given when a link leads to a file that is missing in another folder, which is never created.
QString missingElsewhere();
// The system's wording of an errno value.
QString systemReason(int error);

QByteArray folderOf(const QByteArray &path);
QByteArray nameOf(const QByteArray &path);

bool sameFile(const struct stat &a, const struct stat &b);

// What the superuser creates in a folder of another user's becomes that user's, so that the superuser started with
// someone's configuration folder leaves nothing there that its owner cannot change.
void giveToFolderOwner(int fd, int folder);
// Makes a new name in the folder survive a power cut; failing that is no failure of what was written.
void syncFolder(int folder);

// Creates the folder and the missing ones above it, private to the user, each made to last.
bool makeFolders(const QByteArray &path, QString &reason);

// Where the file lies once its links are followed: the folder, held open, and the name in it.
struct Place
{
    FileDescriptor folder;
    QByteArray folderPath;
    QByteArray name;
    // A link led out of the configuration folder; a file that is missing there is not created.
    bool elsewhere = false;

    QByteArray path() const { return folderPath + '/' + name; }
};

// Nothing, with the reason, when the links may not be followed or the folder cannot be had. When the folder is
// missing, a place to read finds no folder (and so no file), a place to write creates it, private to the user as
// configuration folders are to be.
enum class Access { Read, Write };
std::optional<Place> findPlace(const QByteArray &path, Access access, QString &reason);

// The file at its place, opened once; none when there is no file. Something that is not a regular file is never
// opened, since opening some devices does something already.
struct OpenedFile
{
    FileDescriptor fd;
    struct stat info
    {
    };
    // 0 when the player may write the file itself, else why not (an errno value). A file that nobody may write has
    // been protected on purpose, and stays so even for the superuser, whom the system would let write anything.
    int writeDenied = 0;
};
std::optional<OpenedFile> openAt(const Place &place, Access access, QString &reason);

// The whole file; nothing, with the reason, when it is larger than maxSize bytes or cannot be read.
std::optional<std::string> readAll(const OpenedFile &file, qint64 maxSize, QString &reason);
// Writes all the bytes at the offset; false, with errno, when not all could be written.
bool writeAll(int fd, std::string_view bytes, off_t offset);

// The reason given for a file larger than the game reads.
QString tooLarge(qint64 maxSize);

// The name of a save's temporary file beside the file: its name, ".save-" and sixteen hexadecimal digits.
QByteArray temporaryName(const QByteArray &name, quint64 number);
// Removes the temporary files of earlier saves that ended before their rename, by a crash or a kill: only names
// made by temporaryName(), only the player's own, and only those no save holds any more (older than a minute and
// not locked).
void removeAbandonedTemporaries(const Place &place);

} // namespace SettingsDisk
