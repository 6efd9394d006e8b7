#include "FakeTable.h"

namespace vantorel::testing {

std::string FakeTable::Name(Control control) {
    switch (control) {
        case Control::Place_Bet:
            return "Place_Bet";
        case Control::Score_Value:
            return "Score_Value";
        case Control::Bet_Value:
            return "Bet_Value";
        case Control::Bet_Up:
            return "Bet_Up";
        case Control::Bet_Down:
            return "Bet_Down";
        default:
            return "HC_" +
                   std::to_string(static_cast<int>(control) - static_cast<int>(Control::HC_1) + 1);
    }
}

void FakeTable::ShowPicture(int place, int picture) {
    pictures_.at(place) = picture;
    log_.push_back("picture " + std::to_string(place) + "=" + std::to_string(picture));
}

void FakeTable::SetCaption(Control control, const std::string& caption) {
    captions_[control] = caption;
}

void FakeTable::SetText(Control control, const std::string& text) {
    const bool changed = texts_[control] != text;
    texts_[control] = text;
    log_.push_back("text " + Name(control) + "=" + text);
    if (control == Control::Bet_Value && changed && onBetValueChange) {
        ++changeRuns_;
        onBetValueChange();
    }
}

std::string FakeTable::Text(Control control) const {
    const auto it = texts_.find(control);
    return it == texts_.end() ? std::string() : it->second;
}

void FakeTable::SetEnabled(Control control, bool enabled) {
    enabled_[control] = enabled;
}

void FakeTable::Refresh(Control control) {
    ++refreshes_[control];
}

void FakeTable::SetViewStatsEnabled(bool enabled) {
    viewStats_ = enabled;
}

bool FakeTable::Checked(Option option) const {
    return checks_.at(option);
}

void FakeTable::SetChecked(Option option, bool checked) {
    checks_[option] = checked;
}

std::array<int, 5> FakeTable::Pictures() const {
    return {pictures_[1], pictures_[2], pictures_[3], pictures_[4], pictures_[5]};
}

std::string FakeTable::Caption(Control control) const {
    const auto it = captions_.find(control);
    return it == captions_.end() ? std::string() : it->second;
}

bool FakeTable::Enabled(Control control) const {
    const auto it = enabled_.find(control);
    return it != enabled_.end() && it->second;
}

int FakeTable::Refreshes(Control control) const {
    const auto it = refreshes_.find(control);
    return it == refreshes_.end() ? 0 : it->second;
}

}  // namespace vantorel::testing
