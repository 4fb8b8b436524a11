// The main window's work in a game, each step followed by the repaint it asked for, carried out at once as the
// event loop would do next: a countdown tick, a right click that shelves the wanted book, and a deal. The window
// is shown (on the X server when DISPLAY is set) with the pointer resting on GO!, as after the player's press;
// its cues are silent.

#include "benchmain.h"
#include "gamedriver.h"
#include "paintcounter.h"

#include "game/pile.h"

#include <QCoreApplication>
#include <QCursor>

#include <random>

namespace {

constexpr double FrameBudgetMilliseconds = 1;

// Carries out the repaints the last step asked for, as the event loop would next: every event the step posted,
// among them the update request that paints the changed regions and hands them to the window system (the update
// request alone is not enough, a picture shown posts events of its own first). Timers are left alone, so no tick
// comes in between.
void repaintNow()
{
    QCoreApplication::sendPostedEvents();
}

// The main window as the player sees it before the first game. Where the pointer rests matters on X11: every
// control shown on its own while the pointer is over the window makes Qt ask the X server where the pointer is
// (a deal shows the pile's books together, with one such question).
class ShownWindow
{
public:
    ShownWindow()
    {
        form.show();
        if (!QTest::qWaitForWindowExposed(&form)) {
            m_failure = "The main window was never shown.";
            return;
        }
        QCursor::setPos(form.chkGO->mapToGlobal(QPoint(60, 20)));
        if (!QTest::qWaitFor([this] { return form.chkGO->underMouse(); }))
            m_failure = "The pointer could not be put on GO!.";
        repaintNow();
    }

    // Why the window is not ready to be measured; nullptr when it is.
    const char *failure() const { return m_failure; }

    TfrmMain form;

private:
    const char *m_failure = nullptr;
};

void startGame(TfrmMain &form)
{
    Play::go(form);
    repaintNow();
}

// Times one step of a game in progress with the repaint it causes; a game that ends on the way is started again
// outside the timing. The display given must have been repainted at every step.
template<typename Step>
void timeGameStep(benchmark::State &state, Step step, TLCD99 *TfrmMain::*display, const char *unpainted)
{
    ShownWindow window;
    TfrmMain &form = window.form;
    if (window.failure())
        return state.SkipWithError(window.failure());
    startGame(form);
    PaintCounter paints(form.*display);
    for (auto _ : state) {
        step(form);
        repaintNow();
        if (!form.gameRunning()) {
            state.PauseTiming();
            startGame(form);
            state.ResumeTiming();
        }
    }
    if (paints.paints < state.iterations())
        state.SkipWithError(unpainted);
}

// A tick as most of them are: the value falls by 5. Every hundred and first tick the countdown has run out and
// the game shelves the wanted book itself.
void countdownTick(benchmark::State &state)
{
    timeGameStep(state, [](TfrmMain &form) { form.timValueTimer(); }, &TfrmMain::lcdValue,
                 "A tick went without repainting the value display.");
}
BENCHMARK(countdownTick)->UseRealTime();

// The player clicks the wanted book: the score grows, the book goes to its shelf slot, the books above it drop
// and the countdown starts afresh; after the last book a new game is dealt.
void rightClick(benchmark::State &state)
{
    timeGameStep(state, [](TfrmMain &form) { form.BookClick(Play::wanted(form)); }, &TfrmMain::lcdScore,
                 "A click went without repainting the score display.");
}
BENCHMARK(rightClick)->UseRealTime();

// The shuffle of the Old Testament's 39 books alone.
void deal(benchmark::State &state)
{
    std::mt19937 generator(20261207);
    for (auto _ : state) {
        const std::vector<Pile::DealtBook> dealt = Pile::deal(OTBookCount, generator);
        benchmark::DoNotOptimize(dealt.data());
    }
}
BENCHMARK(deal);

// GO! pressed on a full bookcase: the shelves empty, the 39 books are dealt into the pile and drawn there. The
// bookcase is filled again outside the timing.
void dealOnTheBoard(benchmark::State &state)
{
    ShownWindow window;
    TfrmMain &form = window.form;
    if (window.failure())
        return state.SkipWithError(window.failure());
    PaintCounter paints(form.OTBookList.first());
    for (auto _ : state) {
        form.StartGame();
        repaintNow();
        state.PauseTiming();
        form.EndGame();
        form.BooksInPlace();
        repaintNow();
        state.ResumeTiming();
    }
    if (paints.paints < state.iterations())
        state.SkipWithError("A deal went without painting the book of tag 1.");
}
BENCHMARK(dealOnTheBoard)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    return runBenchmarks(argc, argv,
                         {
                             { "countdownTick", {}, FrameBudgetMilliseconds },
                             { "rightClick", {}, FrameBudgetMilliseconds },
                             { "deal", {}, FrameBudgetMilliseconds },
                             { "dealOnTheBoard", {}, FrameBudgetMilliseconds },
                         });
}
