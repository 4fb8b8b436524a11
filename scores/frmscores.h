#pragma once

#include "look/errorbox.h"
#include "scores/modaldialog.h"
#include "scores/scoretable.h"

#include <QList>
#include <QString>

#include <array>

class QLabel;
class QPushButton;
class TImage;
class TLCD99;
class TMark;
class TfrmCongrats;
class SettingsStore;

// "High Scores": the five best scores of both testaments side by side. Showing it is what judges a pending score:
// set NewOTScore or NewNTScore, then call ShowModal(). Before the dialog is drawn it reads the table from the
// settings file, enters the pending score (asking TfrmCongrats for initials) and fills the rows; the save (merged
// with what another window saved meanwhile) runs while the dialog is up, and its rows then show what was saved.
class TfrmScores : public TModalDialog
{
    Q_OBJECT

public:
    // Keeps the table in the store's file and asks the given dialog for initials; neither is owned.
    TfrmScores(SettingsStore &settings, TfrmCongrats *congrats, QWidget *parent = nullptr);

    // The form's own controls, fields and handlers.
    TImage *Image1; // the Old Testament board
    TImage *Image2; // the New Testament board
    std::array<QLabel *, ScoreRowCount> lblOTUser;
    std::array<TLCD99 *, ScoreRowCount> lcdOTScore;
    std::array<QLabel *, ScoreRowCount> lblNTUser;
    std::array<TLCD99 *, ScoreRowCount> lcdNTScore;
    QPushButton *Button1;
    TMark *mrkNewRow; // frames the row of the score just entered
    // Entry r is the control of row r + 1.
    QList<TLCD99 *> OTScoreDisplays;
    QList<TLCD99 *> NTScoreDisplays;
    QList<QLabel *> OTUserLabels;
    QList<QLabel *> NTUserLabels;
    // The pending scores of the game just ended, 0 = none; handed to the table at the next showing.
    int NewOTScore = 0;
    int NewNTScore = 0;
    void FormCreate();
    void FormShow() override;
    void Button1Click();

    // The table as last shown, read afresh at every showing.
    ScoreTable Table;
    // Who tells the player that the file could not be written: the error message box unless set otherwise.
    void setErrorReporter(ErrorBox::Reporter report) { m_reportError = std::move(report); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString askInitials(const QString &proposed, Testament testament, int score);
    void showTable();

    SettingsStore &m_settings;
    TfrmCongrats *m_congrats;
    ErrorBox::Reporter m_reportError = ErrorBox::show;
};
