#include "app/frmmain.h"
#include "look/help.h"
#include "look/helpwindow.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QTextBrowser>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include <climits>

namespace {

THelpWindow *helpWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *help = qobject_cast<THelpWindow *>(widget))
            return help;
    }
    return nullptr;
}

const QString HowToPlay = QStringLiteral("How to play");
const QString Welcome = QStringLiteral("Welcome and high scores");

// Counts the mouse presses that reach a widget.
class PressCounter : public QObject
{
public:
    int presses = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress)
            ++presses;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

class TestHelp : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        if (THelpWindow *help = helpWindow())
            help->hide();
    }

    void helpFileKeepsItsName() { QCOMPARE(QString::fromLatin1(Help::FileName), QStringLiteral("Tomelor.hlp")); }

    void topicsHaveTheirOwnPages()
    {
        const QUrl main = Help::topicUrl(Help::MainWindowTopic);
        const QUrl firstStart = Help::topicUrl(Help::FirstStartTopic);
        QCOMPARE(Help::MainWindowTopic, 1);
        QCOMPARE(Help::FirstStartTopic, 4);
        QVERIFY(main != firstStart);
        for (const QUrl &page : {main, firstStart}) {
            QFile file(QLatin1Char(':') + page.path());
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(page.toString()));
            QVERIFY(file.size() > 0);
        }
    }

    void numbersWithoutATopicGiveTheFirstTopic_data()
    {
        QTest::addColumn<int>("topic");
        QTest::newRow("0") << 0;
        QTest::newRow("2") << 2;
        QTest::newRow("3") << 3;
        QTest::newRow("6") << 6;
        QTest::newRow("negative") << -4;
        QTest::newRow("largest") << INT_MAX;
        QTest::newRow("smallest") << INT_MIN;
    }

    void numbersWithoutATopicGiveTheFirstTopic()
    {
        QFETCH(int, topic);
        QCOMPARE(Help::topicUrl(topic), Help::topicUrl(Help::MainWindowTopic));
        Help::showTopic(topic);
        QVERIFY(helpWindow());
        QVERIFY(helpWindow()->isVisible());
        QCOMPARE(helpWindow()->topicTitle(), HowToPlay);
    }

    void showTopicOpensTheTopicWithoutBlocking_data()
    {
        QTest::addColumn<int>("topic");
        QTest::addColumn<QString>("title");
        QTest::newRow("main window") << 1 << HowToPlay;
        QTest::newRow("first start") << 4 << Welcome;
        QTest::newRow("progress") << 5 << QStringLiteral("Your progress");
    }

    void showTopicOpensTheTopicWithoutBlocking()
    {
        QFETCH(int, topic);
        QFETCH(QString, title);
        Help::showTopic(topic);
        THelpWindow *help = helpWindow();
        QVERIFY(help);
        QVERIFY(help->isVisible());
        QCOMPARE(help->topicTitle(), title);
        QCOMPARE(help->windowModality(), Qt::NonModal);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void everyTopicSharesOneWindow()
    {
        Help::showTopic(1);
        THelpWindow *first = helpWindow();
        Help::showTopic(4);
        QCOMPARE(helpWindow(), first);
        QCOMPARE(first->topicTitle(), Welcome);
        const auto all = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(all.begin(), all.end(), [](QWidget *w) { return qobject_cast<THelpWindow *>(w); }), 1);
    }

    void linksLeadBetweenTheTopics()
    {
        Help::showTopic(1);
        THelpWindow *help = helpWindow();
        help->setSource(help->source().resolved(QUrl(QStringLiteral("topic4.html"))));
        QCOMPARE(help->topicTitle(), Welcome);
        help->setSource(help->source().resolved(QUrl(QStringLiteral("topic1.html"))));
        QCOMPARE(help->topicTitle(), HowToPlay);
        help->setSource(help->source().resolved(QUrl(QStringLiteral("topic5.html"))));
        QCOMPARE(help->topicTitle(), QStringLiteral("Your progress"));
    }

    // The help opens at the main window's topic, over the middle of the main window.
    void f1OnTheMainWindowOpensTopicOne()
    {
        TfrmMain frmMain;
        frmMain.move(40, 30);
        frmMain.show();
        QApplication::setActiveWindow(&frmMain);
        QVERIFY(QTest::qWaitForWindowActive(&frmMain));
        QTest::keyClick(&frmMain, Qt::Key_F1);
        QVERIFY(helpWindow());
        QVERIFY(helpWindow()->isVisible());
        QCOMPARE(helpWindow()->topicTitle(), HowToPlay);
        const QPoint apart = helpWindow()->geometry().center() - frmMain.geometry().center();
        QVERIFY2(apart.manhattanLength() <= 1, qPrintable(QStringLiteral("%1, %2").arg(apart.x()).arg(apart.y())));
    }

    void f1OnAnAttachedDialogOpensItsTopic()
    {
        QDialog dialog;
        Help::attachTopic(&dialog, Help::FirstStartTopic);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClick(&dialog, Qt::Key_F1);
        QVERIFY(helpWindow());
        QVERIFY(helpWindow()->isVisible());
        QCOMPARE(helpWindow()->topicTitle(), Welcome);
    }

    void attachingToNoWindowIsHarmless() { Help::attachTopic(nullptr, 1); }

    void helpOpenedFromAModalDialogTakesClicks()
    {
        QWidget elsewhere;
        elsewhere.resize(100, 100);
        elsewhere.show();
        QVERIFY(QTest::qWaitForWindowExposed(&elsewhere));

        QDialog dialog;
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        Help::showTopic(Help::FirstStartTopic);
        THelpWindow *help = helpWindow();
        QVERIFY(QTest::qWaitForWindowExposed(help));

        // The modal dialog holds back every other window from the player, but not its own help.
        PressCounter blocked;
        elsewhere.installEventFilter(&blocked);
        QTest::mouseClick(elsewhere.windowHandle(), Qt::LeftButton, {}, QPoint(50, 50));
        QCOMPARE(blocked.presses, 0);

        PressCounter reached;
        help->txtTopic->viewport()->installEventFilter(&reached);
        const QPoint inPage = help->txtTopic->viewport()->mapTo(help, QPoint(20, 20));
        QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {}, inPage);
        QCOMPARE(reached.presses, 1);
    }

    void closingTheMainWindowEndsTheGameWhileHelpIsOpen()
    {
        TfrmMain frmMain;
        frmMain.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frmMain));
        Help::showTopic(Help::MainWindowTopic);
        QVERIFY(helpWindow()->isVisible());

        bool stuck = false;
        QTimer rescue;
        rescue.setSingleShot(true);
        connect(&rescue, &QTimer::timeout, qApp, [&stuck] {
            stuck = true;
            QCoreApplication::quit();
        });
        rescue.start(5000);
        QTimer::singleShot(0, &frmMain, &QWidget::close);
        QApplication::exec();
        QVERIFY(!stuck);
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
