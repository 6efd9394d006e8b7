#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "OptionsFile.h"

namespace vantorel {
namespace {

using namespace std::string_literals;
using Bytes = std::vector<std::uint8_t>;
using Settings = std::array<Flag, 5>;  // Sound, Quick Play, Stats after Game, Limit, RedDeck
constexpr Flag T = FlagTrue, F = FlagFalse;
constexpr Settings StartUp{T, F, T, T, T};

TEST(OptionsFileTest, BytesAndSettings) {
    const struct {
        const char* name;
        std::string file;
        Settings read;
        bool writtenBack;  // the settings read are saved as exactly these bytes
    } rows[] = {
        {"AllTickedRed", "Poker Opts"s + std::string(10, '\xFF'), {T, T, T, T, T}, true},
        {"NoneTickedBlue", "Poker Opts"s + std::string(10, '\0'), {F, F, F, F, F}, true},
        {"FlagOf01Ticks", "Poker Opts\0\0\1\0\0\0\0\0\0\0"s, {F, T, F, F, F}, false},
        {"RedDeck1Kept", "Poker Opts\0\0\0\0\0\0\0\0\1\0"s, {F, F, F, F, 1}, true},
        {"OtherCase", "poker opts"s + std::string(10, '\0'), StartUp, false},
        {"Empty", "", StartUp, false},
        {"NineBytes", "Poker Opt", StartUp, false},
        {"TenBytes", "Poker Opts", StartUp, false},
        {"TwelveBytes", "Poker Opts\0\0"s, {F, F, T, T, T}, false},
        {"NineteenBytes", "Poker Opts"s + std::string(9, '\0'), {F, F, F, F, T}, false},
    };
    for (const auto& row : rows) {
        const OptionsFile read =
            OptionsFile::Decode(Bytes(row.file.begin(), row.file.end()), {T, F, T, T, T});
        EXPECT_EQ(row.read,
                  (Settings{read.Sound, read.QPlay, read.StatAfterGame, read.Limit, read.RedDeck}))
            << row.name;
        const OptionsFile::Bytes written = read.Encode();
        if (row.writtenBack) {
            EXPECT_EQ(row.file, std::string(written.begin(), written.end())) << row.name;
        }
    }
}

}  // namespace
}  // namespace vantorel
