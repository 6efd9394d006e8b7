// Arbitrary bytes as the options file, read over two different start states: whatever the file
// holds, the four marks come out ticked (-1) or clear (0), and the card-back colour is either the
// value the file stores or the one it had. Any broken rule aborts with a line saying which.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <span>

#include "OptionsFile.h"

namespace {

using vantorel::Flag;
using vantorel::OptionsFile;

void Check(bool holds, const char* rule, std::size_t size) {
    if (holds) return;
    std::fprintf(stderr, "options_file_fuzzer: %s (file of %zu bytes)\n", rule, size);
    std::abort();
}

bool IsMark(Flag f) {
    return f == -1 || f == 0;
}

// Start-up as it is, and a state with an odd colour, so a field left alone is told from one read.
constexpr std::array<OptionsFile, 2> Starts{{{-1, 0, -1, -1, -1}, {0, -1, 0, 0, 7}}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> file(data, size);
    const bool signature = size >= 10 && std::memcmp(data, "Poker Opts", 10) == 0;
    for (const OptionsFile& start : Starts) {
        const OptionsFile read = OptionsFile::Decode(file, start);
        const std::array<Flag, 4> marks{read.Sound, read.QPlay, read.StatAfterGame, read.Limit};
        const std::array<Flag, 4> before{start.Sound, start.QPlay, start.StatAfterGame,
                                         start.Limit};
        for (const Flag mark : marks) Check(IsMark(mark), "a mark other than -1 or 0", size);
        if (!signature) {
            Check(read == start, "a foreign or short file changed a setting", size);
            continue;
        }
        // Each field counts only when the file wholly holds it.
        for (std::size_t i = 0; i < marks.size(); ++i) {
            const std::size_t at = 10 + 2 * i;
            const Flag expected = size < at + 2                          ? before[i]
                                  : (data[at] != 0 || data[at + 1] != 0) ? Flag{-1}
                                                                         : Flag{0};
            Check(marks[i] == expected, "a mark misread", size);
        }
        const Flag stored =
            size >= 20 ? static_cast<Flag>(data[18] | data[19] << 8) : start.RedDeck;
        Check(read.RedDeck == stored, "RedDeck not as stored", size);
    }
    return 0;
}
