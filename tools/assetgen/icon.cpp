#include "pictures.h"
#include "texture.h"
#include "wood.h"

#include <QBuffer>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace Pictures {

namespace {

const QColor Burgundy(150, 34, 46);
const QColor Navy(40, 62, 136);
const QColor Forest(36, 118, 66);
const QColor Ochre(196, 136, 40);
const QColor Gilt(236, 196, 96);
const QColor GiltLight(255, 238, 176);
const QColor GiltDark(150, 108, 40);

struct Spine
{
    int left;
    int top;
    int width;
    QColor cloth;
    // How far the gilt bands lie from the head and from the foot.
    int bandInset;
};

// The shelf at 32 px, in its own pixels. The larger sizes are drawn from this layout, each of its pixels becoming a
// square of `unit` pixels.
const Spine Spines32[] { { 2, 2, 8, Burgundy, 3 }, { 10, 6, 7, Navy, 2 }, { 17, 3, 7, Forest, 3 },
    { 24, 9, 6, Ochre, 2 } };
constexpr int ShelfTop32 = 26;
constexpr int ShelfHeight32 = 4;

// The shelf at 16 px, laid out anew: halving the larger one would leave its bands no room.
const Spine Spines16[] { { 1, 2, 4, Burgundy, 1 }, { 5, 4, 3, Navy, 1 }, { 8, 3, 4, Forest, 1 },
    { 12, 5, 3, Ochre, 1 } };
constexpr int ShelfTop16 = 13;
constexpr int ShelfHeight16 = 2;

// A spine drawn pixel by pixel: lit left edge, shaded right edge, gilt bands near both ends.
void paintSmallSpine(QImage &image, const Spine &spine, int bottom)
{
    for (int y = spine.top; y <= bottom; ++y) {
        for (int x = spine.left; x < spine.left + spine.width; ++x) {
            QColor colour = spine.cloth;
            if (x == spine.left)
                colour = Texture::mix(spine.cloth, Qt::white, 0.3);
            else if (x == spine.left + spine.width - 1)
                colour = Texture::scaled(spine.cloth, 0.6);
            if (y == spine.top + spine.bandInset || y == bottom - spine.bandInset)
                colour = x == spine.left + spine.width - 1 ? Texture::scaled(Gilt, 0.7) : Gilt;
            if (y == spine.top)
                colour = Texture::scaled(colour, 0.8);
            image.setPixelColor(x, y, colour);
        }
    }
}

void paintSmallShelf(QImage &image, int top, int height)
{
    for (int y = top; y < top + height; ++y) {
        const QColor colour = y == top ? QColor(240, 192, 120)
            : y == top + height - 1    ? QColor(122, 74, 34)
                                       : QColor(200, 140, 72);
        for (int x = 0; x < image.width(); ++x)
            image.setPixelColor(x, y, colour);
    }
}

QImage smallIcon(int size, const Spine (&spines)[4], int shelfTop, int shelfHeight)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    paintSmallShelf(image, shelfTop, shelfHeight);
    for (const Spine &spine : spines)
        paintSmallSpine(image, spine, shelfTop - 1);
    return image;
}

// The larger sizes: the same shelf with round cloth, worn ends and double gilt rules on the spines, a grained board
// and its shadow, all at the size's own resolution; from 96 px up each spine also carries a title label and an
// ornament.
class LargeIcon
{
public:
    explicit LargeIcon(int size)
        : m_image(size, size, QImage::Format_ARGB32)
        , m_unit(size / 32.0)
        , m_shelfTop(pixels(ShelfTop32))
        , m_shelfBottom(pixels(ShelfTop32 + ShelfHeight32))
    {
        m_image.fill(Qt::transparent);
        paintShadow();
        paintBoard();
        quint32 seed = 1;
        for (const Spine &spine : Spines32)
            paintSpine(spine, seed++);
    }

    QImage image() const
    {
        return m_image;
    }

private:
    int pixels(double units) const
    {
        return int(std::lround(units * m_unit));
    }

