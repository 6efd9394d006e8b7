#include "HandEvaluation.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace vantorel {

namespace {

// A card's rank comes from its number alone; its suit is only ever found by asking the card
// index, so the tests never rely on how card numbers are laid out. Anything that is not a card
// has rank 0, which no marked rank ever matches.
constexpr int NoRank = 0;
constexpr int RankOfCard(CardNumber card) {
    return card >= 1 && card <= CardCount ? (card - 1) % RankCount + 1 : NoRank;
}

PerPlace<int> RanksOf(const PerPlace<CardNumber>& hand) {
    PerPlace<int> ranks{};
    for (int i = 1; i <= Places; ++i) {
        ranks[i] = RankOfCard(hand[i]);
    }
    return ranks;
}

// The five ranks of a royal flush, in the order their flags are kept.
constexpr std::array<int, 5> RoyalRanks{Rank::Ace, Rank::Ten, Rank::Jack, Rank::Queen, Rank::King};

// The highest rank a plain run can start from: 9-10-Jack-Queen-King.
constexpr int HighestRunStart = RankCount - Places + 1;

// How many cards of each rank the hand holds; index 0 gathers whatever is not a card.
using RankCounts = std::array<int, RankCount + 1>;

constexpr int Pair = 2;
constexpr int Three = 3;
constexpr int Four = 4;

// Finds the ranks held exactly `size` times, in rising order, and keeps the last: with two
// pairs that is the higher one. The choice is made without branching because the counts are
// as unpredictable as the deal.
int LastRankWithCount(const RankCounts& counts, int size, int skip = NoRank) {
    int last = NoRank;
    for (int r = 1; r <= RankCount; ++r) {
        last = (counts[r] == size && r != skip) ? r : last;
    }
    return last;
}

void MarkAll(PerPlace<Flag>& winCard) {
    for (int i = 1; i <= Places; ++i) {
        winCard[i] = FlagTrue;
    }
}

}  // namespace

bool HandTests::CheckRoyal(int Suit) {
    std::array<bool, RoyalRanks.size()> present{};
    for (int i = 1; i <= Places; ++i) {
        for (std::size_t k = 0; k < RoyalRanks.size(); ++k) {
            present[k] |= hand_[i] == cardIndex_(Suit, RoyalRanks[k]);
        }
    }
    bool all = true;
    for (const bool p : present) {
        all &= p;
    }
    if (all) MarkAll(winCard_);
    return all;
}

bool HandTests::CheckRun() {
    // An exchange sort on a copy: the cards on the table keep their places.
    PerPlace<int> ranks = RanksOf(hand_);
    for (int i = 1; i < Places; ++i) {
        for (int j = i + 1; j <= Places; ++j) {
            const int low = std::min(ranks[i], ranks[j]);
            const int high = std::max(ranks[i], ranks[j]);
            ranks[i] = low;
            ranks[j] = high;
        }
    }

    bool consecutive = ranks[1] >= 1 && ranks[1] <= HighestRunStart;
    for (int i = 2; i <= Places; ++i) {
        consecutive &= ranks[i] == ranks[1] + (i - 1);
    }
    // The Ace also ranks above the King, but only in Ten-Jack-Queen-King-Ace: a run never
    // wraps round from the King to the Two.
    const bool aceHigh = ranks[1] == Rank::Ace && ranks[2] == Rank::Ten && ranks[3] == Rank::Jack &&
                         ranks[4] == Rank::Queen && ranks[5] == Rank::King;

    const bool found = consecutive || aceHigh;
    if (found) MarkAll(winCard_);
    return found;
}

bool HandTests::CheckFlush(int Suit) {
    bool allOfSuit = true;
    for (int i = 1; i <= Places; ++i) {
        // A card is of the suit when the index lists it among the suit's thirteen; the matches
        // are gathered without branching, as which rank matches is as unpredictable as the deal.
        bool ofSuit = false;
        for (int r = 1; r <= RankCount; ++r) {
            ofSuit |= hand_[i] == cardIndex_(Suit, r);
        }
        allOfSuit &= ofSuit;
    }
    if (allOfSuit) MarkAll(winCard_);
    return allOfSuit;
}

