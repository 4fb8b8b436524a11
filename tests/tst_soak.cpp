#include "game/board.h"
#include "game/round.h"

#include <QtTest>

#include <random>

using Outcome = Round::Outcome;

// Plays many games with random clicks, ticks, hint switches and STOPs, and checks after every step that the pile,
// the score, the value and the countdown agree with each other.
class TestSoak : public QObject
{
    Q_OBJECT

private:
    Round m_round;
    std::mt19937 m_actions {20261207};
    // Where each book of the game lies now, as the window would move it: the dealt row less the drops.
    std::array<int, OTBookCount> m_rows {};
    std::array<bool, OTBookCount> m_lying {};
    int m_game = 0;
    int m_step = 0;

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_actions); }
    QString where() const { return QStringLiteral("game %1, step %2").arg(m_game).arg(m_step); }

    bool checkNumbers() const
    {
        const int value = m_round.value();
        const int best = 500 * (m_round.LastIndex() + 1);
        return m_round.score() >= -49 && m_round.score() <= best && value >= 0 && value <= 500 && value % 5 == 0
            && (m_round.countdownInterval() == 100 || m_round.countdownInterval() == 200);
    }

    // A shelving takes the wanted book out of its column and drops the books lying above it (with the pictures of
    // books shelved earlier, which stay hidden), so every column stays a gapless stack from the bottom row.
    bool applyShelving(const Round::Step &step)
    {
        const int shelved = step.shelved;
        if (!m_lying[shelved])
            return false;
        const int column = m_round.PileCells()[shelved].Column;
        std::vector<int> above;
        for (int row = m_rows[shelved] + 1; row < Board::PileRows; ++row) {
            for (int i = 0; i <= m_round.LastIndex(); ++i) {
                if (m_lying[i] && m_rows[i] == row && m_round.PileCells()[i].Column == column)
                    above.push_back(i);
            }
        }
        std::vector<int> droppedLying;
        std::copy_if(step.dropped.begin(), step.dropped.end(), std::back_inserter(droppedLying),
            [this](int i) { return m_lying[i]; });
        if (above != droppedLying)
            return false;
        m_lying[shelved] = false;
        for (const int i : step.dropped)
            --m_rows[i];
        return true;
    }

    bool checkStacks() const
    {
        std::array<std::vector<int>, Board::PileColumns> columns;
        for (int i = 0; i <= m_round.LastIndex(); ++i) {
            if (m_round.running() && m_lying[i] != (i >= m_round.WantedIndex()))
                return false;
            if (m_lying[i])
                columns[m_round.PileCells()[i].Column].push_back(m_rows[i]);
        }
        for (std::vector<int> &rows : columns) {
            std::sort(rows.begin(), rows.end());
            for (int r = 0; r < int(rows.size()); ++r) {
                if (rows[r] != r)
                    return false;
            }
        }
        return true;
    }

    Round::Step playOneStep()
    {
        const int roll = pick(0, 99);
        if (roll < 45)
            return m_round.click(m_round.WantedIndex());
        if (roll < 70)
            return m_round.click(pick(0, m_round.LastIndex()));
        if (roll < 97) {
            Round::Step step;
            for (int ticks = pick(1, 60); ticks > 0 && step.outcome != Outcome::TimedOut; --ticks)
                step = m_round.tick();
            return step;
        }
        if (roll < 99)
            m_round.setHints(!m_round.hints());
        else
            m_round.stop();
        return {};
    }

private slots:
    void fiveHundredRandomGamesKeepThePileSound()
    {
        int completed = 0;
        std::uint32_t seed = 1000;
        for (m_game = 1; m_game <= 500; ++m_game) {
            if (pick(0, 4) == 0)
                m_round.setHints(!m_round.hints());
            m_round.start(pick(0, 3) == 0 ? Testament::New : Testament::Old);
            m_round.BookSetup(seed++);
            for (int i = 0; i <= m_round.LastIndex(); ++i) {
                m_rows[i] = m_round.PileCells()[i].Row;
                m_lying[i] = true;
            }
            bool ended = false;
            for (m_step = 0; m_round.running(); ++m_step) {
                QVERIFY2(m_step < 20000, qPrintable(where()));
                const Round::Step step = playOneStep();
                if (step.shelved >= 0)
                    QVERIFY2(applyShelving(step), qPrintable(where()));
                ended = step.ended;
                QVERIFY2(checkNumbers(), qPrintable(where()));
                QVERIFY2(checkStacks(), qPrintable(where()));
                QVERIFY2(m_round.hint().isEmpty() == !(m_round.running() && m_round.hints()), qPrintable(where()));
            }
            completed += ended;
            QCOMPARE(m_round.countdownInterval(), 100);
        }
        // Both endings must have been tried often.
        QVERIFY(completed > 100 && completed < 400);
    }
};

QTEST_GUILESS_MAIN(TestSoak)
#include "tst_soak.moc"
