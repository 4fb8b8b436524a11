#pragma once

#include "game/catalogue.h"
#include "game/cueplayer.h"
#include "game/random.h"
#include "game/round.h"

#include <QList>
#include <QWidget>

#include <array>
#include <memory>

class Announcer;
class KeyboardPlay;
class QLabel;
class QStatusBar;
class QTimer;
class TImage;
class TLCD99;
class TMGCheckbox;
class TMark;

// The main window: the display panel, the three switches, the bookcase with the pile at its foot and the
// status bar. Its controls and operations are public, as on a form, so that tests can drive them.
class TfrmMain : public QWidget
{
    Q_OBJECT

public:
    explicit TfrmMain(QWidget *parent = nullptr);
    ~TfrmMain() override;

    // The form's own controls, lists, fields and handlers.
    // Painting order is creation order: the bookcase lowest, then the standing books, then the lying ones.
    TImage *Image1; // the display panel
    TImage *Image2; // the bookcase
    TLCD99 *lcdValue;
    TLCD99 *lcdScore;
    TMGCheckbox *chkTestament;
    TMGCheckbox *chkHints;
    TMGCheckbox *chkGO;
    std::array<TImage *, OTBookCount> imgOTShelf;
    std::array<TImage *, NTBookCount> imgNTShelf;
    QWidget *pnlPile; // holds the lying books, over the whole window but answering only in the pile's area
    std::array<TImage *, OTBookCount> imgOTBook;
    std::array<TImage *, NTBookCount> imgNTBook;
    QStatusBar *stbHints;
    QTimer *timValue;
    QLabel *lblPaused; // stands where the pile lay while a game is paused
    TMark *mrkWrongBook; // flashes over a book clicked out of order
    TMark *mrkTimedOut; // marks the slot of the book the countdown shelved
    // Entry i of every list is the picture of the book with tag i + 1.
    QList<TImage *> OTShelfList;
    QList<TImage *> OTBookList;
    QList<TImage *> NTShelfList;
    QList<TImage *> NTBookList;
    // The list index of the book wanted next and of the last book, and where each book was dealt: the round's.
    int WantedIndex() const { return m_round.WantedIndex(); }
    int LastIndex() const { return m_round.LastIndex(); }
    const PileRecord &PileCells() const { return m_round.PileCells(); }
    // The final score of the last game, in the field of its testament, for the high-score table.
    int NewOTScore = 0;
    int NewNTScore = 0;
    // Each handler and operation asks the round for the step and shows what it did; the rules themselves (the
    // value's reset, the shelving's order) are the round's.
    void FormCreate();
    void FormShow();
    void BooksInPlace();
    void chkTestamentClick();
    void chkGoClick();
    void StartGame();
    // Starts a practice game of the section, as GO! starts a game, while no game runs and the testament switch
    // shows the section's testament.
    void StartPractice(const Section &section);
    void BookSetup();
    void BookClick(TImage *sender, bool secondOfDoubleClick = false);
    bool MoveBook(const Round::Step &step);
    void timValueTimer();
    void EndGame();
    void ShowHints(bool clear);
    void chkHintsClick();
    // P or Pause: pauses the game running, or plays on when it is paused.
    void TogglePause();

    // The testament and hints switches as the player left them in an earlier run. Set only while the player has
    // neither flipped a switch nor started a game: a choice made before the settings file answered stands.
    void restoreSwitches(Testament testament, bool hints);

    // The game being played, or the last one played: the window shows it and never keeps a copy of its own.
    const Round &round() const { return m_round; }
    // A game runs exactly while the testament switch is locked.
    bool gameRunning() const;
    // The testament the switch shows now; every operation reads it afresh.
    Testament chosenTestament() const;
    // The books lying in the pile, row by row from the bottom left, as screen readers list them.
    QList<TImage *> pileInOrder() const;
    // Where the cues of the game are heard; silent until a player is given. The window does not own it.
    void setCuePlayer(CuePlayer *player) { m_cues = player ? player : &m_silence; }
    // Where every deal takes its seed: the time of day unless set otherwise.
    void setSeedSource(Random::SeedSource source) { m_seedSource = std::move(source); }
    // Where the round reads how long each book was wanted: a monotonic clock unless set otherwise.
    void setClock(Round::Clock clock) { m_round.setClock(std::move(clock)); }

signals:
    // A game ended with a positive score, now in NewOTScore or NewNTScore: the high-score table is due. Whoever
    // shows it does so before the signal returns.
    void highScoresDue();
    // A game ended, by its last book or by STOP, whatever its score; after the high-score table if one was due.
    // round().record() holds what each book cost.
    void gameFinished();
    // The player flipped the testament or the hints switch.
    void switchesChanged();
    // The player asked to see the progress (F2) while no game runs.
    void progressWanted();
    // The player asked to practise the section that costs most (F3) while no game runs.
    void practiceWanted();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createPanel();
    void createBooks();
    void nameSwitches();
    const QList<TImage *> &bookList() const;
    const QList<TImage *> &shelfList() const;
    void play(const Round::Step &step, int scoreBefore);
    // Deals the round just started and sets it going.
    void run();
    void showRound();
    void setCountdownInterval(int milliseconds);
    void createPausePlate();
    // The window followed a reason to pause, or the end of one: the countdown halts or goes on, the pile goes out of
    // sight or comes back, and screen readers are told.
    void setPaused(Round::PauseReason reason, bool on);
    void followPause(bool wasPaused);
    // The pile and the plate as the round's pause has them.
    void showPause();

    bool m_shown = false;
    bool m_playerActed = false;
    // The keyboard was in the pile when the game paused: it goes back to its book when the game plays on.
    bool m_pileHadKeyboard = false;
    Round m_round;
    Random::SeedSource m_seedSource = Random::timeOfDaySeed;
    SilentCuePlayer m_silence;
    CuePlayer *m_cues = &m_silence;
    Announcer *m_announcer;
    // Last, so that it is gone before the lists it reads and the books it watches.
    std::unique_ptr<KeyboardPlay> m_keyboard;
};
