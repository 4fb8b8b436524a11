#pragma once

#include "look/artwork.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <functional>

class QWidget;
class TImage;
class TMGCheckbox;

// How the main window's switches and pictures are made: a switch from its place, its zones and its pictures; a
// picture from its frame and the drawing of it at a given scale.

// A switch's place on the panel and the zone that answers in each state, both bounds inclusive.
struct SwitchLayout
{
    QPoint at;
    QRect uncheckedZone; // left, top, right, bottom
    QRect checkedZone;
};

TMGCheckbox *createSwitch(QWidget *parent, const char *name, const SwitchLayout &layout, Artwork::Switch which);

enum class Start { Shown, Hidden };

// A picture hidden at the start is decoded when it is first shown; the others are decoded at once, so that the
// window's first paint does nothing but paint. The picture at twice the size waits for a screen that needs it.
TImage *createPicture(QWidget *parent, const QString &name, const QRect &frame,
                      const std::function<QImage(int scale)> &picture, Start start = Start::Shown);
