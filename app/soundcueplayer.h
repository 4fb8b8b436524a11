#pragma once

#include "game/cueplayer.h"

#include <QString>

#include <array>
#include <functional>
#include <memory>

// Plays the game's cues through one playback stream of the desktop's sound server (PulseAudio, or PipeWire's
// PulseAudio server), made and linked once and corked while no cue sounds, so that the server's graph sleeps and
// no other program's periods are shortened by it. A cue is written where the server reads next and sounds at
// once; a new cue cuts the one still sounding, crossfaded over a millisecond and a half so that the cut never
// clicks. Cues are neither mixed nor queued. play() only hands the cue to the player's own thread and never waits
// for the server.
//
// Without a server the game goes on in silence, after one line on the standard error; a server that goes away is
// looked for again at the next cue. A cue whose sound is missing from the resources sounds the desktop's alert.
class SoundCuePlayer : public CuePlayer
{
public:
    using Alert = std::function<void()>;

    // The cues of the program's resources, with the desktop's alert for a missing one.
    SoundCuePlayer();
    // The cues from the given resource paths (":/..."), in the order CueCorrect, CueWrong, CueTimeOut.
    SoundCuePlayer(const std::array<QString, 3> &resources, Alert alert);
    ~SoundCuePlayer() override;

    void play(Cue cue) override;

    // The resource path of a cue's sound.
    static QString resourceOf(Cue cue);
    // The rate of the stream, to which every cue is converted once as the player is made.
    static constexpr int Rate = 22050;

private:
    class Client;

    std::array<bool, 3> m_loaded {};
    Alert m_alert;
    std::unique_ptr<Client> m_client;
};
