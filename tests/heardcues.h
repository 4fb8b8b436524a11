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
    struct Played
    {
        Cue cue;
        SinkRecorder::Clock::time_point at; // when play() was called
    };
    struct Heard
    {
        bool started = false;
        double onsetMs = 0; // from the play() call to the first sample heard
        double startMs = 0; // the first sample heard, from the start of the recording
        double heardMs = 0; // how long the cue sounded as it is in its file
    };

    // The sounds of the three cues, from the program's resources, at the recorder's rate.
    static const std::array<std::vector<float>, 3> &sounds();
    static double fileMs(Cue cue);

    HeardCues(const SinkRecorder &recorder, const std::vector<Played> &played);

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
