#pragma once

#include <QImage>

#include <functional>

// The picture to draw on a screen of a pixel ratio above 1: the same picture drawn at twice the size, used as it
// is at ratio 2 and drawn down smoothly for ratios between 1 and 2. It is read the first time such a screen asks
// for it, so that on an ordinary screen it costs nothing.
class RatioPicture
{
public:
    RatioPicture() = default;
    // With `keyed`, the larger picture's key colour (that of its lower-left pixel) is left out, as the ordinary
    // picture's is when drawn transparently.
    RatioPicture(std::function<QImage()> source, bool keyed);

    bool isNull() const { return !m_source && m_larger.isNull(); }

    // For a device of pixel ratio `ratio` above 1, with the device pixel ratio set, so that it covers what the
    // ordinary picture covers; empty when there is no larger picture.
    const QImage &forRatio(qreal ratio);

    // The picture with every pixel of the colour of its lower-left pixel fully transparent, premultiplied as the
    // screen takes it. A picture handed over (moved) is keyed where it lies.
    static QImage keyed(QImage picture);

private:
    std::function<QImage()> m_source;
    bool m_keyed = false;
    QImage m_larger;
    QImage m_shown;
    qreal m_shownRatio = 0;
};
