#include "look/frmabout.h"

#include "look/artwork.h"
#include "look/gamefont.h"
#include "look/help.h"
#include "look/windowlook.h"
#include "platform/windowrole.h"

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>

namespace {

constexpr QSize ClientSize {480, 440};
constexpr QRect IconFrame {16, 16, 64, 64};
constexpr QRect TitleFrame {96, 16, 368, 40};
constexpr QRect SummaryFrame {96, 56, 368, 36};
constexpr QRect LicencesFrame {16, 100, 448, 292};
constexpr QRect CloseFrame {384, 404, 80, 27};

// The copyright file in Debian's machine-readable form, as the package installs it.
const char *const CopyrightPath = ":/about/copyright";

// One stanza of the copyright file: its fields by name, a continuation line joined to its field, a lone "." an empty
// line within it.
using Stanza = QList<QPair<QString, QStringList>>;

QList<Stanza> stanzas(const QString &text)
{
    QList<Stanza> all(1);
    for (const QString &line : text.split(u'\n')) {
        if (line.trimmed().isEmpty()) {
            if (!all.last().isEmpty())
                all.append(Stanza());
        } else if (line.front().isSpace() && !all.last().isEmpty()) {
            const QString continued = line.trimmed();
            all.last().last().second.append(continued == QLatin1String(".") ? QString() : continued);
        } else if (const qsizetype colon = line.indexOf(u':'); colon > 0) {
            const QString value = line.mid(colon + 1).trimmed();
            all.last().append({line.left(colon), value.isEmpty() ? QStringList() : QStringList {value}});
        }
    }
    return all;
}

QStringList field(const Stanza &stanza, const QString &name)
{
    for (const auto &[key, lines] : stanza) {
        if (key == name)
            return lines;
    }
    return {};
}

// Lines as paragraphs: an empty line ends one.
QString paragraphs(const QStringList &lines)
{
    QString html;
    for (const QString &paragraph : lines.join(u'\n').split(QStringLiteral("\n\n"), Qt::SkipEmptyParts))
        html += QStringLiteral("<p>%1</p>").arg(paragraph.toHtmlEscaped());
    return html;
}

// Each part of the program the copyright file names: what it is, who holds its copyright, and its licence in full
// (by its short name only where the file gives no text).
QString licencesPage(const QString &copyright)
{
    QString html;
    for (const Stanza &stanza : stanzas(copyright)) {
        if (field(stanza, QStringLiteral("Files")).isEmpty())
            continue;
        const QStringList holders = field(stanza, QStringLiteral("Copyright"));
        const QStringList licence = field(stanza, QStringLiteral("License"));
        html += QStringLiteral("<p><b>%1</b></p>")
                    .arg(field(stanza, QStringLiteral("Comment")).join(u' ').toHtmlEscaped());
        QStringList escaped;
        for (const QString &holder : holders)
            escaped.append(holder.toHtmlEscaped());
        html += QStringLiteral("<p><i>%1</i><br>%2</p>")
                    .arg(QCoreApplication::translate("TfrmAbout", "Copyright"), escaped.join(QStringLiteral("<br>")));
        html += QStringLiteral("<p><i>%1</i></p>").arg(QCoreApplication::translate("TfrmAbout", "Licence"));
        html += licence.size() > 1 ? paragraphs(licence.mid(1)) : paragraphs(licence);
    }
    return html;
}

QString readCopyright()
{
    QFile file(QString::fromLatin1(CopyrightPath));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

TfrmAbout::TfrmAbout(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Tomelor!"));
    Platform::setRole(this, WindowRole::ModalDialog, ClientSize);
    applyWindowLook(this);
    Help::attachTopic(this, Help::MainWindowTopic);

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("imgIcon"));
    icon->setGeometry(IconFrame);
    icon->setPixmap(Artwork::programIcon().pixmap(IconFrame.size()));

    lblTitle = new QLabel(this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setGeometry(TitleFrame);
    lblTitle->setTextFormat(Qt::PlainText);
    lblTitle->setFont(gameFont(22, true));
    lblTitle->setText(QStringLiteral("Tomelor!"));

    lblSummary = new QLabel(this);
    lblSummary->setObjectName(QStringLiteral("lblSummary"));
    lblSummary->setGeometry(SummaryFrame);
    lblSummary->setTextFormat(Qt::PlainText);
    lblSummary->setWordWrap(true);
    lblSummary->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblSummary->setText(tr("Version %1").arg(QStringLiteral(TOMELOR_VERSION)) + u'\n'
        + tr("A game for learning the order of the books of the Bible."));

    txtLicences = new QTextBrowser(this);
    txtLicences->setObjectName(QStringLiteral("txtLicences"));
    txtLicences->setGeometry(LicencesFrame);
    txtLicences->setAccessibleName(tr("Licences"));
    // A caret the keyboard moves, so that a screen reader reads the licences line by line.
    txtLicences->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    txtLicences->setHtml(licencesPage(readCopyright()));

    btnClose = new QPushButton(tr("Close"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setGeometry(CloseFrame);
    btnClose->setDefault(true);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmAbout::showOver(QWidget *asking)
{
    static QPointer<TfrmAbout> shared;
    QWidget *owner = asking ? asking->window() : nullptr;
    // One window at a time, modal to the window that asked for it last.
    if (shared && shared->parentWidget() != owner)
        delete shared;
    if (!shared) {
        shared = new TfrmAbout(owner);
        shared->setAttribute(Qt::WA_DeleteOnClose);
    }
    shared->setWindowModality(Qt::WindowModal);
    shared->show();
    shared->raise();
    shared->activateWindow();
}
