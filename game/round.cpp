#include "game/round.h"

#include "game/hints.h"
#include "game/rules.h"

#include <algorithm>
#include <chrono>
#include <limits>

namespace {

std::int64_t steadyMilliseconds()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

std::optional<Cue> Round::Step::cue() const
{
    switch (outcome) {
    case Outcome::Penalised:
        return Cue::CueWrong;
    case Outcome::Shelved:
        return Cue::CueCorrect;
    case Outcome::TimedOut:
        return Cue::CueTimeOut;
    case Outcome::Ignored:
    case Outcome::CountedDown:
        break;
    }
    return std::nullopt;
}

Round::Round()
    : m_value(Rules::initialValue(false))
    , m_countdownInterval(Rules::CountdownInterval)
    , m_clock(steadyMilliseconds)
{
}

void Round::start(Testament testament)
{
    m_practice.reset();
    begin(testament, 0, bookCount(testament) - 1);
}

void Round::start(const Section &section)
{
    m_practice = section;
    begin(section.testament, section.first, section.last());
}

void Round::begin(Testament testament, int firstIndex, int lastIndex)
{
    m_testament = testament;
    m_running = true;
    m_firstIndex = firstIndex;
    m_wantedIndex = firstIndex;
    m_lastIndex = lastIndex;
    clearPile();
    InitValue();
    m_score = 0;
    m_record = Progress(testament);
    m_record[m_wantedIndex].games = 1;
    m_wantedSince = m_clock();
    m_pauses = 0;
}

std::vector<Pile::DealtBook> Round::BookSetup(std::uint32_t seed)
{
    m_generator.seed(seed);
    std::vector<Pile::DealtBook> dealt = Pile::deal(m_lastIndex - m_firstIndex + 1, m_generator);
    for (int index = m_firstIndex; index <= m_lastIndex; ++index)
        m_pileCells[index] = dealt[index - m_firstIndex].cell;
    m_firstLying = m_firstIndex;
    return dealt;
}

Round::Step Round::click(int index, bool secondOfDoubleClick)
{
    Step step;
    // The books left lying after STOP belong to no game; those of a paused game lie out of reach.
    if (!m_running || paused())
        return step;
    if (index != m_wantedIndex) {
        if (secondOfDoubleClick)
            return step;
        step.outcome = Outcome::Penalised;
        m_score = Rules::afterWrongClick(m_score);
        ++m_record[m_wantedIndex].wrong;
        return step;
    }
    step.outcome = Outcome::Shelved;
    m_score += m_value;
    MoveBook(step);
    return step;
}

Round::Step Round::tick()
{
    Step step;
    if (!m_running || paused())
        return step;
    if (m_value != 0) {
        step.outcome = Outcome::CountedDown;
        m_value -= Rules::ValueStep;
        return step;
    }
    step.outcome = Outcome::TimedOut;
    MoveBook(step);
    return step;
}

void Round::MoveBook(Step &step)
{
    recordWantedTime();
    ++(step.outcome == Outcome::TimedOut ? m_record[m_wantedIndex].timeouts : m_record[m_wantedIndex].found);
    step.shelved = m_wantedIndex;
    step.shelvedFrom = *pile().cellOf(m_wantedIndex);
    m_firstLying = m_wantedIndex + 1;
    step.dropped = Pile::booksAbove(m_pileCells, m_firstIndex, m_lastIndex, m_wantedIndex);
    if (m_wantedIndex == m_lastIndex) {
        // The end shows the value the next game starts at.
        step.ended = true;
        end();
        return;
    }
    ++m_wantedIndex;
    m_record[m_wantedIndex].games = 1;
    InitValue();
}

void Round::recordWantedTime()
{
    const std::int64_t now = m_clock();
    // To the nearest tenth; a clock that went back counts as no time.
    const std::int64_t tenths = (std::max<std::int64_t>(now - m_wantedSince, 0) + 50) / 100;
    BookProgress spent;
    spent.tenths = static_cast<int>(std::min<std::int64_t>(tenths, std::numeric_limits<int>::max()));
    m_record[m_wantedIndex] += spent;
    m_wantedSince = now;
}

void Round::InitValue()
{
    m_value = Rules::initialValue(m_hints);
}

void Round::setHints(bool on)
{
    m_hints = on;
    if (on) {
        m_value = Rules::halvedValue(m_value);
        m_countdownInterval = Rules::HintedCountdownInterval;
        return;
    }
    m_countdownInterval = Rules::CountdownInterval;
    if (!m_running)
        InitValue();
}

void Round::setHintsLeftOn(bool on)
{
    m_hints = on;
    m_countdownInterval = Rules::CountdownInterval;
    InitValue();
}

void Round::setPaused(PauseReason reason, bool on)
{
    setPauses(on ? m_pauses | int(reason) : m_pauses & ~int(reason));
}

void Round::playOn()
{
    setPauses(0);
}

void Round::setPauses(int pauses)
{
    if (!m_running)
        return;
    const bool wasPaused = paused();
    m_pauses = pauses;
    if (paused() == wasPaused)
        return;
    if (wasPaused)
        m_wantedSince += std::max<std::int64_t>(m_clock() - m_pausedSince, 0);
    else
        m_pausedSince = m_clock();
}

void Round::stop()
{
    // The book wanted at STOP was reached, though neither found nor timed out; a pause the stop ends takes none of
    // its time.
    if (m_running) {
        if (paused())
            m_wantedSince += std::max<std::int64_t>(m_clock() - m_pausedSince, 0);
        recordWantedTime();
    }
    end();
}

void Round::end()
{
    m_running = false;
    m_pauses = 0;
    m_countdownInterval = Rules::CountdownInterval;
    InitValue();
}

void Round::clearPile()
{
    m_firstLying = m_lastIndex + 1;
}

PileGrid Round::pile() const
{
    std::vector<int> lying;
    for (int index = m_firstLying; index <= m_lastIndex; ++index)
        lying.push_back(index);
    return PileGrid(m_pileCells, lying);
}

QString Round::hint() const
{
    return m_running && m_hints ? Hints::text(m_testament, m_wantedIndex + 1) : QString();
}
