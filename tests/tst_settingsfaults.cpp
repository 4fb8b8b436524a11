// The settings file where folders and file systems are not plain and private. What needs the superuser (other
// users, their links, device nodes) is skipped without it.

#include "filehelpers.h"
#include "settings/profilefile.h"
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
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

const char *const CountArgument = "--count";
const QString User = QStringLiteral("User");
const QString Last = QStringLiteral("Last");
constexpr uid_t OtherUser = 4242;
constexpr uid_t ThirdUser = 4244;
constexpr gid_t SharedGroup = 4343;

// A copy of the program that adds one to a shared counter `rounds` times, each a locked read and write.
int countUp(const QString &path, int rounds)
{
    for (int round = 0; round < rounds; ++round) {
        ProfileFile file(path);
        if (!file.update([](const ProfileFile &now) {
                return QList<ProfileFile::Entry> {{User, Last, QString::number(now.readInteger(User, Last, 0) + 1)}};
            })) {
            std::fprintf(stderr, "%s\n", qPrintable(file.writeFailureMessage()));
            return 1;
        }
    }
    return 0;
}

// Whether other users may run the program at this path: every folder above it must let them through.
bool othersMayRun(const QString &program)
{
    for (QFileInfo at(program); !at.isRoot(); at = QFileInfo(at.absolutePath())) {
        if (!(at.permissions() & QFile::ExeOther))
            return false;
    }
    return true;
}

