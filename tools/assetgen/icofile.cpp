#include "icofile.h"

#include "littleendian.h"
#include "palette.h"

#include <QImage>

namespace IcoFile {

using namespace LittleEndian;

namespace {

constexpr int DirectoryEntrySize = 16;
constexpr int InfoHeaderSize = 40;

int stride(int bits)
{
    return (bits + 31) / 32 * 4;
}

// The bitmap of one icon entry: header with doubled height, palette, colour rows, then mask rows, bottom-up.
QByteArray entry(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    // Transparent pixels become black in the colour rows; the mask alone decides what is left out.
    QImage opaque(argb.size(), QImage::Format_RGB32);
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb pixel = argb.pixel(x, y);
            opaque.setPixel(x, y, qAlpha(pixel) >= 128 ? (pixel | 0xff000000U) : qRgb(0, 0, 0));
        }
    }
    const QImage indexed = Palette::reduce(opaque, qRgb(0, 0, 0));
    const int colourRow = stride(argb.width() * 8);
    const int maskRow = stride(argb.width());

    QByteArray out;
    put32(out, InfoHeaderSize);
    put32(out, quint32(argb.width()));
    put32(out, quint32(argb.height() * 2));
    put16(out, 1);
    put16(out, 8);
    put32(out, 0);
    put32(out, quint32((colourRow + maskRow) * argb.height()));
    put32(out, 0);
    put32(out, 0);
    put32(out, 256);
    put32(out, 0);
    for (const QRgb colour : indexed.colorTable()) {
        out.append(char(qBlue(colour)));
        out.append(char(qGreen(colour)));
        out.append(char(qRed(colour)));
        out.append('\0');
    }
    for (int y = argb.height() - 1; y >= 0; --y) {
        out.append(reinterpret_cast<const char *>(indexed.constScanLine(y)), argb.width());
        out.append(colourRow - argb.width(), '\0');
    }
    for (int y = argb.height() - 1; y >= 0; --y) {
        QByteArray row(maskRow, '\0');
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(argb.pixel(x, y)) < 128)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
    return out;
}

} // namespace

QByteArray paletted(const QList<QImage> &images)
{
    QList<QByteArray> bitmaps;
    for (const QImage &image : images)
        bitmaps.append(entry(image));

    QByteArray out;
    put16(out, 0);
    put16(out, 1); // icon
    put16(out, quint16(images.size()));
    quint32 offset = 6 + DirectoryEntrySize * quint32(images.size());
    for (int i = 0; i < images.size(); ++i) {
        out.append(char(images[i].width() % 256));
        out.append(char(images[i].height() % 256));
        out.append('\0'); // 0: 256 colours
        out.append('\0');
        put16(out, 1);
        put16(out, 8);
        put32(out, quint32(bitmaps[i].size()));
        put32(out, offset);
        offset += quint32(bitmaps[i].size());
    }
    for (const QByteArray &bitmap : bitmaps)
        out.append(bitmap);
    return out;
}

} // namespace IcoFile
