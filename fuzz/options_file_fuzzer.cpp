// Any bytes as the options file: marks -1 or 0, RedDeck as stored, a foreign file changes nothing.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "OptionsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const vantorel::OptionsFile start{-1, 0, -1, -1, 7};  // an odd colour: read and kept differ
    const auto read = vantorel::OptionsFile::Decode({data, size}, start);
    const bool signature = size >= 10 && std::memcmp(data, "Poker Opts", 10) == 0;
    const int stored =
        signature && size >= 20 ? static_cast<std::int16_t>(data[18] | data[19] << 8) : 7;
    const char* broken = nullptr;
    for (const int mark : {read.Sound, read.QPlay, read.StatAfterGame, read.Limit})
        if (mark != -1 && mark != 0) broken = "a mark other than -1 or 0";
    if (!signature && !(read == start)) broken = "a foreign or short file changed a setting";
    if (read.RedDeck != stored) broken = "RedDeck not as stored";
    if (broken == nullptr) return 0;
    std::fprintf(stderr, "options_file_fuzzer: %s (file of %zu bytes)\n", broken, size);
    std::abort();
}
