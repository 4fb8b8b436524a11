#include "filehelpers.h"
#include "settings/profilefile.h"
#include "scores/progressfile.h"

#include <QTemporaryDir>
#include <QtTest>

// The progress in the settings file: what reads back, what damaged values read as, and that saving touches
// nothing else.
class TestProgressFile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    QString m_path;

    static Progress game(Testament testament, std::initializer_list<std::pair<int, BookProgress>> books)
    {
        Progress progress(testament);
        for (const auto &[number, book] : books)
            progress[number - 1] = book;
        return progress;
    }

private slots:
    void init()
    {
        QVERIFY(m_folder.isValid());
        m_path = m_folder.filePath(QStringLiteral("Tomelor.ini"));
        QFile::remove(m_path);
    }

    void storedValuesReadBackOrAsNothing_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("read"); // as the file would hold it again
        QTest::newRow("as written") << QByteArray("5,3,1,7,412") << "5,3,1,7,412";
        QTest::newRow("blanks around figures") << QByteArray(" 2 , 1 ,0, 3 ,50 ") << "2,1,0,3,50";
        QTest::newRow("largest figures") << QByteArray("2147483647,0,0,2147483647,2147483647")
                                         << "2147483647,0,0,2147483647,2147483647";
        QTest::newRow("missing") << QByteArray() << "0,0,0,0,0";
        QTest::newRow("empty") << QByteArray("=") << "0,0,0,0,0";
        QTest::newRow("too few") << QByteArray("1,1,0") << "0,0,0,0,0";
        QTest::newRow("too many") << QByteArray("1,1,0,0,5,9") << "0,0,0,0,0";
        QTest::newRow("negative") << QByteArray("1,1,0,-1,5") << "0,0,0,0,0";
        QTest::newRow("signed") << QByteArray("+1,1,0,0,5") << "0,0,0,0,0";
        QTest::newRow("hexadecimal") << QByteArray("0x1,1,0,0,5") << "0,0,0,0,0";
        QTest::newRow("beyond an int") << QByteArray("2147483648,0,0,0,0") << "0,0,0,0,0";
        QTest::newRow("letters") << QByteArray("one,1,0,0,5") << "0,0,0,0,0";
        QTest::newRow("more found than games") << QByteArray("1,1,1,0,5") << "0,0,0,0,0";
        QTest::newRow("empty figure") << QByteArray("1,,0,0,5") << "0,0,0,0,0";
    }

    void storedValuesReadBackOrAsNothing()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, read);
        QByteArray file = "[OT Scores]\n1=900\n[OT Progress]\n";
        if (stored == "=")
            file += "5=\n";
        else if (!stored.isEmpty())
            file += "5=" + stored + "\n";
        store(m_path, file);
        const Progress progress = ProgressFile::load(ProfileFile(m_path), Testament::Old);
        QCOMPARE(ProgressFile::format(progress[4]), read);
        QCOMPARE(progress[3], BookProgress());
        QCOMPARE(ProgressFile::load(ProfileFile(m_path), Testament::New).played(), false);

        // A game adds to what reads back; a damaged value is replaced by the sum, the rest stays byte for byte.
        ProfileFile writer(m_path);
        QVERIFY(ProgressFile::add(writer, game(Testament::Old, {{5, {1, 0, 1, 2, 100}}})));
        BookProgress sum = *ProgressFile::parse(read);
        sum += BookProgress {1, 0, 1, 2, 100};
        QCOMPARE(ProgressFile::load(ProfileFile(m_path), Testament::Old)[4], sum);
        const QByteArray saved = contents(m_path);
        QVERIFY(saved.startsWith("[OT Scores]\n1=900\n[OT Progress]\n5="));
        QCOMPARE(saved.count('='), 2);
    }

    // Two windows each read the file before the other saved: both games count.
    void gamesOfTwoWindowsBothCount()
    {
        ProfileFile first(m_path);
        ProfileFile second(m_path);
        QVERIFY(ProgressFile::add(first, game(Testament::New, {{1, {1, 1, 0, 0, 30}}, {2, {1, 0, 0, 1, 12}}})));
        QVERIFY(ProgressFile::add(second, game(Testament::New, {{1, {1, 0, 1, 0, 101}}})));
        const QByteArray saved = contents(m_path);
        QCOMPARE(saved, QByteArray("[NT Progress]\n1=2,1,1,0,131\n2=1,0,0,1,12\n"));
    }

    void forgettingClearsTheProgressAlone()
    {
        const QByteArray scores = "[Settings]\nFirst Time=0\n[OT Scores]\n1=900\n[OT Users]\n1=ABC\n";
        store(m_path, scores);
        ProfileFile file(m_path);
        QVERIFY(ProgressFile::forget(file));
        QCOMPARE(contents(m_path), scores); // nothing to forget: no sections appear

        store(m_path, scores + "[OT Progress]\n1=3,3,0,0,40\n2=junk\n[NT Progress]\n27=1,0,0,0,9\n");
        QVERIFY(ProgressFile::forget(file));
        QCOMPARE(contents(m_path), scores + "[OT Progress]\n1=0,0,0,0,0\n2=0,0,0,0,0\n[NT Progress]\n27=0,0,0,0,0\n");
        QVERIFY(!ProgressFile::load(ProfileFile(m_path), Testament::Old).played());
    }
};

QTEST_MAIN(TestProgressFile)
#include "tst_progressfile.moc"
