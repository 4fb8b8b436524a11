#include "game/catalogue.h"
#include "game/hints.h"

#include <QtTest>

// The books of both testaments, their names as lettered and as spoken, and their hints.
class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void catalogueNamesTheBooks()
    {
        QCOMPARE(bookName(Testament::Old, 1), std::string_view("Genesis"));
        QCOMPARE(bookName(Testament::Old, 39), std::string_view("Malachi"));
        QCOMPARE(bookName(Testament::New, 25), std::string_view("III John"));
        QVERIFY(bookName(Testament::New, 28).empty());
        QVERIFY(bookName(Testament::Old, 0).empty());
        QCOMPARE(testamentName(Testament::New), QStringLiteral("New Testament"));
    }

    void spokenNamesReadRomanNumbersAsDigits_data()
    {
        QTest::addColumn<Testament>("testament");
        QTest::addColumn<int>("tag");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("I Samuel") << Testament::Old << 9 << QStringLiteral("1 Samuel");
        QTest::newRow("II Chronicles") << Testament::Old << 14 << QStringLiteral("2 Chronicles");
        QTest::newRow("Isaiah keeps its I") << Testament::Old << 23 << QStringLiteral("Isaiah");
        QTest::newRow("III John") << Testament::New << 25 << QStringLiteral("3 John");
        QTest::newRow("II John") << Testament::New << 24 << QStringLiteral("2 John");
        QTest::newRow("Revelation") << Testament::New << 27 << QStringLiteral("Revelation");
        QTest::newRow("no such book") << Testament::New << 28 << QString();
    }

    void spokenNamesReadRomanNumbersAsDigits()
    {
        QFETCH(Testament, testament);
        QFETCH(int, tag);
        QFETCH(QString, spoken);
        QCOMPARE(spokenBookName(testament, tag), spoken);
    }

    void everyBookHasAHintAndNoOtherTagDoes()
    {
        for (const Testament testament : {Testament::Old, Testament::New}) {
            for (int tag = 1; tag <= bookCount(testament); ++tag)
                QVERIFY(!Hints::text(testament, tag).isEmpty());
            QVERIFY(Hints::text(testament, 0).isEmpty());
            QVERIFY(Hints::text(testament, bookCount(testament) + 1).isEmpty());
        }
        QCOMPARE(
            Hints::text(Testament::New, 13), QStringLiteral("Letter telling people to \"mind their own business\""));
        QCOMPARE(Hints::text(Testament::Old, 7), QStringLiteral("13 people who took over Joshua\u2019s role"));
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
