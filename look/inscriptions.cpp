#include "look/inscriptions.h"

#include "look/gamefont.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>

namespace Inscriptions {

namespace {

// A word in its place, laid out in the font at the picture's own size, so that a picture drawn twice the size gets
// glyphs hinted for its pixels. The relief goes first, one pixel off.
void letter(QPainter &painter, const QRectF &place, int scale, int flags, const QString &word, const QFont &font,
    const Ink &label)
{
    const QRect box = QRectF(place.topLeft() * scale, place.size() * scale).toAlignedRect();
    painter.setFont(placed(font, word, place, scale));
    painter.setPen(QColor(label.relief));
    painter.drawText(box.translated(label.reliefRight ? scale : 0, scale), flags, word);
    painter.setPen(QColor(label.ink));
    painter.drawText(box, flags, word);
}

// A painter on the picture's own pixels. A picture twice the size, read from its file, comes marked for a pixel
// ratio of 2, which would have the painter double the words once more; a bitmap comes with the resolution its
// file gives, by which Qt scales the spacing between letters. Both are set as the pictures were drawn: one pixel
// a pixel, 96 to the inch.
void beginOnPixels(QPainter &painter, QImage &picture)
{
    constexpr int DotsPerMetre = 3780;
    picture.setDevicePixelRatio(1);
    picture.setDotsPerMeterX(DotsPerMetre);
    picture.setDotsPerMeterY(DotsPerMetre);
    painter.begin(&picture);
}

} // namespace

QFont letteringFont(int pixelSize)
{
    QFont font = gameFont(pixelSize, true);
    // Whatever the desktop's font settings, the pictures' words are smoothed in grey and hinted fully, as the
    // pictures around them were drawn.
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
    return font;
}

QFont fitted(const QFont &font, const QString &word, int width)
{
    QFont fit = font;
    const auto fits = [&fit, &word, width] { return QFontMetrics(fit).horizontalAdvance(word) <= width; };
    for (int stretch = 100 - StretchStep; stretch >= MinimumStretch && !fits(); stretch -= StretchStep)
        fit.setStretch(stretch);
    while (fit.pixelSize() > 1 && !fits())
        fit.setPixelSize(fit.pixelSize() - 1);
    return fit;
}

QFont placed(QFont font, const QString &word, const QRectF &place, int scale)
{
    font.setPixelSize(font.pixelSize() * scale);
    if (font.letterSpacingType() == QFont::AbsoluteSpacing)
        font.setLetterSpacing(QFont::AbsoluteSpacing, font.letterSpacing() * scale);
    return fitted(font, word, QRectF(place.topLeft() * scale, place.size() * scale).toAlignedRect().width());
}

QFont captionFont()
{
    QFont caption = letteringFont(CaptionPixelSize);
    caption.setLetterSpacing(QFont::AbsoluteSpacing, CaptionSpacing);
    return caption;
}

QRectF keyLabel(const QRect &well, bool raised, bool lit)
{
    return keyFace(well, raised).adjusted(1, 0, -1, lit ? -LampHeight - 1 : 0);
}

QFont spineFont(const QString &name, int scale)
{
    return fitted(letteringFont(TitlePixelSize * scale), name, TitleWidth * scale);
}

QImage letteredSpine(const QImage &bare, Testament testament, int tag, int scale)
{
    const QString name = shownBookName(testament, tag);
    QImage spine = bare.copy();
    QPainter painter;
    beginOnPixels(painter, spine);
    const QFont font = spineFont(name, scale);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    // Centred in the band and on the spine's height by its capitals, so that every name sits on the same line.
    const int baseline = (spine.height() + metrics.capHeight()) / 2;
    const int left = TitleLeft * scale + (TitleWidth * scale - metrics.horizontalAdvance(name) + 1) / 2;
    painter.setPen(QColor(TitleShadow));
    painter.drawText(QPoint(left + scale, baseline + scale), name);
    painter.setPen(QColor(TitleInk));
    painter.drawText(QPoint(left, baseline), name);
    return spine;
}

QStringList panelWords()
{
    return {
        //: Painted on the display panel beside the small display of what the wanted book is worth; about 6
        //: capitals fit.
        QCoreApplication::translate("Panel", "VALUE"),
        //: Painted on the display panel before an arrow pointing to the score display; about 5 capitals fit.
        QCoreApplication::translate("Panel", "SCORE"),
    };
}

QStringList switchWords(Artwork::Switch which)
{
    switch (which) {
    case Artwork::Switch::Go:
        return {
            //: Painted on the key that starts a game; about 4 large capitals fit.
            QCoreApplication::translate("Panel", "GO!"),
            //: Painted on the key that ends a game; about 5 large capitals fit.
            QCoreApplication::translate("Panel", "STOP"),
        };
    case Artwork::Switch::Testament:
        return {
            //: The title painted above the switch between the testaments; about 10 small capitals fit.
            QCoreApplication::translate("Panel", "TESTAMENT"),
            //: The testament switch's left half (the Old Testament); about 4 capitals fit.
            QCoreApplication::translate("Panel", "OLD"),
            //: The testament switch's right half (the New Testament); about 5 capitals fit.
            QCoreApplication::translate("Panel", "NEW"),
        };
    case Artwork::Switch::Hints:
        break;
    }
    return {
        //: The title painted above the switch that turns the hints on and off; about 10 small capitals fit.
        QCoreApplication::translate("Panel", "HINTS"),
        //: The hints switch's left half; about 4 capitals fit.
        QCoreApplication::translate("Panel", "OFF"),
        //: The hints switch's right half; about 5 capitals fit.
        QCoreApplication::translate("Panel", "ON"),
    };
}

void letterPanel(QImage &panel, int scale)
{
    QPainter painter;
    beginOnPixels(painter, panel);
    const QFont caption = captionFont();
    const int flags = Qt::AlignLeft | Qt::AlignVCenter;
    const QStringList words = panelWords();
    letter(painter, ValueCaption, scale, flags, words[0], caption, {ValueInk, qRgb(0, 0, 0), true});
    letter(painter, ScoreCaption, scale, flags, words[1], caption, {ScoreInk, qRgb(0, 0, 0), true});
}

void letterSwitch(QImage &picture, Artwork::Switch which, bool checked, int scale)
{
    QPainter painter;
    beginOnPixels(painter, picture);
    const auto key = [&](const QRect &well, bool raised, const QString &word, int pixelSize, const Ink &label,
                         bool lit = false) {
        letter(painter, keyLabel(well, raised, lit), scale, Qt::AlignCenter, word, letteringFont(pixelSize), label);
    };
    const QStringList words = switchWords(which);
    if (which == Artwork::Switch::Go) {
        // Unchecked, the game is stopped and GO! stands ready; checked, STOP does.
        key(GoKey, !checked, words[0], GoPixelSize, checked ? PressedGo : RaisedGo);
        key(StopKey, checked, words[1], GoPixelSize, checked ? RaisedStop : PressedStop);
        return;
    }
    letter(painter, RockerTitle, scale, Qt::AlignCenter, words[0], letteringFont(RockerTitlePixelSize),
        {RockerTitleInk, RockerTitleRelief, false});
    // Unchecked, the left half is chosen: it lies flat and lit. Checked, the right one.
    const auto half = [&](const QRect &well, bool chosen, const QString &word) {
        key(well, !chosen, word, RockerPixelSize, chosen ? LitKey : UnlitKey, chosen);
    };
    half(LeftRockerKey, !checked, words[1]);
    half(RightRockerKey, checked, words[2]);
}

QFont plaqueFont(Face face, int pixelSize)
{
    QFont font = letteringFont(pixelSize);
    if (face == Face::Serif || face == Face::SerifItalic)
        font.setFamilies({serifFamily()});
    font.setBold(face == Face::Serif || face == Face::SansBold);
    font.setItalic(face == Face::SerifItalic);
    return font;
}

QStringList congratsWords()
{
    return {
        //: The game's name, painted large at the head of the new high score's window; about 10 capitals fit.
        QCoreApplication::translate("Inscriptions", "Tomelor!"),
        //: Painted below the game's name on the new high score's window; about 25 letters fit.
        QCoreApplication::translate("Inscriptions", "Congratulations!"),
        //: Painted below the congratulation; about 55 letters fit.
        QCoreApplication::translate("Inscriptions", "Your score has earned a place among the best."),
        //: Painted above the field where the player types three initials; about 35 letters fit.
        QCoreApplication::translate("Inscriptions", "Please enter your initials:"),
    };
}

void letterScoreBoard(QImage &board, Testament testament, int scale)
{
    QPainter painter;
    beginOnPixels(painter, board);
    letter(painter, testament == Testament::Old ? OldBoardTitle : NewBoardTitle, scale, Qt::AlignCenter,
        testamentName(testament), plaqueFont(Face::Serif, BoardTitlePixelSize), {PlaqueGold, PlaqueShadow, true});
}

void letterCongrats(QImage &backdrop, int scale)
{
    QPainter painter;
    beginOnPixels(painter, backdrop);
    const QStringList words = congratsWords();
    for (qsizetype i = 0; i < words.size(); ++i) {
        const PlaqueLine &line = CongratsLines[i];
        letter(painter, line.place, scale, Qt::AlignCenter, words[i], plaqueFont(line.face, line.pixelSize),
            {line.ink, PlaqueShadow, true});
    }
}

} // namespace Inscriptions
