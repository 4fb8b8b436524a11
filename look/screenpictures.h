#pragma once

#include "look/assetpaths.h"

#include <QImage>
#include <QList>
#include <QString>

// The pictures of the first paint, converted when the program is built into the form a window's back buffer
// takes (32 bits a pixel), so that they are never decoded: drawn straight from the program, or copied once where
// words are lettered onto them. A transparent picture comes with its key colour already left out (premultiplied
// ARGB), an opaque one as it is (RGB32).
// assets/ keeps them in their own formats; the converter in tools/ reads them from there when the program is built.
namespace ScreenPictures {

struct Picture
{
    QString asset; // its path in assets/
    bool keyed; // drawn transparently
};

// What the splash and the main window show as soon as they are up: the title art, the display panel, the
// bookcase, both pictures of each switch, and the spine of the Old Testament's books standing on the shelf.
inline QList<Picture> firstPaint()
{
    QList<Picture> pictures {{AssetPaths::splash(), true}, {AssetPaths::panel(), true}, {AssetPaths::bookcase(), true}};
    for (const auto which : {Artwork::Switch::Go, Artwork::Switch::Testament, Artwork::Switch::Hints}) {
        for (const bool checked : {false, true})
            pictures.append({AssetPaths::switchPicture(which, checked), false});
    }
    pictures.append({AssetPaths::spine(), false});
    return pictures;
}

inline QImage::Format formatOf(const Picture &picture)
{
    return picture.keyed ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
}

// Where the converted picture lies in the program's resources (":/" + path): its width, height and QImage format
// as three native 32-bit words, then its rows, each four bytes a pixel with no padding. The header keeps the
// pixels on a 16-byte boundary of the resource data.
inline QString converted(const QString &asset)
{
    return QStringLiteral("screen/") + asset.left(asset.lastIndexOf(QLatin1Char('.'))) + QStringLiteral(".pixels");
}

inline constexpr int HeaderWords = 3;

} // namespace ScreenPictures
