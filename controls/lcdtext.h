#pragma once

#include <QString>

// The text model of the seven-segment display: what it stores of a text it is given, and how a stored text is
// shared out among its digit cells and the decimal points between them.
namespace Lcd {

// The text upper-cased (only a to z change), empty if any character is then outside 0-9, '-', blank, '.', A-Z
// and ':', and with one trailing point dropped.
QString normalisedValue(const QString &text);

// digits[i] is the character of cell i; dots[i] is '.' when a decimal point stands in the gap to the left of
// cell i. Two points in a row enclose an empty cell.
struct SplitText
{
    QString digits;
    QString dots;
    bool operator==(const SplitText &) const = default;
};
SplitText SplitValue(const QString &text);

// Character `position` (counted from 1) of the text once it is padded on the left with blanks to at least
// `width` characters, so that short texts stand at the right. Nothing is padded for it, however wide.
QChar paddedAt(const QString &text, qint64 width, qint64 position);

} // namespace Lcd
