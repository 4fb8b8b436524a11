#include "cues.h"

#include <algorithm>
#include <cmath>

namespace Cues {

namespace {

constexpr double TwoPi = 2 * M_PI;

// Raised-cosine fades at both ends, so that every cue starts and stops at rest without a click.
void fade(std::vector<double> &samples, int sampleRate, double attack, double release)
{
    const int in = std::max(1, int(attack * sampleRate));
    const int out = std::max(1, int(release * sampleRate));
    const int count = int(samples.size());
    for (int i = 0; i < count; ++i) {
        double gain = 1;
        if (i < in)
            gain *= 0.5 - 0.5 * std::cos(M_PI * i / in);
        if (i >= count - out)
            gain *= 0.5 - 0.5 * std::cos(M_PI * (count - 1 - i) / out);
        samples[i] *= gain;
    }
}

// A small bell: a struck tone with a few partials, the higher ones dying away sooner.
double bell(double t, double frequency)
{
    if (t < 0)
        return 0;
    const double strike = 1 - std::exp(-t / 0.002);
    return strike
        * (std::sin(TwoPi * frequency * t) * std::exp(-t / 0.16)
            + 0.35 * std::sin(TwoPi * frequency * 2.0 * t) * std::exp(-t / 0.07)
            + 0.12 * std::sin(TwoPi * frequency * 3.01 * t) * std::exp(-t / 0.04));
}

// Two notes a fifth apart, then the octave: a quick rising arpeggio.
Sound chime()
{
    Sound sound { 22000, 8, std::vector<double>(5376) };
    const double notes[][2] = { { 0.0, 1046.5 }, { 0.055, 1568.0 }, { 0.11, 2093.0 } };
    for (int i = 0; i < int(sound.samples.size()); ++i) {
        const double t = double(i) / sound.sampleRate;
        double value = 0;
        for (const auto &note : notes)
            value += bell(t - note[0], note[1]);
        sound.samples[i] = 0.42 * value;
    }
    fade(sound.samples, sound.sampleRate, 0.002, 0.04);
    return sound;
}

// Two low, slightly mistuned square-ish tones that beat against each other, softened so they growl, not rasp.
Sound buzz()
{
    Sound sound { 22050, 8, std::vector<double>(7545) };
    double smoothed = 0;
    for (int i = 0; i < int(sound.samples.size()); ++i) {
        const double t = double(i) / sound.sampleRate;
        const double droop = 1 - 0.06 * t / 0.34;
        double raw = 0;
        for (const double frequency : { 110.0, 116.5 }) {
            const double phase = TwoPi * frequency * droop * t;
            raw += std::tanh(3.0 * std::sin(phase)) + 0.3 * std::sin(3 * phase);
        }
        smoothed += (raw - smoothed) * 0.25;
        sound.samples[i] = 0.36 * smoothed;
    }
    fade(sound.samples, sound.sampleRate, 0.006, 0.06);
    return sound;
}

// A tone gliding down from A5 to E4, like a timer winding down.
Sound fall()
{
    Sound sound { 22050, 16, std::vector<double>(5463) };
    const double duration = double(sound.samples.size()) / sound.sampleRate;
    const double from = 880.0;
    const double to = 330.0;
    double phase = 0;
    for (int i = 0; i < int(sound.samples.size()); ++i) {
        const double t = double(i) / sound.sampleRate;
        const double frequency = from * std::pow(to / from, t / duration);
        phase += TwoPi * frequency / sound.sampleRate;
        const double body = std::sin(phase) + 0.25 * std::sin(2 * phase) + 0.1 * std::sin(3 * phase);
        sound.samples[i] = 0.55 * body * (1 - 0.35 * t / duration);
    }
    fade(sound.samples, sound.sampleRate, 0.004, 0.05);
    return sound;
}

} // namespace

Sound synthesize(Cue cue)
{
    switch (cue) {
    case Cue::CueCorrect:
        return chime();
    case Cue::CueWrong:
        return buzz();
    case Cue::CueTimeOut:
        break;
    }
    return fall();
}

} // namespace Cues
