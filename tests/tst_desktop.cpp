// The game as a player meets it on GNOME's mutter and KDE's KWin: the real program started on a headless
// compositor (tests/headless-desktop), watched through the compositor's own screenshots and, on KWin, its window
// list. The compositor and its session bus are the fixture's; this test finds them through its environment.
#include "look/artwork.h"
#include "look/help.h"
#include "look/helpwindow.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <QDBusUnixFileDescriptor>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QUuid>
#include <QtTest>

#include <fcntl.h>
#include <unistd.h>
#include <wayland-client.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <set>

namespace {

constexpr QSize ScreenSize {1280, 1024};
constexpr int PollStep = 40;

QString setting(const char *name)
{
    return qEnvironmentVariable(name);
}

QString runtimeFolder()
{
    return setting("TOMELOR_DESKTOP_RUNTIME");
}

// A run of pixels of a picture that is found once on a screen: opaque, away from the picture's transparent
// colour, and varied enough not to match a flat stretch of something else.
struct Patch
{
    QPoint at; // where the run starts, in the picture
    QList<QRgb> pixels;
};

Patch patchOf(const QImage &picture, QRect within)
{
    constexpr int Length = 32;
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = image.pixel(0, image.height() - 1);
    for (int y = within.top(); y <= within.bottom(); ++y) {
        for (int x = within.left(); x + Length <= within.right(); x += Length / 2) {
            QList<QRgb> run;
            std::set<QRgb> colours;
            for (int i = 0; i < Length; ++i) {
                const QRgb pixel = image.pixel(x + i, y);
                if (qAlpha(pixel) != 255 || pixel == key)
                    break;
                run.append(pixel & 0xffffff);
                colours.insert(pixel);
            }
            if (run.size() == Length && colours.size() >= 12)
                return {QPoint(x, y), run};
        }
    }
    return {};
}

// Where the picture's top-left corner lies on the screen, if the patch is seen whole on it.
std::optional<QPoint> find(const QImage &screen, const Patch &patch)
{
    if (patch.pixels.isEmpty() || screen.isNull())
        return std::nullopt;
    const auto same = [](QRgb a, QRgb b) { return (a & 0xffffff) == b; };
    for (int y = 0; y < screen.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(screen.constScanLine(y));
        const auto *end = line + screen.width();
        const auto *hit = std::search(line, end, patch.pixels.cbegin(), patch.pixels.cend(), same);
        if (hit != end)
            return QPoint(int(hit - line), y) - patch.at;
    }
    return std::nullopt;
}

// The screen as the compositor shows it.
class Screen
{
public:
    virtual ~Screen() = default;
    virtual QImage grab() = 0;
};

// mutter casts its monitor to a PipeWire stream, which sends a frame whenever the picture changes; GStreamer
// hands the frames on as they come, so the last one is the screen as it stands.
class MutterScreen : public QObject, public Screen
{
    Q_OBJECT

public:
    explicit MutterScreen(QDBusConnection bus)
    {
        const QString service = QStringLiteral("org.gnome.Mutter.ScreenCast");
        QDBusInterface cast(service, QStringLiteral("/org/gnome/Mutter/ScreenCast"), service, bus);
        // Windows shown at once, without the opening and closing animations, so that a screen shows each window
        // whole or not at all.
        const QDBusReply<QDBusObjectPath> session
            = cast.call(QStringLiteral("CreateSession"), QVariantMap {{QStringLiteral("disable-animations"), true}});
        if (!session.isValid()) {
            qWarning() << "mutter opens no screen cast:" << session.error().message();
            return;
        }
        QDBusInterface control(service, session.value().path(), service + QStringLiteral(".Session"), bus);
        const QDBusReply<QDBusObjectPath> stream
            = control.call(QStringLiteral("RecordMonitor"), QStringLiteral("Meta-0"), QVariantMap());
        if (!stream.isValid()) {
            qWarning() << "mutter records no monitor:" << stream.error().message();
            return;
        }
        bus.connect(service, stream.value().path(), service + QStringLiteral(".Stream"),
            QStringLiteral("PipeWireStreamAdded"), this, SLOT(streamAdded(uint)));
        control.call(QStringLiteral("Start"));
        QElapsedTimer waited;
        waited.start();
        while (!m_node && waited.elapsed() < 10000)
            QTest::qWait(PollStep);
        if (!m_node)
            return;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder());
        m_frames.setProcessEnvironment(environment);
        m_frames.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        connect(&m_frames, &QProcess::readyReadStandardOutput, this, &MutterScreen::readFrames);
        m_frames.start(QStringLiteral("gst-launch-1.0"),
            {QStringLiteral("-q"), QStringLiteral("pipewiresrc"), QStringLiteral("path=%1").arg(*m_node),
                QStringLiteral("always-copy=true"), QStringLiteral("!"), QStringLiteral("videoconvert"),
                QStringLiteral("!"),
                QStringLiteral("video/x-raw,format=BGRx,width=%1,height=%2")
                    .arg(ScreenSize.width())
                    .arg(ScreenSize.height()),
                QStringLiteral("!"), QStringLiteral("fdsink")});
    }

