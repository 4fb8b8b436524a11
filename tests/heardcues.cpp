#include "heardcues.h"

#include "app/soundcueplayer.h"
#include "app/wavesound.h"

#include <QFile>

#include <algorithm>
#include <cmath>
#include <optional>
#include <thread>

namespace {

constexpr int Rate = SinkRecorder::Rate;
constexpr int OnsetWindow = Rate * 15 / 1000; // the start of a cue that must match where it begins
constexpr int Step = Rate * 2 / 1000; // the resolution of a cue's heard length
constexpr int StrayWindow = Rate * 10 / 1000;
constexpr int LeadingLoss = Rate * 6 / 1000;
constexpr int AttackFrom = Rate * 2 / 1000; // past the fade of a cut cue under the first samples of the next

double squaredDifference(const float *recorded, const float *sound, int count)
{
    double sum = 0;
    for (int j = 0; j < count; ++j) {
        const double d = double(recorded[j]) - sound[j];
        sum += d * d;
    }
    return sum;
}

double energy(const float *sound, int count)
{
    double sum = 0;
    for (int j = 0; j < count; ++j)
        sum += double(sound[j]) * sound[j];
    return sum;
}

} // namespace

const std::array<std::vector<float>, 3> &HeardCues::sounds()
{
    static const std::array<std::vector<float>, 3> all = [] {
        std::array<std::vector<float>, 3> result;
        for (const Cue cue : { Cue::CueCorrect, Cue::CueWrong, Cue::CueTimeOut }) {
            QFile file(SoundCuePlayer::resourceOf(cue));
            file.open(QIODevice::ReadOnly);
            const auto sound = WaveSound::fromBytes(file.readAll());
            if (sound)
                result[std::size_t(cue) - 1] = sound->monoAt(Rate);
        }
        return result;
    }();
    return all;
}

double HeardCues::fileMs(Cue cue)
{
    QFile file(SoundCuePlayer::resourceOf(cue));
    file.open(QIODevice::ReadOnly);
    const auto sound = WaveSound::fromBytes(file.readAll());
    return sound ? sound->seconds() * 1000 : 0;
}

std::vector<HeardCues::Played> HeardCues::playAt(
    CuePlayer &player, const std::vector<std::pair<Cue, Clock::duration>> &cues, Clock::duration *longestCall)
{
    std::vector<Played> played;
    const Clock::time_point first = Clock::now();
    for (const auto &[cue, moment] : cues) {
        std::this_thread::sleep_until(first + moment);
        const Clock::time_point at = Clock::now();
        player.play(cue);
        if (longestCall)
            *longestCall = std::max(*longestCall, Clock::now() - at);
        played.push_back({ cue, at });
    }
    // The last cue's sound, and the recorder's own delay.
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    return played;
}

std::vector<HeardCues::Played> HeardCues::playOnBeat(
    CuePlayer &player, const std::vector<Cue> &cues, Clock::duration apart, Clock::duration *longestCall)
{
    std::vector<std::pair<Cue, Clock::duration>> timed;
    for (const Cue cue : cues)
        timed.emplace_back(cue, apart * int(timed.size()));
    return playAt(player, timed, longestCall);
}

