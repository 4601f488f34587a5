// The top view of the wing: its stations, tip chords and, for panels, their outline and the elliptic wing.
#include <cmath>

#include "graphics/Plots.h"
#include "model/Counts.h"

namespace kelvane {
namespace {

// The quarter-chord line lies on the span axis; the chordwise axis points to the leading edge.
constexpr double kLeadingEdge = 0.25;
constexpr double kTrailingEdge = -0.75;
constexpr double kWindowTop = 0.3;      // in semi-spans
constexpr double kWindowBottom = -0.6;  // in semi-spans; with kPlotHalfWidth the picture's 7 : 3
constexpr int kEllipseIntervals = 30;

// The station outline: both halves for an ellipse, the left half alone when panels fill the right.
void DrawStations(const Module_ortak& m, PlotSurface& picture, PlanformType type) {
  const std::optional<int> count = StationCount(m);
  if (!count) return;
  const int n = *count;
  for (int i = 0; i <= n; ++i) {
    const double le = kLeadingEdge * m.c[i];
    const double te = kTrailingEdge * m.c[i];
    if (i < n) {
      const double nextLe = kLeadingEdge * m.c[i + 1];
      const double nextTe = kTrailingEdge * m.c[i + 1];
      if (type == PlanformType::Elliptic) {
        picture.DrawLine(m.y[i], le, m.y[i + 1], nextLe, kBlue);
        picture.DrawLine(m.y[i], te, m.y[i + 1], nextTe, kBlue);
      }
      picture.DrawLine(-m.y[i], le, -m.y[i + 1], nextLe, kBlue);
      picture.DrawLine(-m.y[i], te, -m.y[i + 1], nextTe, kBlue);
    }
    picture.DrawLine(-m.y[i], le, -m.y[i], te, kBlue);
  }
}

void DrawTipChords(const Module_ortak& m, PlotSurface& picture) {
  const double s = m.SemiSpan;
  picture.DrawLine(s, kLeadingEdge * m.c[0], s, kTrailingEdge * m.c[0], kBlue);
  picture.DrawLine(-s, kLeadingEdge * m.c[0], -s, kTrailingEdge * m.c[0], kBlue);
}

// The elliptic wing of equal span and area, for comparison with the panels.
void DrawComparisonEllipse(Module_ortak& m, PlotSurface& picture) {
  m.SemiSpan = m.b / 2;
  const double c0 = 8 * m.SemiSpan / (m.AR * m.Pi);
  m.nE = kEllipseIntervals;
  for (int k = 0; k <= kEllipseIntervals; ++k) {
    m.yE[k] = m.SemiSpan * std::cos(k * m.PiHalf / m.nE);
    m.cE[k] = c0 * std::sin(k * m.PiHalf / m.nE);
  }
  for (int k = 1; k <= kEllipseIntervals; ++k) {
    picture.DrawLine(m.yE[k - 1], kLeadingEdge * m.cE[k - 1], m.yE[k], kLeadingEdge * m.cE[k], kBlue);
    picture.DrawLine(m.yE[k - 1], kTrailingEdge * m.cE[k - 1], m.yE[k], kTrailingEdge * m.cE[k], kBlue);
  }
}

// Each panel as a closed outline, outer chord first; drawn last so that red covers blue.
void DrawPanels(const Module_ortak& m, PlotSurface& picture) {
  // Panel j reaches entry j + 1 of the panel tables.
  const int panels = WholeCount(m.nTrap, kTrapezoidEntries - 2).value_or(0);
  for (int j = 1; j <= panels; ++j) {
    picture.DrawLine(m.yTrap[j], kLeadingEdge * m.cTrap[j], m.yTrap[j], kTrailingEdge * m.cTrap[j], kRed);
    picture.DrawLineTo(m.yTrap[j + 1], kTrailingEdge * m.cTrap[j + 1], kRed);
    picture.DrawLineTo(m.yTrap[j + 1], kLeadingEdge * m.cTrap[j + 1], kRed);
    picture.DrawLineTo(m.yTrap[j], kLeadingEdge * m.cTrap[j], kRed);
  }
}

}  // namespace

void PlanCiz(Module_ortak& m, PlotSurface& picture, PlanformType type) {
  const double s = m.SemiSpan;
  picture.SetUserScale(-kPlotHalfWidth * s, kWindowTop * s, kPlotHalfWidth * s, kWindowBottom * s);
  picture.Clear();
  DrawStations(m, picture, type);
  DrawTipChords(m, picture);
  if (type == PlanformType::Trapezoidal) {
    DrawComparisonEllipse(m, picture);
    DrawPanels(m, picture);
  }
}

}  // namespace kelvane