    ~MutterScreen() override
    {
        m_frames.kill();
        m_frames.waitForFinished();
    }

    QImage grab() override
    {
        QElapsedTimer waited;
        waited.start();
        while (m_latest.isNull() && waited.elapsed() < 10000 && m_frames.state() != QProcess::NotRunning)
            QTest::qWait(PollStep);
        QCoreApplication::processEvents();
        return m_latest;
    }

private slots:
    void streamAdded(uint node) { m_node = node; }

private:
    void readFrames()
    {
        // BGRx in memory is what QImage calls RGB32.
        constexpr qsizetype FrameBytes = qsizetype(ScreenSize.width()) * ScreenSize.height() * 4;
        m_pending += m_frames.readAllStandardOutput();
        while (m_pending.size() >= FrameBytes) {
            m_latest = QImage(reinterpret_cast<const uchar *>(m_pending.constData()), ScreenSize.width(),
                ScreenSize.height(), QImage::Format_RGB32)
                           .copy();
            m_pending.remove(0, FrameBytes);
        }
    }

    std::optional<uint> m_node;
    QProcess m_frames;
    QByteArray m_pending;
    QImage m_latest;
};

// KWin writes a screenshot into a pipe it is handed.
class KWinScreen : public Screen
{
public:
    explicit KWinScreen(QDBusConnection bus)
        : m_bus(bus)
    {
    }

    QImage grab() override
    {
        int ends[2];
        if (pipe2(ends, O_CLOEXEC) != 0)
            return {};
        const QString service = QStringLiteral("org.kde.KWin.ScreenShot2");
        QDBusInterface shot(
            QStringLiteral("org.kde.KWin"), QStringLiteral("/org/kde/KWin/ScreenShot2"), service, m_bus);
        const QDBusReply<QVariantMap> reply = shot.call(QStringLiteral("CaptureScreen"), QStringLiteral("Virtual-0"),
            QVariantMap {{QStringLiteral("native-resolution"), true}},
            QVariant::fromValue(QDBusUnixFileDescriptor(ends[1])));
        ::close(ends[1]);
        QByteArray bytes;
        char buffer[65536];
        for (ssize_t got; (got = ::read(ends[0], buffer, sizeof buffer)) > 0;)
            bytes.append(buffer, got);
        ::close(ends[0]);
        if (!reply.isValid())
            return {};
        const QVariantMap shape = reply.value();
        const QImage image(reinterpret_cast<const uchar *>(bytes.constData()), shape.value("width").toInt(),
            shape.value("height").toInt(), shape.value("stride").toInt(),
            QImage::Format(shape.value("format").toInt()));
        if (bytes.size() < qsizetype(shape.value("stride").toInt()) * shape.value("height").toInt())
            return {};
        return image.convertToFormat(QImage::Format_RGB32);
    }

private:
    QDBusConnection m_bus;
};

// A key as the two desktops name it: mutter takes X keysyms, KWin evdev key codes.
struct Key
{
    uint keysym;
    uint code;
};
constexpr Key Tab {0xff09, 15};
constexpr Key Space {0x20, 57};
constexpr Key Shift {0xffe1, 42};
constexpr Key Return {0xff0d, 28};
constexpr Key LetterG {0x67, 34};
constexpr Key LetterE {0x65, 18};
constexpr Key LetterN {0x6e, 49};

