#include "app/errorbox.h"

#include <QApplication>
#include <QMessageBox>

namespace ErrorBox {

namespace {

Handler &handler()
{
    static Handler installed;
    return installed;
}

} // namespace

void show(QWidget *parent, const QString &message)
{
    if (handler())
        handler()(parent, message);
    else
        QMessageBox::critical(parent, QApplication::applicationName(), message);
}

void setHandler(Handler replacement)
{
    handler() = std::move(replacement);
}

} // namespace ErrorBox
