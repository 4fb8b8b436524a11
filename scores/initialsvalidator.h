#pragma once

#include <QString>
#include <QValidator>

// What the initials input accepts: text in upper case, at most a few characters as the player sees them (a letter
// with its accents, an emoji), counted after upper-casing, so that a letter that becomes two ("ß" → "SS") counts
// as two. A typed or pasted character that would go beyond the limit is left out whole; longer initials already
// standing are kept, but nothing more is added to them. The cursor ends after what was typed, never inside it.
class InitialsValidator : public QValidator
{
public:
    InitialsValidator(int limit, QObject *parent);

    // Characters as the player sees them (grapheme clusters).
    static int characterCount(const QString &text);

    // The text the input holds now, before the player edits it.
    void setStanding(const QString &text) { m_standing = text.toUpper(); }

    State validate(QString &input, int &position) const override;

private:
    int m_limit;
    // What the input held after the last change; the edit is what differs from it.
    mutable QString m_standing;
};
