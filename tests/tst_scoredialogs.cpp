#include "controls/image.h"
#include "controls/lcd99.h"
#include "controls/mark.h"
#include "filehelpers.h"
#include "paintcounter.h"
#include "look/errorbox.h"
#include "look/gamefont.h"
#include "scores/frmcongrats.h"
#include "scores/frmscores.h"
#include "seatlesscompositor.h"
#include "settings/settingsstore.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// Runs the action from inside the dialog's modal loop, once the dialog is up and active: keyboard focus arrives
// with the activation, which the window system may deliver a little after the showing. Should the dialog never
// come up, every dialog is closed after a while, so that the test fails instead of hanging.
void whenShown(QDialog *dialog, std::function<void()> action)
{
    auto *poll = new QTimer(dialog);
    poll->setInterval(1);
    auto polls = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, dialog, [=] {
        if (QApplication::activeModalWidget() == dialog)
            SeatlessCompositor::activate(dialog);
        if (QApplication::activeModalWidget() == dialog && dialog->isVisible()
            && QApplication::activeWindow() == dialog) {
            poll->deleteLater();
            poll->stop();
            action();
        } else if (++*polls > 5000) {
            poll->deleteLater();
            poll->stop();
            QTest::qFail("The dialog never came up.", __FILE__, __LINE__);
            for (QWidget *window : QApplication::topLevelWidgets()) {
                if (auto *open = qobject_cast<QDialog *>(window); open && open->isVisible())
                    open->reject();
            }
        }
    });
    poll->start();
}

enum class Closing { Enter, Escape, Click };

void closeBy(Closing closing, QWidget *focused, QPushButton *button)
{
    switch (closing) {
    case Closing::Enter:
        QTest::keyClick(focused, Qt::Key_Return);
        break;
    case Closing::Escape:
        QTest::keyClick(focused, Qt::Key_Escape);
        break;
    case Closing::Click:
        QTest::mouseClick(button, Qt::LeftButton);
        break;
    }
}

// The table dialog with its error messages collected instead of shown in a message box.
class WatchedScores : public TfrmScores
{
public:
    WatchedScores(SettingsStore &settings, TfrmCongrats *congrats)
        : TfrmScores(settings, congrats)
    {
        setErrorReporter([this](QWidget *, const QString &message) { errors.append(message); });
    }

    QStringList errors;
};

// What the player sees of one row.
struct ShownRow
{
    QString initials;
    QString score;

    bool operator==(const ShownRow &) const = default;
};

QList<ShownRow> shownRows(const QList<QLabel *> &labels, const QList<TLCD99 *> &displays)
{
    QList<ShownRow> rows;
    for (int row = 0; row < ScoreRowCount; ++row)
        rows.append({ labels[row]->text(), displays[row]->Value() });
    return rows;
}

QList<ShownRow> emptyRows()
{
    return QList<ShownRow>(ScoreRowCount);
}

} // namespace

Q_DECLARE_METATYPE(Closing)

namespace QTest {
template<>
char *toString(const ShownRow &row)
{
    return qstrdup(qPrintable(QStringLiteral("(%1, %2)").arg(row.initials, row.score)));
}
} // namespace QTest

