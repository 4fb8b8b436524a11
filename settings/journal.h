#pragma once

#include "settings/settingsdisk.h"

#include <QString>

#include <string_view>

// The rollback journal of a settings file that has to be rewritten where it lies (a folder the player may not
// write, a file mounted onto its place), as SQLite keeps one: before a byte of the file changes, its old and new
// bytes are written to a journal of the player's own and made to last; once the file is whole again the journal
// goes. A crash in between leaves the journal, and the next time the file is read under its lock a file that is
// still a mixture of the two is put back as it was. A file that is anything else (another player saved since)
// is left alone: a journal is acted on only where it proves what happened.
//
// Journals live in the player's state folder ($XDG_STATE_HOME/Tomelor, else ~/.local/state/Tomelor), named by
// the file's device and inode.
namespace Journal {

// Keeps the file's old and new bytes until drop(); false, with the reason, when there is nowhere to keep them.
bool keep(const struct stat &file, std::string_view oldBytes, std::string_view newBytes, QString &reason);
void drop(const struct stat &file);
// Whether a crash left a journal of this file.
bool pending(const struct stat &file);
// Under the file's lock, with the file opened for writing: a file a crash left half rewritten is put back, and the
// journal goes.
void recover(const SettingsDisk::OpenedFile &file);

} // namespace Journal
