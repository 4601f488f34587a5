// The user coordinate window mapped onto pixels, with clipping and one-pixel lines.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "app/PainterSurface.h"

namespace kelvane::app {
namespace {

const QColor kBackground(255, 255, 192);
const QColor kOutside(Qt::white);

class PainterSurfaceTest : public ::testing::Test {
 protected:
  // A 100 x 50 drawing area at (10, 10) inside a larger white image; y grows upwards from -1 to 1.
  PainterSurfaceTest() : image_(120, 70, QImage::Format_RGB32) { image_.fill(kOutside); }

  template <typename Draw>
  void Paint(Draw draw) {
    QPainter painter(&image_);
    PainterSurface surface(painter, QRect(10, 10, 100, 50), kBackground);
    surface.SetUserScale(-1, 1, 1, -1);
    surface.Clear();
    draw(surface);
  }
  QColor At(int x, int y) const { return image_.pixelColor(x, y); }

  QImage image_;
};

TEST_F(PainterSurfaceTest, MapsTheWindowCornersOntoTheArea) {
  QImage image(10, 10, QImage::Format_RGB32);
  QPainter painter(&image);
  PainterSurface surface(painter, QRect(10, 20, 100, 50), kBackground);
  surface.SetUserScale(-2, 3, 2, -1);
  EXPECT_EQ(surface.Map(-2, 3), QPointF(10, 20));
  EXPECT_EQ(surface.Map(2, -1), QPointF(110, 70));
  EXPECT_EQ(surface.Map(0, 1), QPointF(60, 45));
}

TEST_F(PainterSurfaceTest, ClearFillsOnlyTheArea) {
  Paint([](PlotSurface&) {});
  EXPECT_EQ(At(10, 10), kBackground);
  EXPECT_EQ(At(109, 59), kBackground);
  EXPECT_EQ(At(9, 9), kOutside);
  EXPECT_EQ(At(110, 60), kOutside);
}

TEST_F(PainterSurfaceTest, DrawsColouredAndForegroundLines) {
  Paint([](PlotSurface& surface) {
    surface.DrawLine(-1, 0, 1, 0, kRed);  // across the middle
    surface.DrawLine(0, 1, 0, 0.5);       // down from the top, no colour
  });
  EXPECT_EQ(At(30, 35), QColor(Qt::red));
  EXPECT_EQ(At(30, 34), kBackground);  // one pixel wide
  EXPECT_EQ(At(60, 15), QColor(Qt::black));
}

TEST_F(PainterSurfaceTest, DrawLineToStartsAtThePen) {
  Paint([](PlotSurface& surface) {
    surface.DrawLine(0.5, 0.5, -0.5, 0.5, kBlue);
    surface.DrawLineTo(-0.5, -0.5, kRed);
  });
  EXPECT_EQ(At(35, 30), QColor(Qt::red));  // the vertical leg, half way down
}

TEST_F(PainterSurfaceTest, ClipsWhatFallsOutsideTheWindow) {
  Paint([](PlotSurface& surface) { surface.DrawLine(-3, 0, 3, 0, kBlue); });
  EXPECT_EQ(At(10, 35), QColor(Qt::blue));
  EXPECT_EQ(At(5, 35), kOutside);
  EXPECT_EQ(At(115, 35), kOutside);
}

TEST_F(PainterSurfaceTest, WindowOfZeroWidthDrawsNothing) {
  Paint([](PlotSurface& surface) {
    surface.SetUserScale(0, 1, 0, -1);
    surface.DrawLine(0, 0, 1, 1, kRed);
  });
  for (int x = 10; x < 110; ++x) ASSERT_EQ(At(x, 35), kBackground) << x;
}

// A float holds neither end of these windows: the mapping must stay in double precision.
TEST_F(PainterSurfaceTest, DrawsAtAnyScale) {
  for (const double scale : {1e150, 1e-150, 1e300}) {
    SCOPED_TRACE(scale);
    image_.fill(kOutside);
    Paint([scale](PlotSurface& surface) {
      surface.SetUserScale(-scale, scale, scale, -scale);
      surface.DrawLine(-scale, 0, scale, 0, kRed);
      surface.DrawLine(0, scale / 2, 0, 0, kBlue);
    });
    EXPECT_EQ(At(30, 35), QColor(Qt::red));
    EXPECT_EQ(At(60, 30), QColor(Qt::blue));
  }
}

// A segment reaching 1e30 widths beyond the area is cut down to its visible part before it reaches the
// painter, along its own line.
TEST_F(PainterSurfaceTest, CutsFarReachingSegmentsToTheArea) {
  Paint([](PlotSurface& surface) {
    surface.DrawLine(-1e30, 0, 1e30, 0, kRed);
    surface.DrawLine(0.5, -1e30, 0.5, 1e30, kBlue);
    surface.DrawLine(-1e30, 1e30, 1e30, 1e30, kRed);  // far above: nothing
  });
  EXPECT_EQ(At(12, 35), QColor(Qt::red));
  EXPECT_EQ(At(108, 35), QColor(Qt::red));
  EXPECT_EQ(At(85, 12), QColor(Qt::blue));
  EXPECT_EQ(At(5, 35), kOutside);
  EXPECT_EQ(At(30, 10), kBackground);
}

TEST(ClipSegment, KeepsTheSegmentsLineAndDropsWhatMissesTheRectangle) {
  const QRectF rectangle(0, 0, 10, 10);
  EXPECT_EQ(ClipSegment({2, 3}, {4, 5}, rectangle), QLineF(2, 3, 4, 5));
  EXPECT_EQ(ClipSegment({-10, 5}, {20, 5}, rectangle), QLineF(0, 5, 10, 5));
  EXPECT_EQ(ClipSegment({-5, -5}, {15, 15}, rectangle), QLineF(0, 0, 10, 10));
  EXPECT_EQ(ClipSegment({-1e300, 5}, {1e300, 5}, rectangle), QLineF(0, 5, 10, 5));
  EXPECT_EQ(ClipSegment({-5, 0}, {0, 15}, rectangle), std::nullopt);  // passes the corner outside
  EXPECT_EQ(ClipSegment({11, 0}, {20, 20}, rectangle), std::nullopt);
}

}  // namespace
}  // namespace kelvane::app