bool HandTests::CheckSets(int Kind) {
    const PerPlace<int> ranks = RanksOf(hand_);
    RankCounts counts{};
    for (int i = 1; i <= Places; ++i) {
        ++counts[ranks[i]];
    }

    bool found = false;
    int firstRank = NoRank;
    int secondRank = NoRank;
    bool allFive = false;

    switch (static_cast<HandCode>(Kind)) {
        case HandCode::JackBetter:
            // Looked at Jack, Queen, King, then Ace, so of two high pairs the later one is
            // marked; the two-pair test marks the other when it passes too.
            for (const int r : {Rank::Jack, Rank::Queen, Rank::King, Rank::Ace}) {
                firstRank = counts[r] == Pair ? r : firstRank;
            }
            found = firstRank != NoRank;
            break;
        case HandCode::TwoPair:
            firstRank = LastRankWithCount(counts, Pair);
            secondRank = LastRankWithCount(counts, Pair, firstRank);
            found = secondRank != NoRank;
            break;
        case HandCode::ThreeKind:
            firstRank = LastRankWithCount(counts, Three);
            found = firstRank != NoRank;
            break;
        case HandCode::FullHouse: {
            firstRank = LastRankWithCount(counts, Three);
            const bool threeFound = firstRank != NoRank;
            found = threeFound && LastRankWithCount(counts, Pair, firstRank) != NoRank;
            // A full house is made of all five cards, so when it passes every position is marked.
            allFive = true;
            break;
        }
        case HandCode::FourKind:
            firstRank = LastRankWithCount(counts, Four);
            found = firstRank != NoRank;
            break;
        default:
            break;
    }

    if (found) {
        if (allFive) {
            MarkAll(winCard_);
        } else {
            for (int i = 1; i <= Places; ++i) {
                const bool inSet =
                    ranks[i] != NoRank && (ranks[i] == firstRank || ranks[i] == secondRank);
                if (inSet) winCard_[i] = FlagTrue;
            }
        }
    }
    return found;
}

Evaluation EvaluateHand(const PerPlace<CardNumber>& Hand, const CardIndexTable& CardIndex,
                        Integer Bet, PerPlace<Flag>& WinCard) {
    HandTests tests(Hand, CardIndex, WinCard);
    Evaluation result;
    bool settled = false;

    for (int suit = 1; suit <= SuitCount; ++suit) {
        if (tests.CheckRoyal(suit)) result.Found = true;
    }
    if (result.Found) {
        settled = true;
        result.Code = HandCode::Royal;
    }

    if (!result.Found) {
        const bool straight = tests.CheckRun();
        bool flush = false;
        for (int suit = 1; suit <= SuitCount; ++suit) {
            if (tests.CheckFlush(suit)) flush = true;
        }
        if (flush && straight) {
            result.Code = HandCode::RunFlush;
        } else if (straight) {
            result.Code = HandCode::Run;
        } else if (flush) {
            result.Code = HandCode::Flush;
        }
        if (straight || flush) {
            result.Found = true;
            settled = true;
        }
    }

    if (!result.Found) {
        // Every kind is tried, lowest first, so the highest that passes is the one paid; the
        // lower kinds a hand also passes (three of a kind inside a full house, say) mark only
        // cards that the higher kind marks too.
        HandCode best = HandCode::None;
        for (int kind = static_cast<int>(HandCode::JackBetter);
             kind <= static_cast<int>(HandCode::FourKind); ++kind) {
            if (tests.CheckSets(kind)) {
                best = static_cast<HandCode>(kind);
                result.Found = true;
            }
        }
        if (result.Found && !settled) result.Code = best;
    }

    result.Win = WinFor(result.Code, Bet);
    return result;
}

}  // namespace vantorel
