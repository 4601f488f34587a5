// The planform parameters: any two of area, aspect ratio, span and mean chord give the other two.
#include "planform/PlanPar.h"

#include <cmath>

#include "model/Module_ortak.h"
#include "model/Numbers.h"
#include "planform/InputCheck.h"

namespace kelvane {
namespace {

constexpr char kTooManyTicks[] = "Üst-görünüm parametrelerinden sadece 2 sini seçebilirsiniz";
constexpr char kTickTwo[] = "Parametrelerden ikisini işaretleyiniz ve değerlerini veriniz";
constexpr char kNotComputable[] = "Üst-görünüm parametreleri bu değerlerle hesaplanamaz";
constexpr int kTicksNeeded = 2;
constexpr int kTickedState = 1;  // the greyed state 2 does not count

struct Parameters {
  double S, AR, b, cOrt;
};

// The four parameters in the order in which they are examined.
enum Parameter { kS, kAR, kB, kCOrt, kParameterCount };

struct Box {
  const char* name;
  const ParameterInput& input;
  double Parameters::*field;
};

struct Case {
  Parameter first, second;
  void (*derive)(Parameters&);
};

// Every formula uses the values already stored, in the order written.
constexpr Case kCases[] = {
    {kS, kAR,
     [](Parameters& p) {
       p.b = std::sqrt(p.AR * p.S);
       p.cOrt = p.S / p.b;
     }},
    {kS, kB,
     [](Parameters& p) {
       p.cOrt = p.S / p.b;
       p.AR = p.b / p.cOrt;
     }},
    {kS, kCOrt,
     [](Parameters& p) {
       p.b = p.S / p.cOrt;
       p.AR = p.b / p.cOrt;
     }},
    {kAR, kB,
     [](Parameters& p) {
       p.cOrt = p.b / p.AR;
       p.S = p.cOrt * p.b;
     }},
    {kAR, kCOrt,
     [](Parameters& p) {
       p.b = p.cOrt * p.AR;
       p.S = p.cOrt * p.b;
     }},
    {kB, kCOrt,
     [](Parameters& p) {
       p.AR = p.b / p.cOrt;
       p.S = p.cOrt * p.b;
     }},
};

bool IsTicked(const Box& box) { return box.input.check == kTickedState; }

bool IsUsable(double value) { return std::isfinite(value) && value > 0; }

std::string EmptyMessage(const Box& box) { return std::string(box.name) + " değerini belirleyiniz"; }

std::string NotPositiveMessage(const Box& box) {
  return std::string(box.name) + " değeri sıfırdan büyük bir sayı olmalıdır";
}

// The first ticked box at or after `from`, or kParameterCount.
int NextTicked(const Box (&boxes)[kParameterCount], int from) {
  while (from < kParameterCount && !IsTicked(boxes[from])) ++from;
  return from;
}

}  // namespace

Outcome PlanPar(Module_ortak& m, const PlanParInput& input) {
  m.InputError = false;
  const Box boxes[kParameterCount] = {
      {"S", input.S, &Parameters::S},
      {"AR", input.AR, &Parameters::AR},
      {"b", input.b, &Parameters::b},
      {"cOrt", input.cOrt, &Parameters::cOrt},
  };

  int ticks = 0;
  for (const Box& box : boxes) ticks += IsTicked(box) ? 1 : 0;
  if (ticks > kTicksNeeded) return RefuseInput(m, kTooManyTicks);

  // A pair always starts with S, AR or b; cOrt can only be the second one.
  const int first = NextTicked(boxes, kS);
  if (first >= kCOrt) return RefuseInput(m, kTickTwo);
  if (boxes[first].input.text.empty()) return RefuseInput(m, EmptyMessage(boxes[first]));
  // A single tick would otherwise drop the user's edits silently.
  const int second = NextTicked(boxes, first + 1);
  if (second == kParameterCount) return RefuseInput(m, kTickTwo);
  if (boxes[second].input.text.empty()) return RefuseInput(m, EmptyMessage(boxes[second]));

  // Work on a copy so that a rejection leaves the model's parameters as they were.
  Parameters p{m.S, m.AR, m.b, m.cOrt};
  for (const int index : {first, second}) {
    const Box& box = boxes[index];
    p.*box.field = ReadNumber(box.input.text);
    if (!IsUsable(p.*box.field)) return RefuseInput(m, NotPositiveMessage(box));
  }
  for (const Case& c : kCases) {
    if (c.first == first && c.second == second) c.derive(p);
  }
  // Overflow or underflow in a derivation.
  if (!IsUsable(p.S) || !IsUsable(p.AR) || !IsUsable(p.b) || !IsUsable(p.cOrt)) {
    return RefuseInput(m, kNotComputable);
  }

  m.S = p.S;
  m.AR = p.AR;
  m.b = p.b;
  m.cOrt = p.cOrt;
  return Outcome::Done();
}

}  // namespace kelvane
