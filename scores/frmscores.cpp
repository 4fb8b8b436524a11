#include "scores/frmscores.h"

#include "controls/image.h"
#include "controls/lcd99.h"
#include "controls/mark.h"
#include "look/artwork.h"
#include "look/focusring.h"
#include "look/gamefont.h"
#include "look/windowlook.h"
#include "scores/frmcongrats.h"
#include "settings/settingsstore.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr QSize ClientSize {607, 415};
constexpr QSize BoardSize {299, 375};
constexpr QSize DisplaySize {107, 23};
constexpr QRect Button1Frame {265, 384, 75, 25};
constexpr int RowPitch = 58;
constexpr int InitialsPixelSize = 30;
constexpr QColor InitialsColor {255, 0, 0};
// The dark slot of a row on the boards, from the top-left corner of its initials label.
constexpr QPoint SlotFromLabel {-7, -7};
constexpr QSize SlotSize {199, 49};
constexpr int NewRowOutset = 3;

// A testament's column: its board and the first row's initials label and score display.
struct Column
{
    QPoint board;
    QPoint label;
    QPoint display;
};

constexpr Column OTColumn {{1, 4}, {82, 74}, {159, 80}};
constexpr Column NTColumn {{305, 4}, {385, 72}, {462, 78}};

// Amber at the top shading to red-orange at the bottom, the same in both columns.
constexpr std::array<QRgb, ScoreRowCount> RowColors {
    qRgb(255, 179, 0),
    qRgb(255, 148, 0),
    qRgb(255, 119, 0),
    qRgb(255, 89, 0),
    qRgb(255, 59, 0),
};

constexpr int DisplayDigits = 5;
constexpr int DisplayDigitSpacing = 3;
constexpr int DisplaySegmentSize = 3;

QString headingOf(Testament testament)
{
    return QCoreApplication::translate("TfrmScores", "%1 high scores").arg(testamentName(testament));
}

TImage *createBoard(QWidget *parent, const QString &name, QPoint at, Testament testament)
{
    auto *board = new TImage(parent);
    board->setAccessibleName(headingOf(testament));
    board->setHeading(true);
    board->setObjectName(name);
    board->setGeometry(QRect(at, BoardSize));
    board->setPictureSource([testament] { return Artwork::scoreBoard(testament); },
        [testament] { return Artwork::scoreBoard(testament, 2); });
    board->setTransparent(true);
    return board;
}

// Transparent, so that the board shows through; it sizes itself to its text from a fixed top-left corner.
QLabel *createUserLabel(QWidget *parent, const QString &name, QPoint at)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    // Initials are whatever the file holds; they are never markup.
    label->setTextFormat(Qt::PlainText);
    label->move(at);
    label->setFont(gameFont(InitialsPixelSize, true));
    QPalette colors = label->palette();
    colors.setColor(QPalette::WindowText, InitialsColor);
    label->setPalette(colors);
    label->adjustSize();
    return label;
}

TLCD99 *createScoreDisplay(QWidget *parent, const QString &name, QPoint at, int row)
{
    auto *display = new TLCD99(parent);
    display->setObjectName(name);
    display->setGeometry(QRect(at, DisplaySize));
    display->setDigitNum(DisplayDigits);
    display->setDigitSpacing(DisplayDigitSpacing);
    display->setSegmentSize(DisplaySegmentSize);
    display->setColor(Qt::black);
    display->setOnColor(QColor::fromRgb(RowColors[row]));
    // The rows take the keyboard, so that a screen reader reads them one by one; each says its whole row.
    display->setFocusPolicy(Qt::TabFocus);
    display->setNamesValue(false);
    return display;
}

