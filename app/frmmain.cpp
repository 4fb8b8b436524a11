#include "app/frmmain.h"

#include "app/formcontrols.h"
#include "app/keyboardplay.h"
#include "app/mainwindowaccessible.h"
#include "controls/accessibility.h"
#include "controls/image.h"
#include "controls/lcd99.h"
#include "controls/mark.h"
#include "controls/mgcheckbox.h"
#include "game/board.h"
#include "game/narration.h"
#include "look/artwork.h"
#include "look/frmabout.h"
#include "look/help.h"
#include "look/windowlook.h"
#include "platform/announcer.h"
#include "platform/windowrole.h"

#include <QKeyEvent>
#include <QLabel>
#include <QRegion>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>

namespace {

constexpr QSize ClientSize {632, 453};

// The two rockers answer on their second half while unchecked and on their first half while checked; both
// halves include the line where they meet.
constexpr QRect RockerSecondHalf(QPoint(37, 20), QPoint(78, 40));
constexpr QRect RockerFirstHalf(QPoint(5, 20), QPoint(37, 40));

constexpr SwitchLayout TestamentLayout {{401, 11}, RockerSecondHalf, RockerFirstHalf};
constexpr SwitchLayout HintsLayout {{401, 57}, RockerSecondHalf, RockerFirstHalf};
constexpr SwitchLayout GoLayout {
    {490, 13}, QRect(QPoint(10, 0), QPoint(120, 40)), QRect(QPoint(10, 40), QPoint(120, 80))};

// A wrong book flashes red three times in a little over half a second; the slot of a book the countdown shelved is
// marked amber, the colour of the countdown's warning, for a second and a half. Both are over before the player
// would have found the next book.
constexpr int MarkOutset = 3;
constexpr int MarkWash = 110;
constexpr QColor WrongBookColour(255, 40, 24);
constexpr int WrongBookFlashes = 3;
constexpr std::chrono::milliseconds WrongBookLasting(650);
constexpr QColor TimedOutColour(255, 179, 0);
constexpr std::chrono::milliseconds TimedOutLasting(1500);

// The plate that stands in the middle of the pile's area while a game is paused: the gilt of the books' lettering on
// the dark of the displays.
constexpr QSize PausePlateSize(260, 84);
const char *const PausePlateStyle
    = "QLabel { background: rgba(16, 12, 8, 225); color: %1; border: 2px solid %1; border-radius: 8px; }";

} // namespace

