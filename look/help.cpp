#include "look/help.h"

#include "look/helpwindow.h"

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QShortcut>

namespace Help {

namespace {

QString topicPath(int topic)
{
    return QStringLiteral(":/%1/topic%2.html").arg(QLatin1String(FileName)).arg(topic);
}

THelpWindow *sharedWindow()
{
    static QPointer<THelpWindow> window;
    if (!window) {
        window = new THelpWindow;
        // The help window has no owner: it goes when the game ends, whichever windows are still open.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, qApp, [] { delete window; });
    }
    return window;
}

} // namespace

QUrl topicUrl(int topic)
{
    const QString path = QFile::exists(topicPath(topic)) ? topicPath(topic) : topicPath(MainWindowTopic);
    return QUrl(QStringLiteral("qrc") + path);
}

void showTopic(int topic, QWidget *asking)
{
    THelpWindow *window = sharedWindow();
    window->setSource(topicUrl(topic));
    QWidget *modal = QApplication::activeModalWidget();
    window->showOver(modal ? modal : asking);
}

void attachTopic(QWidget *window, int topic)
{
    if (!window)
        return;
    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), window);
    f1->setContext(Qt::WindowShortcut);
    QObject::connect(f1, &QShortcut::activated, f1, [topic, window] { showTopic(topic, window); });
}

} // namespace Help
