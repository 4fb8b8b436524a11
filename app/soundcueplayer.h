#pragma once

#include "game/cueplayer.h"

#include <QString>

#include <array>
#include <functional>
#include <memory>

class QSoundEffect;

// Plays the game's cues through Qt Multimedia, each loaded once from the compiled-in resources. A new cue stops
// the one still sounding; cues are neither mixed nor queued. Without a sound device nothing is heard and the game
// goes on; a cue whose sound is missing from the resources sounds the desktop's alert instead.
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

private:
    std::array<std::unique_ptr<QSoundEffect>, 3> m_effects; // null where the resource is missing
    Alert m_alert;
};
