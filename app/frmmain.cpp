#include "app/frmmain.h"

#include "app/artwork.h"
#include "app/gamefont.h"
#include "app/help.h"
#include "controls/image.h"
#include "controls/lcd99.h"
#include "controls/mgcheckbox.h"
#include "game/board.h"

#include <QScreen>
#include <QStatusBar>
#include <QTimer>

namespace {

constexpr QSize ClientSize { 632, 453 };
constexpr int CountdownInterval = 100;

// A switch's place on the panel and the zone that answers in each state, both bounds inclusive.
struct SwitchLayout
{
    QPoint at;
    QRect uncheckedZone; // left, top, right, bottom
    QRect checkedZone;
};

constexpr SwitchLayout TestamentLayout { { 401, 11 }, QRect(QPoint(37, 20), QPoint(78, 40)),
                                         QRect(QPoint(5, 20), QPoint(37, 40)) };
constexpr SwitchLayout HintsLayout { { 401, 57 }, QRect(QPoint(37, 20), QPoint(78, 40)),
                                     QRect(QPoint(5, 20), QPoint(37, 40)) };
constexpr SwitchLayout GoLayout { { 490, 13 }, QRect(QPoint(10, 0), QPoint(120, 40)),
                                  QRect(QPoint(10, 40), QPoint(120, 80)) };

TMGCheckbox *createSwitch(QWidget *parent, const char *name, const SwitchLayout &layout, Artwork::Switch which)
{
    auto *toggle = new TMGCheckbox(parent);
    toggle->setObjectName(QString::fromLatin1(name));
    toggle->move(layout.at);
    toggle->setBitmapUnchecked(Artwork::switchPicture(which, false));
    toggle->setBitmapChecked(Artwork::switchPicture(which, true));
    toggle->setMinXUnChecked(layout.uncheckedZone.left());
    toggle->setMinYUnChecked(layout.uncheckedZone.top());
    toggle->setMaxXUnChecked(layout.uncheckedZone.right());
    toggle->setMaxYUnChecked(layout.uncheckedZone.bottom());
    toggle->setMinXChecked(layout.checkedZone.left());
    toggle->setMinYChecked(layout.checkedZone.top());
    toggle->setMaxXChecked(layout.checkedZone.right());
    toggle->setMaxYChecked(layout.checkedZone.bottom());
    return toggle;
}

TImage *createPicture(QWidget *parent, const QString &name, const QRect &frame, const QImage &picture)
{
    auto *image = new TImage(parent);
    image->setObjectName(name);
    image->setGeometry(frame);
    image->setPicture(picture);
    return image;
}

} // namespace

TfrmMain::TfrmMain(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Tomelor!"));
    setFixedSize(ClientSize);
    setFont(gameFont());
    setWindowIcon(Artwork::programIcon());
    Help::attachTopic(this, Help::MainWindowTopic);
    QPalette background = palette();
    background.setColor(QPalette::Window, background.color(QPalette::Button));
    setPalette(background);
    setAutoFillBackground(true);

    createPanel();
    createBooks();

    stbHints = new QStatusBar(this);
    stbHints->setObjectName(QStringLiteral("stbHints"));
    stbHints->setSizeGripEnabled(false);
    stbHints->setGeometry(0, 434, 632, 19);

    timValue = new QTimer(this);
    timValue->setObjectName(QStringLiteral("timValue"));
    timValue->setInterval(CountdownInterval);

    connect(chkTestament, &TMGCheckbox::clicked, this, &TfrmMain::chkTestamentClick);

    FormCreate();
    centreOnScreen();
}

