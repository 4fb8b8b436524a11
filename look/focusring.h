#pragma once

#include <QPointer>
#include <QWidget>

// The keyboard's mark in the game's own style: a gilt band with a dark line on either side, round the control that
// has the keyboard, so that it shows on the dark leather of a spine as well as on its gold lettering. It shows only
// once the keyboard has been used on a watched control; a player who only uses the mouse never sees it. It lies
// above every other control of its window and lets the pointer through.
class FocusRing : public QWidget
{
    Q_OBJECT

public:
    explicit FocusRing(QWidget *window);

    // Follows the keyboard onto the control whenever it takes it.
    void watch(QWidget *control);
    // While away the ring marks no control, though one keeps the keyboard: the player has reached none there.
    void setAway(bool away);

    // How far the ring reaches beyond its control's edge, and the widths of its lines.
    static constexpr int Outset = 2;
    static constexpr int DarkLine = 1;
    static constexpr int GiltBand = 2;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void follow(QWidget *control);

    QPointer<QWidget> m_target;
    bool m_keyboardUsed = false;
    bool m_away = false;
};
