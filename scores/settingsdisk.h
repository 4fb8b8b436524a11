#pragma once

#include "scores/filedescriptor.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>
#include <sys/stat.h>

// The settings file on the disk, handled with care. Its folder is opened once and everything after goes through
// that folder; the file is opened once, so that its owner, mode and bytes all come from the same file, whatever is
// renamed meanwhile. Only a regular file of a sane size is read. A link is followed only where the player or the
// superuser made it, as the kernel's protected_symlinks rule has it: the superuser started on another user's folder
// never writes, nor reads, where that user points. Paths are the file system's bytes; errors are reasons for the
// player.
namespace SettingsDisk {

// The reason given when the path names something that is not a regular file.
QString notAFile();
// The reason given when a link leads to a file that is missing in another folder, which is never created.
QString missingElsewhere();
// The system's wording of an errno value.
QString systemReason(int error);

QByteArray folderOf(const QByteArray &path);
QByteArray nameOf(const QByteArray &path);

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

// Removes the temporary files of earlier saves that ended before their rename, by a crash or a kill; only the
// player's own.
void removeAbandonedTemporaries(const Place &place);

} // namespace SettingsDisk
