#include "scores/frmprogress.h"

#include "controls/progresschart.h"
#include "game/lastgames.h"
#include "scores/progressfile.h"
#include "settings/settingsstore.h"

#include <QApplication>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>

namespace {

constexpr QSize ClientSize {664, 649};
constexpr QRect ChartFrame {8, 8, 648, 260};
constexpr QRect SummaryFrame {12, 272, 640, 40};
constexpr QRect TableFrame {8, 316, 648, 150};
// The sections of the Old Testament, the more numerous, fill their table without a scroll bar.
constexpr QRect SectionsFrame {8, 474, 446, 131};
constexpr QRect PracticeFrame {462, 466, 194, 108};
constexpr QRect PractiseFrame {462, 578, 194, 27};
constexpr QRect ForgetFrame {8, 614, 130, 27};
constexpr QRect CloseFrame {576, 614, 80, 27};
constexpr int NamedBooks = 3;
constexpr int RowHeight = 22;

enum Column { BookColumn, GamesColumn, SecondsColumn, WrongColumn, TimeoutsColumn, ColumnCount };
enum SectionsColumn { SectionColumn, RangeColumn, CostColumn };

QString fullName(Testament testament, int index)
{
    return shownBookName(testament, index + 1);
}

QString oneDecimal(double value)
{
    return QLocale().toString(value, 'f', 1);
}

// "Obadiah 14.2, Nahum 11.0 seconds on average" for the books named, each with its figure; `none` without books.
QString listed(const Progress &progress, const QList<int> &books, double (BookProgress::*figure)() const,
    const QString &unit, const QString &none)
{
    if (books.isEmpty())
        return none;
    QStringList parts;
    for (const int index : books)
        parts.append(fullName(progress.testament(), index) + u' ' + oneDecimal((progress[index].*figure)()));
    return parts.join(QStringLiteral(", ")) + u' ' + unit;
}

QString summary(const Progress &progress)
{
    if (!progress.played()) {
        return QCoreApplication::translate("TfrmProgress",
            "No %1 game yet. After each game, this page shows how long you took to find every "
            "book and which books cost you points, so that you know what to practise.")
            .arg(testamentName(progress.testament()));
    }
    // A game stopped at once took no time over any book: nothing is slowest yet.
    return QCoreApplication::translate("TfrmProgress", "Slowest: %1\nCost you most: %2")
        .arg(listed(progress, progress.slowest(NamedBooks), &BookProgress::averageSeconds,
                 QCoreApplication::translate("TfrmProgress", "seconds on average"),
                 QCoreApplication::translate("TfrmProgress", "nothing yet")),
            listed(progress, progress.costliest(NamedBooks), &BookProgress::costPerGame,
                QCoreApplication::translate("TfrmProgress", "wrong clicks and time-outs a game"),
                QCoreApplication::translate("TfrmProgress", "nothing yet, not one wrong click or time-out")));
}

QString costSentence(std::optional<double> cost)
{
    return cost ? QCoreApplication::translate("TfrmProgress", "%1 seconds a book").arg(oneDecimal(*cost))
                : QCoreApplication::translate("TfrmProgress", "not played yet");
}

QTableWidgetItem *cell(const QString &text, Qt::Alignment alignment = Qt::AlignRight | Qt::AlignVCenter)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

// A read-only table of whole rows, walked by the arrow keys; Tab leaves it for the buttons.
QTableWidget *table(QWidget *parent, const QString &name, QRect frame, const QStringList &headers)
{
    auto *grid = new QTableWidget(0, int(headers.size()), parent);
    grid->setObjectName(name);
    grid->setGeometry(frame);
    grid->setHorizontalHeaderLabels(headers);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(RowHeight);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setAlternatingRowColors(true);
    grid->setTabKeyNavigation(false);
    return grid;
}

void fixColumn(QTableWidget *grid, int column, int width)
{
    grid->horizontalHeader()->setSectionResizeMode(column, QHeaderView::Fixed);
    grid->setColumnWidth(column, width);
}

bool askPlayer(QWidget *parent, const QString &question)
{
    return QMessageBox::question(
               parent, QApplication::applicationName(), question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

} // namespace

TfrmProgress::TfrmProgress(SettingsStore &settings, LastGames &lastGames, QWidget *parent)
    : TModalDialog(ClientSize, parent, Help::ProgressTopic)
    , m_settings(settings)
    , m_lastGames(lastGames)
    , m_confirm(askPlayer)
{
    setObjectName(QStringLiteral("frmProgress"));
    setWindowTitle(tr("Progress"));

    chtProgress = new TProgressChart(this);
    chtProgress->setObjectName(QStringLiteral("chtProgress"));
    chtProgress->setGeometry(ChartFrame);
    chtProgress->setAccessibleName(tr("Chart of seconds per book"));
    chtProgress->setAccessibleDescription(tr("The table below gives the same figures."));

    lblSummary = new QLabel(this);
    lblSummary->setObjectName(QStringLiteral("lblSummary"));
    lblSummary->setGeometry(SummaryFrame);
    lblSummary->setTextFormat(Qt::PlainText);
    lblSummary->setWordWrap(true);
    lblSummary->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    grdBooks = table(this, QStringLiteral("grdBooks"), TableFrame,
        {tr("Book"), tr("Games"), tr("Average seconds"), tr("Wrong clicks"), tr("Time-outs")});
    fixColumn(grdBooks, BookColumn, 170);

    grdSections
        = table(this, QStringLiteral("grdSections"), SectionsFrame, {tr("Section"), tr("Books"), tr("Seconds a book")});
    fixColumn(grdSections, SectionColumn, 180);
    fixColumn(grdSections, RangeColumn, 158);
    // A row is always selected: the header need not echo it.
    grdSections->horizontalHeader()->setHighlightSections(false);

    lblPractice = new QLabel(this);
    lblPractice->setObjectName(QStringLiteral("lblPractice"));
    lblPractice->setGeometry(PracticeFrame);
    lblPractice->setTextFormat(Qt::PlainText);
    lblPractice->setWordWrap(true);
    lblPractice->setAlignment(Qt::AlignLeft | Qt::AlignBottom);

    btnPractise = new QPushButton(tr("&Practise"), this);
    btnPractise->setObjectName(QStringLiteral("btnPractise"));
    btnPractise->setGeometry(PractiseFrame);
    btnPractise->setAccessibleDescription(tr(
        "Closes this window and starts a game of the selected section alone. A practice score is never a high score."));
    connect(btnPractise, &QPushButton::clicked, this, &TfrmProgress::btnPractiseClick);

    btnForget = new QPushButton(tr("&Forget progress"), this);
    btnForget->setObjectName(QStringLiteral("btnForget"));
    btnForget->setGeometry(ForgetFrame);
    btnForget->setAutoDefault(false);
    btnForget->setAccessibleDescription(
        tr("Asks first, then clears the progress of both testaments. The high scores stay."));
    connect(btnForget, &QPushButton::clicked, this, &TfrmProgress::btnForgetClick);

    btnClose = new QPushButton(tr("Close"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setGeometry(CloseFrame);
    btnClose->setDefault(true);
    setCancelButton(btnClose);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmProgress::FormShow()
{
    m_toPractise.reset();
    m_progress = ProgressFile::load(m_settings.current(), testament());
    showProgress();
    grdBooks->setFocus();
}

void TfrmProgress::btnForgetClick()
{
    if (!m_confirm(this,
            tr("Forget how every book went in your games of both testaments? "
               "Your high scores stay.")))
        return;
    btnForget->setEnabled(false);
    m_settings.save(ProgressFile::forget, this, [this](const QString &failure) {
        btnForget->setEnabled(true);
        if (!failure.isEmpty()) {
            m_reportError(this, failure);
            return;
        }
        m_lastGames.clear();
        m_progress = Progress(testament());
        showProgress();
    });
}

void TfrmProgress::btnPractiseClick()
{
    const std::span<const Section> shown = sections(testament());
    const int row = grdSections->currentRow();
    if (row < 0 || row >= int(shown.size()))
        return;
    m_toPractise = shown[row];
    accept();
}

void TfrmProgress::showProgress()
{
    const Testament shown = testament();
    const std::optional<Progress> &last = m_lastGames.of(shown);
    QList<TProgressChart::Bar> bars;
    grdBooks->setRowCount(bookCount(shown));
    grdBooks->setAccessibleName(tr("%1, book by book").arg(testamentName(shown)));
    for (int index = 0; index < bookCount(shown); ++index) {
        const BookProgress &book = m_progress[index];
        const bool lastReached = last && (*last)[index].games > 0;
        bars.append({shownShortBookName(shown, index + 1), book.averageSeconds(), book.costPerGame(),
            lastReached ? (*last)[index].tenths / 10.0 : -1.0});
        grdBooks->setItem(index, BookColumn, cell(fullName(shown, index), Qt::AlignLeft | Qt::AlignVCenter));
        grdBooks->setItem(index, GamesColumn, cell(QString::number(book.games)));
        grdBooks->setItem(index, SecondsColumn, cell(book.games > 0 ? oneDecimal(book.averageSeconds()) : QString()));
        grdBooks->setItem(index, WrongColumn, cell(QString::number(book.wrong)));
        grdBooks->setItem(index, TimeoutsColumn, cell(QString::number(book.timeouts)));
    }
    chtProgress->setTitle(tr("%1: seconds to find each book").arg(testamentName(shown)));
    chtProgress->setEmptyText(tr("No games yet"));
    chtProgress->setBars(bars);
    lblSummary->setText(summary(m_progress));
    showSections();
}

void TfrmProgress::showSections()
{
    const std::span<const Section> shown = sections(testament());
    grdSections->setRowCount(int(shown.size()));
    grdSections->setAccessibleName(tr("%1, section by section").arg(testamentName(testament())));
    for (int row = 0; row < int(shown.size()); ++row) {
        const Section &section = shown[row];
        const std::optional<double> cost = m_progress.cost(section);
        grdSections->setItem(row, SectionColumn, cell(section.title(), Qt::AlignLeft | Qt::AlignVCenter));
        grdSections->setItem(row, RangeColumn,
            cell(tr("%1 to %2")
                     .arg(fullName(section.testament, section.first), fullName(section.testament, section.last())),
                Qt::AlignLeft | Qt::AlignVCenter));
        QTableWidgetItem *costCell = cell(cost ? oneDecimal(*cost) : tr("not played yet"));
        // A screen reader reads the row cell by cell: a bare figure would say nothing.
        costCell->setData(Qt::AccessibleTextRole, costSentence(cost));
        grdSections->setItem(row, CostColumn, costCell);
    }
    const Section costliest = m_progress.sectionToPractise();
    grdSections->setCurrentCell(int(std::ranges::find(shown, costliest) - shown.begin()), SectionColumn);
    // Said first, so that a screen reader that enters the table hears which row is selected.
    lblPractice->setText(tr("Costliest: %1, %2. A section costs the average seconds of its books, and "
                            "%3 seconds more for each wrong click or time-out a game. F3 in the main "
                            "window practises the costliest.")
                             .arg(costliest.title(), costSentence(m_progress.cost(costliest)))
                             .arg(Progress::SecondsPerMistake));
    grdSections->setAccessibleDescription(lblPractice->text());
}
