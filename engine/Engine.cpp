#include "Engine.h"

#include <cmath>

#include "Texts.h"

namespace vantorel {

namespace {

// Thrown out of a wait when the round it belongs to has been abandoned, and caught by PlayRound:
// one mechanism unwinds the whole round, however deep in its show the wait was.
struct RoundAbandoned {};

constexpr Integer StartingScore = 100;

}  // namespace

Engine::Engine(GameData& data, EngineServices services) : data_(data), services_(services) {}

void Engine::ComputeMaxBet() {
    data_.MaxBet = ToInteger(static_cast<double>(data_.Score) / 10.0);
}

void Engine::NewGame() {
    TableControls& table = services_.table;
    data_.Score = StartingScore;
    ComputeMaxBet();
    data_.Bet = ToInteger(static_cast<double>(data_.MaxBet) / 2.0);
    table.SetText(Control::Score_Value, NumberText(data_.Score));
    // Runs the stake box's change handler at once when the text changes, with the betting phase
    // as it stood before the new game.
    table.SetText(Control::Bet_Value, NumberText(data_.Bet));
    data_.GameInProgress = FlagTrue;
    data_.BettingPhase = FlagTrue;
    UpdateControls();
    const int back = data_.BackPicture();
    for (int place = 1; place <= Places; ++place) table.ShowPicture(place, back);
    for (int i = 1; i <= GameData::HandsPlayed; ++i) data_.HandStats[i] = 0;
}

void Engine::UpdateControls() {
    TableControls& table = services_.table;
    const auto holdButtons = [&table](bool enabled, const char* caption) {
        for (int place = 1; place <= Places; ++place) {
            table.SetEnabled(HC(place), enabled);
            if (caption != nullptr) table.SetCaption(HC(place), caption);
        }
    };
    const auto stakeControls = [&table](bool enabled) {
        table.SetEnabled(Control::Bet_Up, enabled);
        table.SetEnabled(Control::Bet_Down, enabled);
        table.SetEnabled(Control::Bet_Value, enabled);
    };

    switch (data_.State()) {
        case GameState::Betting:
            table.SetCaption(Control::Place_Bet, text::Deal);
            table.SetEnabled(Control::Place_Bet, true);
            stakeControls(true);
            holdButtons(false, text::Hold);
            table.SetEnabled(Control::Score_Value, true);
            table.SetViewStatsEnabled(true);
            break;
        case GameState::CardsOut:
            // The main button keeps its Enabled, which the deal has just set, and the hold buttons
            // keep the captions their toggles gave them.
            table.SetCaption(Control::Place_Bet, text::Draw);
            stakeControls(false);
            holdButtons(true, nullptr);
            table.SetEnabled(Control::Score_Value, true);
            table.SetViewStatsEnabled(true);
            break;
        case GameState::Idle:
            table.SetCaption(Control::Place_Bet, text::NewGame);
            table.SetEnabled(Control::Place_Bet, true);
            stakeControls(false);
            holdButtons(false, text::Hold);
            table.SetEnabled(Control::Score_Value, false);
            table.SetViewStatsEnabled(false);
            data_.BettingPhase = FlagTrue;
            break;
    }

    for (Control control : {Control::Score_Value, Control::Bet_Value, Control::Bet_Up,
                            Control::Bet_Down, Control::Place_Bet}) {
        table.Refresh(control);
    }
    for (int place = 1; place <= Places; ++place) table.Refresh(HC(place));
}

void Engine::ShowGameOverHand() {
    TableControls& table = services_.table;
    services_.random.Reseed();
    const double u = services_.random.Next();
    const int suit = 1 + static_cast<int>(std::floor(4.0 * u));
    constexpr std::array<int, Places> ranks{Rank::Ace, Rank::King, Rank::Queen, Rank::Jack,
                                            Rank::Ten};
    for (int place = 1; place <= Places; ++place) {
        table.ShowPicture(place, data_.CardIndex(suit, ranks[place - 1]));
    }
    table.SetText(Control::Score_Value, text::GameOver);
    table.Refresh(Control::Score_Value);
    table.Refresh(Control::Bet_Value);
}

void Engine::AbandonRound() {
    if (!roundUnderWay_) return;
    abandoned_ = true;
    services_.delayer.Interrupt();
}

void Engine::Wait(double seconds) {
    services_.delayer.Delay(seconds);
    LeaveIfAbandoned();
}

void Engine::LeaveIfAbandoned() const {
    if (abandoned_) throw RoundAbandoned{};
}

void Engine::PlaySound(const char* file, SoundMode mode) {
    if (!Ticked(Option::Sound)) return;
    services_.sound.Play(data_.InAppPath(file), mode);
}

void Engine::PlayRound(int Stage) {
    if (roundUnderWay_) return;
    roundUnderWay_ = true;
    abandoned_ = false;
    try {
        services_.random.Reseed();
        if (Stage == 1) {
            Deal();
        } else {
            Draw();
        }
    } catch (const RoundAbandoned&) {
        // Whatever abandoned the round has already set the table for what comes next. Only the
        // winning marks of a payout cut short are left over; they belong to no later hand.
        data_.WinCard.fill(FlagFalse);
    }
    roundUnderWay_ = false;
    abandoned_ = false;
}

}  // namespace vantorel
