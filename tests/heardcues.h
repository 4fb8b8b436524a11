#pragma once

#include "game/cueplayer.h"
#include "sinkrecorder.h"

#include <array>
#include <vector>

// What a listener heard of a run of cues, found by matching a recording of the sink against the cues' own sounds:
// for each cue asked for, whether it started, how long after the call, and for how long it sounded.
class HeardCues
{
public:
    using Clock = SinkRecorder::Clock;

    struct Played
    {
        Cue cue;
        SinkRecorder::Clock::time_point at; // when play() was called
    };
    struct Heard
    {
        bool started = false;
        double onsetMs = 0; // from the play() call to the period of the sink that mixed the first sample heard
        double arrivalMs = 0; // from the play() call to the first sample's arrival at the recorder
        double startMs = 0; // the first sample heard, from the start of the recording
        double heardMs = 0; // how much of the cue sounded, as long as it is in its file
        double endMs = 0; // the last sample heard, from the start of the recording
    };

    // The sounds of the three cues, from the program's resources, at the recorder's rate.
    static const std::array<std::vector<float>, 3> &sounds();
    static double fileMs(Cue cue);

    // Plays each cue at its moment after the first, as a player's clicks would come, and returns the calls, each
    // timed just before it was made; then waits for the last cue's sound to be recorded. The longest time one
    // play() call took goes to `longestCall`.
    static std::vector<Played> playAt(CuePlayer &player, const std::vector<std::pair<Cue, Clock::duration>> &cues,
        Clock::duration *longestCall = nullptr);
    // The cues on a fixed beat.
    static std::vector<Played> playOnBeat(
        CuePlayer &player, const std::vector<Cue> &cues, Clock::duration apart, Clock::duration *longestCall = nullptr);

    // `period` is how long a cue may stray from its file's shape in the middle, the rest of it following a little
    // earlier or later, as resampling does to it; none on a server that plays it untouched. `monitorDelay` is how
    // long after mixing them the sink's monitor hands samples to the recorder.
    HeardCues(const SinkRecorder &recorder, const std::vector<Played> &played, Clock::duration period = {},
        Clock::duration monitorDelay = {});

    const std::vector<Heard> &cues() const { return m_heard; }
    // How long something sounded that none of the cues explains (a cue twice, or one that went on mixed under
    // the next), counted in 10 ms steps.
    double strayMs() const { return m_strayMs; }
    // The onsets of the cues that started, in milliseconds after their calls, sorted.
    std::vector<double> sortedOnsets() const;

private:
    std::vector<Heard> m_heard;
    double m_strayMs = 0;
};
