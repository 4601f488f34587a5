// The colours, titles and legend texts the charts share.
#pragma once

#include "graphics/PlotSurface.h"

namespace kelvane::charts {

// The wing red and its elliptic comparison blue, as in the main window's pictures.
inline constexpr Color kWingColor = kRed;
inline constexpr Color kEllipticColor = kBlue;
inline constexpr Color kSecondColor{0, 128, 0};       // a second quantity of the wing
inline constexpr Color kLimitColor{64, 64, 64};       // limits such as clmax
inline constexpr Color kMarkerColor{230, 120, 0};     // a marked station
inline constexpr Color kStationColor{170, 170, 170};  // station chords behind the outline

inline constexpr const char* kSpanAxisTitle = "y (m)";
inline constexpr const char* kWingName = "Kanat";
inline constexpr const char* kEllipticWingName = "Eşdeğer eliptik kanat";
// A solution with section polars, beside the linear one.
inline constexpr const char* kSectionPolarName = "kesit polarlı";

}  // namespace kelvane::charts
