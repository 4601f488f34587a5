// The planform command's steps on box texts, and the texts a wing puts into the boxes.
#include "planform/PlanformCommand.h"

#include <vector>

#include "model/Numbers.h"
#include "model/UnreadableNumber.h"
#include "planform/yDist.h"

namespace kelvane {
namespace {

constexpr int kTicked = 1;  // a tick box's greyed state 2 does not count

// The number texts the command is about to read, in its order: the ticked parameters, the station count
// and, for the trapezoidal type, the panel count and the panel rows it asks for.
std::vector<const std::string*> TextsToRead(const PlanformTexts& texts) {
  std::vector<const std::string*> read;
  const PlanParInput& p = texts.parameters;
  for (const ParameterInput* parameter : {&p.S, &p.AR, &p.b, &p.cOrt})
    if (parameter->check == kTicked) read.push_back(&parameter->text);
  read.push_back(&texts.stations);
  if (texts.type == PlanformType::Trapezoidal) {
    read.push_back(&texts.panels.nTrap);
    const double panels = ReadNumber(texts.panels.nTrap);
    for (int row = 1; row <= kMaxPanels && row <= panels; ++row) {
      read.push_back(&texts.panels.ks[row]);
      read.push_back(&texts.panels.kc[row]);
    }
  }
  return read;
}

}  // namespace

PlanformSteps RunPlanformSteps(Module_ortak& m, const PlanformTexts& texts) {
  for (const std::string* text : TextsToRead(texts))
    if (const auto message = UnreadableNumberMessage(*text)) return {Outcome::Refused(*message), false};

  if (Outcome step = PlanPar(m, texts.parameters); step.IsRefused()) return {std::move(step), false};
  const auto refused = [](Outcome step) { return PlanformSteps{std::move(step), true}; };
  if (Outcome step = yDist(m, texts.stations); step.IsRefused()) return refused(std::move(step));
  if (!texts.type) return refused(Outcome::Refused(kChoosePlanformType));
  if (*texts.type == PlanformType::Elliptic) {
    Planform_Eliptik(m, m.c);
  } else if (Outcome step = Planform_Trapez(m, texts.panels); step.IsRefused()) {
    return refused(std::move(step));
  }
  return {Outcome::Done(), true};
}

PlanformTexts WingPlanformTexts(const Wing& wing) {
  const auto parameter = [](bool given, double value) {
    return ParameterInput{given ? kTicked : 0, PlainNumberText(value)};
  };
  PlanformTexts texts{.parameters = {parameter(wing.given.S, wing.S), parameter(wing.given.AR, wing.AR),
                                     parameter(wing.given.b, wing.b), parameter(wing.given.cOrt, wing.cOrt)},
                      .stations = wing.stations,
                      .type = wing.planform,
                      .panels = {PlainNumberText(wing.nTrap), {}, {}}};
  for (int row = 1; row <= kMaxPanels && row <= wing.nTrap; ++row) {
    texts.panels.ks[row] = PlainNumberText(wing.ks[row]);
    texts.panels.kc[row] = PlainNumberText(wing.kc[row]);
  }
  return texts;
}

}  // namespace kelvane
