// The settings file where file systems and folders are not the plain private ones: no locks, links made by someone
// else, a table shared by a group, strange things at the names the game uses beside the file, a file that cannot
// be replaced, access control lists. What needs the superuser (giving files away, other users) is skipped without
// it.

#include "filehelpers.h"
#include "scores/profilefile.h"
#include "scores/scoretable.h"
#include "systemfaults.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <grp.h>
#include <memory>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/xattr.h>
#include <unistd.h>

using SystemFaults::Faults;

namespace {

const char *const CountArgument = "--count";
const QString Shared = QStringLiteral("Shared");
const QString Count = QStringLiteral("count");
constexpr uid_t OtherUser = 4242;
constexpr uid_t ThirdUser = 4244;
constexpr gid_t SharedGroup = 4343;

bool isSuperuser()
{
    return ::geteuid() == 0;
}

// A copy of the program that adds one to a shared counter `rounds` times, each a locked read and write.
int countUp(const QString &path, int rounds)
{
    for (int round = 0; round < rounds; ++round) {
        ProfileFile file(path);
        const bool saved = file.update([](const ProfileFile &current) {
            return QList<ProfileFile::Entry> {
                {Shared, Count, QString::number(current.readInteger(Shared, Count, 0) + 1)}};
        });
        if (!saved) {
            std::fprintf(stderr, "%s\n", qPrintable(file.writeFailureMessage()));
            return 1;
        }
    }
    return 0;
}

struct stat statOf(const QString &path)
{
    struct stat info
    {
    };
    ::lstat(QFile::encodeName(path).constData(), &info);
    return info;
}

QByteArray attribute(const QString &path, const char *name)
{
    QByteArray value(256, '\0');
    const ssize_t size = ::getxattr(QFile::encodeName(path).constData(), name, value.data(), value.size());
    return size < 0 ? QByteArray() : value.left(size);
}

// An access control list in the kernel's form: the owner may read and write, OtherUser too, the group and the
// others nothing; the mask allows reading and writing.
QByteArray accessControlList()
{
    struct Entry
    {
        quint16 tag;
        quint16 permissions;
        quint32 id;
    };
    const quint32 version = 2;
    const Entry entries[] = {{0x01, 6, quint32(-1)}, {0x02, 6, OtherUser}, {0x04, 0, quint32(-1)},
        {0x10, 6, quint32(-1)}, {0x20, 0, quint32(-1)}};
    return QByteArray(reinterpret_cast<const char *>(&version), sizeof version)
        + QByteArray(reinterpret_cast<const char *>(entries), sizeof entries);
}

} // namespace

