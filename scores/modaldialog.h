#pragma once

#include "look/help.h"

#include <QDialog>

class QPushButton;

// The frame the game's dialogs share: a fixed client size, no title-bar buttons, the button face behind the
// controls and the game's font. Shown modally, it is centred on the screen the first time and later opens where
// it was left. Its show steps run before it is drawn, so that they may open another modal dialog first.
class TModalDialog : public QDialog
{
    Q_OBJECT

public:
    // Runs the show steps, then shows the dialog until it is closed; returns its modal result.
    int ShowModal();

    // The help topic F1 opens: unless the dialog names another, that of the first start, which explains both
    // high-score dialogs.
    int HelpContext() const { return m_helpContext; }

protected:
    TModalDialog(QSize clientSize, QWidget *parent, int helpContext = Help::FirstStartTopic);

    virtual void FormShow() = 0;

    // Esc presses this button, as Enter presses the default button.
    void setCancelButton(QPushButton *button) { m_cancelButton = button; }

    void keyPressEvent(QKeyEvent *event) override;

private:
    QPushButton *m_cancelButton = nullptr;
    int m_helpContext;
};
