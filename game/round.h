#pragma once

#include "game/catalogue.h"
#include "game/cueplayer.h"
#include "game/pile.h"
#include "game/pilegrid.h"
#include "game/progress.h"
#include "game/sections.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <vector>

// One game, from GO! to its end, without a window: the deal, the judging of clicks, the countdown, the hints'
// price and the final score. Every step returns what happened, so that whoever shows the game can play the cue
// and move the pictures; the state it leaves is read through the accessors.
class Round
{
public:
    // Milliseconds from any fixed point, never going back.
    using Clock = std::function<std::int64_t()>;

    Round();

    enum class Outcome {
        Ignored, // nothing happened: no game runs
        CountedDown, // the value fell by one step
        Penalised, // a book other than the wanted one was clicked
        Shelved, // the wanted book was clicked and went to its slot
        TimedOut, // the countdown ran out and the game shelved the wanted book for nothing
    };

    // What holds a game: the player's own pause (P), another window in front of the game's (the help, a dialog,
    // another program's), or the game's window minimised. Each is set and cleared on its own.
    enum class PauseReason {
        Player = 1,
        OtherWindow = 2,
        Minimised = 4,
    };

    struct Step
    {
        Outcome outcome = Outcome::Ignored;
        int shelved = -1; // list index of the book that went to its slot
        PileCell shelvedFrom; // the cell it lay in when it left the pile
        std::vector<int> dropped; // list indexes of the lying books that dropped one row
        bool ended = false; // that was the last book: the game is over

        // The cue that goes with the step, if any.
        std::optional<Cue> cue() const;
    };

    // Starts a game of the testament: nothing shelved, score 0, the value reset. The pile is dealt by BookSetup.
    void start(Testament testament);
    // Starts a practice game of the section alone: the books before and after it stay on their shelves. Its rules
    // are those of a whole game; only its score is no high score.
    void start(const Section &section);
    // Deals the game's books into the pile from a generator seeded with `seed`; entry i is where the book with list
    // index FirstIndex() + i lies.
    std::vector<Pile::DealtBook> BookSetup(std::uint32_t seed);
    // A click on the book with list index `index`. The second press of a double click is the player's first click
    // again and costs nothing; but when it lands on the book wanted now (the one that dropped into the cell just
    // cleared) it is as good as any click, since a quick player's next click looks the same.
    Step click(int index, bool secondOfDoubleClick = false);
    // A tick of the countdown timer: while a game runs and is not paused, the value falls a step or, at 0, the game
    // shelves the wanted book itself.
    Step tick();
    // While any reason holds during a game, the game is paused: ticks count nothing down and clicks take nothing,
    // and the time the wanted book takes stands still, so the game goes on where it was once every reason is gone.
    // Outside a game nothing pauses: a game starts running, as whoever starts it is at the game, and its end clears
    // every reason.
    void setPaused(PauseReason reason, bool on);
    // The player plays on: every reason is cleared, as the player is back at the game's window.
    void playOn();
    bool paused() const { return m_running && m_pauses != 0; }
    // Paused by the player's own choice, not only by another window or a minimised one.
    bool pausedByPlayer() const { return paused() && (m_pauses & int(PauseReason::Player)); }
    // The player's hints switch, in a game or not. See countdownInterval() for what it does to the speed.
    void setHints(bool on);
    // The hints switch between games as the last game left it: with hints on, the next game runs at full speed
    // from 250, as one started with hints left on does.
    void setHintsLeftOn(bool on);
    // Ends the game, whether the last book was shelved or the player stopped it; the score stays as it is, and the
    // value is the one the next game starts at.
    void stop();
    // Where the round reads the time for its record: a monotonic clock unless told otherwise.
    void setClock(Clock clock) { m_clock = std::move(clock); }
    // The books go back to their shelves: none lies in the pile any more. The books left after STOP lie until then.
    void clearPile();

    bool running() const { return m_running; }
    Testament testament() const { return m_testament; }
    int WantedIndex() const { return m_wantedIndex; }
    // The list indexes of the game's first and last books: the whole testament, or the section practised.
    int FirstIndex() const { return m_firstIndex; }
    int LastIndex() const { return m_lastIndex; }
    // The section of a practice game, while it runs and after it ended; nothing for a game of the whole testament.
    const std::optional<Section> &practice() const { return m_practice; }
    // Where each book of the game was dealt; the entries of the books outside it are stale.
    const PileRecord &PileCells() const { return m_pileCells; }
    // The books lying in the pile now, where they lie.
    PileGrid pile() const;
    int score() const { return m_score; }
    int value() const { return m_value; }
    bool hints() const { return m_hints; }
    // The text for the status bar: the wanted book's hint while a game runs with hints on, else nothing.
    QString hint() const;

    // The hint slowdown: switching hints on slows the countdown to a step every 200 ms, in a game or before one,
    // until the game ends. A game started with hints left on from the last one runs at full speed from 250.
    int countdownInterval() const { return m_countdownInterval; }

    // What each book of the game cost the player so far: every book that was wanted, whether it was found, shelved
    // by the countdown or still wanted when the game was stopped, its wrong clicks and how long it was wanted by
    // the clock, whatever the countdown's pace.
    const Progress &record() const { return m_record; }

private:
    // Puts the wanted book on its shelf and advances to the next one, or ends the game after the last.
    void MoveBook(Step &step);
    void begin(Testament testament, int firstIndex, int lastIndex);
    void InitValue();
    void end();
    // The wanted book's time so far goes into the record; the next book is timed from now.
    void recordWantedTime();
    // Sets the reasons a game is held by, and keeps a pause out of the wanted book's time.
    void setPauses(int pauses);

    Testament m_testament = Testament::Old;
    bool m_running = false;
    bool m_hints = false;
    std::optional<Section> m_practice;
    int m_wantedIndex = 0;
    int m_firstIndex = 0;
    int m_lastIndex = OTBookCount - 1;
    // Books leave the pile in canonical order, so those from this list index to the last one lie in it.
    int m_firstLying = OTBookCount;
    int m_score = 0;
    int m_value;
    int m_countdownInterval;
    PileRecord m_pileCells {};
    std::mt19937 m_generator;
    Clock m_clock;
    Progress m_record;
    std::int64_t m_wantedSince = 0;
    int m_pauses = 0;
    std::int64_t m_pausedSince = 0;
};
