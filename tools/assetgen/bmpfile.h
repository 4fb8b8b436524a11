#pragma once

#include <QByteArray>
#include <QImage>

// Uncompressed Windows bitmaps: a 14-byte file header, a 40-byte information header, rows stored bottom-up and
// padded to four bytes.
namespace BmpFile {

// 24 bits per pixel, blue-green-red.
QByteArray trueColour(const QImage &image);
// 8 bits per pixel with a 256-entry palette; `indexed` must be Format_Indexed8 with exactly 256 colours.
QByteArray paletted(const QImage &indexed);

} // namespace BmpFile
