#include "keying.h"
#include "look/inscriptions.h"
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

// The two displays, where the main window places them (in the panel's coordinates).
const QRect ValueDisplay(29, 22, 66, 21);
const QRect ScoreDisplay(206, 27, 163, 45);

// Brushed dark metal: fine horizontal streaks over a light falling from the top.
void paintConsole(QImage &image, const QRect &area, int scale)
{
    const QRect pixels(area.topLeft() * scale, area.size() * scale);
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        const double v = (y + 0.5) / scale - 0.5;
        const double fall = 1.18 - 0.42 * (v - area.top()) / area.height();
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
            const double streak = Texture::noise(((x + 0.5) / scale - 0.5) * 0.03, v * 1.7, 901) - 0.5;
            const double grain = Texture::hash(x, y, 902) - 0.5;
            const double light = fall + 0.16 * streak + 0.05 * grain;
            line[x] = Texture::scaled(QColor(36, 44, 48), light).rgb();
        }
    }
}

// A recessed black screen in a bevelled metal ring: the ring lit on its upper left, its inner edge in shadow.
void paintScreen(QPainter &painter, const QRect &display, int margin)
{
    const QRectF field = QRectF(display).adjusted(-margin, -margin, margin, margin);
    const QRectF ring = field.adjusted(-5, -5, 5, 5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(4, 8, 10));
    painter.drawRoundedRect(ring.adjusted(-1, -1, 1, 1), 5, 5);
    QLinearGradient metal(ring.topLeft(), ring.bottomRight());
    metal.setColorAt(0, QColor(196, 220, 222));
    metal.setColorAt(0.35, QColor(104, 136, 140));
    metal.setColorAt(0.7, QColor(52, 76, 80));
    metal.setColorAt(1, QColor(136, 164, 168));
    painter.setBrush(metal);
    painter.drawRoundedRect(ring, 4, 4);
    QLinearGradient inner(ring.topLeft(), ring.bottomRight());
    inner.setColorAt(0, QColor(20, 30, 32));
    inner.setColorAt(1, QColor(150, 180, 184));
    painter.setBrush(inner);
    painter.drawRoundedRect(field.adjusted(-2, -2, 2, 2), 2, 2);
    painter.setBrush(Qt::black);
    painter.drawRect(field);
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

QImage panel(int scale)
{
    QImage image(Size * scale, QImage::Format_RGB32);
    image.fill(Key);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(0, 0, Size.width(), Size.height()), 9, 9);

    paintConsole(image, QRect(0, 0, PlateLeft, Size.height()), scale);
    QPainter painter(&image);
    painter.scale(scale, scale);
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
    for (const QPointF at :
        { QPointF(10, 10), QPointF(10, 89), QPointF(PlateLeft - 13, 10), QPointF(PlateLeft - 13, 89) })
        paintScrew(painter, at);

    // An arrowhead pointing from the caption, which the program letters, to the score display.
    const double mid = QRectF(Inscriptions::ScoreCaption).center().y() + 0.5;
    const double left = Inscriptions::ScoreArrowLeft;
    const QPolygonF arrow { QPointF(left, mid - 6), QPointF(left + 12, mid), QPointF(left, mid + 6) };
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPolygon(arrow.translated(1, 1));
    painter.setBrush(QColor(Inscriptions::ScoreInk));
    painter.drawPolygon(arrow);
    painter.end();

    Keying::cut(image, Keying::coverage(outline, Size, Keying::Edge::Hard, scale), Key);
    return image;
}

} // namespace Pictures