    // At least one pixel, however small the size.
    int thickness(double units) const
    {
        return std::max(1, pixels(units));
    }

    // The light across a round spine lit from the upper left: brightest a third of the way in, darker to both edges.
    static double roundness(double across)
    {
        const double t = std::clamp(across, 0.0, 1.0);
        const double turned = t < 0.3 ? 0.5 * t / 0.3 : 0.5 + 0.5 * (t - 0.3) / 0.7;
        return 0.6 + 0.55 * std::pow(std::sin(M_PI * turned), 0.6);
    }

    static QColor giltIn(double light)
    {
        return light > 1.0 ? Texture::mix(Gilt, GiltLight, std::min(1.0, (light - 1.0) * 4))
                           : Texture::mix(GiltDark, Gilt, std::clamp((light - 0.6) / 0.4, 0.0, 1.0));
    }

    // `colour` over what is there already, covering `coverage` of the pixel.
    void blend(int x, int y, const QColor &colour, double coverage)
    {
        if (coverage <= 0 || !m_image.rect().contains(x, y))
            return;
        const QColor under = m_image.pixelColor(x, y);
        if (under.alpha() == 0) {
            QColor over = colour;
            over.setAlphaF(float(std::min(1.0, coverage) * colour.alphaF()));
            m_image.setPixelColor(x, y, over);
            return;
        }
        m_image.setPixelColor(x, y, Texture::mix(under, colour, std::min(1.0, coverage) * colour.alphaF()));
    }

    void paintShadow()
    {
        const int depth = pixels(1.25);
        for (int row = 0; row < depth; ++row) {
            const double fade = 1.0 - (row + 0.5) / depth;
            for (int x = 0; x < m_image.width(); ++x)
                blend(x, m_shelfBottom + row, QColor(40, 22, 8, 110), fade * fade);
        }
    }

    // Honey wood: the lit top surface the books stand on, a bright rounded front edge, the grained front face
    // darkening downwards and a dark underside. The books shade the surface just in front of their feet.
    void paintBoard()
    {
        const int height = m_shelfBottom - m_shelfTop;
        const int surface = thickness(0.6);
        const int underside = thickness(0.4);
        const auto light = [=, this](int x, int y) {
            const int row = y - m_shelfTop;
            if (row < surface) {
                double lit = 1.18;
                for (const Spine &spine : Spines32) {
                    if (x >= pixels(spine.left) && x < pixels(spine.left + spine.width))
                        lit *= 0.8 + 0.3 * double(row) / surface;
                }
                return lit;
            }
            if (row == surface)
                return 1.32;
            if (row >= height - underside)
                return 0.5;
            return 1.05 - 0.25 * double(row - surface) / (height - surface);
        };
        Wood::paint(m_image, QRect(0, m_shelfTop, m_image.width(), height), Wood::Grain::Horizontal, Wood::Honey, 7,
            light);
    }

