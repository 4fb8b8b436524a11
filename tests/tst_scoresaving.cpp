#include "filehelpers.h"
#include "settings/profilefile.h"
#include "scores/scoretable.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <memory>

namespace {

const char *const ShowingArgument = "--showing";

// One showing of the table dialog in a copy of the program of its own: the table is read, the player takes
// `typingMs` over the initials, and the score is saved.
int showing(const QString &path, int score, const QString &initials, int typingMs)
{
    ProfileFile file(path);
    ScoreTable table;
    table.LoadScores(file);
    table.NewOTScore = score;
    table.InsertScore(Testament::Old, [&](const QString &) {
        QThread::msleep(typingMs);
        return initials;
    });
    if (table.SaveMerged(file))
        return 0;
    std::fprintf(stderr, "%s\n", qPrintable(file.writeFailureMessage()));
    return 1;
}

QList<int> savedScores(const QString &path)
{
    ScoreTable table;
    table.LoadScores(ProfileFile(path));
    return QList<int>(table.OTScores.begin(), table.OTScores.end());
}

} // namespace

class TestScoreSaving : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_path;

    // Copies of the program that each end a game with one of the scores, all at once.
    void endGamesAtOnce(const QList<int> &scores, int maxTypingMs)
    {
        QList<QProcess *> copies;
        for (const int score : scores) {
            auto *copy = new QProcess(this);
            copy->start(QCoreApplication::applicationFilePath(),
                        { QString::fromLatin1(ShowingArgument), m_path, QString::number(score),
                          QStringLiteral("P%1").arg(score % 100),
                          QString::number(QRandomGenerator::global()->bounded(maxTypingMs + 1)) });
            copies.append(copy);
        }
        for (QProcess *copy : copies) {
            QVERIFY(copy->waitForFinished(30000));
            QVERIFY2(copy->exitCode() == 0, copy->readAllStandardError().constData());
            delete copy;
        }
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        QVERIFY(m_folder->isValid());
        m_path = m_folder->filePath(QStringLiteral("Tomelor.ini"));
    }

    void twoWindowsEndingGamesAtOnceKeepBothScores()
    {
        for (int round = 0; round < 20; ++round) {
            store(m_path, "[Settings]\nFirst Time=0\n[OT Scores]\n1=50\n");
            const int first = 100 + 2 * round;
            endGamesAtOnce({ first, first + 1 }, 30);
            QCOMPARE(savedScores(m_path), (QList<int> { first + 1, first, 50, 0, 0 }));
        }
        const QStringList left
            = QDir(m_folder->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        QCOMPARE(left, QStringList { QStringLiteral("Tomelor.ini") });
    }

    void manyWindowsAtOnceKeepTheBestFive()
    {
        for (int round = 0; round < 3; ++round) {
            QFile::remove(m_path);
            endGamesAtOnce({ 310, 320, 330, 340, 350, 360, 370 }, 20);
            QCOMPARE(savedScores(m_path), (QList<int> { 370, 360, 350, 340, 330 }));
        }
    }

    void theTableShownIsTheTableSaved()
    {
        store(m_path, "[OT Scores]\n1=500\n2=100\n[OT Users]\n1=OLD\n2=LOW\n");
        ProfileFile mine(m_path);
        ScoreTable table;
        table.LoadScores(mine);
        table.NewOTScore = 300;
        table.InsertScore(Testament::Old, [](const QString &) { return QStringLiteral("ME"); });

        // Meanwhile another window saved a better score, and one that no longer qualifies is not kept.
        QCOMPARE(showing(m_path, 400, QStringLiteral("YOU"), 0), 0);
        QVERIFY(table.SaveMerged(mine));
        QCOMPARE(QList<int>(table.OTScores.begin(), table.OTScores.end()), (QList<int> { 500, 400, 300, 100, 0 }));
        QCOMPARE(table.OTUsers[2], QStringLiteral("ME"));
        QCOMPARE(savedScores(m_path), QList<int>(table.OTScores.begin(), table.OTScores.end()));
        QCOMPARE(ProfileFile(m_path).readString(QStringLiteral("User"), QStringLiteral("Last"), QString()),
                 QStringLiteral("ME"));
    }

    void aLockLeftByACrashedCopyDoesNotBlock()
    {
        // The lock file of a copy that died while saving is still there; its lock went with it.
        const QString lockPath = m_folder->filePath(QStringLiteral(".Tomelor.ini.lock"));
        store(lockPath, "");
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(showing(m_path, 123, QStringLiteral("ABC"), 0), 0);
        QVERIFY(clock.elapsed() < 5000);
        QCOMPARE(savedScores(m_path).first(), 123);
    }
};

int main(int argc, char *argv[])
{
    if (argc == 6 && qstrcmp(argv[1], ShowingArgument) == 0) {
        return showing(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3]), QString::fromLatin1(argv[4]),
                       std::atoi(argv[5]));
    }
    QCoreApplication app(argc, argv);
    TestScoreSaving test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scoresaving.moc"
