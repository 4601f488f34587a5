// Tests of the planform drawing for elliptic and trapezoidal wings.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "graphics/Plots.h"
#include "planform/Chords.h"
#include "planform/yDist.h"
#include "support/OutcomeChecks.h"
#include "testkit/FreshRecord.h"

namespace kelvane {
namespace {

using testing::Done;
using testing::testRecord;

using Kind = PlotCommand::Kind;

class PlanCizTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::StartFreshRecord(); }
  static void Stations(const char* count) { ASSERT_TRUE(Done(yDist(testRecord, count))); }
  static void TwoPanels() {
    TrapezInput input{"2", {}, {}};
    input.ks[1] = "1";
    input.kc[1] = "0.5";
    input.ks[2] = "0.5";
    input.kc[2] = "1";
    ASSERT_TRUE(Done(Planform_Trapez(testRecord, input)));
  }
  RecordingSurface picture;
};

TEST_F(PlanCizTest, EllipticCountsAndWindow) {
  const struct {
    const char* stations;
    int lines;
  } cases[] = {{"15", 5 * 15 + 3}, {"3", 18}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stations);
    Stations(c.stations);
    Planform_Eliptik(testRecord, testRecord.c);
    PlanCiz(testRecord, picture, PlanformType::Elliptic);
    const auto& commands = picture.Commands();
    ASSERT_GE(commands.size(), 2u);
    EXPECT_EQ(commands[0], (PlotCommand{Kind::SetUserScale, -5.25, 1.5, 5.25, -3.0, {}}));
    EXPECT_EQ(commands[1].kind, Kind::Clear);
    EXPECT_EQ(picture.CountOf(Kind::SetUserScale), 1);
    EXPECT_EQ(picture.CountOf(Kind::DrawLine), c.lines);
    EXPECT_EQ(picture.CountOf(Kind::DrawLineTo), 0);
    EXPECT_TRUE(std::all_of(commands.begin() + 2, commands.end(),
                            [](const PlotCommand& command) { return command.color == kBlue; }));
  }
  EXPECT_EQ(testRecord.nE, 0);  // the comparison ellipse belongs to the trapezoidal drawing
  EXPECT_EQ(testRecord.yE[0], 0);
}

TEST_F(PlanCizTest, TrapezoidalPanelsOverTheComparisonEllipse) {
  Stations("15");
  TwoPanels();
  PlanCiz(testRecord, picture, PlanformType::Trapezoidal);
  EXPECT_EQ(picture.CountOf(Kind::SetUserScale), 1);
  EXPECT_EQ(picture.CountOf(Kind::Clear), 1);
  EXPECT_EQ(picture.CountOf(Kind::DrawLine), 3 * 15 + 63 + 2);
  EXPECT_EQ(picture.CountOf(Kind::DrawLineTo), 3 * 2);

  const auto& commands = picture.Commands();
  const auto isRed = [](const PlotCommand& command) { return command.color == kRed; };
  const auto firstRed = std::find_if(commands.begin(), commands.end(), isRed);
  EXPECT_EQ(std::count_if(commands.begin(), commands.end(), isRed), 4 * 2);
  EXPECT_TRUE(std::all_of(firstRed, commands.end(), isRed));
  // The outer panel: its tip chord, then along the trailing edge to the inner end.
  const double tipChord = testRecord.cTrap[1];
  EXPECT_EQ(*firstRed, (PlotCommand{Kind::DrawLine, 5, 0.25 * tipChord, 5, -0.75 * tipChord, kRed}));
  EXPECT_EQ(firstRed[1], (PlotCommand{Kind::DrawLineTo, 2.5, -0.75 * testRecord.cTrap[2], 0, 0, kRed}));

  EXPECT_EQ(testRecord.nE, 30);
  EXPECT_EQ(testRecord.yE[0], 5);
  EXPECT_GT(testRecord.yE[30], 0);
  EXPECT_LT(testRecord.yE[30], 1e-14);
  EXPECT_EQ(testRecord.cE[0], 0);
  EXPECT_DOUBLE_EQ(testRecord.cE[30], 8 * 5 / (10 * testRecord.Pi));
}

}  // namespace
}  // namespace kelvane
