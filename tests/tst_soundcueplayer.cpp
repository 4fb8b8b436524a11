#include "heardcues.h"
#include "sinkrecorder.h"
#include "soundserver.h"

#include "app/soundcueplayer.h"
#include "app/wavesound.h"

#include <QFile>
#include <QtTest>

#include <atomic>

// The cue player against a real PulseAudio daemon of the tests' own (tests/sound-server, started by CTest), whose
// null sink is recorded as a listener would hear it.
namespace {

using Clock = HeardCues::Clock;
using namespace std::chrono_literals;

// Every cue is mixed no later than this after the click.
constexpr double OnsetLimitMs = 30;
constexpr int DesktopPeriod = 1024;
// A sanitizer build runs every thread several times slower, the player's own among them: there the onsets are
// reported but not held to the limit, which the optimised build checks.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool OnsetLimitHolds = false;
#else
constexpr bool OnsetLimitHolds = true;
#endif
// A whole cue sounds as long as its file, give or take this.
constexpr double WholeToleranceMs = 10;
// A cut cue ends where the next begins, give or take the one step the matching resolves; the next follows at once.
constexpr double CutToleranceMs = 4;
constexpr double CutSilenceMs = 5;

std::array<QString, 3> resourcesOfTheProgram()
{
    return { SoundCuePlayer::resourceOf(Cue::CueCorrect), SoundCuePlayer::resourceOf(Cue::CueWrong),
        SoundCuePlayer::resourceOf(Cue::CueTimeOut) };
}

// Counts the lines the player prints; there may be one about a missing server, no more.
class PrintedLines
{
public:
    PrintedLines()
    {
        s_count = 0;
        m_previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) { ++s_count; });
    }
    ~PrintedLines() { qInstallMessageHandler(m_previous); }
    int count() const { return s_count; }

private:
    static inline std::atomic<int> s_count { 0 };
    QtMessageHandler m_previous;
};

QString describe(const HeardCues &heard)
{
    QStringList lines;
    for (const HeardCues::Heard &cue : heard.cues())
        lines << (cue.started ? QStringLiteral("onset %1 ms, heard %2 ms from %3 to %4 ms")
                                    .arg(cue.onsetMs, 0, 'f', 1)
                                    .arg(cue.heardMs, 0, 'f', 1)
                                    .arg(cue.startMs, 0, 'f', 1)
                                    .arg(cue.endMs, 0, 'f', 1)
                              : QStringLiteral("not heard"));
    return lines.join(QStringLiteral("; ")) + QStringLiteral("; stray %1 ms").arg(heard.strayMs());
}

} // namespace

class TestSoundCuePlayer : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SoundServer> m_server;

    HeardCues heardFrom(const SinkRecorder &recorder, const std::vector<HeardCues::Played> &played) const
    {
        return HeardCues(recorder, played, m_server->period(), m_server->monitorDelay());
    }

#define REQUIRE_SOUND_SERVER()                                                                                         \
    if (!m_server)                                                                                                     \
        QSKIP("No private sound server: run through CTest.");

    // The player's samples reach the server's cache a little after it is made.
    static std::unique_ptr<SoundCuePlayer> readyPlayer()
    {
        auto player = std::make_unique<SoundCuePlayer>();
        std::this_thread::sleep_for(300ms);
        return player;
    }

