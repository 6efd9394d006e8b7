#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "Integer.h"

namespace vantorel {

// The settings that pass from one run to the next, in pkopts.cfg in the program's folder: the
// signature "Poker Opts" byte for byte, then five 16-bit little-endian values: the marks of Sound,
// Quick Play, View Stats after Game and Limit maximum bet as flags, and the card-back colour as
// held. There is no version or length; bytes after the 20th are never read and never overwritten.
struct OptionsFile {
    static constexpr std::string_view FileName = "pkopts.cfg";
    static constexpr std::string_view Signature = "Poker Opts";
    static constexpr std::size_t Size = 20;
    using Bytes = std::array<std::uint8_t, Size>;

    Flag Sound = FlagFalse;
    Flag QPlay = FlagFalse;
    Flag StatAfterGame = FlagFalse;
    Flag Limit = FlagFalse;
    Flag RedDeck = FlagFalse;

    bool operator==(const OptionsFile&) const = default;

    // The 20 bytes of these settings, each value written as held.
    Bytes Encode() const;

    // What `bytes` hold, laid over `current`: nothing unless they begin with the signature (upper
    // and lower case distinct); then every field they wholly hold, the four marks as True when
    // non-zero, RedDeck as stored. A short file leaves the fields it lacks as they were.
    static OptionsFile Decode(std::span<const std::uint8_t> bytes, const OptionsFile& current);

    // Reads the file at `path` over `current`. A file that is missing, cannot be opened or fails
    // to read leaves `current` as it is: the game starts with the settings it has.
    static OptionsFile Read(const std::string& path, const OptionsFile& current);

    // Writes the 20 bytes from the first byte of the file at `path`, created when missing and
    // never shortened. Gives the system's reason when any step fails, nothing on success.
    std::optional<std::string> Write(const std::string& path) const;
};

}  // namespace vantorel
