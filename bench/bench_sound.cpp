// The game's sound cues as a player hears them, recorded from the null sink of a private sound server
// (tests/sound-server) and printed side by side for PulseAudio, PipeWire with its PulseAudio server in its own
// periods (256 samples at 48 kHz), and PipeWire forced to a desktop's 1 024-sample periods:
//
// - the graph onset, from the play() call to the sink's period that mixed the cue's first sample (on PipeWire the
//   monitor hands samples on one period after mixing them: that period is taken off the arrival), and on PipeWire
//   the arrival at the monitor itself; median, 95th percentile and worst, and the cues later than 30 ms;
// - how many cues sound whole to their last sample, and the silence where a cue cuts the one before, at ease and
//   with both cores busy;
// - the processor time of the game's player and of the server over ten idle seconds, against the server alone,
//   and whether the server's sink sleeps then.
//
//     bench_sound [--cues N]

#include "busycores.h"
#include "heardcues.h"
#include "median.h"
#include "sinkrecorder.h"
#include "soundserver.h"

#include "app/soundcueplayer.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

using Clock = HeardCues::Clock;
using namespace std::chrono_literals;

constexpr double OnsetLimitMs = 30;
constexpr int DesktopPeriod = 1024;
constexpr auto IdleWindow = 10s;

struct RunSummary
{
    int asked = 0;
    int started = 0;
    int whole = 0;
    int late = 0; // mixed more than 30 ms after the call
    double strayMs = 0;
    std::vector<double> onsets;
    std::vector<double> arrivals;
    std::vector<double> gaps; // the silence between a cut cue and the next
};

RunSummary summarize(const HeardCues &heard, const std::vector<HeardCues::Played> &played)
{
    RunSummary summary;
    summary.asked = int(played.size());
    const auto &cues = heard.cues();
    for (std::size_t i = 0; i < played.size(); ++i) {
        if (!cues[i].started)
            continue;
        ++summary.started;
        summary.onsets.push_back(cues[i].onsetMs);
        summary.arrivals.push_back(cues[i].arrivalMs);
        if (cues[i].onsetMs > OnsetLimitMs)
            ++summary.late;
        const bool cut
            = i + 1 < played.size() && played[i + 1].at - played[i].at < 1ms * HeardCues::fileMs(played[i].cue);
        if (std::abs(cues[i].heardMs - HeardCues::fileMs(played[i].cue)) <= 10)
            ++summary.whole;
        if (cut && cues[i + 1].started)
            summary.gaps.push_back(cues[i + 1].startMs - cues[i].endMs);
    }
    summary.strayMs = heard.strayMs();
    std::sort(summary.onsets.begin(), summary.onsets.end());
    std::sort(summary.arrivals.begin(), summary.arrivals.end());
    std::sort(summary.gaps.begin(), summary.gaps.end());
    return summary;
}

// The cues one after another, `interval` apart, with both cores busy where asked.
RunSummary playerRun(const SoundServer &server, CuePlayer &player, const std::vector<Cue> &cues,
    std::chrono::milliseconds interval, bool busy = false)
{
    SinkRecorder recorder;
    if (!recorder.isRecording()) {
        std::fprintf(stderr, "bench_sound: the recorder could not reach the private sound server.\n");
        std::exit(EXIT_FAILURE);
    }
    std::vector<HeardCues::Played> played;
    {
        std::optional<BusyCores> load;
        if (busy)
            load.emplace();
        played = HeardCues::playOnBeat(player, cues, interval);
    }
    return summarize(HeardCues(recorder, played, server.period(), server.monitorDelay()), played);
}

double processSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The state of the null sink as the server's own client reports it: RUNNING, IDLE or SUSPENDED.
QString sinkState()
{
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("sinks"), QStringLiteral("short")});
    pactl.waitForFinished(5000);
    for (const QString &line : QString::fromUtf8(pactl.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() > 4 && fields[1] == QLatin1String("null"))
            return fields.last().trimmed();
    }
    return QStringLiteral("?");
}

struct Idle
{
    double gamePercent = 0;
    double serverPercent = 0;
    double serverAlonePercent = 0;
    QString sink;
};

// Processor time as a share of one core over the idle window.
double percentOf(double seconds)
{
    return 100 * seconds / std::chrono::duration<double>(IdleWindow).count();
}

struct Configuration
{
    QString name;
    RunSummary latency;
    RunSummary cuts;
    RunSummary busy;
    Idle idle;
};

