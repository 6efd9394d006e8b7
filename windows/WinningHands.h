#pragma once

#include <QDialog>
#include <array>

#include "GameData.h"
#include "PayTable.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace vantorel {

// The window that shows either the pay table or the statistics of the current game. The shared
// flag ShowPayTable picks the mode when the window is built: exactly True shows the pay table,
// any other value the statistics. Everything is written once, at load; nothing changes while the
// window is open. It is built afresh at every opening and opened through ShowCentredModal.
class WinningHands : public QDialog {
    Q_OBJECT

  public:
    WinningHands(GameData& game, QWidget* parent);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    static constexpr int HandRows = 9;
    static constexpr int BreakCount = 18;

    void BuildControls();
    void PlaceControls();
    void Form_Load();
    void ShowPayTableMode();
    void ShowStatisticsMode();
    void Close_Winning_Hands_Click();

    GameData& data_;

    // The controls are owned by the window, as Qt children; these only name them.
    QLabel* InfoLogo = nullptr;
    QGroupBox* HandsPlayed = nullptr;
    QLabel* Total_Won = nullptr;
    QLabel* Won = nullptr;
    QLabel* Total_Lost = nullptr;
    QLabel* Lost = nullptr;
    QGroupBox* WinHandFrame = nullptr;
    QLabel* Hand_Clmn = nullptr;
    QLabel* Desc_Clmn = nullptr;
    QLabel* Value_Clmn = nullptr;
    std::array<QLabel*, HandRows> NameLabel{};         // by row, top to bottom
    std::array<QLabel*, HandRows> DescriptionLabel{};  // by row, top to bottom
    std::array<QLabel*, BreakCount> Break{};           // Break(0..17)
    std::array<QLabel*, HandCodeCount + 1> WinVal{};   // WinVal(1..9) by HandCode; 0 unused
    QPushButton* Close_Winning_Hands = nullptr;
};

}  // namespace vantorel
