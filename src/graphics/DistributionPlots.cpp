// The circulation and effective angle of attack plots along the span.
#include "graphics/Plots.h"
#include "model/Counts.h"

namespace kelvane {
namespace {

constexpr double kHeadroom = 1.1;     // the window reaches 10 % beyond the largest value
constexpr double kFootroom = -0.1;    // and, for the circulation, 10 % of it below the span axis
constexpr double kMinAngleRange = 1;  // degrees; the angle window always holds [-1, 1]
constexpr int kMaxTickDegrees = 20;
constexpr double kTickHalfLength = 0.05;  // metres, whatever the span

// A curve from the tip (point 0) to the root (point `last`), on the right half and mirrored on the left.
void DrawMirrored(PlotSurface& picture, const StationTable& x, const StationTable& value, int last, Color color) {
  for (int i = 1; i <= last; ++i) {
    picture.DrawLine(x[i - 1], value[i - 1], x[i], value[i], color);
    picture.DrawLine(-x[i - 1], value[i - 1], -x[i], value[i], color);
  }
}

}  // namespace

void Gama_Distr_Ciz(const Module_ortak& m, PlotSurface& picture, const StationTable& Gamma,
                    const StationTable& GammaE) {
  const int n = StationCount(m).value_or(0);
  const int nE = WholeCount(m.nE, kStationEntries - 1).value_or(0);
  // Only strictly larger values replace it, so negative circulation never sets the scale.
  double Gmax = 0;
  for (int i = 1; i <= n; ++i) {
    if (Gamma[i] > Gmax) Gmax = Gamma[i];
  }
  for (int k = 1; k <= nE; ++k) {
    if (GammaE[k] > Gmax) Gmax = GammaE[k];
  }
  if (Gmax == 0) Gmax = 1;  // a window of zero height

  const double s = m.SemiSpan;
  picture.Clear();
  picture.SetUserScale(-kPlotHalfWidth * s, kHeadroom * Gmax, kPlotHalfWidth * s, kFootroom * Gmax);
  picture.DrawLine(-s, 0, s, 0, kBlack);
  picture.DrawLine(0, 0, 0, kHeadroom * Gmax, kBlack);
  DrawMirrored(picture, m.y, Gamma, n, kRed);
  DrawMirrored(picture, m.yE, GammaE, nE, kBlue);
}

void AlfaE_Distr_Ciz(const Module_ortak& m, PlotSurface& picture) {
  const int n = StationCount(m).value_or(0);
  double Amax = 0;
  double Amin = 0;
  for (int i = 1; i <= n; ++i) {
    if (m.AlfaE[i] > Amax) Amax = m.AlfaE[i];
    if (m.AlfaE[i] < Amin) Amin = m.AlfaE[i];
  }
  if (Amax < kMinAngleRange) Amax = kMinAngleRange;
  if (Amin > -kMinAngleRange) Amin = -kMinAngleRange;

  const double s = m.SemiSpan;
  picture.Clear();
  picture.SetUserScale(-kPlotHalfWidth * s, kHeadroom * Amax, kPlotHalfWidth * s, kHeadroom * Amin);
  DrawMirrored(picture, m.y, m.AlfaE, n, kRed);
  picture.DrawLine(-s, m.AlfaEE, s, m.AlfaEE, kBlue);
  picture.DrawLine(-s, 0, s, 0, kBlack);
  picture.DrawLine(0, Amin, 0, Amax, kBlack);
  // Whole degrees on the angle axis, in the foreground colour.
  for (int k = 1; k <= kMaxTickDegrees; ++k) {
    if (k <= Amax) picture.DrawLine(-kTickHalfLength, k, kTickHalfLength, k);
    if (-k >= Amin) picture.DrawLine(-kTickHalfLength, -k, kTickHalfLength, -k);
  }
}

}  // namespace kelvane
