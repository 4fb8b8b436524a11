#include "controls/lcdtext.h"

namespace Lcd {

namespace {

bool allowed(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') || u == u'-' || u == u' ' || u == u'.' || u == u':';
}

} // namespace

QString normalisedValue(const QString &text)
{
    QString result = text;
    for (QChar &c : result) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
        if (!allowed(c))
            return {};
    }
    if (result.endsWith(u'.'))
        result.chop(1);
    return result;
}

SplitText SplitValue(const QString &text)
{
    SplitText split;
    bool dotPending = false;
    for (QChar c : text) {
        if (c == u'.') {
            split.dots += u'.';
            if (dotPending)
                split.digits += u' ';
            else
                dotPending = true;
        } else {
            if (dotPending)
                dotPending = false;
            else
                split.dots += u' ';
            split.digits += c;
        }
    }
    return split;
}

QChar paddedAt(const QString &text, qint64 width, qint64 position)
{
    const qint64 padding = qMax<qint64>(0, width - text.size());
    if (position <= padding || position - padding > text.size())
        return u' ';
    return text.at(position - padding - 1);
}

} // namespace Lcd
