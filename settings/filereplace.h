#pragma once

#include "settings/settingsdisk.h"

#include <string_view>

// Puts new bytes in place of the settings file. The usual way is one step: a temporary file beside it, readable by
// the player alone, gets the bytes; only then does it get the old file's owner, group, mode, access control list
// and other extended attributes; it is flushed to the disk and renamed over the old file, so that the file on disk
// is always the old one or the new one. A new file is linked into its place, which fails if another copy created
// one meanwhile.
//
// Where a rename cannot work (a file mounted onto its place, a folder the player may not write holding a file the
// player may) or would take the file from its owner (a player who shares another's table), the old file is
// rewritten where it lies instead, under a rollback journal (see Journal), with its new length reserved first so
// that a full disk fails before a byte changes.
namespace SettingsDisk {

enum class Replacement {
    Done,
    Failed, // the old file is as it was
    CreatedMeanwhile, // there was no file, and another copy has just made one: read it and try again
};

// old is the file as opened for writing, with its bytes, or none when there is none yet.
Replacement replaceFile(
    const Place &place, const OpenedFile *old, std::string_view oldBytes, std::string_view bytes, QString &reason);

} // namespace SettingsDisk
