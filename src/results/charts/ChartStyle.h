// The colours, titles and legend texts the charts share.
#pragma once

#include <array>
#include <cstddef>

#include "graphics/PlotSurface.h"
#include "results/charts/Chart.h"

namespace kelvane::charts {

// The wing red and its elliptic comparison blue, as in the main window's pictures.
inline constexpr Color kWingColor = kRed;
inline constexpr Color kEllipticColor = kBlue;
inline constexpr Color kSecondColor{0, 128, 0};       // a second quantity of the wing
inline constexpr Color kLimitColor{64, 64, 64};       // limits such as clmax
inline constexpr Color kMarkerColor{230, 120, 0};     // a marked station
inline constexpr Color kStationColor{170, 170, 170};  // station chords behind the outline

// Other wings laid over a chart to compare with the one on view: at most six, each in a colour and a dash of
// its own, none of them the colours above.
struct OverlayStyle {
  Color color;
  Dash dash = Dash::Dashed;
};
inline constexpr std::size_t kMaxOverlays = 6;
inline constexpr Color kOverlayViolet{120, 40, 170};
inline constexpr Color kOverlayTeal{0, 140, 140};
inline constexpr Color kOverlayBrown{140, 80, 20};
inline constexpr Color kOverlayMagenta{200, 0, 140};
inline constexpr Color kOverlayOlive{110, 120, 0};
inline constexpr Color kOverlayNavy{20, 40, 120};
inline constexpr std::array<OverlayStyle, kMaxOverlays> kOverlayStyles{{
    {kOverlayViolet, Dash::Dashed},
    {kOverlayTeal, Dash::DashDot},
    {kOverlayBrown, Dash::Dotted},
    {kOverlayMagenta, Dash::DashDotDot},
    {kOverlayOlive, Dash::Dashed},
    {kOverlayNavy, Dash::DashDot},
}};

inline constexpr const char* kSpanAxisTitle = "y (m)";
inline constexpr const char* kWingName = "Kanat";
inline constexpr const char* kEllipticWingName = "Eşdeğer eliptik kanat";
// A solution with section polars, beside the linear one.
inline constexpr const char* kSectionPolarName = "kesit polarlı";

}  // namespace kelvane::charts
