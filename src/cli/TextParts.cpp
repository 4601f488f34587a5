// The shared pieces of kelvane-solve's printed forms.
#include "cli/TextParts.h"

#include <cmath>

#include "model/Numbers.h"
#include "model/RoundTripNumber.h"

namespace kelvane::cli {
namespace {

constexpr std::size_t kLabelWidth = 6;

}  // namespace

void AppendJsonNumber(std::string& text, double value) {
  if (std::isfinite(value)) {
    AppendShortestNumberText(text, value);
  } else {
    text += kJsonNull;
  }
}

void AppendJsonKey(std::string& text, std::string_view key) {
  text += '"';
  text += key;
  text += "\": ";
}

void AppendJsonMember(std::string& text, std::string_view key, double value) {
  AppendJsonKey(text, key);
  AppendJsonNumber(text, value);
}

void AppendJsonBool(std::string& text, std::string_view key, bool value) {
  AppendJsonKey(text, key);
  text += value ? "true" : "false";
}

void AppendCsvNumber(std::string& text, double value) {
  if (std::isfinite(value)) AppendShortestNumberText(text, value);
}

std::string Rounded(double value, int decimals) { return PlainNumberText(RoundTo(value, decimals)); }

std::string LabelledLine(std::string_view name, const std::string& value, std::string_view unit) {
  std::string line(name);
  if (line.size() < kLabelWidth) line.resize(kLabelWidth, ' ');
  line += value;
  if (!unit.empty()) (line += ' ') += unit;
  return line + '\n';
}

}  // namespace kelvane::cli
