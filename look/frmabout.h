#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTextBrowser;

// "About Tomelor!": what the program is, its version, and the licences of the program and of its font, as the
// copyright file installed with it words them.
class TfrmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmAbout(QWidget *parent = nullptr);

    QLabel *lblTitle; // the program's name and version
    QLabel *lblSummary; // what the game is for
    QTextBrowser *txtLicences;
    QPushButton *btnClose;

    // Opens the one About window over the window that asks, modal to it, and returns at once.
    static void showOver(QWidget *asking);
};
