#include "app/soundcueplayer.h"

#include "platform/pulselibrary.h"
#include "app/wavesound.h"
#include "look/assetpaths.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>

#include <chrono>
#include <deque>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

std::size_t slotOf(Cue cue)
{
    return std::size_t(cue) - 1;
}

// The bytes on the pipe from play() to the player's thread: a cue's slot plus one, or a request to connect.
constexpr char ConnectRequest = 0;

// Called only once the library is loaded: without it the player makes no loop and sends nothing.
const PulseLibrary &pulse()
{
    return *PulseLibrary::load(nullptr);
}

} // namespace

// The player's side of the sound server, run on libpulse's own thread: the connection, the uploads to the sample
// cache and the cue now sounding. Everything here happens on that thread; play() only writes to a pipe.
class SoundCuePlayer::Client
{
public:
    explicit Client(std::array<std::optional<WaveSound>, 3> sounds, const std::array<QString, 3> &names)
    {
        for (std::size_t slot = 0; slot < sounds.size(); ++slot) {
            m_samples[slot].name = names[slot].toUtf8();
            m_samples[slot].sound = std::move(sounds[slot]);
        }
        const char *failure = nullptr;
        if (!PulseLibrary::load(&failure)) {
            qWarning("Tomelor: the sound library cannot be loaded (%s); the cues are silent.", failure);
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
    struct Sample
    {
        QByteArray name;
        std::optional<WaveSound> sound;
        pa_stream *upload = nullptr;
        qsizetype sent = 0;
        bool cached = false;
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
            for (ssize_t i = 0; i < count; ++i)
                cue = requests[i] == ConnectRequest ? std::nullopt : std::optional(std::size_t(requests[i] - 1));
        }
        auto *client = static_cast<Client *>(self);
        if (!client->connected())
            client->connect();
        else if (cue)
            client->playCue(*cue);
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
        for (Sample &sample : m_samples) {
            if (sample.upload) {
                pulse().stream_set_state_callback(sample.upload, nullptr, nullptr);
                pulse().stream_set_write_callback(sample.upload, nullptr, nullptr);
                pulse().stream_unref(sample.upload);
                sample.upload = nullptr;
            }
            sample.cached = false;
        }
        if (m_context) {
            pulse().context_set_state_callback(m_context, nullptr, nullptr);
            pulse().context_disconnect(m_context);
            pulse().context_unref(m_context);
            m_context = nullptr;
        }
        m_playRequests.clear();
        m_sounding = {};
    }

    static void onContextState(pa_context *context, void *self)
    {
        auto *client = static_cast<Client *>(self);
        switch (pulse().context_get_state(context)) {
        case PA_CONTEXT_READY:
            client->upload();
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
        qWarning("Tomelor: no sound server answers (%s); the cues are silent until one does.",
            pulse().strerror(m_context ? pulse().context_errno(m_context) : PA_ERR_CONNECTIONREFUSED));
    }

    // Each sound in its own format, as the file has it; the server converts it as it plays.
    void upload()
    {
        for (Sample &sample : m_samples) {
            if (!sample.sound)
                continue;
            const pa_sample_spec format { sample.sound->bitsPerSample == 8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE,
                uint32_t(sample.sound->sampleRate), uint8_t(sample.sound->channels) };
            sample.upload = pulse().stream_new(m_context, sample.name.constData(), &format, nullptr);
            if (!sample.upload)
                continue;
            sample.sent = 0;
            pulse().stream_set_state_callback(sample.upload, &Client::onUploadState, &sample);
            pulse().stream_set_write_callback(sample.upload, &Client::onUploadWrite, &sample);
            pulse().stream_connect_upload(sample.upload, std::size_t(sample.sound->samples.size()));
        }
    }

    static void onUploadWrite(pa_stream *stream, size_t bytes, void *data)
    {
        auto *sample = static_cast<Sample *>(data);
        const QByteArray &samples = sample->sound->samples;
        const qsizetype count = std::min(qsizetype(bytes), samples.size() - sample->sent);
        if (count > 0) {
            pulse().stream_write(
                stream, samples.constData() + sample->sent, std::size_t(count), nullptr, 0, PA_SEEK_RELATIVE);
            sample->sent += count;
        }
        if (sample->sent == samples.size())
            pulse().stream_finish_upload(stream);
    }

    static void onUploadState(pa_stream *stream, void *data)
    {
        auto *sample = static_cast<Sample *>(data);
        // A finished upload ends its stream; the sample stays in the server's cache, under its name.
        if (pulse().stream_get_state(stream) == PA_STREAM_TERMINATED)
            sample->cached = sample->sent == sample->sound->samples.size();
    }

    void playCue(std::size_t slot)
    {
        Sample &sample = m_samples[slot];
        if (!sample.cached)
            return;
        cutSounding();
        pa_operation *request = pulse().context_play_sample_with_proplist(
            m_context, sample.name.constData(), nullptr, PA_VOLUME_NORM, m_properties, &Client::onPlaying, this);
        if (!request)
            return;
        pulse().operation_unref(request);
        m_sounding = { ++m_generation, PA_INVALID_INDEX,
            Clock::now()
                + std::chrono::duration_cast<Clock::duration>(
                    std::chrono::duration<double>(sample.sound->seconds()) + EndMargin) };
        m_playRequests.push_back(m_generation);
    }

    // The server plays a cached sample as a stream of its own, whose number comes with the answer to the play
    // request; stopping that stream cuts the cue. A cue that has ended is left alone, as its stream is gone and the
    // request would only earn an error. Its number is not given to another stream soon, which might be another
    // program's: PulseAudio counts its streams' numbers up, and PipeWire's server hands out ever-increasing serials.
    void cutSounding()
    {
        if (m_sounding.stream != PA_INVALID_INDEX && Clock::now() < m_sounding.ends)
            kill(m_sounding.stream);
        m_sounding.stream = PA_INVALID_INDEX;
    }

    void kill(uint32_t stream)
    {
        if (pa_operation *request = pulse().context_kill_sink_input(m_context, stream, nullptr, nullptr))
            pulse().operation_unref(request);
    }

    // Answers come in the order of the requests.
    static void onPlaying(pa_context *, uint32_t stream, void *self)
    {
        auto *client = static_cast<Client *>(self);
        if (client->m_playRequests.empty())
            return;
        const quint64 generation = client->m_playRequests.front();
        client->m_playRequests.pop_front();
        if (stream == PA_INVALID_INDEX)
            return;
        if (generation == client->m_sounding.generation)
            client->m_sounding.stream = stream;
        else
            client->kill(stream); // a later cue came before this one's answer
    }

    // How long after its expected end a cue may still be sounding, started late on a busy machine.
    static constexpr std::chrono::milliseconds EndMargin { 100 };

    std::array<Sample, 3> m_samples;
    pa_proplist *m_properties = nullptr;
    pa_threaded_mainloop *m_loop = nullptr;
    pa_io_event *m_wakeup = nullptr;
    int m_pipe[2] { -1, -1 };
    pa_context *m_context = nullptr;
    bool m_toldSilence = false;

    struct Sounding
    {
        quint64 generation = 0;
        uint32_t stream = PA_INVALID_INDEX;
        Clock::time_point ends;
    };
    Sounding m_sounding;
    quint64 m_generation = 0;
    std::deque<quint64> m_playRequests;
};

SoundCuePlayer::SoundCuePlayer()
    : SoundCuePlayer(
        { resourceOf(Cue::CueCorrect), resourceOf(Cue::CueWrong), resourceOf(Cue::CueTimeOut) }, &QApplication::beep)
{
}

SoundCuePlayer::SoundCuePlayer(const std::array<QString, 3> &resources, Alert alert)
    : m_alert(std::move(alert))
{
    std::array<std::optional<WaveSound>, 3> sounds;
    std::array<QString, 3> names;
    for (std::size_t slot = 0; slot < resources.size(); ++slot) {
        QFile file(resources[slot]);
        if (file.open(QIODevice::ReadOnly))
            sounds[slot] = WaveSound::fromBytes(file.readAll());
        m_loaded[slot] = sounds[slot].has_value();
        // One name per cue for every copy of the game: a second copy replaces the samples with the same sounds.
        names[slot] = QStringLiteral("tomelor-") + QFileInfo(resources[slot]).completeBaseName();
    }
    m_client = std::make_unique<Client>(std::move(sounds), names);
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
