#pragma once

#include "app/splash.h"
#include "game/lastgames.h"
#include "look/errorbox.h"

#include <chrono>
#include <memory>

class CuePlayer;
class SettingsStore;
class TfrmCongrats;
class TfrmMain;
class TfrmProgress;
class TfrmScores;

// The game from its first picture to the event loop: the splash while the windows come up, the main window and
// the two high-score dialogs (hidden until a game ends), and the welcome on the very first start.
class GameApplication
{
public:
    // Runs the start sequence; the caller then runs the event loop. Needs the QApplication. Errors go to the
    // message box unless another reporter is given; the splash holds for `splashHold` before it goes.
    explicit GameApplication(
        ErrorBox::Reporter reportError = ErrorBox::show, std::chrono::milliseconds splashHold = TSplash::DefaultHold);
    ~GameApplication();

    // The one settings file, read and saved off the windows' thread; the dialogs are handed it.
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<TfrmMain> frmMain;
    TfrmScores *frmScores;     // owned by the main window
    TfrmCongrats *frmCongrats; // owned by the main window

    // The Progress window, made when it is first shown or asked for (owned by the main window).
    TfrmProgress *progressWindow();

private:
    // The welcome help of the very first start, once the file has said it is one and the main window is placed.
    void welcomeWhenDue();
    // Stores the testament and hints switches as the player set them, for the next start.
    void saveSwitches();
    // Tells the player the first time this run that the settings file could not be written.
    void reportSettingsFailure(const QString &failure);
    // Adds the game just ended to the progress in the settings file.
    void saveProgress();
    void showProgress();
    // A practice game of the section of the chosen testament that costs the player most, by the record in the file.
    void practiseCostliest();
    // Hands the score of a finished game to the high-score table and shows it until the player closes it.
    void showHighScores();

    std::unique_ptr<CuePlayer> m_cues;
    ErrorBox::Reporter m_reportError;
    TfrmProgress *m_progress = nullptr;
    // The Progress window is made when it is first shown: a window of a table and a chart would otherwise be built
    // at the end of every game, while the high-score dialogs are up, only to hold the last game.
    LastGames m_lastGames;
    // The high-score table reported a file it could not write at this end of a game; the progress saved after it
    // then says nothing more. A settings file that cannot be written is told once a game, not for each thing saved.
    bool m_failureReported = false;
    bool m_settingsFailureReported = false;
    bool m_welcomeDue = false;
    bool m_mainWindowPlaced = false;
};
