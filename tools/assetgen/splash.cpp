#include "app/splashoutline.h"
#include "look/splashart.h"
#include "keying.h"
#include "lettering.h"
#include "pictures.h"
#include "texture.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>

#include <algorithm>
#include <cmath>
#include <vector>

namespace Pictures {

namespace {

constexpr QSize Size { 332, 305 };
const QColor Key(240, 230, 241);
const QColor Parchment(246, 234, 204);
const QColor OlderParchment(234, 214, 168);
const QColor Burn(150, 100, 54);
const QColor TitleInk(SplashArt::TitleInk);
const QColor Gilt(SplashArt::Gilt);

// The pieces of the art lie in window coordinates (the picture is drawn offset by the splash's art origin); the
// words on them are lettered by the program (look/inscriptions.h), which leaves their places bare here.
using SplashArt::Along;
using SplashArt::Depth;
using SplashArt::Stack;
using SplashArt::StackBook;
using SplashArt::UprightCorner;
using SplashArt::UprightHeight;
using SplashArt::UprightLean;
using SplashArt::UprightWidth;
const QColor Leather(108, 26, 34);

// Where the main sheet's lower edge runs across the older page beneath it, at the lower left.
double sheetEdge(double x)
{
    return 281 + (200 - x) * 0.025;
}
constexpr int UnderPageRight = 209;

QPolygonF quad(QPointF a, QPointF b, QPointF c, QPointF d)
{
    return QPolygonF { a, b, c, d };
}

QPolygonF uprightShape()
{
    const QPointF across(UprightWidth, UprightWidth * UprightLean);
    const QPointF down(-UprightHeight * UprightLean, UprightHeight);
    return quad(UprightCorner, UprightCorner + across, UprightCorner + across + down, UprightCorner + down);
}

QPolygonF spineFace(const StackBook &book)
{
    const QPointF corner(book.left, book.top);
    const QPointF down(0, book.thickness);
    return quad(corner, corner + Along, corner + Along + down, corner + down);
}

QPolygonF endFace(const StackBook &book)
{
    const QPointF corner = QPointF(book.left, book.top) + Along;
    const QPointF down(0, book.thickness);
    return quad(corner, corner + Depth, corner + Depth + down, corner + down);
}

QPolygonF topFace()
{
    const QPointF corner(Stack[0].left, Stack[0].top);
    return quad(corner, corner + Depth, corner + Depth + Along, corner + Along);
}

// The distance from each pixel of `inside` to the nearest pixel outside it, up to `reach`.
std::vector<double> edgeDistance(const QImage &inside, int reach)
{
    std::vector<double> distance(size_t(inside.width() * inside.height()), reach);
    for (int y = 0; y < inside.height(); ++y) {
        for (int x = 0; x < inside.width(); ++x) {
            if (!inside.constScanLine(y)[x])
                continue;
            double nearest = reach;
            for (int dy = -reach; dy <= reach; ++dy) {
                for (int dx = -reach; dx <= reach; ++dx) {
                    const int nx = x + dx;
                    const int ny = y + dy;
                    const bool outside = nx < 0 || ny < 0 || nx >= inside.width() || ny >= inside.height()
                        || !inside.constScanLine(ny)[nx];
                    if (outside)
                        nearest = std::min(nearest, std::sqrt(double(dx * dx + dy * dy)));
                }
            }
            distance[size_t(y * inside.width() + x)] = nearest;
        }
    }
    return distance;
}

// The picture's own pixel under pixel `at` of an image drawn `scale` times the size, as a point between pixels.
double unscaled(int at, int scale)
{
    return (at + 0.5) / scale - 0.5;
}

// Parchment: mottled, darker and browner towards a torn edge.
void paintSheet(QImage &image, const QImage &area, const QColor &base, quint32 seed, int scale)
{
    const std::vector<double> distance = edgeDistance(area, 7 * scale);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!area.constScanLine(y)[x])
                continue;
            const double mottle = Texture::fractal(unscaled(x, scale) * 0.035, unscaled(y, scale) * 0.035, seed, 4);
            const double fleck = Texture::hash(x, y, seed + 1);
            QColor colour = Texture::scaled(base, 0.9 + 0.14 * mottle + 0.03 * fleck);
            const double edge = distance[size_t(y * image.width() + x)] / scale;
            if (edge < 7)
                colour = Texture::mix(colour, Burn, std::pow(1 - edge / 7, 2.2) * 0.85);
            if (edge <= 1.0 / scale)
                colour = Texture::scaled(Burn, 0.8);
            image.setPixelColor(x, y, colour);
        }
    }
}

