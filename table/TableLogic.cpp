#include "TableLogic.h"

#include <cmath>

#include "StakeText.h"
#include "Texts.h"

namespace vantorel {

namespace {
constexpr Integer StartingScore = 100;
constexpr const char* VersionDate = "(29/03/04)";
}  // namespace

TableLogic::TableLogic(GameData& data, Engine& engine, TableControls& table)
    : data_(data), engine_(engine), table_(table) {}

void TableLogic::Form_Load(const std::string& appPath) {
    table_.SetChecked(Option::QuickPlay, false);
    data_.VersionDate = VersionDate;
    data_.RedDeck = FlagTrue;
    data_.GameInProgress = FlagFalse;
    data_.AppPath = appPath;
    data_.Score = StartingScore;
    engine_.ComputeMaxBet();
    data_.Bet = ToInteger(static_cast<double>(data_.MaxBet) / 2.0);
    // The betting phase is still off, so the stake box's change handler leaves this alone.
    table_.SetText(Control::Bet_Value, NumberText(data_.Bet));
    data_.CardIndex.Fill();
    for (int i = 1; i <= GameData::HandsPlayed; ++i) data_.HandStats[i] = 0;
    engine_.ShowGameOverHand();
    engine_.UpdateControls();
}

std::string TableLogic::OptionsPath() const {
    return data_.InAppPath(OptionsFile::FileName);
}

OptionsFile TableLogic::Options() const {
    return OptionsFile{ToFlag(table_.Checked(Option::Sound)),
                       ToFlag(table_.Checked(Option::QuickPlay)),
                       ToFlag(table_.Checked(Option::StatAfterGame)),
                       ToFlag(table_.Checked(Option::Limit)), data_.RedDeck};
}

void TableLogic::ReadOptions() {
    const OptionsFile read = OptionsFile::Read(OptionsPath(), Options());
    table_.SetChecked(Option::Sound, IsSet(read.Sound));
    table_.SetChecked(Option::QuickPlay, IsSet(read.QPlay));
    table_.SetChecked(Option::StatAfterGame, IsSet(read.StatAfterGame));
    table_.SetChecked(Option::Limit, IsSet(read.Limit));
    data_.RedDeck = read.RedDeck;
}

std::optional<std::string> TableLogic::SaveOptions() const {
    return Options().Write(OptionsPath());
}

void TableLogic::Place_Bet_Click() {
    switch (data_.State()) {
        case GameState::Idle:
            data_.GameInProgress = FlagTrue;
            engine_.NewGame();
            break;
        case GameState::Betting:
            table_.SetCaption(Control::Place_Bet, text::Deal);
            engine_.PlayRound(1);
            break;
        case GameState::CardsOut:
            engine_.PlayRound(2);
            break;
    }
}

void TableLogic::HC_Click(int Index) {
    // Only exactly True counts as held here; any other value takes the hold.
    if (data_.Held[Index] == FlagTrue) {
        data_.Held[Index] = FlagFalse;
        data_.HeldCard[Index] = 0;
        table_.SetCaption(HC(Index), text::Hold);
    } else {
        data_.Held[Index] = FlagTrue;
        data_.HeldCard[Index] = data_.Hand[Index];
        table_.SetCaption(HC(Index), text::Clear);
    }
}

void TableLogic::Bet_Down_Click() {
    // A stake never goes below 1 by this button: a negative stake would pay the player to lose.
    if (data_.Bet <= 1) return;
    data_.Bet = SatSub(data_.Bet, 1);
    table_.SetText(Control::Bet_Value, NumberText(data_.Bet));
    table_.Refresh(Control::Bet_Value);
}

void TableLogic::Bet_Up_Click() {
    engine_.ComputeMaxBet();
    if (table_.Checked(Option::Limit)) {
        // One press brings a stake that stands above the ceiling down to it.
        data_.Bet = data_.Bet < data_.MaxBet ? SatAdd(data_.Bet, 1) : data_.MaxBet;
    } else {
        if (data_.Bet == data_.Score) return;
        // A stake above the score may go on rising; the deal lowers it to the score.
        data_.Bet = SatAdd(data_.Bet, 1);
    }
    table_.SetText(Control::Bet_Value, NumberText(data_.Bet));
    table_.Refresh(Control::Bet_Value);
}

void TableLogic::Bet_Value_Change() {
    if (!IsSet(data_.BettingPhase)) return;
    engine_.ComputeMaxBet();
    const double v = ReadStakeText(table_.Text(Control::Bet_Value));
    // Nothing, a negative stake or more than the limit is refused by putting the stake back; the
    // write runs this handler once more, nested, and that run finds nothing to do.
    if (v == 0.0 || v < 0.0 || std::isnan(v) || v > StakeLimit()) {
        table_.SetText(Control::Bet_Value, NumberText(data_.Bet));
    } else {
        data_.Bet = ToInteger(v);
    }
    table_.Refresh(Control::Bet_Value);
}

void TableLogic::StartNewGame() {
    engine_.AbandonRound();
    data_.GameInProgress = FlagTrue;
    engine_.NewGame();
}

void TableLogic::Closing() {
    engine_.AbandonRound();
}

Integer TableLogic::StakeLimit() const {
    return table_.Checked(Option::Limit) ? data_.MaxBet : data_.Score;
}

}  // namespace vantorel
