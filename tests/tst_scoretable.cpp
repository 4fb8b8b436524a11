#include "filehelpers.h"
#include "settings/profilefile.h"
#include "scores/scoretable.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

QList<int> asList(const std::array<int, ScoreRowCount> &scores)
{
    return QList<int>(scores.begin(), scores.end());
}

QStringList asList(const std::array<QString, ScoreRowCount> &users)
{
    return QStringList(users.begin(), users.end());
}

// A player who always types the same initials, and a record of what was proposed to them.
struct Player
{
    QString typed;
    QStringList proposals;

    ScoreTable::InitialsExchange exchange()
    {
        return [this](const QString &proposed) {
            proposals.append(proposed);
            return typed;
        };
    }
};

// One showing of the table dialog without the dialog: load, judge the game's score, save.
bool playOneShowing(const QString &path, int newOTScore, int newNTScore, Player &player)
{
    ProfileFile file(path);
    ScoreTable table;
    table.LoadScores(file);
    table.NewOTScore = newOTScore;
    table.NewNTScore = newNTScore;
    table.InsertScore(Testament::Old, player.exchange());
    table.InsertScore(Testament::New, player.exchange());
    return table.SaveScores(file);
}

ScoreTable loaded(const QString &path)
{
    ScoreTable table;
    table.LoadScores(ProfileFile(path));
    return table;
}

} // namespace

class TestScoreTable : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_path;

