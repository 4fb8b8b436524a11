#include "look/inscriptions.h"

#include "look/gamefont.h"
#include "look/splashart.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>

#include <cmath>

namespace Inscriptions {

namespace {

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

// The title art's serif as its pictures letter it.
QFont titleArtLettering(int pixelSize, bool italic = false)
{
    QFont font = titleArtFont(pixelSize, italic);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(
        QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias | QFont::NoFontMerging));
    return font;
}

// Words with a relief `offset` away (by default one pixel to the right and down), in the painter's own coordinates;
// the relief goes first.
void inscribe(QPainter &painter, const QRectF &box, int flags, const QString &text, QRgb ink, QRgb relief,
    QPointF offset = {1, 1})
{
    painter.setPen(QColor(relief));
    painter.drawText(box.translated(offset), flags, text);
    painter.setPen(QColor(ink));
    painter.drawText(box, flags, text);
}

// A word in its place, laid out in the font at the picture's own size, so that a picture drawn twice the size gets
// glyphs hinted for its pixels. The relief lies one of the picture's pixels off.
void letter(QPainter &painter, const QRectF &place, int scale, int flags, const QString &word, const QFont &font,
    const Ink &label)
{
    painter.setFont(placed(font, word, place, scale));
    inscribe(painter, QRectF(place.topLeft() * scale, place.size() * scale).toAlignedRect(), flags, word, label.ink,
        label.relief, QPointF(label.reliefRight ? scale : 0, scale));
}

// The verses, their first letter a capital two lines high, the rest flowing round it line by line for as long as
// the area has room.
void letterVerses(QPainter &painter, const QString &verses)
{
    const QRectF area = SplashArt::VerseArea;
    const QFont capital = titleArtLettering(SplashArt::CapitalPixelSize);
    painter.setFont(capital);
    const int capitalWidth = QFontMetrics(capital).horizontalAdvance(verses.left(1));
    painter.setPen(QColor(SplashArt::TitleInk));
    painter.drawText(
        QRectF(area.left(), area.top() - 4, capitalWidth + 2, 32), Qt::AlignLeft | Qt::AlignTop, verses.left(1));
    const QFont font = titleArtLettering(SplashArt::VersePixelSize, true);
    painter.setFont(font);
    painter.setPen(QColor(SplashArt::VerseInk));
    const QFontMetrics metrics(font);
    const int lineHeight = metrics.height();
    QStringList words = verses.mid(1).split(QLatin1Char(' '));
    double y = area.top();
    int line = 0;
    while (!words.isEmpty() && y + lineHeight <= area.bottom()) {
        const double left = area.left() + (line < 2 ? capitalWidth + 3 : 0);
        QString text;
        while (!words.isEmpty()) {
            const QString candidate = text.isEmpty() ? words.first() : text + QLatin1Char(' ') + words.first();
            if (metrics.horizontalAdvance(candidate) > area.right() - left && !text.isEmpty())
                break;
            text = candidate;
            words.removeFirst();
        }
        painter.drawText(QRectF(left, y, area.right() - left, lineHeight), Qt::AlignLeft, text);
        y += lineHeight;
        ++line;
    }
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

QStringList splashWords()
{
    return {
        //: The first line of what the game is about, in italics under its name on the title picture; about 22
        //: letters fit. Together with the next line: "the books of the Bible in their order".
        QCoreApplication::translate("Splash", "the books of the Bible"),
        //: The second line under the game's name on the title picture; about 22 letters fit.
        QCoreApplication::translate("Splash", "in their order"),
        //: The first line of the name in gilt on the cover of a Bible standing upright on the title picture; about
        //: 6 capitals fit.
        QCoreApplication::translate("Splash", "HOLY"),
        //: The second line of the name on the upright Bible's cover; about 6 capitals fit.
        QCoreApplication::translate("Splash", "BIBLE"),
        //: The book's name in gilt on the spine of a book lying in a pile on the title picture; about 9 capitals fit.
        QCoreApplication::translate("Splash", "PSALMS"),
        //: The book's name on the spine of a book lying in the pile on the title picture; about 9 capitals fit.
        QCoreApplication::translate("Splash", "GENESIS"),
        //: The book's name on the spine of a book lying in the pile on the title picture; about 9 capitals fit.
        QCoreApplication::translate("Splash", "ISAIAH"),
        //: The first two verses of Genesis, faded on an old page of the title picture; as the Bible of the language
        //: words them. Only the first six lines or so show.
        QCoreApplication::translate("Splash",
            "In the beginning God created the heaven and the earth. And the earth was without form, and void; and "
            "darkness was upon the face of the deep. And the Spirit of God moved upon the face of the waters."),
    };
}

void letterSplash(QImage &splash, int scale)
{
    const QStringList words = splashWords();
    QPainter painter;
    beginOnPixels(painter, splash);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.scale(scale, scale);
    painter.translate(-SplashArt::ArtOrigin);

    const QRectF band = SplashArt::TitleBand;
    for (int line = 0; line < 2; ++line) {
        painter.setFont(fitted(titleArtLettering(SplashArt::AboutPixelSize, true), words[line], int(band.width())));
        painter.setPen(QColor(SplashArt::AboutInk));
        painter.drawText(QRectF(band.left(), SplashArt::AboutTop + line * SplashArt::AboutLine, band.width(),
                             SplashArt::AboutHeight),
            Qt::AlignCenter, words[line]);
    }

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.translate(SplashArt::UprightCorner);
    painter.rotate(std::atan(SplashArt::UprightLean) * 180 / M_PI);
    // Each line within the inner rule of the frame, narrowed if it must be.
    const QRectF frame = SplashArt::UprightFrame;
    for (int line = 0; line < 2; ++line) {
        painter.setFont(fitted(titleArtLettering(12), words[2 + line], int(frame.width()) - 8));
        inscribe(painter,
            QRectF(frame.left(), SplashArt::UprightNameTop + line * SplashArt::UprightNameLine, frame.width(),
                SplashArt::UprightNameHeight),
            Qt::AlignCenter, words[2 + line], SplashArt::Gilt, SplashArt::UprightRelief);
    }
    painter.restore();

    // Along the slant of each spine, in the middle of its height.
    const double angle = std::atan2(SplashArt::Along.y(), SplashArt::Along.x());
    const double length = std::hypot(SplashArt::Along.x(), SplashArt::Along.y());
    int title = 4;
    for (const SplashArt::StackBook &book : SplashArt::Stack) {
        if (!book.titled)
            continue;
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.translate(book.left, book.top);
        painter.rotate(angle * 180 / M_PI);
        painter.setFont(fitted(titleArtLettering(int(book.thickness * 0.5)), words[title], int(length) - 32));
        // Pressed into the cloth: the relief is the cloth darkened.
        const auto darkened = [](int channel) { return int(std::lround(channel * 0.4)); };
        const QRgb relief = qRgb(darkened(qRed(book.cloth)), darkened(qGreen(book.cloth)), darkened(qBlue(book.cloth)));
        inscribe(painter, QRectF(14, 0, length - 28, book.thickness * std::cos(angle)), Qt::AlignCenter, words[title++],
            SplashArt::Gilt, relief);
        painter.restore();
    }

    letterVerses(painter, words[7]);
}

} // namespace Inscriptions
