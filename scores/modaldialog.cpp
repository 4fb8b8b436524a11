#include "scores/modaldialog.h"

#include "app/gamefont.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

TModalDialog::TModalDialog(QSize clientSize, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setFixedSize(clientSize);
    setFont(gameFont());
    QPalette background = palette();
    background.setColor(QPalette::Window, background.color(QPalette::Button));
    setPalette(background);
    setAutoFillBackground(true);
}

int TModalDialog::ShowModal()
{
    FormShow();
    if (!m_placed) {
        if (const QScreen *screen = this->screen())
            move(screen->availableGeometry().center() - rect().center());
        m_placed = true;
    }
    return exec();
}

void TModalDialog::keyPressEvent(QKeyEvent *event)
{
    if (m_cancelButton && event->matches(QKeySequence::Cancel)) {
        m_cancelButton->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
