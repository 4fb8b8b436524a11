#pragma once

#include "controls/ratiopicture.h"

#include <QImage>
#include <QWidget>

#include <functional>

// A picture control: draws its picture at natural size from its top-left corner, never scaled. A transparent
// picture leaves out every pixel of the colour of its lower-left pixel, so whatever lies beneath shows through.
class TImage : public QWidget
{
    Q_OBJECT

public:
    explicit TImage(QWidget *parent = nullptr);

    // A picture given by its source is made the first time it is painted or asked for.
    const QImage &Picture() const;
    // `doubleSize` gives the same picture drawn at twice the size, for screens of a pixel ratio above 1; it is
    // read only when such a screen shows the picture. Without it the picture is blown up there.
    void setPicture(const QImage &picture, std::function<QImage()> doubleSize = {});
    // Decoding a picture costs more than anything else in building a window, and many pictures wait hidden
    // (the books in the pile, the other testament's shelf), so they need not cost anything before they are seen.
    void setPictureSource(std::function<QImage()> source, std::function<QImage()> doubleSize = {});
    // A picture given by its source lets go of what was made from it (a window that closes need not hold its
    // pictures); it is made again when next painted or asked for. A picture given as such is kept.
    void releasePicture();

    bool Transparent() const { return m_transparent; }
    void setTransparent(bool transparent);

    int Tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

    // Whether anything listens for clicks: such a picture is something the player presses, not decoration.
    bool isClickable() const;
    // A picture of a heading reads as a heading, its accessible name its text.
    bool isHeading() const { return m_heading; }
    void setHeading(bool heading) { m_heading = heading; }
    // Reports a left click, for keyboard and assistive tools.
    void click() { emit clicked(this, false); }

    // The colour left out when drawing transparently, read from the whole picture (also where the frame cuts it).
    static QColor keyColor(const QImage &picture);

signals:
    // A left click: press and release on the picture. `secondOfDoubleClick` tells that the press came soon after
    // and close to the last one, as the second of a double click: whoever listens decides whether the player meant
    // a new click (the picture under the pointer may have changed since) or the first one again.
    void clicked(TImage *sender, bool secondOfDoubleClick);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    // Space or Enter on a picture that has the keyboard and answers clicks acts as a click on it.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void refreshShown();
    void makeShown() const;
    void makeShownFromSource() const;
    void setDoubleSize(std::function<QImage()> source);

    // Filled from the source on first use, which may come through the const Picture(). A transparent picture
    // keeps its source and only its keyed copy once painted, so that it is not held in memory twice.
    std::function<QImage()> m_source;
    bool m_heading = false;
    mutable QImage m_picture;
    // The picture as painted: the picture itself, or a copy with the key colour left out.
    mutable QImage m_shown;
    std::function<QImage()> m_doubleSizeSource;
    RatioPicture m_doubleSize;
    bool m_transparent = false;
    int m_tag = 0;
    // The button is down for the second press of a double click, as Qt or the last press says.
    bool m_doubleClickPress = false;
};
