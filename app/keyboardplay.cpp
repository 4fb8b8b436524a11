#include "app/keyboardplay.h"

#include "controls/clickkey.h"
#include "controls/image.h"
#include "controls/mgcheckbox.h"
#include "look/focusring.h"

#include <QKeyEvent>

#include <utility>

namespace {

std::optional<PileGrid::Direction> arrow(int key)
{
    switch (key) {
    case Qt::Key_Left:
        return PileGrid::Direction::Left;
    case Qt::Key_Right:
        return PileGrid::Direction::Right;
    case Qt::Key_Up:
        return PileGrid::Direction::Up;
    case Qt::Key_Down:
        return PileGrid::Direction::Down;
    default:
        return std::nullopt;
    }
}

// Letters and digits typed to find a book; Space stays the click, and chords belong to shortcuts.
bool isTyping(const QKeyEvent &key)
{
    const Qt::KeyboardModifiers chords = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return !(key.modifiers() & chords) && !key.text().isEmpty() && key.text().front().isLetterOrNumber();
}

} // namespace

KeyboardPlay::KeyboardPlay(QWidget &window, const Round &round, Controls controls)
    : m_round(round)
    , m_controls(std::move(controls))
    , m_ring(new FocusRing(&window))
{
    // Only the keyboard gives the switches and books the focus, so a click of the mouse leaves no ring behind.
    for (TMGCheckbox *toggle : m_controls.switches) {
        toggle->setFocusPolicy(Qt::TabFocus);
        m_ring->watch(toggle);
    }
    // The ring watches after the pile does, so that it sees the keys before the pile takes them.
    for (TImage *book : m_controls.oldBooks + m_controls.newBooks) {
        book->installEventFilter(this);
        m_ring->watch(book);
    }
    m_clock.start();
}

const QList<TImage *> &KeyboardPlay::books() const
{
    return m_round.testament() == Testament::New ? m_controls.newBooks : m_controls.oldBooks;
}

bool KeyboardPlay::lies(int index) const
{
    return m_round.pile().cellOf(index).has_value();
}

void KeyboardPlay::dealt()
{
    reached();
    const std::vector<int> order = m_round.pile().inPileOrder();
    moveTo(order.empty() ? std::nullopt : std::optional<int>(order.front()), current() && current()->hasFocus());
}

void KeyboardPlay::shelved(const Round::Step &step)
{
    m_typeAhead.restart();
    if (step.shelved != m_current)
        return;
    const bool focused = books()[step.shelved]->hasFocus();
    moveTo(m_round.pile().nearest(step.shelvedFrom), focused);
}

void KeyboardPlay::cleared()
{
    reached();
    const bool focused = current() && current()->hasFocus();
    moveTo(std::nullopt, focused);
}

TImage *KeyboardPlay::current() const
{
    return m_current && lies(*m_current) ? books()[*m_current] : nullptr;
}

void KeyboardPlay::reached()
{
    m_typeAhead.reached();
    m_ring->setAway(false);
}

void KeyboardPlay::moveTo(std::optional<int> index, bool focus)
{
    // One book of the pile is a stop of Tab at a time: the one that holds the keyboard in it.
    for (TImage *book : m_controls.oldBooks + m_controls.newBooks)
        book->setFocusPolicy(Qt::NoFocus);
    m_current = index;
    TImage *book = current();
    if (book)
        book->setFocusPolicy(Qt::TabFocus);
    if (!focus)
        return;
    if (book)
        book->setFocus(Qt::OtherFocusReason);
    else
        m_controls.home->setFocus(Qt::OtherFocusReason);
}

bool KeyboardPlay::eventFilter(QObject *watched, QEvent *event)
{
    auto *book = qobject_cast<TImage *>(watched);
    if (!book || book != current())
        return false;
    if (event->type() == QEvent::KeyPress)
        return keyPressed(*static_cast<QKeyEvent *>(event));
    // Coming back into the pile by Tab, or with the window, begins a new name at a book the player sees reached,
    // and leaving it takes the ring along; only the keyboard's own moves, which give the focus for no other
    // reason, carry a name, or a name that fitted none, on.
    const bool focusMoved = event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut;
    if (focusMoved && static_cast<QFocusEvent *>(event)->reason() != Qt::OtherFocusReason)
        reached();
    return false;
}

bool KeyboardPlay::keyPressed(const QKeyEvent &key)
{
    if (const std::optional<PileGrid::Direction> direction = arrow(key.key())) {
        reached();
        if (const std::optional<int> next = m_round.pile().neighbour(*m_current, *direction))
            moveTo(next, true);
        return true;
    }
    if (isClickKey(key)) {
        // The book answers the key itself, unless the last name fitted none: then the player has reached no book,
        // and the key takes nothing. Whatever comes next is a new name.
        const bool reached = !m_typeAhead.missed();
        m_typeAhead.restart();
        return !reached;
    }
    if (!isTyping(key))
        return false;
    const std::optional<int> found
        = m_typeAhead.type(key.text(), m_clock.elapsed(), m_round.testament(), m_round.pile().inPileOrder(), m_current);
    m_ring->setAway(m_typeAhead.missed());
    if (!found)
        emit nothingFound(m_typeAhead.typed());
    else if (found == m_current)
        emit foundAgain(books()[*found]);
    else
        moveTo(found, true);
    return true;
}
