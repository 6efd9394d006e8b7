#pragma once

#include <string_view>

namespace vantorel {

// Reads what the player typed into the stake box as a number, the way the box always has:
// blanks, tabs and line feeds anywhere are ignored; the value is that of the number the text
// begins with (a sign, digits with at most one decimal point, an exponent; &H and &O prefixes read
// hexadecimal and octal); reading stops at the first character that cannot continue the number;
// a text that begins with no number reads 0. Huge values read as infinity, never as an error.
double ReadStakeText(std::string_view text);

}  // namespace vantorel
