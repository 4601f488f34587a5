// The number conventions under arbitrary input: reading never fails, and every finite value survives the
// trip through the box text and the file text to 15 significant digits.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "model/Numbers.h"

namespace {

using namespace kelvane;

// 15 significant digits keep a value to half a unit in the 15th digit, well inside this.
constexpr double kRoundTripRelative = 1e-14;
// Decimals the fuzzer tries for RoundTo; the program itself uses 3 to 6.
constexpr int kDecimalsRange = 20;
// Beyond this F4's four decimals say nothing about the value any more.
constexpr double kF4CheckedMagnitude = 1e9;
constexpr double kF4HalfStep = 0.5e-4;

[[noreturn]] void Fail(const char* what, double value, const std::string& text) {
  std::fprintf(stderr, "%s: value %.17g, text \"%s\"\n", what, value, text.c_str());
  std::abort();
}

void CheckTextRoundTrip(const char* what, double value, std::string (*toText)(double)) {
  const std::string text = toText(value);
  const double back = ReadNumber(text);
  if (!std::isfinite(back)) Fail(what, value, text);
  if (std::fabs(back - value) > kRoundTripRelative * std::fabs(value)) Fail(what, value, text);
  if (toText(back) != text) Fail(what, value, toText(back));
}

// Rounding moves a value by at most half a step, give or take the error of the double that holds the result.
bool WithinHalfStep(double rounded, double value, double halfStep) {
  return std::fabs(rounded - value) <= halfStep * (1 + kRoundTripRelative) + kRoundTripRelative * std::fabs(value);
}

void CheckRounding(double value, int decimals) {
  const double rounded = RoundTo(value, decimals);
  const std::string shown = PlainNumberText(rounded);
  if (!std::isfinite(rounded)) Fail("RoundTo not finite", value, shown);
  if (RoundTo(rounded, decimals) != rounded) Fail("RoundTo not idempotent", value, shown);
  if (!WithinHalfStep(rounded, value, 0.5 * std::pow(10.0, -decimals))) Fail("RoundTo moved too far", value, shown);
}

void CheckF4(double value) {
  const std::string text = F4(value);
  if (std::fabs(value) > kF4CheckedMagnitude) return;
  if (!WithinHalfStep(ReadNumber(text), value, kF4HalfStep)) Fail("F4", value, text);
}

void CheckValue(double value, int decimals) {
  if (!std::isfinite(value)) {
    PlainNumberText(value);
    FileNumberText(value);
    F4(value);
    RoundTo(value, decimals);
    return;
  }
  CheckTextRoundTrip("plain number text", value, PlainNumberText);
  CheckTextRoundTrip("file number form", value, FileNumberText);
  CheckRounding(value, decimals);
  CheckF4(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const int decimals = data[size - 1] % kDecimalsRange;
  CheckValue(ReadNumber(text), decimals);
  // Raw bits reach values, subnormals among them, that the text form rarely produces.
  double bits;
  if (size >= sizeof bits) {
    std::memcpy(&bits, data, sizeof bits);
    CheckValue(bits, decimals);
  }
  return 0;
}
