#include "Cards.h"

namespace vantorel {

void CardIndexTable::Fill() {
    for (int suit = 1; suit <= SuitCount; ++suit) {
        for (int rank = 1; rank <= RankCount; ++rank) {
            table_[suit][rank] = static_cast<CardNumber>((suit - 1) * RankCount + rank);
        }
    }
}

}  // namespace vantorel
