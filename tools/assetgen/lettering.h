#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

// Text in the pictures. Only the font files of the repository are visible to the generator, always rendered with
// the same hinting and grey-scale smoothing, whatever the machine's own font settings are.
namespace Lettering {

// Points the font machinery at `fontFolder` alone, keeping its configuration and cache in `workFolder`; call
// before the application object is created.
void useOnlyFontsIn(const QString &fontFolder, const QString &workFolder);
// Whether the fonts the pictures need were found.
bool fontsAvailable();

QFont sans(int pixelSize, bool bold = true);
QFont serif(int pixelSize);
QFont serifItalic(int pixelSize);

// Text with an optional one-pixel shadow or highlight under it, the way lettering is pressed into cloth or metal.
void drawText(QPainter &painter, const QRectF &box, int flags, const QString &text, const QColor &ink,
    const QColor &relief = QColor(), QPointF reliefOffset = QPointF(1, 1));

} // namespace Lettering
