// Arbitrary bytes for the stake box: first for its reader alone, then typed into the box of a whole
// table without a window, key by key and then pasted at once, under several table settings. Any
// broken rule aborts with a line saying which, and the fuzzer keeps the input that did it.

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "Harness.h"
#include "StakeText.h"

namespace {

using vantorel::Control;
using vantorel::Integer;
using vantorel::Option;

// Keys that edit instead of typing a character: one deletes the last character, the other the
// whole text, so the fuzzer can reach an empty box and texts built up after deletions.
constexpr char Backspace = '\b';
constexpr char DeleteAll = '\x7f';
// Typing key by key costs the square of the length; longer inputs are typed that far and then
// pasted whole.
constexpr std::size_t MaxKeystrokes = 64;

// The tables the text is typed into: the score, the stake as it stands, and the limit option.
struct TableSetting {
    Integer score;
    Integer bet;
    bool limit;
};
constexpr std::array<TableSetting, 6> Settings{{
    {100, 5, true},         // a new game: MaxBet 10
    {40, 60, false},        // a stake above the score, after a lost hand
    {5, 1, true},           // MaxBet 0: every stake above 0 is refused
    {1, 1, false},          // the last point
    {32767, 32767, false},  // the top of the range
    {32767, 0, true},       // MaxBet 3277, a stake of 0
}};

[[noreturn]] void Fail(const char* rule, std::string_view text) {
    std::fprintf(stderr, "stake_text_fuzzer: %s (text of %zu bytes)\n", rule, text.size());
    std::abort();
}

void Check(bool holds, const char* rule, std::string_view text) {
    if (!holds) Fail(rule, text);
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

void CheckReader(std::string_view text) {
    const double v = vantorel::ReadStakeText(text);
    Check(!std::isnan(v), "the reader gave NaN", text);

    std::string squeezed;
    for (char c : text) {
        if (!IsBlank(c)) squeezed.push_back(c);
    }
    Check(vantorel::ReadStakeText(squeezed) == v, "blanks changed the reading", text);

    const char first = squeezed.empty() ? '\0' : squeezed.front();
    const bool canBeginNumber = (first >= '0' && first <= '9') || first == '+' || first == '-' ||
                                first == '.' || first == '&';
    if (!canBeginNumber) Check(v == 0.0, "a text that begins with no number did not read 0", text);
    if (first == '-') {
        Check(v <= 0.0, "a text with a minus sign read above 0", text);
    } else {
        Check(v >= 0.0, "a text without a minus sign read below 0", text);
    }
}

vantorel::testing::Harness& TheTable() {
    static vantorel::testing::Harness table;
    return table;
}

// Puts the table into its betting phase with the given setting, as a game would have left it.
void SetUp(vantorel::testing::Harness& h, const TableSetting& setting) {
    h.table.SetChecked(Option::Limit, setting.limit);
    h.logic.StartNewGame();
    h.data.Score = setting.score;
    h.table.SetText(Control::Score_Value, vantorel::NumberText(setting.score));
    h.data.Bet = setting.bet;
    h.table.SetText(Control::Bet_Value, vantorel::NumberText(setting.bet));
    h.log.clear();
}

// One edit of the box: the stake is either taken exactly as the box reads or the entry is
// refused, the stake kept and its number text put back. The box is never left empty, and the
// stake never leaves 0..the limit unless it stood there unchanged.
void TypeAndCheck(vantorel::testing::Harness& h, const std::string& typed) {
    const Integer bet = h.data.Bet;
    const std::string before = h.table.Text(Control::Bet_Value);
    const Integer maxBet = vantorel::ToInteger(static_cast<double>(h.data.Score) / 10.0);
    const Integer limit = h.table.Checked(Option::Limit) ? maxBet : h.data.Score;

    h.table.Type(typed);

    const std::string box = h.table.Text(Control::Bet_Value);
    Check(!box.empty(), "the box was left empty", typed);
    Check(h.data.Bet == bet || (h.data.Bet >= 0 && h.data.Bet <= h.logic.StakeLimit()),
          "the stake left 0..the limit", typed);
    Check(h.data.Bet >= 0, "a negative stake", typed);
    if (typed == before) {
        Check(h.data.Bet == bet, "the same text changed the stake", typed);
        return;
    }
    Check(h.data.MaxBet == maxBet, "MaxBet not computed afresh", typed);
    const double v = vantorel::ReadStakeText(typed);
    if (!(v > 0.0) || v > limit) {
        Check(h.data.Bet == bet, "a refused entry changed the stake", typed);
        Check(box == vantorel::NumberText(bet), "a refused entry was not put back", typed);
    } else {
        Check(h.data.Bet == vantorel::ToInteger(v), "a taken entry is not the stake", typed);
        Check(box == typed, "a taken entry was not kept as typed", typed);
    }
}

void TypeKeyByKey(vantorel::testing::Harness& h, std::string_view keys) {
    for (std::size_t i = 0; i < keys.size() && i < MaxKeystrokes; ++i) {
        std::string text = h.table.Text(Control::Bet_Value);
        switch (keys[i]) {
            case Backspace:
                if (!text.empty()) text.pop_back();
                break;
            case DeleteAll:
                text.clear();
                break;
            default:
                text.push_back(keys[i]);
                break;
        }
        TypeAndCheck(h, text);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    CheckReader(text);

    // The text is pasted into every setting, and typed key by key into one, picked by the input's
    // length so that the fuzzer reaches each of them.
    vantorel::testing::Harness& h = TheTable();
    const std::size_t typedInto = size % Settings.size();
    for (std::size_t i = 0; i < Settings.size(); ++i) {
        SetUp(h, Settings[i]);
        if (i == typedInto) TypeKeyByKey(h, text);
        TypeAndCheck(h, text);
    }
    return 0;
}
