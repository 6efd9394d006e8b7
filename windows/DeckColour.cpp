#include "DeckColour.h"

#include <QIcon>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "CardPlace.h"
#include "Twips.h"

namespace vantorel {
namespace {

constexpr auto Caption = "Choose Deck";
constexpr auto RedCaption = "Red Deck";
constexpr auto BlueCaption = "Blue Deck";
constexpr auto OkCaption = "O.K";

// The design, in twips. The preview is exactly the size of a card place on the table.
constexpr QSize ClientArea = TwipsSize(5715, 4665);
constexpr QRect DeckRect = TwipsRect(2040, 240, 1695, 3015);
constexpr QRect RedRect = TwipsRect(1200, 3480, 1455, 255);
constexpr QRect BlueRect = TwipsRect(3120, 3480, 1455, 255);
constexpr QRect OkRect = TwipsRect(2280, 4080, 1095, 375);

}  // namespace

DeckColour::DeckColour(GameData& game, QWidget* parent) : QDialog(parent), data_(game) {
    setObjectName("Deck_Colour");
    setWindowTitle(Caption);
    // The dialog has no icon of its own and must not borrow the table's.
    setWindowIcon(QIcon());
    // A plain sizable window with minimise and maximise boxes; nothing inside follows a resize.
    setWindowFlag(Qt::WindowMinMaxButtonsHint, true);
    resize(ClientArea);
    BuildControls();
    // The window is built afresh at every opening, so loading it is part of building it.
    Form_Load();
}

void DeckColour::BuildControls() {
    // Built in the order of the Tab key: O.K, then red, then blue.
    OKbtn = new QPushButton(OkCaption, this);
    OKbtn->setObjectName("OKbtn");
    OKbtn->setGeometry(OkRect);
    // A dialog makes an auto-default button its default, which Enter presses wherever the focus
    // is; O.K is no default, so the dialog presses it below only while it has the focus.
    OKbtn->setAutoDefault(false);
    connect(OKbtn, &QPushButton::clicked, this, &DeckColour::OKbtn_Click);

    Deck = new CardPlace(this);
    Deck->setObjectName("Deck");
    Deck->setGeometry(DeckRect);

    // Both option buttons share the window as parent, so selecting one clears the other.
    optred = new QRadioButton(RedCaption, this);
    optred->setObjectName("optred");
    optred->setGeometry(RedRect);
    optblue = new QRadioButton(BlueCaption, this);
    optblue->setObjectName("optblue");
    optblue->setGeometry(BlueRect);
    // A colour counts however its button is selected: the mouse, Space and the arrow keys click
    // it, a screen reader's toggle action only toggles it. A click on the colour already selected
    // toggles nothing and still chooses it again.
    connect(optred, &QRadioButton::clicked, this, &DeckColour::optred_Click);
    connect(optred, &QRadioButton::toggled, this, [this](bool on) {
        if (on) optred_Click();
    });
    connect(optblue, &QRadioButton::clicked, this, &DeckColour::optblue_Click);
    connect(optblue, &QRadioButton::toggled, this, [this](bool on) {
        if (on) optblue_Click();
    });

    OKbtn->setFocus();
}

void DeckColour::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel)) return;  // there is no cancel button
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (OKbtn->hasFocus()) OKbtn->click();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

void DeckColour::Form_Load() {
    // Any non-zero value means red. Selecting the colour held is no choice: RedDeck stays as it
    // was read, so a stored 5 stays 5 until the player chooses.
    const QSignalBlocker quietRed(optred), quietBlue(optblue);
    if (IsSet(data_.RedDeck)) {
        optred->setChecked(true);
        Deck->SetPicture(RedBackPicture);
    } else {
        optblue->setChecked(true);
        Deck->SetPicture(BlueBackPicture);
    }
}

void DeckColour::OKbtn_Click() {
    accept();
}

void DeckColour::optred_Click() {
    data_.RedDeck = FlagTrue;
    Deck->SetPicture(RedBackPicture);
}

void DeckColour::optblue_Click() {
    data_.RedDeck = FlagFalse;
    Deck->SetPicture(BlueBackPicture);
}

}  // namespace vantorel
