// Start-up, peak memory and processor use of the game, each measured in fresh processes and held against a bare
// Qt window of the main window's size (bench_bare). The program starts itself once per measurement in one of the
// child modes below, then prints what it found and whether the targets are met. Each child speaks the desktop's
// language as the program does, so `LANGUAGE=de bench_process` measures the German game.
//
//     bench_process [--startups N] [--full-games N] [--seconds N]

#include "childprocess.h"
#include "firstpaint.h"
#include "gamedriver.h"
#include "median.h"
#include "platform.h"
#include "playedsettings.h"
#include "processclock.h"

#include "app/gameapplication.h"
#include "app/splash.h"
#include "platform/language.h"
#include "scores/frmcongrats.h"
#include "scores/frmscores.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <sys/resource.h>

namespace {

const QByteArray StartupMode = "--child-startup";
const QByteArray FullGameMode = "--child-full-game";
const QByteArray GameInProgressMode = "--child-game-in-progress";

constexpr double StartupRatioTarget = 1.3;
constexpr double MemoryRatioTarget = 1.3;
constexpr double ProcessorShareTarget = 2.0; // percent of one core

// How often the player of the game in progress shelves the wanted book.
constexpr int ClickInterval = 2000;

// How long the bare window stays up after its first paint when its memory is measured.
const QByteArray BareLinger = "500";

std::int64_t processorNanoseconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    const auto nanoseconds = [](const timeval &time) {
        return std::int64_t(time.tv_sec) * 1'000'000'000 + std::int64_t(time.tv_usec) * 1000;
    };
    return nanoseconds(usage.ru_utime) + nanoseconds(usage.ru_stime);
}

// Whether the object is a widget of a window of the given class.
template <typename Window> bool inWindow(QObject *receiver)
{
    auto *widget = qobject_cast<QWidget *>(receiver);
    return widget && qobject_cast<Window *>(widget->window());
}

// Child: start-up, up to the moment the first paints of the first window (the splash) and of the main window are
// complete; the process ends there, before the splash's one-second hold.
int startupChild(int argc, char **argv)
{
    FirstPaintApplication app(argc, argv, {inWindow<TSplash>, inWindow<TfrmMain>});
    Platform::useDesktopLanguage();
    GameApplication game;
    std::fprintf(stderr, "Start-up ended without painting the splash and the main window.\n");
    return EXIT_FAILURE;
}

// Answers the two high-score dialogs as a player does: initials typed and entered, then the table closed.
class HighScoreAnswers : public QObject
{
public:
    HighScoreAnswers()
    {
        m_poll.setInterval(10);
        connect(&m_poll, &QTimer::timeout, this, &HighScoreAnswers::answer);
        m_poll.start();
    }

    int answered = 0;

private:
    void answer()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        if (auto *congrats = qobject_cast<TfrmCongrats *>(modal)) {
            QTest::keyClicks(congrats->edtInitials, QStringLiteral("ben"));
            QTest::keyClick(congrats->edtInitials, Qt::Key_Return);
            ++answered;
        } else if (auto *scores = qobject_cast<TfrmScores *>(modal)) {
            QTest::mouseClick(scores->Button1, Qt::LeftButton);
            ++answered;
        }
    }

    QTimer m_poll;
};

