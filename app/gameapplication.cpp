#include "app/gameapplication.h"

#include "app/frmmain.h"
#include "app/soundcueplayer.h"
#include "app/splash.h"
#include "controls/mgcheckbox.h"
#include "look/help.h"
#include "platform/firstpaint.h"
#include "platform/windowrole.h"
#include "scores/frmcongrats.h"
#include "scores/frmprogress.h"
#include "scores/frmscores.h"
#include "scores/progressfile.h"
#include "scores/settingskeys.h"
#include "settings/settingsstore.h"

#include <QApplication>
#include <QCoreApplication>

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
    : settings(std::make_unique<SettingsStore>(ProfileFile::defaultPath()))
    , m_reportError(std::move(reportError))
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
    frmScores = new TfrmScores(*settings, frmCongrats, frmMain.get());
    frmScores->setErrorReporter([this](QWidget *parent, const QString &message) {
        m_failureReported = true;
        m_reportError(parent, message);
    });
    QObject::connect(frmMain.get(), &TfrmMain::switchesChanged, frmMain.get(), [this] { saveSwitches(); });
    QObject::connect(frmMain.get(), &TfrmMain::gameFinished, frmMain.get(), [this] { saveProgress(); });
    QObject::connect(frmMain.get(), &TfrmMain::highScoresDue, frmMain.get(), [this] { showHighScores(); });
    QObject::connect(frmMain.get(), &TfrmMain::progressWanted, frmMain.get(), [this] { showProgress(); });
    QObject::connect(frmMain.get(), &TfrmMain::practiceWanted, frmMain.get(), [this] { practiseCostliest(); });
    paintNow(frmMain.get());
    // Nothing of the sound server is needed for the first paint: the library and the connection come now, once the
    // windows on the screen are painted, and the player's thread uploads the cues during the splash's hold.
    m_cues = std::make_unique<SoundCuePlayer>();
    frmMain->setCuePlayer(m_cues.get());

    // The switches as the player left them, and whether this is the very first start: the file is read while the
    // windows come up.
    settings->read(frmMain.get(), [this](const ProfileFile &file) {
        const QString section = QString::fromLatin1(SettingsKeys::SettingsSection);
        const bool newTestament = file.readInteger(section, QString::fromLatin1(SettingsKeys::TestamentKey), 0) == 1;
        frmMain->restoreSwitches(newTestament ? Testament::New : Testament::Old,
            file.readBool(section, QString::fromLatin1(SettingsKeys::HintsKey), false));
        const QString key = QString::fromLatin1(SettingsKeys::FirstTimeKey);
        if (!file.readBool(section, key, true))
            return;
        settings->write({{section, key, QStringLiteral("0")}}, frmMain.get(),
            [this](const QString &failure) { reportSettingsFailure(failure); });
        m_welcomeDue = true;
        welcomeWhenDue();
    });
    // A save that waits for another copy's lock shows it, as any program that is busy for a moment does.
    QObject::connect(settings.get(), &SettingsStore::savingChanged, frmMain.get(), [](bool saving) {
        if (saving)
            QGuiApplication::setOverrideCursor(Qt::BusyCursor);
        else
            QGuiApplication::restoreOverrideCursor();
    });

    splash->close();
    if (!mainWindowBehindSplash) {
        splash->hide();
        frmMain->show();
        paintNow(frmMain.get());
    }
    // The help that stands over the main window comes once the compositor has placed the main window.
    Platform::whenPlaced(frmMain.get(), [this] {
        m_mainWindowPlaced = true;
        welcomeWhenDue();
    });
}

void GameApplication::welcomeWhenDue()
{
    if (m_welcomeDue && m_mainWindowPlaced) {
        m_welcomeDue = false;
        Help::showTopic(Help::FirstStartTopic, frmMain.get());
    }
}

GameApplication::~GameApplication() = default;

TfrmProgress *GameApplication::progressWindow()
{
    if (!m_progress) {
        m_progress = new TfrmProgress(*settings, m_lastGames, frmMain.get());
        m_progress->setErrorReporter(m_reportError);
    }
    return m_progress;
}

void GameApplication::saveSwitches()
{
    const QString section = QString::fromLatin1(SettingsKeys::SettingsSection);
    const auto entry = [&section](const char *key, bool on) {
        return ProfileFile::Entry {section, QString::fromLatin1(key), on ? QStringLiteral("1") : QStringLiteral("0")};
    };
    settings->write({entry(SettingsKeys::TestamentKey, frmMain->chosenTestament() == Testament::New),
                        entry(SettingsKeys::HintsKey, frmMain->chkHints->Checked())},
        frmMain.get(), [this](const QString &failure) { reportSettingsFailure(failure); });
}

void GameApplication::reportSettingsFailure(const QString &failure)
{
    // A player flipping switches over a file that cannot be written hears of it once, not at every flip.
    if (!failure.isEmpty() && !std::exchange(m_settingsFailureReported, true))
        m_reportError(frmMain.get(), failure);
}

void GameApplication::saveProgress()
{
    const Progress &game = frmMain->round().record();
    m_lastGames.set(game);
    settings->save([game](ProfileFile &file) { return ProgressFile::add(file, game); }, frmMain.get(),
        [this](const QString &failure) {
            // The table, saved first, has told the player already if the file cannot be written: once is enough.
            if (!std::exchange(m_failureReported, false) && !failure.isEmpty())
                m_reportError(frmMain.get(),
                    QCoreApplication::translate("GameApplication", "%1; your progress was not stored").arg(failure));
        });
}

void GameApplication::showProgress()
{
    TfrmProgress *window = progressWindow();
    window->setTestament(frmMain->chosenTestament());
    window->ShowModal();
    if (const std::optional<Section> section = window->toPractise())
        frmMain->StartPractice(*section);
}

void GameApplication::practiseCostliest()
{
    const Progress record = ProgressFile::load(settings->current(), frmMain->chosenTestament());
    frmMain->StartPractice(record.sectionToPractise());
}

void GameApplication::showHighScores()
{
    frmScores->NewOTScore = frmMain->NewOTScore;
    frmScores->NewNTScore = frmMain->NewNTScore;
    frmScores->ShowModal();
}
