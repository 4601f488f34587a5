// The number conventions shared by every box, report line and configuration file.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kelvane {

// The number at the start of a text. Blanks, tabs and line feeds anywhere are ignored; then an optional
// sign, digits, an optional point and digits, an optional exponent (E or D); &H and &O start hexadecimal
// and octal integers. Reading stops at the first character that cannot continue the number; a text with no
// number at its start reads as 0. A number too large for a double reads as +-infinity.
double ReadNumber(std::string_view text);

// How much of the text ReadNumber takes, blanks after the number included: text[NumberLength(text)] is
// the character that ended the number ("12,5" -> 2).
std::size_t NumberLength(std::string_view text);

// How a number is shown in a box: at most 15 significant digits, no trailing zeros or point, "0." before
// fractions, exponent form ("1E-05", "1.5E+20") below 1E-04 and from 1E+15 on.
std::string PlainNumberText(double value);

// How a bare number is written to a file: a blank or the minus sign, the plain number text without the
// 0 before the point of a fraction, and a blank (" 10 ", " .402 ", "-1.5 ").
std::string FileNumberText(double value);

// The value rounded to the given number of decimals, halves to the even digit (1.125 -> 1.12).
double RoundTo(double value, int decimals);

// Report items: F4 is "#0.###0" (four decimals, halves away from zero, "-0.0000" for a small negative);
// I is the integer's digits; I2 is two blanks and the digits.
std::string F4(double value);
std::string I(int value);
std::string I2(int value);

}  // namespace kelvane