// The keyboard of the desktop's seat, driven from outside.
class Keyboard
{
public:
    virtual ~Keyboard() = default;
    virtual void send(Key key, bool pressed) = 0;

    void type(std::initializer_list<Key> keys)
    {
        for (const Key key : keys) {
            send(key, true);
            send(key, false);
            QTest::qWait(80);
        }
    }
    void shiftTab()
    {
        send(Shift, true);
        type({Tab});
        send(Shift, false);
    }
};

// mutter's remote desktop session.
class MutterKeyboard : public Keyboard
{
public:
    explicit MutterKeyboard(QDBusConnection bus)
    {
        const QString service = QStringLiteral("org.gnome.Mutter.RemoteDesktop");
        QDBusInterface desktop(service, QStringLiteral("/org/gnome/Mutter/RemoteDesktop"), service, bus);
        const QDBusReply<QDBusObjectPath> session = desktop.call(QStringLiteral("CreateSession"));
        if (!session.isValid())
            return;
        m_session = std::make_unique<QDBusInterface>(
            service, session.value().path(), service + QStringLiteral(".Session"), bus);
        m_session->call(QStringLiteral("Start"));
        // The first key of a new session can be lost.
        send(Shift, true);
        send(Shift, false);
    }

    void send(Key key, bool pressed) override
    {
        if (m_session)
            m_session->call(QStringLiteral("NotifyKeyboardKeysym"), key.keysym, pressed);
    }

private:
    std::unique_ptr<QDBusInterface> m_session;
};

// KWin's fake input protocol (org_kde_kwin_fake_input, version 4), spoken on a Wayland connection of the test's
// own. Requests are told apart by their order, so every request before the ones used is listed.
const wl_interface *const NoTypes[3] = {};
const wl_message FakeInputRequests[] = {
    {"authenticate", "ss", const_cast<const wl_interface **>(NoTypes)},
    {"pointer_motion", "ff", const_cast<const wl_interface **>(NoTypes)},
    {"button", "uu", const_cast<const wl_interface **>(NoTypes)},
    {"axis", "uf", const_cast<const wl_interface **>(NoTypes)},
    {"touch_down", "uff", const_cast<const wl_interface **>(NoTypes)},
    {"touch_motion", "uff", const_cast<const wl_interface **>(NoTypes)},
    {"touch_up", "u", const_cast<const wl_interface **>(NoTypes)},
    {"touch_cancel", "", const_cast<const wl_interface **>(NoTypes)},
    {"touch_frame", "", const_cast<const wl_interface **>(NoTypes)},
    {"pointer_motion_absolute", "2ff", const_cast<const wl_interface **>(NoTypes)},
    {"keyboard_key", "4uu", const_cast<const wl_interface **>(NoTypes)},
};
const wl_interface FakeInputInterface = {"org_kde_kwin_fake_input", 4, 11, FakeInputRequests, 0, nullptr};
constexpr uint32_t Authenticate = 0;
constexpr uint32_t KeyboardKey = 10;

class KWinKeyboard : public Keyboard
{
public:
    KWinKeyboard()
    {
        const QByteArray socket
            = QFile::encodeName(runtimeFolder() + QLatin1Char('/') + setting("TOMELOR_DESKTOP_SOCKET"));
        m_display = wl_display_connect(socket.constData());
        if (!m_display)
            return;
        wl_registry *registry = wl_display_get_registry(m_display);
        static const wl_registry_listener listener = {
            [](void *data, wl_registry *registry, uint32_t name, const char *interface, uint32_t) {
                auto *self = static_cast<KWinKeyboard *>(data);
                if (!self->m_input && std::strcmp(interface, FakeInputInterface.name) == 0)
                    self->m_input = static_cast<wl_proxy *>(wl_registry_bind(registry, name, &FakeInputInterface, 4));
            },
            [](void *, wl_registry *, uint32_t) {},
        };
        wl_registry_add_listener(registry, &listener, this);
        wl_display_roundtrip(m_display);
        wl_registry_destroy(registry);
        if (m_input)
            wl_proxy_marshal_flags(m_input, Authenticate, nullptr, 4, 0, "tst_desktop", "plays the game");
        wl_display_roundtrip(m_display);
    }

