// Arbitrary bytes as the options file: whatever it holds, the four marks come out ticked (-1) or
// clear (0), a file without the signature changes nothing, and RedDeck is what the file stores
// or what it was.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "OptionsFile.h"

using vantorel::Flag;

static void Check(bool holds, const char* rule, std::size_t size) {
    if (holds) return;
    std::fprintf(stderr, "options_file_fuzzer: %s (file of %zu bytes)\n", rule, size);
    std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const vantorel::OptionsFile start{-1, 0, -1, -1, 7};  // an odd colour: read and kept differ
    const auto read = vantorel::OptionsFile::Decode({data, size}, start);
    for (const Flag mark : {read.Sound, read.QPlay, read.StatAfterGame, read.Limit})
        Check(mark == -1 || mark == 0, "a mark other than -1 or 0", size);
    const bool signature = size >= 10 && std::memcmp(data, "Poker Opts", 10) == 0;
    Check(signature || read == start, "a foreign or short file changed a setting", size);
    const Flag stored = signature && size >= 20 ? static_cast<Flag>(data[18] | data[19] << 8) : 7;
    Check(read.RedDeck == stored, "RedDeck not as stored", size);
    return 0;
}
