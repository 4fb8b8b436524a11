// The settings file and the two score dialogs driven from outside, for scripts/measure-score-faults: each command
// does what a player or a start of the game does and prints what came of it, one "name=value" per line.
//
//   scoreprobe show PATH SCORE INITIALS DELAY_MS   a game ending with SCORE (Old Testament): the table dialog
//                                                  opens, INITIALS are typed after DELAY_MS, the rows shown are
//                                                  printed, then the dialog closes
//   scoreprobe load PATH                           the table as read, with the time and memory it took
//   scoreprobe where                               the user's settings file
//   scoreprobe firsttime                           the first start's write of "First Time" to the user's file
//   scoreprobe saveloop PATH                       saves a table again and again, until killed
//   scoreprobe type TEXT...                        types each TEXT in turn, as one key, into the initials dialog

#include "look/errorbox.h"
#include "scores/frmcongrats.h"
#include "scores/frmscores.h"
#include "settings/settingsstore.h"
#include "settings/profilefile.h"
#include "scores/scoretable.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <sys/resource.h>

namespace {

void print(const char *name, const QString &value)
{
    std::printf("%s=%s\n", name, value.toUtf8().constData());
    std::fflush(stdout);
}

void reportError(QWidget *, const QString &message)
{
    print("error", message);
}

// Runs the action once the dialog is the active modal window.
void whenShown(QDialog *dialog, std::function<void()> action)
{
    auto *poll = new QTimer(dialog);
    poll->setInterval(1);
    QObject::connect(poll, &QTimer::timeout, dialog, [=] {
        if (QApplication::activeModalWidget() == dialog && dialog->isVisible()) {
            poll->stop();
            poll->deleteLater();
            action();
        }
    });
    poll->start();
}

int show(const QString &path, int score, const QString &initials, int delay)
{
    SettingsStore settings(path);
    TfrmCongrats congrats;
    TfrmScores scores(settings, &congrats);
    scores.setErrorReporter(reportError);
    scores.NewOTScore = score;
    QObject::connect(&congrats, &QDialog::finished, &congrats, [&] { print("asked", congrats.Initials); });
    whenShown(&congrats, [&] {
        QTimer::singleShot(delay, &congrats, [&] {
            congrats.edtInitials->selectAll();
            QTest::keyClicks(congrats.edtInitials, initials);
            QTest::keyClick(congrats.edtInitials, Qt::Key_Return);
        });
    });
    whenShown(&scores, [&] {
        // The rows as saved, once the save has answered.
        settings.current();
        for (int row = 0; row < ScoreRowCount; ++row) {
            print("shown", scores.lblOTUser[row]->text() + QLatin1Char(' ') + QString::number(scores.Table.OTScores[row]));
        }
        scores.Button1->click();
    });
    scores.ShowModal();
    return 0;
}

int load(const QString &path)
{
    QElapsedTimer clock;
    clock.start();
    ScoreTable table;
    table.LoadScores(ProfileFile(path));
    print("ms", QString::number(clock.elapsed()));
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    print("maxrss_kib", QString::number(usage.ru_maxrss));
    for (int row = 0; row < ScoreRowCount; ++row) {
        print("ot", table.OTUsers[row] + QLatin1Char(' ') + QString::number(table.OTScores[row]));
    }
    return 0;
}

int firstTime()
{
    ProfileFile file(ProfileFile::defaultPath());
    print("path", file.path());
    const bool written = file.writeBool(QStringLiteral("Settings"), QStringLiteral("First Time"), false);
    print("written", written ? QStringLiteral("yes") : file.writeFailureMessage());
    return 0;
}

int where()
{
    print("path", ProfileFile::defaultPath());
    return 0;
}

int saveLoop(const QString &path)
{
    ProfileFile file(path);
    for (int round = 0;; ++round) {
        QList<ProfileFile::Entry> entries;
        for (int row = 1; row <= ScoreRowCount; ++row)
            entries.append({ QStringLiteral("OT Scores"), QString::number(row), QString::number(round) });
        file.write(entries);
    }
}

int type(const QStringList &texts)
{
    TfrmCongrats congrats;
    congrats.Initials = QStringLiteral("???");
    whenShown(&congrats, [&] {
        // One key press per text, carrying it whole, as a keyboard or an input method delivers a character.
        for (const QString &text : texts) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
            QApplication::sendEvent(congrats.edtInitials, &press);
        }
        print("text", congrats.edtInitials->text());
        print("cursor", QString::number(congrats.edtInitials->cursorPosition()));
        QTest::keyClick(congrats.edtInitials, Qt::Key_Return);
    });
    congrats.ShowModal();
    print("initials", congrats.Initials);
    print("utf8_hex", QString::fromLatin1(congrats.Initials.toUtf8().toHex()));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString command = args.value(0);
    if (command == QLatin1String("show") && args.size() == 5)
        return show(args[1], args[2].toInt(), args[3], args[4].toInt());
    if (command == QLatin1String("load") && args.size() == 2)
        return load(args[1]);
    if (command == QLatin1String("where"))
        return where();
    if (command == QLatin1String("saveloop") && args.size() == 2)
        return saveLoop(args[1]);
    if (command == QLatin1String("firsttime"))
        return firstTime();
    if (command == QLatin1String("type") && args.size() >= 2)
        return type(args.mid(1));
    std::fprintf(stderr, "usage: scoreprobe show PATH SCORE INITIALS DELAY_MS | load PATH | where | firsttime\n"
                         "                  | saveloop PATH | type TEXT...\n");
    return 2;
}