private slots:
    void initTestCase()
    {
        // Run by hand, without a private server, only the tests that need none run.
        const QString folder = qEnvironmentVariable("TOMELOR_SOUND_SERVER_FOLDER");
        const auto kind = SoundServer::kindNamed(qEnvironmentVariable("TOMELOR_SOUND_SERVER"));
        if (kind && !folder.isEmpty() && QFile::exists(folder + QStringLiteral("/native"))) {
            m_server = std::make_unique<SoundServer>(*kind, folder);
            m_server->clientEnvironment();
            // PipeWire's graph in a desktop's periods, where nothing asks for less, as a player's desktop runs it.
            if (*kind == SoundServer::Kind::PipeWire)
                QVERIFY(m_server->forcePeriod(DesktopPeriod));
        }
    }

    void cleanupTestCase()
    {
        if (m_server && m_server->kind() == SoundServer::Kind::PipeWire)
            m_server->forcePeriod(0);
    }

    void waveSoundsAreReadAsStoredAndWhatCannotPlayIsRefused()
    {
        QFile file(SoundCuePlayer::resourceOf(Cue::CueTimeOut));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray wave = file.readAll();
        const auto sound = WaveSound::fromBytes(wave);
        QVERIFY(sound);
        QCOMPARE(sound->sampleRate, 22050);
        QCOMPARE(sound->bitsPerSample, 16);
        QCOMPARE(sound->channels, 1);
        QCOMPARE(sound->samples, wave.mid(44, 2 * 5463));
        // A chunk before the format and one between format and data are skipped.
        const QByteArray extra = wave.left(12) + QByteArray("LIST\x03\0\0\0abc\0", 12) + wave.mid(12, 24)
            + QByteArray("fact\x04\0\0\0\x01\x02\x03\x04", 12) + wave.mid(36);
        QVERIFY(WaveSound::fromBytes(extra));
        QCOMPARE(WaveSound::fromBytes(extra)->samples, sound->samples);
        // A data chunk cut short keeps its whole frames.
        QCOMPARE(WaveSound::fromBytes(wave.left(wave.size() - 3))->frameCount(), 5463 - 2);
        // No wave, a compressed wave, no data, an odd sample size: nothing to play.
        QByteArray compressed = wave;
        compressed[20] = 2;
        QByteArray oddBits = wave;
        oddBits[34] = 12;
        for (const QByteArray &bad :
            { QByteArray(), QByteArray("RIFF"), wave.left(44), compressed, oddBits, QByteArray("RIFX") + wave.mid(4) })
            QVERIFY(!WaveSound::fromBytes(bad));
    }

    void aCueWithoutItsSoundSoundsTheAlert()
    {
        int alerts = 0;
        std::array<QString, 3> resources = resourcesOfTheProgram();
        resources[1] = QStringLiteral(":/sounds/no-such-cue.wav");
        SoundCuePlayer player(resources, [&] { ++alerts; });
        player.play(Cue::CueWrong);
        QCOMPARE(alerts, 1);
        player.play(Cue::CueCorrect);
        player.play(Cue::CueTimeOut);
        QCOMPARE(alerts, 1);
        player.play(Cue::CueWrong);
        QCOMPARE(alerts, 2);
    }

    void eachCueIsHeardWholeAndInOrderSoonAfterItsCall()
    {
        REQUIRE_SOUND_SERVER()
        SinkRecorder recorder;
        QVERIFY(recorder.isRecording());
        const auto player = readyPlayer();
        const std::vector<Cue> cues {
            Cue::CueCorrect, Cue::CueWrong, Cue::CueTimeOut, Cue::CueWrong, Cue::CueCorrect, Cue::CueTimeOut };
        const HeardCues heard = heardFrom(recorder, HeardCues::playOnBeat(*player, cues, 450ms));
        for (std::size_t i = 0; i < cues.size(); ++i) {
            const HeardCues::Heard &cue = heard.cues()[i];
            QVERIFY2(cue.started, qPrintable(describe(heard)));
            QVERIFY2(!OnsetLimitHolds || cue.onsetMs <= OnsetLimitMs, qPrintable(describe(heard)));
            QVERIFY2(
                std::abs(cue.heardMs - HeardCues::fileMs(cues[i])) <= WholeToleranceMs, qPrintable(describe(heard)));
        }
        // Nothing else sounded: no cue twice, none late.
        QVERIFY2(heard.strayMs() == 0, qPrintable(describe(heard)));
    }

    void aNewCueCutsTheOneStillSounding()
    {
        REQUIRE_SOUND_SERVER()
        SinkRecorder recorder;
        QVERIFY(recorder.isRecording());
        const auto player = readyPlayer();
        // A wrong click, a right one a tenth of a second later, and the countdown running out on the next tick.
        const HeardCues heard = heardFrom(recorder,
            HeardCues::playAt(
                *player, { { Cue::CueWrong, 0ms }, { Cue::CueCorrect, 100ms }, { Cue::CueTimeOut, 160ms } }));
        const auto &result = heard.cues();
        QVERIFY2(result[0].started && result[1].started && result[2].started, qPrintable(describe(heard)));
        // Each cut no later than the next begins, and the next follows at once.
        for (std::size_t i = 0; i < 2; ++i) {
            const double gap = result[i + 1].startMs - result[i].endMs;
            QVERIFY2(gap >= -CutToleranceMs && gap <= CutSilenceMs, qPrintable(describe(heard)));
            QVERIFY2(!OnsetLimitHolds || result[i + 1].onsetMs <= OnsetLimitMs, qPrintable(describe(heard)));
        }
        QVERIFY2(std::abs(result[2].heardMs - HeardCues::fileMs(Cue::CueTimeOut)) <= WholeToleranceMs,
            qPrintable(describe(heard)));
        // Cut, not mixed: no cue goes on under the next.
        QVERIFY2(heard.strayMs() == 0, qPrintable(describe(heard)));
    }

    void withoutAServerTheGameGoesOnSilentlyAndSaysSoOnce()
    {
        PrintedLines printed;
        const QByteArray server = qgetenv("PULSE_SERVER");
        qputenv("PULSE_SERVER", "unix:/nonexistent/tomelor-no-sound-server");
        {
            SoundCuePlayer player;
            Clock::duration longestCall {};
            HeardCues::playOnBeat(
                player, { Cue::CueCorrect, Cue::CueWrong, Cue::CueTimeOut, Cue::CueWrong }, 50ms, &longestCall);
            QVERIFY(longestCall < 20ms);
        }
        qputenv("PULSE_SERVER", server);
        QCOMPARE(printed.count(), 1);
    }

    void aServerKilledAndRestartedIsFoundAgainWithoutBlocking()
    {
        REQUIRE_SOUND_SERVER()
        PrintedLines printed;
        const auto player = readyPlayer();
        {
            SinkRecorder recorder;
            QVERIFY(recorder.isRecording());
            const HeardCues heard
                = heardFrom(recorder, HeardCues::playOnBeat(*player, { Cue::CueWrong, Cue::CueCorrect }, 400ms));
            QVERIFY2(heard.cues()[0].started && heard.cues()[1].started, qPrintable(describe(heard)));
        }

        // Killed in the middle of a cue, as a crash would end it: the player goes quiet and never waits.
        player->play(Cue::CueWrong);
        std::this_thread::sleep_for(50ms);
        m_server->kill();
        Clock::duration longestCall {};
        HeardCues::playOnBeat(*player, std::vector<Cue>(10, Cue::CueTimeOut), 50ms, &longestCall);
        QVERIFY(longestCall < 20ms);

        // Back again: the next cue looks for it, and the cues after that are heard.
        QVERIFY(m_server->start());
        SinkRecorder recorder;
        QVERIFY(recorder.isRecording());
        const std::vector<Cue> cues { Cue::CueCorrect, Cue::CueWrong, Cue::CueTimeOut, Cue::CueCorrect };
        const HeardCues heard = heardFrom(recorder, HeardCues::playOnBeat(*player, cues, 400ms, &longestCall));
        QVERIFY(longestCall < 20ms);
        for (std::size_t i = 1; i < cues.size(); ++i) {
            QVERIFY2(heard.cues()[i].started, qPrintable(describe(heard)));
            QVERIFY2(std::abs(heard.cues()[i].heardMs - HeardCues::fileMs(cues[i])) <= WholeToleranceMs,
                qPrintable(describe(heard)));
        }
        QVERIFY2(printed.count() <= 1, qPrintable(QString::number(printed.count())));
    }
};

QTEST_MAIN(TestSoundCuePlayer)
#include "tst_soundcueplayer.moc"
