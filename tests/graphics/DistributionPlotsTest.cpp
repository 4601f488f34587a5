// Tests of the circulation and effective angle plots' drawing calls.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "graphics/Plots.h"
#include "planform/yDist.h"
#include "support/OutcomeChecks.h"
#include "testkit/FreshRecord.h"

namespace kelvane {
namespace {

using testing::Done;
using testing::testRecord;

using Kind = PlotCommand::Kind;

constexpr double kRootCirculation = 0.581776;

class DistributionPlotsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::StartFreshRecord();
    ASSERT_TRUE(Done(yDist(testRecord, "15")));
    testRecord.nE = 30;
    for (int k = 0; k <= 30; ++k) testRecord.yE[k] = 5 * std::cos(k * testRecord.PiHalf / 30);
  }
  // A half-ellipse of circulation at the stations and at the comparison points.
  void EllipticLoad(double peak) {
    for (int i = 1; i <= 15; ++i) testRecord.Gamma[i] = peak * std::sin(testRecord.theta[i]);
    for (int k = 1; k <= 30; ++k) testRecord.GammaE[k] = peak * std::sin(k * testRecord.PiHalf / 30);
  }
  // The heights of the tick marks, the only lines drawn without a colour.
  std::multiset<double> Ticks() const {
    std::multiset<double> ticks;
    for (const PlotCommand& command : picture.Commands()) {
      if (command.kind == Kind::DrawLine && !command.color) ticks.insert(command.b);
    }
    return ticks;
  }
  RecordingSurface picture;
};

TEST_F(DistributionPlotsTest, CirculationOfTheEllipticExample) {
  EllipticLoad(kRootCirculation);
  Gama_Distr_Ciz(testRecord, picture, testRecord.Gamma, testRecord.GammaE);
  const auto& commands = picture.Commands();
  ASSERT_GE(commands.size(), 2u);
  EXPECT_EQ(commands[0].kind, Kind::Clear);
  const PlotCommand& scale = commands[1];
  EXPECT_EQ(scale.kind, Kind::SetUserScale);
  EXPECT_FLOAT_EQ(scale.a, -5.25);
  EXPECT_NEAR(scale.b, 0.63995, 1e-5);
  EXPECT_FLOAT_EQ(scale.c, 5.25);
  EXPECT_NEAR(scale.d, -0.058178, 1e-6);
  EXPECT_EQ(picture.CountOf(Kind::DrawLine), 2 * 15 + 62);
  EXPECT_EQ(commands[2], (PlotCommand{Kind::DrawLine, -5, 0, 5, 0, kBlack}));
  EXPECT_EQ(commands[3], (PlotCommand{Kind::DrawLine, 0, 0, 0, scale.b, kBlack}));
  EXPECT_EQ(commands.back().color, kBlue);  // the elliptic wing's curve comes last
}

TEST_F(DistributionPlotsTest, CirculationScaleFollowsTheHigherPeak) {
  const struct {
    const char* name;
    double wing, ellipse, top, bottom;
  } cases[] = {
      {"no positive value", -0.3, -0.2, 1.1, -0.1},
      {"elliptic peak higher", 0.5, 0.8, 1.1 * 0.8, -0.1 * 0.8},
      {"wing peak higher", 0.9, 0.4, 1.1 * 0.9, -0.1 * 0.9},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    picture = RecordingSurface{};
    for (int i = 1; i <= 15; ++i) testRecord.Gamma[i] = c.wing * std::sin(testRecord.theta[i]);
    for (int k = 1; k <= 30; ++k) testRecord.GammaE[k] = c.ellipse * std::sin(k * testRecord.PiHalf / 30);
    Gama_Distr_Ciz(testRecord, picture, testRecord.Gamma, testRecord.GammaE);
    const PlotCommand& scale = picture.Commands()[1];
    EXPECT_EQ(scale.b, c.top);
    EXPECT_EQ(scale.d, c.bottom);
  }
}

TEST_F(DistributionPlotsTest, EffectiveAngleOfTheEllipticExample) {
  for (int i = 1; i <= 15; ++i) testRecord.AlfaE[i] = 8.33333;
  testRecord.AlfaEE = 8.33333;
  AlfaE_Distr_Ciz(testRecord, picture);
  const auto& commands = picture.Commands();
  EXPECT_EQ(commands[0].kind, Kind::Clear);
  EXPECT_EQ(commands[1], (PlotCommand{Kind::SetUserScale, -5.25, 1.1 * 8.33333, 5.25, -1.1, {}}));
  EXPECT_EQ(picture.CountOf(Kind::DrawLine), 42);
  EXPECT_EQ(commands[2], (PlotCommand{Kind::DrawLine, 5, 0, testRecord.y[1], 8.33333, kRed}));
  EXPECT_EQ(Ticks(), (std::multiset<double>{1, 2, 3, 4, 5, 6, 7, 8, -1}));
}

TEST_F(DistributionPlotsTest, TicksCoverTheRangeUpToTwentyDegrees) {
  const struct {
    const char* name;
    double high, low;
    int topTick, bottomTick;  // in whole degrees, both counted from the span axis
  } cases[] = {
      {"exactly 3", 3, 0, 3, 1},          {"just below 3", 2.999, 0, 2, 1},       {"exactly -3", 0, -3, 1, 3},
      {"just above -3", 0, -2.999, 1, 2}, {"within one degree", 0.5, -0.5, 1, 1}, {"beyond twenty", 25, -21, 20, 20},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    picture = RecordingSurface{};
    testRecord.AlfaE.fill(0);
    testRecord.AlfaE[7] = c.high;
    testRecord.AlfaE[8] = c.low;
    AlfaE_Distr_Ciz(testRecord, picture);
    std::multiset<double> expected;
    for (int k = 1; k <= c.topTick; ++k) expected.insert(k);
    for (int k = 1; k <= c.bottomTick; ++k) expected.insert(-k);
    EXPECT_EQ(Ticks(), expected);
    const double top = std::max(c.high, 1.0);
    const double bottom = std::min(c.low, -1.0);
    const auto& commands = picture.Commands();
    EXPECT_EQ(commands[1].b, 1.1 * top);
    EXPECT_EQ(commands[1].d, 1.1 * bottom);
    // The angle axis spans the range itself, not the margins.
    EXPECT_EQ(commands[2 + 2 * 15 + 2], (PlotCommand{Kind::DrawLine, 0, bottom, 0, top, kBlack}));
  }
}

}  // namespace
}  // namespace kelvane
