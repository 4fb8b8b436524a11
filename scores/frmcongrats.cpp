#include "scores/frmcongrats.h"

#include "controls/image.h"
#include "look/artwork.h"
#include "look/gamefont.h"
#include "scores/initialsvalidator.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr QSize ClientSize { 378, 307 };
constexpr QRect BackdropFrame { 2, 7, 374, 253 };
constexpr QRect InitialsFrame { 102, 175, 169, 61 };
constexpr QRect OKFrame { 152, 272, 75, 25 };
constexpr int InitialsPixelSize = 40;

} // namespace

TfrmCongrats::TfrmCongrats(QWidget *parent)
    : TModalDialog(ClientSize, parent)
{
    setObjectName(QStringLiteral("frmCongrats"));
    setWindowTitle(QStringLiteral("New High Score"));

    Image1 = new TImage(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(BackdropFrame);
    Image1->setPictureSource([] { return Artwork::congratsBackdrop(); }, [] { return Artwork::congratsBackdrop(2); });
    Image1->setTransparent(true);
    Image1->setAccessibleName(QStringLiteral("Congratulations: a new high score"));

    edtInitials = new QLineEdit(this);
    edtInitials->setObjectName(QStringLiteral("edtInitials"));
    edtInitials->setGeometry(InitialsFrame);
    edtInitials->setFrame(false);
    edtInitials->setFont(gameFont(InitialsPixelSize));
    // Upper-cases and limits whatever reaches the input, typed, pasted or composed.
    m_validator = new InitialsValidator(TypedInitialsLimit, edtInitials);
    edtInitials->setValidator(m_validator);
    edtInitials->setAccessibleName(QStringLiteral("Your initials"));
    edtInitials->setAccessibleDescription(
        QStringLiteral("Up to three letters for the high-score table. Enter or Esc puts them there."));

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(OKFrame);
    btnOK->setDefault(true);
    setCancelButton(btnOK);
    btnOK->setAccessibleDescription(QStringLiteral("Puts your initials on the high-score table."));
    connect(btnOK, &QPushButton::clicked, this, &TfrmCongrats::btnOKClick);
}

// The picture says "Congratulations"; the window's description says what for.
void TfrmCongrats::setNewScore(Testament testament, int score, int place)
{
    setAccessibleDescription(
        QStringLiteral("Score %1: place %2 of the %3.").arg(score).arg(place).arg(testamentName(testament)));
}

void TfrmCongrats::FormShow()
{
    m_validator->setStanding(Initials);
    edtInitials->setText(Initials);
    edtInitials->selectAll();
    edtInitials->setFocus();
}

void TfrmCongrats::btnOKClick()
{
    Initials = edtInitials->text();
    accept();
}
