// Tests of the recording plot surface.
#include <gtest/gtest.h>

#include "graphics/PlotSurface.h"

namespace kelvane {
namespace {

using Kind = PlotCommand::Kind;

TEST(RecordingSurfaceTest, ClearKeepsOnlyTheLatestScaleInFront) {
  RecordingSurface surface;
  surface.SetUserScale(0, 1, 2, -1);
  surface.DrawLine(0, 0, 1, 1, kRed);
  surface.SetUserScale(-5, 3, 5, -3);
  surface.DrawLineTo(2, 2);
  surface.Clear();
  surface.DrawLine(1, 2, 3, 4);
  const std::vector<PlotCommand> expected = {
      {Kind::SetUserScale, -5, 3, 5, -3, {}},
      {Kind::Clear, 0, 0, 0, 0, {}},
      {Kind::DrawLine, 1, 2, 3, 4, {}},
  };
  EXPECT_EQ(surface.Commands(), expected);
  EXPECT_EQ(surface.CountOf(Kind::DrawLine), 1);
  EXPECT_EQ(surface.CountOf(Kind::DrawLineTo), 0);
}

TEST(RecordingSurfaceTest, ClearWithoutScaleLeavesOnlyTheClear) {
  RecordingSurface surface;
  surface.DrawLine(0, 0, 1, 1);
  surface.Clear();
  surface.Clear();
  EXPECT_EQ(surface.Commands(), (std::vector<PlotCommand>{{Kind::Clear, 0, 0, 0, 0, {}}}));
}

TEST(RecordingSurfaceTest, ReplayRepeatsEveryCommandInOrder) {
  RecordingSurface surface;
  surface.Clear();
  surface.SetUserScale(-1, 1, 1, -1);
  surface.DrawLine(0, 0, 1, 1, kBlue);
  surface.DrawLineTo(-1, 0.5f, kRed);
  RecordingSurface copy;
  surface.ReplayOn(copy);
  EXPECT_EQ(copy.Commands(), surface.Commands());
}

}  // namespace
}  // namespace kelvane
