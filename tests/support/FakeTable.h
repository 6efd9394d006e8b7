#pragma once

#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "TableControls.h"

namespace vantorel::testing {

// One log shared by the fakes, so a test can read the exact sequence of pictures, texts, sounds
// and waits that a piece of the game produced.
using EventLog = std::vector<std::string>;

// A table without a window: remembers what each control shows and logs what the game does to it.
// Writing Bet_Value runs the change handler inside the write, and not for the same text, as the
// real text box does.
class FakeTable final : public TableControls {
  public:
    explicit FakeTable(EventLog& log) : log_(log) {}

    void ShowPicture(int place, int picture) override;
    void SetCaption(Control control, const std::string& caption) override;
    void SetText(Control control, const std::string& text) override;
    std::string Text(Control control) const override;
    void SetEnabled(Control control, bool enabled) override;
    void Refresh(Control control) override;
    void SetViewStatsEnabled(bool enabled) override;
    bool Checked(Option option) const override;
    void SetChecked(Option option, bool checked) override;

    // Types into the stake box as the player would: the text changes and the handler runs.
    void Type(const std::string& text) { SetText(Control::Bet_Value, text); }

    std::function<void()> onBetValueChange;

    int Picture(int place) const { return pictures_.at(place); }
    std::array<int, 5> Pictures() const;
    std::string Caption(Control control) const;
    bool Enabled(Control control) const;
    bool ViewStatsEnabled() const { return viewStats_; }
    int Refreshes(Control control) const;
    int ChangeRuns() const { return changeRuns_; }

    static std::string Name(Control control);

  private:
    EventLog& log_;
    std::array<int, 6> pictures_{};
    std::map<Control, std::string> captions_;
    std::map<Control, std::string> texts_;
    std::map<Control, bool> enabled_;
    std::map<Control, int> refreshes_;
    std::map<Option, bool> checks_{{Option::Sound, true},
                                   {Option::QuickPlay, false},
                                   {Option::StatAfterGame, true},
                                   {Option::Limit, true}};
    bool viewStats_ = false;
    int changeRuns_ = 0;
};

}  // namespace vantorel::testing
