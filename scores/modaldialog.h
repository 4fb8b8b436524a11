#pragma once

#include <QDialog>

class QPushButton;

// The frame both high-score dialogs share: a fixed client size, no title-bar buttons, the button face behind the
// controls and the game's font. Shown modally, it is centred on the screen the first time and later opens where
// it was left. Its show steps run before it is drawn, so that they may open another modal dialog first.
class TModalDialog : public QDialog
{
    Q_OBJECT

public:
    // Runs the show steps, then shows the dialog until it is closed; returns its modal result.
    int ShowModal();

    // F1 opens the help topic of the first start, which explains both dialogs.
    int HelpContext() const;

protected:
    TModalDialog(QSize clientSize, QWidget *parent);

    virtual void FormShow() = 0;

    // Esc presses this button, as Enter presses the default button.
    void setCancelButton(QPushButton *button) { m_cancelButton = button; }

    void keyPressEvent(QKeyEvent *event) override;

public:
    void setVisible(bool visible) override;

private:
    QPushButton *m_cancelButton = nullptr;
    bool m_placed = false;
};
