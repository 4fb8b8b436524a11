#include "app/gameapplication.h"

#include "app/errorbox.h"
#include "app/frmmain.h"
#include "app/help.h"
#include "app/paintnow.h"
#include "app/soundcueplayer.h"
#include "app/splash.h"
#include "scores/frmcongrats.h"
#include "scores/frmscores.h"
#include "scores/profilefile.h"

#include <QApplication>

namespace {

const char *const ApplicationTitle = "Tomelor!";

} // namespace

GameApplication::GameApplication()
{
    // The splash deletes itself once the event loop runs.
    auto *splash = new TSplash;
    splash->showAndPaint();

    QApplication::setApplicationName(QString::fromLatin1(ApplicationTitle));

    m_cues = std::make_unique<SoundCuePlayer>();
    frmMain = std::make_unique<TfrmMain>();
    frmMain->setCuePlayer(m_cues.get());
    frmMain->show();
    frmCongrats = new TfrmCongrats(frmMain.get());
    frmScores = new TfrmScores(frmCongrats, frmMain.get());
    QObject::connect(frmMain.get(), &TfrmMain::highScoresDue, frmMain.get(), [this] { showHighScores(); });
    paintNow(frmMain.get());

    ProfileFile settings(ProfileFile::defaultPath());
    const bool firstTime = settings.readBool(QStringLiteral("Settings"), QStringLiteral("First Time"), true);

    splash->close();

    if (firstTime) {
        if (!settings.writeBool(QStringLiteral("Settings"), QStringLiteral("First Time"), false))
            ErrorBox::show(frmMain.get(), settings.writeFailureMessage());
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
