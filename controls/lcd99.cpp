#include "controls/lcd99.h"

#include "controls/accessibility.h"

#include "controls/lcdcanvas.h"

#include <QAccessible>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <utility>

TLCD99::TLCD99(QWidget *parent)
    : QWidget(parent)
    , m_frameTimer(new QTimer(this))
{
    describeControlsToAssistiveTools();
    // Every paint covers the whole control, so there is no background for Qt to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(92, 34);
    m_frameTimer->setSingleShot(true);
    m_frameTimer->setTimerType(Qt::PreciseTimer);
    connect(m_frameTimer, &QTimer::timeout, this, &TLCD99::nextFrame);
}

void TLCD99::setValue(const QString &value)
{
    // Compared before normalising: "abc" over a stored "ABC" notifies and repaints, though no cell changes.
    if (value == m_value)
        return;
    const QString oldValue = std::exchange(m_value, Lcd::normalisedValue(value));
    emit OnChange(this, oldValue, m_value);
    if (m_announcesValue) {
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
    m_animate = true;
    update();
}

void TLCD99::paintEvent(QPaintEvent *)
{
    // While an animation runs, its frames come from the timer; a paint in between shows the picture so far.
    if (!m_isPainting)
        Paint();
    QPainter painter(this);
    if (!pictureFits())
        painter.fillRect(rect(), QColor(m_color.rgb()));
    if (!m_picture.isNull())
        painter.drawImage(QPointF(0, 0), m_picture);
}

void TLCD99::Paint()
{
    m_isPainting = true;
    m_drewCells = false;
    m_paintClock.start();
    m_paintedValue = m_value;
    if (!pictureFits()) {
        // The picture has the pixels of the screen, so that the segments are drawn at its resolution.
        const qreal ratio = devicePixelRatio();
        const QSize pixels(int(std::ceil(width() * ratio)), int(std::ceil(height() * ratio)));
        m_picture = size().isEmpty() ? QImage() : QImage(pixels, QImage::Format_RGB32);
        m_picture.setDevicePixelRatio(ratio);
        m_pictureCurrent = false;
    }
    const int kind = animationKind();

    bool animating;
    if (m_value.isEmpty()) {
        // Going blank, every cell is built up afresh over the bare background.
        clearPicture();
        m_pictureCurrent = true;
        setTexts(QString(), m_lastDrawn);
        animating = DrawDigits(m_animate ? kind : 0, m_animate ? m_animationDelay : 0, Scope::AllCells);
    } else {
        if (!m_pictureCurrent) {
            clearPicture();
            setTexts(m_lastDrawn, QString());
            DrawDigits(0, 0, Scope::AllCells);
            m_pictureCurrent = true;
        }
        setTexts(m_value, m_lastDrawn);
        const qint64 budget = std::max<qint64>(0, m_animationDelay - m_paintClock.elapsed());
        animating = DrawDigits(m_animate ? kind : 0, m_animate ? budget : 0, Scope::ChangedCells);
    }
    if (!animating)
        finishPaint();
}

bool TLCD99::pictureFits() const
{
    if (size().isEmpty())
        return m_picture.isNull();
    return m_picture.devicePixelRatio() == devicePixelRatio()
        && m_picture.size() == QSize(int(std::ceil(width() * m_picture.devicePixelRatio())),
                                     int(std::ceil(height() * m_picture.devicePixelRatio())));
}

int TLCD99::animationKind()
{
    switch (m_animation) {
    case anSpiral:
    case anUp:
    case anDown:
    case anLeft:
    case anRight:
        return int(m_animation);
    case anRandom:
        return int(m_random->bounded(1, Lcd::AnimationKinds + 1));
    case anNone:
        break;
    }
    return 0;
}

void TLCD99::clearPicture()
{
    if (!m_picture.isNull())
        m_picture.fill(QColor(m_color.rgb()));
}

void TLCD99::setTexts(const QString &newText, const QString &oldText)
{
    m_newText = Lcd::SplitValue(newText);
    m_oldText = Lcd::SplitValue(oldText);
}

bool TLCD99::DrawDigits(int kind, qint64 delay, Scope scope)
{
    m_layout = Lcd::cellLayout(
        { width(), height(), m_digitNum, m_digitSpacing, m_segmentSize, m_dotSpacing, m_gapX, m_gapY, m_dotDisplay });
    if (m_picture.isNull() || !m_layout.drawable)
        return false;
    m_cells = Lcd::visibleCells(m_layout, width());
    m_scope = scope;
    m_kind = kind;

    LcdCanvas canvas(m_picture);
    drawDecimalPoints(canvas);
    // Seven waits spread what is left of the delay over the eight frames.
    m_frameWait = std::max<qint64>(0, (delay - m_paintClock.elapsed()) / (Lcd::FrameCount - 1));
    if (kind != 0 && m_frameWait > 0) {
        m_frame = 1;
        m_carry = 0;
        m_frameStart = m_paintClock.elapsed();
        drawFrame(canvas, m_frame);
        scheduleFrame();
        return true;
    }
    for (int frame = 1; frame <= Lcd::FrameCount; ++frame)
        drawFrame(canvas, frame);
    return false;
}

void TLCD99::drawDecimalPoints(LcdCanvas &canvas)
{
    for (Lcd::Coord position = m_cells.first; position <= m_cells.last; ++position) {
        const QChar dot = Lcd::paddedAt(m_newText.dots, m_layout.digitNum, position);
        if (m_scope == Scope::ChangedCells && dot == Lcd::paddedAt(m_oldText.dots, m_layout.digitNum, position))
            continue;
        canvas.drawDecimalPoint(m_layout, position, dot == u'.' ? m_onColor : m_offColor);
        m_drewCells = true;
    }
}

void TLCD99::drawFrame(LcdCanvas &canvas, int frame)
{
    const int segment = Lcd::segmentOfFrame(m_kind, frame);
    for (Lcd::Coord cell = m_cells.first; cell <= m_cells.last; ++cell) {
        const QChar character = Lcd::paddedAt(m_newText.digits, m_layout.digitNum, cell);
        if (m_scope == Scope::ChangedCells && character == Lcd::paddedAt(m_oldText.digits, m_layout.digitNum, cell))
            continue;
        const Lcd::Glyph glyph = Lcd::glyphOf(character);
        canvas.drawSegment(
            m_layout, segment, cell, glyph.index, Lcd::segmentLit(glyph, segment) ? m_onColor : m_offColor);
        m_drewCells = true;
    }
    // Smoothed edges drawn over the old digit leave its outline showing through; once the last frame is drawn,
    // the changed cells are drawn once more on a clear ground.
    if (frame == Lcd::FrameCount && canvas.smoothed())
        redrawChangedCells(canvas);
}

void TLCD99::redrawChangedCells(LcdCanvas &canvas)
{
    for (Lcd::Coord cell = m_cells.first; cell <= m_cells.last; ++cell) {
        const QChar character = Lcd::paddedAt(m_newText.digits, m_layout.digitNum, cell);
        if (m_scope == Scope::ChangedCells && character == Lcd::paddedAt(m_oldText.digits, m_layout.digitNum, cell))
            continue;
        canvas.clearCell(m_layout, cell, m_color);
        const Lcd::Glyph glyph = Lcd::glyphOf(character);
        for (int segment = 1; segment <= Lcd::SegmentCount; ++segment) {
            canvas.drawSegment(
                m_layout, segment, cell, glyph.index, Lcd::segmentLit(glyph, segment) ? m_onColor : m_offColor);
        }
    }
    for (Lcd::Coord position = m_cells.first; position <= m_cells.last; ++position) {
        const bool dot = Lcd::paddedAt(m_newText.dots, m_layout.digitNum, position) == u'.';
        canvas.drawDecimalPoint(m_layout, position, dot ? m_onColor : m_offColor);
    }
}

void TLCD99::scheduleFrame()
{
    // What one frame overran is taken off the next wait, so the frames keep their pace.
    m_wait = m_frameWait - m_carry;
    const qint64 spent = m_paintClock.elapsed() - m_frameStart;
    m_frameTimer->start(int(std::max<qint64>(0, m_wait - spent)));
}

void TLCD99::nextFrame()
{
    const qint64 waited = m_paintClock.elapsed() - m_frameStart;
    if (waited < m_wait) {
        m_frameTimer->start(int(m_wait - waited));
        return;
    }
    m_carry = std::min(waited - m_wait, m_frameWait);
    ++m_frame;
    m_frameStart = m_paintClock.elapsed();
    {
        LcdCanvas canvas(m_picture);
        drawFrame(canvas, m_frame);
    }
    update();
    if (m_frame < Lcd::FrameCount)
        scheduleFrame();
    else
        finishPaint();
}

void TLCD99::finishPaint()
{
    m_lastDrawn = m_value;
    // A change of Value, of another property or of the size while the frames ran is drawn by one more paint.
    if (m_value != m_paintedValue || !pictureFits())
        m_pictureCurrent = false;
    m_animate = false;
    m_isPainting = false;
    // A paint that found nothing to draw, such as the one showing the end of an animation, keeps the duration of
    // the painting it shows.
    if (m_drewCells)
        m_paintDuration = quint32(m_paintClock.elapsed());
    if (!m_pictureCurrent)
        update();
}
