#include "app/frmmain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tomelor!"));
    TfrmMain frmMain;
    frmMain.show();
    return app.exec();
}
