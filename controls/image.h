#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

// A picture control: draws its picture at natural size from its top-left corner, never scaled. A transparent
// picture leaves out every pixel of the colour of its lower-left pixel, so whatever lies beneath shows through.
class TImage : public QWidget
{
    Q_OBJECT

public:
    explicit TImage(QWidget *parent = nullptr);

    const QImage &Picture() const { return m_picture; }
    void setPicture(const QImage &picture);

    bool Transparent() const { return m_transparent; }
    void setTransparent(bool transparent);

    int Tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

    // Whether anything listens for clicks: such a picture is something the player presses, not decoration.
    bool isClickable() const;
    // Reports a left click, for keyboard and assistive tools.
    void click() { emit clicked(this); }

    // The colour left out when drawing transparently, read from the whole picture (also where the frame cuts it).
    static QColor keyColor(const QImage &picture);

signals:
    // A left click: press and release on the picture.
    void clicked(TImage *sender);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void rebuildPixmap();

    QImage m_picture;
    QPixmap m_pixmap;
    bool m_transparent = false;
    int m_tag = 0;
};
