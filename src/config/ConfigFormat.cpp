// The lines of a configuration file: how values are written, split and parsed.
#include "config/ConfigFormat.h"

#include <cmath>

#include "model/Numbers.h"

namespace kelvane::config {
namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr const char* kTrue = "True";
constexpr const char* kFalse = "False";
constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kValueEnds = ",\r\n";

// ASCII only: the <cctype> functions follow the process locale, and a Turkish one lowers 'I' to 'ı'.
bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }
char AsciiLower(char ch) { return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch; }

// Moves past a run of digits and tells whether there was at least one.
bool SkipDigits(std::string_view text, std::size_t& at) {
  const std::size_t start = at;
  while (at < text.size() && IsDigit(text[at])) ++at;
  return at > start;
}

void SkipSign(std::string_view text, std::size_t& at) {
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
}

// [sign] (digits [. digits] | . digits) [E [sign] digits], and nothing else.
bool IsWrittenNumber(std::string_view text) {
  std::size_t at = 0;
  SkipSign(text, at);
  bool mantissa = SkipDigits(text, at);
  if (at < text.size() && text[at] == '.') {
    ++at;
    mantissa = SkipDigits(text, at) || mantissa;
  }
  if (!mantissa) return false;
  if (at < text.size() && (text[at] == 'E' || text[at] == 'e')) {
    ++at;
    SkipSign(text, at);
    if (!SkipDigits(text, at)) return false;
  }
  return at == text.size();
}

bool EqualsIgnoringCase(std::string_view text, std::string_view word) {
  if (text.size() != word.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (AsciiLower(text[i]) != AsciiLower(word[i])) return false;
  }
  return true;
}

}  // namespace

std::string ConfigNumberLine(double value) { return FileNumberText(value) + kLineEnd; }

std::string ConfigTruthLine(bool value) { return std::string(value ? kTrue : kFalse) + kLineEnd; }

std::optional<std::string_view> ConfigValueReader::Next() {
  const std::size_t start = content_.find_first_not_of(kBlanks, position_);
  lastLine_ = line_;
  if (start == std::string_view::npos) {
    position_ = content_.size();
    return std::nullopt;
  }
  std::size_t end = content_.find_first_of(kValueEnds, start);
  if (end == std::string_view::npos) end = content_.size();
  std::string_view value = content_.substr(start, end - start);
  const std::size_t last = value.find_last_not_of(kBlanks);
  value = value.substr(0, last == std::string_view::npos ? 0 : last + 1);

  position_ = end;
  if (position_ < content_.size()) {
    const char terminator = content_[position_++];
    if (terminator != ',') {
      ++line_;
      if (terminator == '\r' && position_ < content_.size() && content_[position_] == '\n') ++position_;
    }
  }
  return value;
}

std::optional<double> ParseConfigNumber(std::string_view value) {
  if (!IsWrittenNumber(value)) return std::nullopt;
  const double number = ReadNumber(value);
  if (!std::isfinite(number)) return std::nullopt;
  return number;
}

std::optional<bool> ParseConfigTruth(std::string_view value) {
  if (EqualsIgnoringCase(value, kTrue)) return true;
  if (EqualsIgnoringCase(value, kFalse)) return false;
  return std::nullopt;
}

}  // namespace kelvane::config
