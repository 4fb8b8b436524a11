#include "sinkrecorder.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <thread>

namespace {

constexpr int FragmentMicroseconds = 4000;

// Waits, the loop locked, until the context or stream leaves its connecting states, at most two seconds.
template <typename Ready, typename Failed> bool waitFor(pa_threaded_mainloop *loop, Ready ready, Failed failed)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (!ready()) {
        if (failed() || std::chrono::steady_clock::now() > deadline)
            return false;
        pa_threaded_mainloop_unlock(loop);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        pa_threaded_mainloop_lock(loop);
    }
    return true;
}

} // namespace

SinkRecorder::SinkRecorder()
{
    m_loop = pa_threaded_mainloop_new();
    m_context = pa_context_new(pa_threaded_mainloop_get_api(m_loop), "tomelor-test-recorder");
    pa_threaded_mainloop_start(m_loop);
    pa_threaded_mainloop_lock(m_loop);
    pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr);
    const bool connected = waitFor(
        m_loop, [&] { return pa_context_get_state(m_context) == PA_CONTEXT_READY; },
        [&] { return !PA_CONTEXT_IS_GOOD(pa_context_get_state(m_context)); });
    if (connected) {
        const pa_sample_spec format { PA_SAMPLE_FLOAT32LE, Rate, 1 };
        pa_stream *stream = pa_stream_new(m_context, "monitor", &format, nullptr);
        pa_stream_set_read_callback(stream, &SinkRecorder::onRead, this);
        // Small fragments keep the null sink from mixing far ahead, so what it plays is recorded as it sounds.
        pa_buffer_attr attributes {};
        attributes.maxlength = uint32_t(-1);
        attributes.fragsize = uint32_t(pa_usec_to_bytes(FragmentMicroseconds, &format));
        pa_stream_connect_record(stream, "null.monitor", &attributes, PA_STREAM_ADJUST_LATENCY);
        if (waitFor(
                m_loop, [&] { return pa_stream_get_state(stream) == PA_STREAM_READY; },
                [&] { return !PA_STREAM_IS_GOOD(pa_stream_get_state(stream)); }))
            m_stream = stream;
        else
            pa_stream_unref(stream);
    }
    pa_threaded_mainloop_unlock(m_loop);
    // A sink that had nobody listening may have mixed up to two seconds ahead, which its monitor passed on
    // before this recorder came: the recording begins with what the sink mixes next.
    const auto deadline = Clock::now() + std::chrono::seconds(3);
    while (m_stream && Clock::now() < deadline && samples().empty())
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

SinkRecorder::~SinkRecorder()
{
    pa_threaded_mainloop_lock(m_loop);
    if (m_stream) {
        pa_stream_disconnect(m_stream);
        pa_stream_unref(m_stream);
    }
    pa_context_disconnect(m_context);
    pa_context_unref(m_context);
    pa_threaded_mainloop_unlock(m_loop);
    pa_threaded_mainloop_stop(m_loop);
    pa_threaded_mainloop_free(m_loop);
}

void SinkRecorder::onRead(pa_stream *stream, size_t, void *self)
{
    const void *data = nullptr;
    size_t bytes = 0;
    while (pa_stream_readable_size(stream) > 0 && pa_stream_peek(stream, &data, &bytes) == 0 && bytes > 0) {
        const std::size_t count = bytes / sizeof(float);
        if (data) {
            static_cast<SinkRecorder *>(self)->append(static_cast<const float *>(data), count);
        } else {
            // A hole in the recording is silence.
            const std::vector<float> silence(count, 0.0f);
            static_cast<SinkRecorder *>(self)->append(silence.data(), count);
        }
        pa_stream_drop(stream);
    }
}

void SinkRecorder::append(const float *data, std::size_t count)
{
    const Clock::time_point now = Clock::now();
    std::lock_guard lock(m_mutex);
    m_samples.insert(m_samples.end(), data, data + count);
    m_arrivals.push_back({ m_samples.size(), now });
}

std::vector<float> SinkRecorder::samples() const
{
    std::lock_guard lock(m_mutex);
    return m_samples;
}

SinkRecorder::Clock::time_point SinkRecorder::arrivalOf(std::size_t index) const
{
    std::lock_guard lock(m_mutex);
    const auto arrival = std::upper_bound(m_arrivals.begin(), m_arrivals.end(), index,
        [](std::size_t wanted, const Arrival &each) { return wanted < each.end; });
    return arrival == m_arrivals.end() ? (m_arrivals.empty() ? Clock::time_point() : m_arrivals.back().at)
                                       : arrival->at;
}

std::size_t SinkRecorder::firstArrivingFrom(Clock::time_point moment) const
{
    std::lock_guard lock(m_mutex);
    const auto arrival = std::lower_bound(m_arrivals.begin(), m_arrivals.end(), moment,
        [](const Arrival &each, Clock::time_point wanted) { return each.at < wanted; });
    if (arrival == m_arrivals.end())
        return m_samples.size();
    return arrival == m_arrivals.begin() ? 0 : std::prev(arrival)->end;
}
