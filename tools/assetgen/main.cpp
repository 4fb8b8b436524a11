// Writes every asset of the game into one folder: the pictures, the program icon and its theme sizes, the three
// sound cues and the resource list that compiles them into the program. The same program always writes the same
// bytes.

#include "bmpfile.h"
#include "cues.h"
#include "icofile.h"
#include "keying.h"
#include "lettering.h"
#include "look/assetpaths.h"
#include "palette.h"
#include "pictures.h"
#include "pngfile.h"
#include "wavfile.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

// The bundled font files that the resource list carries beside the generated assets.
const QStringList BundledFonts { QStringLiteral("fonts/LiberationSans-Regular.ttf"),
    QStringLiteral("fonts/LiberationSans-Bold.ttf"), QStringLiteral("fonts/LiberationSerif-Bold.ttf"),
    QStringLiteral("fonts/LiberationSerif-Italic.ttf") };

class AssetFolder
{
public:
    explicit AssetFolder(const QString &root)
        : m_root(root)
    {
    }

    bool write(const QString &path, const QByteArray &bytes)
    {
        const QString target = m_root.filePath(path);
        QDir().mkpath(QFileInfo(target).path());
        QSaveFile file(target);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
            std::fprintf(stderr, "assetgen: cannot write %s\n", qPrintable(target));
            return false;
        }
        m_written.append(path);
        return true;
    }

    // Two resource lists: the pictures at twice the size in one of their own, so that their data lies apart from
    // the ordinary pictures' in the program and reading those does not bring theirs into memory as well.
    bool writeResourceLists()
    {
        QStringList ordinary = BundledFonts;
        QStringList larger;
        for (const QString &path : std::as_const(m_written))
            (path.endsWith(QStringLiteral("@2x.png")) ? larger : ordinary).append(path);
        return writeResourceList(QStringLiteral("assets.qrc"), ordinary)
            && writeResourceList(QStringLiteral("assets-2x.qrc"), larger);
    }

private:
    bool writeResourceList(const QString &name, const QStringList &paths)
    {
        QByteArray list = "<!DOCTYPE RCC>\n<!-- Written by tools/assetgen (make assets); do not edit. -->\n"
                          "<RCC version=\"1.0\">\n    <qresource prefix=\"/\">\n";
        // Fonts stay uncompressed, so that the game reads them where they lie instead of copying them out.
        for (const QString &path : paths) {
            const QByteArray storage
                = BundledFonts.contains(path) ? QByteArrayLiteral(" compression-algorithm=\"none\"") : QByteArray();
            list += "        <file" + storage + ">" + path.toUtf8() + "</file>\n";
        }
        list += "    </qresource>\n</RCC>\n";
        return write(name, list);
    }


    QDir m_root;
    QStringList m_written;
};

enum class Drawing { Opaque, Transparent };

// A picture at its own size in the given bitmap form, and beside it the same picture drawn at twice the size.
bool writeBothSizes(AssetFolder &out, const QString &path, const std::function<QImage(int scale)> &draw,
    const std::function<QByteArray(const QImage &)> &encoded, Drawing drawing)
{
    const bool ok = out.write(path, encoded(draw(1)));
    const QImage larger = draw(2);
    return out.write(AssetPaths::doubleSize(path),
               PngFile::encoded(drawing == Drawing::Transparent ? Keying::cleared(larger) : larger))
        && ok;
}

bool writePictures(AssetFolder &out)
{
    const auto trueColour = [](const QImage &image) { return BmpFile::trueColour(image); };
    bool ok = writeBothSizes(
        out, AssetPaths::bookcase(), Pictures::bookcase,
        [](const QImage &image) { return BmpFile::paletted(Palette::reduce(image, qRgb(255, 255, 255))); },
        Drawing::Transparent);
    ok = writeBothSizes(out, AssetPaths::panel(), Pictures::panel, trueColour, Drawing::Transparent) && ok;
    ok = writeBothSizes(out, AssetPaths::spine(), Pictures::spine, trueColour, Drawing::Opaque) && ok;
    for (const Artwork::Switch which : { Artwork::Switch::Go, Artwork::Switch::Testament, Artwork::Switch::Hints }) {
        for (const bool checked : { false, true }) {
            ok = writeBothSizes(out, AssetPaths::switchPicture(which, checked),
                     [=](int scale) { return Pictures::switchPicture(which, checked, scale); }, trueColour,
                     Drawing::Opaque)
                && ok;
        }
    }
    for (const Testament testament : { Testament::Old, Testament::New }) {
        ok = writeBothSizes(out, AssetPaths::scoreBoard(testament),
                 [=](int scale) { return Pictures::scoreBoard(testament, scale); }, trueColour, Drawing::Transparent)
            && ok;
    }
    ok = writeBothSizes(out, AssetPaths::congratsBackdrop(), Pictures::congratsBackdrop, trueColour,
             Drawing::Transparent)
        && ok;
    ok = writeBothSizes(out, AssetPaths::splash(), Pictures::splash, trueColour, Drawing::Transparent) && ok;
    ok = out.write(AssetPaths::programIcon(), IcoFile::paletted({ Pictures::icon(32), Pictures::icon(16) })) && ok;
    for (const int size : AssetPaths::ThemeIconSizes)
        ok = out.write(AssetPaths::themeIcon(size), PngFile::encoded(Pictures::icon(size))) && ok;
    ok = out.write(AssetPaths::scalableIcon(), Pictures::scalableIcon()) && ok;
    return ok;
}

bool writeSounds(AssetFolder &out)
{
    bool ok = true;
    for (const Cue cue : { Cue::CueCorrect, Cue::CueWrong, Cue::CueTimeOut }) {
        const Cues::Sound sound = Cues::synthesize(cue);
        ok = out.write(AssetPaths::cue(cue), WavFile::monoPcm(sound.sampleRate, sound.bitsPerSample, sound.samples))
            && ok;
    }
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr,
            "usage: assetgen FONT-FOLDER OUTPUT-FOLDER\n"
            "Draws every picture, the icon and the sounds of the game into OUTPUT-FOLDER.\n");
        return 2;
    }
    const QString fontFolder = QFile::decodeName(argv[1]);
    const QString outputFolder = QFile::decodeName(argv[2]);

    QTemporaryDir work;
    Lettering::useOnlyFontsIn(fontFolder, work.path());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(work.path()));
    QGuiApplication app(argc, argv);
    if (!Lettering::fontsAvailable()) {
        std::fprintf(stderr, "assetgen: the Liberation Sans and Serif fonts are missing from %s\n", argv[1]);
        return 1;
    }

    AssetFolder out(outputFolder);
    const bool ok = writePictures(out) && writeSounds(out) && out.writeResourceLists();
    return ok ? 0 : 1;
}
