#pragma once

// The three sounds of the game, numbered as the program's sound resources.
enum class Cue { CueCorrect = 1, CueWrong = 2, CueTimeOut = 3 };

// Starts a cue and returns at once; the game never waits for a sound.
class CuePlayer
{
public:
    virtual ~CuePlayer() = default;
    virtual void play(Cue cue) = 0;
};

// For machines without sound, and until real playback is wired in.
class SilentCuePlayer : public CuePlayer
{
public:
    void play(Cue) override { }
};