private slots:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        QVERIFY(m_folder->isValid());
        m_path = m_folder->filePath(QStringLiteral("Tomelor.ini"));
    }

    void insertScore_data()
    {
        QTest::addColumn<QList<int>>("scores");
        QTest::addColumn<int>("newScore");
        QTest::addColumn<QList<int>>("expectedScores");
        QTest::addColumn<QStringList>("expectedUsers");

        const QStringList unchanged { "R1", "R2", "R3", "R4", "R5" };
        const QList<int> table { 500, 400, 300, 300, 100 };
        QTest::newRow("empty table") << QList<int> { 0, 0, 0, 0, 0 } << 123 << QList<int> { 123, 0, 0, 0, 0 }
                                     << QStringList { "NEW", "R1", "R2", "R3", "R4" };
        QTest::newRow("tie goes below every equal score")
            << table << 300 << QList<int> { 500, 400, 300, 300, 300 } << QStringList { "R1", "R2", "R3", "R4", "NEW" };
        QTest::newRow("into the middle") << table << 350 << QList<int> { 500, 400, 350, 300, 300 }
                                         << QStringList { "R1", "R2", "NEW", "R3", "R4" };
        QTest::newRow("new best") << table << 600 << QList<int> { 600, 500, 400, 300, 300 }
                                  << QStringList { "NEW", "R1", "R2", "R3", "R4" };
        QTest::newRow("tie with row 5") << table << 100 << table << unchanged;
        QTest::newRow("below row 5") << table << 50 << table << unchanged;
        QTest::newRow("no score") << QList<int> { 0, 0, 0, 0, 0 } << 0 << QList<int> { 0, 0, 0, 0, 0 } << unchanged;
        QTest::newRow("negative score") << QList<int> { -60, 0, 0, 0, 0 } << -49 << QList<int> { -60, 0, 0, 0, 0 }
                                        << unchanged;
        QTest::newRow("negative rows take one new row only")
            << QList<int> { 500, -5, -5, 0, 0 } << 100 << QList<int> { 500, 100, -5, -5, 0 }
            << QStringList { "R1", "NEW", "R2", "R3", "R4" };
    }

    void insertScore()
    {
        QFETCH(QList<int>, scores);
        QFETCH(int, newScore);
        QFETCH(QList<int>, expectedScores);
        QFETCH(QStringList, expectedUsers);
        const bool enters = expectedScores != scores;

        for (const Testament testament : { Testament::Old, Testament::New }) {
            const bool old = testament == Testament::Old;
            ScoreTable table;
            auto &played = old ? table.OTScores : table.NTScores;
            auto &playedUsers = old ? table.OTUsers : table.NTUsers;
            auto &other = old ? table.NTScores : table.OTScores;
            for (int row = 0; row < ScoreRowCount; ++row) {
                played[row] = scores[row];
                playedUsers[row] = QStringLiteral("R%1").arg(row + 1);
                other[row] = 1000 - row;
            }
            (old ? table.NewOTScore : table.NewNTScore) = newScore;
            table.LastInitials = QStringLiteral("PRO");
            Player player { QStringLiteral("NEW"), {} };

            table.InsertScore(testament, player.exchange());

            QCOMPARE(asList(played), expectedScores);
            QCOMPARE(asList(playedUsers), expectedUsers);
            QCOMPARE(asList(other), (QList<int> { 1000, 999, 998, 997, 996 }));
            QCOMPARE(player.proposals, enters ? QStringList { "PRO" } : QStringList());
            QCOMPARE(table.TableChanged, enters);
            QCOMPARE(table.LastInitials, enters ? QStringLiteral("NEW") : QStringLiteral("PRO"));
            QCOMPARE(old ? table.NewOTScore : table.NewNTScore, enters ? 0 : newScore);
        }
    }

    void secondEntryOfAShowingProposesTheFirstOnesInitials()
    {
        ScoreTable table;
        table.LastInitials = QStringLiteral("???");
        table.NewOTScore = 100;
        table.NewNTScore = 200;
        Player player { QStringLiteral("ABC"), {} };
        table.InsertScore(Testament::Old, player.exchange());
        table.InsertScore(Testament::New, player.exchange());
        QCOMPARE(player.proposals, (QStringList { "???", "ABC" }));
        QCOMPARE(table.OTScores[0], 100);
        QCOMPARE(table.NTScores[0], 200);
    }

    void noFileGivesEmptyRowsAndUnknownInitials()
    {
        ScoreTable table;
        table.TableChanged = true;
        table.LoadScores(ProfileFile(m_path));
        QCOMPARE(asList(table.OTScores), (QList<int> { 0, 0, 0, 0, 0 }));
        QCOMPARE(asList(table.NTScores), (QList<int> { 0, 0, 0, 0, 0 }));
        QCOMPARE(asList(table.OTUsers), QStringList(5, QStringLiteral("???")));
        QCOMPARE(asList(table.NTUsers), QStringList(5, QStringLiteral("???")));
        QCOMPARE(table.LastInitials, QStringLiteral("???"));
        QVERIFY(!table.TableChanged);
    }

    void loadReadsTheValueForms()
    {
        store(m_path, "[User]\nLast=\n[OT Scores]\n1=0x1F\n2=letters\n3=99999999999\n4=$10\n[OT Users]\n1=ABC\n"
                      "[NT Scores]\n1=300\n[NT Users]\n2=XYZ\n");
        const ScoreTable table = loaded(m_path);
        QCOMPARE(table.LastInitials, QStringLiteral("???"));
        QCOMPARE(asList(table.OTScores), (QList<int> { 31, 0, 0, 16, 0 }));
        QCOMPARE(table.OTUsers[0], QStringLiteral("ABC"));
        QCOMPARE(table.NTScores[0], 300);
        QCOMPARE(table.NTUsers[0], QStringLiteral("???"));
        QCOMPARE(table.NTUsers[1], QStringLiteral("XYZ"));
    }

    void theExampleFileAfterAFirstOldGame()
    {
        QVERIFY(ProfileFile(m_path).writeBool(QStringLiteral("Settings"), QStringLiteral("First Time"), false));
        Player player { QStringLiteral("ABC"), {} };
        QVERIFY(playOneShowing(m_path, 123, 0, player));
        QCOMPARE(player.proposals, QStringList { "???" });

        const ProfileFile file(m_path);
        QCOMPARE(file.readString(QStringLiteral("Settings"), QStringLiteral("First Time"), QString()), "0");
        QCOMPARE(file.readString(QStringLiteral("User"), QStringLiteral("Last"), QString()), "ABC");
        for (int row = 1; row <= 5; ++row) {
            const QString key = QString::number(row);
            QCOMPARE(file.readString(QStringLiteral("OT Scores"), key, QString()), row == 1 ? "123" : "0");
            QCOMPARE(file.readString(QStringLiteral("OT Users"), key, QString()), row == 1 ? "ABC" : "???");
            QCOMPARE(file.readString(QStringLiteral("NT Scores"), key, QString()), "0");
            QCOMPARE(file.readString(QStringLiteral("NT Users"), key, QString()), "???");
        }
        QCOMPARE(contents(m_path), QByteArray("[Settings]\nFirst Time=0\n\n"
                                              "[User]\nLast=ABC\n\n"
                                              "[OT Scores]\n1=123\n2=0\n3=0\n4=0\n5=0\n\n"
                                              "[OT Users]\n1=ABC\n2=???\n3=???\n4=???\n5=???\n\n"
                                              "[NT Scores]\n1=0\n2=0\n3=0\n4=0\n5=0\n\n"
                                              "[NT Users]\n1=???\n2=???\n3=???\n4=???\n5=???\n"));
    }

    void everySaveWritesAllTwentyOneKeys()
    {
        store(m_path, "[NT Scores]\n1=50\n");
        Player player { QStringLiteral("NEW"), {} };
        QVERIFY(playOneShowing(m_path, 0, 70, player));
        const QByteArray after = contents(m_path);
        QCOMPARE(after.count("\n1="), 4);
        QCOMPARE(after.count("\n5="), 4);
        QCOMPARE(after.count("="), 21);
        QVERIFY(after.contains("[OT Scores]\n1=0\n2=0\n3=0\n4=0\n5=0\n"));
        QVERIFY(after.startsWith("[NT Scores]\n1=70\n2=50\n3=0\n4=0\n5=0\n"));
    }

    void nothingIsWrittenWhenNoScoreQualifies()
    {
        store(m_path, "[OT Scores]\n1=500\n2=400\n3=300\n4=200\n5=100\n");
        const QDateTime modified = QFileInfo(m_path).lastModified();
        Player player { QStringLiteral("NEW"), {} };
        QVERIFY(playOneShowing(m_path, 100, 0, player));
        QVERIFY(player.proposals.isEmpty());
        QCOMPARE(contents(m_path), QByteArray("[OT Scores]\n1=500\n2=400\n3=300\n4=200\n5=100\n"));
        QCOMPARE(QFileInfo(m_path).lastModified(), modified);

        QFile::remove(m_path);
        QVERIFY(playOneShowing(m_path, 0, 0, player));
        QVERIFY(!QFile::exists(m_path));
    }

    void emptyInitialsAreStoredEmptyAndProposedAsUnknownNextTime()
    {
        Player silent { QString(), {} };
        QVERIFY(playOneShowing(m_path, 123, 0, silent));
        QVERIFY(contents(m_path).contains("[User]\nLast=\n"));
        const ScoreTable table = loaded(m_path);
        QCOMPARE(table.OTUsers[0], QString());
        QCOMPARE(table.LastInitials, QStringLiteral("???"));

        Player next { QStringLiteral("ABC"), {} };
        QVERIFY(playOneShowing(m_path, 0, 5, next));
        QCOMPARE(next.proposals, QStringList { "???" });
    }

    void aFileFromAnotherSystemReadsTheSameAndKeepsItsOtherLines()
    {
        const QByteArray window = "[Window]\r\nLeft = 10\r\n; where it was\r\nTop=20\r\n";
        store(m_path, "\xEF\xBB\xBF; high scores\r\n" + window + "\r\n[ot scores]\r\n 1 = 500 \r\n  2=400\r\n"
                      "[OT USERS]\r\n1 = ABC\r\n 2 = xyz \r\n\r\n[user]\r\nlast = ABC\r\n");
        const ScoreTable before = loaded(m_path);
        QCOMPARE(before.OTScores[0], 500);
        QCOMPARE(before.OTScores[1], 400);
        QCOMPARE(before.OTUsers[0], QStringLiteral("ABC"));
        QCOMPARE(before.OTUsers[1], QStringLiteral("xyz"));
        QCOMPARE(before.LastInitials, QStringLiteral("ABC"));

        Player player { QStringLiteral("NEW"), {} };
        QVERIFY(playOneShowing(m_path, 450, 0, player));
        const QByteArray after = contents(m_path);
        QVERIFY(after.startsWith("\xEF\xBB\xBF; high scores\r\n" + window
                                 + "\r\n[ot scores]\r\n 1 = 500 \r\n  2=450\r\n3=400\r\n"));
        QCOMPARE(after.count('\n'), after.count("\r\n"));
        const ScoreTable reread = loaded(m_path);
        QCOMPARE(asList(reread.OTScores), (QList<int> { 500, 450, 400, 0, 0 }));
        QCOMPARE(asList(reread.OTUsers), (QStringList { "ABC", "NEW", "xyz", "???", "???" }));
    }

    void badFilesNeverLoseTheOtherKeys_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("kept");

        QByteArray garbage(64 * 1024, '\0');
        QRandomGenerator noise(20240601);
        for (char &byte : garbage)
            byte = static_cast<char>(noise.bounded(256));

        QTest::newRow("empty file") << QByteArray() << QByteArray();
        QTest::newRow("binary garbage") << garbage << garbage;
        QTest::newRow("line of a megabyte") << "[Other]\nk=v\n" + QByteArray(1024 * 1024, 'x') + '\n'
                                            << "[Other]\nk=v\n" + QByteArray(1024 * 1024, 'x') + '\n';
        QTest::newRow("section with no closing bracket")
            << QByteArray("[Other]\nk=v\n[OT Scores\n1=900\n") << QByteArray("[Other]\nk=v\n[OT Scores\n1=900\n");
        QTest::newRow("keys with no '='") << QByteArray("[OT Scores]\n1\n2 500\n[Other]\nk=v\n")
                                          << QByteArray("\n2 500\n");
        QTest::newRow("duplicate sections") << QByteArray("[OT Scores]\n1=500\n[Other]\nk=v\n[OT Scores]\n1=900\n")
                                            << QByteArray("[Other]\nk=v\n[OT Scores]\n1=900\n");
        QTest::newRow("duplicate keys") << QByteArray("[OT Scores]\n1=500\n1=900\n[Other]\nk=v\n")
                                        << QByteArray("1=900\n");
        QTest::newRow("initials of 10 000 characters")
            << "[User]\nLast=" + QByteArray(10000, 'Q') + "\n[OT Users]\n1=" + QByteArray(10000, 'W')
                   + "\n[OT Scores]\n1=900\n"
            << QByteArray("[User]\nLast=");
        QTest::newRow("scores beyond 32 bits") << QByteArray("[OT Scores]\n1=99999999999\n2=-99999999999\n")
                                               << QByteArray("[OT Scores]\n1=");
    }

    void badFilesNeverLoseTheOtherKeys()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, kept);
        store(m_path, before);
        const ScoreTable old = loaded(m_path);

        Player player { QStringLiteral("ABC"), {} };
        QVERIFY(playOneShowing(m_path, 123, 0, player));
        QCOMPARE(player.proposals.size(), 1);
        QCOMPARE(player.proposals.first(), old.LastInitials);

        QVERIFY(contents(m_path).contains(kept));
        const ScoreTable after = loaded(m_path);
        const auto *entered = std::find(after.OTScores.begin(), after.OTScores.end(), 123);
        QVERIFY(entered != after.OTScores.end());
        QCOMPARE(after.OTUsers[entered - after.OTScores.begin()], QStringLiteral("ABC"));
        QCOMPARE(ProfileFile(m_path).readString(QStringLiteral("Other"), QStringLiteral("k"), QStringLiteral("v")),
                 QStringLiteral("v"));
    }

    void longInitialsFromTheFileAreProposedAndKeptInFull()
    {
        store(m_path, "[User]\nLast=" + QByteArray(10000, 'Q') + "\n[OT Scores]\n1=900\n[OT Users]\n1="
                          + QByteArray(10000, 'W') + '\n');
        Player player { QStringLiteral("ABC"), {} };
        QVERIFY(playOneShowing(m_path, 1000, 0, player));
        QCOMPARE(player.proposals, QStringList { QString(10000, QLatin1Char('Q')) });
        QCOMPARE(loaded(m_path).OTUsers[1], QString(10000, QLatin1Char('W')));
    }

    void aRefusedSaveReportsFailure()
    {
        const QString blocker = m_folder->filePath(QStringLiteral("not-a-folder"));
        store(blocker, "x");
        Player player { QStringLiteral("ABC"), {} };
        QVERIFY(!playOneShowing(blocker + QStringLiteral("/Tomelor.ini"), 123, 0, player));
        QCOMPARE(contents(blocker), QByteArray("x"));
    }
};

QTEST_GUILESS_MAIN(TestScoreTable)
#include "tst_scoretable.moc"
