#include "controls/doubleclickjudge.h"

#include <QGuiApplication>
#include <QStyleHints>

DoubleClickJudge::DoubleClickJudge(std::function<Limits()> limits)
    : m_limits(std::move(limits))
{
}

DoubleClickJudge &DoubleClickJudge::shared()
{
    static DoubleClickJudge judge;
    return judge;
}

DoubleClickJudge::Limits DoubleClickJudge::desktopLimits()
{
    const QStyleHints *hints = QGuiApplication::styleHints();
    return {quint64(hints->mouseDoubleClickInterval()), qreal(hints->mouseDoubleClickDistance())};
}

bool DoubleClickJudge::secondPress(quint64 atMs, QPointF where, bool pairedByQt)
{
    const Limits limits = m_limits();
    const bool soon = m_lastAt && atMs >= *m_lastAt && atMs - *m_lastAt < limits.intervalMs;
    const bool close = (where - m_lastWhere).manhattanLength() <= limits.distance;
    m_lastAt = atMs;
    m_lastWhere = where;
    return pairedByQt || (soon && close);
}
