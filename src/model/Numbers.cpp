#include "model/Numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace kelvane {
namespace {

constexpr int kSignificantDigits = 15;
constexpr int kSmallestPlainExponent = -4;  // 1E-04 is still shown plainly
constexpr int kLargestPlainExponent = 14;   // 1E+15 switches to exponent form
constexpr size_t kMinExponentDigits = 2;
constexpr int kHexBase = 16;
constexpr int kOctalBase = 8;

bool IsIgnoredInNumber(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The value of c as a digit of base, or -1.
int DigitValue(char c, int base) {
  int value = -1;
  if (c >= '0' && c <= '9') value = c - '0';
  else if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
  return value < base ? value : -1;
}

// Walks a text as if its blanks, tabs and line feeds were not there.
class NumberScanner {
 public:
  explicit NumberScanner(std::string_view text) : text_(text) { SkipIgnored(); }

  // '\0' at the end, which no rule accepts.
  char Peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
  void Advance() {
    ++pos_;
    SkipIgnored();
  }

 private:
  void SkipIgnored() {
    while (pos_ < text_.size() && IsIgnoredInNumber(text_[pos_])) ++pos_;
  }

  std::string_view text_;
  size_t pos_ = 0;
};

// Unsigned integer digits of the given base; stops at the first other character.
double ReadRadixInteger(NumberScanner& scan, int base) {
  double value = 0;
  for (int digit; (digit = DigitValue(scan.Peek(), base)) >= 0; scan.Advance())
    value = value * base + digit;
  return value;
}

// Appends the run of decimal digits at the scanner to out; returns how many there were.
size_t TakeDigits(NumberScanner& scan, std::string& out) {
  size_t count = 0;
  while (IsDigit(scan.Peek())) {
    out += scan.Peek();
    scan.Advance();
    ++count;
  }
  return count;
}

std::string Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  const int length = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  std::vsnprintf(text.data(), text.size(), format, args);
  va_end(args);
  text.resize(static_cast<size_t>(length));
  return text;
}

enum class Halves { ToEven, AwayFromZero };

// True when the exact value lies halfway between two multiples of 10^-decimals: a double there is
// (2q + 1) * 10^-decimals / 2 = ((2q + 1) / 5^decimals) * 2^-(decimals + 1), an odd multiple of
// 2^-(decimals + 1), and every such multiple is halfway.
bool IsHalfway(double magnitude, int decimals) {
  const double scaled = std::ldexp(magnitude, decimals + 1);
  return std::isfinite(scaled) && std::floor(scaled) == scaled && std::fmod(scaled, 2.0) == 1.0;
}

// The exact binary value rounded to the given decimals. glibc's printf rounds the exact value with halves
// to even; the next double above a halfway value lies safely inside the upper interval, which rounds away.
std::string FixedText(double value, int decimals, Halves halves) {
  if (halves == Halves::AwayFromZero && IsHalfway(std::fabs(value), decimals))
    value = std::nextafter(value, value < 0 ? -HUGE_VAL : HUGE_VAL);
  return Format("%.*f", decimals, value);
}

// A finite non-zero magnitude as 15 significant digits and the decimal exponent of the first.
struct SignificantDigits {
  std::string digits;
  int exponent = 0;
};

// Lowers the last digit by one, borrowing as needed; the leading digit of a 15-digit mantissa near the
// largest double is never 0, so no borrow runs out.
void DecrementLastDigit(std::string& digits) {
  for (size_t i = digits.size(); i-- > 0;) {
    if (digits[i] != '0') {
      --digits[i];
      return;
    }
    digits[i] = '9';
  }
}

SignificantDigits RoundToSignificant(double magnitude) {
  // "d.dddddddddddddde+XX"
  const std::string text = Format("%.*e", kSignificantDigits - 1, magnitude);
  const size_t exponentAt = text.find('e');
  SignificantDigits result;
  result.digits = text.substr(0, 1) + text.substr(2, exponentAt - 2);
  result.exponent = std::atoi(text.c_str() + exponentAt + 1);
  // Rounding up near the largest double would give a text that reads back as infinity.
  if (std::isinf(std::strtod(text.c_str(), nullptr))) DecrementLastDigit(result.digits);
  return result;
}

void StripTrailingZeros(std::string& digits) {
  const size_t last = digits.find_last_not_of('0');
  digits.erase(last == std::string::npos ? 1 : last + 1);
}

std::string ExponentForm(const SignificantDigits& number) {
  std::string text = number.digits.substr(0, 1);
  if (number.digits.size() > 1) text += "." + number.digits.substr(1);
  text += number.exponent < 0 ? "E-" : "E+";
  std::string exponentDigits = std::to_string(std::abs(number.exponent));
  if (exponentDigits.size() < kMinExponentDigits)
    exponentDigits.insert(0, kMinExponentDigits - exponentDigits.size(), '0');
  return text + exponentDigits;
}

std::string PositionalForm(const SignificantDigits& number) {
  const std::string& digits = number.digits;
  if (number.exponent < 0)
    return "0." + std::string(static_cast<size_t>(-number.exponent - 1), '0') + digits;
  const size_t integerLength = static_cast<size_t>(number.exponent) + 1;
  if (digits.size() <= integerLength) return digits + std::string(integerLength - digits.size(), '0');
  return digits.substr(0, integerLength) + "." + digits.substr(integerLength);
}

std::string NonFiniteText(double value) {
  if (std::isnan(value)) return "NaN";
  return value < 0 ? "-Inf" : "Inf";
}

}  // namespace

