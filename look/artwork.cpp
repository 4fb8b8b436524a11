#include "look/artwork.h"

#include "look/assetpaths.h"

#include <QImageReader>

// Every picture is compiled into the program as a resource, drawn once by the asset generator (tools/).
namespace Artwork {

namespace {

QImage resource(const QString &path)
{
    return QImage(QStringLiteral(":/") + path);
}

} // namespace

QImage bookcase()
{
    return resource(AssetPaths::bookcase());
}

QImage panel()
{
    return resource(AssetPaths::panel());
}

QImage lyingBook(Testament testament, int tag)
{
    return resource(AssetPaths::book(testament, tag, AssetPaths::Pose::Lying));
}

QImage standingBook(Testament testament, int tag)
{
    return resource(AssetPaths::book(testament, tag, AssetPaths::Pose::Standing));
}

QImage switchPicture(Switch which, bool checked)
{
    return resource(AssetPaths::switchPicture(which, checked));
}

QImage scoreBoard(Testament testament)
{
    return resource(AssetPaths::scoreBoard(testament));
}

QImage congratsBackdrop()
{
    return resource(AssetPaths::congratsBackdrop());
}

QImage splash()
{
    return resource(AssetPaths::splash());
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
            icon.addFile(QStringLiteral(":/") + AssetPaths::themeIcon(size), QSize(size, size));
    }
    return icon;
}

} // namespace Artwork
