#include "look/inscriptions.h"
#include "pictures.h"
#include "texture.h"

#include <QPainter>
#include <QPainterPath>

namespace Pictures {

namespace {

// The panel's flat colour under the switches, also their margin.
const QColor Plate(0, 189, 189);
const QColor Housing(24, 34, 36);

// One key of a switch, bare where the program letters its label. A raised key stands proud of the housing: a lit
// face with a visible side below it. A pressed key lies flat and sunk: its face shifted down, a shadow along its
// upper edge, darker unless a lamp lights it from within; the lamp shows as a bright strip along its lower edge.
void paintKey(QPainter &painter, const QRect &well, const QColor &colour, bool raised, bool lamp = false)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    // The well the key sits in.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(8, 12, 14));
    painter.drawRoundedRect(QRectF(well), 3, 3);

    const QRectF face = Inscriptions::keyFace(well, raised);
    const QColor top = raised || lamp ? colour : Texture::scaled(colour, 0.66);

    if (raised) {
        // The side of the key, below its face.
        painter.setBrush(Texture::scaled(colour, 0.5));
        painter.drawRoundedRect(face.adjusted(0, 0, 0, Inscriptions::KeySide), 3, 3);
    }
    QLinearGradient light(face.topLeft(), face.bottomLeft());
    if (lamp) {
        // Brightest in the middle, where the lamp shines through.
        light.setColorAt(0, Texture::scaled(top, 0.86));
        light.setColorAt(0.5, Texture::mix(top, Qt::white, 0.45));
        light.setColorAt(1, top);
    } else {
        light.setColorAt(0, raised ? Texture::mix(top, Qt::white, 0.35) : Texture::scaled(top, 0.8));
        light.setColorAt(0.45, top);
        light.setColorAt(1, Texture::scaled(top, raised ? 0.82 : 0.95));
    }
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
    if (lamp) {
        const QRectF strip(face.left() + 3, face.bottom() - Inscriptions::LampHeight - 1, face.width() - 6,
            Inscriptions::LampHeight);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Texture::mix(top, Qt::white, 0.75));
        painter.drawRoundedRect(strip, 1.5, 1.5);
    }
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
    // Unchecked, the game is stopped and GO! stands ready; checked, STOP does.
    paintKey(painter, Inscriptions::GoKey, QColor(Inscriptions::GoFace), !checked);
    paintKey(painter, Inscriptions::StopKey, QColor(Inscriptions::StopFace), checked);
    return image;
}

// The half that answers a press is raised; the chosen one lies flat, lit.
QImage rocker(bool leftRaised, int scale)
{
    QImage image(78 * scale, 42 * scale, QImage::Format_RGB32);
    image.fill(Plate);
    QPainter painter(&image);
    painter.scale(scale, scale);
    paintHousing(painter, QRectF(3, 19, 75, 23));
    const auto key = [&](const QRect &well, bool raised) {
        paintKey(painter, well, QColor(raised ? Inscriptions::UnlitKeyFace : Inscriptions::LitKeyFace), raised,
            !raised);
    };
    key(Inscriptions::LeftRockerKey, leftRaised);
    key(Inscriptions::RightRockerKey, !leftRaised);
    return image;
}

} // namespace

QImage switchPicture(Artwork::Switch which, bool checked, int scale)
{
    switch (which) {
    case Artwork::Switch::Go:
        return goSwitch(checked, scale);
    case Artwork::Switch::Testament:
    case Artwork::Switch::Hints:
        break;
    }
    // Unchecked, the left half (OLD, OFF) is chosen; checked, the right one (NEW, ON).
    return rocker(checked, scale);
}

} // namespace Pictures
