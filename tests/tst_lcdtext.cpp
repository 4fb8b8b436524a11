#include "controls/lcdtext.h"

#include <QtTest>

class TestLcdText : public QObject
{
    Q_OBJECT

private slots:
    void valuesAreNormalised_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("stored");

        QTest::newRow("digits") << "500"
                                << "500";
        QTest::newRow("negative score") << "-20"
                                        << "-20";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("lower case is raised") << "abc"
                                              << "ABC";
        QTest::newRow("every allowed character") << "0123456789- .:ABCXYZ"
                                                 << "0123456789- .:ABCXYZ";
        QTest::newRow("a character outside the set empties all") << "12#"
                                                                 << "";
        QTest::newRow("non-ASCII letters are not raised but refused") << QStringLiteral("\u00e4") << "";
        QTest::newRow("a trailing point is dropped") << "5."
                                                     << "5";
        QTest::newRow("only one trailing point is dropped") << "5.."
                                                            << "5.";
        QTest::newRow("a lone point") << "."
                                      << "";
        QTest::newRow("inner points stay") << "1.5"
                                           << "1.5";
        QTest::newRow("tab") << "1\t2"
                             << "";
        QTest::newRow("zero character") << QString(QChar(0)) << "";
        QTest::newRow("blanks stay") << "  7 "
                                     << "  7 ";
    }

    void valuesAreNormalised()
    {
        QFETCH(QString, given);
        QFETCH(QString, stored);

        QCOMPARE(Lcd::normalisedValue(given), stored);
    }

    void textsSplitIntoDigitsAndPoints_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("dots");

        QTest::newRow("12.5") << "12.5"
                              << "125"
                              << "  .";
        QTest::newRow(".5") << ".5"
                            << "5"
                            << ".";
        QTest::newRow("two points enclose an empty cell") << "1..5"
                                                          << "1 5"
                                                          << " ..";
        QTest::newRow("plain") << "500"
                               << "500"
                               << "   ";
        QTest::newRow("empty") << ""
                               << ""
                               << "";
        // The stored form of "5..": its point string is one longer than its digits.
        QTest::newRow("5.") << "5."
                            << "5"
                            << " .";
        QTest::newRow("...") << "..."
                             << "  "
                             << "...";
    }

    void textsSplitIntoDigitsAndPoints()
    {
        QFETCH(QString, text);
        QFETCH(QString, digits);
        QFETCH(QString, dots);

        QCOMPARE(Lcd::SplitValue(text), (Lcd::SplitText { digits, dots }));
    }

    void shortTextsStandAtTheRight_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("cells");

        QTest::newRow("-20 on five") << "-20" << 5 << "  -20";
        QTest::newRow("full") << "12345" << 5 << "12345";
        QTest::newRow("longer text shows its left part") << "123456" << 5 << "12345";
        QTest::newRow("no cells") << "12" << 0 << "";
        QTest::newRow("empty") << "" << 3 << "   ";
    }

    void shortTextsStandAtTheRight()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QString, cells);

        QString shown;
        for (int position = 1; position <= width; ++position)
            shown += Lcd::paddedAt(text, width, position);
        QCOMPARE(shown, cells);
    }

    void paddingNeedsNoStorage()
    {
        const qint64 billions = 3000000000LL;
        QCOMPARE(Lcd::paddedAt("42", billions, 1), QChar(' '));
        QCOMPARE(Lcd::paddedAt("42", billions, billions - 1), QChar('4'));
        QCOMPARE(Lcd::paddedAt("42", billions, billions), QChar('2'));
        QCOMPARE(Lcd::paddedAt("42", billions, billions + 1), QChar(' '));
        QCOMPARE(Lcd::paddedAt("42", 2, 0), QChar(' '));
        QCOMPARE(Lcd::paddedAt("42", -5, 1), QChar('4'));
    }
};

QTEST_APPLESS_MAIN(TestLcdText)
#include "tst_lcdtext.moc"
