#pragma once

#include <QImage>
#include <QRect>

#include <algorithm>
#include <cstdlib>

// How much of a picture is a smaller one blown up. A picture drawn at twice the size and then shown doubled is
// made of uniform 2 x 2 blocks; one drawn for the larger size is not, wherever there is detail. Flat areas are
// uniform at any size, so only blocks next to a clearly different block count.
namespace UniformBlocks {

struct Share
{
    int detailed = 0; // blocks next to a clearly different one
    int uniform = 0; // of those, the ones whose four pixels are alike
    double value() const { return detailed ? double(uniform) / detailed : 0.0; }
};

// Over the aligned 2 x 2 blocks that lie wholly inside `area` (in the image's own pixels).
inline Share of(const QImage &picture, const QRect &area)
{
    constexpr int ClearDifference = 48; // summed over the three channels
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const QRect inside = area & image.rect();
    const int left = (inside.left() + 1) / 2;
    const int top = (inside.top() + 1) / 2;
    const int columns = (inside.right() + 1) / 2 - left;
    const int rows = (inside.bottom() + 1) / 2 - top;
    if (columns <= 0 || rows <= 0)
        return {};
    const auto at = [&](int column, int row, int dx, int dy) {
        return image.pixel(2 * (left + column) + dx, 2 * (top + row) + dy);
    };
    const auto mean = [&](int column, int row) {
        int r = 0, g = 0, b = 0;
        for (int i = 0; i < 4; ++i) {
            const QRgb pixel = at(column, row, i % 2, i / 2);
            r += qRed(pixel);
            g += qGreen(pixel);
            b += qBlue(pixel);
        }
        return qRgb(r / 4, g / 4, b / 4);
    };
    const auto differs = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b))
            >= ClearDifference;
    };
    Share share;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const QRgb here = mean(column, row);
            bool detailed = false;
            for (const auto &[dx, dy] : { std::pair { -1, 0 }, std::pair { 1, 0 }, std::pair { 0, -1 },
                                          std::pair { 0, 1 } }) {
                const int c = column + dx;
                const int r = row + dy;
                if (c >= 0 && r >= 0 && c < columns && r < rows && differs(here, mean(c, r)))
                    detailed = true;
            }
            if (!detailed)
                continue;
            ++share.detailed;
            const QRgb first = at(column, row, 0, 0);
            share.uniform += at(column, row, 1, 0) == first && at(column, row, 0, 1) == first
                && at(column, row, 1, 1) == first;
        }
    }
    return share;
}

} // namespace UniformBlocks
