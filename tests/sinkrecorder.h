#pragma once

#include <chrono>
#include <mutex>
#include <vector>

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

// Records what the private sound server's null sink plays, as mono floats at the rate of the cues, and knows on
// the steady clock when each recorded sample reached the recorder. The server is the one PULSE_SERVER names.
//
// A sink mixes a period's samples at once, and its monitor hands them on as they are mixed (PulseAudio) or one
// period later (PipeWire): the moment a sample arrives is the moment its period was mixed, or one period after,
// whatever the sample's place in it. A clock that spreads the samples evenly over time would place those at the
// end of a long period too early, before the call that asked for them.
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

    // What was recorded so far.
    std::vector<float> samples() const;
    // When the sample at `index` arrived; the last arrival for one not recorded yet.
    Clock::time_point arrivalOf(std::size_t index) const;
    // The first sample that arrived at `moment` or later: no sample the server mixed after it lies before.
    std::size_t firstArrivingFrom(Clock::time_point moment) const;

private:
    static void onRead(pa_stream *stream, size_t bytes, void *self);
    void append(const float *data, std::size_t count);

    pa_threaded_mainloop *m_loop = nullptr;
    pa_context *m_context = nullptr;
    pa_stream *m_stream = nullptr;

    mutable std::mutex m_mutex;
    std::vector<float> m_samples;
    struct Arrival
    {
        std::size_t end; // the samples recorded so far once it came
        Clock::time_point at;
    };
    std::vector<Arrival> m_arrivals;
};
