#pragma once

class QString;

// Writes the settings file of a player who has played for a while: the first start is done, the initials entered
// last are stored and both testaments have five rows. The game's own table code writes it, so it has the very
// bytes the game would. False when the file could not be written.
bool writePlayedSettings(const QString &path);