// Someone who is not the one running the test.
uid_t anotherUser()
{
    return ::geteuid() == OtherUser ? ThirdUser : OtherUser;
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

    // NFS without a lock service, some FUSE and 9p mounts: the first start and a score are stored all the same.
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
        const SystemFaults::Faults noLocks(error, 0);
        QVERIFY(ProfileFile(m_path).writeBool(QStringLiteral("Settings"), QStringLiteral("First Time"), false));
        ProfileFile file(m_path);
        ScoreTable table;
        table.LoadScores(file);
        table.NewNTScore = 321;
        table.InsertScore(Testament::New, [](const QString &) { return QStringLiteral("NFS"); });
        QVERIFY(table.SaveMerged(file));
        table.LoadScores(ProfileFile(m_path));
        QCOMPARE(table.NTScores[0], 321);
        QCOMPARE(ProfileFile(m_path).readBool(QStringLiteral("Settings"), QStringLiteral("First Time"), true), false);
        QCOMPARE(folderEntries(m_folder->path()), QStringList {QStringLiteral("Tomelor.ini")});
    }

    // The superuser with another user's configuration folder neither writes nor reads where that user's links
    // point; the player's own links are followed, but never to create a file in another folder.
    void linksAreFollowedOnlyWhereThePlayerOrTheSuperuserMadeThem_data()
    {
        QTest::addColumn<bool>("othersLink");
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("targetExists");
        QTest::addColumn<bool>("saved");
        QTest::newRow("own, to a file in another folder") << false << "elsewhere/real.ini" << true << true;
        QTest::newRow("own, to a missing file beside it") << false << "real.ini" << false << true;
        QTest::newRow("own, to a missing file in another folder") << false << "elsewhere/real.ini" << false << false;
        QTest::newRow("another user's, to a file") << true << "elsewhere/real.ini" << true << false;
        QTest::newRow("another user's, to a missing file beside it") << true << "real.ini" << false << false;
    }

    void linksAreFollowedOnlyWhereThePlayerOrTheSuperuserMadeThem()
    {
        QFETCH(bool, othersLink);
        QFETCH(QString, target);
        QFETCH(bool, targetExists);
        QFETCH(bool, saved);
        const QString targetPath = m_folder->filePath(target);
        QVERIFY(QDir().mkpath(m_folder->filePath(QStringLiteral("elsewhere"))));
        const QByteArray secret = "[User]\nLast=SECRET\n";
        if (targetExists)
            store(targetPath, secret);
        QVERIFY(QFile::link(target, m_path));
        if (othersLink && ::lchown(QFile::encodeName(m_path).constData(), anotherUser(), anotherUser()) != 0)
            QSKIP("Only the superuser gives a link to another user.");

        ProfileFile file(m_path);
        QCOMPARE(
            file.readString(User, Last, QString()), targetExists && !othersLink ? QStringLiteral("SECRET") : QString());
        QCOMPARE(file.writeString(QStringLiteral("OT Users"), QStringLiteral("1"), QStringLiteral("NEW")), saved);
        QVERIFY(QFileInfo(m_path).isSymLink());
        if (saved)
            QVERIFY(contents(targetPath).endsWith("[OT Users]\n1=NEW\n"));
        else
            QCOMPARE(contents(targetPath), targetExists ? secret : QByteArray());
        QCOMPARE(QFileInfo::exists(targetPath), targetExists || saved);
    }

    // A configuration folder that is another user's link is not used either.
    void aConfigurationFolderBehindAnotherUsersLinkIsNotUsed()
    {
        const QString real = m_folder->filePath(QStringLiteral("real"));
        const QString config = m_folder->filePath(QStringLiteral("config"));
        QVERIFY(QDir().mkpath(real));
        QVERIFY(QFile::link(real, config));
        if (::lchown(QFile::encodeName(config).constData(), anotherUser(), anotherUser()) != 0)
            QSKIP("Only the superuser gives a link to another user.");
        ProfileFile file(config + QStringLiteral("/Tomelor.ini"));
        QVERIFY(!file.writeBool(QStringLiteral("Settings"), QStringLiteral("First Time"), false));
        QVERIFY(
            file.writeFailureMessage().endsWith(QStringLiteral("a link made by another user, which is not followed")));
        QCOMPARE(folderEntries(real), QStringList());
    }

    // Two players of one group share a table in a setgid folder, each with a private umask, after a killed save
    // of the first left its lock file: both count up a shared number, and no count is lost.
    void playersSharingATableWaitForEachOther()
    {
        if (::geteuid() != 0)
            QSKIP("Two players need the superuser to become them.");
        if (!othersMayRun(QCoreApplication::applicationFilePath()))
            QSKIP("Other users may not run the test program where it lies (a folder above it is private).");
        const QString folder = m_folder->filePath(QStringLiteral("shared"));
        const QString path = folder + QStringLiteral("/Tomelor.ini");
        const QString lock = folder + QStringLiteral("/.Tomelor.ini.lock");
        QVERIFY(QDir().mkpath(folder));
        store(path, "");
        store(lock, "");
        const auto give = [](const QString &name, uid_t owner, mode_t mode) {
            const QByteArray bytes = QFile::encodeName(name);
            return ::chown(bytes.constData(), owner, SharedGroup) == 0 && ::chmod(bytes.constData(), mode) == 0;
        };
        QVERIFY(::chmod(QFile::encodeName(m_folder->path()).constData(), 0755) == 0 && give(folder, 0, 02775)
            && give(path, OtherUser, 0664) && give(lock, OtherUser, 0444));

        const int rounds = 150;
        QList<QProcess *> players;
        for (const uid_t user : {OtherUser, ThirdUser}) {
            players.append(new QProcess(this));
            players.last()->setChildProcessModifier([user] {
                const gid_t groups[] = {SharedGroup};
                if (::setgroups(1, groups) != 0 || ::setgid(SharedGroup) != 0 || ::setuid(user) != 0)
                    ::_exit(111);
                ::umask(077);
            });
            players.last()->start(QCoreApplication::applicationFilePath(),
                {QString::fromLatin1(CountArgument), path, QString::number(rounds)});
        }
        for (QProcess *player : players) {
            QVERIFY(player->waitForFinished(60000));
            QVERIFY2(player->exitCode() == 0, player->readAllStandardError().constData());
        }
        QCOMPARE(ProfileFile(path).readInteger(User, Last, 0), 2 * rounds);
        QCOMPARE(folderEntries(folder), QStringList {QStringLiteral("Tomelor.ini")});
        QCOMPARE(statOf(path).st_gid, SharedGroup);
        QCOMPARE(statOf(path).st_mode & 07777, 0664u);
    }

    // What is not the game's own, at the lock's name or at a name like a save's temporary file, is never opened or
    // removed. At the lock's name it stops the save, with a message that names it.
    void whatIsNotTheGamesOwnIsLeftAlone_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        for (const char *name : {".Tomelor.ini.lock", ".Tomelor.ini.5eed"}) {
            for (const char *kind : {"folder", "named pipe", "dangling link", "device", "another user's file"})
                QTest::addRow("%s %s", name, kind) << QString::fromLatin1(name) << QString::fromLatin1(kind);
        }
    }

    void whatIsNotTheGamesOwnIsLeftAlone()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        const QString path = m_folder->filePath(name);
        const QByteArray bytes = QFile::encodeName(path);
        const QString nothing = m_folder->filePath(QStringLiteral("nothing"));
        store(m_path, "[User]\nLast=OLD\n");
        if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(path));
        } else if (kind == QLatin1String("named pipe")) {
            QCOMPARE(::mkfifo(bytes.constData(), 0666), 0);
        } else if (kind == QLatin1String("dangling link")) {
            QVERIFY(QFile::link(nothing, path));
        } else if (kind == QLatin1String("device")) {
            if (::mknod(bytes.constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
                QSKIP("Only the superuser makes device nodes.");
        } else {
            store(path, "");
            if (::chown(bytes.constData(), anotherUser(), anotherUser()) != 0)
                QSKIP("Only the superuser gives files away.");
        }
        const struct stat before = statOf(path);

        ProfileFile file(m_path);
        const bool stopped = name.endsWith(QLatin1String(".lock")) && kind != QLatin1String("another user's file");
        QCOMPARE(file.writeString(User, Last, QStringLiteral("NEW")), !stopped);
        QCOMPARE(contents(m_path), stopped ? QByteArray("[User]\nLast=OLD\n") : QByteArray("[User]\nLast=NEW\n"));
        if (stopped)
            QVERIFY2(file.writeFailureMessage().contains(path), qPrintable(file.writeFailureMessage()));
        QCOMPARE(statOf(path).st_ino, before.st_ino);
        QCOMPARE(statOf(path).st_mode, before.st_mode);
        QVERIFY(!QFileInfo::exists(nothing));
    }

    // A lock that another copy keeps longer than any save takes stops the save, and says so.
    void aLockHeldByAnotherCopyIsSaidPlainly()
    {
        const QString lock = m_folder->filePath(QStringLiteral(".Tomelor.ini.lock"));
        store(lock, "");
        const int fd = ::open(QFile::encodeName(lock).constData(), O_RDONLY);
        QCOMPARE(::flock(fd, LOCK_EX), 0);
        ProfileFile file(m_path);
        const bool saved = file.writeString(User, Last, QStringLiteral("NEW"));
        ::close(fd);
        QVERIFY(!saved);
        QCOMPARE(file.writeFailureMessage(),
            QStringLiteral("Unable to write to %1: it is being saved by another copy of the game").arg(m_path));
        QVERIFY(!QFileInfo::exists(m_path));
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
        QVERIFY(QFile::setPermissions(m_path, writable ? QFile::ReadOwner | QFile::WriteOwner : QFile::ReadOwner));
        const ino_t inode = statOf(m_path).st_ino;
        ProfileFile file(m_path);
        const SystemFaults::Faults mounted(0, EBUSY);
        QCOMPARE(file.writeString(User, Last, QStringLiteral("NEW")), writable);
        QCOMPARE(statOf(m_path).st_ino, inode);
        QCOMPARE(contents(m_path), writable ? QByteArray("[User]\nLast=NEW\n") : before);
        QCOMPARE(folderEntries(m_folder->path()), QStringList {QStringLiteral("Tomelor.ini")});
    }

    // The old file's access control list (whose mask would otherwise become the group's permission) and its other
    // extended attributes go over to the new file.
    void accessControlListsAndAttributesSurvive()
    {
        store(m_path, "[User]\nLast=OLD\n");
        const QByteArray path = QFile::encodeName(m_path);
        // The kernel's form: version 2; entries of tag, permissions, id: owner rw, OtherUser rw, group none, mask
        // rw, others none.
        const quint32 acl[] = {2, 0x60001, ~0u, 0x60002, OtherUser, 0x00004, ~0u, 0x60010, ~0u, 0x00020, ~0u};
        const QByteArray list(reinterpret_cast<const char *>(acl), sizeof acl);
        if (::setxattr(path.constData(), "user.tomelor", "kept", 4, 0) != 0
            || ::setxattr(path.constData(), "system.posix_acl_access", list.constData(), list.size(), 0) != 0)
            QSKIP("This file system keeps no extended attributes or access control lists.");
        const struct stat before = statOf(m_path);

        QVERIFY(ProfileFile(m_path).writeString(User, Last, QStringLiteral("NEW")));
        QVERIFY(statOf(m_path).st_ino != before.st_ino);
        QCOMPARE(attribute(m_path, "user.tomelor"), QByteArray("kept"));
        QCOMPARE(attribute(m_path, "system.posix_acl_access"), list);
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
