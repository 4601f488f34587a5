// What hostile input must never leave behind: non-finite words in a box or a file, result boxes that are
// not plain numbers, non-finite numbers in the record. Shared by the reliability tests and the fuzz targets,
// so it reports faults as text instead of asserting.
#pragma once

#include <cctype>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "model/MessageText.h"
#include "model/Module_ortak.h"
#include "model/Numbers.h"
#include "solver/Report.h"
#include "ui/Form_Wing.h"

namespace kelvane::reliability {

inline bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

// A word starting with "inf" or "nan" (any case), as a number printer leaves them: "Inf", "-nan", "Infinity".
inline bool HasNonFiniteWord(std::string_view text) {
  for (const std::string_view word : {"inf", "nan"}) {
    for (std::size_t at = 0; at + word.size() <= text.size(); ++at) {
      bool same = at == 0 || !IsLetter(text[at - 1]);
      for (std::size_t i = 0; i < word.size() && same; ++i)
        same = std::tolower(static_cast<unsigned char>(text[at + i])) == word[i];
      if (same) return true;
    }
  }
  return false;
}

// A message that quotes a megabyte of typed text, or its control characters, explains nothing.
inline bool IsClearMessage(const std::string& message) {
  if (message.empty() || message.size() >= kMaxMessageBytes) return false;
  for (const char c : message) {
    if (static_cast<unsigned char>(c) < ' ' || c == '\x7f') return false;
  }
  return true;
}

// A box that only the program writes holds nothing or a number exactly as the program shows numbers.
inline bool IsShownNumber(const std::string& text) {
  if (text.empty()) return true;
  const double value = ReadNumber(text);
  return std::isfinite(value) && PlainNumberText(value) == text;
}

// Every fault found, one line each; empty when all is well.
inline std::vector<std::string> FaultsIn(const ui::Form_Wing& form, const std::string& report,
                                         const std::string& lastConfig) {
  std::vector<std::string> faults;
  for (const ui::Control* control : form.AllControls()) {
    const auto* box = dynamic_cast<const ui::TextBox*>(control);
    if (box && HasNonFiniteWord(box->Text())) faults.push_back(box->Name() + " shows \"" + box->Text() + "\"");
  }
  for (const ui::TextBox* box : {&form.Text_CDi, &form.Text_E, &form.Text_CDiE, &form.Text_AlfE, &form.Text_EE}) {
    if (!IsShownNumber(box->Text())) faults.push_back(box->Name() + " is not a number: \"" + box->Text() + "\"");
  }
  if (HasNonFiniteWord(report)) faults.push_back(std::string(kReportFileName) + " holds a non-finite number");
  if (HasNonFiniteWord(lastConfig))
    faults.push_back(std::string(ui::kLastConfigFileName) + " holds a non-finite number");

  const auto& o = form.Record();
  for (const double value : {o.S, o.AR, o.b, o.cOrt, o.SemiSpan, o.AlfaK, o.CL, o.CDi, o.E, o.AlfE, o.AlfaEE}) {
    if (!std::isfinite(value)) faults.push_back("a scalar result of the record is not finite");
  }
  for (const StationTable* table : {&o.y, &o.c, &o.An, &o.Gamma, &o.w, &o.Eps, &o.AlfaE, &o.yE, &o.GammaE, &o.cE}) {
    for (const double value : *table) {
      if (!std::isfinite(value)) {
        faults.push_back("a station table of the record holds a non-finite value");
        break;
      }
    }
  }
  return faults;
}

}  // namespace kelvane::reliability