TfrmMain::TfrmMain(QWidget *parent)
    : QWidget(parent,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(tr("Tomelor!"));
    Platform::setRole(this, WindowRole::MainWindow, ClientSize);
    applyWindowLook(this);
    Help::attachTopic(this, Help::MainWindowTopic);
    describeMainWindowToAssistiveTools();

    createPanel();
    createBooks();
    // Within the book: the pile's edge would cut a frame round a book at its foot.
    mrkWrongBook = new TMark(WrongBookColour, 0, MarkWash, pnlPile);
    mrkWrongBook->setObjectName(QStringLiteral("mrkWrongBook"));
    // Above the pile, which lies over the lower shelf.
    mrkTimedOut = new TMark(TimedOutColour, MarkOutset, MarkWash, this);
    mrkTimedOut->setObjectName(QStringLiteral("mrkTimedOut"));
    createPausePlate();

    stbHints = new QStatusBar(this);
    stbHints->setObjectName(QStringLiteral("stbHints"));
    stbHints->setSizeGripEnabled(false);
    stbHints->setGeometry(0, 434, 632, 19);
    // The status bar's accessible name is the hint it shows.
    stbHints->setAccessibleDescription(tr("With hints on, a description of the book wanted next."));
    // What happens in a game is told where the hints are shown.
    m_announcer = new Announcer(stbHints);

    timValue = new QTimer(this);
    timValue->setObjectName(QStringLiteral("timValue"));
    timValue->setInterval(m_round.countdownInterval());

    // Made last, so that the keyboard's ring lies above every other control.
    m_keyboard = std::make_unique<KeyboardPlay>(*this, m_round,
        KeyboardPlay::Controls {{chkTestament, chkHints, chkGO}, chkGO,
            QList<TImage *>(imgOTBook.begin(), imgOTBook.end()), QList<TImage *>(imgNTBook.begin(), imgNTBook.end())});

    connect(chkTestament, &TMGCheckbox::clicked, this, &TfrmMain::chkTestamentClick);
    connect(chkHints, &TMGCheckbox::clicked, this, &TfrmMain::chkHintsClick);
    connect(chkGO, &TMGCheckbox::clicked, this, &TfrmMain::chkGoClick);
    connect(timValue, &QTimer::timeout, this, &TfrmMain::timValueTimer);
    connect(m_keyboard.get(), &KeyboardPlay::foundAgain, m_announcer,
        [this](TImage *book) { m_announcer->announce(book->accessibleName()); });
    connect(m_keyboard.get(), &KeyboardPlay::nothingFound, m_announcer,
        [this](const QString &typed) { m_announcer->announce(Narration::nothingFound(typed)); });
    const auto betweenGames = [this](Qt::Key key, void (TfrmMain::*wanted)()) {
        auto *shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, wanted] {
            if (!gameRunning())
                emit(this->*wanted)();
        });
    };
    betweenGames(Qt::Key_F2, &TfrmMain::progressWanted);
    betweenGames(Qt::Key_F3, &TfrmMain::practiceWanted);
    // Ctrl+Q, as in every desktop game, does what closing the window does: a game running is given up unscored.
    // Named outright, as the platforms without a desktop theme bind no key to the standard Quit.
    auto *quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
    quit->setContext(Qt::WindowShortcut);
    connect(quit, &QShortcut::activated, this, &QWidget::close);
    // F4 tells what the program is: its version and its licences.
    auto *about = new QShortcut(QKeySequence(Qt::Key_F4), this);
    about->setContext(Qt::WindowShortcut);
    connect(about, &QShortcut::activated, this, [this] { TfrmAbout::showOver(this); });

    FormCreate();
    showRound();
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::createPanel()
{
    Image1 = createPicture(this, QStringLiteral("Image1"), QRect(0, 5, 630, 100), Artwork::keyedPanel);
    Image1->setTransparent(true);
    Image2 = createPicture(this, QStringLiteral("Image2"), QRect(0, 112, 632, 300), Artwork::keyedBookcase);
    Image2->setTransparent(true);

    lcdValue = new TLCD99(this);
    lcdValue->setObjectName(QStringLiteral("lcdValue"));
    lcdValue->setGeometry(29, 27, 66, 21);
    lcdValue->setDigitNum(3);
    lcdValue->setSegmentSize(1);
    lcdValue->setOnColor(Qt::cyan);
    lcdValue->setAnnouncesValue(false);
    lcdValue->setAccessibleName(tr("Book value"));
    lcdValue->setAccessibleDescription(
        tr("The points the wanted book earns if clicked now. It counts down while you search."));

    lcdScore = new TLCD99(this);
    lcdScore->setObjectName(QStringLiteral("lcdScore"));
    lcdScore->setGeometry(206, 32, 163, 45);
    lcdScore->setDigitNum(5);
    lcdScore->setSegmentSize(3);
    lcdScore->setAccessibleName(tr("Score"));
    lcdScore->setAccessibleDescription(tr("The points of this game. A book clicked out of order costs 50."));

    chkTestament = createSwitch(this, "chkTestament", TestamentLayout, Artwork::Switch::Testament);
    chkHints = createSwitch(this, "chkHints", HintsLayout, Artwork::Switch::Hints);
    chkGO = createSwitch(this, "chkGO", GoLayout, Artwork::Switch::Go);
    chkGO->setCursor(Qt::PointingHandCursor);
    describeOnce(chkTestament,
        tr("Chooses the books to put in order: the 39 of the Old Testament or the 27 of the New. "
           "It cannot be changed during a game."));
    describeOnce(chkHints,
        tr("While on, the status bar describes the book wanted next and each book is worth half. "
           "Switching on slows the countdown until the game ends."));
    describeOnce(chkGO, tr("GO! scatters the books of the chosen testament in a pile; STOP ends the game."));
    Image1->setAccessibleName(tr("Display panel"));
    Image2->setAccessibleName(tr("Bookcase"));
}

// The switches' names say their state, so a screen reader tells what pressing them would change. Qt announces
// every name it is given, and the round is shown at every tick: only a new name is given.
void TfrmMain::nameSwitches()
{
    const auto name = [](TMGCheckbox *toggle, const QString &text) {
        if (toggle->accessibleName() != text)
            toggle->setAccessibleName(text);
    };
    name(chkTestament, tr("Testament: %1").arg(testamentName(chosenTestament())));
    name(chkHints, chkHints->Checked() ? tr("Hints: on") : tr("Hints: off"));
    name(chkGO, chkGO->Checked() ? tr("STOP") : tr("GO!"));
}

