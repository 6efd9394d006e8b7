#include "Harness.h"

namespace vantorel::testing {

Harness::Harness() {
    table.onBetValueChange = [this] { logic.Bet_Value_Change(); };
    logic.Form_Load("/opt/vantorel");
}

void Harness::DealCards(const std::vector<int>& cards) {
    random.QueueCards(cards);
    logic.Place_Bet_Click();
}

void Harness::DrawCards(const std::vector<int>& held, const std::vector<int>& drawn) {
    for (int place : held) logic.HC_Click(place);
    for (int card : drawn) {
        if (card == 0) {
            random.QueueNumber(0.0f);
            random.QueueNumber(0.0f);
        } else {
            random.QueueCard(card);
        }
    }
    logic.Place_Bet_Click();
}

}  // namespace vantorel::testing
