#include "scores/initialsvalidator.h"

#include <QTextBoundaryFinder>

#include <algorithm>

namespace {

QStringList characters(const QString &text)
{
    QStringList parts;
    QTextBoundaryFinder boundaries(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    while (boundaries.toNextBoundary() > 0) {
        parts.append(text.mid(start, boundaries.position() - start));
        start = boundaries.position();
    }
    return parts;
}

} // namespace

InitialsValidator::InitialsValidator(int limit, QObject *parent)
    : QValidator(parent)
    , m_limit(limit)
{
}

int InitialsValidator::characterCount(const QString &text)
{
    return static_cast<int>(characters(text).size());
}

QValidator::State InitialsValidator::validate(QString &input, int &position) const
{
    if (input == m_standing)
        return Acceptable;
    // The edit is what lies between the part both texts begin with and the part both end with; it ends at the
    // cursor, which tells where a letter typed next to the same letter went.
    const qsizetype shorter = std::min(input.size(), m_standing.size());
    qsizetype tail = 0;
    while (tail < std::min<qsizetype>(shorter, input.size() - position)
           && input[input.size() - 1 - tail] == m_standing[m_standing.size() - 1 - tail])
        ++tail;
    qsizetype head = 0;
    while (head < std::min<qsizetype>(shorter - tail, position) && input[head] == m_standing[head])
        ++head;
    // Never split a surrogate pair between the parts.
    if (head > 0 && input[head - 1].isHighSurrogate())
        --head;
    if (tail > 0 && input[input.size() - tail].isLowSurrogate())
        --tail;

    const QString before = input.left(head).toUpper();
    const QString after = input.right(tail).toUpper();
    const int limit = std::max(m_limit, characterCount(m_standing));
    QString inserted;
    for (const QString &character : characters(input.mid(head, input.size() - head - tail))) {
        const QString upper = character.toUpper();
        if (characterCount(before + inserted + upper + after) > limit)
            break;
        inserted += upper;
    }
    input = before + inserted + after;
    position = static_cast<int>(before.size() + inserted.size());
    m_standing = input;
    return Acceptable;
}
