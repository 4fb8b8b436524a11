#pragma once

#include "controls/lcdgeometry.h"
#include "controls/lcdtext.h"

#include <QColor>
#include <QElapsedTimer>
#include <QImage>
#include <QPointer>
#include <QRandomGenerator>
#include <QString>
#include <QWidget>

class LcdCanvas;
class QTimer;

// A seven-segment display: shows a short text as a row of digit cells, lit segments in OnColor and unlit ones in
// OffColor over the background Color. A change of Value redraws only the cells whose character changed, and can
// be animated segment by segment.
class TLCD99 : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(TLCDAnimation Animation READ Animation WRITE setAnimation)
    Q_PROPERTY(int AnimationDelay READ AnimationDelay WRITE setAnimationDelay)
    Q_PROPERTY(QColor Color READ Color WRITE setColor)
    Q_PROPERTY(int DigitNum READ DigitNum WRITE setDigitNum)
    Q_PROPERTY(int DigitSpacing READ DigitSpacing WRITE setDigitSpacing)
    Q_PROPERTY(bool DotDisplay READ DotDisplay WRITE setDotDisplay)
    Q_PROPERTY(int DotSpacing READ DotSpacing WRITE setDotSpacing)
    Q_PROPERTY(bool DoubleBuffer READ DoubleBuffer WRITE setDoubleBuffer)
    Q_PROPERTY(int GapX READ GapX WRITE setGapX)
    Q_PROPERTY(int GapY READ GapY WRITE setGapY)
    Q_PROPERTY(QColor OffColor READ OffColor WRITE setOffColor)
    Q_PROPERTY(QColor OnColor READ OnColor WRITE setOnColor)
    Q_PROPERTY(bool Preview READ Preview WRITE setPreview)
    Q_PROPERTY(int SegmentSize READ SegmentSize WRITE setSegmentSize)
    Q_PROPERTY(QString Value READ Value WRITE setValue)
    Q_PROPERTY(bool IsPainting READ IsPainting)
    Q_PROPERTY(quint32 PaintDuration READ PaintDuration)

public:
    enum TLCDAnimation { anNone, anSpiral, anUp, anDown, anLeft, anRight, anRandom };
    Q_ENUM(TLCDAnimation)

    explicit TLCD99(QWidget *parent = nullptr);

    // The stored text: upper-cased, emptied when it holds a character the display cannot show, one trailing
    // point dropped. Setting a text unequal to the stored one (compared before normalising) notifies OnChange
    // and animates the change at the next paint.
    const QString &Value() const { return m_value; }
    void setValue(const QString &value);
    // Whether a change of Value is announced to screen readers (on by default). A display that changes many times
    // a second would drown everything else a screen reader says; it can still be read when asked for.
    bool AnnouncesValue() const { return m_announcesValue; }
    void setAnnouncesValue(bool announces) { m_announcesValue = announces; }
    // Whether screen readers hear the shown text after the display's accessible name, as in "Score: 1200" (on by
    // default). Off, the name is all they hear: for a display whose owner names it in full.
    bool NamesValue() const { return m_namesValue; }
    void setNamesValue(bool names) { m_namesValue = names; }
    // What labels the display for screen readers, such as the heading of the column it stands in; none by default.
    QWidget *LabelledBy() const { return m_labelledBy; }
    void setLabelledBy(QWidget *label) { m_labelledBy = label; }

    // Animation settings take effect at the next change of Value; they request no repaint.
    TLCDAnimation Animation() const { return m_animation; }
    void setAnimation(TLCDAnimation animation) { m_animation = animation; }
    int AnimationDelay() const { return m_animationDelay; }
    void setAnimationDelay(int milliseconds) { m_animationDelay = milliseconds; }
    // Where anRandom draws its kind, one draw per paint: Qt's global generator unless set otherwise.
    void setRandomSource(QRandomGenerator *generator) { m_random = generator; }

    QColor Color() const { return m_color; }
    void setColor(const QColor &color) { setDrawingProperty(m_color, color); }
    int DigitNum() const { return m_digitNum; }
    void setDigitNum(int digitNum) { setDrawingProperty(m_digitNum, digitNum); }
    int DigitSpacing() const { return m_digitSpacing; }
    void setDigitSpacing(int digitSpacing) { setDrawingProperty(m_digitSpacing, digitSpacing); }
    bool DotDisplay() const { return m_dotDisplay; }
    void setDotDisplay(bool dotDisplay) { setDrawingProperty(m_dotDisplay, dotDisplay); }
    int DotSpacing() const { return m_dotSpacing; }
    void setDotSpacing(int dotSpacing) { setDrawingProperty(m_dotSpacing, dotSpacing); }
    // Qt builds every widget's picture off-screen already, so this changes nothing that can be seen.
    bool DoubleBuffer() const { return m_doubleBuffer; }
    void setDoubleBuffer(bool doubleBuffer) { setDrawingProperty(m_doubleBuffer, doubleBuffer); }
    int GapX() const { return m_gapX; }
    void setGapX(int gapX) { setDrawingProperty(m_gapX, gapX); }
    int GapY() const { return m_gapY; }
    void setGapY(int gapY) { setDrawingProperty(m_gapY, gapY); }
    QColor OffColor() const { return m_offColor; }
    void setOffColor(const QColor &color) { setDrawingProperty(m_offColor, color); }
    QColor OnColor() const { return m_onColor; }
    void setOnColor(const QColor &color) { setDrawingProperty(m_onColor, color); }
    // Animates every paint while the control is shown in a form designer; there is none here.
    bool Preview() const { return m_preview; }
    void setPreview(bool preview) { setDrawingProperty(m_preview, preview); }
    int SegmentSize() const { return m_segmentSize; }
    void setSegmentSize(int segmentSize) { setDrawingProperty(m_segmentSize, segmentSize); }

    // True from the start of a paint until its last frame is drawn, which for an animated change is
    // AnimationDelay later.
    bool IsPainting() const { return m_isPainting; }
    // Milliseconds that the last completed paint that drew cells took, its animation included.
    quint32 PaintDuration() const { return m_paintDuration; }