    ~KWinKeyboard() override
    {
        if (m_input)
            wl_proxy_destroy(m_input);
        if (m_display)
            wl_display_disconnect(m_display);
    }

    void send(Key key, bool pressed) override
    {
        if (!m_input)
            return;
        wl_proxy_marshal_flags(m_input, KeyboardKey, nullptr, 4, 0, key.code, uint(pressed));
        wl_display_roundtrip(m_display);
    }

private:
    wl_display *m_display = nullptr;
    wl_proxy *m_input = nullptr;
};

// The windows KWin manages, as a one-shot script of its own reports them into the compositor's log.
QList<QJsonObject> kwinWindows(QDBusConnection bus)
{
    const QString marker = QUuid::createUuid().toString(QUuid::Id128);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("windows.js"));
    QFile script(path);
    if (!script.open(QIODevice::WriteOnly))
        return {};
    script.write(QStringLiteral("var windows = workspace.clientList();\n"
                                "for (var i = 0; i < windows.length; ++i) {\n"
                                "    var w = windows[i];\n"
                                "    print('%1 ' + JSON.stringify({caption: w.caption, x: w.geometry.x,\n"
                                "        y: w.geometry.y, width: w.geometry.width, height: w.geometry.height,\n"
                                "        maximizable: w.maximizable, skipTaskbar: w.skipTaskbar,\n"
                                "        skipSwitcher: w.skipSwitcher}));\n"
                                "}\n"
                                "print('%1 end');\n")
                     .arg(marker)
                     .toUtf8());
    script.close();
    QDBusInterface scripting(
        QStringLiteral("org.kde.KWin"), QStringLiteral("/Scripting"), QStringLiteral("org.kde.kwin.Scripting"), bus);
    scripting.call(QStringLiteral("loadScript"), path, marker);
    scripting.call(QStringLiteral("start"));
    QList<QJsonObject> windows;
    QFile log(runtimeFolder() + QStringLiteral("/compositor.log"));
    QElapsedTimer waited;
    waited.start();
    bool ended = false;
    while (!ended && waited.elapsed() < 10000) {
        QTest::qWait(PollStep);
        windows.clear();
        if (!log.open(QIODevice::ReadOnly))
            break;
        for (const QByteArray &line : log.readAll().split('\n')) {
            const qsizetype at = line.indexOf(marker.toLatin1());
            if (at < 0)
                continue;
            const QByteArray said = line.mid(at + marker.size() + 1);
            if (said == "end")
                ended = true;
            else
                windows.append(QJsonDocument::fromJson(said).object());
        }
        log.close();
    }
    scripting.call(QStringLiteral("unloadScript"), marker);
    return windows;
}

// One look at the screen: when, and where the splash and the main window stood whole.
struct Sight
{
    qint64 at;
    std::optional<QPoint> splash;
    std::optional<QPoint> mainWindow;
};

} // namespace

class TestDesktop : public QObject
{
    Q_OBJECT

private:
    QString m_desktop = setting("TOMELOR_DESKTOP");
    QDBusConnection m_bus = QDBusConnection::connectToBus(
        QStringLiteral("unix:path=%1/bus").arg(runtimeFolder()), QStringLiteral("desktop"));
    std::unique_ptr<Screen> m_screen;
    QTemporaryDir m_config;
    QProcess m_game;

    // The title art in the middle of the splash, and the display panel between the two displays.
    const Patch m_splash = patchOf(Artwork::splash(), QRect(100, 120, 130, 60));
    const Patch m_panel = patchOf(Artwork::panel(), QRect(100, 10, 100, 85));
    // The panel's left end, which a window centred over the main window leaves in sight.
    const Patch m_panelEnd = patchOf(Artwork::panel(), QRect(2, 10, 66, 85));
    const Patch m_congrats = patchOf(Artwork::congratsBackdrop(), QRect(10, 10, 350, 150));
    const Patch m_scores = patchOf(Artwork::scoreBoard(Testament::Old), QRect(10, 10, 280, 60));
    // The welcome page's heading, as the help window draws it.
    const Patch m_welcome = [] {
        THelpWindow help;
        help.setSource(Help::topicUrl(Help::FirstStartTopic));
        return patchOf(help.grab().toImage(), QRect(QPoint(), HelpSize).adjusted(0, 0, 0, -HelpSize.height() / 2));
    }();
    // Where each window's picture lies in its client area, and the client areas' sizes.
    static constexpr QPoint PanelPlace {0, 5};
    static constexpr QPoint CongratsPlace {2, 7};
    static constexpr QPoint ScoresPlace {1, 4};
    static constexpr QSize MainSize {632, 453};
    static constexpr QSize CongratsSize {378, 307};
    static constexpr QSize ScoresSize {607, 415};
    static constexpr QSize HelpSize {480, 500};

