// Letters the first paint's pictures that carry words, in English and in every translation compiled into the
// program, into the form the screen takes, with a resource file listing them, for the build to compile into the
// program (see ScreenPictures::lettered). It letters them as the program does, through the same functions.
//
//     letteredpictures OUTPUT-FOLDER

#include "look/artwork.h"
#include "look/assetpaths.h"
#include "look/inscriptions.h"
#include "look/screenpictures.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QSet>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

namespace {

class Output
{
public:
    explicit Output(const QString &folder)
        : m_folder(folder)
    {
    }

    // Each language's pictures go into the folder of its name.
    void setLanguage(const QString &language) { m_language = language; }

    bool add(const QString &picture, const QStringList &words, const QImage &image)
    {
        const QString path = ScreenPictures::LetteredFolder + QLatin1Char('/') + m_language + QLatin1Char('/')
            + ScreenPictures::lettered(picture, words);
        if (m_written.contains(path))
            return true;
        QFile file(m_folder.filePath(path));
        const QByteArray bytes = ScreenPictures::pixelsOf(image);
        if (!m_folder.mkpath(QFileInfo(file).path()) || !file.open(QIODevice::WriteOnly)
            || file.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "letteredpictures: cannot write %s\n", qPrintable(file.fileName()));
            return false;
        }
        m_written.insert(path);
        return true;
    }

    bool writeResourceList() const
    {
        QStringList paths(m_written.begin(), m_written.end());
        paths.sort();
        const QByteArray list = ScreenPictures::resourceList("letteredpictures", paths);
        QFile file(m_folder.filePath(QStringLiteral("letteredpictures.qrc")));
        return file.open(QIODevice::WriteOnly) && file.write(list) == list.size();
    }

private:
    QDir m_folder;
    QString m_language;
    QSet<QString> m_written;
};

// What the first paint shows with words on it, in the language now installed.
bool letterFirstPaint(Output &output)
{
    bool ok = output.add(AssetPaths::splash(), Inscriptions::splashWords(), Artwork::keyedSplash());
    ok = output.add(AssetPaths::panel(), Inscriptions::panelWords(), Artwork::keyedPanel()) && ok;
    for (const auto which : {Artwork::Switch::Go, Artwork::Switch::Testament, Artwork::Switch::Hints}) {
        for (const bool checked : {false, true}) {
            ok = output.add(AssetPaths::switchPicture(which, checked), Inscriptions::switchWords(which),
                     Artwork::switchPicture(which, checked))
                && ok;
        }
    }
    for (int tag = 1; tag <= OTBookCount; ++tag) {
        ok = output.add(ScreenPictures::StandingBook, {shownBookName(Testament::Old, tag)},
                 Artwork::standingBook(Testament::Old, tag))
            && ok;
    }
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "Usage: %s OUTPUT-FOLDER\n", argv[0]);
        return EXIT_FAILURE;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Output output(QFile::decodeName(argv[1]));
    output.setLanguage(QStringLiteral("en"));
    bool ok = letterFirstPaint(output);
    // Each translation loaded as the program loads the player's.
    const QStringList translations = QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("tomelor_*.qm")});
    for (const QString &file : translations) {
        const QString language = file.mid(8).chopped(3);
        QTranslator translator;
        if (!translator.load(
                QLocale(language), QStringLiteral("tomelor"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
            std::fprintf(stderr, "letteredpictures: cannot load the translation %s\n", qPrintable(file));
            return EXIT_FAILURE;
        }
        QCoreApplication::installTranslator(&translator);
        output.setLanguage(language);
        ok = letterFirstPaint(output) && ok;
        QCoreApplication::removeTranslator(&translator);
    }
    return ok && output.writeResourceList() ? EXIT_SUCCESS : EXIT_FAILURE;
}
