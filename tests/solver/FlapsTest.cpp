// The flaps' checks and what a flap over the whole span does to the solution.
#include "solver/Flaps.h"

#include <limits>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "model/MessageText.h"
#include "support/SolvedWing.h"

namespace kelvane {
namespace {

TEST(Flaps, RefusalsNameTheFlapAndItsValues) {
  const struct {
    std::vector<Flap> flaps;
    const char* message;  // empty: accepted
  } cases[] = {
      {{{0, 2, 0.99, -45}, {2.1, 5, 0.01, 45}}, ""},
      {std::vector<Flap>(5, Flap{0, 1, 0.2, 5}), "En çok 4 flap tanımlanabilir (5 flap verildi)"},
      {{{0, 1, std::numeric_limits<double>::quiet_NaN(), 5}}, "Flap 1: değerler sonlu sayılar olmalıdır"},
      {{{0, 1, 0.2, 5}, {-1, 3, 0.2, 5}}, "Flap 2: y1 0 dan küçük olamaz (y1 = -1)"},
      {{{2, 2, 0.2, 5}}, "Flap 1: y1 değeri y2 den küçük olmalıdır (y1 = 2, y2 = 2)"},
      {{{0, 1, 1, 5}}, "Flap 1: veter oranı E 0 ile 1 arasında olmalıdır (E = 1)"},
      {{{0, 1, 0.2, -45.5}}, "Flap 1: flap açısı δ -45° ile 45° arasında olmalıdır (δ = -45.5)"},
      {{{1, 5.5, 0.2, 5}}, "Flap 1: y2 yarı-açıklıktan büyük olamaz (y2 = 5.5, yarı-açıklık = 5)"},
      {{{0, 1, 0.2, 5}, {3, 4, 0.2, 5}, {1, 2, 0.2, 5}}, "Flap 1 ile Flap 3 örtüşüyor"},  // they touch
  };
  for (const auto& c : cases) {
    Outcome outcome = CheckFlapValues(c.flaps);
    if (!outcome.IsRefused()) outcome = CheckFlapsOnWing(c.flaps, 5);
    EXPECT_EQ(outcome.IsRefused(), *c.message != '\0') << c.message;
    EXPECT_THAT(outcome.Message(), ::testing::HasSubstr(c.message));
    EXPECT_LT(outcome.Message().size(), kMaxMessageBytes);
  }
}

TEST(Flaps, FullSpanFlapActsAsZeroLiftAnglesLoweredByTauDelta) {
  EXPECT_NEAR(FlapEffectiveness(0.25), 0.60899778104422935809, 1e-15);  // 1/3 + sqrt(3)/(2 pi)
  const Flap flap{0, 5, 0.3, 8};
  const double turn = FlapEffectiveness(flap.E) * flap.delta;
  const auto flapped = testing::SolvedWing({.elliptic = false, .Alfa0K = -2, .Alfa0U = -1, .flaps = {&flap, 1}});
  const auto lowered = testing::SolvedWing({.elliptic = false, .Alfa0K = -2 - turn, .Alfa0U = -1 - turn});
  EXPECT_NEAR(flapped->CL, lowered->CL, 1e-14 * lowered->CL);
  EXPECT_NEAR(flapped->CDi, lowered->CDi, 1e-14 * lowered->CDi);
}

}  // namespace
}  // namespace kelvane
