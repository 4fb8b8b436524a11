#pragma once

#include <QByteArray>

class QImage;

// Portable Network Graphics, the format of the desktop's icon themes.
namespace PngFile {

// Eight bits per channel, with an alpha channel where the image has one, and no text or time chunks.
QByteArray encoded(const QImage &image);

} // namespace PngFile
