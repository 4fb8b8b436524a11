#include "lettering.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QPainter>

namespace Lettering {

namespace {

const QString SansFamily = QStringLiteral("Liberation Sans");
const QString SerifFamily = QStringLiteral("Liberation Serif");

QFont pinned(const QString &family, int pixelSize)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(
        QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias | QFont::NoFontMerging));
    return font;
}

} // namespace

void useOnlyFontsIn(const QString &fontFolder, const QString &workFolder)
{
    // A font configuration of our own: no system fonts, fixed rendering settings.
    const QString config = QDir(workFolder).filePath(QStringLiteral("fonts.conf"));
    QFile file(config);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(QStringLiteral(R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <dir>%1</dir>
  <cachedir>%2</cachedir>
  <match target="font">
    <edit name="antialias" mode="assign"><bool>true</bool></edit>
    <edit name="hinting" mode="assign"><bool>true</bool></edit>
    <edit name="hintstyle" mode="assign"><const>hintfull</const></edit>
    <edit name="autohint" mode="assign"><bool>false</bool></edit>
    <edit name="rgba" mode="assign"><const>none</const></edit>
    <edit name="lcdfilter" mode="assign"><const>lcdnone</const></edit>
    <edit name="embeddedbitmap" mode="assign"><bool>false</bool></edit>
  </match>
</fontconfig>
)")
                       .arg(QDir(fontFolder).absolutePath().toHtmlEscaped(),
                           QDir(workFolder).filePath(QStringLiteral("cache")).toHtmlEscaped())
                       .toUtf8());
    }
    qputenv("FONTCONFIG_FILE", QFile::encodeName(config));
}

bool fontsAvailable()
{
    const QStringList families = QFontDatabase::families();
    return families.contains(SansFamily) && families.contains(SerifFamily);
}

QFont sans(int pixelSize, bool bold)
{
    QFont font = pinned(SansFamily, pixelSize);
    font.setBold(bold);
    return font;
}

QFont serif(int pixelSize)
{
    QFont font = pinned(SerifFamily, pixelSize);
    font.setBold(true);
    return font;
}

QFont serifItalic(int pixelSize)
{
    QFont font = pinned(SerifFamily, pixelSize);
    font.setItalic(true);
    return font;
}

void drawText(QPainter &painter, const QRectF &box, int flags, const QString &text, const QColor &ink,
    const QColor &relief, QPointF reliefOffset)
{
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    if (relief.isValid()) {
        painter.setPen(relief);
        painter.drawText(box.translated(reliefOffset), flags, text);
    }
    painter.setPen(ink);
    painter.drawText(box, flags, text);
    painter.restore();
}

} // namespace Lettering
