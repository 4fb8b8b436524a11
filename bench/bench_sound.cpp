// The game's sound cues as a player hears them, recorded from the null sink of a private sound server, PulseAudio
// and then PipeWire with its PulseAudio server (tests/sound-server), printed side by side: the click-to-sound
// latency of the game's cue player against the server's own client (paplay) playing the same file in the same run,
// how many cues of a run start and sound whole, at ease and with both cores busy, and how long the sink stays
// silent where a cue cuts the one before. PipeWire's graph runs in the shortest periods its PulseAudio server
// grants (256 samples at 48 kHz, which the recorder asks for); its latency run is made once more in a desktop's
// periods, 1024 samples, where nothing asks for less.
//
//     bench_sound [--cues N]

#include "busycores.h"
#include "heardcues.h"
#include "median.h"
#include "sinkrecorder.h"
#include "soundserver.h"

#include "app/soundcueplayer.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <thread>

namespace {

using Clock = HeardCues::Clock;
using namespace std::chrono_literals;

constexpr double OnsetLimitMs = 30;
constexpr int DesktopPeriod = 1024;

struct RunSummary
{
    int asked = 0;
    int started = 0;
    int whole = 0;
    int late = 0; // started more than 30 ms after the call
    int cutLate = 0; // cut late: still sounding more than 4 ms after the next cue began
    double strayMs = 0;
    std::vector<double> onsets;
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
        if (cues[i].onsetMs > OnsetLimitMs)
            ++summary.late;
        const bool whole = std::abs(cues[i].heardMs - HeardCues::fileMs(played[i].cue)) <= 10;
        if (whole)
            ++summary.whole;
        if (i + 1 < played.size() && cues[i + 1].started && cues[i + 1].startMs < cues[i].startMs + 1000) {
            if (cues[i].endMs > cues[i + 1].startMs + 4)
                ++summary.cutLate;
            if (!whole)
                summary.gaps.push_back(cues[i + 1].startMs - cues[i].endMs);
        }
    }
    summary.strayMs = heard.strayMs();
    summary.onsets = heard.sortedOnsets();
    return summary;
}

void recorderOrExit(const SinkRecorder &recorder)
{
    if (!recorder.isRecording()) {
        std::fprintf(stderr, "bench_sound: the recorder could not reach the private sound server.\n");
        std::exit(EXIT_FAILURE);
    }
}

// The game's cue player: the cues one after another, `interval` apart.
RunSummary playerRun(
    const SoundServer &server, CuePlayer &player, const std::vector<Cue> &cues, std::chrono::milliseconds interval)
{
    SinkRecorder recorder;
    recorderOrExit(recorder);
    const std::vector<HeardCues::Played> played = HeardCues::playOnBeat(player, cues, interval);
    return summarize(HeardCues(recorder, played, server.period()), played);
}

// The same with both cores busy.
RunSummary loadedRun(const SoundServer &server, CuePlayer &player, const std::vector<Cue> &cues)
{
    SinkRecorder recorder;
    recorderOrExit(recorder);
    std::vector<HeardCues::Played> played;
    {
        BusyCores busy;
        played = HeardCues::playOnBeat(player, cues, 100ms);
    }
    return summarize(HeardCues(recorder, played, server.period()), played);
}

// The sound server's own client: paplay started for each cue and waited for.
RunSummary paplayRun(const SoundServer &server, Cue cue, int count, std::chrono::milliseconds interval)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("cue.wav"));
    QFile::copy(SoundCuePlayer::resourceOf(cue), path);
    SinkRecorder recorder;
    recorderOrExit(recorder);
    std::vector<HeardCues::Played> played;
    const Clock::time_point first = Clock::now();
    for (int i = 0; i < count; ++i) {
        std::this_thread::sleep_until(first + interval * i);
        QProcess paplay;
        played.push_back({ cue, Clock::now() });
        paplay.start(QStringLiteral("paplay"), { path });
        paplay.waitForFinished(5000);
    }
    std::this_thread::sleep_for(600ms);
    return summarize(HeardCues(recorder, played, server.period()), played);
}

struct ServerRuns
{
    RunSummary latency;
    RunSummary paplay;
    RunSummary apart;
    RunSummary loaded;
    std::optional<RunSummary> desktop; // PipeWire's graph in a desktop's periods
};

