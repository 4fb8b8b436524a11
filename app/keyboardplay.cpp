#include "app/keyboardplay.h"

#include "app/frmmain.h"
#include "controls/image.h"
#include "controls/mgcheckbox.h"
#include "look/focusring.h"

#include <QKeyEvent>

#include <algorithm>

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

KeyboardPlay::KeyboardPlay(TfrmMain &form)
    : m_form(form)
    , m_ring(new FocusRing(&form))
{
    // Only the keyboard gives the switches and books the focus, so a click of the mouse leaves no ring behind.
    for (TMGCheckbox *toggle : {form.chkTestament, form.chkHints, form.chkGO}) {
        toggle->setFocusPolicy(Qt::TabFocus);
        m_ring->watch(toggle);
    }
    // The ring watches after the pile does, so that it sees the keys before the pile takes them.
    const auto watch = [this](const auto &pictures) {
        for (TImage *book : pictures) {
            book->installEventFilter(this);
            m_ring->watch(book);
        }
    };
    watch(form.imgOTBook);
    watch(form.imgNTBook);
    m_clock.start();
}

const QList<TImage *> &KeyboardPlay::books() const
{
    return m_form.round().testament() == Testament::New ? m_form.NTBookList : m_form.OTBookList;
}

std::vector<int> KeyboardPlay::lying() const
{
    std::vector<int> indexes;
    const QList<TImage *> &pictures = books();
    for (int index = 0; index < int(pictures.size()); ++index) {
        if (!pictures[index]->isHidden())
            indexes.push_back(index);
    }
    return indexes;
}

PileGrid KeyboardPlay::grid() const
{
    return PileGrid(m_form.PileCells(), lying());
}

void KeyboardPlay::dealt()
{
    const std::vector<int> order = grid().inPileOrder();
    moveTo(order.empty() ? std::nullopt : std::optional<int>(order.front()), current() && current()->hasFocus());
}

QList<TImage *> KeyboardPlay::pileInOrder() const
{
    QList<TImage *> pile;
    for (const int index : grid().inPileOrder())
        pile.append(books()[index]);
    return pile;
}

TImage *KeyboardPlay::current() const
{
    if (!m_current || *m_current >= int(books().size()))
        return nullptr;
    TImage *book = books()[*m_current];
    return book->isHidden() ? nullptr : book;
}

void KeyboardPlay::moveTo(std::optional<int> index, bool focus)
{
    // One book of the pile is a stop of Tab at a time: the one that holds the keyboard in it.
    for (TImage *book : m_form.OTBookList + m_form.NTBookList)
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
        m_form.chkGO->setFocus(Qt::OtherFocusReason);
}

bool KeyboardPlay::eventFilter(QObject *watched, QEvent *event)
{
    auto *book = qobject_cast<TImage *>(watched);
    if (!book)
        return false;
    if (event->type() == QEvent::KeyPress && book == current())
        return keyPressed(*static_cast<QKeyEvent *>(event));
    // Only a book hidden by itself leaves the pile; a book hidden with its window stays in it.
    if (event->type() == QEvent::Hide && book->isHidden() && m_current && book == books().value(*m_current))
        leaving(*m_current);
    return false;
}

bool KeyboardPlay::keyPressed(const QKeyEvent &key)
{
    if (const std::optional<PileGrid::Direction> direction = arrow(key.key())) {
        if (const std::optional<int> next = grid().neighbour(*m_current, *direction))
            moveTo(next, true);
        return true;
    }
    if (!isTyping(key))
        return false;
    const std::optional<int> found
        = m_typeAhead.type(key.text(), m_clock.elapsed(), m_form.round().testament(), grid().inPileOrder(), m_current);
    if (found)
        moveTo(found, true);
    return true;
}

void KeyboardPlay::leaving(int index)
{
    // The book is hidden already; where it lay is read from the pile as it was.
    std::vector<int> before = lying();
    std::vector<int> after = before;
    after.erase(std::remove(after.begin(), after.end(), index), after.end());
    if (std::find(before.begin(), before.end(), index) == before.end())
        before.push_back(index);
    const std::optional<PileCell> cell = PileGrid(m_form.PileCells(), before).cellOf(index);
    const bool focused = books()[index]->hasFocus();
    moveTo(cell ? PileGrid(m_form.PileCells(), after).nearest(*cell) : std::nullopt, focused);
}
