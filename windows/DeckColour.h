#pragma once

#include <QDialog>

#include "GameData.h"

class QKeyEvent;
class QPushButton;
class QRadioButton;

namespace vantorel {

class CardPlace;

// The card-back dialog: red or blue backs, with a preview of the chosen one. A click on either
// colour sets RedDeck at once; there is no cancel, so closing the dialog in any way keeps the
// last choice. It is built afresh at every opening and opened through ShowCentredModal.
class DeckColour final : public QDialog {
    Q_OBJECT

  public:
    DeckColour(GameData& game, QWidget* parent);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void BuildControls();
    void Form_Load();
    void OKbtn_Click();
    void optred_Click();
    void optblue_Click();

    GameData& data_;

    // The controls are owned by the window, as Qt children; these only name them.
    CardPlace* Deck = nullptr;
    QRadioButton* optred = nullptr;
    QRadioButton* optblue = nullptr;
    QPushButton* OKbtn = nullptr;
};

}  // namespace vantorel