void createColumn(QWidget *parent, Testament testament, const Column &column, QWidget *heading,
    std::array<QLabel *, ScoreRowCount> &labels, std::array<TLCD99 *, ScoreRowCount> &displays)
{
    const QLatin1String prefix(testament == Testament::New ? "NT" : "OT");
    for (int row = 0; row < ScoreRowCount; ++row) {
        const QPoint down(0, RowPitch * row);
        const QString number = QString::number(row + 1);
        const QString place
            = QCoreApplication::translate("TfrmScores", "%1, place %2").arg(testamentName(testament), number);
        labels[row] = createUserLabel(parent, QStringLiteral("lbl%1User%2").arg(prefix, number), column.label + down);
        // A label's accessible name is its text: the initials, described by their place.
        labels[row]->setAccessibleDescription(QCoreApplication::translate("TfrmScores", "%1, initials").arg(place));
        displays[row] = createScoreDisplay(
            parent, QStringLiteral("lcd%1Score%2").arg(prefix, number), column.display + down, row);
    }
    // Arriving at a testament's first row says whose rows follow. Labelled by their heading, the rows are not read
    // out all together, both testaments mixed, as the dialog opens.
    displays[0]->setAccessibleDescription(headingOf(testament));
    for (TLCD99 *display : displays)
        display->setLabelledBy(heading);
}

// How a screen reader reads a row: its place, its score and its initials, or that it is empty; the row of the
// score just entered says so.
QString rowReading(int row, int score, const QString &initials, bool isNew)
{
    if (score <= 0)
        return QCoreApplication::translate("TfrmScores", "Place %1, empty").arg(row + 1);
    QString reading = QCoreApplication::translate("TfrmScores", "Place %1, %2").arg(row + 1).arg(score);
    if (!initials.isEmpty())
        reading += QStringLiteral(", ") + initials;
    return isNew ? reading + QCoreApplication::translate("TfrmScores", ", new") : reading;
}

// Wide initials ("WWW") would run under the score display, which starts right after the label's slot: the same
// face is drawn narrower until the text fits. Ordinary initials keep the face as it is.
void fitInitials(QLabel *label, const QString &text, int slotWidth)
{
    constexpr int NarrowestStretch = 50;
    QFont font = gameFont(InitialsPixelSize, true);
    label->setText(text);
    label->setFont(font);
    label->adjustSize();
    for (int stretch = 99; label->width() > slotWidth && stretch >= NarrowestStretch; --stretch) {
        font.setStretch(stretch);
        label->setFont(font);
        label->adjustSize();
    }
}

// An empty row shows nothing, so the placeholder initials of rows never filled stay unseen.
void showRows(const std::array<int, ScoreRowCount> &scores, const std::array<QString, ScoreRowCount> &users,
    const QList<TLCD99 *> &displays, const QList<QLabel *> &labels, int newRow)
{
    for (int row = 0; row < ScoreRowCount; ++row) {
        const bool filled = scores[row] > 0;
        displays[row]->setValue(filled ? QString::number(scores[row]) : QString());
        fitInitials(labels[row], filled ? users[row] : QString(), displays[row]->x() - labels[row]->x());
        displays[row]->setAccessibleName(rowReading(row, scores[row], users[row], row == newRow));
    }
}

} // namespace

TfrmScores::TfrmScores(SettingsStore &settings, TfrmCongrats *congrats, QWidget *parent)
    : TModalDialog(ClientSize, parent)
    , m_settings(settings)
    , m_congrats(congrats)
{
    setObjectName(QStringLiteral("frmScores"));
    setWindowTitle(tr("High Scores"));
    setAccessibleDescription(tr("The five best of each testament: Tab or the arrow keys read the rows."));

    // Painting order is creation order: the boards below their rows.
    Image1 = createBoard(this, QStringLiteral("Image1"), OTColumn.board, Testament::Old);
    Image2 = createBoard(this, QStringLiteral("Image2"), NTColumn.board, Testament::New);
    createColumn(this, Testament::Old, OTColumn, Image1, lblOTUser, lcdOTScore);
    createColumn(this, Testament::New, NTColumn, Image2, lblNTUser, lcdNTScore);

    Button1 = new QPushButton(tr("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(Button1Frame);
    Button1->setDefault(true);
    setCancelButton(Button1);
    Button1->setAccessibleDescription(tr("Closes the high-score table."));
    connect(Button1, &QPushButton::clicked, this, &TfrmScores::Button1Click);

    // A frame alone: the slot stays dark, for the red initials to read.
    mrkNewRow = new TMark(Gilt, NewRowOutset, 0, this);
    mrkNewRow->setObjectName(QStringLiteral("mrkNewRow"));

    FormCreate();

    // OK first, then the rows, the Old Testament's first; the arrow keys step through them as Tab does.
    auto *ring = new FocusRing(this);
    QWidget *before = Button1;
    for (TLCD99 *display : OTScoreDisplays + NTScoreDisplays) {
        setTabOrder(before, display);
        before = display;
        display->installEventFilter(this);
        ring->watch(display);
    }
}

bool TfrmScores::eventFilter(QObject *watched, QEvent *event)
{
    const QList<TLCD99 *> rows = OTScoreDisplays + NTScoreDisplays;
    const qsizetype at = rows.indexOf(qobject_cast<TLCD99 *>(watched));
    if (event->type() == QEvent::KeyPress && at >= 0) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Down:
        case Qt::Key_Right:
            rows.value(at + 1, rows[at])->setFocus(Qt::TabFocusReason);
            return true;
        case Qt::Key_Up:
        case Qt::Key_Left:
            rows.value(at - 1, rows[at])->setFocus(Qt::BacktabFocusReason);
            return true;
        default:
            break;
        }
    }
    return TModalDialog::eventFilter(watched, event);
}

