#include "look/gamefont.h"

#include <QFontDatabase>
#include <QResource>
#include <QString>
#include <QStringList>

namespace {

const char *const ClassicFamily = "MS Sans Serif";

// The font is read where it lies in the program's resources, which are stored uncompressed for that: given by
// name, Qt would copy the whole file onto the heap and keep the copy as long as the program runs.
int addFont(const QString &path)
{
    const QResource font(path);
    const QByteArray data = font.compressionAlgorithm() == QResource::NoCompression
        ? QByteArray::fromRawData(reinterpret_cast<const char *>(font.data()), qsizetype(font.size()))
        : font.uncompressedData();
    return QFontDatabase::addApplicationFontFromData(data);
}

void installOnce()
{
    static const bool installed = [] {
        addFont(QStringLiteral(":/fonts/LiberationSans-Regular.ttf"));
        const int bold = addFont(QStringLiteral(":/fonts/LiberationSans-Bold.ttf"));
        const QStringList families = QFontDatabase::applicationFontFamilies(bold);
        if (!families.isEmpty())
            QFont::insertSubstitution(QString::fromLatin1(ClassicFamily), families.first());
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace

QFont titleArtFont(int pixelSize, bool italic)
{
    const QString family = serifFamily();
    QFont font(family.isEmpty() ? QStringLiteral("serif") : family);
    font.setPixelSize(pixelSize);
    font.setBold(!italic);
    font.setItalic(italic);
    return font;
}

QFont gameFont(int pixelSize, bool bold)
{
    installOnce();
    QFont font(QString::fromLatin1(ClassicFamily));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QString serifFamily()
{
    static const QString family = [] {
        addFont(QStringLiteral(":/fonts/LiberationSerif-Italic.ttf"));
        const QStringList families
            = QFontDatabase::applicationFontFamilies(addFont(QStringLiteral(":/fonts/LiberationSerif-Bold.ttf")));
        return families.isEmpty() ? QString() : families.first();
    }();
    return family;
}
