#include "app/artwork.h"

#include "app/gamefont.h"
#include "game/board.h"

#include <QPainter>
#include <QTransform>

// Plain pictures of the right sizes, drawn at start-up, until the generated art replaces them.
namespace Artwork {

namespace {

const QColor PanelSwitchArea(0, 189, 189);

QImage canvas(int width, int height, const QColor &fill)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

void drawFace(QPainter &painter, const QRect &face, const QString &label, bool raised)
{
    painter.setPen(Qt::black);
    painter.setBrush(raised ? QColor(250, 250, 235) : QColor(150, 150, 140));
    painter.drawRect(face.adjusted(0, 0, -1, -1));
    painter.setPen(raised ? Qt::black : QColor(70, 70, 70));
    painter.drawText(face, Qt::AlignCenter, label);
}

} // namespace

QImage bookcase()
{
    QImage image = canvas(631, 301, Qt::white);
    QPainter painter(&image);
    const QColor wood(140, 90, 45);
    painter.fillRect(10, 5, 611, 296, wood);
    painter.fillRect(22, 21, 580, 120, QColor(70, 45, 25));
    painter.fillRect(22, 156, 580, 120, QColor(70, 45, 25));
    return image;
}

QImage panel()
{
    QImage image = canvas(630, 100, QColor(192, 192, 192));
    QPainter painter(&image);
    painter.fillRect(395, 0, 235, 100, PanelSwitchArea);
    painter.fillRect(27, 20, 70, 25, QColor(40, 40, 40));
    painter.fillRect(204, 25, 167, 49, QColor(40, 40, 40));
    painter.setFont(gameFont(13, true));
    painter.setPen(Qt::black);
    painter.drawText(QRect(100, 22, 60, 22), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("VALUE"));
    painter.drawText(QRect(130, 40, 70, 22), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("SCORE \u25b6"));
    return image;
}

QImage lyingBook(Testament testament, int tag)
{
    static const QColor cloths[] = { { 128, 30, 40 }, { 30, 90, 50 }, { 30, 45, 110 }, { 170, 120, 30 },
                                     { 90, 40, 100 }, { 70, 80, 90 } };
    const QSize size = Board::LyingBookSize;
    QImage image = canvas(size.width(), size.height(), cloths[(tag - 1) % std::size(cloths)]);
    QPainter painter(&image);
    painter.setPen(QColor(230, 200, 120));
    painter.drawLine(6, 0, 6, size.height() - 1);
    painter.drawLine(size.width() - 7, 0, size.width() - 7, size.height() - 1);
    painter.setFont(gameFont(11, true));
    painter.setPen(QColor(250, 240, 210));
    painter.drawText(image.rect(), Qt::AlignCenter, QString::fromUtf8(bookName(testament, tag)));
    return image;
}

QImage standingBook(Testament testament, int tag)
{
    return lyingBook(testament, tag).transformed(QTransform().rotate(90));
}

QImage switchPicture(Switch which, bool checked)
{
    if (which == Switch::Go) {
        QImage image = canvas(128, 82, PanelSwitchArea);
        QPainter painter(&image);
        painter.setFont(gameFont(20, true));
        drawFace(painter, QRect(10, 0, 111, 41), QStringLiteral("GO!"), !checked);
        drawFace(painter, QRect(10, 40, 111, 41), QStringLiteral("STOP"), checked);
        return image;
    }
    const bool testament = which == Switch::Testament;
    QImage image = canvas(78, 42, PanelSwitchArea);
    QPainter painter(&image);
    painter.setFont(gameFont(11, true));
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, 0, 78, 20), Qt::AlignCenter, testament ? QStringLiteral("TESTAMENT") : QStringLiteral("HINTS"));
    // The half that answers in this state is the raised one.
    drawFace(painter, QRect(5, 20, 33, 21), testament ? QStringLiteral("OLD") : QStringLiteral("OFF"), checked);
    drawFace(painter, QRect(37, 20, 41, 21), testament ? QStringLiteral("NEW") : QStringLiteral("ON"), !checked);
    return image;
}

QImage scoreBoard(Testament testament)
{
    const bool old = testament == Testament::Old;
    QImage image = canvas(old ? 299 : 298, old ? 376 : 375, Qt::white);
    QPainter painter(&image);
    painter.setBrush(QColor(40, 60, 90));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(image.rect().adjusted(2, 2, -3, -3), 12, 12);
    painter.setPen(QColor(240, 220, 150));
    painter.setFont(gameFont(22, true));
    painter.drawText(QRect(0, 10, image.width(), 40), Qt::AlignCenter,
                     old ? QStringLiteral("Old Testament") : QStringLiteral("New Testament"));
    for (int row = 0; row < 5; ++row)
        painter.fillRect(QRect(76, 64 + 58 * row, 200, 48), QColor(10, 15, 25));
    return image;
}

QImage congratsBackdrop()
{
    QImage image = canvas(375, 253, Qt::white);
    QPainter painter(&image);
    painter.fillRect(image.rect().adjusted(2, 2, -3, -3), QColor(40, 60, 90));
    painter.fillRect(QRect(100, 168, 169, 61), QColor(245, 240, 225));
    painter.setPen(QColor(240, 220, 150));
    painter.setFont(gameFont(22, true));
    painter.drawText(QRect(0, 20, 375, 40), Qt::AlignCenter, QStringLiteral("Tomelor!"));
    painter.setFont(gameFont(15));
    painter.drawText(QRect(0, 80, 375, 30), Qt::AlignCenter, QStringLiteral("Congratulations, a new high score!"));
    painter.drawText(QRect(0, 120, 375, 30), Qt::AlignCenter, QStringLiteral("Enter your initials:"));
    return image;
}

QImage splash()
{
    QImage image = canvas(332, 305, QColor(240, 230, 241));
    QPainter painter(&image);
    painter.fillRect(QRect(8, 3, 322, 299), QColor(250, 240, 215));
    painter.setPen(QColor(90, 40, 30));
    painter.setFont(gameFont(40, true));
    painter.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("Tomelor!"));
    return image;
}

QIcon programIcon()
{
    QIcon icon;
    for (const int size : { 16, 32 }) {
        QImage image = canvas(size, size, QColor(128, 30, 40));
        QPainter painter(&image);
        painter.fillRect(QRect(size / 4, 0, size / 8, size), QColor(230, 200, 120));
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

} // namespace Artwork
