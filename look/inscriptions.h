#pragma once

#include "game/catalogue.h"
#include "look/artwork.h"

#include <QFont>
#include <QImage>
#include <QRect>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QtGui/qrgb.h>

// The words on the pictures: the books' names on their spines, the panel's captions and the switches' labels.
// The asset generator draws each picture bare where its words go, in the places given here; the program letters
// them when it makes the picture, in the player's language and in the bundled font, laid out for the picture's
// own size. So a language needs no pictures of its own, and a picture twice the size gets text drawn for its
// pixels, not blown up.
namespace Inscriptions {

// One rule for every word that is wider than its place: its letters are narrowed, in steps, down to
// MinimumStretch of their width with their height kept, so that it sits in the same band as every other word of
// its kind; only a word that still does not fit is made smaller as well.
inline constexpr int StretchStep = 5;
inline constexpr int MinimumStretch = 75;

// The font of a word in a place `width` pixels wide, from the word's ordinary font.
QFont fitted(const QFont &font, const QString &word, int width);
// The font of a word in its place on a picture `scale` times its size, from its font and its place at the
// picture's ordinary size.
QFont placed(QFont font, const QString &word, const QRectF &place, int scale);
// The bundled sans serif as the pictures letter it, at a size in pixels.
QFont letteringFont(int pixelSize);

// A book's spine lying down (Board::LyingBookSize): its name goes between the raised bands near the ends, centred
// in a band of TitleWidth, in TitlePixelSize at the picture's own size. Everything outside the band is the same
// on every spine.
inline constexpr int TitleLeft = 14;
inline constexpr int TitleWidth = 92;
inline constexpr int TitlePixelSize = 10;
inline constexpr QRgb TitleInk = qRgb(246, 226, 164);
inline constexpr QRgb TitleShadow = qRgb(38, 8, 12);

// The bare spine, `scale` times its size, with the name of the book in the player's language.
QImage letteredSpine(const QImage &bare, Testament testament, int tag, int scale);
// The font the name takes on a spine `scale` times its size.
QFont spineFont(const QString &name, int scale);

// The display panel's captions: VALUE beside the value display, SCORE before the arrow that points to the score
// display.
inline constexpr QRect ValueCaption {110, 22, 84, 21};
inline constexpr QRect ScoreCaption {110, 51, 64, 20};
inline constexpr int ScoreArrowLeft = 178;
inline constexpr int CaptionPixelSize = 13;
inline constexpr double CaptionSpacing = 1.5;
inline constexpr QRgb ValueInk = qRgb(120, 232, 232);
inline constexpr QRgb ScoreInk = qRgb(160, 238, 110);
// The captions' font: capitals spaced a little apart.
QFont captionFont();

// The panel's captions in the player's language, VALUE then SCORE.
QStringList panelWords();
// The panel `scale` times its size, with its captions.
void letterPanel(QImage &panel, int scale);

// The switches: each key sits in a well; a raised key stands proud of it (its face above its visible side), a
// pressed one lies flat, sunk by two pixels. Their labels go on the faces; the small switches' titles above them.
inline constexpr QRect GoKey {11, 3, 108, 37};
inline constexpr QRect StopKey {11, 42, 108, 37};
inline constexpr int GoPixelSize = 24;
inline constexpr QRect RockerTitle {0, 2, 78, 16};
inline constexpr int RockerTitlePixelSize = 10;
inline constexpr QRgb RockerTitleInk = qRgb(16, 30, 32);
inline constexpr QRgb RockerTitleRelief = qRgb(120, 232, 232);
inline constexpr QRect LeftRockerKey {5, 20, 33, 21};
inline constexpr QRect RightRockerKey {37, 20, 40, 21};
inline constexpr int RockerPixelSize = 11;
inline constexpr int KeySide = 4;

inline QRectF keyFace(const QRect &well, bool raised)
{
    const QRectF inner = QRectF(well).adjusted(1.5, 1.5, -1.5, -1.5);
    return raised ? inner.adjusted(0, 0, 0, -KeySide) : inner.adjusted(0, 2, 0, 0);
}
// Where a key's label goes: on its face, a pixel clear of its sides and, on a lit key, above its lamp.
QRectF keyLabel(const QRect &well, bool raised, bool lit = false);

// How a word is lettered: its ink, and a relief one pixel off (to the right and down, or down only).
struct Ink
{
    QRgb ink;
    QRgb relief;
    bool reliefRight;
};

// GO! and STOP: white on green and on red, a little dimmed on the key that lies pressed.
inline constexpr QRgb GoFace = qRgb(72, 196, 92);
inline constexpr QRgb StopFace = qRgb(214, 66, 56);
inline constexpr Ink RaisedGo {qRgb(255, 255, 255), qRgb(32, 88, 41), true};
inline constexpr Ink PressedGo {qRgb(230, 240, 232), qRgb(22, 58, 27), true};
inline constexpr Ink RaisedStop {qRgb(255, 255, 255), qRgb(96, 30, 25), true};
inline constexpr Ink PressedStop {qRgb(241, 230, 229), qRgb(63, 20, 17), true};

// The small switches: the chosen half lies flat and is lit from within, the half that answers a press stands
// raised and unlit, so that the choice reads at a glance however the raised and flat halves are taken.
inline constexpr QRgb LitKeyFace = qRgb(255, 196, 70);
inline constexpr QRgb UnlitKeyFace = qRgb(196, 192, 180);
inline constexpr Ink LitKey {qRgb(58, 30, 0), qRgb(255, 236, 176), false};
inline constexpr Ink UnlitKey {qRgb(44, 42, 38), qRgb(232, 230, 222), false};
// The lamp's strip along the lower edge of a lit face, which its label stays above.
inline constexpr int LampHeight = 3;

// A switch's words in the player's language: GO! and STOP; or the title, then the left and the right half.
QStringList switchWords(Artwork::Switch which);
// A switch's picture `scale` times its size, with its labels.
void letterSwitch(QImage &picture, Artwork::Switch which, bool checked, int scale);

// The score dialogs' plaques of dark wood with a gilt rule: each High Scores board's title above its rows; the New
// High Score backdrop's name of the game, its congratulation, what for, and the prompt above the initials field.
// Each line is centred in a place clear of the gilt rule, in the serif or the sans, gold or cream over a dark
// shadow one pixel off.
inline constexpr QRgb PlaqueGold = qRgb(232, 196, 112);
inline constexpr QRgb PlaqueCream = qRgb(246, 234, 206);
inline constexpr QRgb PlaqueShadow = qRgb(40, 22, 10);
inline constexpr QRect OldBoardTitle {14, 12, 271, 44};
inline constexpr QRect NewBoardTitle {14, 10, 270, 44};
inline constexpr int BoardTitlePixelSize = 28;

enum class Face { Serif, SerifItalic, Sans, SansBold };
struct PlaqueLine
{
    QRect place;
    Face face;
    int pixelSize;
    QRgb ink;
};
inline constexpr PlaqueLine CongratsLines[] {
    {{14, 10, 346, 44}, Face::Serif, 32, PlaqueGold},
    {{14, 58, 346, 30}, Face::SerifItalic, 22, PlaqueCream},
    {{14, 90, 346, 22}, Face::Sans, 13, PlaqueCream},
    {{14, 132, 346, 24}, Face::SansBold, 14, PlaqueGold},
};

// The plaques' lettering in one of their faces, at a size in pixels.
QFont plaqueFont(Face face, int pixelSize);

// The backdrop's words in the player's language, one for each of CongratsLines.
QStringList congratsWords();
// A board `scale` times its size, with its testament's name.
void letterScoreBoard(QImage &board, Testament testament, int scale);
// The backdrop `scale` times its size, with its words.
void letterCongrats(QImage &backdrop, int scale);

// The splash's words (its art's pieces in look/splashart.h): what the game is about, in two lines under its
// title; the upright Bible's name in two lines on its cover, in gilt; the stacked books' names along their spines,
// in gilt; the opening verses of the first book, faded on the sheet round a drop capital and cut where the sheet's
// area ends. All in the bundled serif, as the title, which stays the game's name in every language.
// The two lines under the title, the name on the cover's two lines, the three spines' names from the top down,
// then the verses.
QStringList splashWords();
// The splash `scale` times its size, with its words.
void letterSplash(QImage &splash, int scale);

} // namespace Inscriptions
