#include "palette.h"

#include <algorithm>
#include <map>
#include <unordered_map>
#include <vector>

namespace Palette {

namespace {

constexpr int Entries = 256;

struct Shade
{
    QRgb colour;
    qint64 count;
};

int channel(QRgb colour, int which)
{
    return which == 0 ? qRed(colour) : which == 1 ? qGreen(colour) : qBlue(colour);
}

// A run of shades in one box of the median cut.
struct Box
{
    int begin;
    int end;

    int widestChannel(const std::vector<Shade> &shades, int *range) const
    {
        int best = 0;
        *range = -1;
        for (int which = 0; which < 3; ++which) {
            int low = 255;
            int high = 0;
            for (int i = begin; i < end; ++i) {
                low = std::min(low, channel(shades[i].colour, which));
                high = std::max(high, channel(shades[i].colour, which));
            }
            if (high - low > *range) {
                *range = high - low;
                best = which;
            }
        }
        return best;
    }
};

QRgb average(const std::vector<Shade> &shades, const Box &box)
{
    qint64 red = 0, green = 0, blue = 0, total = 0;
    for (int i = box.begin; i < box.end; ++i) {
        red += qRed(shades[i].colour) * shades[i].count;
        green += qGreen(shades[i].colour) * shades[i].count;
        blue += qBlue(shades[i].colour) * shades[i].count;
        total += shades[i].count;
    }
    return qRgb(int((red + total / 2) / total), int((green + total / 2) / total), int((blue + total / 2) / total));
}

std::vector<QRgb> medianCut(std::vector<Shade> shades, int wanted)
{
    std::vector<Box> boxes { { 0, int(shades.size()) } };
    while (int(boxes.size()) < wanted) {
        int chosen = -1;
        int chosenRange = 0;
        int chosenChannel = 0;
        for (int i = 0; i < int(boxes.size()); ++i) {
            if (boxes[i].end - boxes[i].begin < 2)
                continue;
            int range = 0;
            const int which = boxes[i].widestChannel(shades, &range);
            if (range > chosenRange) {
                chosen = i;
                chosenRange = range;
                chosenChannel = which;
            }
        }
        if (chosen < 0)
            break;
        Box &box = boxes[chosen];
        std::sort(shades.begin() + box.begin, shades.begin() + box.end, [&](const Shade &a, const Shade &b) {
            const int ca = channel(a.colour, chosenChannel);
            const int cb = channel(b.colour, chosenChannel);
            return ca != cb ? ca < cb : a.colour < b.colour;
        });
        qint64 total = 0;
        for (int i = box.begin; i < box.end; ++i)
            total += shades[i].count;
        qint64 running = 0;
        int split = box.begin + 1;
        for (int i = box.begin; i < box.end - 1; ++i) {
            running += shades[i].count;
            split = i + 1;
            if (running * 2 >= total)
                break;
        }
        const Box upper { split, box.end };
        box.end = split;
        boxes.push_back(upper);
    }
    std::vector<QRgb> colours;
    for (const Box &box : boxes)
        colours.push_back(average(shades, box));
    return colours;
}

int distance(QRgb a, QRgb b)
{
    const int red = qRed(a) - qRed(b);
    const int green = qGreen(a) - qGreen(b);
    const int blue = qBlue(a) - qBlue(b);
    return 3 * red * red + 4 * green * green + 2 * blue * blue;
}

} // namespace

QImage reduce(const QImage &image, QRgb key)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    key = qRgb(qRed(key), qGreen(key), qBlue(key));
    std::map<QRgb, qint64> histogram;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb colour = line[x] | 0xff000000U;
            if (colour != key)
                ++histogram[colour];
        }
    }
    std::vector<Shade> shades;
    for (const auto &[colour, count] : histogram)
        shades.push_back({ colour, count });

    QList<QRgb> table(Entries, qRgb(0, 0, 0));
    table[0] = key;
    const std::vector<QRgb> chosen = shades.empty() ? std::vector<QRgb>() : medianCut(shades, Entries - 1);
    for (int i = 0; i < int(chosen.size()); ++i) {
        QRgb colour = chosen[i];
        if (colour == key)
            colour = qRgb(qRed(key), qGreen(key), qBlue(key) ^ 1);
        table[i + 1] = colour;
    }

    QImage indexed(rgb.size(), QImage::Format_Indexed8);
    indexed.setColorTable(table);
    std::unordered_map<QRgb, uchar> nearest;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        uchar *out = indexed.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb colour = line[x] | 0xff000000U;
            if (colour == key) {
                out[x] = 0;
                continue;
            }
            auto found = nearest.find(colour);
            if (found == nearest.end()) {
                int best = 1;
                for (int i = 2; i <= int(chosen.size()); ++i) {
                    if (distance(colour, table[i]) < distance(colour, table[best]))
                        best = i;
                }
                found = nearest.emplace(colour, uchar(best)).first;
            }
            out[x] = found->second;
        }
    }
    return indexed;
}

} // namespace Palette
