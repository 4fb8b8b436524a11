#include "look/errorbox.h"

#include <QApplication>
#include <QMessageBox>

namespace ErrorBox {

void show(QWidget *parent, const QString &message)
{
    QMessageBox::critical(parent, QApplication::applicationName(), message);
}

} // namespace ErrorBox
