#include "controls/ratiopicture.h"

#include "controls/keycolour.h"

#include <cmath>
#include <utility>

RatioPicture::RatioPicture(std::function<QImage()> source, bool keyed)
    : m_source(std::move(source))
    , m_keyed(keyed)
{
}

const QImage &RatioPicture::forRatio(qreal ratio)
{
    if (m_source) {
        QImage larger = std::exchange(m_source, nullptr)();
        m_larger = m_keyed ? keyed(std::move(larger)) : std::move(larger);
        m_larger.setDevicePixelRatio(2);
    }
    if (m_larger.isNull() || ratio >= 2)
        return m_larger;
    if (ratio != m_shownRatio) {
        // Drawn down from twice the size, every pixel of the screen is a blend of the larger picture's pixels;
        // the transparent ones of a keyed picture blend into the window, never into the key colour.
        const QSizeF size = m_larger.deviceIndependentSize() * ratio;
        m_shown = m_larger.scaled(
            QSize(int(std::lround(size.width())), int(std::lround(size.height()))), Qt::IgnoreAspectRatio,
            Qt::SmoothTransformation);
        m_shown.setDevicePixelRatio(ratio);
        m_shownRatio = ratio;
    }
    return m_shown;
}

QImage RatioPicture::keyed(QImage picture)
{
    // Premultiplied is the form the screen takes, so painting needs no conversion; an opaque pixel reads the same
    // either way. A picture converted when the program was built comes keyed already: its key is the fully
    // transparent pixel, and it is drawn as it is, without a copy.
    constexpr QImage::Format screenFormat = QImage::Format_ARGB32_Premultiplied;
    if (picture.format() == screenFormat && picture.pixel(0, picture.height() - 1) == qRgba(0, 0, 0, 0))
        return picture;
    return withKeyColourCleared(std::move(picture), screenFormat);
}
