#pragma once

#include <QKeyEvent>

// The keys that press whatever control has the keyboard, as a click of the mouse would: Space and Enter, on their
// own (with Ctrl or Alt they belong to shortcuts).
inline bool isClickKey(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers chords = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (event.modifiers() & chords)
        return false;
    return event.key() == Qt::Key_Space || event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}
