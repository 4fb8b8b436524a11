#include "filehelpers.h"
#include "settings/profilefile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

const char *const SaveLoopArgument = "--save-loop";

// The 21 keys of one save of the high-score table, every one carrying its writer's mark.
QList<ProfileFile::Entry> markedTable(const QString &mark)
{
    const QString score = QString::number(mark.at(0).unicode());
    QList<ProfileFile::Entry> entries {{QStringLiteral("User"), QStringLiteral("Last"), mark}};
    for (int row = 1; row <= 5; ++row) {
        const QString key = QString::number(row);
        entries.append({QStringLiteral("OT Scores"), key, score});
        entries.append({QStringLiteral("OT Users"), key, mark});
        entries.append({QStringLiteral("NT Scores"), key, score});
        entries.append({QStringLiteral("NT Users"), key, mark});
    }
    return entries;
}

// Whether every key of a marked table is there, all from the same writer.
bool holdsOneWholeTable(const ProfileFile &file)
{
    const QString mark = file.readString(QStringLiteral("User"), QStringLiteral("Last"), QString());
    if (mark.isEmpty())
        return false;
    const QList<ProfileFile::Entry> expected = markedTable(mark);
    return std::all_of(expected.begin(), expected.end(), [&](const ProfileFile::Entry &entry) {
        return file.readString(entry.section, entry.key, QString()) == entry.value;
    });
}

// A second copy of the program: saves its marked table again and again.
int saveLoop(const QString &path, const QString &mark, int count)
{
    ProfileFile file(path);
    for (int round = 0; round < count; ++round) {
        if (!file.write(markedTable(mark)))
            return 1;
    }
    return 0;
}

// Files this process writes may not grow beyond a few bytes, as on a full disk; the write fails instead of
// ending the process.
class FullDisk
{
public:
    explicit FullDisk(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDisk()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_savedHandler);
    }

private:
    rlimit m_saved {};
    void (*m_savedHandler)(int) = nullptr;
};

} // namespace