    void paintSpine(const Spine &spine, quint32 seed)
    {
        const int left = pixels(spine.left);
        const int right = pixels(spine.left + spine.width);
        const int top = pixels(spine.top);
        const int bottom = m_shelfTop;
        const int width = right - left;
        const int edge = thickness(0.2);
        const double corner = m_unit * 0.7;
        const double weave = std::min(1.0, m_unit / 4);

        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) {
                double light = roundness((x - left + 0.5) / width)
                    + weave
                        * (((x + y) % 2 ? 0.012 : -0.012) + (Texture::hash(x, y, seed) - 0.5) * 0.05
                            + (Texture::noise(x / 3.0, y / 9.0, seed + 1) - 0.5) * 0.08);
                // The head and the foot are rubbed darker by fingers and the shelf.
                const double fromHead = (y - top + 0.5) / m_unit;
                const double fromFoot = (bottom - y - 0.5) / m_unit;
                if (fromHead < 0.6)
                    light *= 0.76 + 0.4 * fromHead;
                if (fromFoot < 0.4)
                    light *= 0.8 + 0.5 * fromFoot;
                QColor colour = Texture::scaled(spine.cloth, light);
                if (x < left + edge)
                    colour = Texture::mix(colour, Qt::white, 0.25);
                else if (x >= right - edge)
                    colour = Texture::scaled(spine.cloth, 0.5);
                blend(x, y, colour, headCoverage(x, y, left, right, top, corner));
            }
        }

        const int rule = thickness(0.7);
        const int gap = thickness(0.3);
        const int fine = thickness(0.25);
        const int headRule = top + pixels(spine.bandInset) - rule / 2;
        const int footRule = bottom - pixels(spine.bandInset) - (rule + 1) / 2;
        paintGiltRule(left, right, headRule, rule);
        paintGiltRule(left, right, headRule + rule + gap, fine);
        paintGiltRule(left, right, footRule, rule);
        paintGiltRule(left, right, footRule - gap - fine, fine);

        if (m_unit < 3)
            return;
        const int labelTop = headRule + rule + gap + fine + pixels(0.9);
        const QRect label(QPoint(left + pixels(1), labelTop), QPoint(right - pixels(1) - 1, labelTop + pixels(4) - 1));
        paintLabel(label, spine.cloth, left, width);
        const QPointF ornament(left + width * 0.5, (label.bottom() + 1 + footRule - gap - fine) / 2.0);
        paintOrnament(ornament, m_unit * 0.8, left, width);
    }

    // How much of a pixel the spine covers where its head rounds off at both corners.
    static double headCoverage(int x, int y, int left, int right, int top, double corner)
    {
        const double cx = std::clamp(x + 0.5, left + corner, right - corner);
        const double cy = std::max(y + 0.5, top + corner);
        const double distance = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
        return std::clamp(corner - distance + 0.5, 0.0, 1.0);
    }

    // A gilt rule stamped across the spine: light along its upper edge, shadow along its lower one and on the cloth
    // below it.
    void paintGiltRule(int left, int right, int top, int height)
    {
        const int width = right - left;
        for (int y = top; y < top + height; ++y) {
            const double relief = height < 2 ? 1.0 : y == top ? 1.12 : y == top + height - 1 ? 0.82 : 1.0;
            for (int x = left; x < right; ++x)
                blend(x, y, giltIn(roundness((x - left + 0.5) / width) * relief), 1.0);
        }
        if (m_unit >= 3) {
            for (int x = left; x < right; ++x)
                m_image.setPixelColor(x, top + height, Texture::scaled(m_image.pixelColor(x, top + height), 0.72));
        }
    }

    // A dark leather label framed by a gilt line, with two gilt strokes where the title would be lettered.
    void paintLabel(const QRect &label, const QColor &cloth, int left, int width)
    {
        const QColor leather = Texture::mix(cloth, QColor(20, 12, 8), 0.62);
        const int frame = thickness(0.2);
        for (int y = label.top(); y <= label.bottom(); ++y) {
            for (int x = label.left(); x <= label.right(); ++x) {
                const double light = roundness((x - left + 0.5) / width);
                const bool onFrame = x < label.left() + frame || x > label.right() - frame
                    || y < label.top() + frame || y > label.bottom() - frame;
                blend(x, y, onFrame ? giltIn(light * 0.95) : Texture::scaled(leather, light), 1.0);
            }
        }
        const int stroke = thickness(0.35);
        const QRect inside = label.adjusted(frame + pixels(0.5), frame, -frame - pixels(0.5), -frame);
        for (const auto &[share, at] : { std::pair { 0.8, 0.34 }, std::pair { 0.5, 0.66 } }) {
            const int strokeWidth = std::max(1, int(std::lround(inside.width() * share)));
            const int strokeLeft = inside.left() + (inside.width() - strokeWidth) / 2;
            const int strokeTop = inside.top() + int(std::lround(inside.height() * at)) - stroke / 2;
            for (int y = strokeTop; y < strokeTop + stroke; ++y) {
                for (int x = strokeLeft; x < strokeLeft + strokeWidth; ++x)
                    blend(x, y, giltIn(roundness((x - left + 0.5) / width)), 1.0);
            }
        }
    }

    // A small gilt lozenge, sampled four by four in each pixel for smooth edges.
    void paintOrnament(QPointF centre, double radius, int left, int width)
    {
        const int reach = int(std::ceil(radius)) + 1;
        for (int y = int(centre.y()) - reach; y <= int(centre.y()) + reach; ++y) {
            for (int x = int(centre.x()) - reach; x <= int(centre.x()) + reach; ++x) {
                int inside = 0;
                for (int sy = 0; sy < 4; ++sy) {
                    for (int sx = 0; sx < 4; ++sx) {
                        const double dx = x + (sx + 0.5) / 4 - centre.x();
                        const double dy = y + (sy + 0.5) / 4 - centre.y();
                        inside += std::abs(dx) + std::abs(dy) * 0.75 <= radius;
                    }
                }
                blend(x, y, giltIn(roundness((x - left + 0.5) / width)), inside / 16.0);
            }
        }
    }

    QImage m_image;
    double m_unit;
    int m_shelfTop;
    int m_shelfBottom;
};

} // namespace

