// The results window's flap table: its rows read into flaps, and the solution on view solved again with them.
#include <array>
#include <string>
#include <vector>

#include "model/MessageText.h"
#include "solver/Flaps.h"
#include "solver/SolveLiftingLine.h"
#include "ui/ResultsForm.h"
#include "ui/ResultsFormBoxes.h"

namespace kelvane::ui {
namespace {

constexpr const char* kRowIncomplete = ": y1, y2, E ve δ kutularının dördünü de doldurunuz.";
constexpr const char* kBoxUnreadable = ": kutulara birer sayı giriniz (ondalık ayırıcı nokta): ";
constexpr const char* kNotApplied = "Flaplar bu çözüme uygulanamadı: ";

std::array<TextBox*, 4> BoxesOf(FlapBoxes& row) { return {&row.y1, &row.y2, &row.E, &row.delta}; }

bool IsEmpty(FlapBoxes& row) {
  for (const TextBox* box : BoxesOf(row))
    if (!Trimmed(box->Text()).empty()) return false;
  return true;
}

// The rows with a flap move up over empty ones, so that the k-th flap is the k-th row, as messages count.
void CloseGaps(std::array<FlapBoxes, kMaxFlaps>& rows) {
  std::size_t filled = 0;
  for (std::size_t k = 0; k < rows.size(); ++k) {
    if (IsEmpty(rows[k])) continue;
    if (k != filled) {
      const std::array<TextBox*, 4> from = BoxesOf(rows[k]), to = BoxesOf(rows[filled]);
      for (std::size_t box = 0; box < from.size(); ++box) {
        to[box]->SetText(from[box]->Text());
        from[box]->SetText("");
      }
    }
    ++filled;
  }
}

std::string RowName(std::size_t k) { return "Flap " + std::to_string(k + 1); }

// The flaps of the filled rows, their values not yet checked; a row half filled or a box that is no number
// is refused, naming the flap.
Expected<std::vector<Flap>> ReadFlapTable(std::array<FlapBoxes, kMaxFlaps>& rows) {
  CloseGaps(rows);
  std::vector<Flap> flaps;
  for (std::size_t k = 0; k < rows.size() && !IsEmpty(rows[k]); ++k) {
    std::array<double, 4> values{};
    const std::array<TextBox*, 4> boxes = BoxesOf(rows[k]);
    for (std::size_t box = 0; box < boxes.size(); ++box) {
      const std::string text = Trimmed(boxes[box]->Text());
      if (text.empty()) return Outcome::Refused(RowName(k) + kRowIncomplete);
      const auto value = StrictNumber(text);
      if (!value) return Outcome::Refused(RowName(k) + kBoxUnreadable + QuoteForMessage(text));
      values[box] = *value;
    }
    flaps.push_back({.y1 = values[0], .y2 = values[1], .E = values[2], .delta = values[3]});
  }
  return flaps;
}

}  // namespace

std::span<const Flap> ResultsForm::AppliedFlaps() const {
  return flapsApplied_ ? std::span<const Flap>(flaps_) : std::span<const Flap>();
}

void ResultsForm::SolveWithFlaps() {
  record_ = std::make_unique<Module_ortak>(*given_);
  flapsApplied_ = false;
  if (flaps_.empty()) {
    Label_Flaps.SetCaption(kNoFlapsNote);
    return;
  }
  const bool givenAngle = mode_ == SolutionMode::GivenAngle;
  const auto solved = SolveAt(*record_, systemCache_, mode_, givenAngle ? given_->AlfaK : given_->CL, flaps_);
  if (!solved) {
    *record_ = *given_;
    Label_Flaps.SetCaption(kNotApplied + solved.Message());
    return;
  }
  flapsApplied_ = true;
  // What the flaps changed: CL at the given root angle, or the root angle of the given CL.
  const char* quantity = givenAngle ? "CL" : "AlfaK";
  const double flapped = givenAngle ? record_->CL : record_->AlfaK;
  const double plain = givenAngle ? given_->CL : given_->AlfaK;
  const std::string unit = givenAngle ? "" : "°";
  Label_Flaps.SetCaption(std::to_string(flaps_.size()) + " flap uygulandı: " + (givenAngle ? "CL" : "αkök") + " = " +
                         BoxText(quantity, flapped) + unit + " (flapsız " + BoxText(quantity, plain) + unit + ").");
}

void ResultsForm::Cmd_Flaps_Click() {
  auto flaps = ReadFlapTable(Text_Flaps);
  if (!flaps) return MsgBox(flaps.Message());
  if (Outcome values = CheckFlapValues(*flaps); values.IsRefused()) return MsgBox(values.Message());
  if (given_)
    if (Outcome onWing = CheckFlapsOnWing(*flaps, given_->SemiSpan); onWing.IsRefused())
      return MsgBox(onWing.Message());
  flaps_ = std::move(*flaps);
  if (!given_) {
    Label_Flaps.SetCaption(flaps_.empty() ? kNoFlapsNote
                                          : std::to_string(flaps_.size()) + " flap bir sonraki çözüme uygulanacak.");
    return;
  }
  SolveWithFlaps();
  if (stale_) return;
  RebuildSolution();
  ShowViews();
}

}  // namespace kelvane::ui
