#include "game/typeahead.h"

#include <algorithm>

namespace {

std::optional<int> firstFitting(Testament testament, const std::vector<int> &order, std::optional<int> current,
    const QString &typed, bool currentFirst)
{
    if (order.empty() || typed.isEmpty())
        return std::nullopt;
    const auto at = current ? std::find(order.begin(), order.end(), *current) : order.end();
    const int start = at == order.end() ? 0 : int(at - order.begin()) + (currentFirst ? 0 : 1);
    for (int step = 0; step < int(order.size()); ++step) {
        const int index = order[(start + step) % order.size()];
        if (TypeAhead::fits(testament, index, typed))
            return index;
    }
    return std::nullopt;
}

} // namespace

std::optional<int> TypeAhead::type(
    const QString &text, qint64 now, Testament testament, const std::vector<int> &order, std::optional<int> current)
{
    const QString key = typingKey(text);
    if (key.isEmpty())
        return std::nullopt;
    const bool continued = m_lastTyped && now - *m_lastTyped < Pause && now >= *m_lastTyped;
    m_lastTyped = now;
    m_typed = continued ? m_typed + key : key;
    std::optional<int> found = firstFitting(testament, order, current, m_typed, continued);
    const bool oneLetterRepeated = m_typed.count(m_typed.front()) == m_typed.size();
    if (!found && continued && oneLetterRepeated)
        found = firstFitting(testament, order, current, m_typed.left(1), false);
    m_missed = !found;
    return found;
}

void TypeAhead::restart()
{
    m_typed.clear();
    m_lastTyped.reset();
}

void TypeAhead::reached()
{
    restart();
    m_missed = false;
}

QString TypeAhead::typingKey(const QString &name)
{
    QString key;
    for (const QChar c : name.normalized(QString::NormalizationForm_KD)) {
        if (c.isLetterOrNumber())
            key += c.toCaseFolded();
    }
    return key;
}

bool TypeAhead::fits(Testament testament, int index, const QString &typed)
{
    const int tag = index + 1;
    return typingKey(shownBookName(testament, tag)).startsWith(typed)
        || typingKey(spokenBookName(testament, tag)).startsWith(typed);
}