// Child: the whole game, from start-up through one Old Testament game played to its end to the new high score
// entered and the table closed. Its peak memory is what the parent wants.
int fullGameChild(int argc, char **argv)
{
    QApplication app(argc, argv);
    Platform::useDesktopLanguage();
    GameApplication game;
    HighScoreAnswers answers;
    TfrmMain &form = *game.frmMain;
    Play::go(form);
    while (form.gameRunning()) {
        Play::clickBook(Play::wanted(form));
        QCoreApplication::processEvents();
    }
    if (answers.answered != 2) {
        std::fprintf(stderr, "The game ended without the two high-score dialogs (%d answered).\n", answers.answered);
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}

// Child: a game in progress for some seconds with the real countdown, the player shelving the wanted book every
// two seconds. It writes the processor time used, the time passed (both in nanoseconds) and the ticks counted.
int gameInProgressChild(int argc, char **argv, int seconds)
{
    QApplication app(argc, argv);
    Platform::useDesktopLanguage();
    GameApplication game;
    TfrmMain &form = *game.frmMain;
    // The splash goes once the event loop runs; the game starts on a settled window.
    QTest::qWait(200);
    int ticks = 0;
    QObject::connect(form.timValue, &QTimer::timeout, [&ticks] { ++ticks; });
    QTimer player;
    player.setInterval(ClickInterval);
    QObject::connect(&player, &QTimer::timeout, [&form] { Play::clickBook(Play::wanted(form)); });

    const std::int64_t processorBefore = processorNanoseconds();
    const std::int64_t wallBefore = monotonicNanoseconds();
    Play::go(form);
    player.start();
    QTimer::singleShot(seconds * 1000, Qt::PreciseTimer, &app, &QCoreApplication::quit);
    app.exec();
    const std::int64_t processor = processorNanoseconds() - processorBefore;
    const std::int64_t wall = monotonicNanoseconds() - wallBefore;
    if (!form.gameRunning()) {
        std::fprintf(stderr, "The game ended before the time was up.\n");
        return EXIT_FAILURE;
    }
    std::printf("%lld %lld %d\n", static_cast<long long>(processor), static_cast<long long>(wall), ticks);
    return EXIT_SUCCESS;
}

// Parent.
struct Options
{
    int startups = 15;
    int fullGames = 3;
    int seconds = 10;
};

std::optional<Options> parseOptions(int argc, char **argv)
{
    Options options;
    if (argc % 2 == 0)
        return std::nullopt;
    for (int i = 1; i + 1 < argc; i += 2) {
        const int number = std::atoi(argv[i + 1]);
        if (number < 1)
            return std::nullopt;
        if (std::strcmp(argv[i], "--startups") == 0)
            options.startups = number;
        else if (std::strcmp(argv[i], "--full-games") == 0)
            options.fullGames = number;
        else if (std::strcmp(argv[i], "--seconds") == 0)
            options.seconds = number;
        else
            return std::nullopt;
    }
    return options;
}

// The programs the parent starts: the bare window, which lies next to this program, and this program in a child
// mode. A child that fails is reported with the end of what it wrote on its standard error.
class Children
{
public:
    explicit Children(const QString &errorLog)
        : m_self(QFile::encodeName(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()))
        , m_bare(QFile::encodeName(QFileInfo(QFile::decodeName(m_self)).dir().filePath(QStringLiteral("bench_bare"))))
        , m_errorLog(QFile::encodeName(errorLog))
    {
    }

    // Ends at its first paint, or stays up for the milliseconds given.
    std::optional<ChildRun> bareWindow(const QByteArray &linger = {}) const
    {
        return run(m_bare, linger.isEmpty() ? QList<QByteArray>() : QList<QByteArray> { "--linger", linger });
    }
    std::optional<ChildRun> game(const QByteArray &mode, const QList<QByteArray> &arguments = {}) const
    {
        return run(m_self, QList<QByteArray> { mode } + arguments);
    }

private:
    std::optional<ChildRun> run(const QByteArray &program, const QList<QByteArray> &arguments) const
    {
        ChildRun child = runChild(program, arguments, m_errorLog);
        if (child.succeeded)
            return child;
        QFile log(QFile::decodeName(m_errorLog));
        const QByteArray errors = log.open(QIODevice::ReadOnly) ? log.readAll().right(4000) : QByteArray();
        std::fprintf(stderr, "%s %s failed:\n%s\n", program.constData(), arguments.value(0).constData(),
                     errors.constData());
        return std::nullopt;
    }

    QByteArray m_self;
    QByteArray m_bare;
    QByteArray m_errorLog;
};

// Milliseconds from the start of a child to the moments it wrote: the first window's first paint, and the main
// window's. The bare window has one window, which is both.
struct Startup
{
    double firstWindow = 0;
    double mainWindow = 0;
};

Startup startupMilliseconds(const ChildRun &child)
{
    const QList<QByteArray> moments = child.output.trimmed().split('\n');
    const auto since
        = [&child](const QByteArray &moment) { return double(moment.toLongLong() - child.startedAt) / 1e6; };
    return {since(moments.first()), since(moments.last())};
}

struct Spread
{
    double median = 0;
    double lowest = 0;
    double highest = 0;
};

Spread spreadOf(const QList<double> &values)
{
    const auto [lowest, highest] = std::minmax_element(values.begin(), values.end());
    return { median(std::vector<double>(values.begin(), values.end())), *lowest, *highest };
}

// The figures of the bare window and the game, and the game's ratio, against the target if there is one.
void printComparison(const char *game, const char *unit, const QList<double> &bareValues,
    const QList<double> &gameValues, std::optional<double> target)
{
    const Spread bare = spreadOf(bareValues);
    const Spread ours = spreadOf(gameValues);
    std::printf("  %-28s %7.1f %s [%.1f .. %.1f]\n", "bare Qt window, 632 x 453", bare.median, unit, bare.lowest,
                bare.highest);
    std::printf("  %-28s %7.1f %s [%.1f .. %.1f]\n", game, ours.median, unit, ours.lowest, ours.highest);
    const double ratio = ours.median / bare.median;
    if (target)
        std::printf("  ratio %.2f, target under %.1f: %s\n", ratio, *target, ratio < *target ? "met" : "MISSED");
    else
        std::printf("  ratio %.2f\n", ratio);
}

int measure(const Options &options)
{
    QTemporaryDir folder;
    if (!folder.isValid() || !writePlayedSettings(folder.filePath(QStringLiteral("Tomelor.ini")))) {
        std::fprintf(stderr, "No settings file could be written for the children.\n");
        return EXIT_FAILURE;
    }
    // The children find a player's settings file with full tables and no welcome due.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path()));
    const Children children(folder.filePath(QStringLiteral("child-stderr.log")));
    std::printf("Qt platform: %s\n", qtPlatformDescription().constData());
    std::fflush(stdout);

    // One unmeasured start of each fills the disk cache and the caches of fontconfig and the sound system.
    if (!children.bareWindow() || !children.game(StartupMode))
        return EXIT_FAILURE;

    QList<double> bareStartup, gameFirstWindow, gameMainWindow, bareMemory, gameMemory;
    for (int i = 0; i < options.startups; ++i) {
        const std::optional<ChildRun> bare = children.bareWindow();
        const std::optional<ChildRun> game = children.game(StartupMode);
        if (!bare || !game)
            return EXIT_FAILURE;
        bareStartup.append(startupMilliseconds(*bare).firstWindow);
        const Startup ours = startupMilliseconds(*game);
        gameFirstWindow.append(ours.firstWindow);
        gameMainWindow.append(ours.mainWindow);
    }
    for (int i = 0; i < options.fullGames; ++i) {
        const std::optional<ChildRun> bare = children.bareWindow(BareLinger);
        const std::optional<ChildRun> game = children.game(FullGameMode);
        if (!bare || !game)
            return EXIT_FAILURE;
        bareMemory.append(bare->peakMemoryKb / 1024.0);
        gameMemory.append(game->peakMemoryKb / 1024.0);
    }
    const std::optional<ChildRun> inProgress
        = children.game(GameInProgressMode, { QByteArray::number(options.seconds) });
    if (!inProgress)
        return EXIT_FAILURE;

    std::printf("\nStart-up to the first window's first paint, the splash's\n"
                "(%d fresh processes each; median [lowest .. highest]):\n",
        options.startups);
    printComparison("Tomelor, the splash", "ms", bareStartup, gameFirstWindow, StartupRatioTarget);
    std::printf("\nStart-up to the main window's first paint, without the splash hold (the same processes):\n");
    printComparison("Tomelor, the main window", "ms", bareStartup, gameMainWindow, std::nullopt);

    std::printf("\nPeak memory, ru_maxrss (%d fresh processes each: the bare window shown, painted and left up for\n"
                "%s ms; a full game played to the end, the new high score entered and the table closed):\n",
                options.fullGames, BareLinger.constData());
    printComparison("Tomelor, a full game", "MB", bareMemory, gameMemory, MemoryRatioTarget);

    long long processor = 0;
    long long wall = 0;
    int ticks = 0;
    std::sscanf(inProgress->output.constData(), "%lld %lld %d", &processor, &wall, &ticks);
    const double share = wall > 0 ? 100.0 * double(processor) / double(wall) : 0;
    std::printf("\nProcessor use of a game in progress (%d s with the countdown at 100 ms and a right click every "
                "%d s):\n",
                options.seconds, ClickInterval / 1000);
    std::printf("  %.2f %% of one core (%.1f ms user and system time in %.1f ms, %d ticks)\n", share,
                double(processor) / 1e6, double(wall) / 1e6, ticks);
    std::printf("  target under %.0f %%: %s\n", ProcessorShareTarget, share < ProcessorShareTarget ? "met" : "MISSED");
    return EXIT_SUCCESS;
}

} // namespace

int main(int argc, char *argv[])
{
    chooseQtPlatform();
    if (argc >= 2 && argv[1] == StartupMode)
        return startupChild(argc, argv);
    if (argc >= 2 && argv[1] == FullGameMode)
        return fullGameChild(argc, argv);
    if (argc >= 3 && argv[1] == GameInProgressMode)
        return gameInProgressChild(argc, argv, std::max(1, std::atoi(argv[2])));
    const std::optional<Options> options = parseOptions(argc, argv);
    if (!options) {
        std::fprintf(stderr, "Usage: %s [--startups N] [--full-games N] [--seconds N]\n", argv[0]);
        return EXIT_FAILURE;
    }
    return measure(*options);
}