ServerRuns measure(SoundServer::Kind kind, int latencyCues)
{
    // In /tmp, as a socket's path must stay short.
    QTemporaryDir folder(QStringLiteral("/tmp/tomelor-bench-sound-XXXXXX"));
    const SoundServer server(kind, folder.path());
    if (!server.start()) {
        std::fprintf(
            stderr, "bench_sound: the private %s server did not start.\n", qPrintable(SoundServer::nameOf(kind)));
        std::exit(EXIT_FAILURE);
    }
    server.clientEnvironment();
    ServerRuns runs;
    {
        SoundCuePlayer player;
        // The player uploads its cues in the background.
        std::this_thread::sleep_for(1s);
        // Each cue whole before the next: 0.34 s of sound, then a pause.
        const std::vector<Cue> wrong(std::size_t(latencyCues), Cue::CueWrong);
        runs.latency = playerRun(server, player, wrong, 450ms);
        runs.paplay = paplayRun(server, Cue::CueWrong, latencyCues, 450ms);
        runs.apart = playerRun(server, player, std::vector<Cue>(10, Cue::CueWrong), 1500ms);
        std::vector<Cue> mixed;
        for (int i = 0; i < 200; ++i)
            mixed.push_back(Cue(1 + i % 3));
        runs.loaded = loadedRun(server, player, mixed);
        if (server.forcePeriod(DesktopPeriod)) {
            runs.desktop = playerRun(server, player, wrong, 450ms);
            server.forcePeriod(0);
        }
    }
    server.stop();
    return runs;
}

QString onsets(const RunSummary &summary)
{
    if (summary.onsets.empty())
        return QStringLiteral("none started");
    return QStringLiteral("%1 / %2").arg(median(summary.onsets), 0, 'f', 1).arg(summary.onsets.back(), 0, 'f', 1);
}

QString counts(const RunSummary &summary)
{
    return QStringLiteral("%1 / %2 / %3 / %4 ms")
        .arg(summary.started)
        .arg(summary.whole)
        .arg(summary.late)
        .arg(summary.strayMs, 0, 'f', 0);
}

QString cuts(const RunSummary &summary)
{
    if (summary.gaps.empty())
        return QStringLiteral("no cut");
    std::vector<double> gaps = summary.gaps;
    std::sort(gaps.begin(), gaps.end());
    return QStringLiteral("%1 / %2 ms; %3")
        .arg(median(gaps), 0, 'f', 1)
        .arg(gaps.back(), 0, 'f', 1)
        .arg(summary.cutLate);
}

void printRow(const char *title, const QString &pulseAudio, const QString &pipeWire)
{
    std::printf("  %-52s %-22s %s\n", title, qPrintable(pulseAudio), qPrintable(pipeWire));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    int latencyCues = 100;
    for (int i = 1; i + 1 < argc; ++i) {
        if (QByteArray(argv[i]) == "--cues")
            latencyCues = std::max(1, std::atoi(argv[i + 1]));
    }

    const ServerRuns pulseAudio = measure(SoundServer::Kind::PulseAudio, latencyCues);
    const ServerRuns pipeWire = measure(SoundServer::Kind::PipeWire, latencyCues);

    const QString latencyTitle = QStringLiteral("the game's cue player, %1 wrong.wav 450 ms apart").arg(latencyCues);
    const auto table = [&](const char *heading, QString (*cell)(const RunSummary &)) {
        std::printf("%-54s %-22s %s\n", heading, "PulseAudio", "PipeWire");
        printRow(qPrintable(latencyTitle), cell(pulseAudio.latency), cell(pipeWire.latency));
        printRow("paplay wrong.wav, from its start", cell(pulseAudio.paplay), cell(pipeWire.paplay));
        printRow("10 wrong cues 1.5 s apart", cell(pulseAudio.apart), cell(pipeWire.apart));
        printRow("200 cues 100 ms apart, both cores busy", cell(pulseAudio.loaded), cell(pipeWire.loaded));
        if (pipeWire.desktop)
            printRow("the latency run, PipeWire in 1024-sample periods", QStringLiteral("-"), cell(*pipeWire.desktop));
    };
    table("Onsets, call to first sample heard, median / worst (ms)", &onsets);
    table("Started / whole / late (> 30 ms) / stray sound", &counts);
    std::printf("  (in the 200-cue run every cue cuts the one before, so none is whole.)\n");
    std::printf("%-54s %-22s %s\n", "Cuts in the 200-cue run", "PulseAudio", "PipeWire");
    printRow("silence to the next, median / worst; late cuts", cuts(pulseAudio.loaded), cuts(pipeWire.loaded));
    return EXIT_SUCCESS;
}
