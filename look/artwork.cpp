#include "look/artwork.h"

#include "look/assetpaths.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>

// Every picture is compiled into the program as a resource, drawn once by the asset generator (tools/).
namespace Artwork {

namespace {

// Read as the format its name gives, which Qt decodes itself. Left to guess, Qt would first load every image
// format plugin installed (JPEG, GIF, SVG with all of Qt SVG...) to ask each whether it can read the picture.
QImage decode(const QString &path)
{
    QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QImage resource(const QString &path, int scale)
{
    return decode(QStringLiteral(":/") + (scale == 2 ? AssetPaths::doubleSize(path) : path));
}

} // namespace

QImage bookcase(int scale)
{
    return resource(AssetPaths::bookcase(), scale);
}

QImage panel(int scale)
{
    return resource(AssetPaths::panel(), scale);
}

QImage lyingBook(Testament testament, int tag, int scale)
{
    return resource(AssetPaths::book(testament, tag, AssetPaths::Pose::Lying), scale);
}

QImage standingBook(Testament testament, int tag, int scale)
{
    return resource(AssetPaths::book(testament, tag, AssetPaths::Pose::Standing), scale);
}

QImage switchPicture(Switch which, bool checked, int scale)
{
    return resource(AssetPaths::switchPicture(which, checked), scale);
}

QImage scoreBoard(Testament testament, int scale)
{
    return resource(AssetPaths::scoreBoard(testament), scale);
}

QImage congratsBackdrop(int scale)
{
    return resource(AssetPaths::congratsBackdrop(), scale);
}

QImage splash(int scale)
{
    return resource(AssetPaths::splash(), scale);
}

QIcon programIcon()
{
    // Every size the icon file holds, so the window system can pick the one it needs.
    QIcon icon;
    QImageReader reader(QStringLiteral(":/") + AssetPaths::programIcon());
    do {
        const QImage image = reader.read();
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    } while (reader.jumpToNextImage());
    // The theme's 48 px too, which task bars show. The larger sizes are left to the installed icon theme: decoding
    // them would cost every start several milliseconds for docks that read the theme anyway.
    for (const int size : AssetPaths::ThemeIconSizes) {
        if (size <= WindowIconLargest && !icon.availableSizes().contains(QSize(size, size)))
            icon.addPixmap(QPixmap::fromImage(decode(QStringLiteral(":/") + AssetPaths::themeIcon(size))));
    }
    return icon;
}

} // namespace Artwork
