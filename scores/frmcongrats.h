#pragma once

#include "game/catalogue.h"
#include "scores/modaldialog.h"

#include <QString>

class InitialsValidator;
class QLabel;
class QLineEdit;
class QPushButton;
class TImage;

// "New High Score": asks the player for initials. It has no way to refuse: OK, Enter and Esc all take the text
// as it stands; closing the window any other way leaves the proposed initials in place.
class TfrmCongrats : public TModalDialog
{
    Q_OBJECT

public:
    // How many characters, as the player sees them, the player may type; longer initials from the settings file
    // are proposed in full.
    static constexpr int TypedInitialsLimit = 3;

    explicit TfrmCongrats(QWidget *parent = nullptr);

    TImage *Image1;
    QLabel *lblScore; // the score and the place it takes, between the congratulation and the prompt
    QLineEdit *edtInitials;
    QPushButton *btnOK;

    // The initials the input opens with; after OK, the initials entered.
    QString Initials;

    // The score and the place it takes (1 to 5), shown under the congratulation and told to screen readers along
    // with the dialog's title.
    void setNewScore(Testament testament, int score, int place);

    // Puts the proposal into the input, fully selected, so that typing replaces it.
    void FormShow() override;
    void btnOKClick();

protected:
    bool event(QEvent *event) override;

private:
    InitialsValidator *m_validator;
    bool m_selectOnActivation = false;
};
