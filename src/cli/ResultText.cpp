#include "cli/ResultText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <utility>

#include "ui/Form_Wing.h"

namespace kelvane::cli {
namespace {

// The quantities in their printed order; the key is also the box name without "Text_".
constexpr std::array<std::pair<const char*, double OperatingPoint::*>, 7> kQuantities{{
    {"AlfaK", &OperatingPoint::AlfaK},
    {"CL", &OperatingPoint::CL},
    {"CDi", &OperatingPoint::CDi},
    {"E", &OperatingPoint::E},
    {"AlfE", &OperatingPoint::AlfE},
    {"CDiE", &OperatingPoint::CDiE},
    {"EE", &OperatingPoint::EE},
}};

constexpr std::array<ui::TextBox ui::Form_Wing::*, kQuantities.size()> kResultBoxes{
    &ui::Form_Wing::Text_AlfaK, &ui::Form_Wing::Text_CL,   &ui::Form_Wing::Text_CDi,
    &ui::Form_Wing::Text_E,     &ui::Form_Wing::Text_AlfE, &ui::Form_Wing::Text_CDiE,
    &ui::Form_Wing::Text_EE,
};

constexpr std::size_t kFirstEllipticQuantity = 4;  // AlfE
constexpr int kLabelWidth = 6;

// JSON has no infinity or NaN.
std::string JsonNumber(double value) { return std::isfinite(value) ? ShortestNumberText(value) : "null"; }

}  // namespace

std::string ShortestNumberText(double value) {
  std::array<char, 32> buffer{};  // the longest shortest form, "-2.2250738585072014e-308", fits
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return std::string(buffer.data(), result.ptr);
}

std::string ResultBoxesText(const ui::Form_Wing& form) {
  std::string text;
  for (std::size_t i = 0; i < kQuantities.size(); ++i) {
    if (i == kFirstEllipticQuantity) text += "Equivalent elliptic wing:\n";
    std::string label = kQuantities[i].first;
    label.resize(kLabelWidth, ' ');
    text += label + (form.*kResultBoxes[i]).Text() + '\n';
  }
  return text;
}

std::string ResultsJson(const OperatingPoint& point) {
  std::string text = "{";
  for (const auto& [key, member] : kQuantities) {
    if (text.size() > 1) text += ", ";
    text += '"' + std::string(key) + "\": " + JsonNumber(point.*member);
  }
  return text + "}\n";
}

std::string PolarHeader() {
  std::string text;
  for (const auto& [key, member] : kQuantities) text += (text.empty() ? "" : ",") + std::string(key);
  return text + '\n';
}

std::string PolarRow(const OperatingPoint& point) {
  std::string text;
  for (const auto& [key, member] : kQuantities) {
    text += (text.empty() ? "" : ",") + ShortestNumberText(point.*member);
  }
  return text + '\n';
}

}  // namespace kelvane::cli
