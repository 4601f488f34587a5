// The number conventions: the reading rule, the plain number text, rounding and the file number form.
#include "model/Numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <system_error>

namespace kelvane {
namespace {

constexpr int kSignificantDigits = 15;
constexpr int kSmallestPlainExponent = -4;  // 1E-04 is still shown plainly
constexpr int kLargestPlainExponent = 14;   // 1E+15 switches to exponent form
constexpr size_t kMinExponentDigits = 2;
constexpr int kHexBase = 16;
constexpr int kOctalBase = 8;
constexpr int kDecimalBase = 10;
// Longest "%e"-style text of a double with 15 significant digits: "-d.dddddddddddddde-308".
constexpr std::size_t kScientificTextLength = 32;
// Digits before the point of the largest double, with sign and point.
constexpr std::size_t kFixedIntegerPartLength = 312;

bool IsIgnoredInNumber(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The value of c as a digit of base, or -1.
int DigitValue(char c, int base) {
  int value = -1;
  if (c >= '0' && c <= '9')
    value = c - '0';
  else if (c >= 'a' && c <= 'f')
    value = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F')
    value = c - 'A' + 10;
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
  // The first character not taken, past any blanks.
  size_t Position() const { return pos_; }

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
  for (int digit; (digit = DigitValue(scan.Peek(), base)) >= 0; scan.Advance()) value = value * base + digit;
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

// The number conventions never follow the process locale (a Turkish desktop writes "2,5"): texts are
// made and read with to_chars and from_chars, which always use the point.

// Where a decimal text lies beyond the range of a double: its order of magnitude decides between
// infinity and zero, as strtod would. text is "[-]digits[.digits][e[sign]digits]" with at least one
// non-zero digit (a zero is never out of range).
double OutOfRangeValue(std::string_view text) {
  const bool negative = !text.empty() && text.front() == '-';
  const std::size_t exponentAt = text.find('e');
  const std::string_view mantissa = text.substr(negative ? 1 : 0, exponentAt - (negative ? 1 : 0));
  // The value is 0.ddd times ten to the power order + exponent, with a non-zero first d.
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t firstNonZero = mantissa.find_first_not_of("0.");
  long long order = firstNonZero < point ? static_cast<long long>(point - firstNonZero)
                                         : -static_cast<long long>(firstNonZero - point - 1);
  if (exponentAt != std::string_view::npos) {
    std::string_view exponent = text.substr(exponentAt + 1);
    const bool negativeExponent = !exponent.empty() && exponent.front() == '-';
    if (!exponent.empty() && (exponent.front() == '-' || exponent.front() == '+')) exponent.remove_prefix(1);
    // Any exponent this long already settles the question.
    constexpr long long kSaturated = 1'000'000'000;
    long long magnitude = 0;
    for (const char digit : exponent) magnitude = std::min(magnitude * kDecimalBase + (digit - '0'), kSaturated);
    order += negativeExponent ? -magnitude : magnitude;
  }
  const double value = order > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  return negative ? -value : value;
}

// A decimal text in the form above, correctly rounded; beyond the range of a double, +-infinity or +-0.
double ParseDecimal(std::string_view text) {
  double value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec == std::errc::result_out_of_range) return OutOfRangeValue(text);
  return value;
}

std::string ToChars(double value, std::chars_format format, int precision, std::size_t capacity) {
  std::string text(capacity, '\0');
  const auto result = std::to_chars(text.data(), text.data() + text.size(), value, format, precision);
  text.resize(static_cast<std::size_t>(result.ptr - text.data()));
  return text;
}

// The exact binary value rounded to the given decimals; to_chars rounds the exact value with halves to even.
std::string FixedTextHalvesToEven(double value, int decimals) {
  return ToChars(value, std::chars_format::fixed, decimals,
                 kFixedIntegerPartLength + static_cast<std::size_t>(decimals));
}

// Every digit of a finite magnitude in fixed notation, with at least the given number of decimals. A
// double's fraction ends at its lowest bit, at most kMostBinaryPlaces binary (and so as many decimal)
// places below the point, so asking for that many decimals rounds nothing away.
std::string ExactFixedDigits(double magnitude, int atLeastDecimals) {
  constexpr int kMostBinaryPlaces =
      -(std::numeric_limits<double>::min_exponent - 1) + std::numeric_limits<double>::digits - 1;  // 1074
  int exponent = 0;
  std::frexp(magnitude, &exponent);
  const int binaryPlaces = std::min(std::numeric_limits<double>::digits - exponent, kMostBinaryPlaces);
  return FixedTextHalvesToEven(magnitude, std::max(atLeastDecimals, binaryPlaces));
}

// Adds one to the last digit of a fixed text, carrying past the point and into a new leading digit.
void IncrementLastDigit(std::string& text) {
  for (size_t i = text.size(); i-- > 0;) {
    if (text[i] == '.') continue;
    if (text[i] != '9') {
      ++text[i];
      return;
    }
    text[i] = '0';
  }
  text.insert(0, 1, '1');
}

// A finite magnitude rounded to the given decimals with halves away from zero. On the exact digits a
// remainder of half a unit or more shows as a first dropped digit of 5 or more, at every magnitude.
std::string FixedTextHalvesAway(double magnitude, int decimals) {
  std::string text = ExactFixedDigits(magnitude, decimals + 1);
  const size_t kept = text.find('.') + 1 + static_cast<size_t>(decimals);
  const bool roundUp = text[kept] >= '5';
  text.resize(kept);
  if (roundUp) IncrementLastDigit(text);
  return text;
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
  const std::string text =
      ToChars(magnitude, std::chars_format::scientific, kSignificantDigits - 1, kScientificTextLength);
  const size_t exponentAt = text.find('e');
  SignificantDigits result;
  result.digits = text.substr(0, 1) + text.substr(2, exponentAt - 2);
  std::from_chars(text.data() + exponentAt + 1 + (text[exponentAt + 1] == '+' ? 1 : 0), text.data() + text.size(),
                  result.exponent);
  // Rounding up near the largest double would give a text that reads back as infinity.
  if (std::isinf(ParseDecimal(text))) DecrementLastDigit(result.digits);
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
  if (number.exponent < 0) return "0." + std::string(static_cast<size_t>(-number.exponent - 1), '0') + digits;
  const size_t integerLength = static_cast<size_t>(number.exponent) + 1;
  if (digits.size() <= integerLength) return digits + std::string(integerLength - digits.size(), '0');
  return digits.substr(0, integerLength) + "." + digits.substr(integerLength);
}

std::string NonFiniteText(double value) {
  if (std::isnan(value)) return "NaN";
  return value < 0 ? "-Inf" : "Inf";
}

// The number at the scanner, by the reading rule; the scanner stops at the first character not taken.
double ScanNumber(NumberScanner& scan) {
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
    if (scan.Peek() == '-') number += '-';  // from_chars takes no plus sign
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
  return ParseDecimal(number);
}

}  // namespace

double ReadNumber(std::string_view text) {
  NumberScanner scan(text);
  return ScanNumber(scan);
}

size_t NumberLength(std::string_view text) {
  NumberScanner scan(text);
  ScanNumber(scan);
  return scan.Position();
}

std::string PlainNumberText(double value) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  if (value == 0) return "0";
  SignificantDigits number = RoundToSignificant(std::fabs(value));
  StripTrailingZeros(number.digits);
  const bool plain = number.exponent >= kSmallestPlainExponent && number.exponent <= kLargestPlainExponent;
  return (value < 0 ? "-" : "") + (plain ? PositionalForm(number) : ExponentForm(number));
}

std::string FileNumberText(double value) {
  std::string magnitude = PlainNumberText(std::fabs(value));
  if (magnitude.compare(0, 2, "0.") == 0) magnitude.erase(0, 1);
  return (value < 0 ? "-" : " ") + magnitude + " ";
}

double RoundTo(double value, int decimals) {
  if (!std::isfinite(value)) return value;
  return ParseDecimal(FixedTextHalvesToEven(value, std::max(decimals, 0)));
}

std::string F4(double value) {
  constexpr int kDecimals = 4;
  // The sign comes from the value, not from the rounded digits: -0.00001 shows "-0.0000", -0 shows "0.0000".
  const double magnitude = std::fabs(value);
  const std::string digits = std::isfinite(magnitude) ? FixedTextHalvesAway(magnitude, kDecimals)
                                                      : FixedTextHalvesToEven(magnitude, kDecimals);
  return (value < 0 ? "-" : "") + digits;
}

std::string I(int value) { return std::to_string(value); }

std::string I2(int value) { return "  " + I(value); }

}  // namespace kelvane