// A soft shadow of `caster` (a Grayscale8 mask), shifted down and to the right, darkening the pixels of `onto`.
void castShadow(QImage &image, const QImage &caster, const QImage &onto, QPoint offset, double strength, int scale)
{
    offset *= scale;
    const int reach = 2 * scale;
    QImage shadow(image.size(), QImage::Format_Grayscale8);
    shadow.fill(0);
    for (int y = 0; y < shadow.height(); ++y) {
        for (int x = 0; x < shadow.width(); ++x) {
            const QPoint from = QPoint(x, y) - offset;
            if (caster.rect().contains(from))
                shadow.scanLine(y)[x] = caster.constScanLine(from.y())[from.x()];
        }
    }
    // Three box blurs come close to a Gaussian.
    for (int pass = 0; pass < 3; ++pass) {
        QImage blurred = shadow;
        for (int y = 0; y < shadow.height(); ++y) {
            for (int x = 0; x < shadow.width(); ++x) {
                int sum = 0;
                int count = 0;
                for (int dy = -reach; dy <= reach; ++dy) {
                    for (int dx = -reach; dx <= reach; ++dx) {
                        const int nx = x + dx;
                        const int ny = y + dy;
                        if (nx >= 0 && ny >= 0 && nx < shadow.width() && ny < shadow.height()) {
                            sum += shadow.constScanLine(ny)[nx];
                            ++count;
                        }
                    }
                }
                blurred.scanLine(y)[x] = uchar(sum / count);
            }
        }
        shadow = blurred;
    }
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!onto.constScanLine(y)[x])
                continue;
            const double amount = shadow.constScanLine(y)[x] / 255.0 * strength;
            image.setPixelColor(x, y, Texture::scaled(image.pixelColor(x, y), 1 - amount));
        }
    }
}

// Pebbled leather with a faint sheen, over the pixels a shape covers.
void paintLeather(QImage &image, const QPolygonF &shape, const QColor &base, quint32 seed, int scale)
{
    QPainterPath path;
    path.addPolygon(shape);
    const QImage area = Keying::coverage(path, image.size() / scale, Keying::Edge::Hard, scale);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!area.constScanLine(y)[x])
                continue;
            const double u = unscaled(x, scale);
            const double v = unscaled(y, scale);
            const double pebble = Texture::fractal(u * 0.45, v * 0.45, seed, 2);
            const double sheen = Texture::noise(u * 0.04, v * 0.04, seed + 5);
            image.setPixelColor(x, y, Texture::scaled(base, (0.86 + 0.16 * pebble + 0.12 * sheen)));
        }
    }
}

void paintUpright(QPainter &painter)
{

    // The spine's hinge, a groove near the left edge, and the lit left edge itself.
    painter.save();
    painter.translate(UprightCorner);
    painter.rotate(std::atan(UprightLean) * 180 / M_PI);
    painter.setPen(QPen(QColor(60, 10, 16), 1.5));
    painter.drawLine(QPointF(7, 2), QPointF(7, UprightHeight));
    painter.setPen(QPen(QColor(170, 70, 70), 1));
    painter.drawLine(QPointF(8.5, 2), QPointF(8.5, UprightHeight));
    painter.setPen(QPen(QColor(150, 56, 60), 1));
    painter.drawLine(QPointF(0.5, 1), QPointF(0.5, UprightHeight));

    // Gilt frame, corner pieces and a cross, below the name.
    const QRectF frame = SplashArt::UprightFrame;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Gilt, 1.2));
    painter.drawRect(frame);
    painter.setPen(QPen(Texture::scaled(Gilt, 0.8), 0.8));
    painter.drawRect(frame.adjusted(3, 3, -3, -3));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Gilt);
    painter.drawEllipse(frame.topLeft(), 2.5, 2.5);
    painter.drawEllipse(frame.topRight(), 2.5, 2.5);

    const double middle = frame.center().x();
    painter.setBrush(QColor(SplashArt::UprightRelief));
    painter.drawRect(QRectF(middle - 2.5 + 1, 62 + 1, 5, 52));
    painter.drawRect(QRectF(middle - 14 + 1, 76 + 1, 28, 5));
    painter.setBrush(Gilt);
    painter.drawRect(QRectF(middle - 2.5, 62, 5, 52));
    painter.drawRect(QRectF(middle - 14, 76, 28, 5));
    painter.restore();
}

