#include <algorithm>

#include "Engine.h"
#include "Texts.h"
#include "Timing.h"

namespace vantorel {

void Engine::Deal() {
    TableControls& table = services_.table;

    // The ceiling is the stored MaxBet under the limit, which may stem from a higher score; the
    // stake taken is never more than a positive score, so the score cannot fall below zero and a
    // game always ends at exactly 0.
    Integer ceiling = Ticked(Option::Limit) ? data_.MaxBet : data_.Score;
    if (data_.Score > 0) ceiling = std::min(ceiling, data_.Score);
    if (data_.Bet > ceiling) {
        data_.Bet = ceiling;
        table.SetText(Control::Bet_Value, NumberText(data_.Bet));
    }
    table.Refresh(Control::Bet_Value);

    data_.Score = SatSub(data_.Score, data_.Bet);
    data_.HandStats[GameData::HandsPlayed] = SatAdd(data_.HandStats[GameData::HandsPlayed], 1);
    table.SetText(Control::Score_Value, NumberText(data_.Score));
    UpdateControls();
    for (Control control :
         {Control::Place_Bet, Control::Bet_Up, Control::Bet_Down, Control::Bet_Value}) {
        table.SetEnabled(control, false);
        table.Refresh(control);
    }
    for (int place = 1; place <= Places; ++place) {
        data_.Held[place] = FlagFalse;
        data_.HeldCard[place] = 0;
    }

    ShowCardBacks();
    for (int place = 1; place <= Places; ++place) {
        data_.Hand[place] = RandomCard(services_.random, data_.CardIndex);
    }
    while (CheckDuplicates()) {
    }
    RevealCards();

    table.SetEnabled(Control::Place_Bet, true);
    data_.BettingPhase = FlagFalse;
    UpdateControls();
}

void Engine::Draw() {
    TableControls& table = services_.table;
    table.SetEnabled(Control::Place_Bet, false);
    table.Refresh(Control::Place_Bet);
    for (int place = 1; place <= Places; ++place) table.SetEnabled(HC(place), false);

    for (int place = 1; place <= Places; ++place) {
        data_.Discards[place] = IsSet(data_.Held[place]) ? CardNumber{0} : data_.Hand[place];
    }
    ShowCardBacks();

    // Every position draws a card, held or not, so the stream of chance does not depend on
    // which cards are kept.
    for (int place = 1; place <= Places; ++place) {
        const CardNumber card = RandomCard(services_.random, data_.CardIndex);
        data_.Hand[place] = IsSet(data_.Held[place]) ? data_.HeldCard[place] : card;
    }

    bool replaced = true;
    while (replaced) {
        replaced = CheckDuplicates();
        for (int i = 1; i <= Places; ++i) {
            if (IsSet(data_.Held[i])) continue;
            for (int j = 1; j <= Places; ++j) {
                if (data_.Hand[i] == data_.Discards[j]) {
                    data_.Hand[i] = RandomCard(services_.random, data_.CardIndex);
                    replaced = true;
                }
            }
        }
    }
    RevealCards();

    const Evaluation result = EvaluateHand(data_.Hand, data_.CardIndex, data_.Bet, data_.WinCard);
    if (result.Found) {
        Integer& count = data_.HandStats[static_cast<int>(result.Code)];
        count = SatAdd(count, 1);
        PayWin(result.Win);
    }

    if (data_.Score != 0) {
        data_.BettingPhase = FlagTrue;
        UpdateControls();
        return;
    }
    EndGame();
}

void Engine::EndGame() {
    TableControls& table = services_.table;
    for (int blink = 0; blink < timing::GameOverBlinks; ++blink) {
        table.SetText(Control::Score_Value, text::GameOver);
        Wait(timing::GameOverBlinkHalf);
        table.SetText(Control::Score_Value, NumberText(data_.Score));
        Wait(timing::GameOverBlinkHalf);
    }
    table.SetText(Control::Score_Value, text::GameOver);
    data_.GameInProgress = FlagFalse;
    if (Ticked(Option::StatAfterGame)) {
        data_.ShowPayTable = FlagFalse;
        services_.statistics.ShowStatistics();
        LeaveIfAbandoned();
    }
    ShowGameOverHand();
    UpdateControls();
}

bool Engine::CheckDuplicates() {
    bool found = false;
    for (int i = 1; i <= Places - 1; ++i) {
        for (int j = i + 1; j <= Places; ++j) {
            // Drawn for every pair, used or not, so the stream of chance is the same either way.
            const CardNumber card = RandomCard(services_.random, data_.CardIndex);
            if (data_.Hand[i] == data_.Hand[j]) {
                // A held card is never replaced; otherwise the earlier position is.
                (IsSet(data_.Held[i]) ? data_.Hand[j] : data_.Hand[i]) = card;
                found = true;
            }
        }
    }
    return found;
}

}  // namespace vantorel
