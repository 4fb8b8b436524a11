#include "keying.h"
#include "lettering.h"
#include "pictures.h"
#include "plaque.h"
#include "texture.h"

#include <QPainter>

namespace Pictures {

namespace {

// Where the dialog lays its initials labels and score displays on each board, for row 1; rows lie 58 apart. The
// program letters the board's title above them, in the player's language.
struct BoardLayout
{
    QSize size;
    QPoint label;
    QPoint display;
    quint32 seed;
};

constexpr int RowCount = 5;
constexpr int RowPitch = 58;
constexpr QSize LabelSize { 74, 36 };
constexpr QSize DisplaySize { 107, 23 };

BoardLayout layoutOf(Testament testament)
{
    if (testament == Testament::Old)
        return { QSize(299, 376), QPoint(81, 70), QPoint(158, 76), 211 };
    return { QSize(298, 375), QPoint(80, 68), QPoint(157, 74), 223 };
}

// Gold, silver and bronze for the first three places, pewter after.
QColor medalOf(int row)
{
    static const QColor medals[] = { QColor(236, 196, 88), QColor(200, 206, 212), QColor(204, 132, 72),
        QColor(150, 150, 140), QColor(150, 150, 140) };
    return medals[row - 1];
}

void paintBadge(QPainter &painter, QPointF centre, int row)
{
    const QColor medal = medalOf(row);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 110));
    painter.drawEllipse(centre + QPointF(1.5, 2), 17, 17);
    QRadialGradient face(centre + QPointF(-5, -6), 22);
    face.setColorAt(0, Texture::mix(medal, Qt::white, 0.55));
    face.setColorAt(0.55, medal);
    face.setColorAt(1, Texture::scaled(medal, 0.55));
    painter.setBrush(face);
    painter.setPen(QPen(Texture::scaled(medal, 0.45), 1.2));
    painter.drawEllipse(centre, 16, 16);
    painter.setPen(QPen(Texture::mix(medal, Qt::white, 0.3), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, 12.5, 12.5);
    painter.restore();

    painter.setFont(Lettering::serif(21));
    const QRectF box(centre.x() - 16, centre.y() - 15, 32, 30);
    Lettering::drawText(painter, box, Qt::AlignCenter, QString::number(row), Texture::scaled(medal, 0.3),
        Texture::mix(medal, Qt::white, 0.6), QPointF(0, 1));
}

} // namespace

QImage scoreBoard(Testament testament, int scale)
{
    const BoardLayout layout = layoutOf(testament);
    const QPainterPath shape = Plaque::outline(layout.size);
    QImage image = Plaque::blank(layout.size, shape, layout.seed, scale);
    QPainter painter(&image);
    painter.scale(scale, scale);
    for (int row = 1; row <= RowCount; ++row) {
        const QPoint offset(0, RowPitch * (row - 1));
        const QRect label(layout.label + offset, LabelSize);
        const QRect display(layout.display + offset, DisplaySize);
        const QRect slot = label.united(display).adjusted(-7, -6, 7, 6);
        Plaque::paintSlot(painter, slot);
        paintBadge(painter, QPointF(slot.left() - 30, slot.center().y() + 0.5), row);
    }
    painter.end();

    Keying::cut(image, Keying::coverage(shape, layout.size, Keying::Edge::Hard, scale), Plaque::Key);
    return image;
}

QImage congratsBackdrop(int scale)
{
    // The dialog's frame is one column narrower than the picture: the plaque keeps clear of that column. The
    // program letters its words above the initials field, in the player's language.
    const QSize size(375, 253);
    const QPainterPath shape = Plaque::outline(size, 2, 1);
    QImage image = Plaque::blank(size, shape, 239, scale);
    QPainter painter(&image);
    painter.scale(scale, scale);

    // The light field on which the initials box lies, framed like a card set into the wood.
    const QRect field(100, 168, 169, 61);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 120));
    painter.drawRoundedRect(QRectF(field).adjusted(-4, -4, 4, 5), 5, 5);
    painter.setBrush(Plaque::Gold);
    painter.drawRoundedRect(QRectF(field).adjusted(-3, -3, 3, 3), 4, 4);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(field.adjusted(-1, -1, 1, 1), QColor(120, 90, 50));
    painter.fillRect(field, QColor(250, 244, 228));
    painter.end();

    Keying::cut(image, Keying::coverage(shape, size, Keying::Edge::Hard, scale), Plaque::Key);
    return image;
}

} // namespace Pictures
