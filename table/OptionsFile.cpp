#include "OptionsFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "SharedRoutines.h"

namespace vantorel {

namespace {

// The five values in the order the file holds them, after the signature.
constexpr std::array<Flag OptionsFile::*, 5> Fields{&OptionsFile::Sound, &OptionsFile::QPlay,
                                                    &OptionsFile::StatAfterGame,
                                                    &OptionsFile::Limit, &OptionsFile::RedDeck};
constexpr std::size_t Marks = 4;
constexpr std::size_t FieldSize = 2;

std::size_t FieldOffset(std::size_t field) {
    return OptionsFile::Signature.size() + FieldSize * field;
}

// Why the last step failed; a short write with no error of its own still has to say something.
std::string Reason() {
    return errno != 0 ? std::strerror(errno) : "the file took fewer bytes than were written";
}

}  // namespace

OptionsFile::Bytes OptionsFile::Encode() const {
    Bytes bytes{};
    std::copy(Signature.begin(), Signature.end(), bytes.begin());
    for (std::size_t field = 0; field < Fields.size(); ++field) {
        const auto value = static_cast<std::uint16_t>(this->*Fields[field]);
        bytes[FieldOffset(field)] = static_cast<std::uint8_t>(value & 0xFF);
        bytes[FieldOffset(field) + 1] = static_cast<std::uint8_t>(value >> 8);
    }
    return bytes;
}

OptionsFile OptionsFile::Decode(std::span<const std::uint8_t> bytes, const OptionsFile& current) {
    OptionsFile settings = current;
    const bool hasSignature =
        bytes.size() >= Signature.size() &&
        std::equal(Signature.begin(), Signature.end(), bytes.begin(),
                   [](char c, std::uint8_t b) { return static_cast<std::uint8_t>(c) == b; });
    if (!hasSignature) return settings;
    for (std::size_t field = 0; field < Fields.size(); ++field) {
        const std::size_t at = FieldOffset(field);
        if (bytes.size() < at + FieldSize) break;
        const auto value =
            static_cast<Flag>(static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8));
        settings.*Fields[field] = field < Marks ? ToFlag(value != 0) : value;
    }
    return settings;
}

OptionsFile OptionsFile::Read(const std::string& path, const OptionsFile& current) {
    if (!FileExists(path)) return current;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return current;
    Bytes bytes{};
    const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) return current;
    return Decode(std::span(bytes).first(got), current);
}

std::optional<std::string> OptionsFile::Write(const std::string& path) const {
    const Bytes bytes = Encode();
    // Opened for update, writing starts at the first byte and nothing after the 20th is lost;
    // only a file that is not there yet is created.
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "r+b");
    if (file == nullptr && errno == ENOENT) {
        errno = 0;
        file = std::fopen(path.c_str(), "wb");
    }
    if (file == nullptr) return Reason();
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() ||
        std::fflush(file) != 0) {
        std::string reason = Reason();
        std::fclose(file);
        return reason;
    }
    errno = 0;
    if (std::fclose(file) != 0) return Reason();
    return std::nullopt;
}

}  // namespace vantorel
