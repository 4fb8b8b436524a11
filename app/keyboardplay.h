#pragma once

#include "game/pilegrid.h"
#include "game/typeahead.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>

#include <optional>

class FocusRing;
class QKeyEvent;
class TImage;
class TfrmMain;

// Playing the main window from the keyboard. Tab and Shift+Tab go round the three switches and the pile; in the
// pile one book at a time holds the keyboard: the arrow keys move it from cell to cell, typing the start of a name
// moves it to that book, and Space or Enter clicks it. When that book leaves the pile the keyboard passes to the
// book that dropped into its place, else to the nearest one.
class KeyboardPlay : public QObject
{
    Q_OBJECT

public:
    explicit KeyboardPlay(TfrmMain &form);

    // A new pile was dealt: its first book, at the bottom left, holds the keyboard in it.
    void dealt();

    // The books lying in the pile, row by row from the bottom left.
    QList<TImage *> pileInOrder() const;
    // The book that holds the keyboard in the pile, if any lies there.
    TImage *current() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const QList<TImage *> &books() const;
    std::vector<int> lying() const;
    PileGrid grid() const;
    bool keyPressed(const QKeyEvent &key);
    void leaving(int index);
    void moveTo(std::optional<int> index, bool focus);

    TfrmMain &m_form;
    FocusRing *m_ring;
    std::optional<int> m_current;
    TypeAhead m_typeAhead;
    QElapsedTimer m_clock;
};
