#include "StakeText.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>

namespace vantorel {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

double ReadRadix(const std::string& s, std::size_t pos, int radix) {
    double value = 0.0;
    for (; pos < s.size(); ++pos) {
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(s[pos])));
        int digit = -1;
        if (IsDigit(c)) digit = c - '0';
        if (radix == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        if (digit < 0 || digit >= radix) break;
        value = value * radix + digit;
    }
    return value;
}

}  // namespace

double ReadStakeText(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') s.push_back(c);
    }

    if (s.size() >= 2 && s[0] == '&') {
        const char kind = static_cast<char>(std::tolower(static_cast<unsigned char>(s[1])));
        if (kind == 'h') return ReadRadix(s, 2, 16);
        if (kind == 'o') return ReadRadix(s, 2, 8);
        return 0.0;
    }

    // Take the longest prefix of the form [sign] digits [. digits] [exponent], then let strtod
    // convert exactly that prefix, so locale and strtod's own extras (hex, "inf") play no part.
    std::size_t end = 0;
    if (end < s.size() && (s[end] == '+' || s[end] == '-')) ++end;
    std::size_t digits = 0;
    while (end < s.size() && IsDigit(s[end])) ++end, ++digits;
    if (end < s.size() && s[end] == '.') {
        ++end;
        while (end < s.size() && IsDigit(s[end])) ++end, ++digits;
    }
    if (digits == 0) return 0.0;
    if (end < s.size() && (s[end] == 'e' || s[end] == 'E' || s[end] == 'd' || s[end] == 'D')) {
        std::size_t exp = end + 1;
        if (exp < s.size() && (s[exp] == '+' || s[exp] == '-')) ++exp;
        if (exp < s.size() && IsDigit(s[exp])) {
            while (exp < s.size() && IsDigit(s[exp])) ++exp;
            s[end] = 'e';
            end = exp;
        }
    }
    const std::string number = s.substr(0, end);
    return std::strtod(number.c_str(), nullptr);
}

}  // namespace vantorel
