#pragma once

#include "game/catalogue.h"

#include <QString>

#include <optional>
#include <vector>

// Finding a lying book by typing the start of its name, read without its spaces and case: "iik" finds II Kings,
// "2k" finds it as a screen reader says it, "song" finds Song of Solomon. What was typed is forgotten after a pause.
// The clock is the caller's, so that the pause can be tested without waiting.
class TypeAhead
{
public:
    // Milliseconds without typing after which a new search begins.
    static constexpr qint64 Pause = 1000;

    // Takes text typed at `now` (milliseconds of a clock that never goes back) and returns the book to go to: the
    // first of `order`, counted round from `current`, whose name starts with everything typed since the last pause.
    // While a search grows the current book is tried first, as it may still fit; a new search starts after it.
    // Typing one letter over and over steps through the books that start with it.
    std::optional<int> type(const QString &text, qint64 now, Testament testament, const std::vector<int> &order,
        std::optional<int> current);

    // What was typed since the last pause.
    const QString &typed() const { return m_typed; }
    // Whether the last name typed fits no lying book. The player has then reached no book, and Space and Enter
    // must take none: the book last found is not where the player meant to be. A pause keeps it.
    bool missed() const { return m_missed; }
    // Forgets what was typed, as a pause does: the next letter begins a new name.
    void restart();
    // The player reached a book by other means than a name (an arrow, Tab, the keyboard passing on): forgets what
    // was typed and any miss.
    void reached();

    // A name as it is typed: letters and digits only, case and accents folded, so that "genesis" finds "Génesis"
    // and "1mo" finds "1. Mose".
    static QString typingKey(const QString &name);
    // Whether the book's name as shown or spoken starts with `typed` (already a typing key).
    static bool fits(Testament testament, int index, const QString &typed);

private:
    QString m_typed;
    std::optional<qint64> m_lastTyped;
    bool m_missed = false;
};