signals:
    // After a new text has been stored: OldValue is the text stored before, NewValue the one stored now.
    void OnChange(TLCD99 *Sender, const QString &OldValue, const QString &NewValue);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    enum class Scope { AllCells, ChangedCells };

    template <typename T> void setDrawingProperty(T &field, const T &value)
    {
        if (field == value)
            return;
        field = value;
        m_pictureCurrent = false;
        update();
    }

    void Paint();
    // Whether the picture has the control's size in the pixels of the screen it is on.
    bool pictureFits() const;
    int animationKind();
    void clearPicture();
    void setTexts(const QString &newText, const QString &oldText);
    // Draws the new texts over the picture; returns true when it goes on frame by frame on the timer.
    bool DrawDigits(int kind, qint64 delay, Scope scope);
    void drawDecimalPoints(LcdCanvas &canvas);
    void drawFrame(LcdCanvas &canvas, int frame);
    void redrawChangedCells(LcdCanvas &canvas);
    void scheduleFrame();
    void nextFrame();
    void finishPaint();

    QString m_value;
    bool m_announcesValue = true;
    bool m_namesValue = true;
    QPointer<QWidget> m_labelledBy;
    TLCDAnimation m_animation = anNone;
    int m_animationDelay = 0;
    QRandomGenerator *m_random = QRandomGenerator::global();
    int m_digitNum = 4;
    int m_digitSpacing = 5;
    bool m_dotDisplay = false;
    int m_dotSpacing = 2;
    bool m_doubleBuffer = true;
    int m_gapX = 2;
    int m_gapY = 2;
    QColor m_color { 0, 0, 0 };
    QColor m_offColor { 0, 0, 0 };
    QColor m_onColor { 0, 255, 0 };
    bool m_preview = false;
    int m_segmentSize = 2;
    bool m_isPainting = false;
    quint32 m_paintDuration = 0;

    // The text the picture was last completed for, and whether a change of Value is waiting to be animated.
    QString m_lastDrawn;
    bool m_animate = false;
    // Whether the paint under way has drawn any cell or decimal point.
    bool m_drewCells = false;

    // What the display shows. It is kept between paints, so that a change draws only the cells that changed
    // over it; any other property or a new size has it drawn afresh.
    QImage m_picture;
    bool m_pictureCurrent = false;
    QString m_paintedValue;
    QElapsedTimer m_paintClock;

    // The drawing step under way: its geometry, texts and, while it animates, its frame timing.
    Lcd::Layout m_layout;
    Lcd::CellRange m_cells;
    Lcd::SplitText m_newText;
    Lcd::SplitText m_oldText;
    Scope m_scope = Scope::AllCells;
    int m_kind = 0;
    int m_frame = 0;
    qint64 m_frameWait = 0;
    qint64 m_frameStart = 0;
    qint64 m_wait = 0;
    qint64 m_carry = 0;
    QTimer *m_frameTimer;
};