void TfrmScores::FormCreate()
{
    OTScoreDisplays = QList<TLCD99 *>(lcdOTScore.begin(), lcdOTScore.end());
    NTScoreDisplays = QList<TLCD99 *>(lcdNTScore.begin(), lcdNTScore.end());
    OTUserLabels = QList<QLabel *>(lblOTUser.begin(), lblOTUser.end());
    NTUserLabels = QList<QLabel *>(lblNTUser.begin(), lblNTUser.end());
}

void TfrmScores::FormShow()
{
    Table.LoadScores(m_settings.current());
    Table.NewOTScore = NewOTScore;
    Table.NewNTScore = NewNTScore;
    for (const Testament testament : {Testament::Old, Testament::New}) {
        const int score = testament == Testament::Old ? Table.NewOTScore : Table.NewNTScore;
        Table.InsertScore(
            testament, [=, this](const QString &proposed) { return askInitials(proposed, testament, score); });
    }
    // An entered score clears its field.
    NewOTScore = Table.NewOTScore;
    NewNTScore = Table.NewNTScore;
    showTable();
    Button1->setFocus();
    if (!Table.TableChanged)
        return;
    // Another window may have saved while the initials were asked for: the save merges, and the rows then show
    // what was saved. When it fails, the rows keep the score all the same, so the player is told plainly that it
    // will not be there next time.
    auto merged = std::make_shared<ScoreTable>(Table);
    m_settings.save([merged](ProfileFile &file) { return merged->SaveMerged(file); }, this,
        [this, merged](const QString &failure) {
            if (!failure.isEmpty()) {
                m_reportError(parentWidget(), tr("%1; your score was not stored").arg(failure));
                return;
            }
            Table = *merged;
            showTable();
        });
}

void TfrmScores::showTable()
{
    showRows(Table.OTScores, Table.OTUsers, OTScoreDisplays, OTUserLabels, Table.newRow(Testament::Old));
    showRows(Table.NTScores, Table.NTUsers, NTScoreDisplays, NTUserLabels, Table.newRow(Testament::New));
    mrkNewRow->clear();
    for (const Testament testament : {Testament::Old, Testament::New}) {
        const int row = Table.newRow(testament);
        const Column &column = testament == Testament::Old ? OTColumn : NTColumn;
        if (row >= 0)
            mrkNewRow->mark(QRect(column.label + SlotFromLabel + QPoint(0, RowPitch * row), SlotSize));
    }
}

void TfrmScores::Button1Click()
{
    reject();
}

QString TfrmScores::askInitials(const QString &proposed, Testament testament, int score)
{
    m_congrats->setNewScore(testament, score, Table.rowFor(testament, score) + 1);
    // However the dialog closes, its Initials are taken.
    m_congrats->Initials = proposed;
    m_congrats->ShowModal();
    return m_congrats->Initials;
}