class TestProfileFile : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_path;

    QStringList folderEntries() const
    {
        return QDir(m_folder->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        QVERIFY(m_folder->isValid());
        m_path = m_folder->filePath(QStringLiteral("Tomelor.ini"));
    }

    void defaultPathIsInTheConfigurationFolder()
    {
        const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
        const QString home = QDir::homePath() + QStringLiteral("/.config/Tomelor.ini");
        qputenv("XDG_CONFIG_HOME", "/some/where");
        QCOMPARE(ProfileFile::defaultPath(), QStringLiteral("/some/where/Tomelor.ini"));
        qputenv("XDG_CONFIG_HOME", "relative/folder");
        QCOMPARE(ProfileFile::defaultPath(), home);
        qunsetenv("XDG_CONFIG_HOME");
        QCOMPARE(ProfileFile::defaultPath(), home);
        qputenv("XDG_CONFIG_HOME", saved);
    }

    void missingFileReadsTheDefaults()
    {
        const ProfileFile file(m_path);
        QCOMPARE(file.readString(QStringLiteral("User"), QStringLiteral("Last"), QStringLiteral("d")), "d");
        QCOMPARE(file.readInteger(QStringLiteral("OT Scores"), QStringLiteral("1"), 7), 7);
        QCOMPARE(file.readBool(QStringLiteral("Settings"), QStringLiteral("First Time"), true), true);
        QVERIFY(!QFile::exists(m_path));
    }

    void readsTheValueForms()
    {
        store(m_path,
            "[Settings]\nFirst Time=0\n[Values]\nhex=0x1F\nletters=abc\nbig=99999999999\nnegative=-49\n"
            "empty=\non=-1\nname=Ab\xC3\xA9\ntwoSigns=+-49\n");
        const ProfileFile file(m_path);
        const QString values = QStringLiteral("Values");
        QCOMPARE(file.readBool(QStringLiteral("Settings"), QStringLiteral("First Time"), true), false);
        QCOMPARE(file.readInteger(values, QStringLiteral("hex"), 0), 31);
        QCOMPARE(file.readInteger(values, QStringLiteral("letters"), 7), 7);
        QCOMPARE(file.readInteger(values, QStringLiteral("big"), 7), 7);
        QCOMPARE(file.readInteger(values, QStringLiteral("negative"), 0), -49);
        QCOMPARE(file.readInteger(values, QStringLiteral("twoSigns"), 7), 7);
        QCOMPARE(file.readInteger(values, QStringLiteral("empty"), 7), 7);
        QCOMPARE(file.readString(values, QStringLiteral("empty"), QStringLiteral("d")), QString());
        QCOMPARE(file.readBool(values, QStringLiteral("on"), false), true);
        QCOMPARE(file.readBool(values, QStringLiteral("letters"), true), true);
        QCOMPARE(file.readBool(values, QStringLiteral("letters"), false), false);
        QCOMPARE(file.readString(values, QStringLiteral("name"), QString()), QStringLiteral("Ab\u00E9"));
    }

    void writesTheValueFormsIntoANewFolder()
    {
        const QString path = m_folder->filePath(QStringLiteral("new/folder/Tomelor.ini"));
        ProfileFile file(path);
        QVERIFY(file.writeBool(QStringLiteral("Settings"), QStringLiteral("First Time"), false));
        QVERIFY(file.writeInteger(QStringLiteral("OT Scores"), QStringLiteral("1"), -49));
        QVERIFY(file.writeString(QStringLiteral("User"), QStringLiteral("Last"), QStringLiteral("\u00C9T")));
        QVERIFY(file.writeBool(QStringLiteral("Settings"), QStringLiteral("Sound"), true));
        QCOMPARE(contents(path),
            QByteArray("[Settings]\nFirst Time=0\nSound=1\n\n[OT Scores]\n1=-49\n\n[User]\nLast=\xC3\x89T\n"));
        QCOMPARE(file.readInteger(QStringLiteral("OT Scores"), QStringLiteral("1"), 0), -49);
    }

    void writeLeavesEveryOtherByteOfAFileFromAnotherSystem()
    {
        const QByteArray before = "\xEF\xBB\xBF; written elsewhere\r\n[Window]\r\nLeft=10\r\n\r\n[ot scores]\r\n"
                                  " 1 = 500 \r\n;  2 = 1\r\n 2 = 400\r\n\r\n[Other]\r\nx=y\r\n";
        store(m_path, before);
        ProfileFile file(m_path);
        QCOMPARE(file.readInteger(QStringLiteral("OT Scores"), QStringLiteral("1"), 0), 500);
        QVERIFY(file.writeInteger(QStringLiteral("OT Scores"), QStringLiteral("1"), 600));
        QVERIFY(file.writeInteger(QStringLiteral("OT Scores"), QStringLiteral("3"), 300));
        QCOMPARE(contents(m_path),
            QByteArray("\xEF\xBB\xBF; written elsewhere\r\n[Window]\r\nLeft=10\r\n\r\n[ot scores]\r\n"
                       " 1 = 600 \r\n;  2 = 1\r\n 2 = 400\r\n3=300\r\n\r\n[Other]\r\nx=y\r\n"));
    }

    void writeKeepsWhatAnotherCopyWroteMeanwhile()
    {
        ProfileFile mine(m_path);
        ProfileFile theirs(m_path);
        QVERIFY(theirs.writeString(QStringLiteral("User"), QStringLiteral("Last"), QStringLiteral("XYZ")));
        QCOMPARE(mine.readString(QStringLiteral("User"), QStringLiteral("Last"), QString()), QString());
        QVERIFY(mine.writeBool(QStringLiteral("Settings"), QStringLiteral("First Time"), false));
        QCOMPARE(mine.readString(QStringLiteral("User"), QStringLiteral("Last"), QString()), QStringLiteral("XYZ"));
    }

    void aBatchIsStoredWholeOrNotAtAll()
    {
        store(m_path, "[Settings]\nFirst Time=0\n");
        ProfileFile file(m_path);
        QList<ProfileFile::Entry> entries = markedTable(QStringLiteral("A"));
        entries.append({QStringLiteral("User"), QStringLiteral("a=b"), QStringLiteral("1")});
        QVERIFY(!file.write(entries));
        QCOMPARE(contents(m_path), QByteArray("[Settings]\nFirst Time=0\n"));

        entries.removeLast();
        QVERIFY(file.write(entries));
        QVERIFY(holdsOneWholeTable(ProfileFile(m_path)));
        QVERIFY(contents(m_path).startsWith("[Settings]\nFirst Time=0\n"));
    }

    void writeIntoAPathUnderARegularFileFails()
    {
        const QString blocker = m_folder->filePath(QStringLiteral("not-a-folder"));
        store(blocker, "x");
        const QString path = blocker + QStringLiteral("/Tomelor.ini");
        ProfileFile file(path);
        QVERIFY(!file.writeString(QStringLiteral("User"), QStringLiteral("Last"), QStringLiteral("ABC")));
        QCOMPARE(file.writeFailureMessage(),
            QStringLiteral("Unable to write to %1: %2").arg(path, qt_error_string(ENOTDIR)));
        QCOMPARE(contents(blocker), QByteArray("x"));
    }

    void fullDiskLeavesTheOldFileIntact()
    {
        const QByteArray before = "[User]\nLast=OLD\n";
        store(m_path, before);
        ProfileFile file(m_path);
        {
            const FullDisk full(64);
            QVERIFY(!file.writeString(QStringLiteral("User"), QStringLiteral("Last"), QString(200, QLatin1Char('N'))));
        }
        QCOMPARE(contents(m_path), before);
        QCOMPARE(file.readString(QStringLiteral("User"), QStringLiteral("Last"), QString()), QStringLiteral("OLD"));
        QCOMPARE(folderEntries(), QStringList {QStringLiteral("Tomelor.ini")});
    }

    // No temporary file can be made beside it, so the file the player may write is rewritten where it lies.
    void readOnlyFolderGetsItsFileRewrittenInPlace()
    {
        if (geteuid() == 0)
            QSKIP("Permissions do not stop the superuser from writing.");
        store(m_path, "[User]\nLast=OLD\n");
        QFile::setPermissions(m_folder->path(), QFile::ReadOwner | QFile::ExeOwner);
        ProfileFile file(m_path);
        const bool written = file.writeString(QStringLiteral("User"), QStringLiteral("Last"), QStringLiteral("N"));
        QFile::setPermissions(m_folder->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY2(written, qPrintable(file.writeFailureMessage()));
        QCOMPARE(contents(m_path), QByteArray("[User]\nLast=N\n"));
        QCOMPARE(folderEntries(), QStringList {QStringLiteral("Tomelor.ini")});
    }

    void somethingUnreadableInThePlaceOfTheFileIsNotReplaced()
    {
        QVERIFY(QDir().mkpath(m_path));
        ProfileFile file(m_path);
        QCOMPARE(file.readString(QStringLiteral("User"), QStringLiteral("Last"), QStringLiteral("d")), "d");
        QVERIFY(!file.writeString(QStringLiteral("User"), QStringLiteral("Last"), QStringLiteral("ABC")));
        QVERIFY(QFileInfo(m_path).isDir());
    }

    void replacementKeepsPermissionsAndLinks()
    {
        const QString target = m_folder->filePath(QStringLiteral("real.ini"));
        store(target, "[User]\nLast=OLD\n");
        QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner));
        QVERIFY(QFile::link(target, m_path));
        ProfileFile file(m_path);
        QVERIFY(file.writeString(QStringLiteral("User"), QStringLiteral("Last"), QStringLiteral("NEW")));
        QVERIFY(QFileInfo(m_path).isSymLink());
        QCOMPARE(contents(target), QByteArray("[User]\nLast=NEW\n"));
        struct stat mode;
        QCOMPARE(::stat(QFile::encodeName(target).constData(), &mode), 0);
        QCOMPARE(mode.st_mode & 07777, 0600u);
    }

    // Whatever lies in the place of the file, reading never hangs or ends the game, and a write replaces only a
    // regular file of a sane size or a missing one.
    void onlyARegularFileOfASaneSizeIsReadOrReplaced_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("named pipe") << QStringLiteral("fifo");
        QTest::newRow("64 GiB sparse file") << QStringLiteral("sparse");
        QTest::newRow("17 MiB of settings") << QStringLiteral("big");
        QTest::newRow("link to a device") << QStringLiteral("device");
    }

    void onlyARegularFileOfASaneSizeIsReadOrReplaced()
    {
        QFETCH(QString, kind);
        const QByteArray path = QFile::encodeName(m_path);
        const QString device = m_folder->filePath(QStringLiteral("null"));
        if (kind == QLatin1String("fifo")) {
            QCOMPARE(::mkfifo(path.constData(), 0600), 0);
        } else if (kind == QLatin1String("sparse")) {
            store(m_path, "[User]\nLast=OLD\n");
            QCOMPARE(::truncate(path.constData(), 64LL << 30), 0);
        } else if (kind == QLatin1String("big")) {
            store(m_path, "[User]\nLast=OLD\n[Notes]\n" + QByteArray(17 * 1024 * 1024, 'n') + '\n');
        } else {
            // A device node of its own, so that a fault here could harm nothing but the test's folder.
            if (::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
                QSKIP("Only the superuser makes device nodes.");
            QVERIFY(QFile::link(device, m_path));
        }
        struct stat before;
        QCOMPARE(::stat(path.constData(), &before), 0);

        ProfileFile file(m_path);
        QCOMPARE(file.readString(QStringLiteral("User"), QStringLiteral("Last"), QStringLiteral("d")), "d");
        QVERIFY(!file.writeString(QStringLiteral("User"), QStringLiteral("Last"), QStringLiteral("NEW")));
        QVERIFY(file.writeFailureMessage().startsWith(QStringLiteral("Unable to write to ") + m_path + ": "));
        struct stat after;
        QCOMPARE(::stat(path.constData(), &after), 0);
        QCOMPARE(after.st_ino, before.st_ino);
        QCOMPARE(after.st_size, before.st_size);
    }

    // Only the game's own temporaries go: the player's files of like names stay, and so does the temporary of a
    // save in progress, which holds a lock on it.
    void leftoversOfKilledSavesAreCleanedUp()
    {
        store(m_path, "[User]\nLast=OLD\n");
        const auto make = [this](const char *name) {
            const QString path = m_folder->filePath(QString::fromLatin1(name));
            store(path, "[User]\nLast=HALF");
            return path;
        };
        const QStringList players {make(".Tomelor.ini.1"), make(".Tomelor.ini.1f3a"), make(".Tomelor.ini.bad"),
            make(".Tomelor.ini.save-5eed")};
        const QString leftover = make(".Tomelor.ini.save-000000000000abcd");
        // A save in progress holds a lock on its temporary file; one that has only just made it may not have
        // locked it yet, but it is new, and a leftover is older than any save.
        const QString saving = make(".Tomelor.ini.save-00000000c0ffee00");
        const QString starting = make(".Tomelor.ini.save-0000000000000f00");
        const struct timespec hourAgo[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
        for (const QString &old : players + QStringList {leftover, saving})
            QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(old).constData(), hourAgo, 0), 0);
        const int fd = ::open(QFile::encodeName(saving).constData(), O_RDONLY);
        QCOMPARE(::flock(fd, LOCK_EX), 0);
        QVERIFY(ProfileFile(m_path).writeString(QStringLiteral("User"), QStringLiteral("Last"), QStringLiteral("N")));
        ::close(fd);
        QStringList kept;
        for (const QString &path : players + QStringList {saving, starting, m_path})
            kept.append(QFileInfo(path).fileName());
        kept.sort();
        QCOMPARE(folderEntries(), kept);
    }

    void protectionOwnerAndGroupAreRespected()
    {
        const QByteArray before = "[User]\nLast=OLD\n";
        store(m_path, before);
        QVERIFY(QFile::setPermissions(m_path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        ProfileFile file(m_path);
        QVERIFY(!file.writeString(QStringLiteral("User"), QStringLiteral("Last"), QStringLiteral("NEW")));
        QCOMPARE(file.writeFailureMessage(),
            QStringLiteral("Unable to write to %1: %2").arg(m_path, qt_error_string(EACCES)));
        QCOMPARE(contents(m_path), before);

        QVERIFY(QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::WriteGroup));
        if (::chown(QFile::encodeName(m_path).constData(), 4242, 4343) != 0)
            QSKIP("Only the superuser gives files away.");
        QVERIFY(file.writeString(QStringLiteral("User"), QStringLiteral("Last"), QStringLiteral("NEW")));
        struct stat info;
        QCOMPARE(::stat(QFile::encodeName(m_path).constData(), &info), 0);
        QCOMPARE(info.st_uid, 4242u);
        QCOMPARE(info.st_gid, 4343u);
        QCOMPARE(info.st_mode & 07777, 0620u);
    }

    // A link to nothing gets its file in its own folder, never in another one.
    void aDanglingLinkGetsItsTargetOnlyBesideIt()
    {
        QVERIFY(QFile::link(QStringLiteral("real.ini"), m_path));
        QVERIFY(ProfileFile(m_path).writeString(QStringLiteral("User"), QStringLiteral("Last"), QStringLiteral("N")));
        QVERIFY(QFileInfo(m_path).isSymLink());
        QCOMPARE(contents(m_folder->filePath(QStringLiteral("real.ini"))), QByteArray("[User]\nLast=N\n"));

        QVERIFY(QFile::remove(m_path));
        QVERIFY(QFile::link(QStringLiteral("elsewhere/real.ini"), m_path));
        ProfileFile file(m_path);
        QVERIFY(!file.writeString(QStringLiteral("User"), QStringLiteral("Last"), QStringLiteral("N")));
        QVERIFY(!QFileInfo::exists(m_folder->filePath(QStringLiteral("elsewhere"))));
        QCOMPARE(file.writeFailureMessage(),
            QStringLiteral("Unable to write to %1: it is a link to a missing file in another folder, which is "
                           "not created")
                .arg(m_path));
    }

    // Keys that are not written keep their bytes in whatever encoding another program gave them.
    void untouchedKeysKeepTheirBytes_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QString>("oldInitials");
        QTest::newRow("Latin-1") << QByteArray("[OT Users]\n1=J\xC9R\n2=\xC5SA\n")
                                 << QByteArray("[OT Users]\n1=J\xC9R\n2=\xC5SA\n3=J\xC9R\n")
                                 << QStringLiteral("J\u00C9R");
        QTest::newRow("CR line ends") << QByteArray("[OT Users]\r1=J\xC3\x89R\r2=EVA\r")
                                      << QByteArray("[OT Users]\r1=J\xC3\x89R\r2=EVA\r3=J\xC3\x89R\r")
                                      << QStringLiteral("J\u00C9R");
        const auto utf16 = [](const char16_t *text) {
            return QByteArray("\xFF\xFE")
                + QByteArray(reinterpret_cast<const char *>(text), std::char_traits<char16_t>::length(text) * 2);
        };
        // An unpaired surrogate and an odd last byte, too, come back as they were.
        QTest::newRow("UTF-16") << utf16(u"[OT Users]\r\n1=J\u00C9R\r\n2=\U0001F600\xD800\r\n") + '!'
                                << utf16(u"[OT Users]\r\n1=J\u00C9R\r\n2=\U0001F600\xD800\r\n3=J\u00C9R\r\n") + '!'
                                << QStringLiteral("J\u00C9R");
    }

    void untouchedKeysKeepTheirBytes()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QFETCH(QString, oldInitials);
        store(m_path, before);
        ProfileFile file(m_path);
        const QString first = file.readString(QStringLiteral("OT Users"), QStringLiteral("1"), QString());
        QCOMPARE(first, oldInitials);
        const QString second = file.readString(QStringLiteral("OT Users"), QStringLiteral("2"), QString());
        QVERIFY(file.write({{QStringLiteral("OT Users"), QStringLiteral("1"), first},
            {QStringLiteral("OT Users"), QStringLiteral("2"), second},
            {QStringLiteral("OT Users"), QStringLiteral("3"), first}}));
        QCOMPARE(contents(m_path), after);
    }

    void foldersAreNamedByTheirBytesAndCreatedPrivate()
    {
        const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
        const QByteArray folder = QFile::encodeName(m_folder->path()) + "/\xE9t\xE9/config";
        qputenv("XDG_CONFIG_HOME", folder);
        ProfileFile file(ProfileFile::defaultPath());
        QVERIFY(file.writeBool(QStringLiteral("Settings"), QStringLiteral("First Time"), false));
        qputenv("XDG_CONFIG_HOME", saved);
        struct stat info;
        QCOMPARE(::stat((folder + "/Tomelor.ini").constData(), &info), 0);
        QCOMPARE(::stat(folder.constData(), &info), 0);
        QCOMPARE(info.st_mode & 0777, 0700u);
    }

    void noConfigurationFolderIsSaidPlainly()
    {
        const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
        const QByteArray savedHome = qgetenv("HOME");
        qunsetenv("XDG_CONFIG_HOME");
        qunsetenv("HOME");
        ProfileFile file(ProfileFile::defaultPath());
        qputenv("XDG_CONFIG_HOME", savedConfig);
        qputenv("HOME", savedHome);
        QVERIFY(file.path().isEmpty());
        QVERIFY(file.readBool(QStringLiteral("Settings"), QStringLiteral("First Time"), true));
        QVERIFY(!file.writeBool(QStringLiteral("Settings"), QStringLiteral("First Time"), false));
        QVERIFY(file.writeFailureMessage().startsWith(QStringLiteral("Unable to write to Tomelor.ini: ")));
        QVERIFY(file.writeFailureMessage().contains(QStringLiteral("HOME")));
    }

    void megabyteLinesAreKept()
    {
        const QByteArray longValue(1024 * 1024, 'v');
        const QByteArray longLine(1024 * 1024, 'w');
        const QByteArray before = "[Notes]\nlong=" + longValue + '\n' + longLine + "\n[User]\nLast=OLD\n";
        store(m_path, before);
        ProfileFile file(m_path);
        QCOMPARE(file.readString(QStringLiteral("Notes"), QStringLiteral("long"), QString()).size(), longValue.size());
        QVERIFY(file.writeString(QStringLiteral("User"), QStringLiteral("Last"), QStringLiteral("NEW")));
        QCOMPARE(contents(m_path), "[Notes]\nlong=" + longValue + '\n' + longLine + "\n[User]\nLast=NEW\n");
    }

    void twoCopiesSavingAtOnceEachLeaveAWholeFile()
    {
        ProfileFile first(m_path);
        QVERIFY(first.writeBool(QStringLiteral("Settings"), QStringLiteral("First Time"), false));
        QVERIFY(first.write(markedTable(QStringLiteral("A"))));

        const int rounds = 100;
        QList<QProcess *> copies;
        for (const char *mark : {"A", "B"}) {
            auto *copy = new QProcess(this);
            copy->start(QCoreApplication::applicationFilePath(),
                {QString::fromLatin1(SaveLoopArgument), m_path, QString::fromLatin1(mark), QString::number(rounds)});
            QVERIFY(copy->waitForStarted());
            copies.append(copy);
        }

        int reads = 0;
        int torn = 0;
        const auto running = [&] {
            return std::any_of(
                copies.begin(), copies.end(), [](QProcess *copy) { return copy->state() != QProcess::NotRunning; });
        };
        while (running()) {
            const ProfileFile now(m_path);
            ++reads;
            const bool firstTime = now.readBool(QStringLiteral("Settings"), QStringLiteral("First Time"), true);
            if (!holdsOneWholeTable(now) || firstTime)
                ++torn;
            for (QProcess *copy : copies)
                copy->waitForFinished(1);
        }
        for (QProcess *copy : copies) {
            QCOMPARE(copy->exitStatus(), QProcess::NormalExit);
            QCOMPARE(copy->exitCode(), 0);
        }
        QCOMPARE(torn, 0);
        QVERIFY(reads > 0);
        QVERIFY(holdsOneWholeTable(ProfileFile(m_path)));
        QCOMPARE(folderEntries(), QStringList {QStringLiteral("Tomelor.ini")});
    }
};

int main(int argc, char *argv[])
{
    if (argc == 5 && qstrcmp(argv[1], SaveLoopArgument) == 0)
        return saveLoop(QString::fromLocal8Bit(argv[2]), QString::fromLatin1(argv[3]), std::atoi(argv[4]));
    QCoreApplication app(argc, argv);
    TestProfileFile test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_profilefile.moc"