class TestScoreDialogs : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<TfrmCongrats> m_congrats;
    std::unique_ptr<WatchedScores> m_scores;
    QString m_path;

    // The table dialog keeping its scores in the file at this path.
    void useFile(const QString &path)
    {
        m_scores.reset();
        m_settings = std::make_unique<SettingsStore>(path, std::chrono::seconds(30));
        m_scores = std::make_unique<WatchedScores>(*m_settings, m_congrats.get());
    }

    // Waits for the saves asked for so far, and their answers.
    void settle() { m_settings->current(); }

    // Types at the initials dialog and closes it; records what it proposed.
    void answerInitials(const std::function<void(QLineEdit *)> &type, QString *proposed = nullptr)
    {
        whenShown(m_congrats.get(), [this, type, proposed] {
            if (proposed)
                *proposed = m_congrats->edtInitials->selectedText();
            type(m_congrats->edtInitials);
            QTest::keyClick(m_congrats->edtInitials, Qt::Key_Return);
        });
    }

    // Records the rows of both testaments as the table dialog shows them, then presses OK.
    void readTable(QList<ShownRow> *ot, QList<ShownRow> *nt)
    {
        whenShown(m_scores.get(), [this, ot, nt] {
            *ot = shownRows(m_scores->OTUserLabels, m_scores->OTScoreDisplays);
            *nt = shownRows(m_scores->NTUserLabels, m_scores->NTScoreDisplays);
            QTest::mouseClick(m_scores->Button1, Qt::LeftButton);
        });
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        QVERIFY(m_folder->isValid());
        m_path = m_folder->filePath(QStringLiteral("Tomelor.ini"));
        m_congrats = std::make_unique<TfrmCongrats>();
        useFile(m_path);
    }

    void cleanup()
    {
        m_scores.reset();
        m_settings.reset();
        m_congrats.reset();
    }

    void tableDialogIsLaidOutAsItsForm()
    {
        TfrmScores &scores = *m_scores;
        QCOMPARE(scores.windowTitle(), QStringLiteral("High Scores"));
        QCOMPARE(scores.size(), QSize(607, 415));
        QCOMPARE(scores.minimumSize(), scores.maximumSize());
        QVERIFY(!(scores.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint)));
        QCOMPARE(scores.HelpContext(), 4);
        QCOMPARE(scores.Image1->geometry(), QRect(1, 4, 299, 375));
        QCOMPARE(scores.Image2->geometry(), QRect(305, 4, 299, 375));
        QVERIFY(scores.Image1->Transparent() && scores.Image2->Transparent());
        QCOMPARE(scores.Button1->geometry(), QRect(265, 384, 75, 25));
        QCOMPARE(scores.Button1->text(), QStringLiteral("OK"));
        QVERIFY(scores.Button1->isDefault());

        const QList<QColor> rowColors { { 255, 179, 0 }, { 255, 148, 0 }, { 255, 119, 0 }, { 255, 89, 0 },
                                        { 255, 59, 0 } };
        for (int row = 0; row < ScoreRowCount; ++row) {
            const QString number = QString::number(row + 1);
            QCOMPARE(scores.OTUserLabels[row]->objectName(), QStringLiteral("lblOTUser") + number);
            QCOMPARE(scores.NTUserLabels[row]->objectName(), QStringLiteral("lblNTUser") + number);
            QCOMPARE(scores.OTScoreDisplays[row]->objectName(), QStringLiteral("lcdOTScore") + number);
            QCOMPARE(scores.NTScoreDisplays[row]->objectName(), QStringLiteral("lcdNTScore") + number);
            QCOMPARE(scores.OTUserLabels[row]->pos(), QPoint(82, 74 + 58 * row));
            QCOMPARE(scores.NTUserLabels[row]->pos(), QPoint(385, 72 + 58 * row));
            QCOMPARE(scores.OTScoreDisplays[row]->geometry(), QRect(159, 80 + 58 * row, 107, 23));
            QCOMPARE(scores.NTScoreDisplays[row]->geometry(), QRect(462, 78 + 58 * row, 107, 23));
            for (QLabel *label : { scores.OTUserLabels[row], scores.NTUserLabels[row] }) {
                QCOMPARE(label->font().pixelSize(), 30);
                QVERIFY(label->font().bold());
                QCOMPARE(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));
                QVERIFY(!label->autoFillBackground());
                QCOMPARE(label->textFormat(), Qt::PlainText);
            }
            for (TLCD99 *display : { scores.OTScoreDisplays[row], scores.NTScoreDisplays[row] }) {
                QCOMPARE(display->DigitNum(), 5);
                QCOMPARE(display->DigitSpacing(), 3);
                QCOMPARE(display->SegmentSize(), 3);
                QCOMPARE(display->Color(), QColor(Qt::black));
                QCOMPARE(display->OnColor(), rowColors[row]);
            }
        }
    }

    void initialsDialogIsLaidOutAsItsForm()
    {
        TfrmCongrats &congrats = *m_congrats;
        QCOMPARE(congrats.windowTitle(), QStringLiteral("New High Score"));
        QCOMPARE(congrats.size(), QSize(378, 307));
        QVERIFY(!(congrats.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint)));
        QCOMPARE(congrats.Image1->geometry(), QRect(2, 7, 374, 253));
        QVERIFY(congrats.Image1->Transparent());
        QCOMPARE(congrats.edtInitials->geometry(), QRect(102, 175, 169, 61));
        QVERIFY(!congrats.edtInitials->hasFrame());
        QCOMPARE(congrats.edtInitials->font().pixelSize(), 40);
        QCOMPARE(congrats.btnOK->geometry(), QRect(152, 272, 75, 25));
        QVERIFY(congrats.btnOK->isDefault());
        QCOMPARE(congrats.edtInitials->nextInFocusChain(), congrats.btnOK);
    }

    // The score and its place, the one line of the initials dialog that is not painted, fit the plaque too.
    void theScoreLineFitsInTheLongestLanguage()
    {
        QTranslator german;
        QVERIFY(german.load(QStringLiteral(":/i18n/tomelor_de.qm")));
        QCoreApplication::installTranslator(&german);
        m_congrats->setNewScore(Testament::Old, 19000, 5);
        QCoreApplication::removeTranslator(&german);
        const QLabel &line = *m_congrats->lblScore;
        QVERIFY(line.text().contains(QStringLiteral("Altes Testament")));
        QVERIFY(QFontMetrics(line.font()).horizontalAdvance(line.text()) <= line.width());
        QVERIFY(line.font().pixelSize() >= 12);
    }

    void initialsAreTakenAsTyped_data()
    {
        QTest::addColumn<Closing>("closing");
        QTest::newRow("Enter") << Closing::Enter;
        QTest::newRow("Esc") << Closing::Escape;
        QTest::newRow("OK button") << Closing::Click;
    }

    void initialsAreTakenAsTyped()
    {
        QFETCH(Closing, closing);
        TfrmCongrats &congrats = *m_congrats;
        congrats.Initials = QStringLiteral("XYZ");
        QString selected;
        QString typed;
        bool focused = false;
        whenShown(&congrats, [&] {
            selected = congrats.edtInitials->selectedText();
            focused = congrats.edtInitials->hasFocus();
            QTest::keyClicks(congrats.edtInitials, QStringLiteral("abcd"));
            typed = congrats.edtInitials->text();
            closeBy(closing, congrats.edtInitials, congrats.btnOK);
        });
        QCOMPARE(congrats.ShowModal(), int(QDialog::Accepted));
        QCOMPARE(selected, QStringLiteral("XYZ"));
        QVERIFY(focused);
        QCOMPARE(typed, QStringLiteral("ABC"));
        QCOMPARE(congrats.Initials, QStringLiteral("ABC"));
        QVERIFY(!congrats.isVisible());
        // Closed, the dialog keeps no back buffer until it is shown again.
        QVERIFY(!congrats.backingStore());
    }

    void closingTheWindowOtherwiseKeepsTheProposal()
    {
        TfrmCongrats &congrats = *m_congrats;
        congrats.Initials = QStringLiteral("XYZ");
        whenShown(&congrats, [&] {
            QTest::keyClicks(congrats.edtInitials, QStringLiteral("abc"));
            congrats.close();
        });
        congrats.ShowModal();
        QCOMPARE(congrats.Initials, QStringLiteral("XYZ"));
    }

    void pastedTextIsUpperCasedAndCutToThreeCharacters()
    {
        if (SeatlessCompositor::running())
            QSKIP("A Wayland clipboard belongs to a seat, and the headless compositor has none.");
        TfrmCongrats &congrats = *m_congrats;
        congrats.Initials = QStringLiteral("???");
        QApplication::clipboard()->setText(QStringLiteral("wxyz"));
        QString pasted;
        whenShown(&congrats, [&] {
            QTest::keyClick(congrats.edtInitials, Qt::Key_V, Qt::ControlModifier);
            pasted = congrats.edtInitials->text();
            QTest::keyClick(congrats.edtInitials, Qt::Key_Return);
        });
        congrats.ShowModal();
        QCOMPARE(pasted, QStringLiteral("WXY"));
        QCOMPARE(congrats.Initials, QStringLiteral("WXY"));
    }

    // What a key gives is counted as the characters the player sees, after upper-casing.
    void initialsCountCharactersAsSeen_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("cursor");
        QTest::newRow("sharp s becomes two letters") << QStringList { "\u00DF", "a" } << QStringLiteral("SSA") << 3;
        QTest::newRow("typed before a lengthened letter") << QStringList { "\u00DF", "<home>", "a" }
                                                          << QStringLiteral("ASS") << 1;
        QTest::newRow("a lengthened letter that does not fit") << QStringList { "a", "b", "\u00DF" }
                                                               << QStringLiteral("AB") << 2;
        QTest::newRow("emoji") << QStringList { "\U0001F600", "\U0001F600", "\U0001F600", "\U0001F600" }
                               << QStringLiteral("\U0001F600\U0001F600\U0001F600") << 6;
        QTest::newRow("letter with a combining accent") << QStringList { "e\u0301", "x", "y", "z" }
                                                        << QStringLiteral("E\u0301XY") << 4;
    }

    void initialsCountCharactersAsSeen()
    {
        QFETCH(QStringList, keys);
        QFETCH(QString, shown);
        QFETCH(int, cursor);
        TfrmCongrats &congrats = *m_congrats;
        congrats.Initials = QStringLiteral("???");
        QString typed;
        int position = -1;
        whenShown(&congrats, [&] {
            for (const QString &key : std::as_const(keys)) {
                if (key == QLatin1String("<home>")) {
                    QTest::keyClick(congrats.edtInitials, Qt::Key_Home);
                    continue;
                }
                QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, key);
                QApplication::sendEvent(congrats.edtInitials, &press);
            }
            typed = congrats.edtInitials->text();
            position = congrats.edtInitials->cursorPosition();
            QTest::keyClick(congrats.edtInitials, Qt::Key_Return);
        });
        congrats.ShowModal();
        QCOMPARE(typed, shown);
        QCOMPARE(position, cursor);
        QCOMPARE(congrats.Initials, shown);
    }

    void longInitialsAreProposedInFullButNotLengthened()
    {
        TfrmCongrats &congrats = *m_congrats;
        congrats.Initials = QStringLiteral("ABCDEFGHIJ");
        QString shown;
        QString afterEnd;
        QString afterBackspace;
        whenShown(&congrats, [&] {
            shown = congrats.edtInitials->selectedText();
            QTest::keyClick(congrats.edtInitials, Qt::Key_End);
            QTest::keyClicks(congrats.edtInitials, QStringLiteral("k"));
            afterEnd = congrats.edtInitials->text();
            QTest::keyClick(congrats.edtInitials, Qt::Key_Backspace);
            QTest::keyClicks(congrats.edtInitials, QStringLiteral("k"));
            afterBackspace = congrats.edtInitials->text();
            congrats.edtInitials->selectAll();
            QTest::keyClicks(congrats.edtInitials, QStringLiteral("lmno"));
            QTest::keyClick(congrats.edtInitials, Qt::Key_Return);
        });
        congrats.ShowModal();
        QCOMPARE(shown, QStringLiteral("ABCDEFGHIJ"));
        QCOMPARE(afterEnd, QStringLiteral("ABCDEFGHIJ"));
        QCOMPARE(afterBackspace, QStringLiteral("ABCDEFGHI"));
        QCOMPARE(congrats.Initials, QStringLiteral("LMN"));

        congrats.Initials = QStringLiteral("ABCDEFGHIJ");
        whenShown(&congrats, [&] {
            shown = congrats.edtInitials->text();
            QTest::keyClick(congrats.edtInitials, Qt::Key_Escape);
        });
        congrats.ShowModal();
        QCOMPARE(shown, QStringLiteral("ABCDEFGHIJ"));
        QCOMPARE(congrats.Initials, QStringLiteral("ABCDEFGHIJ"));
    }

    void aFirstGameAsksForInitialsThenShowsTheSavedTable()
    {
        m_scores->NewOTScore = 123;
        QString proposed;
        answerInitials([](QLineEdit *edit) { QTest::keyClicks(edit, QStringLiteral("abc")); }, &proposed);
        QList<ShownRow> ot;
        QList<ShownRow> nt;
        readTable(&ot, &nt);

        m_scores->ShowModal();
        settle();
        const QByteArray saved = contents(m_path);

        QCOMPARE(proposed, QStringLiteral("???"));
        QList<ShownRow> expected = emptyRows();
        expected[0] = { QStringLiteral("ABC"), QStringLiteral("123") };
        QCOMPARE(ot, expected);
        QCOMPARE(nt, emptyRows());
        QVERIFY(saved.contains("[OT Scores]\n1=123\n"));
        QVERIFY(saved.contains("[OT Users]\n1=ABC\n"));
        QVERIFY(m_scores->errors.isEmpty());
        QVERIFY(m_scores->OTUserLabels[0]->width() > 0);
        QCOMPARE(m_scores->OTUserLabels[0]->pos(), QPoint(82, 74));
        // The initials dialog showed the score and its place; the table frames the new row.
        QCOMPARE(m_congrats->lblScore->text(), QStringLiteral("123 points: place 1 of the Old Testament"));
        QVERIFY(!m_scores->mrkNewRow->isHidden());
        QVERIFY(m_scores->mrkNewRow->geometry().contains(m_scores->OTUserLabels[0]->geometry()));
        QVERIFY(m_scores->mrkNewRow->geometry().contains(m_scores->OTScoreDisplays[0]->geometry()));
    }

    void emptyInitialsAreStoredEmptyAndProposedAsUnknownNextTime()
    {
        m_scores->NewNTScore = 80;
        answerInitials([](QLineEdit *edit) { QTest::keyClick(edit, Qt::Key_Backspace); });
        QList<ShownRow> ot;
        QList<ShownRow> nt;
        readTable(&ot, &nt);
        m_scores->ShowModal();
        settle();
        QCOMPARE(nt[0], (ShownRow { QString(), QStringLiteral("80") }));
        QVERIFY(contents(m_path).contains("[User]\nLast=\n"));
        QVERIFY(contents(m_path).contains("[NT Users]\n1=\n"));

        m_scores->NewOTScore = 0;
        m_scores->NewNTScore = 90;
        QString proposed;
        answerInitials([](QLineEdit *edit) { QTest::keyClicks(edit, QStringLiteral("x")); }, &proposed);
        readTable(&ot, &nt);
        m_scores->ShowModal();
        QCOMPARE(proposed, QStringLiteral("???"));
        QCOMPARE(nt[0], (ShownRow { QStringLiteral("X"), QStringLiteral("90") }));
        QCOMPARE(nt[1], (ShownRow { QString(), QStringLiteral("80") }));
    }

    void aScoreThatDoesNotQualifyShowsTheTableWithoutAskingOrWriting()
    {
        const QByteArray before = "[OT Scores]\n1=500\n2=400\n3=300\n4=200\n5=100\n[OT Users]\n1=AAA\n";
        store(m_path, before);
        const QDateTime modified = QFileInfo(m_path).lastModified();
        m_scores->NewOTScore = 100;
        QSignalSpy asked(m_congrats.get(), &QDialog::finished);
        QList<ShownRow> ot;
        QList<ShownRow> nt;
        readTable(&ot, &nt);

        m_scores->ShowModal();

        QCOMPARE(asked.count(), 0);
        QCOMPARE(ot[0], (ShownRow { QStringLiteral("AAA"), QStringLiteral("500") }));
        QCOMPARE(ot[4], (ShownRow { QStringLiteral("???"), QStringLiteral("100") }));
        QCOMPARE(contents(m_path), before);
        QCOMPARE(QFileInfo(m_path).lastModified(), modified);
    }

    void emptyRowsShowNothingAndMissingInitialsShowQuestionMarks()
    {
        store(m_path, "[OT Scores]\n1=300\n2=0\n3=-5\n[OT Users]\n2=ZZZ\n3=YYY\n[NT Scores]\n1=0x1F\n2=abc\n");
        QList<ShownRow> ot;
        QList<ShownRow> nt;
        readTable(&ot, &nt);
        m_scores->ShowModal();
        QList<ShownRow> expectedOT = emptyRows();
        expectedOT[0] = { QStringLiteral("???"), QStringLiteral("300") };
        QCOMPARE(ot, expectedOT);
        QList<ShownRow> expectedNT = emptyRows();
        expectedNT[0] = { QStringLiteral("???"), QStringLiteral("31") };
        QCOMPARE(nt, expectedNT);
    }

    // The widest capitals fit before the score display, which is drawn over whatever runs under it; ordinary
    // initials keep the face.
    void wideInitialsFitBeforeTheScoreDisplay()
    {
        store(m_path, "[OT Scores]\n1=500\n2=400\n[OT Users]\n1=WWW\n2=ABC\n[NT Scores]\n1=90\n[NT Users]\n1=MWM\n");
        QList<QPair<QLabel *, TLCD99 *>> rows;
        whenShown(m_scores.get(), [&] {
            rows = { { m_scores->OTUserLabels[0], m_scores->OTScoreDisplays[0] },
                     { m_scores->OTUserLabels[1], m_scores->OTScoreDisplays[1] },
                     { m_scores->NTUserLabels[0], m_scores->NTScoreDisplays[0] } };
            for (const auto &[label, display] : rows) {
                QVERIFY2(label->x() + label->sizeHint().width() <= display->x(), qPrintable(label->text()));
                QCOMPARE(label->size(), label->sizeHint());
            }
            QCOMPARE(rows[1].first->font(), gameFont(30, true));
            QTest::mouseClick(m_scores->Button1, Qt::LeftButton);
        });
        m_scores->ShowModal();
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0].first->pos(), QPoint(82, 74));
    }

    void aRefusedSaveIsReportedWhileTheTableShowsTheScore()
    {
        const QString blocker = m_folder->filePath(QStringLiteral("not-a-folder"));
        store(blocker, "x");
        const QString path = blocker + QStringLiteral("/Tomelor.ini");
        useFile(path);
        m_scores->NewOTScore = 250;
        answerInitials([](QLineEdit *edit) { QTest::keyClicks(edit, QStringLiteral("abc")); });
        QList<ShownRow> ot;
        QList<ShownRow> nt;
        readTable(&ot, &nt);

        m_scores->ShowModal();
        settle();

        const QString message = QStringLiteral("Unable to write to %1: Not a directory; your score was not stored");
        QCOMPARE(m_scores->errors, QStringList { message.arg(path) });
        QCOMPARE(ot[0], (ShownRow { QStringLiteral("ABC"), QStringLiteral("250") }));
        QCOMPARE(contents(blocker), QByteArray("x"));
    }

    // Another copy holds the file's lock: the table is up, keeps painting and answers the keyboard while the save
    // waits, the pointer shows that it is busy, and the score is stored once the lock is let go. The wait is real:
    // it is another process that holds the lock.
    void aSaveWaitingForAnotherCopyLeavesTheWindowPainting()
    {
        store(m_path, "");
        QProcess holder;
        holder.start(QStringLiteral("flock"), {QStringLiteral("-x"), m_path, QStringLiteral("-c"),
            QStringLiteral("echo locked; read _")});
        QVERIFY(holder.waitForReadyRead(5000));
        m_scores->NewNTScore = 340;
        answerInitials([](QLineEdit *edit) { QTest::keyClicks(edit, QStringLiteral("lok")); });
        PaintCounter paints(m_scores.get());
        QSignalSpy busy(m_settings.get(), &SettingsStore::savingChanged);
        int paintsWhileWaiting = 0;
        bool savedWhileLocked = true;
        whenShown(m_scores.get(), [&] {
            auto *repaint = new QTimer(m_scores.get());
            connect(repaint, &QTimer::timeout, m_scores.get(), [&] { m_scores->update(); });
            repaint->start(50);
            QTimer::singleShot(1500, m_scores.get(), [&, repaint] {
                repaint->deleteLater();
                paintsWhileWaiting = paints.paints;
                savedWhileLocked = contents(m_path).contains("LOK");
                holder.closeWriteChannel();
                QTest::keyClick(m_scores->Button1, Qt::Key_Space);
            });
        });

        m_scores->ShowModal();
        settle();

        QVERIFY2(paintsWhileWaiting >= 10, qPrintable(QString::number(paintsWhileWaiting)));
        QVERIFY(!savedWhileLocked);
        QCOMPARE(busy.size(), 2);
        QVERIFY(busy[0][0].toBool() && !busy[1][0].toBool());
        QVERIFY(m_scores->errors.isEmpty());
        QVERIFY(contents(m_path).contains("[NT Users]\n1=LOK\n"));
        QTRY_COMPARE(holder.state(), QProcess::NotRunning);
    }

    void tableClosesByEnterEscOrOK_data()
    {
        QTest::addColumn<Closing>("closing");
        QTest::newRow("Enter") << Closing::Enter;
        QTest::newRow("Esc") << Closing::Escape;
        QTest::newRow("OK button") << Closing::Click;
    }

    void tableClosesByEnterEscOrOK()
    {
        QFETCH(Closing, closing);
        whenShown(m_scores.get(), [&] { closeBy(closing, m_scores.get(), m_scores->Button1); });
        QCOMPARE(m_scores->ShowModal(), int(QDialog::Rejected));
        QVERIFY(!m_scores->isVisible());
    }

    void tableOpensWithTheKeyboardOnOK()
    {
        bool focused = false;
        whenShown(m_scores.get(), [&] {
            focused = m_scores->Button1->hasFocus();
            QTest::keyClick(m_scores->Button1, Qt::Key_Space);
        });
        m_scores->ShowModal();
        QVERIFY(focused);
        QVERIFY(!m_scores->isVisible());
    }

    void tableIsCentredTheFirstTimeThenKeepsItsPlace()
    {
        if (SeatlessCompositor::running())
            QSKIP("A Wayland client cannot place its windows: the compositor does.");
        QPoint first;
        const QPoint moved(37, 21);
        whenShown(m_scores.get(), [&] {
            first = m_scores->pos();
            m_scores->move(moved);
            QTest::keyClick(m_scores.get(), Qt::Key_Escape);
        });
        m_scores->ShowModal();
        QPoint second;
        whenShown(m_scores.get(), [&] {
            second = m_scores->pos();
            QTest::keyClick(m_scores.get(), Qt::Key_Escape);
        });
        m_scores->ShowModal();

        const QPoint centre = m_scores->screen()->availableGeometry().center();
        const QPoint offCentre = QRect(first, m_scores->size()).center() - centre;
        QVERIFY(offCentre.manhattanLength() <= 2);
        QCOMPARE(second, moved);
    }
};

QTEST_MAIN(TestScoreDialogs)
#include "tst_scoredialogs.moc"