void TfrmMain::createBooks()
{
    // The old form data spelled two of these names irregularly (imgOTSHelf26, imgNTshelf17); here every
    // picture carries the regular name.
    const auto shelves = [this](Testament testament, auto &pictures, const char *prefix, Start start) {
        for (int i = 0; i < int(pictures.size()); ++i) {
            pictures[i] = createPicture(
                this, QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(i + 1),
                QRect(Board::shelfSlot(i), Board::StandingBookSize),
                [testament, i](int scale) { return Artwork::standingBook(testament, i + 1, scale); }, start);
            pictures[i]->setAccessibleName(spokenBookName(testament, i + 1));
        }
    };
    const auto books = [this](Testament testament, auto &pictures, const char *prefix) {
        for (int i = 0; i < int(pictures.size()); ++i) {
            TImage *book = createPicture(
                pnlPile, QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(i + 1),
                QRect(QPoint(0, 0), Board::LyingBookSize),
                [testament, i](int scale) { return Artwork::lyingBook(testament, i + 1, scale); }, Start::Hidden);
            book->setTag(i + 1);
            book->setCursor(Qt::PointingHandCursor);
            book->setAccessibleName(spokenBookName(testament, i + 1));
            connect(book, &TImage::clicked, this, &TfrmMain::BookClick);
            pictures[i] = book;
        }
    };
    shelves(Testament::Old, imgOTShelf, "imgOTShelf", Start::Shown);
    shelves(Testament::New, imgNTShelf, "imgNTShelf", Start::Hidden);
    // The lying books share one parent, so that a deal can place them out of sight and show them at once: Qt then
    // looks once for what has come under the pointer instead of once for every book (on X11 each look is a round
    // trip to the server). It lies over the whole window, so a book's place is the same in both, and its mask
    // leaves the rest of the window to the controls beneath.
    pnlPile = new QWidget(this);
    pnlPile->setObjectName(QStringLiteral("pnlPile"));
    pnlPile->setGeometry(QRect(QPoint(0, 0), ClientSize));
    pnlPile->setMask(QRegion(Board::pileArea()));
    pnlPile->setAccessibleName(tr("Pile"));
    books(Testament::Old, imgOTBook, "imgOTBook");
    books(Testament::New, imgNTBook, "imgNTBook");
}

void TfrmMain::createPausePlate()
{
    lblPaused = new QLabel(this);
    lblPaused->setObjectName(QStringLiteral("lblPaused"));
    lblPaused->setTextFormat(Qt::RichText);
    lblPaused->setAlignment(Qt::AlignCenter);
    lblPaused->setStyleSheet(QString::fromLatin1(PausePlateStyle).arg(Gilt.name()));
    lblPaused->setText(QStringLiteral("<div style='font-size: 30px; font-weight: bold'>%1</div>"
                                      "<div style='font-size: 13px'>%2</div>")
                           .arg(tr("Paused"), tr("P or Pause plays on")));
    lblPaused->setGeometry(QRect(
        Board::pileArea().center() - QPoint(PausePlateSize.width(), PausePlateSize.height()) / 2, PausePlateSize));
    lblPaused->hide();
}

Testament TfrmMain::chosenTestament() const
{
    return chkTestament->Checked() ? Testament::New : Testament::Old;
}

void TfrmMain::FormCreate()
{
    OTShelfList.clear();
    OTBookList.clear();
    NTShelfList.clear();
    NTBookList.clear();
}

void TfrmMain::FormShow()
{
    OTShelfList.append(QList<TImage *>(imgOTShelf.begin(), imgOTShelf.end()));
    OTBookList.append(QList<TImage *>(imgOTBook.begin(), imgOTBook.end()));
    NTShelfList.append(QList<TImage *>(imgNTShelf.begin(), imgNTShelf.end()));
    NTBookList.append(QList<TImage *>(imgNTBook.begin(), imgNTBook.end()));
}

void TfrmMain::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The lists are filled once, at the first showing; a window restored from the task bar is shown again.
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TfrmMain::BooksInPlace()
{
    m_round.clearPile();
    m_keyboard->cleared();
    for (TImage *book : OTBookList)
        book->hide();
    for (TImage *book : NTBookList)
        book->hide();
    const bool newTestament = chosenTestament() == Testament::New;
    for (TImage *shelf : OTShelfList)
        shelf->setVisible(!newTestament);
    for (TImage *shelf : NTShelfList)
        shelf->setVisible(newTestament);
}

