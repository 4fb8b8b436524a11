#include "lettering.h"
#include "pictures.h"
#include "texture.h"

#include <QPainter>
#include <QPainterPath>

namespace Pictures {

namespace {

// The panel's flat colour under the switches, also their margin.
const QColor Plate(0, 189, 189);
const QColor Housing(24, 34, 36);
const QColor Ink(16, 30, 32);

struct Key
{
    QColor face; // the top of the key in the light
    QColor ink; // its lettering
};

const Key Green { QColor(72, 196, 92), QColor(255, 255, 255) };
const Key Red { QColor(214, 66, 56), QColor(255, 255, 255) };
const Key Ivory { QColor(238, 230, 206), QColor(40, 34, 28) };

// One key of a rocker. A raised key stands proud of the housing: a lit face with a visible side below it. A
// pressed key lies flat and sunk: darker, its face shifted down, a shadow along its upper edge.
void paintKey(
    QPainter &painter, const QRect &well, const Key &key, const QString &label, const QFont &font, bool raised)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    // The well the key sits in.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(8, 12, 14));
    painter.drawRoundedRect(QRectF(well), 3, 3);

    const QRectF inner = QRectF(well).adjusted(1.5, 1.5, -1.5, -1.5);
    const double side = raised ? 4 : 0;
    const QRectF face = raised ? inner.adjusted(0, 0, 0, -side) : inner.adjusted(0, 2, 0, 0);
    const QColor top = raised ? key.face : Texture::scaled(key.face, 0.66);

    if (raised) {
        // The side of the key, below its face.
        painter.setBrush(Texture::scaled(key.face, 0.5));
        painter.drawRoundedRect(inner, 3, 3);
    }
    QLinearGradient light(face.topLeft(), face.bottomLeft());
    light.setColorAt(0, raised ? Texture::mix(top, Qt::white, 0.35) : Texture::scaled(top, 0.8));
    light.setColorAt(0.45, top);
    light.setColorAt(1, Texture::scaled(top, raised ? 0.82 : 0.95));
    painter.setBrush(light);
    painter.drawRoundedRect(face, 3, 3);
    if (raised) {
        painter.setPen(QPen(Texture::mix(top, Qt::white, 0.6), 1));
        painter.drawLine(face.topLeft() + QPointF(3, 0.5), face.topRight() + QPointF(-3, 0.5));
    } else {
        // The housing's shadow falls across the top of a sunk key.
        painter.setPen(QPen(QColor(0, 0, 0, 120), 2));
        painter.drawLine(face.topLeft() + QPointF(2, 1), face.topRight() + QPointF(-2, 1));
    }
    painter.restore();

    painter.save();
    painter.setFont(font);
    const QColor ink = raised ? key.ink : Texture::mix(key.ink, top, 0.12);
    const bool lightInk = key.ink.lightness() > 128;
    const QColor relief = lightInk ? Texture::scaled(top, 0.45) : Texture::mix(top, Qt::white, 0.5);
    Lettering::drawText(
        painter, face.toAlignedRect(), Qt::AlignCenter, label, ink, relief, lightInk ? QPointF(1, 1) : QPointF(0, 1));
    painter.restore();
}

void paintHousing(QPainter &painter, const QRectF &box)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 110, 110));
    painter.drawRoundedRect(box.adjusted(0, 1, 0, 1), 5, 5);
    QLinearGradient body(box.topLeft(), box.bottomLeft());
    body.setColorAt(0, QColor(70, 86, 88));
    body.setColorAt(1, Housing);
    painter.setBrush(body);
    painter.drawRoundedRect(box, 5, 5);
    painter.restore();
}

QImage goSwitch(bool checked, int scale)
{
    QImage image(128 * scale, 82 * scale, QImage::Format_RGB32);
    image.fill(Plate);
    QPainter painter(&image);
    painter.scale(scale, scale);
    paintHousing(painter, QRectF(8, 0, 114, 81));
    const QFont font = Lettering::sans(24);
    // Unchecked, the game is stopped and GO! stands ready; checked, STOP does.
    paintKey(painter, QRect(11, 3, 108, 37), Green, QStringLiteral("GO!"), font, !checked);
    paintKey(painter, QRect(11, 42, 108, 37), Red, QStringLiteral("STOP"), font, checked);
    return image;
}

QImage rocker(const QString &title, const QString &left, const QString &right, bool leftRaised, int scale)
{
    QImage image(78 * scale, 42 * scale, QImage::Format_RGB32);
    image.fill(Plate);
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.setFont(Lettering::sans(10));
    Lettering::drawText(
        painter, QRectF(0, 2, 78, 16), Qt::AlignCenter, title, Ink, QColor(120, 232, 232), QPointF(0, 1));
    paintHousing(painter, QRectF(3, 19, 75, 23));
    const QFont font = Lettering::sans(11);
    paintKey(painter, QRect(5, 20, 33, 21), Ivory, left, font, leftRaised);
    paintKey(painter, QRect(37, 20, 40, 21), Ivory, right, font, !leftRaised);
    return image;
}

} // namespace

QImage switchPicture(Artwork::Switch which, bool checked, int scale)
{
    switch (which) {
    case Artwork::Switch::Go:
        return goSwitch(checked, scale);
    case Artwork::Switch::Testament:
        // The half that answers in a state is raised: NEW while Old is chosen, OLD while New is.
        return rocker(QStringLiteral("TESTAMENT"), QStringLiteral("OLD"), QStringLiteral("NEW"), checked, scale);
    case Artwork::Switch::Hints:
        break;
    }
    return rocker(QStringLiteral("HINTS"), QStringLiteral("OFF"), QStringLiteral("ON"), checked, scale);
}

} // namespace Pictures
