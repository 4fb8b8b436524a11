#pragma once

#include "game/round.h"

#include <QString>

// What a screen reader is told of a game, in short sentences, as it happens. Nothing here names the book wanted
// next (a hint only describes it) or lists the books still lying.
namespace Narration {

// GO! was pressed and the round has just started; with hints on, the hint follows.
QString started(const Round &round);
// What a click or a tick did, told after the round took the step; `scoreBefore` is the score before it. Empty for a
// step nobody need hear: the countdown's fall, or a click outside a game.
QString step(const Round::Step &step, const Round &round, int scoreBefore);
// STOP was pressed: the game is over and its score stands.
QString stopped(const Round &round);
// While a practice game runs: its section and the books still lying, as the status bar shows them. Empty otherwise.
QString practising(const Round &round);
// The game is over: its score, and for practice the section and the books found.
QString ended(const Round &round);
// The hints switch was pressed; during a game the hint follows.
QString hintsSwitched(const Round &round);
// The testament switch was pressed: the testament now chosen.
QString testamentSwitched(Testament chosen);

// The game was paused, by the player (who is told how to play on) or by another window in front of it.
QString paused(const Round &round);
// The game plays on where it was paused; with hints on, the hint follows.
QString playingOn(const Round &round);

// Typing in the pile found no lying book whose name starts with `typed`.
QString nothingFound(const QString &typed);

} // namespace Narration
