// How the results window reads its boxes and words its numbers: a box holds one value, read strictly.
#pragma once

#include <optional>
#include <string>

#include "results/SpanwiseResults.h"
#include "ui/Controls.h"

namespace kelvane::ui {

// The text without the blanks and tabs at its ends.
std::string Trimmed(const std::string& text);

// The whole text as one finite number, "1.5" or "-2e3": a box of this window holds one value, read
// strictly, never the start of a longer text.
std::optional<double> StrictNumber(const std::string& text);

// A value to the given number of significant digits, the shortest way: "0.61237", "1.2e+04".
std::string SignificantText(double value, int digits);

inline constexpr const char* kMaxLiftUnreadable =
    "clmax kutularına birer pozitif sayı giriniz (ondalık ayırıcı nokta); boş bir kutu ötekinin değerini alır.";

struct MaxLiftBoxes {
  std::optional<SectionMaxLift> maxLift;
  bool unreadable = false;  // then kMaxLiftUnreadable says why there is no maximum lift
};

// The sections' maximum lift in the root's and tip's clmax boxes. Both boxes empty: none. One empty: it takes
// the other's value.
MaxLiftBoxes ReadMaxLift(const TextBox& root, const TextBox& tip);

// A value rounded as the result box of the named quantity shows it (results/Quantities.h).
std::string BoxText(const char* quantity, double value);

}  // namespace kelvane::ui
