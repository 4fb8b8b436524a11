#pragma once

#include <QByteArray>
#include <QList>

class QImage;

// A Windows icon file: one entry per image, each a 256-colour bitmap with a one-bit transparency mask.
namespace IcoFile {

// Each image is drawn with fully opaque and fully transparent pixels only.
QByteArray paletted(const QList<QImage> &images);

} // namespace IcoFile
