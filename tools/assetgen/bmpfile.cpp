#include "bmpfile.h"

#include "littleendian.h"

namespace BmpFile {

using namespace LittleEndian;

namespace {

constexpr int FileHeaderSize = 14;
constexpr int InfoHeaderSize = 40;

int rowBytes(int width, int bitsPerPixel)
{
    return (width * bitsPerPixel / 8 + 3) / 4 * 4;
}

QByteArray headers(const QImage &image, int bitsPerPixel, int paletteEntries)
{
    const int pixelBytes = rowBytes(image.width(), bitsPerPixel) * image.height();
    const int offset = FileHeaderSize + InfoHeaderSize + 4 * paletteEntries;
    QByteArray out;
    out.reserve(offset + pixelBytes);
    out.append("BM", 2);
    put32(out, quint32(offset + pixelBytes));
    put32(out, 0);
    put32(out, quint32(offset));
    put32(out, InfoHeaderSize);
    put32(out, quint32(image.width()));
    put32(out, quint32(image.height())); // positive: rows bottom-up
    put16(out, 1);
    put16(out, quint16(bitsPerPixel));
    put32(out, 0); // no compression
    put32(out, quint32(pixelBytes));
    put32(out, 2835); // 72 dots per inch
    put32(out, 2835);
    put32(out, quint32(paletteEntries));
    put32(out, 0);
    return out;
}

} // namespace

QByteArray trueColour(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QByteArray out = headers(rgb, 24, 0);
    const int padding = rowBytes(rgb.width(), 24) - rgb.width() * 3;
    for (int y = rgb.height() - 1; y >= 0; --y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            out.append(char(qBlue(line[x])));
            out.append(char(qGreen(line[x])));
            out.append(char(qRed(line[x])));
        }
        out.append(padding, '\0');
    }
    return out;
}

QByteArray paletted(const QImage &indexed)
{
    Q_ASSERT(indexed.format() == QImage::Format_Indexed8 && indexed.colorCount() == 256);
    QByteArray out = headers(indexed, 8, 256);
    for (const QRgb colour : indexed.colorTable()) {
        out.append(char(qBlue(colour)));
        out.append(char(qGreen(colour)));
        out.append(char(qRed(colour)));
        out.append('\0');
    }
    const int padding = rowBytes(indexed.width(), 8) - indexed.width();
    for (int y = indexed.height() - 1; y >= 0; --y) {
        out.append(reinterpret_cast<const char *>(indexed.constScanLine(y)), indexed.width());
        out.append(padding, '\0');
    }
    return out;
}

} // namespace BmpFile
