#include "app/soundcueplayer.h"

#include "platform/pulselibrary.h"
#include "app/wavesound.h"
#include "look/assetpaths.h"

#include <QApplication>
#include <QFile>

#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <optional>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

std::size_t slotOf(Cue cue)
{
    return std::size_t(cue) - 1;
}

// The bytes on the pipe from play() to the player's thread: a cue's slot plus one, or a request to connect.
constexpr char ConnectRequest = 0;

constexpr int Rate = SoundCuePlayer::Rate;
constexpr pa_sample_spec StreamFormat { PA_SAMPLE_FLOAT32NE, Rate, 1 };
constexpr int64_t FrameBytes = sizeof(float);

// A cut cue fades out under the first samples of the next, too short to hear as anything but the end of a sound,
// long enough that the cut never clicks.
constexpr int FadeFrames = Rate * 15 / 10000;
// Silence after each cue: a server that resamples the stream holds the last few samples of a cue back until more
// follow, and corking a stream drops what the sink has not played yet.
constexpr int TrailingFrames = Rate * 20 / 1000;
// What the stream asks of the server while a cue sounds: a target this short has a cue start within a few
// milliseconds on a graph that sleeps. Corked, it asks for as long as PulseAudio's default, so that it holds no
// sink to short periods while another program plays, or wakes an idle sink that has no way to sleep.
constexpr uint32_t TargetBytes = uint32_t(Rate * FrameBytes * 20 / 1000);
constexpr uint32_t IdleTargetBytes = uint32_t(Rate * FrameBytes * 2);
// A cue asked for while the server is being found again still sounds if the stream is ready this soon after the
// click; later it would no longer belong to it.
constexpr Clock::duration FreshFor = 50ms;
// How often the player looks again whether a cue has sounded to its end, once it should have.
constexpr pa_usec_t CorkRetryMicroseconds = 20000;

// Called only once the library is loaded: without it the player makes no loop and sends nothing.
const PulseLibrary &pulse()
{
    return *PulseLibrary::load(nullptr);
}

void release(pa_operation *operation)
{
    if (operation)
        pulse().operation_unref(operation);
}

} // namespace

// The player's side of the sound server, run on libpulse's own thread: the connection, the stream and what was
// last written to it. Everything here happens on that thread; play() only writes to a pipe.
class SoundCuePlayer::Client
{
public:
    explicit Client(std::array<std::vector<float>, 3> sounds)
        : m_sounds(std::move(sounds))
        // The desktop's volume control shows the stream by this name.
        , m_streamName(QCoreApplication::translate("SoundCuePlayer", "Tomelor's cues").toUtf8())
    {
        const char *failure = nullptr;
        if (!PulseLibrary::load(&failure)) {
            qWarning("%s",
                qUtf8Printable(QCoreApplication::translate("SoundCuePlayer",
                    "Tomelor: the sound library cannot be loaded (%1); the cues are silent.")
                                   .arg(QString::fromUtf8(failure))));
            return;
        }
        m_properties = pulse().proplist_new();
        pulse().proplist_sets(m_properties, PA_PROP_MEDIA_ROLE, "event");
        m_loop = pulse().threaded_mainloop_new();
        if (!m_loop || pipe2(m_pipe, O_NONBLOCK | O_CLOEXEC) != 0)
            return;
        pa_mainloop_api *api = pulse().threaded_mainloop_get_api(m_loop);
        m_wakeup = api->io_new(api, m_pipe[0], PA_IO_EVENT_INPUT, &Client::onRequest, this);
        if (pulse().threaded_mainloop_start(m_loop) == 0)
            send(ConnectRequest);
    }

    // Nothing is drained or waited for: the server drops the stream with the connection.
    ~Client()
    {
        if (m_loop) {
            pulse().threaded_mainloop_stop(m_loop);
            if (m_wakeup)
                pulse().threaded_mainloop_get_api(m_loop)->io_free(m_wakeup);
            dropConnection();
            pulse().threaded_mainloop_free(m_loop);
        }
        for (const int end : m_pipe) {
            if (end >= 0)
                close(end);
        }
        if (m_properties)
            pulse().proplist_free(m_properties);
    }

