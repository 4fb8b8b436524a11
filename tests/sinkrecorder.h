#pragma once

#include <chrono>
#include <mutex>
#include <vector>

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

// Records what the private sound server's null sink plays, as mono floats at the rate of the cues, and knows on
// the steady clock when each recorded sample sounded. The server is the one PULSE_SERVER names.
class SinkRecorder
{
public:
    using Clock = std::chrono::steady_clock;
    static constexpr int Rate = 22050;

    // Starts recording; isRecording() tells whether the server could be reached.
    SinkRecorder();
    ~SinkRecorder();
    SinkRecorder(const SinkRecorder &) = delete;
    SinkRecorder &operator=(const SinkRecorder &) = delete;

    bool isRecording() const { return m_stream != nullptr; }

    // What was recorded so far, and the moment its first sample sounded.
    std::vector<float> samples() const;
    Clock::time_point start() const;

private:
    static void onRead(pa_stream *stream, size_t bytes, void *self);
    void append(const float *data, std::size_t count);

    pa_threaded_mainloop *m_loop = nullptr;
    pa_context *m_context = nullptr;
    pa_stream *m_stream = nullptr;

    mutable std::mutex m_mutex;
    std::vector<float> m_samples;
    // Each arrival gives a latest possible start: the moment of arrival less the length of all that came so far.
    // The earliest of them is the one least delayed on its way to the recorder.
    Clock::time_point m_start = Clock::time_point::max();
};
