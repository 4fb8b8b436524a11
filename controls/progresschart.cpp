#include "controls/progresschart.h"

#include "controls/accessibility.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The high-score boards' colours: a dark field in a walnut frame with a gilt edge, gold lettering.
constexpr QColor Field {20, 17, 15};
constexpr QColor FrameLight {140, 88, 46};
constexpr QColor FrameDark {74, 42, 20};
constexpr QColor Gilt {196, 152, 72};
constexpr QColor Gold {232, 196, 104};
constexpr QColor Lettering {210, 214, 206};
constexpr QColor GridLine {52, 64, 70};
constexpr QColor Mark {255, 255, 255};

// From a calm teal through amber to red, as a book costs points more often.
constexpr std::array<QColor, 3> CostScale {QColor(46, 190, 160), QColor(255, 179, 0), QColor(226, 60, 40)};

constexpr int Frame = 5;
constexpr int TitlePixelSize = 15;
constexpr int LabelPixelSize = 10;
constexpr int AxisPixelSize = 10;
// The plot inside the field: room for the title above, the seconds to the left, the names below.
constexpr QMargins PlotMargins {44, 44, 14, 52};
constexpr int LegendSwatchWidth = 48;
constexpr double BarShare = 0.72; // of a book's slot; the rest is the gap between bars

QColor blend(QColor from, QColor to, double share)
{
    const auto mix = [share](int a, int b) { return int(std::lround(a + (b - a) * share)); };
    return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()), mix(from.blue(), to.blue()));
}

QFont sized(QFont font, int pixelSize, bool bold = false)
{
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

} // namespace