    bool onKWin() const { return m_desktop == QLatin1String("kwin"); }

    void startGame(bool firstTime)
    {
        QFile settings(m_config.filePath(QStringLiteral("Tomelor.ini")));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        if (!firstTime)
            settings.write("[Settings]\nFirst Time=0\n");
        settings.close();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DISPLAY"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        environment.insert(QStringLiteral("WAYLAND_DISPLAY"), setting("TOMELOR_DESKTOP_SOCKET"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config.path());
        m_game.setProcessEnvironment(environment);
        m_game.setProcessChannelMode(QProcess::ForwardedChannels);
        m_game.start(setting("TOMELOR_GAME"), {});
        QVERIFY(m_game.waitForStarted());
    }

    // Waits for the patch to be seen at one place for a second (a screen cast may still hold the last game's
    // windows at first); gives where its picture lies.
    std::optional<QPoint> awaitSight(const Patch &patch)
    {
        QElapsedTimer waited;
        waited.start();
        std::optional<QPoint> last;
        QElapsedTimer still;
        while (waited.elapsed() < 20000) {
            const auto at = find(m_screen->grab(), patch);
            if (!at || at != last)
                still.start();
            else if (still.elapsed() >= 1000)
                return at;
            last = at;
            QTest::qWait(PollStep);
        }
        return std::nullopt;
    }

    // How many pixels of the gold of the keyboard's ring lie in a part of the screen.
    int giltPixels(QRect within)
    {
        const QImage screen = m_screen->grab();
        int gilt = 0;
        for (int y = within.top(); y <= within.bottom(); ++y) {
            for (int x = within.left(); x <= within.right(); ++x)
                gilt += (screen.pixel(x, y) & 0xffffff) == 0xe8b931;
        }
        return gilt;
    }

