// The text of a configuration file: one value per line, CR LF after every line; numbers in the file
// number form, truth values as the words "True" and "False".
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kelvane::config {

std::string ConfigNumberLine(double value);
std::string ConfigTruthLine(bool value);

// Takes the values of a configuration text in order. A value starts after any leading blanks and runs to
// the next comma or line end (CR LF, or LF alone); trailing blanks are not part of it.
class ConfigValueReader {
 public:
  explicit ConfigValueReader(std::string_view content) : content_(content) {}

  // The next value, or nothing when the text has no more.
  std::optional<std::string_view> Next();
  // The line of the value last taken, or of the value that was missing.
  int Line() const { return lastLine_; }

 private:
  std::string_view content_;
  std::size_t position_ = 0;
  int line_ = 1;
  int lastLine_ = 0;
};

// A number in one of the forms the writer makes (sign, digits, point, exponent), taken whole and finite.
std::optional<double> ParseConfigNumber(std::string_view value);
// "True" or "False", in any letter case.
std::optional<bool> ParseConfigTruth(std::string_view value);

}  // namespace kelvane::config