HeardCues::HeardCues(const SinkRecorder &recorder, const std::vector<Played> &played, Clock::duration period,
    Clock::duration monitorDelay)
{
    const int bridge = int(std::chrono::duration<double>(period).count() * Rate);
    const std::vector<float> recorded = recorder.samples();
    const int length = int(recorded.size());
    std::vector<float> unexplained = recorded;
    // Where cues begin and where they are cut short, the step-wise matching leaves a little unexplained.
    std::vector<bool> edges(std::size_t(length / StrayWindow + 1), false);
    std::vector<int> glitches; // where in the recording a cue strayed from its shape
    std::vector<double> tolerated(edges.size(), 0.0);

    for (const Played &call : played) {
        Heard heard;
        const std::vector<float> &sound = sounds()[std::size_t(call.cue) - 1];
        const int soundLength = int(sound.size());
        // Where the cue's sound lies in the recording: the best match of its beginning, from just before what
        // arrived after the call to a quarter of a second later. A server starts a new cue where its sink's mixing
        // stands, which may be a few milliseconds into the sound, so the match leaves that much out.
        const int callAt = int(recorder.firstArrivingFrom(call.at));
        const int from = std::max(0, callAt - Rate * 10 / 1000);
        const int to = std::min(length - LeadingLoss - OnsetWindow, callAt + Rate / 4);
        const double onsetEnergy = energy(sound.data() + LeadingLoss, OnsetWindow);
        std::vector<double> differences;
        double best = onsetEnergy;
        for (int at = from; at <= to; ++at) {
            differences.push_back(
                squaredDifference(recorded.data() + at + LeadingLoss, sound.data() + LeadingLoss, OnsetWindow));
            best = std::min(best, differences.back());
        }
        // A steady tone matches nearly as well a cycle of it earlier or later, and a server that resamples the cue
        // may well make one of those the best: of the near matches, the one whose attack matches is the cue's.
        // Played untouched, the cue matches best where it is.
        const double nearMatch = bridge > 0 ? 0.05 * onsetEnergy : 0;
        int origin = -1;
        double bestAttack = 0;
        for (int at = from; at <= to && best < onsetEnergy; ++at) {
            if (differences[std::size_t(at - from)] > best + nearMatch)
                continue;
            const double attack = squaredDifference(
                recorded.data() + at + AttackFrom, sound.data() + AttackFrom, LeadingLoss - AttackFrom);
            if (origin < 0 || attack < bestAttack) {
                bestAttack = attack;
                origin = at;
            }
        }
        if (origin >= 0 && best < 0.3 * onsetEnergy) {
            // Heard for as long as the recording goes on being the cue, step by step; the quiet end of a cue
            // matches silence as well. `shift` is how much later than `origin` a part of the cue sounds.
            const double floor = Step * 1e-4;
            const auto matches = [&](int at, int shift) {
                const int where = origin + shift + at;
                return at + Step <= soundLength && where >= 0 && where + Step <= length
                    && squaredDifference(recorded.data() + where, sound.data() + at, Step)
                    <= 0.3 * energy(sound.data() + at, Step) + floor;
            };
            int first = 0;
            while (first < LeadingLoss && !matches(first, 0))
                first += Step;
            std::vector<std::pair<int, int>> steps; // each step of the sound heard, with its shift
            int end = first;
            int shift = 0;
            for (;;) {
                while (matches(end, shift)) {
                    steps.emplace_back(end, shift);
                    end += Step;
                }
                // A server that resamples a cue may leave a few milliseconds of it off the file's shape, and the rest
                // a fraction of a sample earlier or later: that is not the cue's end. Where the rest of the cue
                // follows within a period of the recording, it is heard on.
                const auto goesOn
                    = [&](int at, int candidate) { return matches(at, candidate) && matches(at + Step, candidate); };
                std::optional<std::pair<int, int>> resumed;
                for (int at = end + Step; !resumed && at <= end + bridge; at += Step) {
                    // The recording goes on from where the cue failed: by `at - end` in the cue, give or take as
                    // much as the server dropped or repeated.
                    for (int distance = 0; !resumed && distance <= bridge; ++distance) {
                        for (const int candidate : { shift - distance, shift + distance }) {
                            const int advance = candidate + at - (shift + end);
                            if (!resumed && advance >= 0 && advance <= bridge && goesOn(at, candidate))
                                resumed = std::pair(at, candidate);
                        }
                    }
                }
                if (!resumed)
                    break;
                glitches.push_back(origin + shift + end);
                std::tie(end, shift) = *resumed;
            }
            // The first sample heard and the last, to the sample: from the first on and up to the last the
            // recording is the cue's own.
            const auto agrees = [&](int at, int atShift) {
                for (int j = at; j < at + 8 && j < soundLength; ++j) {
                    const int where = origin + atShift + j;
                    if (where >= length || std::abs(recorded[std::size_t(where)] - sound[std::size_t(j)]) > 0.02f)
                        return false;
                }
                return true;
            };
            while (end < soundLength && agrees(end, shift))
                ++end;
            if (soundLength - end < Step && origin + shift + soundLength <= length)
                end = soundLength;
            int lead = std::max(0, first - Step);
            while (lead < first && !agrees(lead, 0))
                ++lead;
            heard.started = true;
            const int onset = origin + lead;
            // The cue's first samples are as quiet as the silence before them: it reached the recorder with the
            // first one that can be told from silence.
            int audible = onset;
            while (
                audible < origin + soundLength && audible < length && std::abs(recorded[std::size_t(audible)]) <= 0.02f)
                ++audible;
            const Clock::time_point arrival = recorder.arrivalOf(std::size_t(audible));
            heard.arrivalMs = std::chrono::duration<double, std::milli>(arrival - call.at).count();
            heard.onsetMs = std::chrono::duration<double, std::milli>(arrival - monitorDelay - call.at).count();
            heard.startMs = onset * 1000.0 / Rate;
            heard.heardMs = (end - lead) * 1000.0 / Rate;
            heard.endMs = (origin + shift + end) * 1000.0 / Rate;
            for (const auto &[at, stepShift] : steps) {
                const int stepEnd = std::min(at + Step, soundLength);
                for (int j = at; j < stepEnd && origin + stepShift + j < length; ++j) {
                    const std::size_t where = std::size_t(origin + stepShift + j);
                    unexplained[where] -= sound[std::size_t(j)];
                    // A server that resamples the cue to its graph's rate and back, or plays part of it a fraction
                    // of a sample earlier or later, leaves a little of it unexplained: as much as the step-wise
                    // matching allows is the cue's still.
                    if (bridge > 0)
                        tolerated[where / StrayWindow] += 0.3 * double(sound[std::size_t(j)]) * sound[std::size_t(j)];
                }
            }
            // Before the first step that matches whole, the samples that are the cue's own.
            for (int j = 0; j < first; ++j) {
                float &sample = unexplained[std::size_t(origin + j)];
                if (std::abs(sample - sound[std::size_t(j)]) < std::abs(sample))
                    sample -= sound[std::size_t(j)];
            }
            edges[std::size_t(onset / StrayWindow)] = true;
            if (end < soundLength)
                edges[std::size_t(std::min(origin + shift + end, length) / StrayWindow)] = true;
        }
        m_heard.push_back(heard);
    }

    // Where a cue strayed, and the step on either side.
    for (const int glitch : glitches) {
        for (int at = std::max(0, glitch - Step); at <= std::min(length, glitch + 2 * bridge + Step); at += StrayWindow)
            edges[std::size_t(at / StrayWindow)] = true;
    }
    for (int window = 0; window + 1 < int(edges.size()); ++window) {
        const bool nearEdge = edges[std::size_t(window)] || (window > 0 && edges[std::size_t(window - 1)])
            || edges[std::size_t(window + 1)];
        const int at = window * StrayWindow;
        if (!nearEdge && at + StrayWindow <= length
            && energy(unexplained.data() + at, StrayWindow)
                > StrayWindow * 0.02 * 0.02 + tolerated[std::size_t(window)])
            m_strayMs += 10;
    }
}

std::vector<double> HeardCues::sortedOnsets() const
{
    std::vector<double> onsets;
    for (const Heard &heard : m_heard) {
        if (heard.started)
            onsets.push_back(heard.onsetMs);
    }
    std::sort(onsets.begin(), onsets.end());
    return onsets;
}