    // Looks at the screen from the game's start until the main window has stood for the given time.
    QList<Sight> watchStart(qint64 mainWindowFor)
    {
        QList<Sight> sights;
        QElapsedTimer clock;
        clock.start();
        std::optional<qint64> mainSince;
        while (clock.elapsed() < 30000 && (!mainSince || sights.last().at - *mainSince < mainWindowFor)) {
            const QImage screen = m_screen->grab();
            const Sight sight {clock.elapsed(), find(screen, m_splash), find(screen, m_panel)};
            if (sight.mainWindow && !mainSince)
                mainSince = sight.at;
            sights.append(sight);
            QTest::qWait(PollStep);
        }
        return sights;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_bus.isConnected(), "no session bus in the compositor's runtime folder");
        QVERIFY(!m_splash.pixels.isEmpty());
        QVERIFY(!m_panel.pixels.isEmpty());
        if (onKWin())
            m_screen = std::make_unique<KWinScreen>(m_bus);
        else
            m_screen = std::make_unique<MutterScreen>(m_bus);
        QVERIFY2(!m_screen->grab().isNull(), "the compositor gives no screenshot");
    }

    void cleanup()
    {
        m_game.terminate();
        if (!m_game.waitForFinished(5000))
            m_game.kill();
        m_game.waitForFinished();
    }

    // The splash stands alone on the screen through its hold; then the main window comes, placed once, in the
    // middle of the screen, and stays there.
    void splashIsSeenThenTheMainWindowStandsStillInTheMiddle()
    {
        startGame(false);
        const QList<Sight> sights = watchStart(3000);
        const auto firstSplash = std::find_if(sights.begin(), sights.end(), [](const Sight &s) { return s.splash; });
        const auto firstMain = std::find_if(sights.begin(), sights.end(), [](const Sight &s) { return s.mainWindow; });
        QVERIFY2(firstSplash != sights.end(), "the splash was never seen");
        QVERIFY2(firstMain != sights.end(), "the main window was never seen");
        QVERIFY2(firstSplash < firstMain, "the main window came before the splash");
        const auto lastSplash = std::find_if(
            std::make_reverse_iterator(firstMain), sights.rend(), [](const Sight &s) { return s.splash; });
        QVERIFY2(std::all_of(firstSplash, lastSplash.base(), [](const Sight &s) { return s.splash; }),
            "the splash was hidden during its hold");
        // The hold is a second, and KWin's screenshots are taken when asked for, some tens of milliseconds apart. A
        // screen cast sends a frame only when the screen changes, and on a busy machine the frames come late: there
        // the splash may be seen once, before the main window.
        const qint64 splashStood = lastSplash->at - firstSplash->at;
        if (onKWin())
            QVERIFY2(splashStood >= 500, qPrintable(QStringLiteral("the splash stood for %1 ms").arg(splashStood)));

        const QPoint place = *firstMain->mainWindow;
        for (auto sight = firstMain; sight != sights.end(); ++sight)
            QVERIFY2(sight->mainWindow == place,
                qPrintable(QStringLiteral("the main window moved after %1 ms").arg(sight->at - firstMain->at)));
        QVERIFY(sights.last().at - firstMain->at >= 3000);

        // Within 2 % of the screen, counted on the client area (the title bar's height is the compositor's).
        const QPoint offCentre
            = QRect(place - PanelPlace, QSize(632, 453)).center() - QRect(QPoint(), ScreenSize).center();
        QVERIFY2(qAbs(offCentre.x()) <= ScreenSize.width() / 50 && qAbs(offCentre.y()) <= ScreenSize.height() / 50,
            qPrintable(QStringLiteral("the main window's middle is %1, %2 off the screen's")
                           .arg(offCentre.x())
                           .arg(offCentre.y())));
    }

    // A game played from the keyboard alone: Tab draws the ring, the books dealt, Genesis typed and pressed, the
    // game stopped; the initials dialog and then the table stand over the main window.
    void keyboardGameEndsWithDialogsOverTheMainWindow()
    {
        startGame(false);
        const auto main = awaitSight(m_panel);
        QVERIFY2(main, "the main window was never seen");
        const QRect mainArea(*main - PanelPlace, MainSize);
        // Right of the testament switch and its ring.
        const QRect goSwitch = QRect(500, 0, 130, 105).translated(mainArea.topLeft());
        QCOMPARE(giltPixels(goSwitch), 0);
        // Keys typed before the compositor has given the new window the keyboard are lost, and a desktop may hold
        // a window back from the keyboard when keys were typed since it was started: the keyboard comes now, and
        // Tab goes round until the ring stands on GO!, the third stop.
        std::unique_ptr<Keyboard> keyboard;
        if (onKWin())
            keyboard = std::make_unique<KWinKeyboard>();
        else
            keyboard = std::make_unique<MutterKeyboard>(m_bus);
        for (int presses = 0; presses < 8 && giltPixels(goSwitch) < 50; ++presses) {
            keyboard->type({Tab});
            QElapsedTimer drawn;
            drawn.start();
            while (drawn.elapsed() < 1000 && giltPixels(goSwitch) < 50)
                QTest::qWait(PollStep);
        }
        QVERIFY2(giltPixels(goSwitch) >= 50, "Tab never drew the ring around GO!");

        keyboard->type({Space});
        QTest::qWait(1000);
        keyboard->type({Tab, LetterG, LetterE, LetterN, Space});
        QTest::qWait(300);
        keyboard->shiftTab();
        keyboard->type({Space});

        const auto middleOffMain = [&mainArea](QPoint picture, QPoint place, QSize size) {
            return QRect(picture - place, size).center() - mainArea.center();
        };
        const auto congrats = awaitSight(m_congrats);
        QVERIFY2(congrats, "no New High Score dialog");
        const QPoint congratsOff = middleOffMain(*congrats, CongratsPlace, CongratsSize);
        // mutter stands a dialog a third of the way down its parent, KWin in the middle.
        QVERIFY2(qAbs(congratsOff.x()) <= 10 && mainArea.contains(QRect(*congrats - CongratsPlace, CongratsSize)),
            qPrintable(QStringLiteral("New High Score's middle is %1, %2 off the main window's")
                           .arg(congratsOff.x())
                           .arg(congratsOff.y())));

        keyboard->type({Return});
        const auto scores = awaitSight(m_scores);
        QVERIFY2(scores, "no High Scores dialog");
        const QPoint scoresOff = middleOffMain(*scores, ScoresPlace, ScoresSize);
        QVERIFY2(qAbs(scoresOff.x()) <= 10 && qAbs(scoresOff.y()) <= 10,
            qPrintable(QStringLiteral("High Scores' middle is %1, %2 off the main window's")
                           .arg(scoresOff.x())
                           .arg(scoresOff.y())));
        keyboard->type({Return});
    }

    // The help of the first start stands over the main window, as the screen shows it on mutter (KWin's shadows
    // darken what lies around a window; its window list shows where the help stands, below).
    void mutterStandsTheFirstStartHelpOverTheMainWindow()
    {
        if (onKWin())
            QSKIP("KWin's window list gives the help's place (kwinListsNoSplashOffersNoMaximiseAndCentresTheHelp)");
        QVERIFY(!m_welcome.pixels.isEmpty());
        QVERIFY(!m_panelEnd.pixels.isEmpty());
        startGame(true);
        const auto help = awaitSight(m_welcome);
        QVERIFY2(help, "the help was never seen");
        const auto main = awaitSight(m_panelEnd);
        if (!main)
            m_screen->grab().save(QStringLiteral("/tmp/desk-%1.png").arg(m_desktop));
        QVERIFY2(main, "the main window was never seen beside the help");
        const QPoint apart = QRect(*help, HelpSize).center() - QRect(*main - PanelPlace, MainSize).center();
        QVERIFY2(qAbs(apart.x()) <= 10 && qAbs(apart.y()) <= 10,
            qPrintable(
                QStringLiteral("the help's middle is %1, %2 off the main window's").arg(apart.x()).arg(apart.y())));
    }

    // KWin draws the title bars itself, from what the window says of itself; the splash keeps out of the task bar
    // and the switcher; the help of the first start stands over the main window.
    void kwinListsNoSplashOffersNoMaximiseAndCentresTheHelp()
    {
        if (!onKWin())
            QSKIP("mutter lists no windows to a client; its title bars are Qt's own (see the README)");
        startGame(true);
        QList<QJsonObject> windows;
        const auto byCaption = [&windows](const QString &caption) {
            const auto it = std::find_if(windows.cbegin(), windows.cend(),
                [&](const QJsonObject &w) { return w.value("caption").toString() == caption; });
            return it == windows.cend() ? QJsonObject() : *it;
        };
        QJsonObject splash;
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 20000 && byCaption(QStringLiteral("Tomelor! Help")).isEmpty()) {
            windows = kwinWindows(m_bus);
            if (splash.isEmpty())
                splash = byCaption(QStringLiteral("Splash"));
        }
        QVERIFY2(!splash.isEmpty(), "KWin never listed the splash");
        QVERIFY(splash.value("skipTaskbar").toBool());
        QVERIFY(splash.value("skipSwitcher").toBool());
        const QJsonObject main = byCaption(QStringLiteral("Tomelor!"));
        const QJsonObject help = byCaption(QStringLiteral("Tomelor! Help"));
        QVERIFY(!main.isEmpty());
        QVERIFY(!help.isEmpty());
        QVERIFY(!main.value("maximizable").toBool());
        QVERIFY(byCaption(QStringLiteral("Splash")).isEmpty());
        const auto middle = [](const QJsonObject &w) {
            return QRect(
                w.value("x").toInt(), w.value("y").toInt(), w.value("width").toInt(), w.value("height").toInt())
                .center();
        };
        const QPoint apart = middle(help) - middle(main);
        QVERIFY2(qAbs(apart.x()) <= 10 && qAbs(apart.y()) <= 10,
            qPrintable(
                QStringLiteral("the help's middle is %1, %2 off the main window's").arg(apart.x()).arg(apart.y())));
    }
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
