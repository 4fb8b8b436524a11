// The game's sound cues as a player hears them, recorded from a private PulseAudio daemon's null sink: the
// click-to-sound latency of the game's cue player against the sound server's own client (paplay) playing the same
// file in the same run, and how many cues of a run start and sound whole, at ease and with both cores busy.
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
#include <thread>

namespace {

using Clock = HeardCues::Clock;
using namespace std::chrono_literals;

struct RunSummary
{
    int asked = 0;
    int started = 0;
    int whole = 0;
    int late = 0; // started more than 30 ms after the call
    double strayMs = 0;
    std::vector<double> onsets;
};

RunSummary summarize(const HeardCues &heard, const std::vector<HeardCues::Played> &played)
{
    RunSummary summary;
    summary.asked = int(played.size());
    for (std::size_t i = 0; i < played.size(); ++i) {
        const HeardCues::Heard &cue = heard.cues()[i];
        if (!cue.started)
            continue;
        ++summary.started;
        if (cue.onsetMs > 30)
            ++summary.late;
        if (std::abs(cue.heardMs - HeardCues::fileMs(played[i].cue)) <= 10)
            ++summary.whole;
    }
    summary.strayMs = heard.strayMs();
    summary.onsets = heard.sortedOnsets();
    return summary;
}

void printRun(const char *title, const RunSummary &summary)
{
    std::printf("%-44s %3d asked, %3d started, %3d whole, %3d late (> 30 ms), %5.0f ms stray sound", title,
        summary.asked, summary.started, summary.whole, summary.late, summary.strayMs);
    if (!summary.onsets.empty())
        std::printf("; onset median %.1f ms, worst %.1f ms", median(summary.onsets), summary.onsets.back());
    std::printf("\n");
}

// The game's cue player: the cues one after another, `interval` apart.
RunSummary playerRun(CuePlayer &player, const std::vector<Cue> &cues, std::chrono::milliseconds interval)
{
    SinkRecorder recorder;
    if (!recorder.isRecording()) {
        std::fprintf(stderr, "bench_sound: the recorder could not reach the private sound server.\n");
        std::exit(EXIT_FAILURE);
    }
    const std::vector<HeardCues::Played> played = HeardCues::playOnBeat(player, cues, interval);
    return summarize(HeardCues(recorder, played), played);
}

// The sound server's own client: paplay started for each cue and waited for.
RunSummary paplayRun(Cue cue, int count, std::chrono::milliseconds interval)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("cue.wav"));
    QFile::copy(SoundCuePlayer::resourceOf(cue), path);
    SinkRecorder recorder;
    std::vector<HeardCues::Played> played;
    const Clock::time_point first = Clock::now();
    for (int i = 0; i < count; ++i) {
        std::this_thread::sleep_until(first + interval * i);
        QProcess paplay;
        played.push_back({ cue, Clock::now() });
        paplay.start(QStringLiteral("paplay"), { path });
        paplay.waitForFinished(5000);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    return summarize(HeardCues(recorder, played), played);
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

    QTemporaryDir folder;
    const SoundServer server(SoundServer::Kind::PulseAudio, folder.path());
    if (!server.start()) {
        std::fprintf(stderr, "bench_sound: the private sound server did not start.\n");
        return EXIT_FAILURE;
    }
    server.clientEnvironment();

    RunSummary latency;
    RunSummary paplay;
    RunSummary apart;
    RunSummary loaded;
    {
        SoundCuePlayer player;
        // The player uploads its cues in the background.
        std::this_thread::sleep_for(1s);
        // Each cue whole before the next: 0.34 s of sound, then a pause.
        latency = playerRun(player, std::vector<Cue>(std::size_t(latencyCues), Cue::CueWrong), 450ms);
        paplay = paplayRun(Cue::CueWrong, latencyCues, 450ms);
        apart = playerRun(player, std::vector<Cue>(10, Cue::CueWrong), 1500ms);
        std::vector<Cue> mixed;
        for (int i = 0; i < 200; ++i)
            mixed.push_back(Cue(1 + i % 3));
        BusyCores busy;
        loaded = playerRun(player, mixed, 100ms);
    }
    server.stop();

    std::printf(
        "Click-to-sound latency, from the call to the first sample heard (median, worst of %d):\n", latencyCues);
    printRun("  the game's cue player, wrong.wav", latency);
    printRun("  paplay wrong.wav, from its start", paplay);
    std::printf("Cues under way:\n");
    printRun("  10 wrong cues 1.5 s apart", apart);
    printRun("  200 cues 100 ms apart, both cores busy", loaded);
    std::printf("  (in the 200-cue run every cue cuts the one before, so none is whole.)\n");
    return EXIT_SUCCESS;
}
