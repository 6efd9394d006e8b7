#pragma once

#include "Delayer.h"
#include "GameData.h"
#include "HandEvaluation.h"
#include "Random.h"
#include "SoundPlayer.h"
#include "TableControls.h"

namespace vantorel {

// The services the engine works through; all of them are injected so the engine runs and is
// tested without a window, a clock or a sound card.
struct EngineServices {
    TableControls& table;
    StatisticsWindow& statistics;
    Delayer& delayer;
    SoundPlayer& sound;
    RandomSource& random;
};

// The game's operations on the shared state and the main window's controls: a new game, the
// deal and the draw of a round with their show, the payout, and the control states.
class Engine {
  public:
    Engine(GameData& data, EngineServices services);

    // MaxBet from Score: a tenth, rounded half to even.
    void ComputeMaxBet();
    // A fresh game at its first betting phase: score 100, stake 5, statistics cleared, card backs.
    void NewGame();
    // Enables and captions the controls for the present GameState, then repaints them.
    void UpdateControls();
    // Ace, King, Queen, Jack, Ten of one random suit, and "Game Over" in the score box.
    void ShowGameOverHand();

    // Stage 1 deals; any other value draws. A round abandoned during one of its waits (a new game
    // or the window closing) ends at once and touches nothing more. A round never starts inside
    // another: a call while one is under way does nothing.
    void PlayRound(int Stage);
    // Replaces one card of every pair of equal cards; true when it replaced any.
    bool CheckDuplicates();

    void ShowCardBacks();
    void RevealCards();
    void PayWin(Integer Win);

    // Abandons the round under way, if any: its wait ends and the round unwinds without touching
    // the table or the state again.
    void AbandonRound();

  private:
    void Deal();
    void Draw();
    void EndGame();
    // Every wait of a round goes through here: once the wait is over, an abandoned round unwinds.
    void Wait(double seconds);
    void LeaveIfAbandoned() const;
    void PlaySound(const char* file, SoundMode mode);
    bool Ticked(Option option) const { return services_.table.Checked(option); }

    GameData& data_;
    EngineServices services_;
    bool roundUnderWay_ = false;
    bool abandoned_ = false;
};

}  // namespace vantorel
