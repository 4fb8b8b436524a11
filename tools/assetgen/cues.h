#pragma once

#include "game/cueplayer.h"

#include <vector>

// The three sound cues, synthesised: a bright rising chime for a right book, a low buzz for a wrong one and a
// falling tone when the countdown runs out.
namespace Cues {

struct Sound
{
    int sampleRate;
    int bitsPerSample;
    std::vector<double> samples; // -1..1, silent at both ends
};

Sound synthesize(Cue cue);

} // namespace Cues
