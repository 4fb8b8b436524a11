#include "look/helpwindow.h"

#include "look/frmabout.h"
#include "look/gamefont.h"
#include "look/windowlook.h"
#include "platform/accessibility.h"
#include "platform/windowrole.h"

#include <QAccessibleWidget>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWindow>

namespace {

// About the main window's height, so that it looks centred over it where a compositor stands a window a third of
// the way down the one it belongs to, as GNOME's mutter does, as much as where it is centred.
constexpr QSize WindowSize {480, 500};
constexpr int PageMargin = 12;
// Where a page links to the About window: <a href="about:tomelor">.
const char *const AboutScheme = "about";

// One look for every page, so the pages themselves hold nothing but their text.
const char *const PageStyle = "h1 { font-size: 20px; color: #5a281e; }"
                              "h2 { font-size: 16px; color: #5a281e; margin-top: 14px; }"
                              "p, li { font-size: 14px; }";

} // namespace

THelpWindow::THelpWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(tr("Tomelor! Help"));
    shareProgramIcon();
    // Help left open must not keep the game running once its main window is closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(WindowSize);
    Platform::setRole(this, WindowRole::Help);

    txtTopic = new QTextBrowser(this);
    txtTopic->setObjectName(QStringLiteral("txtTopic"));
    txtTopic->setFont(gameFont(14));
    txtTopic->document()->setDefaultStyleSheet(QString::fromLatin1(PageStyle));
    txtTopic->document()->setDocumentMargin(PageMargin);
    // A caret the keyboard moves, so that a screen reader reads the page a line, a heading or a paragraph at a time.
    txtTopic->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    // The pages lead to each other and to the About window, which is no page.
    txtTopic->setOpenLinks(false);
    connect(txtTopic, &QTextBrowser::anchorClicked, this, [this](const QUrl &link) {
        if (link.scheme() == QLatin1String(AboutScheme))
            TfrmAbout::showOver(this);
        else
            txtTopic->setSource(txtTopic->source().resolved(link));
    });
    // A window of its own to screen readers, not a nameless pane.
    Platform::describeClass("THelpWindow", [](QObject *object) -> QAccessibleInterface * {
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    });
    auto *escape = new QShortcut(QKeySequence::Cancel, this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(txtTopic);
}

void THelpWindow::setSource(const QUrl &url)
{
    txtTopic->setSource(url);
}

QUrl THelpWindow::source() const
{
    return txtTopic->source();
}

QString THelpWindow::topicTitle() const
{
    return txtTopic->documentTitle();
}

void THelpWindow::showOver(QWidget *owner)
{
    winId();
    QWidget *ownerWindow = owner ? owner->window() : nullptr;
    windowHandle()->setTransientParent(ownerWindow ? ownerWindow->windowHandle() : nullptr);
    show();
    raise();
    activateWindow();
}
