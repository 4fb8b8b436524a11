#include "lettering.h"
#include "pictures.h"
#include "texture.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace Pictures {

namespace {

constexpr int Length = 120;
constexpr int Thickness = 20;
// Gilt rules near each end; the name is lettered between them.
constexpr int TitleLeft = 12;
constexpr int TitleRight = Length - 12;

// Deep book-cloth colours, dealt out so that neighbours on the shelf differ.
constexpr std::array<QRgb, 8> Cloths { qRgb(122, 30, 42), qRgb(30, 86, 54), qRgb(32, 50, 104), qRgb(160, 110, 36),
    qRgb(92, 42, 92), qRgb(58, 76, 96), qRgb(118, 62, 34), qRgb(22, 90, 94) };
const QColor Gilt(222, 186, 104);
const QColor GiltLight(250, 228, 160);
const QColor GiltDark(140, 104, 44);
const QColor Lettering(246, 226, 164);

QColor clothOf(Testament testament, int tag)
{
    const int index = (tag - 1) * 3 + (testament == Testament::New ? 5 : 0);
    return QColor(Cloths[index % Cloths.size()]);
}

// The light across a rounded spine: brightest a little above the middle, darker towards both edges.
double roundness(int across)
{
    const double t = (across + 0.5) / Thickness;
    return 0.62 + 0.5 * std::pow(std::sin(M_PI * std::clamp(t * 1.08 - 0.02, 0.0, 1.0)), 0.7);
}

void paintCloth(QImage &image, const QColor &cloth, quint32 seed)
{
    for (int y = 0; y < Thickness; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < Length; ++x) {
            const double weave = ((x + y) % 2 ? 0.015 : -0.015) + (Texture::hash(x, y, seed) - 0.5) * 0.06
                + (Texture::noise(x / 9.0, y / 3.0, seed + 1) - 0.5) * 0.10;
            double light = roundness(y) + weave;
            // The head and tail of the spine are worn a little darker.
            const int fromEnd = std::min(x, Length - 1 - x);
            if (fromEnd < 2)
                light *= 0.72 + 0.1 * fromEnd;
            line[x] = Texture::scaled(cloth, light).rgb();
        }
    }
}

void paintGiltRule(QImage &image, int x)
{
    for (int y = 1; y < Thickness - 1; ++y) {
        const double light = roundness(y);
        const QColor colour = light > 1.02 ? Texture::mix(Gilt, GiltLight, (light - 1.02) * 6)
                                           : Texture::mix(GiltDark, Gilt, (light - 0.62) / 0.4);
        image.setPixelColor(x, y, colour);
    }
}

QString nameOf(Testament testament, int tag)
{
    const std::string_view name = bookName(testament, tag);
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
}

// The one size of lettering in which the longest name fits between the rules.
QFont titleFont()
{
    static const QFont font = [] {
        int size = 14;
        for (; size > 8; --size) {
            const QFontMetrics metrics(Lettering::sans(size));
            int widest = 0;
            for (const Testament testament : { Testament::Old, Testament::New }) {
                for (int tag = 1; tag <= bookCount(testament); ++tag)
                    widest = std::max(widest, metrics.horizontalAdvance(nameOf(testament, tag)));
            }
            if (widest <= TitleRight - TitleLeft - 4)
                break;
        }
        return Lettering::sans(size);
    }();
    return font;
}

} // namespace

QImage lyingBook(Testament testament, int tag)
{
    QImage image(Length, Thickness, QImage::Format_RGB32);
    const QColor cloth = clothOf(testament, tag);
    paintCloth(image, cloth, quint32(tag * 131 + (testament == Testament::New ? 7 : 0)));
    for (const int x : { 4, 5, 8, Length - 9, Length - 6, Length - 5 })
        paintGiltRule(image, x);

    QPainter painter(&image);
    const QFont font = titleFont();
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const QString text = nameOf(testament, tag);
    const int width = metrics.horizontalAdvance(text);
    const int capHeight = metrics.capHeight();
    const int baseline = (Thickness + capHeight) / 2;
    const int left = TitleLeft + (TitleRight - TitleLeft - width + 1) / 2;
    const QColor shadow = Texture::scaled(cloth, 0.35);
    painter.setPen(shadow);
    painter.drawText(QPoint(left + 1, baseline + 1), text);
    painter.setPen(Lettering);
    painter.drawText(QPoint(left, baseline), text);
    return image;
}

QImage standingBook(const QImage &lying)
{
    QImage standing(lying.height(), lying.width(), QImage::Format_RGB32);
    for (int y = 0; y < lying.height(); ++y) {
        for (int x = 0; x < lying.width(); ++x)
            standing.setPixel(lying.height() - 1 - y, x, lying.pixel(x, y));
    }
    return standing;
}

} // namespace Pictures
