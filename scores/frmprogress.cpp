#include "scores/frmprogress.h"

#include "controls/progresschart.h"
#include "game/lastgames.h"
#include "scores/progressfile.h"
#include "settings/settingsstore.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>

namespace {

constexpr QSize ClientSize {664, 590};
constexpr QRect ChartFrame {8, 8, 648, 300};
constexpr QRect SummaryFrame {12, 314, 640, 40};
constexpr QRect TableFrame {8, 360, 648, 186};
constexpr QRect ForgetFrame {8, 555, 130, 27};
constexpr QRect CloseFrame {576, 555, 80, 27};
constexpr int NamedBooks = 3;

enum Column { BookColumn, GamesColumn, SecondsColumn, WrongColumn, TimeoutsColumn, ColumnCount };

QString fullName(Testament testament, int index)
{
    return QString::fromUtf8(bookName(testament, index + 1));
}

QString oneDecimal(double value)
{
    return QString::number(value, 'f', 1);
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
        return QStringLiteral("No %1 game yet. After each game, this page shows how long you took to find every "
                              "book and which books cost you points, so that you know what to practise.")
            .arg(testamentName(progress.testament()));
    }
    // A game stopped at once took no time over any book: nothing is slowest yet.
    return QStringLiteral("Slowest: %1\nCost you most: %2")
        .arg(listed(progress, progress.slowest(NamedBooks), &BookProgress::averageSeconds,
                 QStringLiteral("seconds on average"), QStringLiteral("nothing yet")),
            listed(progress, progress.costliest(NamedBooks), &BookProgress::costPerGame,
                QStringLiteral("wrong clicks and time-outs a game"),
                QStringLiteral("nothing yet, not one wrong click or time-out")));
}

QTableWidgetItem *cell(const QString &text, Qt::Alignment alignment = Qt::AlignRight | Qt::AlignVCenter)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
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
    setWindowTitle(QStringLiteral("Progress"));

    chtProgress = new TProgressChart(this);
    chtProgress->setObjectName(QStringLiteral("chtProgress"));
    chtProgress->setGeometry(ChartFrame);
    chtProgress->setAccessibleName(QStringLiteral("Chart of seconds per book"));
    chtProgress->setAccessibleDescription(QStringLiteral("The table below gives the same figures."));

    lblSummary = new QLabel(this);
    lblSummary->setObjectName(QStringLiteral("lblSummary"));
    lblSummary->setGeometry(SummaryFrame);
    lblSummary->setTextFormat(Qt::PlainText);
    lblSummary->setWordWrap(true);
    lblSummary->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    grdBooks = new QTableWidget(0, ColumnCount, this);
    grdBooks->setObjectName(QStringLiteral("grdBooks"));
    grdBooks->setGeometry(TableFrame);
    grdBooks->setHorizontalHeaderLabels({QStringLiteral("Book"), QStringLiteral("Games"),
        QStringLiteral("Average seconds"), QStringLiteral("Wrong clicks"), QStringLiteral("Time-outs")});
    grdBooks->verticalHeader()->hide();
    grdBooks->verticalHeader()->setDefaultSectionSize(22);
    grdBooks->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grdBooks->horizontalHeader()->setSectionResizeMode(BookColumn, QHeaderView::Fixed);
    grdBooks->setColumnWidth(BookColumn, 170);
    grdBooks->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdBooks->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdBooks->setSelectionMode(QAbstractItemView::SingleSelection);
    grdBooks->setAlternatingRowColors(true);
    // Tab leaves the table for the buttons; the arrow keys walk its cells.
    grdBooks->setTabKeyNavigation(false);

    btnForget = new QPushButton(QStringLiteral("&Forget progress"), this);
    btnForget->setObjectName(QStringLiteral("btnForget"));
    btnForget->setGeometry(ForgetFrame);
    btnForget->setAutoDefault(false);
    btnForget->setAccessibleDescription(
        QStringLiteral("Asks first, then clears the progress of both testaments. The high scores stay."));
    connect(btnForget, &QPushButton::clicked, this, &TfrmProgress::btnForgetClick);

    btnClose = new QPushButton(QStringLiteral("Close"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setGeometry(CloseFrame);
    btnClose->setDefault(true);
    setCancelButton(btnClose);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmProgress::FormShow()
{
    m_progress = ProgressFile::load(m_settings.current(), testament());
    showProgress();
    grdBooks->setFocus();
}

void TfrmProgress::btnForgetClick()
{
    if (!m_confirm(this,
            QStringLiteral("Forget how every book went in your games of both testaments? "
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

void TfrmProgress::showProgress()
{
    const Testament shown = testament();
    const std::optional<Progress> &last = m_lastGames.of(shown);
    QList<TProgressChart::Bar> bars;
    grdBooks->setRowCount(bookCount(shown));
    grdBooks->setAccessibleName(QStringLiteral("%1, book by book").arg(testamentName(shown)));
    for (int index = 0; index < bookCount(shown); ++index) {
        const BookProgress &book = m_progress[index];
        const bool lastReached = last && (*last)[index].games > 0;
        bars.append({QString::fromUtf8(shortBookName(shown, index + 1)), book.averageSeconds(), book.costPerGame(),
            lastReached ? (*last)[index].tenths / 10.0 : -1.0});
        grdBooks->setItem(index, BookColumn, cell(fullName(shown, index), Qt::AlignLeft | Qt::AlignVCenter));
        grdBooks->setItem(index, GamesColumn, cell(QString::number(book.games)));
        grdBooks->setItem(index, SecondsColumn, cell(book.games > 0 ? oneDecimal(book.averageSeconds()) : QString()));
        grdBooks->setItem(index, WrongColumn, cell(QString::number(book.wrong)));
        grdBooks->setItem(index, TimeoutsColumn, cell(QString::number(book.timeouts)));
    }
    chtProgress->setTitle(testamentName(shown) + QStringLiteral(": seconds to find each book"));
    chtProgress->setEmptyText(QStringLiteral("No games yet"));
    chtProgress->setBars(bars);
    lblSummary->setText(summary(m_progress));
}
