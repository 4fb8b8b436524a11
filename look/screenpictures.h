#pragma once

#include "look/assetpaths.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

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

// A picture in that form: its header, then its rows.
inline QByteArray pixelsOf(const QImage &image)
{
    const quint32 header[HeaderWords] {quint32(image.width()), quint32(image.height()), quint32(image.format())};
    QByteArray bytes(reinterpret_cast<const char *>(header), sizeof header);
    for (int y = 0; y < image.height(); ++y)
        bytes.append(reinterpret_cast<const char *>(image.constScanLine(y)), image.width() * 4);
    return bytes;
}

// The resource file that compiles the pictures written by `writer` (a tool's name) into the program, each at its
// path, stored as it is so that it can be drawn where it lies.
inline QByteArray resourceList(const char *writer, const QStringList &paths)
{
    QByteArray list = QByteArray("<!DOCTYPE RCC>\n<!-- Written by the build (tools/") + writer
        + "); do not edit. -->\n<RCC version=\"1.0\">\n    <qresource prefix=\"/\">\n";
    for (const QString &path : paths)
        list += "        <file compression-algorithm=\"none\">" + path.toUtf8() + "</file>\n";
    return list + "    </qresource>\n</RCC>\n";
}

// The first paint's pictures that carry words (the splash, the panel, the switches, the standing books) come in that
// form too, lettered when the program is built in English and in every translation, each language's in a folder of its
// own under LetteredFolder, so that the pages a player's first paint reads lie together. Each is found by what it is
// and the words it carries, so the program takes one only while the player's language gives those very words, and
// letters the picture itself otherwise. The splash, the panel and the switches are named by their paths in assets/, the
// standing books by StandingBook.
inline const QString LetteredFolder = QStringLiteral("screen/lettered");
inline const QString StandingBook = QStringLiteral("standing book");

// The picture's name in its language's folder.
inline QString lettered(const QString &picture, const QStringList &words)
{
    const QByteArray key = (QStringList {picture} + words).join(QLatin1Char('\n')).toUtf8();
    return QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex())
        + QStringLiteral(".pixels");
}

} // namespace ScreenPictures
