#pragma once

#include <QColor>
#include <QTimer>
#include <QWidget>

#include <chrono>

// A mark laid over a place of a window for a moment, or until it is taken away: a frame in its colour round the
// place, and a wash of that colour over it where the mark must stand out from what it covers. It lets the pointer
// through and takes no keyboard, so a player who clicks again at once reaches what lies beneath.
class TMark : public QWidget
{
    Q_OBJECT

public:
    // The frame lies `outset` pixels beyond the place marked (0 keeps it within, where the parent clips its edges);
    // the wash has the opacity `washAlpha`, from 0 (none) to 255.
    TMark(const QColor &colour, int outset, int washAlpha, QWidget *parent);

    // Marks `place` (in the parent's coordinates) for `lasting`, shown and hidden in turn so that it shows
    // `flashes` times within it; a `lasting` of zero keeps it shown until clear().
    void mark(const QRect &place, int flashes = 1, std::chrono::milliseconds lasting = {});
    void clear();

    static constexpr int FrameWidth = 3;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void nextPhase();

    QColor m_colour;
    int m_outset;
    int m_washAlpha;
    QTimer m_phases;
    int m_phasesLeft = 0;
};