void TfrmMain::chkTestamentClick()
{
    m_playerActed = true;
    if (chkTestament->ToggleEnabled())
        BooksInPlace();
    nameSwitches();
    m_announcer->announce(Narration::testamentSwitched(chosenTestament()));
    emit switchesChanged();
}

void TfrmMain::restoreSwitches(Testament testament, bool hints)
{
    if (m_playerActed)
        return;
    chkTestament->setChecked(testament == Testament::New);
    chkHints->setChecked(hints);
    // Not switched on now: the hints were left on, and a game started with them costs no slowdown.
    m_round.setHintsLeftOn(hints);
    BooksInPlace();
    showRound();
}

bool TfrmMain::gameRunning() const
{
    return m_round.running();
}

QList<TImage *> TfrmMain::pileInOrder() const
{
    QList<TImage *> pile;
    for (const int index : m_round.pile().inPileOrder())
        pile.append(bookList()[index]);
    return pile;
}

const QList<TImage *> &TfrmMain::bookList() const
{
    return m_round.testament() == Testament::New ? NTBookList : OTBookList;
}

const QList<TImage *> &TfrmMain::shelfList() const
{
    return m_round.testament() == Testament::New ? NTShelfList : OTShelfList;
}

// Heard before the pictures move: the end of a game opens the high-score dialogs.
void TfrmMain::play(const Round::Step &step, int scoreBefore)
{
    if (const std::optional<Cue> cue = step.cue())
        m_cues->play(*cue);
    m_announcer->announce(Narration::step(step, m_round, scoreBefore));
}

// The displays, the hint, the countdown's speed and the switches follow the round; nothing is read back.
void TfrmMain::showRound()
{
    lcdScore->setValue(QString::number(m_round.score()));
    lcdValue->setValue(QString::number(m_round.value()));
    ShowHints(!m_round.running());
    chkTestament->setToggleEnabled(!m_round.running());
    nameSwitches();
    showPause();
}

void TfrmMain::setCountdownInterval(int milliseconds)
{
    // QTimer restarts a running countdown even for the same interval; only a real change may do that.
    if (timValue->interval() != milliseconds)
        timValue->setInterval(milliseconds);
}

void TfrmMain::chkGoClick()
{
    if (chkGO->Checked()) {
        StartGame();
        m_announcer->announce(Narration::started(m_round));
    } else {
        m_announcer->announce(Narration::stopped(m_round));
        EndGame();
    }
}

void TfrmMain::StartGame()
{
    m_round.start(chosenTestament());
    run();
}

void TfrmMain::StartPractice(const Section &section)
{
    if (gameRunning() || section.testament != chosenTestament())
        return;
    chkGO->setChecked(true);
    m_round.start(section);
    run();
    m_announcer->announce(Narration::started(m_round));
}

void TfrmMain::run()
{
    m_playerActed = true;
    BookSetup();
    m_keyboard->dealt();
    mrkTimedOut->clear();
    showRound();
    timValue->start();
}

void TfrmMain::BookSetup()
{
    const QList<TImage *> &books = bookList();
    const QList<TImage *> &shelves = shelfList();
    const std::vector<Pile::DealtBook> dealt = m_round.BookSetup(m_seedSource());
    const int first = m_round.FirstIndex();
    pnlPile->hide();
    // A practice game leaves the books outside its section on their shelves, whatever the last game left lying.
    for (int index = 0; index < books.size(); ++index) {
        const bool dealtNow = index >= first && index <= m_round.LastIndex();
        shelves[index]->setVisible(!dealtNow);
        if (!dealtNow) {
            books[index]->hide();
            continue;
        }
        const Pile::DealtBook &book = dealt[index - first];
        books[index]->move(Board::pileLeft(book.cell.Column, book.jitter), Board::pileTop(book.cell.Row));
        books[index]->show();
    }
    pnlPile->show();
}

void TfrmMain::BookClick(TImage *sender, bool secondOfDoubleClick)
{
    const int scoreBefore = m_round.score();
    const Round::Step step = m_round.click(sender->Tag() - 1, secondOfDoubleClick);
    play(step, scoreBefore);
    if (step.outcome == Round::Outcome::Penalised)
        mrkWrongBook->mark(sender->geometry(), WrongBookFlashes, WrongBookLasting);
    if (step.outcome != Round::Outcome::Shelved) {
        showRound();
        return;
    }
    // The next book gets a full interval from the click.
    timValue->stop();
    if (MoveBook(step))
        timValue->start();
}

