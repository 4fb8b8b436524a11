#include "app/gameapplication.h"

#include "app/frmmain.h"
#include "app/paintnow.h"
#include "app/soundcueplayer.h"
#include "app/splash.h"
#include "look/compositorhints.h"
#include "look/help.h"
#include "scores/frmcongrats.h"
#include "scores/frmprogress.h"
#include "scores/frmscores.h"
#include "scores/profilefile.h"
#include "scores/progressfile.h"
#include "scores/settingskeys.h"

#include <QApplication>

namespace {

const char *const ApplicationTitle = "Tomelor!";

// An X11 window manager keeps the splash above the main window that comes up behind it. A Wayland compositor
// offers no way to stay on top: the newer window goes above, so the splash would be covered for its whole hold.
// Nor may a Wayland client place its windows: the compositor places each when it is mapped, and one that is mapped
// and then left unanswered through the hold is placed late (it jumps), or is placed off the splash still standing
// in the middle rather than in the middle itself.
bool windowsStayOnTop()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

GameApplication::GameApplication(ErrorBox::Reporter reportError, std::chrono::milliseconds splashHold)
    : m_reportError(std::move(reportError))
{
    // The splash deletes itself once the event loop runs.
    auto *splash = new TSplash;
    splash->setHold(splashHold);
    splash->showAndPaint();

    QApplication::setApplicationName(QString::fromLatin1(ApplicationTitle));

    frmMain = std::make_unique<TfrmMain>();
    // Where the splash cannot stay on top, the main window comes when the splash goes.
    const bool mainWindowBehindSplash = windowsStayOnTop();
    if (mainWindowBehindSplash)
        frmMain->show();
    frmCongrats = new TfrmCongrats(frmMain.get());
    frmScores = new TfrmScores(frmCongrats, frmMain.get());
    frmScores->setErrorReporter([this](QWidget *parent, const QString &message) {
        m_failureReported = true;
        m_reportError(parent, message);
    });
    QObject::connect(frmMain.get(), &TfrmMain::gameFinished, frmMain.get(), [this] { saveProgress(); });
    QObject::connect(frmMain.get(), &TfrmMain::highScoresDue, frmMain.get(), [this] { showHighScores(); });
    QObject::connect(frmMain.get(), &TfrmMain::progressWanted, frmMain.get(), [this] { showProgress(); });
    paintNow(frmMain.get());
    // Nothing of the sound server is needed for the first paint: the library and the connection come now, once the
    // windows on the screen are painted, and the player's thread uploads the cues during the splash's hold.
    m_cues = std::make_unique<SoundCuePlayer>();
    frmMain->setCuePlayer(m_cues.get());

    ProfileFile settings(ProfileFile::defaultPath());
    const QString section = QString::fromLatin1(SettingsKeys::SettingsSection);
    const QString key = QString::fromLatin1(SettingsKeys::FirstTimeKey);
    const bool firstTime = settings.readBool(section, key, true);

    const auto welcome = [this] { Help::showTopic(Help::FirstStartTopic, frmMain.get()); };
    splash->close();
    if (!mainWindowBehindSplash) {
        splash->hide();
        frmMain->show();
        // The help that stands over the main window comes once the compositor has placed the main window.
        askToBeCentred(frmMain.get(), firstTime ? std::function<void()>(welcome) : nullptr);
        paintNow(frmMain.get());
    }

    if (firstTime) {
        if (!settings.writeBool(section, key, false))
            m_reportError(frmMain.get(), settings.writeFailureMessage());
        if (mainWindowBehindSplash)
            welcome();
    }
}

GameApplication::~GameApplication() = default;

TfrmProgress *GameApplication::progressWindow()
{
    if (!m_progress) {
        m_progress = new TfrmProgress(frmMain.get());
        m_progress->setErrorReporter(m_reportError);
        for (std::optional<Progress> &game : m_lastGames) {
            if (game)
                m_progress->setLastGame(*std::exchange(game, std::nullopt));
        }
    }
    return m_progress;
}

void GameApplication::saveProgress()
{
    // The table, saved first, has told the player already if the file cannot be written: once is enough.
    const bool told = std::exchange(m_failureReported, false);
    const Progress &game = frmMain->round().record();
    if (m_progress)
        m_progress->setLastGame(game);
    else
        m_lastGames[game.testament() == Testament::New ? 1 : 0] = game;
    ProfileFile file(ProfileFile::defaultPath());
    if (!ProgressFile::add(file, game) && !told)
        m_reportError(frmMain.get(), file.writeFailureMessage() + QStringLiteral("; your progress was not stored"));
}

void GameApplication::showProgress()
{
    TfrmProgress *window = progressWindow();
    window->setTestament(frmMain->chosenTestament());
    window->ShowModal();
}

void GameApplication::showHighScores()
{
    frmScores->NewOTScore = frmMain->NewOTScore;
    frmScores->NewNTScore = frmMain->NewNTScore;
    frmScores->ShowModal();
}
