#include "settings/profiletext.h"

#include <QtTest>

namespace {

std::string bytes(const QByteArray &text)
{
    return text.toStdString();
}

} // namespace

class TestProfileText : public QObject
{
    Q_OBJECT

private slots:
    void readsLikeTheClassicReader_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<bool>("present");
        QTest::addColumn<QByteArray>("value");

        QTest::newRow("plain") << QByteArray("[User]\nLast=ABC\n") << QByteArray("User") << QByteArray("Last")
                               << true << QByteArray("ABC");
        QTest::newRow("section in lower case") << QByteArray("[ot scores]\n1=500\n") << QByteArray("OT Scores")
                                               << QByteArray("1") << true << QByteArray("500");
        QTest::newRow("key in upper case") << QByteArray("[User]\nLAST=ABC\n") << QByteArray("User")
                                           << QByteArray("Last") << true << QByteArray("ABC");
        QTest::newRow("blanks around names and values")
            << QByteArray("  [ OT Scores ]  \n\t 1 = 500 \t\n") << QByteArray("OT Scores") << QByteArray("1") << true
            << QByteArray("500");
        QTest::newRow("blanks inside names count") << QByteArray("[OT  Scores]\n1=500\n") << QByteArray("OT Scores")
                                                   << QByteArray("1") << false << QByteArray();
        QTest::newRow("CRLF") << QByteArray("[User]\r\nLast=ABC\r\n") << QByteArray("User") << QByteArray("Last")
                              << true << QByteArray("ABC");
        QTest::newRow("CR alone") << QByteArray("[Settings]\rx=1\r[User]\rLast=ABC\r") << QByteArray("User")
                                  << QByteArray("Last") << true << QByteArray("ABC");
        QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF[User]\nLast=ABC\n") << QByteArray("User")
                                         << QByteArray("Last") << true << QByteArray("ABC");
        QTest::newRow("comment line") << QByteArray("[User]\n;Last=XYZ\nLast=ABC\n") << QByteArray("User")
                                      << QByteArray("Last") << true << QByteArray("ABC");
        QTest::newRow("indented comment") << QByteArray("[User]\n  ; Last=XYZ\n") << QByteArray("User")
                                          << QByteArray("Last") << false << QByteArray();
        QTest::newRow("nothing after '='") << QByteArray("[User]\nLast=\n") << QByteArray("User")
                                           << QByteArray("Last") << true << QByteArray();
        QTest::newRow("only blanks after '='") << QByteArray("[User]\nLast =   \r\n") << QByteArray("User")
                                               << QByteArray("Last") << true << QByteArray();
        QTest::newRow("'=' inside the value") << QByteArray("[S]\nk=a=b\n") << QByteArray("S") << QByteArray("k")
                                              << true << QByteArray("a=b");
        QTest::newRow("blanks inside the value") << QByteArray("[S]\nk= a  b \n") << QByteArray("S")
                                                 << QByteArray("k") << true << QByteArray("a  b");
        QTest::newRow("absent key") << QByteArray("[User]\nFirst=1\n") << QByteArray("User") << QByteArray("Last")
                                    << false << QByteArray();
        QTest::newRow("absent section") << QByteArray("[Settings]\nLast=1\n") << QByteArray("User")
                                        << QByteArray("Last") << false << QByteArray();
        QTest::newRow("key in another section") << QByteArray("[User]\n[Settings]\nLast=1\n") << QByteArray("User")
                                                << QByteArray("Last") << false << QByteArray();
        QTest::newRow("key before any section") << QByteArray("Last=1\n[User]\n") << QByteArray("User")
                                                << QByteArray("Last") << false << QByteArray();
        QTest::newRow("key with no '='") << QByteArray("[User]\nLast\n") << QByteArray("User") << QByteArray("Last")
                                         << false << QByteArray();
        QTest::newRow("duplicate key: the first counts")
            << QByteArray("[User]\nLast=ABC\nLast=XYZ\n") << QByteArray("User") << QByteArray("Last") << true
            << QByteArray("ABC");
        QTest::newRow("duplicate section: the first counts")
            << QByteArray("[User]\nLast=ABC\n[User]\nLast=XYZ\n") << QByteArray("User") << QByteArray("Last") << true
            << QByteArray("ABC");
        QTest::newRow("duplicate section: keys of the second are not seen")
            << QByteArray("[User]\nOther=1\n[User]\nLast=XYZ\n") << QByteArray("User") << QByteArray("Last") << false
            << QByteArray();
        QTest::newRow("section with no closing bracket is no section")
            << QByteArray("[User]\n[Settings\nLast=ABC\n") << QByteArray("User") << QByteArray("Last") << true
            << QByteArray("ABC");
        QTest::newRow("the last closing bracket ends the name")
            << QByteArray("[a]b]\nk=1\n") << QByteArray("a]b") << QByteArray("k") << true << QByteArray("1");
        QTest::newRow("last line without line break") << QByteArray("[User]\nLast=ABC") << QByteArray("User")
                                                      << QByteArray("Last") << true << QByteArray("ABC");
        QTest::newRow("empty text") << QByteArray() << QByteArray("User") << QByteArray("Last") << false
                                    << QByteArray();
    }

    void readsLikeTheClassicReader()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, section);
        QFETCH(QByteArray, key);
        QFETCH(bool, present);
        QFETCH(QByteArray, value);

        const ProfileText profile(bytes(text));
        const std::optional<std::string_view> found = profile.value(bytes(section), bytes(key));
        QCOMPARE(found.has_value(), present);
        if (present)
            QCOMPARE(QByteArray(found->data(), found->size()), value);
    }

    void editsOnlyWhatItMust_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QByteArray>("after");

        QTest::newRow("value replaced where it stands")
            << QByteArray("\xEF\xBB\xBF; scores\r\n[ot scores]\r\n 1 = 500 \r\n 2 = 400\r\n")
            << QByteArray("OT Scores") << QByteArray("1") << QByteArray("600")
            << QByteArray("\xEF\xBB\xBF; scores\r\n[ot scores]\r\n 1 = 600 \r\n 2 = 400\r\n");
        QTest::newRow("empty value filled") << QByteArray("[User]\nLast=\nX=1\n") << QByteArray("User")
                                            << QByteArray("Last") << QByteArray("ABC")
                                            << QByteArray("[User]\nLast=ABC\nX=1\n");
        QTest::newRow("value emptied") << QByteArray("[User]\nLast=ABC\n") << QByteArray("User")
                                       << QByteArray("Last") << QByteArray() << QByteArray("[User]\nLast=\n");
        QTest::newRow("new key after the last line of its section")
            << QByteArray("[A]\nx=1\n; about B\n\n[B]\ny=2\n") << QByteArray("A") << QByteArray("z")
            << QByteArray("3") << QByteArray("[A]\nx=1\nz=3\n; about B\n\n[B]\ny=2\n");
        QTest::newRow("new key under a bare header") << QByteArray("[A]\n[B]\n") << QByteArray("a")
                                                     << QByteArray("k") << QByteArray("1")
                                                     << QByteArray("[A]\nk=1\n[B]\n");
        QTest::newRow("new key in a CRLF file") << QByteArray("[A]\r\nx=1\r\n") << QByteArray("A")
                                                << QByteArray("k") << QByteArray("1")
                                                << QByteArray("[A]\r\nx=1\r\nk=1\r\n");
        QTest::newRow("new key and section in a CR file")
            << QByteArray("[A]\rx=1\r") << QByteArray("User") << QByteArray("Last") << QByteArray("ABC")
            << QByteArray("[A]\rx=1\r\r[User]\rLast=ABC\r");
        QTest::newRow("new key after a last line with no line break")
            << QByteArray("[A]\nx=1") << QByteArray("A") << QByteArray("k") << QByteArray("1")
            << QByteArray("[A]\nx=1\nk=1");
        QTest::newRow("new key goes to the first of two sections")
            << QByteArray("[A]\nx=1\n[A]\ny=2\n") << QByteArray("A") << QByteArray("y") << QByteArray("3")
            << QByteArray("[A]\nx=1\ny=3\n[A]\ny=2\n");
        QTest::newRow("new section in an empty file") << QByteArray() << QByteArray("User") << QByteArray("Last")
                                                      << QByteArray("ABC") << QByteArray("[User]\nLast=ABC\n");
        QTest::newRow("new section after a byte-order mark")
            << QByteArray("\xEF\xBB\xBF") << QByteArray("User") << QByteArray("Last") << QByteArray("ABC")
            << QByteArray("\xEF\xBB\xBF[User]\nLast=ABC\n");
        QTest::newRow("new section at the end, one blank line apart")
            << QByteArray("[A]\nx=1\n") << QByteArray("User") << QByteArray("Last") << QByteArray("ABC")
            << QByteArray("[A]\nx=1\n\n[User]\nLast=ABC\n");
        QTest::newRow("new section after a last line with no line break")
            << QByteArray("[A]\r\nx=1") << QByteArray("User") << QByteArray("Last") << QByteArray("ABC")
            << QByteArray("[A]\r\nx=1\r\n\r\n[User]\r\nLast=ABC\r\n");
        QTest::newRow("new section after a blank line") << QByteArray("[A]\nx=1\n\n") << QByteArray("User")
                                                        << QByteArray("Last") << QByteArray("ABC")
                                                        << QByteArray("[A]\nx=1\n\n[User]\nLast=ABC\n");
        QTest::newRow("blanks around a value are left out")
            << QByteArray("[User]\nLast=A\n") << QByteArray("User") << QByteArray("Last") << QByteArray(" B \t")
            << QByteArray("[User]\nLast=B\n");
        QTest::newRow("line breaks in a value become blanks")
            << QByteArray("[User]\nLast=A\n") << QByteArray("User") << QByteArray("Last")
            << QByteArray("X\r\n[OT Scores]\n1=99999") << QByteArray("[User]\nLast=X  [OT Scores] 1=99999\n");
    }

    void editsOnlyWhatItMust()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, section);
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, value);
        QFETCH(QByteArray, after);

        ProfileText profile(bytes(before));
        profile.setValue(bytes(section), bytes(key), bytes(value));
        QCOMPARE(QByteArray::fromStdString(profile.bytes()), after);
    }

    void integerForms_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("value");

        QTest::newRow("decimal") << QByteArray("123") << true << 123;
        QTest::newRow("negative") << QByteArray("-49") << true << -49;
        QTest::newRow("plus sign") << QByteArray("+7") << true << 7;
        QTest::newRow("leading zeros") << QByteArray("00012") << true << 12;
        QTest::newRow("0x hexadecimal") << QByteArray("0x1F") << true << 31;
        QTest::newRow("0X hexadecimal") << QByteArray("0X1f") << true << 31;
        QTest::newRow("$ hexadecimal") << QByteArray("$FF") << true << 255;
        QTest::newRow("negative hexadecimal") << QByteArray("-$10") << true << -16;
        QTest::newRow("largest") << QByteArray("2147483647") << true << 2147483647;
        QTest::newRow("smallest") << QByteArray("-2147483648") << true << std::numeric_limits<int>::min();
        QTest::newRow("all 32 bits in hexadecimal") << QByteArray("0xFFFFFFFF") << true << -1;
        QTest::newRow("one above the largest") << QByteArray("2147483648") << false << 0;
        QTest::newRow("one below the smallest") << QByteArray("-2147483649") << false << 0;
        QTest::newRow("beyond 32 bits") << QByteArray("99999999999") << false << 0;
        QTest::newRow("far beyond 64 bits") << QByteArray(40, '9') << false << 0;
        QTest::newRow("hexadecimal beyond 32 bits") << QByteArray("0x100000000") << false << 0;
        QTest::newRow("letters") << QByteArray("abc") << false << 0;
        QTest::newRow("empty") << QByteArray() << false << 0;
        QTest::newRow("trailing letters") << QByteArray("12a") << false << 0;
        QTest::newRow("inner blank") << QByteArray("1 2") << false << 0;
        QTest::newRow("fraction") << QByteArray("1.5") << false << 0;
        QTest::newRow("sign alone") << QByteArray("-") << false << 0;
        QTest::newRow("0x alone") << QByteArray("0x") << false << 0;
        QTest::newRow("$ alone") << QByteArray("$") << false << 0;
        QTest::newRow("no hexadecimal digit") << QByteArray("0x1G") << false << 0;
    }

    void integerForms()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, valid);
        QFETCH(int, value);

        const std::optional<std::int32_t> parsed = ProfileText::parseInteger(bytes(text));
        QCOMPARE(parsed.has_value(), valid);
        if (valid)
            QCOMPARE(*parsed, value);
    }

    void namesThatCannotBeStoredAreRefused()
    {
        QVERIFY(ProfileText::isValidSection("OT Scores"));
        QVERIFY(ProfileText::isValidSection("a]b"));
        QVERIFY(!ProfileText::isValidSection(""));
        QVERIFY(!ProfileText::isValidSection("  "));
        QVERIFY(!ProfileText::isValidSection("a\nb"));

        QVERIFY(ProfileText::isValidKey("First Time"));
        QVERIFY(!ProfileText::isValidKey(""));
        QVERIFY(!ProfileText::isValidKey("a=b"));
        QVERIFY(!ProfileText::isValidKey(";a"));
        QVERIFY(!ProfileText::isValidKey("[a]"));
        QVERIFY(!ProfileText::isValidKey("a\rb"));
    }
};

QTEST_GUILESS_MAIN(TestProfileText)
#include "tst_profiletext.moc"
