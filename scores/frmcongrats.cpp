#include "scores/frmcongrats.h"

#include "controls/image.h"
#include "look/artwork.h"
#include "look/gamefont.h"
#include "look/inscriptions.h"
#include "scores/initialsvalidator.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <utility>

namespace {

constexpr QSize ClientSize {378, 307};
constexpr QRect BackdropFrame {2, 7, 374, 253};
constexpr QRect InitialsFrame {102, 175, 169, 61};
// In the band of the backdrop between its congratulation and its prompt, in the cream of its lettering.
constexpr QRect ScoreFrame {12, 120, 354, 20};
constexpr QColor ScoreColour {250, 240, 220};
constexpr int ScorePixelSize = 15;
constexpr QRect OKFrame {152, 272, 75, 25};
constexpr int InitialsPixelSize = 40;

} // namespace

TfrmCongrats::TfrmCongrats(QWidget *parent)
    : TModalDialog(ClientSize, parent)
{
    setObjectName(QStringLiteral("frmCongrats"));
    setWindowTitle(tr("New High Score"));

    Image1 = new TImage(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(BackdropFrame);
    Image1->setPictureSource([] { return Artwork::congratsBackdrop(); }, [] { return Artwork::congratsBackdrop(2); });
    Image1->setTransparent(true);
    Image1->setAccessibleName(tr("Congratulations: a new high score"));

    lblScore = new QLabel(this);
    lblScore->setObjectName(QStringLiteral("lblScore"));
    lblScore->setGeometry(ScoreFrame);
    lblScore->setTextFormat(Qt::PlainText);
    lblScore->setAlignment(Qt::AlignCenter);
    lblScore->setFont(gameFont(ScorePixelSize, true));
    QPalette lettering = lblScore->palette();
    lettering.setColor(QPalette::WindowText, ScoreColour);
    lblScore->setPalette(lettering);

    edtInitials = new QLineEdit(this);
    edtInitials->setObjectName(QStringLiteral("edtInitials"));
    edtInitials->setGeometry(InitialsFrame);
    edtInitials->setFrame(false);
    edtInitials->setFont(gameFont(InitialsPixelSize));
    // Upper-cases and limits whatever reaches the input, typed, pasted or composed.
    m_validator = new InitialsValidator(TypedInitialsLimit, edtInitials);
    edtInitials->setValidator(m_validator);
    edtInitials->setAccessibleName(tr("Your initials"));
    edtInitials->setAccessibleDescription(
        tr("Up to three letters for the high-score table. Enter or Esc puts them there."));

    btnOK = new QPushButton(tr("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(OKFrame);
    btnOK->setDefault(true);
    setCancelButton(btnOK);
    btnOK->setAccessibleDescription(tr("Puts your initials on the high-score table."));
    connect(btnOK, &QPushButton::clicked, this, &TfrmCongrats::btnOKClick);
}

// The picture says "Congratulations"; the window's description says what for.
void TfrmCongrats::setNewScore(Testament testament, int score, int place)
{
    setAccessibleDescription(tr("Score %1: place %2 of the %3.").arg(score).arg(place).arg(testamentName(testament)));
    const QString text = tr("%1 points: place %2 of the %3").arg(score).arg(place).arg(testamentName(testament));
    // Narrowed, and made smaller only if it must be, as the words painted around it are, to fit between the
    // plaque's edges in every language.
    lblScore->setFont(Inscriptions::fitted(gameFont(ScorePixelSize, true), text, ScoreFrame.width()));
    lblScore->setText(text);
}

void TfrmCongrats::FormShow()
{
    m_validator->setStanding(Initials);
    edtInitials->setText(Initials);
    edtInitials->setFocus();
    // Selected once the dialog is up: a screen reader speaks a selection as it is made, and the dialog's title must
    // come first.
    m_selectOnActivation = true;
}

bool TfrmCongrats::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && std::exchange(m_selectOnActivation, false))
        edtInitials->selectAll();
    return TModalDialog::event(event);
}

void TfrmCongrats::btnOKClick()
{
    Initials = edtInitials->text();
    accept();
}
