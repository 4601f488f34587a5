// Reading the results window's boxes and wording its numbers.
#include "ui/ResultsFormBoxes.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include "model/Numbers.h"
#include "results/Quantities.h"

namespace kelvane::ui {

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<double> StrictNumber(const std::string& text) {
  std::string_view digits = text;
  if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

MaxLiftBoxes ReadMaxLift(const TextBox& root, const TextBox& tip) {
  const std::string rootText = Trimmed(root.Text()), tipText = Trimmed(tip.Text());
  if (rootText.empty() && tipText.empty()) return {};
  const auto clmaxK = StrictNumber(rootText.empty() ? tipText : rootText);
  const auto clmaxU = StrictNumber(tipText.empty() ? rootText : tipText);
  if (!clmaxK || !clmaxU || !(*clmaxK > 0) || !(*clmaxU > 0)) return {.maxLift = std::nullopt, .unreadable = true};
  return {.maxLift = SectionMaxLift{.clmaxK = *clmaxK, .clmaxU = *clmaxU}, .unreadable = false};
}

std::string SignificantText(double value, int digits) {
  char buffer[64];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
  return error == std::errc() ? std::string(buffer, end) : std::string();
}

std::string BoxText(const char* quantity, double value) {
  return PlainNumberText(RoundTo(value, BoxDecimals(quantity)));
}

}  // namespace kelvane::ui
