#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "OptionsFile.h"

namespace vantorel {
namespace {

using Bytes = std::vector<std::uint8_t>;
// Sound, Quick Play, View Stats after Game, Limit maximum bet, RedDeck.
using Settings = std::array<Flag, 5>;

constexpr Flag T = FlagTrue, F = FlagFalse;
// Start-up before the file is read: Quick Play cleared, red backs.
constexpr Settings StartUp{T, F, T, T, T};

const Bytes Signature{0x50, 0x6F, 0x6B, 0x65, 0x72, 0x20, 0x4F, 0x70, 0x74, 0x73};  // Poker Opts
const Bytes LowerCase{0x70, 0x6F, 0x6B, 0x65, 0x72, 0x20, 0x6F, 0x70, 0x74, 0x73};  // poker opts

Bytes File(Bytes signature, const Bytes& fields) {
    signature.insert(signature.end(), fields.begin(), fields.end());
    return signature;
}
Settings Of(const OptionsFile& o) {
    return {o.Sound, o.QPlay, o.StatAfterGame, o.Limit, o.RedDeck};
}

TEST(OptionsFileTest, BytesAndSettings) {
    struct Row {
        const char* name;
        Bytes file;
        Settings read;  // over the start-up state
        bool written;   // the settings read are written back as exactly these bytes
    };
    const Bytes ff(10, 0xFF), zero(10, 0x00);
    const std::vector<Row> rows{
        {"AllTickedRed", File(Signature, ff), {T, T, T, T, T}, true},
        {"NoneTickedBlue", File(Signature, zero), {F, F, F, F, F}, true},
        {"FlagOf01Ticks",
         File(Signature, {0, 0, 0x01, 0x00, 0, 0, 0, 0, 0, 0}),
         {F, T, F, F, F},
         false},
        {"RedDeckOfOneKept",
         File(Signature, {0, 0, 0, 0, 0, 0, 0, 0, 0x01, 0x00}),
         {F, F, F, F, 1},
         true},
        {"SignatureInOtherCase", File(LowerCase, zero), StartUp, false},
        {"Empty", {}, StartUp, false},
        {"NineBytes", Bytes(Signature.begin(), Signature.end() - 1), StartUp, false},
        {"SignatureOnly", Signature, StartUp, false},
        {"TwelveBytesSetSoundOnly", File(Signature, {0, 0}), {F, F, T, T, T}, false},
        {"NineteenBytesKeepRedDeck", File(Signature, Bytes(9, 0)), {F, F, F, F, T}, false},
    };
    for (const Row& row : rows) {
        const OptionsFile read = OptionsFile::Decode(row.file, {T, F, T, T, T});
        EXPECT_EQ(row.read, Of(read)) << row.name;
        if (row.written) {
            const OptionsFile::Bytes written = read.Encode();
            EXPECT_EQ(row.file, Bytes(written.begin(), written.end())) << row.name;
        }
    }
}

}  // namespace
}  // namespace vantorel