    // Called on the user-interface thread.
    void play(std::size_t slot) { send(char(slot + 1)); }

private:
    struct Request
    {
        std::size_t slot;
        Clock::time_point at;
    };

    void send(char request)
    {
        if (m_pipe[1] >= 0) {
            // A full pipe, thousands of requests the thread has not taken yet, drops this one.
            const ssize_t written = write(m_pipe[1], &request, 1);
            Q_UNUSED(written)
        }
    }

    static void onRequest(pa_mainloop_api *, pa_io_event *, int fd, pa_io_event_flags_t, void *self)
    {
        char requests[256];
        std::optional<std::size_t> cue;
        ssize_t count;
        while ((count = read(fd, requests, sizeof requests)) > 0) {
            // Of cues asked for faster than this thread runs, each would cut the one before at once: only the
            // last is heard.
            for (ssize_t i = 0; i < count; ++i) {
                if (requests[i] != ConnectRequest)
                    cue = std::size_t(requests[i] - 1);
            }
        }
        static_cast<Client *>(self)->take(cue);
    }

    void take(std::optional<std::size_t> cue)
    {
        if (cue)
            m_request = Request { *cue, Clock::now() };
        if (!connected())
            connect();
        else if (!m_stream || !PA_STREAM_IS_GOOD(pulse().stream_get_state(m_stream)))
            makeStream();
        else
            playRequest();
    }

    bool connected() const { return m_context && PA_CONTEXT_IS_GOOD(pulse().context_get_state(m_context)); }

