#pragma once

#include <optional>
#include <string>

#include "Engine.h"
#include "GameData.h"
#include "OptionsFile.h"
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
    // The last step of start-up: the options file, when there is a valid one, sets the four marks
    // and the card-back colour; whatever it does not validly hold keeps its start-up state.
    void ReadOptions();
    // Options > "Save Settings": the four marks and the card-back colour as they stand. Gives the
    // system's reason when the file could not be written.
    std::optional<std::string> SaveOptions() const;
    // The options file: pkopts.cfg in the program's folder.
    std::string OptionsPath() const;

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
    // The four marks and the card-back colour as they stand.
    OptionsFile Options() const;

    GameData& data_;
    Engine& engine_;
    TableControls& table_;
};

}  // namespace vantorel
