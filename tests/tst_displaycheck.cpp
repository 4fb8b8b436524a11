#include "app/displaycheck.h"

#include <QtTest>

class TestDisplayCheck : public QObject
{
    Q_OBJECT

private slots:
    void aMissingDisplayIsNamed_data()
    {
        QTest::addColumn<QByteArray>("platform");
        QTest::addColumn<QByteArray>("x11");
        QTest::addColumn<QByteArray>("wayland");
        QTest::addColumn<bool>("missing");
        QTest::newRow("nothing set") << QByteArray() << QByteArray() << QByteArray() << true;
        QTest::newRow("Wayland display") << QByteArray("wayland") << QByteArray() << QByteArray("wayland-0") << false;
        QTest::newRow("window system asked for") << QByteArray("xcb") << QByteArray() << QByteArray() << true;
        QTest::newRow("list ending in one without display")
            << QByteArray("wayland;xcb;vnc") << QByteArray() << QByteArray() << false;
    }

    void aMissingDisplayIsNamed()
    {
        QFETCH(QByteArray, platform);
        QFETCH(QByteArray, x11);
        QFETCH(QByteArray, wayland);
        QFETCH(bool, missing);
        const QByteArray saved[] = { qgetenv("QT_QPA_PLATFORM"), qgetenv("DISPLAY"), qgetenv("WAYLAND_DISPLAY") };
        qputenv("QT_QPA_PLATFORM", platform);
        qputenv("DISPLAY", x11);
        qputenv("WAYLAND_DISPLAY", wayland);
        const std::string message = missingDisplayMessage();
        qputenv("QT_QPA_PLATFORM", saved[0]);
        qputenv("DISPLAY", saved[1]);
        qputenv("WAYLAND_DISPLAY", saved[2]);

        QCOMPARE(message.empty(), !missing);
        if (missing) {
            QVERIFY(message.find("DISPLAY") != std::string::npos);
            QVERIFY(message.find("WAYLAND_DISPLAY") != std::string::npos);
            QVERIFY(message.find('\n') == std::string::npos);
        }
    }
};

QTEST_GUILESS_MAIN(TestDisplayCheck)

#include "tst_displaycheck.moc"
