#pragma once

#include <QColor>
#include <QTimer>
#include <QWidget>

#include <chrono>

// A mark laid over a place of a window for a moment, or until it is taken away: a frame in its colour round the
// place and a light wash of that colour over it. It lets the pointer through and takes no keyboard, so a player
// who clicks again at once reaches what lies beneath.
class TMark : public QWidget
{
    Q_OBJECT

public:
    TMark(const QColor &colour, QWidget *parent);

    // Marks `place` (in the parent's coordinates) for `lasting`, shown and hidden in turn so that it shows
    // `flashes` times within it; a `lasting` of zero keeps it shown until clear().
    void mark(const QRect &place, int flashes = 1, std::chrono::milliseconds lasting = {});
    void clear();

    // How far the frame reaches beyond the place, and its width.
    static constexpr int Outset = 3;
    static constexpr int FrameWidth = 3;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void nextPhase();

    QColor m_colour;
    QTimer m_phases;
    int m_phasesLeft = 0;
};
