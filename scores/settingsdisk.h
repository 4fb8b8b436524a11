#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>
#include <string_view>

struct stat;

// The settings file on the disk, handled with care: only a regular file of a sane size is read, a link is followed
// to where it points, and the file is replaced in one step, keeping its owner and mode, never anything that is not
// a regular file. Paths are the file system's bytes. Errors are errno values or reasons for the player.
namespace SettingsDisk {

// The reason given when the path names something that is not a regular file.
QString notAFile();
// The system's wording of an errno value.
QString systemReason(int error);

QByteArray folderOf(const QByteArray &path);
QByteArray nameOf(const QByteArray &path);

// The whole file; empty when there is none. Nothing, with the reason, when something is there that is not to be
// read: then a write must not take it for an empty file either. A named pipe or a device is never waited on or
// read, and a file larger than maxSize bytes is not loaded.
std::optional<std::string> readFile(const QByteArray &path, qint64 maxSize, QString &reason);

// The file a path names after following its links, also when the last one points at nothing yet: the file is then
// created where that link points, and the link stays.
std::optional<QByteArray> followLinks(QByteArray path, int &error);

// Creates the folder and the missing ones above it, private to the user as configuration folders are to be.
bool makeFolders(const QByteArray &folder, int &error);

// Removes the temporary files of earlier saves that ended before their rename, by a crash or a kill.
void removeAbandonedTemporaries(const QByteArray &folder, const QByteArray &targetName);

// 0 when the player may write the file itself, else why not. A file that nobody may write has been protected on
// purpose, and stays so even for the superuser, whom the system would let write anything.
int writeDenied(const QByteArray &path, const struct stat &info);

// Puts the bytes in place of the target in one step. The new file gets the old one's owner and mode, as far as
// the player may give them.
bool replaceFile(const QByteArray &target, const struct stat *old, std::string_view bytes, int &error);

} // namespace SettingsDisk
