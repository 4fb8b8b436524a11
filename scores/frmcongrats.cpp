#include "scores/frmcongrats.h"

#include "app/artwork.h"
#include "app/gamefont.h"
#include "controls/image.h"

#include <QLineEdit>
#include <QPushButton>
#include <QValidator>

#include <algorithm>

namespace {

constexpr QSize ClientSize { 378, 307 };
constexpr QRect BackdropFrame { 2, 7, 374, 253 };
constexpr QRect InitialsFrame { 102, 175, 169, 61 };
constexpr QRect OKFrame { 152, 272, 75, 25 };
constexpr int InitialsPixelSize = 40;

// Upper-cases whatever reaches the input, typed, pasted or composed.
class UpperCaseValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &) const override
    {
        input = input.toUpper();
        return Acceptable;
    }
};

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
    edtInitials->setValidator(new UpperCaseValidator(edtInitials));
    edtInitials->setAccessibleName(QStringLiteral("Your initials"));
    edtInitials->setAccessibleDescription(
        QStringLiteral("Up to three letters for the high-score table. Enter or Esc puts them there."));
    limitTyping(0);
    connect(edtInitials, &QLineEdit::textEdited, this, [this](const QString &text) { limitTyping(text.length()); });

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(OKFrame);
    btnOK->setDefault(true);
    setCancelButton(btnOK);
    btnOK->setAccessibleDescription(QStringLiteral("Puts your initials on the high-score table."));
    connect(btnOK, &QPushButton::clicked, this, &TfrmCongrats::btnOKClick);
}

// The input's own length limit does the refusing, also of pasted text; while longer proposed initials stand,
// it is raised to their length so that they are not cut, and lowered again as they shrink.
void TfrmCongrats::limitTyping(int length)
{
    const int limit = std::max(TypedInitialsLimit, length);
    if (edtInitials->maxLength() != limit)
        edtInitials->setMaxLength(limit);
}

void TfrmCongrats::FormShow()
{
    limitTyping(Initials.length());
    edtInitials->setText(Initials);
    edtInitials->selectAll();
    edtInitials->setFocus();
}

void TfrmCongrats::btnOKClick()
{
    Initials = edtInitials->text();
    accept();
}
