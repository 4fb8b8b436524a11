#include "scores/textencoding.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

std::string randomBytes(QRandomGenerator &random, int size)
{
    std::string bytes;
    for (int i = 0; i < size; ++i)
        bytes += static_cast<char>(random.bounded(256));
    return bytes;
}

} // namespace

class TestTextEncoding : public QObject
{
    Q_OBJECT

private slots:
    // Whatever another program left in a UTF-16 file, unpaired surrogates and an odd last byte included, is
    // written back as it was.
    void utf16FilesComeBackByteForByte()
    {
        QRandomGenerator random(14);
        for (const char *mark : { "\xFF\xFE", "\xFE\xFF" }) {
            for (int round = 0; round < 500; ++round) {
                const std::string bytes = mark + randomBytes(random, random.bounded(40));
                const TextEncoding::Decoded decoded = TextEncoding::decode(bytes);
                QVERIFY(decoded.form != TextEncoding::FileForm::EightBit);
                QCOMPARE(TextEncoding::encode(decoded.text, decoded.form) + decoded.tail, bytes);
            }
        }
        const TextEncoding::Decoded plain = TextEncoding::decode("[User]\nLast=J\xC9R\n");
        QCOMPARE(plain.form, TextEncoding::FileForm::EightBit);
        QCOMPARE(plain.text, std::string("[User]\nLast=J\xC9R\n"));
    }
};

QTEST_GUILESS_MAIN(TestTextEncoding)

#include "tst_textencoding.moc"
