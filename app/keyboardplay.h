#pragma once

#include "game/round.h"
#include "game/typeahead.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>

#include <optional>

class FocusRing;
class QKeyEvent;
class TImage;
class TMGCheckbox;

// Playing the main window from the keyboard. Tab and Shift+Tab go round the three switches and the pile; in the
// pile one book at a time holds the keyboard: the arrow keys move it from cell to cell, typing the start of a name
// moves it to that book, and Space or Enter clicks it. A name that fits no lying book takes the ring off the pile
// and leaves Space and Enter idle until the player moves or types a name that fits. When the book holding the
// keyboard leaves the pile the keyboard passes to the book that dropped into its place, else to the nearest one.
// Which books lie where is the round's to say; the window tells the controller when the pile changes.
class KeyboardPlay : public QObject
{
    Q_OBJECT

public:
    // What the keyboard plays on. Entry i of each book list is the picture of the book with list index i.
    struct Controls
    {
        QList<TMGCheckbox *> switches;
        TMGCheckbox *home; // takes the keyboard when the pile empties under it
        QList<TImage *> oldBooks;
        QList<TImage *> newBooks;
    };

    KeyboardPlay(QWidget &window, const Round &round, Controls controls);

    // A new pile was dealt: its first book, at the bottom left, holds the keyboard in it.
    void dealt();
    // A book is leaving the pile; told before its picture goes, so that the keyboard passes on without ever
    // resting on a hidden book.
    void shelved(const Round::Step &step);
    // Every book went back to its shelf.
    void cleared();

    // The book that holds the keyboard in the pile, if any lies there.
    TImage *current() const;

signals:
    // Typing found the book that already holds the keyboard: no focus moves, so this is the one word that says
    // the name still fits.
    void foundAgain(TImage *book);
    // Nothing lying in the pile starts with what was typed.
    void nothingFound(const QString &typed);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const QList<TImage *> &books() const;
    bool lies(int index) const;
    bool keyPressed(const QKeyEvent &key);
    void moveTo(std::optional<int> index, bool focus);
    // The keyboard came to a book by other means than a name: the book is reached, and the ring marks it.
    void reached();

    const Round &m_round;
    Controls m_controls;
    FocusRing *m_ring;
    std::optional<int> m_current;
    TypeAhead m_typeAhead;
    QElapsedTimer m_clock;
};