class TestSettingsFaults : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_path;

    QStringList folderEntries(const QString &folder) const
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        QVERIFY(m_folder->isValid());
        m_path = m_folder->filePath(QStringLiteral("Tomelor.ini"));
    }

    // School and lab home folders on NFS without a lock service, some FUSE and 9p mounts.
    void savesWhereTheFileSystemHasNoLocks_data()
    {
        QTest::addColumn<int>("error");
        QTest::newRow("no locks available") << ENOLCK;
        QTest::newRow("not supported") << EOPNOTSUPP;
        QTest::newRow("no such call") << ENOSYS;
    }

    void savesWhereTheFileSystemHasNoLocks()
    {
        QFETCH(int, error);
        const Faults noLocks(error, 0);
        ProfileFile start(m_path);
        QVERIFY2(start.writeBool(QStringLiteral("Settings"), QStringLiteral("First Time"), false),
            qPrintable(start.writeFailureMessage()));
        QCOMPARE(ProfileFile(m_path).readBool(QStringLiteral("Settings"), QStringLiteral("First Time"), true), false);

        ProfileFile file(m_path);
        ScoreTable table;
        table.LoadScores(file);
        table.NewNTScore = 321;
        table.InsertScore(Testament::New, [](const QString &) { return QStringLiteral("NFS"); });
        QVERIFY(table.SaveMerged(file));
        table.LoadScores(ProfileFile(m_path));
        QCOMPARE(table.NTScores[0], 321);
        QCOMPARE(table.NTUsers[0], QStringLiteral("NFS"));
        QCOMPARE(folderEntries(m_folder->path()), QStringList {QStringLiteral("Tomelor.ini")});
    }

    // Started by the superuser with another user's configuration folder, the game must not write, nor read, where
    // that user's links point; the player's own links are followed, but never to create a file in another folder.
    void linksAreFollowedOnlyWhereThePlayerOrTheSuperuserMadeThem_data()
    {
        QTest::addColumn<bool>("othersLink");
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("targetExists");
        QTest::addColumn<bool>("saved");
        QTest::newRow("own link to a file in another folder") << false << "elsewhere/real.ini" << true << true;
        QTest::newRow("own link to a missing file beside it") << false << "real.ini" << false << true;
        QTest::newRow("own link to a missing file in another folder")
            << false << "elsewhere/real.ini" << false << false;
        QTest::newRow("another user's link to a file") << true << "elsewhere/real.ini" << true << false;
        QTest::newRow("another user's link to a missing file beside it") << true << "real.ini" << false << false;
    }

    void linksAreFollowedOnlyWhereThePlayerOrTheSuperuserMadeThem()
    {
        QFETCH(bool, othersLink);
        QFETCH(QString, target);
        QFETCH(bool, targetExists);
        QFETCH(bool, saved);
        if (othersLink && !isSuperuser())
            QSKIP("Only the superuser gives a link to another user; run as root to check links of others.");
        const QString targetPath = m_folder->filePath(target);
        QVERIFY(QDir().mkpath(m_folder->filePath(QStringLiteral("elsewhere"))));
        const QByteArray secret = "[User]\nLast=SECRET\n";
        if (targetExists) {
            store(targetPath, secret);
            QVERIFY(QFile::setPermissions(targetPath, QFile::ReadOwner | QFile::WriteOwner));
        }
        QVERIFY(QFile::link(target, m_path));
        if (othersLink)
            QCOMPARE(::lchown(QFile::encodeName(m_path).constData(), OtherUser, OtherUser), 0);

        ProfileFile file(m_path);
        QCOMPARE(file.readString(QStringLiteral("User"), QStringLiteral("Last"), QString()),
            targetExists && !othersLink ? QStringLiteral("SECRET") : QString());
        QCOMPARE(file.writeString(QStringLiteral("OT Users"), QStringLiteral("1"), QStringLiteral("NEW")), saved);
        QVERIFY(QFileInfo(m_path).isSymLink());
        if (saved) {
            QVERIFY(contents(targetPath).endsWith("[OT Users]\n1=NEW\n"));
        } else {
            QVERIFY(file.writeFailureMessage().startsWith(QStringLiteral("Unable to write to ") + m_path + ": "));
            QCOMPARE(QFileInfo::exists(targetPath), targetExists);
            if (targetExists)
                QCOMPARE(contents(targetPath), secret);
        }
    }

    // Two players in one group share a table in a setgid folder; each saves while the other does, with a private
    // umask, after a save of the first was killed and left its lock file behind.
    void playersSharingATableWaitForEachOther()
    {
        if (!isSuperuser())
            QSKIP("Two players need the superuser to become them; run as root to check a shared table.");
        const QString folder = m_folder->filePath(QStringLiteral("shared"));
        QVERIFY(QDir().mkpath(folder));
        const QByteArray folderBytes = QFile::encodeName(folder);
        QCOMPARE(::chmod(QFile::encodeName(m_folder->path()).constData(), 0755), 0);
        QCOMPARE(::chown(folderBytes.constData(), 0, SharedGroup), 0);
        QCOMPARE(::chmod(folderBytes.constData(), 02775), 0);
        const QString path = folder + QStringLiteral("/Tomelor.ini");
        store(path, "[Shared]\ncount=0\n");
        QCOMPARE(::chown(QFile::encodeName(path).constData(), OtherUser, SharedGroup), 0);
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0664), 0);
        const QString lock = folder + QStringLiteral("/.Tomelor.ini.lock");
        store(lock, "");
        QCOMPARE(::chown(QFile::encodeName(lock).constData(), OtherUser, SharedGroup), 0);
        QCOMPARE(::chmod(QFile::encodeName(lock).constData(), 0444), 0);

        const int rounds = 150;
        QList<QProcess *> players;
        for (const uid_t user : {OtherUser, ThirdUser}) {
            auto *player = new QProcess(this);
            player->setChildProcessModifier([user] {
                const gid_t groups[] = {SharedGroup};
                if (::setgroups(1, groups) != 0 || ::setgid(SharedGroup) != 0 || ::setuid(user) != 0)
                    ::_exit(111);
                ::umask(077);
            });
            player->start(QCoreApplication::applicationFilePath(),
                {QString::fromLatin1(CountArgument), path, QString::number(rounds)});
            players.append(player);
        }
        for (QProcess *player : players) {
            QVERIFY(player->waitForFinished(60000));
            QVERIFY2(player->exitCode() == 0, player->readAllStandardError().constData());
        }
        QCOMPARE(ProfileFile(path).readInteger(Shared, Count, 0), 2 * rounds);
        QCOMPARE(folderEntries(folder), QStringList {QStringLiteral("Tomelor.ini")});
        QCOMPARE(statOf(path).st_gid, SharedGroup);
        QCOMPARE(statOf(path).st_mode & 07777, 0664u);
    }

    // What lies at the lock's name or at a name like a save's temporary file, and is not the game's own, is never
    // opened or removed. At the lock's name it stops the save, with a message that names it.
    void whatIsNotTheGamesOwnIsLeftAlone_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        const QString lock = QStringLiteral(".Tomelor.ini.lock");
        const QString temporary = QStringLiteral(".Tomelor.ini.5eed");
        for (const QString &name : {lock, temporary}) {
            const char *where = name == lock ? "lock: " : "temporary: ";
            for (const char *kind :
                {"folder", "named pipe", "socket", "link to a file", "dangling link", "device", "another user's file"})
                QTest::newRow((QByteArray(where) + kind).constData()) << name << QString::fromLatin1(kind);
        }
    }

    void whatIsNotTheGamesOwnIsLeftAlone()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        const QString path = m_folder->filePath(name);
        const QByteArray bytes = QFile::encodeName(path);
        const QString aFile = m_folder->filePath(QStringLiteral("a-file"));
        store(aFile, "mine");
        store(m_path, "[User]\nLast=OLD\n");
        if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(path));
        } else if (kind == QLatin1String("named pipe")) {
            QCOMPARE(::mkfifo(bytes.constData(), 0666), 0);
        } else if (kind == QLatin1String("socket")) {
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address {};
            address.sun_family = AF_UNIX;
            QVERIFY(size_t(bytes.size()) < sizeof address.sun_path);
            std::copy(bytes.begin(), bytes.end(), address.sun_path);
            QCOMPARE(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
            ::close(fd);
        } else if (kind == QLatin1String("link to a file")) {
            QVERIFY(QFile::link(aFile, path));
        } else if (kind == QLatin1String("dangling link")) {
            QVERIFY(QFile::link(m_folder->filePath(QStringLiteral("nothing")), path));
        } else if (kind == QLatin1String("device")) {
            if (::mknod(bytes.constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
                QSKIP("Only the superuser makes device nodes.");
        } else {
            store(path, "");
            const uid_t other = ::geteuid() == OtherUser ? ThirdUser : OtherUser;
            if (::chown(bytes.constData(), other, other) != 0)
                QSKIP("Only the superuser gives files away.");
        }
        const struct stat before = statOf(path);

        ProfileFile file(m_path);
        const bool saved = file.writeString(QStringLiteral("User"), QStringLiteral("Last"), QStringLiteral("NEW"));
        const bool atTheLock = name.endsWith(QLatin1String(".lock"));
        if (atTheLock && kind != QLatin1String("another user's file")) {
            QVERIFY(!saved);
            QVERIFY2(file.writeFailureMessage().contains(path), qPrintable(file.writeFailureMessage()));
            QCOMPARE(contents(m_path), QByteArray("[User]\nLast=OLD\n"));
        } else {
            QVERIFY2(saved, qPrintable(file.writeFailureMessage()));
            QCOMPARE(contents(m_path), QByteArray("[User]\nLast=NEW\n"));
        }
        const struct stat after = statOf(path);
        QCOMPARE(after.st_ino, before.st_ino);
        QCOMPARE(after.st_mode, before.st_mode);
        QCOMPARE(contents(aFile), QByteArray("mine"));
        QVERIFY(!QFileInfo::exists(m_folder->filePath(QStringLiteral("nothing"))));
    }

    // A lock that another copy keeps longer than any save takes stops the save with a message that says so.
    void aLockHeldByAnotherCopyIsSaidPlainly()
    {
        store(m_path, "[User]\nLast=OLD\n");
        const QString lock = m_folder->filePath(QStringLiteral(".Tomelor.ini.lock"));
        store(lock, "");
        const int fd = ::open(QFile::encodeName(lock).constData(), O_RDONLY);
        QCOMPARE(::flock(fd, LOCK_EX), 0);
        ProfileFile file(m_path);
        const bool saved = file.writeString(QStringLiteral("User"), QStringLiteral("Last"), QStringLiteral("NEW"));
        ::close(fd);
        QVERIFY(!saved);
        QCOMPARE(file.writeFailureMessage(),
            QStringLiteral("Unable to write to %1: it is being saved by another copy of the game").arg(m_path));
        QCOMPARE(contents(m_path), QByteArray("[User]\nLast=OLD\n"));
    }

    // A file mounted onto its place cannot be renamed over: it is rewritten where it lies, if the player may.
    void whereRenameCannotWorkTheFileIsRewrittenInPlace_data()
    {
        QTest::addColumn<bool>("writable");
        QTest::newRow("writable") << true;
        QTest::newRow("protected") << false;
    }

    void whereRenameCannotWorkTheFileIsRewrittenInPlace()
    {
        QFETCH(bool, writable);
        const QByteArray before = "[User]\nLast=A LONGER OLD VALUE\n";
        store(m_path, before);
        if (!writable)
            QVERIFY(QFile::setPermissions(m_path, QFile::ReadOwner));
        const ino_t inode = statOf(m_path).st_ino;
        ProfileFile file(m_path);
        bool saved = false;
        {
            const Faults mounted(0, EBUSY);
            saved = file.writeString(QStringLiteral("User"), QStringLiteral("Last"), QStringLiteral("NEW"));
        }
        QCOMPARE(saved, writable);
        QCOMPARE(statOf(m_path).st_ino, inode);
        QCOMPARE(contents(m_path), writable ? QByteArray("[User]\nLast=NEW\n") : before);
        QCOMPARE(folderEntries(m_folder->path()), QStringList {QStringLiteral("Tomelor.ini")});
    }

    // The replacement keeps the old file's access control list (so that the group gains nothing through the
    // mask) and its other extended attributes.
    void accessControlListsAndAttributesSurvive()
    {
        store(m_path, "[User]\nLast=OLD\n");
        const QByteArray path = QFile::encodeName(m_path);
        const QByteArray acl = accessControlList();
        if (::setxattr(path.constData(), "user.tomelor", "kept", 4, 0) != 0
            || ::setxattr(path.constData(), "system.posix_acl_access", acl.constData(), acl.size(), 0) != 0)
            QSKIP("This file system keeps no extended attributes or access control lists.");
        const struct stat before = statOf(m_path);

        ProfileFile file(m_path);
        QVERIFY(file.writeString(QStringLiteral("User"), QStringLiteral("Last"), QStringLiteral("NEW")));
        QVERIFY(statOf(m_path).st_ino != before.st_ino);
        QCOMPARE(contents(m_path), QByteArray("[User]\nLast=NEW\n"));
        QCOMPARE(attribute(m_path, "user.tomelor"), QByteArray("kept"));
        QCOMPARE(attribute(m_path, "system.posix_acl_access"), acl);
        QCOMPARE(statOf(m_path).st_mode, before.st_mode);
    }
};

int main(int argc, char *argv[])
{
    if (argc == 4 && qstrcmp(argv[1], CountArgument) == 0)
        return countUp(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3]));
    QCoreApplication app(argc, argv);
    TestSettingsFaults test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_settingsfaults.moc"
