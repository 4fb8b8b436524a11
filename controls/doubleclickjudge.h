#pragma once

#include <QPointF>

#include <functional>
#include <optional>

// Tells whether a left press on a picture is the second of a double click. Qt pairs presses into double clicks by
// itself, but after a pair the next press starts afresh: a player who double-clicks a book right after clicking the
// one before it would have the second half of the double click taken for a click of its own. Here any press soon
// after and close to the last one counts as the second of a double click, on whichever picture it lands.
//
// The judge keeps no clock: each press comes with its time (the window system's stamp on the press event), and the
// desktop's limits come from a function, so a test judges presses of its own making at times of its choosing.
class DoubleClickJudge
{
public:
    struct Limits
    {
        quint64 intervalMs;
        qreal distance;
    };

    explicit DoubleClickJudge(std::function<Limits()> limits = desktopLimits);

    // The judge that all the program's pictures share.
    static DoubleClickJudge &shared();
    // The desktop's double-click interval and distance, as they stand now.
    static Limits desktopLimits();

    // Whether a left press at this time (milliseconds) and place is the second of a double click; pairedByQt when
    // Qt has said so already.
    bool secondPress(quint64 atMs, QPointF where, bool pairedByQt);

private:
    std::function<Limits()> m_limits;
    std::optional<quint64> m_lastAt;
    QPointF m_lastWhere;
};
