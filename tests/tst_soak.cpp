#include "gamedriver.h"

#include "game/random.h"

#include <QtTest>

#include <random>

using namespace Play;

// Plays many games with random clicks, ticks, hint switches and STOPs, and checks after every step that the
// board, the displays and the countdown agree with each other.
class TestSoak : public QObject
{
    Q_OBJECT

private:
    TfrmMain *m_form = nullptr;
    RecordingCuePlayer m_cues;
    std::mt19937 m_actions { 20261207 };
    int m_game = 0;
    int m_step = 0;

    TfrmMain &form() { return *m_form; }
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_actions); }

    QString where() const { return QStringLiteral("game %1, step %2").arg(m_game).arg(m_step); }

    bool checkDisplays()
    {
        bool scoreIsNumber = false;
        const int score = form().lcdScore->Value().toInt(&scoreIsNumber);
        bool valueIsNumber = false;
        const int value = form().lcdValue->Value().toInt(&valueIsNumber);
        const int best = 500 * (form().LastIndex + 1);
        if (!scoreIsNumber || score < -49 || score > best)
            qWarning() << where() << "score" << form().lcdScore->Value();
        if (!valueIsNumber || value < 0 || value > 500 || value % 5 != 0)
            qWarning() << where() << "value" << form().lcdValue->Value();
        return scoreIsNumber && score >= -49 && score <= best && valueIsNumber && value >= 0 && value <= 500
            && value % 5 == 0;
    }

    // While a game runs: the books from the wanted one on lie in the pile as gapless stacks, the ones before it
    // stand on the shelf, and the other testament shows nothing.
    bool checkRunningBoard()
    {
        const int count = bookCount(form().chosenTestament());
        if (form().LastIndex != count - 1 || form().WantedIndex < 0 || form().WantedIndex > form().LastIndex)
            return false;
        if (!form().timValue->isActive() || form().chkTestament->ToggleEnabled() || !form().chkGO->Checked())
            return false;
        const QList<TImage *> &other = form().chosenTestament() == Testament::New ? form().OTBookList : form().NTBookList;
        if (visibleCount(other) != 0)
            return false;
        std::array<QList<int>, 5> columns;
        for (int i = 0; i < count; ++i) {
            const bool lying = i >= form().WantedIndex;
            if (books(form())[i]->isVisible() != lying || shelves(form())[i]->isVisible() == lying)
                return false;
            if (lying)
                columns[form().PileCells[i].Column].append(books(form())[i]->y());
        }
        for (QList<int> &tops : columns) {
            std::sort(tops.begin(), tops.end(), std::greater<int>());
            for (int i = 0; i < tops.size(); ++i) {
                if (tops[i] != 411 - 20 * i)
                    return false;
            }
        }
        return true;
    }

    bool checkEndedBoard()
    {
        if (form().timValue->isActive() || !form().chkTestament->ToggleEnabled() || form().chkGO->Checked())
            return false;
        const bool completed = shelves(form())[form().LastIndex]->isVisible();
        for (int i = 0; i <= form().LastIndex; ++i) {
            const bool shelved = completed || i < form().WantedIndex;
            if (books(form())[i]->isVisible() == shelved || shelves(form())[i]->isVisible() != shelved)
                return false;
        }
        return true;
    }

    void playOneStep()
    {
        const int roll = pick(0, 99);
        if (roll < 35) {
            clickBook(wanted(form()));
        } else if (roll < 50) {
            QList<TImage *> lying;
            for (TImage *book : books(form())) {
                if (book->isVisible())
                    lying.append(book);
            }
            clickBook(lying[pick(0, int(lying.size()) - 1)]);
        } else if (roll < 93) {
            for (int ticks = pick(1, 60); ticks > 0 && form().timValue->isActive(); --ticks)
                form().timValueTimer();
        } else if (roll < 99) {
            form().chkHints->Checked() ? hintsOff(form()) : hintsOn(form());
        } else {
            stop(form());
        }
    }

private slots:
    void initTestCase() { Random::setSeedSource(countingSeed<1000>); }

    void init()
    {
        m_form = new TfrmMain;
        m_form->setCuePlayer(&m_cues);
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form));
    }

    void cleanup() { delete m_form; }

    void fiveHundredRandomGamesKeepTheBoardSound()
    {
        int completed = 0;
        for (m_game = 1; m_game <= 500; ++m_game) {
            if (pick(0, 3) == 0)
                form().chkTestament->Checked() ? oldTestament(form()) : newTestament(form());
            if (pick(0, 4) == 0)
                form().chkHints->Checked() ? hintsOff(form()) : hintsOn(form());
            go(form());
            for (m_step = 0; form().chkGO->Checked(); ++m_step) {
                QVERIFY2(m_step < 20000, qPrintable(where()));
                QVERIFY2(checkRunningBoard(), qPrintable(where()));
                QVERIFY2(checkDisplays(), qPrintable(where()));
                playOneStep();
            }
            QVERIFY2(checkEndedBoard(), qPrintable(where()));
            QVERIFY2(checkDisplays(), qPrintable(where()));
            completed += shelves(form())[form().LastIndex]->isVisible();
            QVERIFY2(form().stbHints->currentMessage().isEmpty(), qPrintable(where()));

            // What is left in the pile after STOP takes no clicks.
            const QString score = form().lcdScore->Value();
            const std::size_t cues = m_cues.cues.size();
            for (TImage *book : books(form())) {
                if (book->isVisible())
                    clickBook(book);
            }
            QVERIFY2(form().lcdScore->Value() == score && m_cues.cues.size() == cues, qPrintable(where()));
            QVERIFY2(checkEndedBoard(), qPrintable(where()));
        }
        // Both endings must have been tried often.
        QVERIFY(completed > 100 && completed < 400);
    }
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
