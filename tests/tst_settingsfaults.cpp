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
#include <cstring>
#include <grp.h>
#include <memory>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

const char *const CountArgument = "--count";
const char *const CrashArgument = "--crash";
const QString User = QStringLiteral("User");
const QString Last = QStringLiteral("Last");
constexpr uid_t OtherUser = 4242;
constexpr uid_t ThirdUser = 4244;
constexpr gid_t SharedGroup = 4343;
// The file systems a child copy of the program meets.
const QString PlainDisk = QStringLiteral("plain");
const QString NoLocks = QStringLiteral("no-locks");
const QString Mounted = QStringLiteral("mounted");

std::unique_ptr<SystemFaults::Faults> faultsOf(const QString &disk, int crashInWrite = 0)
{
    return std::make_unique<SystemFaults::Faults>(
        disk == NoLocks ? ENOLCK : 0, disk == Mounted ? EBUSY : 0, crashInWrite);
}

// A copy of the program that adds one to a shared counter `rounds` times, each a locked read and write.
int countUp(const QString &path, int rounds, const QString &disk)
{
    const auto faults = faultsOf(disk);
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

// A table of 200 KB, every row of which holds the number of the save that wrote it.
QList<ProfileFile::Entry> rowsOfSave(int save)
{
    QList<ProfileFile::Entry> rows;
    for (int row = 0; row < 4000; ++row)
        rows.append({QStringLiteral("Rows"), QString::number(row), QStringLiteral("%1 %2").arg(save).arg(row, 40)});
    return rows;
}

// A copy that saves the table again and is killed in the midst of one of the save's large writes.
int crashWhileSaving(const QString &path, const QString &disk, int crashInWrite)
{
    const auto faults = faultsOf(disk, crashInWrite);
    ProfileFile(path).write(rowsOfSave(2));
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

    // Two players of one group share a table that one of them owns in his folder, which the other may not write:
    // the owner replaces the table, the other rewrites it in place, and both take the same lock. No count is lost,
    // and the table stays the owner's.
    void playersSharingATableWaitForEachOther()
    {
        if (::geteuid() != 0)
            QSKIP("Two players need the superuser to become them.");
        if (!othersMayRun(QCoreApplication::applicationFilePath()))
            QSKIP("Other users may not run the test program where it lies (a folder above it is private).");
        const QString folder = m_folder->filePath(QStringLiteral("shared"));
        const QString path = folder + QStringLiteral("/Tomelor.ini");
        QVERIFY(QDir().mkpath(folder));
        store(path, "");
        const auto give = [](const QString &name, uid_t owner, mode_t mode) {
            const QByteArray bytes = QFile::encodeName(name);
            return ::chown(bytes.constData(), owner, SharedGroup) == 0 && ::chmod(bytes.constData(), mode) == 0;
        };
        QVERIFY(::chmod(QFile::encodeName(m_folder->path()).constData(), 0755) == 0 && give(folder, OtherUser, 0755)
            && give(path, OtherUser, 0664));

        const int rounds = 150;
        QList<QProcess *> players;
        for (const uid_t user : {OtherUser, ThirdUser}) {
            const QString state = m_folder->filePath(QStringLiteral("state-%1").arg(user));
            QVERIFY(QDir().mkpath(state) && give(state, user, 0700));
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("XDG_STATE_HOME"), state);
            players.append(new QProcess(this));
            players.last()->setProcessEnvironment(environment);
            players.last()->setChildProcessModifier([user] {
                const gid_t groups[] = {SharedGroup};
                if (::setgroups(1, groups) != 0 || ::setgid(SharedGroup) != 0 || ::setuid(user) != 0)
                    ::_exit(111);
                ::umask(077);
            });
            players.last()->start(QCoreApplication::applicationFilePath(),
                {QString::fromLatin1(CountArgument), path, QString::number(rounds), PlainDisk});
        }
        for (QProcess *player : players) {
            QVERIFY(player->waitForFinished(60000));
            QVERIFY2(player->exitCode() == 0, player->readAllStandardError().constData());
        }
        QCOMPARE(ProfileFile(path).readInteger(User, Last, 0), 2 * rounds);
        QCOMPARE(folderEntries(folder), QStringList {QStringLiteral("Tomelor.ini")});
        QCOMPARE(statOf(path).st_uid, OtherUser);
        QCOMPARE(statOf(path).st_gid, SharedGroup);
        QCOMPARE(statOf(path).st_mode & 07777, 0664u);
    }

    // Two copies on a file system without locks count up one number: the lock file beside the table stands in,
    // and neither loses a count.
    void copiesWithoutLocksLoseNoUpdate()
    {
        QList<QProcess *> copies;
        for (int copy = 0; copy < 2; ++copy) {
            copies.append(new QProcess(this));
            copies.last()->start(QCoreApplication::applicationFilePath(),
                {QString::fromLatin1(CountArgument), m_path, QStringLiteral("200"), NoLocks});
        }
        for (QProcess *copy : copies) {
            QVERIFY(copy->waitForFinished(60000));
            QVERIFY2(copy->exitCode() == 0, copy->readAllStandardError().constData());
        }
        QCOMPARE(ProfileFile(m_path).readInteger(User, Last, 0), 400);
        QCOMPARE(folderEntries(m_folder->path()), QStringList {QStringLiteral("Tomelor.ini")});
    }

    // A copy killed in the midst of any of a save's writes, whether the table is replaced or rewritten in place
    // (the journal's copies of the old and new bytes, then the table itself), leaves a table that reads whole as it
    // was, and no journal once it has been read. The kill comes from inside the write, so no clock is needed.
    void aSaveCutShortLeavesAWholeTable_data()
    {
        QTest::addColumn<QString>("disk");
        QTest::addColumn<int>("write");
        // In place, the temporary file comes first: only its rename fails.
        QTest::newRow("replaced") << PlainDisk << 1;
        QTest::newRow("in place, the journal's old bytes") << Mounted << 2;
        QTest::newRow("in place, the journal's new bytes") << Mounted << 3;
        QTest::newRow("in place, the table") << Mounted << 4;
    }

    void aSaveCutShortLeavesAWholeTable()
    {
        QFETCH(QString, disk);
        QFETCH(int, write);
        QVERIFY(ProfileFile(m_path).write(rowsOfSave(1)));
        QProcess copy;
        copy.start(QCoreApplication::applicationFilePath(),
            {QString::fromLatin1(CrashArgument), m_path, disk, QString::number(write)});
        QVERIFY(copy.waitForFinished());
        QCOMPARE(copy.exitStatus(), QProcess::CrashExit);

        const ProfileFile file(m_path);
        for (int row = 0; row < 4000; row += 97) {
            const QString value = file.readString(QStringLiteral("Rows"), QString::number(row), QString());
            QVERIFY2(value.startsWith(QLatin1String("1 ")), qPrintable(QStringLiteral("row %1: %2").arg(row).arg(value)));
        }
        QCOMPARE(statOf(m_path).st_size, off_t(contents(m_path).size()));
        QCOMPARE(folderEntries(QString::fromLocal8Bit(qgetenv("XDG_STATE_HOME")) + QStringLiteral("/Tomelor")),
            QStringList());
    }

    // A player whom an access control list lets write another's table saves it: it stays its owner's, with its list.
    void aSharersSaveKeepsTheOwnersTable()
    {
        if (::geteuid() != 0)
            QSKIP("Two players need the superuser to become them.");
        if (!othersMayRun(QCoreApplication::applicationFilePath()))
            QSKIP("Other users may not run the test program where it lies (a folder above it is private).");
        store(m_path, "[User]\nLast=41\n");
        const QByteArray path = QFile::encodeName(m_path);
        const quint32 acl[] = {2, 0x60001, ~0u, 0x60002, ThirdUser, 0x00004, ~0u, 0x60010, ~0u, 0x00020, ~0u};
        const QByteArray list(reinterpret_cast<const char *>(acl), sizeof acl);
        if (::setxattr(path.constData(), "system.posix_acl_access", list.constData(), list.size(), 0) != 0)
            QSKIP("This file system keeps no access control lists.");
        const QString state = m_folder->filePath(QStringLiteral("state"));
        QVERIFY(QDir().mkpath(state));
        QVERIFY(::chown(path.constData(), OtherUser, OtherUser) == 0
            && ::chown(QFile::encodeName(state).constData(), ThirdUser, ThirdUser) == 0
            && ::chmod(QFile::encodeName(m_folder->path()).constData(), 0777) == 0);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_STATE_HOME"), state);
        QProcess sharer;
        sharer.setProcessEnvironment(environment);
        sharer.setChildProcessModifier([] {
            if (::setgroups(0, nullptr) != 0 || ::setgid(ThirdUser) != 0 || ::setuid(ThirdUser) != 0)
                ::_exit(111);
        });
        sharer.start(QCoreApplication::applicationFilePath(),
            {QString::fromLatin1(CountArgument), m_path, QStringLiteral("1"), PlainDisk});
        QVERIFY(sharer.waitForFinished(30000));
        QVERIFY2(sharer.exitCode() == 0, sharer.readAllStandardError().constData());
        QCOMPARE(ProfileFile(m_path).readInteger(User, Last, 0), 42);
        QCOMPARE(statOf(m_path).st_uid, OtherUser);
        QCOMPARE(attribute(m_path, "system.posix_acl_access"), list);
    }

    // A temporary file is the player's alone until it holds the whole table; only then does it get the table's mode.
    void temporariesAreThePlayersAloneUntilWritten()
    {
        store(m_path, "[User]\nLast=OLD\n");
        QVERIFY(::chmod(QFile::encodeName(m_path).constData(), 0644) == 0);
        SystemFaults::takeModeChanges();
        QVERIFY(ProfileFile(m_path).writeString(User, Last, QStringLiteral("NEW")));
        const std::vector<SystemFaults::ModeChange> changes = SystemFaults::takeModeChanges();
        QCOMPARE(changes.size(), std::size_t(1));
        QCOMPARE(changes[0].before, mode_t(0600));
        QCOMPARE(changes[0].size, off_t(std::strlen("[User]\nLast=NEW\n")));
        QCOMPARE(statOf(m_path).st_mode & 07777, 0644u);
    }

    // The superuser started with another user's home creates the configuration folder and the table as that
    // user's, so that the user's own next save is not refused.
    void whatTheSuperuserCreatesInAnotherUsersFolderIsTheirs()
    {
        if (::geteuid() != 0)
            QSKIP("Only the superuser creates files for another user.");
        const QString home = m_folder->filePath(QStringLiteral("victim"));
        QVERIFY(QDir().mkpath(home));
        QVERIFY(::chown(QFile::encodeName(home).constData(), OtherUser, OtherUser) == 0);
        const QString path = home + QStringLiteral("/.config/Tomelor.ini");
        QVERIFY(ProfileFile(path).writeBool(QStringLiteral("Settings"), QStringLiteral("First Time"), false));
        for (const QString &made : {home + QStringLiteral("/.config"), path}) {
            QCOMPARE(statOf(made).st_uid, OtherUser);
            QCOMPARE(statOf(made).st_gid, gid_t(OtherUser));
        }
    }

    // Another user swaps a folder that a followed link goes through, for a link or a folder of his own: the player
    // neither reads his table nor writes into his folder.
    void aFolderSwappedByAnotherUserBehindALinkIsNotUsed_data()
    {
        QTest::addColumn<bool>("swappedForALink");
        QTest::newRow("for his link") << true;
        QTest::newRow("for his folder") << false;
    }

    void aFolderSwappedByAnotherUserBehindALinkIsNotUsed()
    {
        QFETCH(bool, swappedForALink);
        const QString shared = m_folder->filePath(QStringLiteral("shared"));
        const QString his = m_folder->filePath(QStringLiteral("his"));
        QVERIFY(QDir().mkpath(his) && QDir().mkpath(shared));
        store(his + QStringLiteral("/Tomelor.ini"), "[User]\nLast=FAKE\n");
        QVERIFY(QFile::link(QStringLiteral("shared/sub/Tomelor.ini"), m_path));
        QVERIFY(::chmod(QFile::encodeName(shared).constData(), 0777) == 0);
        const QString sub = shared + QStringLiteral("/sub");
        QVERIFY(swappedForALink ? QFile::link(his, sub) : QDir().rename(his, sub));
        if (::lchown(QFile::encodeName(sub).constData(), anotherUser(), anotherUser()) != 0)
            QSKIP("Only the superuser gives a link or a folder to another user.");
        const QString table = (swappedForALink ? his : sub) + QStringLiteral("/Tomelor.ini");

        ProfileFile file(m_path);
        QCOMPARE(file.readString(User, Last, QString()), QString());
        QVERIFY(!file.writeString(User, Last, QStringLiteral("MINE")));
        QCOMPARE(contents(table), QByteArray("[User]\nLast=FAKE\n"));
        QCOMPARE(folderEntries(QFileInfo(table).path()), QStringList {QStringLiteral("Tomelor.ini")});
    }

    // What is not the game's own, at the lock file's name or at a save's temporary name, is never opened or
    // removed, and stops no save.
    void whatIsNotTheGamesOwnIsLeftAlone_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        for (const char *name : {".Tomelor.ini.lock", ".Tomelor.ini.save-0000000000005eed"}) {
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

        QVERIFY(ProfileFile(m_path).writeString(User, Last, QStringLiteral("NEW")));
        QCOMPARE(contents(m_path), QByteArray("[User]\nLast=NEW\n"));
        QCOMPARE(statOf(path).st_ino, before.st_ino);
        QCOMPARE(statOf(path).st_mode, before.st_mode);
        QVERIFY(!QFileInfo::exists(nothing));
    }

    // A lock that another copy keeps longer than any save takes stops the save, and says who holds it when that is
    // another user.
    void aLockHeldByAnotherCopyIsSaidPlainly_data()
    {
        QTest::addColumn<uid_t>("holder");
        QTest::newRow("the player") << ::geteuid();
        QTest::newRow("another user") << anotherUser();
    }

    void aLockHeldByAnotherCopyIsSaidPlainly()
    {
        QFETCH(uid_t, holder);
        if (holder != ::geteuid() && ::geteuid() != 0)
            QSKIP("Only the superuser becomes another user.");
        store(m_path, "[User]\nLast=OLD\n");
        QVERIFY(::chmod(QFile::encodeName(m_folder->path()).constData(), 0755) == 0
            && ::chmod(QFile::encodeName(m_path).constData(), 0644) == 0);
        QProcess copy;
        copy.setChildProcessModifier([holder] {
            if (::setuid(holder) != 0)
                ::_exit(111);
        });
        copy.start(QStringLiteral("flock"),
            {QStringLiteral("-s"), m_path, QStringLiteral("-c"), QStringLiteral("echo locked; read _")});
        QVERIFY(copy.waitForReadyRead(5000));
        ProfileFile file(m_path, std::chrono::milliseconds(300));
        const bool saved = file.writeString(User, Last, QStringLiteral("NEW"));
        copy.closeWriteChannel();
        QVERIFY(copy.waitForFinished(5000));
        QVERIFY(!saved);
        const QString reason = holder == ::geteuid()
            ? QStringLiteral("it is being saved by another copy of the game")
            : QStringLiteral("another user, user %1, holds its lock").arg(holder);
        QCOMPARE(file.writeFailureMessage(), QStringLiteral("Unable to write to %1: %2").arg(m_path, reason));
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
    if (argc == 5 && qstrcmp(argv[1], CountArgument) == 0)
        return countUp(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3]), QString::fromLatin1(argv[4]));
    if (argc == 5 && qstrcmp(argv[1], CrashArgument) == 0)
        return crashWhileSaving(QString::fromLocal8Bit(argv[2]), QString::fromLatin1(argv[3]), std::atoi(argv[4]));
    QCoreApplication app(argc, argv);
    TestSettingsFaults test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_settingsfaults.moc"
