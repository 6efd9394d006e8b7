#pragma once

#include <string>

#include "Engine.h"
#include "GameData.h"
#include "TableControls.h"

namespace vantorel {

// The main window's own procedures, apart from the window: start-up, the main button, the hold
// buttons, the stake buttons and the stake box, and starting a new game. The window forwards its
// events here.
class TableLogic {
  public:
    TableLogic(GameData& data, Engine& engine, TableControls& table);

    // Start-up, from clearing Quick Play to setting the controls for no game in progress. The
    // window sets its title and position before, and reads the options file after.
    void Form_Load(const std::string& appPath);

    void Place_Bet_Click();
    void HC_Click(int Index);
    void Bet_Down_Click();
    void Bet_Up_Click();
    void Bet_Value_Change();

    // Game > "New Game" once confirmed, or with no game in progress: a round under way is abandoned
    // first, so nothing of it touches the new game.
    void StartNewGame();
    // The main window is closing: a round under way is abandoned at once.
    void Closing();

    // The highest stake allowed now.
    Integer StakeLimit() const;

  private:
    GameData& data_;
    Engine& engine_;
    TableControls& table_;
};

}  // namespace vantorel