double ReadNumber(std::string_view text) {
  NumberScanner scan(text);
  if (scan.Peek() == '&') {
    scan.Advance();
    const char kind = scan.Peek();
    if (kind == 'H' || kind == 'h' || kind == 'O' || kind == 'o') {
      scan.Advance();
      return ReadRadixInteger(scan, kind == 'H' || kind == 'h' ? kHexBase : kOctalBase);
    }
    return 0;
  }

  std::string number;
  if (scan.Peek() == '+' || scan.Peek() == '-') {
    number += scan.Peek();
    scan.Advance();
  }
  size_t mantissaDigits = TakeDigits(scan, number);
  if (scan.Peek() == '.') {
    number += '.';
    scan.Advance();
    mantissaDigits += TakeDigits(scan, number);
  }
  if (mantissaDigits == 0) return 0;

  const char marker = scan.Peek();
  if (marker == 'E' || marker == 'e' || marker == 'D' || marker == 'd') {
    std::string exponent = "e";
    scan.Advance();
    if (scan.Peek() == '+' || scan.Peek() == '-') {
      exponent += scan.Peek();
      scan.Advance();
    }
    if (TakeDigits(scan, exponent) > 0) number += exponent;
  }
  return std::strtod(number.c_str(), nullptr);
}

std::string PlainNumberText(double value) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  if (value == 0) return "0";
  SignificantDigits number = RoundToSignificant(std::fabs(value));
  StripTrailingZeros(number.digits);
  const bool plain =
      number.exponent >= kSmallestPlainExponent && number.exponent <= kLargestPlainExponent;
  return (value < 0 ? "-" : "") + (plain ? PositionalForm(number) : ExponentForm(number));
}

std::string FileNumberText(double value) {
  std::string magnitude = PlainNumberText(std::fabs(value));
  if (magnitude.compare(0, 2, "0.") == 0) magnitude.erase(0, 1);
  return (value < 0 ? "-" : " ") + magnitude + " ";
}

double RoundTo(double value, int decimals) {
  if (!std::isfinite(value)) return value;
  return std::strtod(FixedText(value, std::max(decimals, 0), Halves::ToEven).c_str(), nullptr);
}

std::string F4(double value) {
  constexpr int kDecimals = 4;
  // The sign comes from the value, not from the rounded digits: -0.00001 shows "-0.0000", -0 shows "0.0000".
  const std::string digits = FixedText(std::fabs(value), kDecimals, Halves::AwayFromZero);
  return (value < 0 ? "-" : "") + digits;
}

std::string I(int value) { return std::to_string(value); }

std::string I2(int value) { return "  " + I(value); }

}  // namespace kelvane
