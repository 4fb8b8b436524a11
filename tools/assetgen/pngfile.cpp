#include "pngfile.h"

#include <QBuffer>
#include <QImageWriter>

namespace PngFile {

QByteArray encoded(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    // The strongest compression: the files are written once and read at every start.
    writer.setCompression(100);
    return writer.write(image) ? bytes : QByteArray();
}

} // namespace PngFile
