#pragma once

#include "game/progress.h"
#include "look/errorbox.h"
#include "scores/modaldialog.h"

#include <QString>

#include <functional>

class QLabel;
class QPushButton;
class QTableWidget;
class TProgressChart;
class LastGames;
class SettingsStore;

// "Progress": what each book of a testament has cost the player over all games, read from the settings file at
// every showing. A chart shows the average seconds per book and how often each cost points, two lines name the
// slowest and costliest books, and a table gives the same figures to the keyboard and to screen readers. A second
// table gives each section's cost, the costliest selected, for a practice game of the one chosen.
class TfrmProgress : public TModalDialog
{
    Q_OBJECT

public:
    // Asked before anything is forgotten; true to go ahead.
    using Confirmer = std::function<bool(QWidget *parent, const QString &question)>;

    // Reads and keeps the progress in the store's file and marks the last games; neither is owned.
    TfrmProgress(SettingsStore &settings, LastGames &lastGames, QWidget *parent = nullptr);

    TProgressChart *chtProgress;
    QLabel *lblSummary; // "Slowest: …" and "Cost you most: …", or what will appear once a game is played
    QTableWidget *grdBooks;
    QTableWidget *grdSections;
    QLabel *lblPractice; // how a section's cost is reckoned
    QPushButton *btnPractise;
    QPushButton *btnForget;
    QPushButton *btnClose;

    // The testament shown; the main window's choice.
    Testament testament() const { return m_progress.testament(); }
    void setTestament(Testament testament) { m_progress = Progress(testament); }
    // The progress as last read from the file.
    const Progress &progress() const { return m_progress; }
    // The section the player chose to practise when the window closed; nothing when it was simply closed.
    const std::optional<Section> &toPractise() const { return m_toPractise; }

    void FormShow() override;
    void btnForgetClick();
    void btnPractiseClick();

    void setErrorReporter(ErrorBox::Reporter report) { m_reportError = std::move(report); }
    void setConfirmer(Confirmer confirm) { m_confirm = std::move(confirm); }

private:
    void showProgress();
    void showSections();

    Progress m_progress;
    std::optional<Section> m_toPractise;
    SettingsStore &m_settings;
    LastGames &m_lastGames;
    ErrorBox::Reporter m_reportError = ErrorBox::show;
    Confirmer m_confirm;
};