TProgressChart::TProgressChart(QWidget *parent)
    : QWidget(parent)
{
    describeControlsToAssistiveTools();
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TProgressChart::setTitle(const QString &title)
{
    if (m_title == title)
        return;
    m_title = title;
    update();
}

void TProgressChart::setBars(const QList<Bar> &bars)
{
    m_bars = bars;
    update();
}

void TProgressChart::setEmptyText(const QString &text)
{
    if (m_emptyText == text)
        return;
    m_emptyText = text;
    update();
}

QColor TProgressChart::costColour(double cost)
{
    const double share = std::clamp(cost, 0.0, 1.0) * 2;
    return share <= 1 ? blend(CostScale[0], CostScale[1], share) : blend(CostScale[1], CostScale[2], share - 1);
}

double TProgressChart::scaleTop(double seconds)
{
    for (const double top : {5.0, 10.0, 15.0, 20.0, 30.0, 40.0, 60.0}) {
        if (seconds <= top * 0.95)
            return top;
    }
    return std::ceil(seconds / 0.95 / 30) * 30;
}

// At the top right: the colours from "never" to "every game", and the last game's mark.
void TProgressChart::paintLegend(QPainter &painter, const QRectF &field) const
{
    painter.save();
    painter.setFont(sized(font(), AxisPixelSize));
    const QFontMetricsF metrics(painter.font());
    const QString never = tr("cost points: never");
    const QString always = tr("every game");
    const QString last = tr("last game");
    const double y = field.top() + 12;
    double x = field.right() - 14 - metrics.horizontalAdvance(last);
    painter.setPen(Lettering);
    painter.drawText(QPointF(x, y + metrics.ascent() - 1), last);
    x -= 22;
    painter.setPen(QPen(Mark, 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(x, y + 5.5), QPointF(x + 14, y + 5.5));
    x -= 24 + metrics.horizontalAdvance(always);
    painter.setPen(Lettering);
    painter.drawText(QPointF(x, y + metrics.ascent() - 1), always);
    x -= 6 + LegendSwatchWidth;
    QLinearGradient scale(x, 0, x + LegendSwatchWidth, 0);
    for (int step = 0; step <= 4; ++step)
        scale.setColorAt(step / 4.0, costColour(step / 4.0));
    painter.fillRect(QRectF(x, y + 1, LegendSwatchWidth, 9), scale);
    x -= 6 + metrics.horizontalAdvance(never);
    painter.drawText(QPointF(x, y + metrics.ascent() - 1), never);
    painter.restore();
}

void TProgressChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF whole = rect();

    // The frame and the field, as on the high-score boards.
    painter.fillRect(whole, palette().window());
    QLinearGradient frame(whole.topLeft(), whole.bottomRight());
    frame.setColorAt(0, FrameLight);
    frame.setColorAt(1, FrameDark);
    painter.setPen(Qt::NoPen);
    painter.setBrush(frame);
    painter.drawRoundedRect(whole, 8, 8);
    const QRectF field = whole.adjusted(Frame, Frame, -Frame, -Frame);
    painter.setPen(QPen(Gilt, 1));
    painter.setBrush(Field);
    painter.drawRoundedRect(field.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);

    painter.setFont(sized(font(), TitlePixelSize, true));
    painter.setPen(Gold);
    painter.drawText(field.adjusted(12, 8, -12, 0), Qt::AlignLeft | Qt::AlignTop, m_title);

    paintLegend(painter, field);

    const QRectF plot = field.toRect().marginsRemoved(PlotMargins);
    double highest = 0;
    for (const Bar &bar : m_bars)
        highest = std::max({highest, bar.seconds, bar.lastSeconds});
    const double top = scaleTop(highest);
    const auto yOf = [&](double seconds) { return plot.bottom() - plot.height() * std::min(seconds, top) / top; };

    // The seconds, a line every fifth of the scale.
    painter.setFont(sized(font(), AxisPixelSize));
    constexpr int Lines = 5;
    for (int line = 0; line <= Lines; ++line) {
        const double seconds = top * line / Lines;
        const double y = std::round(yOf(seconds)) + 0.5;
        painter.setPen(QPen(line == 0 ? Lettering : GridLine, 1));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(Lettering);
        painter.drawText(QRectF(field.left(), y - 8, PlotMargins.left() - 6, 16), Qt::AlignRight | Qt::AlignVCenter,
            tr("%1 s").arg(seconds, 0, 'g', 3));
    }

    if (m_bars.isEmpty())
        return;
    const double slot = plot.width() / m_bars.size();
    const double barWidth = std::max(2.0, std::floor(slot * BarShare));
    bool anyHeight = false;
    for (int index = 0; index < m_bars.size(); ++index) {
        const Bar &bar = m_bars[index];
        const double centre = plot.left() + slot * (index + 0.5);
        const double left = std::round(centre - barWidth / 2);
        if (bar.seconds > 0) {
            anyHeight = true;
            const QRectF shape(left, yOf(bar.seconds), barWidth, plot.bottom() - yOf(bar.seconds));
            const QColor colour = costColour(bar.cost);
            QLinearGradient shade(shape.topLeft(), shape.topRight());
            shade.setColorAt(0, colour.lighter(125));
            shade.setColorAt(0.45, colour);
            shade.setColorAt(1, colour.darker(140));
            QPainterPath path;
            path.addRoundedRect(shape.adjusted(0, 0, 0, 3), 2, 2); // rounded at the top only
            painter.save();
            painter.setClipRect(QRectF(shape.left(), shape.top() - 1, shape.width(), shape.height() + 1));
            painter.fillPath(path, shade);
            painter.restore();
        }
        if (bar.lastSeconds >= 0) {
            const double y = std::round(yOf(bar.lastSeconds)) + 0.5;
            painter.setPen(QPen(Field, 4, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(QPointF(left - 2, y), QPointF(left + barWidth + 2, y));
            painter.setPen(QPen(Mark, 2, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(QPointF(left - 2, y), QPointF(left + barWidth + 2, y));
        }
        // The names read from the top down, as on the spines of the books on the shelf.
        painter.save();
        painter.translate(centre, plot.bottom() + 5);
        painter.rotate(90);
        painter.setFont(sized(font(), LabelPixelSize));
        painter.setPen(Lettering);
        painter.drawText(
            QRectF(0, -slot / 2, PlotMargins.bottom() - 8, slot), Qt::AlignLeft | Qt::AlignVCenter, bar.label);
        painter.restore();
    }

    if (!anyHeight && !m_emptyText.isEmpty()) {
        painter.setFont(sized(font(), 13));
        painter.setPen(Lettering);
        painter.drawText(plot.adjusted(30, 0, -30, 0), Qt::AlignCenter | Qt::TextWordWrap, m_emptyText);
    }
}
