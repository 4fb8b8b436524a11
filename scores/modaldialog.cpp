#include "scores/modaldialog.h"

#include "controls/image.h"
#include "look/windowlook.h"
#include "platform/windowrole.h"

#include <QKeyEvent>
#include <QPushButton>

TModalDialog::TModalDialog(QSize clientSize, QWidget *parent, int helpContext)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_helpContext(helpContext)
{
    Platform::setRole(this, WindowRole::ModalDialog, clientSize);
    applyWindowLook(this);
    Help::attachTopic(this, HelpContext());
}

int TModalDialog::ShowModal()
{
    FormShow();
    const int result = exec();
    // Between the ends of games a closed dialog holds nothing worth its back buffer (a megabyte) or its pictures
    // (the keyed copies, half a megabyte each): the window is made again at the next showing, where the dialog
    // was left, and the pictures when they are painted.
    destroy();
    for (TImage *image : findChildren<TImage *>())
        image->releasePicture();
    return result;
}

void TModalDialog::keyPressEvent(QKeyEvent *event)
{
    if (m_cancelButton && event->matches(QKeySequence::Cancel)) {
        m_cancelButton->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