bool TfrmMain::MoveBook(const Round::Step &step)
{
    m_keyboard->shelved(step);
    const QList<TImage *> &books = bookList();
    // The books above it drop: a flash would stay where a book no longer is.
    mrkWrongBook->clear();
    books[step.shelved]->hide();
    shelfList()[step.shelved]->show();
    for (const int above : step.dropped)
        books[above]->move(books[above]->pos() + QPoint(0, Board::LyingBookSize.height()));
    if (step.ended) {
        EndGame();
        return false;
    }
    showRound();
    return true;
}

void TfrmMain::timValueTimer()
{
    const int scoreBefore = m_round.score();
    const Round::Step step = m_round.tick();
    play(step, scoreBefore);
    if (step.outcome == Round::Outcome::TimedOut) {
        mrkTimedOut->mark(QRect(Board::shelfSlot(step.shelved), Board::StandingBookSize), 1, TimedOutLasting);
        MoveBook(step);
    } else {
        showRound();
    }
}

void TfrmMain::EndGame()
{
    m_round.stop();
    timValue->stop();
    chkGO->Uncheck();
    showRound();
    // Every end says so, whatever the score, and stays until the player does something else.
    stbHints->showMessage(Narration::ended(m_round));
    const int final = m_round.score();
    // Practice is never judged against the high scores.
    if (!m_round.practice() && final >= 1) {
        NewOTScore = 0;
        NewNTScore = 0;
        (m_round.testament() == Testament::New ? NewNTScore : NewOTScore) = final;
        emit highScoresDue();
    }
    emit gameFinished();
}

void TfrmMain::ShowHints(bool clear)
{
    // Without a hint to show, a practice game says what it is.
    const QString hint = m_round.hint();
    stbHints->showMessage(clear ? QString() : hint.isEmpty() ? Narration::practising(m_round) : hint);
    setCountdownInterval(m_round.countdownInterval());
}

void TfrmMain::chkHintsClick()
{
    m_playerActed = true;
    m_round.setHints(chkHints->Checked());
    showRound();
    m_announcer->announce(Narration::hintsSwitched(m_round));
    emit switchesChanged();
}

void TfrmMain::TogglePause()
{
    if (!gameRunning())
        return;
    const bool wasPaused = m_round.paused();
    if (wasPaused)
        m_round.playOn();
    else
        m_round.setPaused(Round::PauseReason::Player, true);
    followPause(wasPaused);
}

void TfrmMain::setPaused(Round::PauseReason reason, bool on)
{
    const bool wasPaused = m_round.paused();
    m_round.setPaused(reason, on);
    followPause(wasPaused);
}

void TfrmMain::followPause(bool wasPaused)
{
    if (m_round.paused() == wasPaused)
        return;
    QWidget *keyboard = focusWidget();
    if (m_round.paused()) {
        timValue->stop();
        // Out of the pile before it goes, so that Qt does not pass the keyboard on to a switch, where a key meant
        // for the pile would press it.
        m_pileHadKeyboard = keyboard && pnlPile->isAncestorOf(keyboard);
        if (m_pileHadKeyboard)
            keyboard->clearFocus();
        showPause();
        m_announcer->announce(Narration::paused(m_round));
        return;
    }
    showPause();
    if (std::exchange(m_pileHadKeyboard, false) && !focusWidget() && m_keyboard->current())
        m_keyboard->current()->setFocus(Qt::OtherFocusReason);
    m_announcer->announce(Narration::playingOn(m_round));
    timValue->start();
}

void TfrmMain::showPause()
{
    const bool paused = m_round.paused();
    if (paused)
        mrkTimedOut->clear();
    pnlPile->setVisible(!paused);
    lblPaused->setVisible(paused);
}

void TfrmMain::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Only a change counts: a window that never had the keyboard (on a display without a window manager, say) is
    // never held for want of it.
    if (event->type() == QEvent::ActivationChange)
        setPaused(Round::PauseReason::OtherWindow, !isActiveWindow());
    else if (event->type() == QEvent::WindowStateChange)
        setPaused(Round::PauseReason::Minimised, isMinimized());
}

void TfrmMain::keyPressEvent(QKeyEvent *event)
{
    // P reaches the window only where no control takes letters: in the pile a letter finds a book.
    const Qt::KeyboardModifiers chords = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (event->key() == Qt::Key_Pause || (event->key() == Qt::Key_P && !(event->modifiers() & chords))) {
        TogglePause();
        return;
    }
    QWidget::keyPressEvent(event);
}
