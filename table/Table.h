#pragma once

#include <QMainWindow>
#include <QString>
#include <array>
#include <map>

#include "Engine.h"
#include "GameData.h"
#include "TableControls.h"
#include "TableLogic.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace vantorel {

class CardPlace;

// What the table needs from the world around it; the program passes the real clock, sound card
// and chance, the tests a virtual clock and a script.
struct TableServices {
    Delayer& delayer;
    SoundPlayer& sound;
    RandomSource& random;
};

// The main window: the card table, its menus, and the owner of the game's shared state for the
// whole run. The game works on it only through the control operations of TableControls.
class Table final : public QMainWindow, public TableControls, public StatisticsWindow {
    Q_OBJECT

  public:
    // The program's folder is the executable's, wherever the program was started from.
    explicit Table(TableServices services);
    // A table with its options file and sounds in `appPath`.
    Table(TableServices services, const QString& appPath);
    ~Table() override;

    GameData& Data() { return data_; }

    // The control operations.
    void ShowPicture(int place, int picture) override;
    void SetCaption(Control control, const std::string& caption) override;
    void SetText(Control control, const std::string& text) override;
    std::string Text(Control control) const override;
    void SetEnabled(Control control, bool enabled) override;
    void Refresh(Control control) override;
    void SetViewStatsEnabled(bool enabled) override;
    bool Checked(Option option) const override;
    void SetChecked(Option option, bool checked) override;

    void ShowStatistics() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildControls();
    void BuildMenus();
    void SetTabOrder();
    void Form_Load(const QString& appPath);
    void CentreOnScreen();
    void Menus_Game_New_Click();
    void Menus_Game_Exit_Click();
    void Menus_Options_Deck_Click();
    void Menus_Options_Save_Click();
    void Menus_Help_About_Click();
    // Opens the pay table (True) or the statistics (False), centred and modal.
    void OpenWinningHands(Flag payTable);
    QWidget* Widget(Control control) const;
    QAction* OptionAction(Option option) const;

    GameData data_;
    Engine engine_;
    TableLogic logic_;

    // Controls and menu items belong to the window as Qt children; these only name them.
    std::array<CardPlace*, Places + 1> Cardimg{};
    std::array<QPushButton*, Places + 1> HC_{};
    QLabel* Score_Label = nullptr;
    QLineEdit* Score_Value = nullptr;
    QPushButton* Bet_Down = nullptr;
    QLineEdit* Bet_Value = nullptr;
    QPushButton* Bet_Up = nullptr;
    QPushButton* Place_Bet = nullptr;
    QAction* Menus_Game_ViewStats = nullptr;
    std::map<Option, QAction*> options_;
    // The game switched off the control that had the focus; the main button takes it back when
    // it is switched on, unless the player has moved the focus since.
    bool focusTakenBySwitchingOff_ = false;
};

}  // namespace vantorel
