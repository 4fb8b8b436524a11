#include "scores/frmscores.h"

#include "controls/image.h"
#include "controls/lcd99.h"
#include "look/artwork.h"
#include "look/gamefont.h"
#include "scores/frmcongrats.h"
#include "scores/profilefile.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr QSize ClientSize { 607, 415 };
constexpr QSize BoardSize { 299, 375 };
constexpr QSize DisplaySize { 107, 23 };
constexpr QRect Button1Frame { 265, 384, 75, 25 };
constexpr int RowPitch = 58;
constexpr int InitialsPixelSize = 30;
constexpr QColor InitialsColor { 255, 0, 0 };

// A testament's column: its board and the first row's initials label and score display.
struct Column
{
    QPoint board;
    QPoint label;
    QPoint display;
};

constexpr Column OTColumn { { 1, 4 }, { 82, 74 }, { 159, 80 } };
constexpr Column NTColumn { { 305, 4 }, { 385, 72 }, { 462, 78 } };

// Amber at the top shading to red-orange at the bottom, the same in both columns.
constexpr std::array<QRgb, ScoreRowCount> RowColors {
    qRgb(255, 179, 0), qRgb(255, 148, 0), qRgb(255, 119, 0), qRgb(255, 89, 0), qRgb(255, 59, 0),
};

constexpr int DisplayDigits = 5;
constexpr int DisplayDigitSpacing = 3;
constexpr int DisplaySegmentSize = 3;

TImage *createBoard(QWidget *parent, const QString &name, QPoint at, Testament testament)
{
    auto *board = new TImage(parent);
    board->setAccessibleName(QStringLiteral("%1 high scores").arg(testamentName(testament)));
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
    return display;
}

void createColumn(QWidget *parent, Testament testament, const Column &column,
                  std::array<QLabel *, ScoreRowCount> &labels, std::array<TLCD99 *, ScoreRowCount> &displays)
{
    const QLatin1String prefix(testament == Testament::New ? "NT" : "OT");
    for (int row = 0; row < ScoreRowCount; ++row) {
        const QPoint down(0, RowPitch * row);
        const QString number = QString::number(row + 1);
        const QString place = QStringLiteral("%1, place %2").arg(testamentName(testament), number);
        labels[row] = createUserLabel(parent, QStringLiteral("lbl%1User%2").arg(prefix, number),
                                      column.label + down);
        // A label's accessible name is its text: the initials, described by their place.
        labels[row]->setAccessibleDescription(place + QStringLiteral(", initials"));
        displays[row] = createScoreDisplay(
            parent, QStringLiteral("lcd%1Score%2").arg(prefix, number), column.display + down, row);
        displays[row]->setAccessibleName(place + QStringLiteral(", score"));
    }
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
              const QList<TLCD99 *> &displays, const QList<QLabel *> &labels)
{
    for (int row = 0; row < ScoreRowCount; ++row) {
        const bool filled = scores[row] > 0;
        displays[row]->setValue(filled ? QString::number(scores[row]) : QString());
        fitInitials(labels[row], filled ? users[row] : QString(), displays[row]->x() - labels[row]->x());
    }
}

} // namespace

TfrmScores::TfrmScores(TfrmCongrats *congrats, QWidget *parent)
    : TModalDialog(ClientSize, parent)
    , m_congrats(congrats)
    , m_settingsPath(ProfileFile::defaultPath())
{
    setObjectName(QStringLiteral("frmScores"));
    setWindowTitle(QStringLiteral("High Scores"));

    // Painting order is creation order: the boards below their rows.
    Image1 = createBoard(this, QStringLiteral("Image1"), OTColumn.board, Testament::Old);
    Image2 = createBoard(this, QStringLiteral("Image2"), NTColumn.board, Testament::New);
    createColumn(this, Testament::Old, OTColumn, lblOTUser, lcdOTScore);
    createColumn(this, Testament::New, NTColumn, lblNTUser, lcdNTScore);

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(Button1Frame);
    Button1->setDefault(true);
    setCancelButton(Button1);
    Button1->setAccessibleDescription(QStringLiteral("Closes the high-score table."));
    connect(Button1, &QPushButton::clicked, this, &TfrmScores::Button1Click);

    FormCreate();
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
    ProfileFile file(m_settingsPath);
    Table.LoadScores(file);
    Table.NewOTScore = NewOTScore;
    Table.NewNTScore = NewNTScore;
    const ScoreTable::InitialsExchange ask = [this](const QString &proposed) { return askInitials(proposed); };
    Table.InsertScore(Testament::Old, ask);
    Table.InsertScore(Testament::New, ask);
    // An entered score clears its field.
    NewOTScore = Table.NewOTScore;
    NewNTScore = Table.NewNTScore;
    // Another window may have saved while the initials were asked for: the save merges, and the rows show what
    // was saved.
    // The rows below show the score all the same, so the player is told plainly that it will not be there next time.
    if (!Table.SaveMerged(file))
        m_reportError(parentWidget(), file.writeFailureMessage() + QStringLiteral("; your score was not stored"));
    showRows(Table.OTScores, Table.OTUsers, OTScoreDisplays, OTUserLabels);
    showRows(Table.NTScores, Table.NTUsers, NTScoreDisplays, NTUserLabels);
}

void TfrmScores::Button1Click()
{
    reject();
}

QString TfrmScores::askInitials(const QString &proposed)
{
    // However the dialog closes, its Initials are taken.
    m_congrats->Initials = proposed;
    m_congrats->ShowModal();
    return m_congrats->Initials;
}