QByteArray scalableIcon()
{
    // The 32 px layout in shapes instead of pixels: board, spines lit across their roundness, gilt rules.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(32, 32));
    svg.setViewBox(QRectF(0, 0, 32, 32));
    svg.setTitle(QStringLiteral("Tomelor"));
    svg.setDescription(QStringLiteral("A shelf of four books"));
    QPainter painter(&svg);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);

    painter.setBrush(QColor(40, 22, 8, 80));
    painter.drawRect(QRectF(0, ShelfTop32 + ShelfHeight32, 32, 1.25));
    QLinearGradient board(0, ShelfTop32, 0, ShelfTop32 + ShelfHeight32);
    board.setColorAt(0, QColor(240, 192, 120));
    board.setColorAt(0.3, QColor(214, 150, 76));
    board.setColorAt(0.8, QColor(190, 128, 62));
    board.setColorAt(1, QColor(122, 74, 34));
    painter.setBrush(board);
    painter.drawRect(QRectF(0, ShelfTop32, 32, ShelfHeight32));

    for (const Spine &spine : Spines32) {
        const QRectF body(spine.left, spine.top, spine.width, ShelfTop32 - spine.top);
        QLinearGradient round(body.topLeft(), body.topRight());
        round.setColorAt(0, Texture::mix(spine.cloth, Qt::white, 0.25));
        round.setColorAt(0.3, Texture::scaled(spine.cloth, 1.15));
        round.setColorAt(1, Texture::scaled(spine.cloth, 0.55));
        painter.setBrush(round);
        QPainterPath head;
        head.addRoundedRect(body.adjusted(0, 0, 0, 1), 0.7, 0.7);
        painter.drawPath(head.intersected([&] {
            QPainterPath clip;
            clip.addRect(body);
            return clip;
        }()));
        QLinearGradient gilt(body.topLeft(), body.topRight());
        gilt.setColorAt(0, GiltLight);
        gilt.setColorAt(0.35, Gilt);
        gilt.setColorAt(1, GiltDark);
        painter.setBrush(gilt);
        const double headRule = spine.top + spine.bandInset - 0.35;
        const double footRule = ShelfTop32 - spine.bandInset - 0.35;
        painter.drawRect(QRectF(body.left(), headRule, body.width(), 0.7));
        painter.drawRect(QRectF(body.left(), headRule + 1.0, body.width(), 0.25));
        painter.drawRect(QRectF(body.left(), footRule, body.width(), 0.7));
        painter.drawRect(QRectF(body.left(), footRule - 0.55, body.width(), 0.25));
    }
    painter.end();
    return buffer.data();
}

QImage icon(int size)
{
    if (size <= 16)
        return smallIcon(size, Spines16, ShelfTop16, ShelfHeight16);
    if (size <= 32)
        return smallIcon(size, Spines32, ShelfTop32, ShelfHeight32);
    return LargeIcon(size).image();
}

} // namespace Pictures
