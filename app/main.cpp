#include "app/frmmain.h"
#include "app/soundcueplayer.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tomelor!"));
    SoundCuePlayer cues;
    TfrmMain frmMain;
    frmMain.setCuePlayer(&cues);
    frmMain.show();
    return app.exec();
}
