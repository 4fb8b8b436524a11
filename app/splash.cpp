#include "app/splash.h"

#include "app/splashoutline.h"
#include "controls/image.h"
#include "look/artwork.h"
#include "look/windowlook.h"
#include "platform/firstpaint.h"
#include "platform/windowrole.h"

#include <QCloseEvent>
#include <QPainter>
#include <QPolygon>
#include <QRegion>

#include <algorithm>
#include <chrono>
#include <thread>

namespace {

constexpr QSize ClientSize {332, 305};
constexpr std::chrono::milliseconds SleepStep {10};

QRegion outline()
{
    return QRegion(SplashOutline::polygon(), Qt::OddEvenFill);
}

} // namespace

// A splash-screen window is undecorated, kept out of the task bar and given no focus by X11 window managers; the
// stay-on-top hint asks them to keep it above the main window that appears while it is up.
TSplash::TSplash(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Splash"));
    setWindowTitle(tr("Splash"));
    setFixedSize(ClientSize);
    // The first window shows no text and stays out of the task bar, so it takes neither the game's font nor the
    // program icon: setting up fonts and decoding the icon wait for the windows that show them.
    applyButtonFace(this);

    Image1 = new TImage(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPicture(Artwork::keyedSplash(), [] { return Artwork::keyedSplash(2); });
    Image1->setGeometry(QRect(SplashOutline::ArtOrigin, Image1->Picture().size()));
    Image1->setTransparent(true);

    // A window region cuts the window on X11 only; elsewhere (Wayland) it merely lets clicks through. So the window
    // has an alpha channel and nothing is painted outside the outline, neither the button face nor the corners of
    // the art, and the shape holds wherever the window is shown.
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    Image1->setMask(outline().translated(-SplashOutline::ArtOrigin));

    FormCreate();
    Platform::setRole(this, WindowRole::Splash);
}

void TSplash::FormCreate()
{
    setMask(QRegion(SplashOutline::polygon(), Qt::OddEvenFill));
}

void TSplash::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setClipRegion(outline());
    painter.fillRect(rect(), palette().window());
}

void TSplash::showAndPaint()
{
    show();
    paintNow(this);
}

void TSplash::FormClose()
{
    // A steady clock cannot be set back or jump, so the hold is never cut short or stretched by a clock change.
    using Clock = std::chrono::steady_clock;
    const auto until = Clock::now() + m_hold;
    for (auto now = Clock::now(); now < until; now = Clock::now())
        std::this_thread::sleep_for(std::min<Clock::duration>(SleepStep, until - now));
}

void TSplash::closeEvent(QCloseEvent *event)
{
    // Where no window manager keeps the splash on top, the windows shown since it came up cover it; it must stand
    // in front of them through the hold, and the thread is blocked then, so it is raised and painted first.
    raise();
    repaint();
    FormClose();
    event->ignore();
    deleteLater();
}
