#include "keying.h"
#include "lettering.h"
#include "pictures.h"
#include "texture.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace Pictures {

namespace {

constexpr QSize Size { 630, 100 };
const QColor Key(192, 192, 192);
// The switches sit on this colour; their own margins have it too, so they blend in.
const QColor SwitchPlate(0, 189, 189);
constexpr int PlateLeft = 395;

// The two displays, where the main window places them (in the panel's coordinates), and the captions.
const QRect ValueDisplay(29, 22, 66, 21);
const QRect ScoreDisplay(206, 27, 163, 45);
const QColor ValueInk(120, 232, 232);
const QColor ScoreInk(160, 238, 110);

// Brushed dark metal: fine horizontal streaks over a light falling from the top.
void paintConsole(QImage &image, const QRect &area)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        const double fall = 1.18 - 0.42 * double(y - area.top()) / area.height();
        for (int x = area.left(); x <= area.right(); ++x) {
            const double streak = Texture::noise(x * 0.03, y * 1.7, 901) - 0.5;
            const double grain = Texture::hash(x, y, 902) - 0.5;
            const double light = fall + 0.16 * streak + 0.05 * grain;
            line[x] = Texture::scaled(QColor(36, 44, 48), light).rgb();
        }
    }
}

// A recessed black screen: a metal ring whose upper and left inner edges lie in shadow.
void paintScreen(QPainter &painter, const QRect &display, int margin)
{
    const QRect field = display.adjusted(-margin, -margin, margin, margin);
    const QRect ring = field.adjusted(-3, -3, 3, 3);
    painter.setPen(Qt::NoPen);
    QLinearGradient metal(ring.topLeft(), ring.bottomRight());
    metal.setColorAt(0, QColor(150, 176, 178));
    metal.setColorAt(0.5, QColor(70, 96, 100));
    metal.setColorAt(1, QColor(28, 40, 44));
    painter.setBrush(metal);
    painter.drawRoundedRect(ring, 3, 3);
    painter.setBrush(QColor(8, 12, 14));
    painter.drawRect(field.adjusted(-1, -1, 1, 1));
    painter.setBrush(Qt::black);
    painter.drawRect(field);
    // The inner shadow on the screen's upper and left edges.
    painter.setPen(QColor(0, 0, 0));
    painter.drawLine(field.topLeft() + QPoint(-1, -1), field.topRight() + QPoint(1, -1));
    painter.setPen(QColor(96, 124, 128));
    painter.drawLine(ring.bottomLeft() + QPoint(2, 0), ring.bottomRight() + QPoint(-2, 0));
}

void paintScrew(QPainter &painter, QPointF centre)
{
    QRadialGradient head(centre + QPointF(-1, -1), 3.5);
    head.setColorAt(0, QColor(196, 206, 206));
    head.setColorAt(1, QColor(70, 80, 82));
    painter.setPen(QColor(16, 20, 22));
    painter.setBrush(head);
    painter.drawEllipse(centre, 3.0, 3.0);
    painter.setPen(QColor(30, 36, 38));
    painter.drawLine(centre + QPointF(-2, 1.5), centre + QPointF(2, -1.5));
}

} // namespace

QImage panel()
{
    QImage image(Size, QImage::Format_RGB32);
    image.fill(Key);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(0, 0, Size.width(), Size.height()), 9, 9);

    paintConsole(image, QRect(0, 0, PlateLeft, Size.height()));
    QPainter painter(&image);
    painter.fillRect(QRect(PlateLeft, 0, Size.width() - PlateLeft, Size.height()), SwitchPlate);

    painter.setRenderHint(QPainter::Antialiasing, true);
    // The seam between the console and the switch plate.
    painter.fillRect(QRect(PlateLeft - 3, 0, 1, Size.height()), QColor(10, 14, 16));
    painter.fillRect(QRect(PlateLeft - 2, 0, 1, Size.height()), QColor(86, 100, 104));
    painter.fillRect(QRect(PlateLeft - 1, 0, 1, Size.height()), QColor(0, 120, 120));

    // The rim round the whole panel: lit above and on the left, in shadow below and on the right.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(6, 60, 62), 2));
    painter.drawRoundedRect(QRectF(1, 1, Size.width() - 2, Size.height() - 2), 8, 8);
    painter.setPen(QPen(QColor(120, 206, 206, 150), 1));
    painter.drawLine(QPointF(9, 2.5), QPointF(Size.width() - 9, 2.5));

    paintScreen(painter, ValueDisplay, 3);
    paintScreen(painter, ScoreDisplay, 4);
    for (const QPointF at : { QPointF(10, 10), QPointF(10, 89), QPointF(PlateLeft - 13, 10),
                              QPointF(PlateLeft - 13, 89) })
        paintScrew(painter, at);

    painter.setRenderHint(QPainter::Antialiasing, false);
    QFont caption = Lettering::sans(13);
    caption.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    painter.setFont(caption);
    Lettering::drawText(painter, QRectF(110, ValueDisplay.top(), 80, ValueDisplay.height()),
                        Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("VALUE"), ValueInk, QColor(0, 0, 0));
    const QRectF scoreCaption(110, ScoreDisplay.center().y() + 2, 80, 20);
    Lettering::drawText(painter, scoreCaption, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("SCORE"), ScoreInk,
                        QColor(0, 0, 0));
    // An arrowhead pointing from the caption to the score display.
    painter.setRenderHint(QPainter::Antialiasing, true);
    const double mid = scoreCaption.center().y() + 0.5;
    const QPolygonF arrow { QPointF(178, mid - 6), QPointF(190, mid), QPointF(178, mid + 6) };
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPolygon(arrow.translated(1, 1));
    painter.setBrush(ScoreInk);
    painter.drawPolygon(arrow);
    painter.end();

    Keying::cut(image, Keying::coverage(outline, Size), Key);
    return image;
}

} // namespace Pictures
