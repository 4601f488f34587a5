// The worked examples of tests/examples: arguments, expected result boxes, numbers and messages.
#pragma once

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "support/ScopedWorkDir.h"

namespace kelvane::testing {

// Reads the example files' JSON into scalar texts keyed by path: "boxes.Text_CL", "argv.0".
// Enough for these flat files: no escapes beyond \" and \\, no nesting deeper than they use.
class FlatJsonReader {
 public:
  static std::map<std::string, std::string> Read(std::string_view text) {
    FlatJsonReader reader(text);
    reader.Value("");
    return reader.scalars_;
  }

 private:
  explicit FlatJsonReader(std::string_view text) : text_(text) {}

  void SkipBlanks() {
    while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) ++pos_;
  }
  // Skips blanks, then the separator if it is the next character.
  bool Take(char separator) {
    SkipBlanks();
    if (pos_ < text_.size() && text_[pos_] == separator) {
      ++pos_;
      return true;
    }
    return false;
  }
  std::string String() {
    Take('"');
    std::string text;
    while (pos_ < text_.size() && text_[pos_] != '"') {
      if (text_[pos_] == '\\') ++pos_;
      text += text_[pos_++];
    }
    ++pos_;
    return text;
  }
  static std::string Join(const std::string& path, const std::string& key) {
    return path.empty() ? key : path + "." + key;
  }
  void Value(const std::string& path) {
    SkipBlanks();
    if (Take('{')) {
      while (!Take('}')) {
        const std::string key = String();
        Take(':');
        Value(Join(path, key));
        Take(',');
      }
    } else if (Take('[')) {
      for (int index = 0; !Take(']'); ++index) {
        Value(Join(path, std::to_string(index)));
        Take(',');
      }
    } else if (text_[pos_] == '"') {
      scalars_[path] = String();
    } else {
      const std::size_t end = std::min(text_.find_first_of(",}] \r\n", pos_), text_.size());
      scalars_[path] = std::string(text_.substr(pos_, end - pos_));
      pos_ = end;
    }
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  std::map<std::string, std::string> scalars_;
};

// Values keyed under one object of the flat map, with the object's prefix removed.
inline std::map<std::string, std::string> Member(const std::map<std::string, std::string>& scalars,
                                                 const std::string& object) {
  std::map<std::string, std::string> member;
  const std::string prefix = object + ".";
  for (const auto& [path, value] : scalars) {
    if (path.starts_with(prefix)) member[path.substr(prefix.size())] = value;
  }
  return member;
}

struct WorkedExample {
  std::string name;  // the folder name
  std::filesystem::path folder;
  std::vector<std::string> argv;  // "CONFIG" stands for the input file
  std::map<std::string, std::string> boxes;
  std::map<std::string, double> numbers;
  std::optional<std::string> message;  // set for a rejected input

  std::filesystem::path Input() const { return folder / "input.cfg"; }
  std::string Expected(const char* file) const { return ReadFile(folder / file); }
};

// Test parameters print as their folder name.
inline void PrintTo(const WorkedExample& example, std::ostream* out) { *out << example.name; }

inline std::vector<WorkedExample> LoadWorkedExamples() {
  std::vector<WorkedExample> examples;
  for (const auto& entry : std::filesystem::directory_iterator(KELVANE_EXAMPLES_DIR)) {
    if (!entry.is_directory()) continue;
    WorkedExample example;
    example.name = entry.path().filename().string();
    example.folder = entry.path();
    for (const auto& [index, arg] : Member(FlatJsonReader::Read(ReadFile(example.folder / "args.json")), "argv")) {
      example.argv.resize(std::max(example.argv.size(), std::stoul(index) + 1));
      example.argv[std::stoul(index)] = arg;
    }
    const auto expected = FlatJsonReader::Read(ReadFile(example.folder / "expected.json"));
    example.boxes = Member(expected, "boxes");
    for (const auto& [key, text] : Member(expected, "numbers")) example.numbers[key] = std::stod(text);
    if (expected.contains("message")) example.message = expected.at("message");
    examples.push_back(std::move(example));
  }
  std::sort(examples.begin(), examples.end(),
            [](const WorkedExample& a, const WorkedExample& b) { return a.name < b.name; });
  return examples;
}

// A test name from a folder name ("01-default-elliptic" -> "01_default_elliptic").
inline std::string TestName(const WorkedExample& example) {
  std::string name = example.name;
  std::replace(name.begin(), name.end(), '-', '_');
  return name;
}

// The examples' full-precision numbers agree to a relative 1e-9; a zero must come out as zero.
inline double ExampleTolerance(double expected) {
  constexpr double kRelative = 1e-9;
  constexpr double kZeroFloor = 1e-15;
  return std::max(std::abs(expected) * kRelative, kZeroFloor);
}

}  // namespace kelvane::testing
