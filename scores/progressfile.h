#pragma once

#include "game/progress.h"
#include "settings/profilefile.h"

#include <QString>

#include <optional>

// The player's progress in the settings file: in "OT Progress" and "NT Progress", one key per book number ("1" to
// "39", "1" to "27"), each value "games,found,timeouts,wrong,tenths" as BookProgress counts them.
namespace ProgressFile {

// A value as stored; nothing when it is not five decimal figures that a game could have made.
std::optional<BookProgress> parse(const QString &value);
QString format(const BookProgress &book);

// The testament's progress as the file holds it; a missing, damaged or impossible value reads as nothing done.
Progress load(const ProfileFile &file, Testament testament);
// Adds a game to what the file holds under its lock, so that a game another window saved meanwhile is kept. Only
// the books the game reached are written. False when the file could not be written; it is then as it was.
bool add(ProfileFile &file, const Progress &game);
// Sets every book of both testaments back to nothing done; the rest of the file stays as it is.
bool forget(ProfileFile &file);

} // namespace ProgressFile