void TfrmMain::createPanel()
{
    Image1 = createPicture(this, QStringLiteral("Image1"), QRect(0, 5, 630, 100), Artwork::panel());
    Image1->setTransparent(true);
    Image2 = createPicture(this, QStringLiteral("Image2"), QRect(0, 112, 632, 300), Artwork::bookcase());
    Image2->setTransparent(true);

    lcdValue = new TLCD99(this);
    lcdValue->setObjectName(QStringLiteral("lcdValue"));
    lcdValue->setGeometry(29, 27, 66, 21);
    lcdValue->setDigitNum(3);
    lcdValue->setSegmentSize(1);
    lcdValue->setOnColor(Qt::cyan);
    lcdValue->setValue(QStringLiteral("500"));

    lcdScore = new TLCD99(this);
    lcdScore->setObjectName(QStringLiteral("lcdScore"));
    lcdScore->setGeometry(206, 32, 163, 45);
    lcdScore->setDigitNum(5);
    lcdScore->setSegmentSize(3);
    lcdScore->setValue(QStringLiteral("0"));

    chkTestament = createSwitch(this, "chkTestament", TestamentLayout, Artwork::Switch::Testament);
    chkHints = createSwitch(this, "chkHints", HintsLayout, Artwork::Switch::Hints);
    chkGO = createSwitch(this, "chkGO", GoLayout, Artwork::Switch::Go);
    chkGO->setCursor(Qt::PointingHandCursor);
}

void TfrmMain::createBooks()
{
    // The old form data spelled two of these names irregularly (imgOTSHelf26, imgNTshelf17); here every
    // picture carries the regular name.
    const auto shelves = [this](Testament testament, auto &pictures, const char *prefix) {
        for (int i = 0; i < int(pictures.size()); ++i) {
            pictures[i] = createPicture(this, QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(i + 1),
                                        QRect(Board::shelfSlot(i), Board::StandingBookSize),
                                        Artwork::standingBook(testament, i + 1));
        }
    };
    const auto books = [this](Testament testament, auto &pictures, const char *prefix) {
        for (int i = 0; i < int(pictures.size()); ++i) {
            TImage *book = createPicture(this, QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(i + 1),
                                         QRect(QPoint(0, 0), Board::LyingBookSize),
                                         Artwork::lyingBook(testament, i + 1));
            book->setTag(i + 1);
            book->setCursor(Qt::PointingHandCursor);
            book->hide();
            pictures[i] = book;
        }
    };
    shelves(Testament::Old, imgOTShelf, "imgOTShelf");
    shelves(Testament::New, imgNTShelf, "imgNTShelf");
    books(Testament::Old, imgOTBook, "imgOTBook");
    books(Testament::New, imgNTBook, "imgNTBook");
    for (TImage *shelf : imgNTShelf)
        shelf->hide();
}

void TfrmMain::centreOnScreen()
{
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

Testament TfrmMain::chosenTestament() const
{
    return chkTestament->Checked() ? Testament::New : Testament::Old;
}

void TfrmMain::FormCreate()
{
    OTShelfList.clear();
    OTBookList.clear();
    NTShelfList.clear();
    NTBookList.clear();
}

void TfrmMain::FormShow()
{
    OTShelfList.append(QList<TImage *>(imgOTShelf.begin(), imgOTShelf.end()));
    OTBookList.append(QList<TImage *>(imgOTBook.begin(), imgOTBook.end()));
    NTShelfList.append(QList<TImage *>(imgNTShelf.begin(), imgNTShelf.end()));
    NTBookList.append(QList<TImage *>(imgNTBook.begin(), imgNTBook.end()));
}

void TfrmMain::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The lists are filled once, at the first showing; a window restored from the task bar is shown again.
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TfrmMain::BooksInPlace()
{
    for (TImage *book : OTBookList)
        book->hide();
    for (TImage *book : NTBookList)
        book->hide();
    const bool newTestament = chosenTestament() == Testament::New;
    for (TImage *shelf : OTShelfList)
        shelf->setVisible(!newTestament);
    for (TImage *shelf : NTShelfList)
        shelf->setVisible(newTestament);
}

void TfrmMain::chkTestamentClick()
{
    if (chkTestament->ToggleEnabled())
        BooksInPlace();
}
