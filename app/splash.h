#pragma once

#include <QWidget>

#include <chrono>

class QCloseEvent;
class QPaintEvent;
class TImage;

// The splash window: the title art in a borderless window cut to the art's silhouette, shown centred and above
// every other window while the game starts. It takes no input of its own.
class TSplash : public QWidget
{
    Q_OBJECT

public:
    explicit TSplash(QWidget *parent = nullptr);

    TImage *Image1; // the title art

    // How long the closing splash stays on the screen before it asks to be destroyed, unless told otherwise.
    static constexpr std::chrono::milliseconds DefaultHold {1000};

    std::chrono::milliseconds hold() const { return m_hold; }
    // Whoever starts the game may shorten the hold: a test that starts it many times need not wait each time.
    void setHold(std::chrono::milliseconds hold) { m_hold = hold; }

    // Shows the window and paints it at once, so that it stands on the screen while the rest of the game starts,
    // before the event loop runs.
    void showAndPaint();

    // Cuts the window to the outline of the art.
    void FormCreate();
    // The hold: the thread sleeps for hold() (one second), so nothing is repainted and no input is taken meanwhile.
    void FormClose();

protected:
    // Only the inside of the outline is painted: the rest of the window stays fully transparent.
    void paintEvent(QPaintEvent *event) override;
    // close() holds for a second, then asks for the window to be destroyed: it stays on the screen, on top,
    // until the event loop next runs and carries that out. close() therefore reports false.
    void closeEvent(QCloseEvent *event) override;

private:
    std::chrono::milliseconds m_hold = DefaultHold;
};
