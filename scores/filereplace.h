#pragma once

#include "scores/settingsdisk.h"

#include <string_view>

// Puts new bytes in place of the settings file. The usual way is one step: a temporary file beside it gets the
// bytes, the old file's owner, mode, access control list and other extended attributes (as far as the player may
// give them), is flushed to the disk and renamed over the old file, so that the file on disk is always the old one
// or the new one. Where a rename cannot work (a file mounted onto its place, a folder the player may not write
// holding a file the player may), the old file is rewritten where it lies instead, whole, and flushed to the disk.
namespace SettingsDisk {

// old is the file as opened for writing, or none when there is none yet. False, with the reason, when the bytes
// could not be put in place; the old file is then as it was.
bool replaceFile(const Place &place, const OpenedFile *old, std::string_view bytes, QString &reason);

} // namespace SettingsDisk
