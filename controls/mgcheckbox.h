#pragma once

#include "controls/ratiopicture.h"

#include <QImage>
#include <QWidget>

#include <functional>

// A picture switch: shows one of two pictures by its state and flips only when a mouse button is released over
// the active zone of the current state. It draws nothing of its own: no text, focus mark or disabled look.
class TMGCheckbox : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool Checked READ Checked WRITE setChecked)
    Q_PROPERTY(bool ToggleEnabled READ ToggleEnabled WRITE setToggleEnabled)

public:
    explicit TMGCheckbox(QWidget *parent = nullptr);

    bool Checked() const { return m_checked; }
    // Never fires clicked(): only the player's pointer does.
    void setChecked(bool checked);
    // Sets the state unchecked and redraws at once, even when it already was unchecked.
    void Uncheck();
    // Flips and reports clicked(), as a release in the active zone does, unless the switch refuses to flip.
    // Assistive tools press the switch this way.
    void toggle();

    // The switch's own acceptance flag. Unlike QWidget::setEnabled it keeps pointer events arriving, so the
    // pointer shape still follows the zone while the switch refuses to flip.
    bool ToggleEnabled() const { return m_toggleEnabled; }
    void setToggleEnabled(bool enabled) { m_toggleEnabled = enabled; }

    const QImage &BitmapUnchecked() const { return m_bitmapUnchecked; }
    // The switch takes the size of its unchecked picture whenever that picture is not empty.
    void setBitmapUnchecked(const QImage &picture);
    const QImage &BitmapChecked() const { return m_bitmapChecked; }
    void setBitmapChecked(const QImage &picture);
    // The two pictures drawn at twice the size, for screens of a pixel ratio above 1; each is read only when such
    // a screen first shows it.
    void setDoubleSizeBitmaps(std::function<QImage()> unchecked, std::function<QImage()> checked);

    // Active zones in the switch's own coordinates, both bounds inclusive. A zone may reach beyond the switch.
    int MinXChecked() const { return m_checkedZone.minX; }
    int MinYChecked() const { return m_checkedZone.minY; }
    int MaxXChecked() const { return m_checkedZone.maxX; }
    int MaxYChecked() const { return m_checkedZone.maxY; }
    void setMinXChecked(int value) { m_checkedZone.minX = value; }
    void setMinYChecked(int value) { m_checkedZone.minY = value; }
    void setMaxXChecked(int value) { m_checkedZone.maxX = value; }
    void setMaxYChecked(int value) { m_checkedZone.maxY = value; }
    int MinXUnChecked() const { return m_uncheckedZone.minX; }
    int MinYUnChecked() const { return m_uncheckedZone.minY; }
    int MaxXUnChecked() const { return m_uncheckedZone.maxX; }
    int MaxYUnChecked() const { return m_uncheckedZone.maxY; }
    void setMinXUnChecked(int value) { m_uncheckedZone.minX = value; }
    void setMinYUnChecked(int value) { m_uncheckedZone.minY = value; }
    void setMaxXUnChecked(int value) { m_uncheckedZone.maxX = value; }
    void setMaxYUnChecked(int value) { m_uncheckedZone.maxY = value; }

    // Whether (x, y) lies in the active zone of the current state.
    bool inActiveZone(int x, int y) const;

signals:
    // After a release in the active zone has flipped the state; Checked() already gives the new state.
    void clicked();
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void mouseMove(Qt::KeyboardModifiers modifiers, int x, int y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    // Space or Enter on a switch that has the keyboard acts as a click on its active zone.
    void keyPressEvent(QKeyEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct Zone
    {
        int minX = 0, minY = 0, maxX = 0, maxY = 0;
        bool contains(int x, int y) const { return minX <= x && x <= maxX && minY <= y && y <= maxY; }
    };

    void fitToPicture();
    void reportStateChange();

    bool m_checked = false;
    bool m_toggleEnabled = true;
    QImage m_bitmapUnchecked;
    QImage m_bitmapChecked;
    RatioPicture m_doubleSizeUnchecked;
    RatioPicture m_doubleSizeChecked;
    Zone m_checkedZone;
    Zone m_uncheckedZone;
};
