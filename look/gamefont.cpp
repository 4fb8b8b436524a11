#include "look/gamefont.h"

#include <QFontDatabase>
#include <QStringList>

namespace {

const char *const ClassicFamily = "MS Sans Serif";

void installOnce()
{
    static const bool installed = [] {
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Regular.ttf"));
        const int bold = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Bold.ttf"));
        const QStringList families = QFontDatabase::applicationFontFamilies(bold);
        if (!families.isEmpty())
            QFont::insertSubstitution(QString::fromLatin1(ClassicFamily), families.first());
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace

QFont gameFont(int pixelSize, bool bold)
{
    installOnce();
    QFont font(QString::fromLatin1(ClassicFamily));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}
