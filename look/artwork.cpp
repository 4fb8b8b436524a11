#include "look/artwork.h"

#include "look/assetpaths.h"
#include "look/inscriptions.h"
#include "look/screenpictures.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QLocale>
#include <QPixmap>
#include <QResource>
#include <QTransform>

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

// Pixels converted when the program was built, where there are some in the given format: read in place, never
// copied.
QImage readyPixels(const QString &converted, QImage::Format format)
{
    const QResource resource(QStringLiteral(":/") + converted);
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression)
        return {};
    const auto *header = reinterpret_cast<const quint32 *>(resource.data());
    if (QImage::Format(header[2]) != format)
        return {};
    const auto *pixels = reinterpret_cast<const uchar *>(header + ScreenPictures::HeaderWords);
    const QImage image(pixels, int(header[0]), int(header[1]), qsizetype(header[0]) * 4, format);
    // Pixels that do not lie on a word boundary cannot be drawn in place.
    return quintptr(pixels) % alignof(QRgb) == 0 ? image : image.copy();
}

QImage converted(const QString &path, QImage::Format format)
{
    return readyPixels(ScreenPictures::converted(path), format);
}

// At `scale` 1, the picture as lettered with these words when the program was built, if it was; otherwise
// lettered now. The folder of the language that had the last one is looked in first; before the first, those the
// default locale names (the program sets it to its translation's language), then English; only then every folder,
// whose listing would cost the splash more than its picture.
template <typename Letter>
QImage lettered(const QString &picture, const QStringList &words, int scale, QImage::Format format, Letter letter)
{
    if (scale == 1) {
        static QString latest;
        const QString name = ScreenPictures::lettered(picture, words);
        const auto take = [&](const QStringList &folders) {
            for (const QString &folder : folders) {
                const QString path
                    = ScreenPictures::LetteredFolder + QLatin1Char('/') + folder + QLatin1Char('/') + name;
                if (QImage ready = readyPixels(path, format); !ready.isNull()) {
                    latest = folder;
                    return ready;
                }
            }
            return QImage();
        };
        if (!latest.isEmpty()) {
            if (QImage ready = take({latest}); !ready.isNull())
                return ready;
        } else {
            const QString locale = QLocale().name();
            if (QImage ready = take({locale, locale.section(QLatin1Char('_'), 0, 0), QStringLiteral("en")});
                !ready.isNull())
                return ready;
        }
        static const QStringList languages = QDir(QStringLiteral(":/") + ScreenPictures::LetteredFolder).entryList();
        if (QImage ready = take(languages); !ready.isNull())
            return ready;
    }
    return letter();
}

QImage resource(const QString &path, int scale)
{
    if (scale == 1) {
        // An opaque picture converts to exactly what decoding gives.
        if (QImage ready = converted(path, QImage::Format_RGB32); !ready.isNull())
            return ready;
    }
    return decode(QStringLiteral(":/") + (scale == 2 ? AssetPaths::doubleSize(path) : path));
}

QImage keyed(const QString &path, int scale)
{
    return scale == 1 ? converted(path, QImage::Format_ARGB32_Premultiplied) : resource(path, scale);
}

// The picture with its words lettered onto it now, by `letter` (one of the Inscriptions::letter... functions).
template <typename Letter> QImage letteredNow(QImage picture, int scale, Letter letter)
{
    letter(picture, scale);
    return picture;
}

// Every book is lettered onto the same spine, so the larger one is decoded only once.
const QImage &bareSpine(int scale)
{
    if (scale == 1) {
        static const QImage spine = resource(AssetPaths::spine(), 1);
        return spine;
    }
    static const QImage larger = resource(AssetPaths::spine(), 2);
    return larger;
}

} // namespace

QImage bookcase(int scale)
{
    return resource(AssetPaths::bookcase(), scale);
}

QImage panel(int scale)
{
    return letteredNow(resource(AssetPaths::panel(), scale), scale, Inscriptions::letterPanel);
}

QImage lyingBook(Testament testament, int tag, int scale)
{
    return Inscriptions::letteredSpine(bareSpine(scale), testament, tag, scale);
}

QImage standingBook(Testament testament, int tag, int scale)
{
    return lettered(ScreenPictures::StandingBook, {shownBookName(testament, tag)}, scale, QImage::Format_RGB32,
        [=] { return lyingBook(testament, tag, scale).transformed(QTransform().rotate(90)); });
}

QImage switchPicture(Switch which, bool checked, int scale)
{
    const QString path = AssetPaths::switchPicture(which, checked);
    return lettered(path, Inscriptions::switchWords(which), scale, QImage::Format_RGB32, [=] {
        return letteredNow(resource(path, scale), scale,
            [=](QImage &picture, int scale) { Inscriptions::letterSwitch(picture, which, checked, scale); });
    });
}

QImage scoreBoard(Testament testament, int scale)
{
    return letteredNow(resource(AssetPaths::scoreBoard(testament), scale), scale,
        [testament](QImage &picture, int scale) { Inscriptions::letterScoreBoard(picture, testament, scale); });
}

QImage congratsBackdrop(int scale)
{
    return letteredNow(resource(AssetPaths::congratsBackdrop(), scale), scale, Inscriptions::letterCongrats);
}

QImage splash(int scale)
{
    return letteredNow(resource(AssetPaths::splash(), scale), scale, Inscriptions::letterSplash);
}

QImage keyedBookcase(int scale)
{
    return keyed(AssetPaths::bookcase(), scale);
}

QImage keyedPanel(int scale)
{
    return lettered(AssetPaths::panel(), Inscriptions::panelWords(), scale, QImage::Format_ARGB32_Premultiplied,
        [=] { return letteredNow(keyed(AssetPaths::panel(), scale), scale, Inscriptions::letterPanel); });
}

QImage keyedSplash(int scale)
{
    return lettered(AssetPaths::splash(), Inscriptions::splashWords(), scale, QImage::Format_ARGB32_Premultiplied,
        [=] { return letteredNow(keyed(AssetPaths::splash(), scale), scale, Inscriptions::letterSplash); });
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