Configuration measure(SoundServer::Kind kind, int forcedPeriod, int latencyCues)
{
    // In /tmp, as a socket's path must stay short.
    QTemporaryDir folder(QStringLiteral("/tmp/tomelor-bench-sound-XXXXXX"));
    SoundServer server(kind, folder.path());
    if (!server.start()) {
        std::fprintf(
            stderr, "bench_sound: the private %s server did not start.\n", qPrintable(SoundServer::nameOf(kind)));
        std::exit(EXIT_FAILURE);
    }
    if (forcedPeriod)
        server.forcePeriod(forcedPeriod);
    server.clientEnvironment();
    Configuration configuration;
    configuration.name = kind == SoundServer::Kind::PulseAudio
        ? QStringLiteral("PulseAudio")
        : QStringLiteral("PipeWire, %1").arg(forcedPeriod ? QString::number(forcedPeriod) : QStringLiteral("own"));

    // The server alone, once its sink has had time to fall asleep.
    std::this_thread::sleep_for(6s);
    double before = server.cpuSeconds();
    std::this_thread::sleep_for(IdleWindow);
    configuration.idle.serverAlonePercent = percentOf(server.cpuSeconds() - before);
    {
        SoundCuePlayer player;
        std::this_thread::sleep_for(1s);
        configuration.latency
            = playerRun(server, player, std::vector<Cue>(std::size_t(latencyCues), Cue::CueWrong), 450ms);
        std::vector<Cue> mixed;
        for (int i = 0; i < latencyCues; ++i)
            mixed.push_back(Cue(1 + i % 3));
        configuration.cuts = playerRun(server, player, mixed, 100ms);
        configuration.busy = playerRun(server, player, mixed, 100ms, true);

        // One cue, then the player idles with nothing else connected.
        player.play(Cue::CueCorrect);
        std::this_thread::sleep_for(6s);
        before = server.cpuSeconds();
        const double gameBefore = processSeconds();
        std::this_thread::sleep_for(IdleWindow);
        configuration.idle.gamePercent = percentOf(processSeconds() - gameBefore);
        configuration.idle.serverPercent = percentOf(server.cpuSeconds() - before);
        configuration.idle.sink = sinkState();
    }
    if (forcedPeriod)
        server.forcePeriod(0);
    server.stop();
    return configuration;
}

QString spread(const std::vector<double> &sorted)
{
    if (sorted.empty())
        return QStringLiteral("none");
    const double p95 = sorted[std::min(sorted.size() - 1, std::size_t(std::ceil(0.95 * double(sorted.size()))) - 1)];
    return QStringLiteral("%1 / %2 / %3")
        .arg(median(sorted), 0, 'f', 1)
        .arg(p95, 0, 'f', 1)
        .arg(sorted.back(), 0, 'f', 1);
}

QString counts(const RunSummary &run)
{
    return QStringLiteral("%1 / %2 / %3 / %4")
        .arg(run.started)
        .arg(run.whole)
        .arg(run.late)
        .arg(run.strayMs, 0, 'f', 0);
}

QString cutSilence(const RunSummary &run)
{
    if (run.gaps.empty())
        return QStringLiteral("no cut");
    const auto over = std::count_if(run.gaps.begin(), run.gaps.end(), [](double gap) { return gap > 1; });
    return QStringLiteral("%1 / %2; %3 of %4 > 1 ms")
        .arg(median(run.gaps), 0, 'f', 1)
        .arg(run.gaps.back(), 0, 'f', 1)
        .arg(over)
        .arg(run.gaps.size());
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    int latencyCues = 100;
    for (int i = 1; i + 1 < argc; ++i) {
        if (QByteArray(argv[i]) == "--cues")
            latencyCues = std::max(2, std::atoi(argv[i + 1]));
    }

    const std::vector<Configuration> all {measure(SoundServer::Kind::PulseAudio, 0, latencyCues),
        measure(SoundServer::Kind::PipeWire, 0, latencyCues),
        measure(SoundServer::Kind::PipeWire, DesktopPeriod, latencyCues)};

    const auto row = [&](const QString &title, const std::function<QString(const Configuration &)> &cell) {
        std::printf("%-58s", qPrintable(title));
        for (const Configuration &each : all)
            std::printf(" | %-30s", qPrintable(cell(each)));
        std::printf("\n");
    };
    row(QStringLiteral("(ms unless said)"), [](const Configuration &each) { return each.name; });
    const QString latency = QStringLiteral("%1 wrong cues 450 ms apart: ").arg(latencyCues);
    row(latency + QStringLiteral("graph onset med / p95 / worst"),
        [](const Configuration &each) { return spread(each.latency.onsets); });
    row(latency + QStringLiteral("arrival med / p95 / worst"),
        [](const Configuration &each) { return spread(each.latency.arrivals); });
    row(latency + QStringLiteral("started / whole / late / stray"),
        [](const Configuration &each) { return counts(each.latency); });
    const QString cuts = QStringLiteral("%1 cues 100 ms apart, each cut: ").arg(latencyCues);
    row(cuts + QStringLiteral("graph onset"), [](const Configuration &each) { return spread(each.cuts.onsets); });
    row(cuts + QStringLiteral("started / last whole / late / stray"),
        [](const Configuration &each) { return counts(each.cuts); });
    row(cuts + QStringLiteral("silence at cuts med / worst"),
        [](const Configuration &each) { return cutSilence(each.cuts); });
    const QString busy = QStringLiteral("the same, both cores busy: ");
    row(busy + QStringLiteral("graph onset"), [](const Configuration &each) { return spread(each.busy.onsets); });
    row(busy + QStringLiteral("started / last whole / late / stray"),
        [](const Configuration &each) { return counts(each.busy); });
    row(busy + QStringLiteral("silence at cuts med / worst"),
        [](const Configuration &each) { return cutSilence(each.busy); });
    row(QStringLiteral("idle 10 s: the game's player, % of a core"),
        [](const Configuration &each) { return QString::number(each.idle.gamePercent, 'f', 3); });
    row(QStringLiteral("idle 10 s: the server with the game / alone, % of a core"), [](const Configuration &each) {
        return QStringLiteral("%1 / %2")
            .arg(each.idle.serverPercent, 0, 'f', 2)
            .arg(each.idle.serverAlonePercent, 0, 'f', 2);
    });
    row(QStringLiteral("idle: the null sink, as pactl reports it"),
        [](const Configuration &each) { return each.idle.sink; });
    return EXIT_SUCCESS;
}
