// The inputs a solution read, and which of them the user has changed since: the results window shows that
// its results belong to the last solution until the next one.
#include <algorithm>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "planform/Chords.h"
#include "ui/Form_Wing.h"

namespace kelvane::ui {
namespace {

constexpr const char* kPlanformType = "üst görünüm tipi";
constexpr const char* kPanelCount = "trapez sayısı";
constexpr const char* kMode = "hesap seçeneği";

std::string StateOf(const Control& control) {
  switch (control.Kind()) {
    case ControlKind::TextBox: return static_cast<const TextBox&>(control).Text();
    case ControlKind::CheckBox: return std::to_string(static_cast<const CheckBox&>(control).Value());
    case ControlKind::OptionButton: return static_cast<const OptionButton&>(control).Value() ? "1" : "0";
    default: return {};
  }
}

}  // namespace

// The planform inputs its planform command read (the panels only for a trapezoidal wing, as many as it
// has), the sections and twist, the mode and the box of the given operating point.
void Form_Wing::RememberSolvedInputs() {
  solvedInputs_.clear();
  const auto read = [this](const Control& control, std::string name) {
    solvedInputs_.push_back({&control, std::move(name), StateOf(control)});
  };
  const std::tuple<const CheckBox&, const TextBox&, const char*> parameters[] = {
      {Check_Area, Text_Area, "S"}, {Check_AR, Text_AR, "AR"}, {Check_b, Text_b, "b"}, {Check_cOrt, Text_cOrt, "cOrt"}};
  for (const auto& [tick, box, name] : parameters) {
    read(tick, name);
    read(box, name);
  }
  read(Text_N, "N");
  read(Option_Eliptik, kPlanformType);
  read(Option_Trapez, kPlanformType);
  if (Option_Trapez.Value()) {
    read(Text_nTrap, kPanelCount);
    for (int row = 1; PanelCountInRange(ortak.nTrap) && row <= ortak.nTrap; ++row) {
      read(*Text_ks[row], "ky" + std::to_string(row));
      read(*Text_kc[row], "kc" + std::to_string(row));
    }
  }
  for (const auto& [box, name] : {std::pair<const TextBox&, const char*>{Text_dAlfa, "Δα"},
                                  {Text_AszK, "a∞ kök"},
                                  {Text_Alfa0K, "α0 kök"},
                                  {Text_AszU, "a∞ uç"},
                                  {Text_Alfa0U, "α0 uç"}})
    read(box, name);
  read(Option_CL, kMode);
  read(Option_Alfa, kMode);
  if (Option_CL.Value()) {
    read(Text_CL, "CL");
  } else {
    read(Text_AlfaK, "αkök");
  }
}

// Each name once, in the window's order, however many of its controls changed.
void Form_Wing::SolvedInput_Change() {
  if (solvedInputs_.empty()) return;
  std::vector<std::string> changed;
  for (const SolvedInput& input : solvedInputs_)
    if (StateOf(*input.control) != input.state &&
        std::find(changed.begin(), changed.end(), input.name) == changed.end())
      changed.push_back(input.name);
  Form_Results.InputsChanged(changed);
}

}  // namespace kelvane::ui
