// Converts the pictures of the first paint from assets/ into the form the screen takes, with a resource file
// listing them, for the build to compile into the program (see look/screenpictures.h).
//
//     screenpictures ASSETS-FOLDER OUTPUT-FOLDER

#include "look/screenpictures.h"
#include "controls/keycolour.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <cstdio>
#include <cstdlib>

namespace {

bool writeIfChanged(const QString &path, const QByteArray &bytes)
{
    QFile old(path);
    if (old.open(QIODevice::ReadOnly) && old.readAll() == bytes)
        return true;
    old.close();
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly)
        && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "Usage: %s ASSETS-FOLDER OUTPUT-FOLDER\n", argv[0]);
        return EXIT_FAILURE;
    }
    const QDir assets(QFile::decodeName(argv[1]));
    const QDir output(QFile::decodeName(argv[2]));
    QStringList paths;
    for (const ScreenPictures::Picture &picture : ScreenPictures::firstPaint()) {
        const QImage stored = QImageReader(assets.filePath(picture.asset)).read();
        if (stored.isNull()) {
            std::fprintf(stderr, "screenpictures: cannot read %s\n", qPrintable(assets.filePath(picture.asset)));
            return EXIT_FAILURE;
        }
        const QImage::Format format = ScreenPictures::formatOf(picture);
        const QImage ready = picture.keyed ? withKeyColourCleared(stored, format) : stored.convertToFormat(format);
        const QString path = ScreenPictures::converted(picture.asset);
        if (!writeIfChanged(output.filePath(path), ScreenPictures::pixelsOf(ready))) {
            std::fprintf(stderr, "screenpictures: cannot write %s\n", qPrintable(output.filePath(path)));
            return EXIT_FAILURE;
        }
        paths.append(path);
    }
    const QByteArray resources = ScreenPictures::resourceList("screenpictures", paths);
    // Written every time, so that the build sees it newer than what it was made from.
    QFile list(output.filePath(QStringLiteral("screenpictures.qrc")));
    if (!list.open(QIODevice::WriteOnly) || list.write(resources) != resources.size()) {
        std::fprintf(stderr, "screenpictures: cannot write the resource file\n");
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
