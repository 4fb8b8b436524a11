#include "app/gameapplication.h"

#include "app/frmmain.h"
#include "app/paintnow.h"
#include "app/soundcueplayer.h"
#include "app/splash.h"
#include "look/help.h"
#include "scores/frmcongrats.h"
#include "scores/frmscores.h"
#include "scores/profilefile.h"
#include "scores/settingskeys.h"

#include <QApplication>

namespace {

const char *const ApplicationTitle = "Tomelor!";

} // namespace

GameApplication::GameApplication(ErrorBox::Reporter reportError, std::chrono::milliseconds splashHold)
{
    // The splash deletes itself once the event loop runs.
    auto *splash = new TSplash;
    splash->setHold(splashHold);
    splash->showAndPaint();

    QApplication::setApplicationName(QString::fromLatin1(ApplicationTitle));

    frmMain = std::make_unique<TfrmMain>();
    frmMain->show();
    frmCongrats = new TfrmCongrats(frmMain.get());
    frmScores = new TfrmScores(frmCongrats, frmMain.get());
    frmScores->setErrorReporter(reportError);
    QObject::connect(frmMain.get(), &TfrmMain::highScoresDue, frmMain.get(), [this] { showHighScores(); });
    paintNow(frmMain.get());
    // Nothing of the sound server is needed before the windows are painted: the library and the connection come
    // now, and the cues are silent until then.
    m_cues = std::make_unique<SoundCuePlayer>();
    frmMain->setCuePlayer(m_cues.get());

    ProfileFile settings(ProfileFile::defaultPath());
    const QString section = QString::fromLatin1(SettingsKeys::SettingsSection);
    const QString key = QString::fromLatin1(SettingsKeys::FirstTimeKey);
    const bool firstTime = settings.readBool(section, key, true);

    splash->close();

    if (firstTime) {
        if (!settings.writeBool(section, key, false))
            reportError(frmMain.get(), settings.writeFailureMessage());
        Help::showTopic(Help::FirstStartTopic, frmMain.get());
    }
}

GameApplication::~GameApplication() = default;

void GameApplication::showHighScores()
{
    frmScores->NewOTScore = frmMain->NewOTScore;
    frmScores->NewNTScore = frmMain->NewNTScore;
    frmScores->ShowModal();
}
