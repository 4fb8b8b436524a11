#pragma once

#include "game/catalogue.h"
#include "game/cueplayer.h"
#include "look/artwork.h"

#include <QString>

// Where each asset lies inside assets/, which is also its path in the compiled-in resources (":/" + path).
// The asset generator writes to these paths and the program reads from them.
namespace AssetPaths {

inline QString bookcase()
{
    return QStringLiteral("pictures/bookcase.bmp");
}

inline QString panel()
{
    return QStringLiteral("pictures/panel.bmp");
}

// The one spine every book shares, lying, bare where its name goes (look/inscriptions.h).
inline QString spine()
{
    return QStringLiteral("pictures/books/spine.bmp");
}

inline QString switchPicture(Artwork::Switch which, bool checked)
{
    static const char *const names[] = {"go", "testament", "hints"};
    return QStringLiteral("pictures/switches/%1-%2.bmp")
        .arg(QLatin1String(names[int(which)]), checked ? QStringLiteral("checked") : QStringLiteral("unchecked"));
}

inline QString scoreBoard(Testament testament)
{
    return testament == Testament::Old ? QStringLiteral("pictures/scores-ot.bmp")
                                       : QStringLiteral("pictures/scores-nt.bmp");
}

inline QString congratsBackdrop()
{
    return QStringLiteral("pictures/congrats.bmp");
}

inline QString splash()
{
    return QStringLiteral("pictures/splash.bmp");
}

// The same picture drawn at twice the size, for screens of pixel ratio 2 and those between 1 and 2: a PNG file
// beside the ordinary one, with the key colour of a transparent picture already left out.
inline QString doubleSize(const QString &picture)
{
    return picture.left(picture.lastIndexOf(QLatin1Char('.'))) + QStringLiteral("@2x.png");
}

inline QString programIcon()
{
    return QStringLiteral("icons/tomelor.ico");
}

// The sizes of the icon in the desktop's icon theme, each drawn at that size into a PNG file of its own.
inline constexpr int ThemeIconSizes[] { 16, 32, 48, 64, 128, 256 };

inline QString themeIcon(int size)
{
    return QStringLiteral("icons/tomelor-%1.png").arg(size);
}

// The icon as a drawing, for the icon theme's scalable size.
inline QString scalableIcon()
{
    return QStringLiteral("icons/tomelor.svg");
}

inline QString cue(Cue cue)
{
    switch (cue) {
    case Cue::CueCorrect:
        return QStringLiteral("sounds/correct.wav");
    case Cue::CueWrong:
        return QStringLiteral("sounds/wrong.wav");
    case Cue::CueTimeOut:
        break;
    }
    return QStringLiteral("sounds/timeout.wav");
}

} // namespace AssetPaths
