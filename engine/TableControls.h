#pragma once

#include <string>

namespace vantorel {

// The controls of the main window that the game works on, named as on the window.
enum class Control {
    Place_Bet,
    Score_Value,
    Bet_Value,
    Bet_Up,
    Bet_Down,
    HC_1,
    HC_2,
    HC_3,
    HC_4,
    HC_5
};

constexpr Control HC(int place) {
    return static_cast<Control>(static_cast<int>(Control::HC_1) + place - 1);
}

// The four ticked items of the Options menu. Their check marks are the options themselves.
enum class Option { Sound, QuickPlay, StatAfterGame, Limit };

// Everything the game does to the main window goes through these operations, so the game runs
// and is tested without a window.
class TableControls {
  public:
    virtual ~TableControls() = default;

    // Card place 1..5 shows picture 1..55 of the card pictures. Painted at the next event pass.
    virtual void ShowPicture(int place, int picture) = 0;
    // Buttons: Place_Bet and HC(i).
    virtual void SetCaption(Control control, const std::string& caption) = 0;
    // Text boxes: Score_Value and Bet_Value. Writing Bet_Value runs its change handler at once,
    // inside this call, and not at all when the text is the same.
    virtual void SetText(Control control, const std::string& text) = 0;
    virtual std::string Text(Control control) const = 0;
    virtual void SetEnabled(Control control, bool enabled) = 0;
    // Repaints the control at once, without waiting for the event loop.
    virtual void Refresh(Control control) = 0;
    // Game > "View Statistics" is the one menu item the game switches on and off.
    virtual void SetViewStatsEnabled(bool enabled) = 0;
    virtual bool Checked(Option option) const = 0;
    virtual void SetChecked(Option option, bool checked) = 0;
};

// Opens the statistics window centred over the table, modally; returns when it has closed.
class StatisticsWindow {
  public:
    virtual ~StatisticsWindow() = default;
    virtual void ShowStatistics() = 0;
};

}  // namespace vantorel