void paintStack(QPainter &painter)
{
    // The ends of the books, pages between two boards, in the shade.
    for (const StackBook &book : Stack) {
        const QPolygonF end = endFace(book);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Texture::scaled(book.cloth, 0.55));
        painter.drawPolygon(end);
        const QPointF corner = QPointF(book.left, book.top) + Along;
        const QPolygonF pages = quad(corner + QPointF(0, 2), corner + Depth + QPointF(-1, 2.5),
            corner + Depth + QPointF(-1, book.thickness - 2), corner + QPointF(0, book.thickness - 2));
        painter.setBrush(QColor(214, 196, 160));
        painter.drawPolygon(pages);
        painter.setPen(QPen(QColor(176, 156, 120), 0.6));
        for (double d = 4; d < book.thickness - 2; d += 2.2)
            painter.drawLine(corner + QPointF(0, d), corner + Depth + QPointF(-1, d + 0.5));
    }

    // The spines facing us, each with gilt bands near the ends, bare between them for its name.
    for (const StackBook &book : Stack) {
        painter.save();
        painter.translate(book.left, book.top);
        painter.shear(0, Along.y() / Along.x());
        const QRectF flat(0, 0, Along.x(), book.thickness);
        QLinearGradient light(flat.topLeft(), flat.bottomLeft());
        light.setColorAt(0, Texture::scaled(book.cloth, 1.35));
        light.setColorAt(0.4, book.cloth);
        light.setColorAt(1, Texture::scaled(book.cloth, 0.6));
        painter.setPen(Qt::NoPen);
        painter.setBrush(light);
        painter.drawRect(flat);
        painter.setBrush(Gilt);
        for (const double x : { 6.0, 9.0, Along.x() - 11.0, Along.x() - 8.0 })
            painter.drawRect(QRectF(x, 1, 1.3, book.thickness - 2));
        painter.setPen(QPen(Texture::scaled(book.cloth, 0.45), 1));
        painter.drawLine(flat.bottomLeft() + QPointF(0, -0.5), flat.bottomRight() + QPointF(0, -0.5));
        painter.restore();
    }

    // The top book's cover, lit from above, with a gilt rule round it.
    const QPolygonF top = topFace();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Texture::scaled(Stack[0].cloth, 1.4));
    painter.drawPolygon(top);
    const QPointF centre = (top[0] + top[2]) / 2;
    QPolygonF rule;
    for (const QPointF &corner : top)
        rule << centre + (corner - centre) * 0.82;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Gilt, 1));
    painter.drawPolygon(rule);
    painter.setPen(QPen(Texture::scaled(Stack[0].cloth, 1.8), 1));
    painter.drawLine(top[0], top[3]);
}

void paintTitle(QPainter &painter)
{
    const QRectF band = SplashArt::TitleBand;
    QFont font = Lettering::serif(50);
    while (QFontMetrics(font).horizontalAdvance(QStringLiteral("Tomelor!")) > band.width() - 10)
        font.setPixelSize(font.pixelSize() - 1);
    painter.setFont(font);
    Lettering::drawText(
        painter, band, Qt::AlignCenter, QStringLiteral("Tomelor!"), TitleInk, QColor(200, 160, 110), QPointF(1.5, 1.5));

    // A flourish under the title: two tapering rules and a diamond.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const double y = SplashArt::FlourishY;
    const double middle = band.center().x();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(150, 104, 54));
    painter.drawPolygon(
        QPolygonF { QPointF(middle - 70, y), QPointF(middle - 8, y - 1.5), QPointF(middle - 8, y + 1.5) });
    painter.drawPolygon(
        QPolygonF { QPointF(middle + 70, y), QPointF(middle + 8, y - 1.5), QPointF(middle + 8, y + 1.5) });
    painter.setBrush(TitleInk);
    painter.drawPolygon(
        QPolygonF { QPointF(middle - 5, y), QPointF(middle, y - 5), QPointF(middle + 5, y), QPointF(middle, y + 5) });
    painter.restore();
}

} // namespace

QImage splash(int scale)
{
    const QSize pixels = Size * scale;
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(Key);
    const QPoint origin = -SplashOutline::ArtOrigin;

    // What the window shows: the outline, as the window cuts it, in the picture's own pixels; drawn larger, each of
    // them becomes a square of the larger picture's, as the window's outline does on a screen of that ratio.
    const QRegion window(SplashOutline::polygon(), Qt::OddEvenFill);
    QImage inside(pixels, QImage::Format_Grayscale8);
    QImage underPage(pixels, QImage::Format_Grayscale8);
    QImage sheet(pixels, QImage::Format_Grayscale8);
    for (int y = 0; y < pixels.height(); ++y) {
        for (int x = 0; x < pixels.width(); ++x) {
            const QPoint at = QPoint(x / scale, y / scale) - origin;
            const QPointF point = QPointF(unscaled(x, scale), unscaled(y, scale)) - origin;
            const bool in = window.contains(at);
            const bool under = in && point.x() < UnderPageRight && point.y() > sheetEdge(point.x());
            inside.setPixel(x, y, in ? 255 : 0);
            underPage.setPixel(x, y, under ? 255 : 0);
            sheet.setPixel(x, y, in && !under ? 255 : 0);
        }
    }

    paintSheet(image, underPage, OlderParchment, 31, scale);
    paintSheet(image, sheet, Parchment, 37, scale);
    castShadow(image, sheet, underPage, QPoint(1, 2), 0.35, scale);

    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.translate(origin);
    paintTitle(painter);
    painter.end();

    // The books throw their shadows onto the sheet before they are drawn over it.
    QPainterPath books;
    books.addPolygon(uprightShape());
    books.addPolygon(topFace());
    for (const StackBook &book : Stack) {
        books.addPolygon(spineFace(book));
        books.addPolygon(endFace(book));
    }
    books.setFillRule(Qt::WindingFill);
    const QImage caster = Keying::coverage(books.translated(origin), Size, Keying::Edge::Smooth, scale);
    castShadow(image, caster, inside, QPoint(4, 3), 0.45, scale);

    paintLeather(image, uprightShape().translated(origin), Leather, 401, scale);
    painter.begin(&image);
    painter.scale(scale, scale);
    painter.translate(origin);
    painter.setRenderHint(QPainter::Antialiasing, true);
    paintUpright(painter);
    paintStack(painter);
    painter.end();

    Keying::cut(image, inside, Key);
    return image;
}

} // namespace Pictures