    // A new connection: a server that went away cannot be reached again through the old one.
    void connect()
    {
        dropConnection();
        m_context = pulse().context_new(pulse().threaded_mainloop_get_api(m_loop), "Tomelor");
        if (!m_context)
            return;
        pulse().context_set_state_callback(m_context, &Client::onContextState, this);
        // Never start a server of our own: that is the desktop's business.
        if (pulse().context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
            tellSilence();
    }

    void dropConnection()
    {
        dropStream();
        if (m_corkCheck) {
            pulse().threaded_mainloop_get_api(m_loop)->time_free(m_corkCheck);
            m_corkCheck = nullptr;
        }
        if (m_context) {
            pulse().context_set_state_callback(m_context, nullptr, nullptr);
            pulse().context_disconnect(m_context);
            pulse().context_unref(m_context);
            m_context = nullptr;
        }
    }

    static void onContextState(pa_context *context, void *self)
    {
        auto *client = static_cast<Client *>(self);
        switch (pulse().context_get_state(context)) {
        case PA_CONTEXT_READY:
            client->makeStream();
            break;
        case PA_CONTEXT_FAILED:
        case PA_CONTEXT_TERMINATED:
            client->tellSilence();
            break;
        default:
            break;
        }
    }

    // The first time the game finds itself without a server, it says so once; then it plays silently.
    void tellSilence()
    {
        if (m_toldSilence)
            return;
        m_toldSilence = true;
        const char *reason
            = pulse().strerror(m_context ? pulse().context_errno(m_context) : PA_ERR_CONNECTIONREFUSED);
        qWarning("%s",
            qUtf8Printable(QCoreApplication::translate("SoundCuePlayer",
                "Tomelor: no sound server answers (%1); the cues are silent until one does.")
                               .arg(QString::fromUtf8(reason))));
    }

    // The stream starts corked: the server links it now, and the graph stays asleep until a cue sounds.
    void makeStream()
    {
        dropStream();
        m_stream = pulse().stream_new_with_proplist(
            m_context, m_streamName.constData(), &StreamFormat, nullptr, m_properties);
        if (!m_stream)
            return;
        pulse().stream_set_state_callback(m_stream, &Client::onStreamState, this);
        m_corked = true;
        const pa_buffer_attr buffer = bufferFor(IdleTargetBytes);
        if (pulse().stream_connect_playback(m_stream, nullptr, &buffer,
                pa_stream_flags_t(PA_STREAM_START_CORKED | PA_STREAM_ADJUST_LATENCY), nullptr, nullptr)
            < 0)
            dropStream();
    }

    static pa_buffer_attr bufferFor(uint32_t target)
    {
        pa_buffer_attr buffer {};
        buffer.maxlength = uint32_t(-1);
        buffer.tlength = target;
        // A cue sounds as soon as it is written, however short what is queued.
        buffer.prebuf = 0;
        buffer.minreq = uint32_t(-1);
        buffer.fragsize = uint32_t(-1);
        return buffer;
    }

    void setTarget(uint32_t target)
    {
        const pa_buffer_attr buffer = bufferFor(target);
        release(pulse().stream_set_buffer_attr(m_stream, &buffer, nullptr, nullptr));
    }

    void dropStream()
    {
        if (!m_stream)
            return;
        pulse().stream_set_state_callback(m_stream, nullptr, nullptr);
        pulse().stream_disconnect(m_stream);
        pulse().stream_unref(m_stream);
        m_stream = nullptr;
        m_timingAsked = false;
        m_written.clear();
    }

    static void onStreamState(pa_stream *stream, void *self)
    {
        if (pulse().stream_get_state(stream) == PA_STREAM_READY)
            static_cast<Client *>(self)->playRequest();
    }

    // A corked stream takes the cue at once; one that is sounding first tells where its cue stands, so that the
    // new cue can fade it out from there.
    void playRequest()
    {
        if (!m_request || m_timingAsked || !m_stream || pulse().stream_get_state(m_stream) != PA_STREAM_READY)
            return;
        if (Clock::now() - m_request->at > FreshFor) {
            m_request.reset();
            return;
        }
        if (m_corked)
            start(nullptr);
        else
            askTiming();
    }

    void askTiming()
    {
        if (pa_operation *operation = pulse().stream_update_timing_info(m_stream, &Client::onTiming, this)) {
            release(operation);
            m_timingAsked = true;
        }
    }

    static void onTiming(pa_stream *stream, int success, void *self)
    {
        auto *client = static_cast<Client *>(self);
        if (stream != client->m_stream)
            return;
        client->m_timingAsked = false;
        const pa_timing_info *timing = success ? pulse().stream_get_timing_info(stream) : nullptr;
        if (timing && (timing->read_index_corrupt || timing->write_index_corrupt))
            timing = nullptr;
        if (client->m_request)
            client->start(timing);
        else
            client->corkIfPlayed(timing);
    }

    // The cue asked for, written where the server reads next, so that it sounds in the server's next period.
    // `timing`, where a cue is sounding, tells where it stands: it was the last written, and ends at the write
    // index. What is left of it is written over rather than flushed: a flush has PipeWire drop the periods it has
    // taken already, and the sink would fall silent for as long.
    void start(const pa_timing_info *timing)
    {
        std::vector<float> samples = m_sounds[m_request->slot];
        m_request.reset();
        samples.resize(samples.size() + TrailingFrames, 0.0f);
        if (!m_corked) {
            // Where the sounding cue stands; without an answer, as if it had only begun.
            const int64_t written = int64_t(m_written.size());
            const int64_t at = timing
                ? std::clamp<int64_t>((timing->read_index - timing->write_index) / FrameBytes + written, 0, written)
                : 0;
            for (int64_t i = 0; timing && i < FadeFrames && at + i < written; ++i)
                samples[std::size_t(i)] += m_written[std::size_t(at + i)] * float(FadeFrames - i) / (FadeFrames + 1);
            // What is left of it is written over, with silence where the new cue is the shorter.
            samples.resize(std::max(samples.size(), std::size_t(written - at)), 0.0f);
        }
        // PulseAudio starts a corked stream cleanly only from an empty queue: what the cork held back goes first.
        if (m_corked) {
            setTarget(TargetBytes);
            release(pulse().stream_flush(m_stream, nullptr, nullptr));
        }
        pulse().stream_write(m_stream, samples.data(), samples.size() * FrameBytes, nullptr, 0,
            PA_SEEK_RELATIVE_ON_READ);
        if (m_corked) {
            release(pulse().stream_cork(m_stream, 0, nullptr, nullptr));
            m_corked = false;
        }
        m_written = std::move(samples);
        checkCorkIn(pa_usec_t(m_written.size()) * PA_USEC_PER_SEC / Rate);
    }

    void checkCorkIn(pa_usec_t delay)
    {
        const pa_usec_t when = pulse().rtclock_now() + delay;
        if (m_corkCheck)
            pulse().context_rttime_restart(m_context, m_corkCheck, when);
        else
            m_corkCheck = pulse().context_rttime_new(m_context, when, &Client::onCorkCheck, this);
    }

    static void onCorkCheck(pa_mainloop_api *, pa_time_event *, const struct timeval *, void *self)
    {
        auto *client = static_cast<Client *>(self);
        if (client->m_stream && !client->m_corked && !client->m_timingAsked
            && pulse().stream_get_state(client->m_stream) == PA_STREAM_READY)
            client->askTiming();
    }

    // Corked once the server has taken all that was written, so that the graph may sleep again; until then it is
    // looked at again when it should be done. The trailing silence is what the sink may not have played yet.
    void corkIfPlayed(const pa_timing_info *timing)
    {
        if (m_corked)
            return;
        if (!timing) {
            checkCorkIn(CorkRetryMicroseconds);
            return;
        }
        const int64_t queued = timing->write_index - timing->read_index;
        if (queued > 0) {
            checkCorkIn(pa_usec_t(queued / FrameBytes) * PA_USEC_PER_SEC / Rate + 1000);
            return;
        }
        release(pulse().stream_cork(m_stream, 1, nullptr, nullptr));
        setTarget(IdleTargetBytes);
        m_corked = true;
    }

    std::array<std::vector<float>, 3> m_sounds;
    QByteArray m_streamName;
    pa_proplist *m_properties = nullptr;
    pa_threaded_mainloop *m_loop = nullptr;
    pa_io_event *m_wakeup = nullptr;
    int m_pipe[2] { -1, -1 };
    pa_context *m_context = nullptr;
    bool m_toldSilence = false;

    pa_stream *m_stream = nullptr;
    bool m_corked = true;
    bool m_timingAsked = false;
    pa_time_event *m_corkCheck = nullptr;
    std::optional<Request> m_request; // the cue to sound next
    std::vector<float> m_written; // the cue last written, with its trailing silence
};

SoundCuePlayer::SoundCuePlayer()
    : SoundCuePlayer(
        { resourceOf(Cue::CueCorrect), resourceOf(Cue::CueWrong), resourceOf(Cue::CueTimeOut) }, &QApplication::beep)
{
}

SoundCuePlayer::SoundCuePlayer(const std::array<QString, 3> &resources, Alert alert)
    : m_alert(std::move(alert))
{
    std::array<std::vector<float>, 3> sounds;
    for (std::size_t slot = 0; slot < resources.size(); ++slot) {
        QFile file(resources[slot]);
        std::optional<WaveSound> sound;
        if (file.open(QIODevice::ReadOnly))
            sound = WaveSound::fromBytes(file.readAll());
        m_loaded[slot] = sound.has_value();
        if (sound)
            sounds[slot] = sound->monoAt(Rate);
    }
    m_client = std::make_unique<Client>(std::move(sounds));
}

SoundCuePlayer::~SoundCuePlayer() = default;

void SoundCuePlayer::play(Cue cue)
{
    const std::size_t slot = slotOf(cue);
    if (!m_loaded[slot]) {
        if (m_alert)
            m_alert();
        return;
    }
    m_client->play(slot);
}

QString SoundCuePlayer::resourceOf(Cue cue)
{
    return QStringLiteral(":/") + AssetPaths::cue(cue);
}
