// The shortest text of a number that reads back to the same double.
#include "model/RoundTripNumber.h"

#include <array>
#include <charconv>

namespace kelvane {

void AppendShortestNumberText(std::string& text, double value) {
  std::array<char, 32> buffer{};  // the longest shortest form, "-2.2250738585072014e-308", fits
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  text.append(buffer.data(), result.ptr);
}

std::string ShortestNumberText(double value) {
  std::string text;
  AppendShortestNumberText(text, value);
  return text;
}

}  // namespace kelvane
