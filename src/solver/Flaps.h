// Symmetric plain flaps: where they sit on the semi-span, how much of their deflection the section turns
// into lift (thin-airfoil effectiveness), and what they change in the record's sections.
//
// Stage       Reads                                  Writes
// ApplyFlaps  N, y, SemiSpan, Pi, Alfa0R             Alfa0R(1..N) of the flapped stations
//
// ApplyFlaps runs right after SectionTables, which it builds on; a solution with polars takes the flaps
// through FlapAngleOffsets instead, adding each station's offset to its lookup angle.
#pragma once

#include <cstddef>
#include <span>

#include "model/Flap.h"
#include "model/Module_ortak.h"
#include "model/Outcome.h"

namespace kelvane {

inline constexpr std::size_t kMaxFlaps = 4;
inline constexpr double kMaxFlapDeflection = 45;  // degrees, either way
// A station this close to a flap's end, as a fraction of the semi-span, is on it: a station meant to sit
// on an end (y = 2.5 on a 5 m semi-span) lands a rounding away from it. Far below any station spacing.
inline constexpr double kFlapEndTolerance = 1e-9;

// Refuses more than kMaxFlaps flaps, a value that is not finite, y1 < 0, y1 >= y2, E outside (0, 1) and
// |delta| > kMaxFlapDeflection; the message names the flap by its place, from 1.
Outcome CheckFlapValues(std::span<const Flap> flaps);

// Refuses, for flaps that passed CheckFlapValues, a flap reaching beyond the semi-span and two flaps that
// could both hold a station (closed ranges, so flaps that touch overlap).
Outcome CheckFlapsOnWing(std::span<const Flap> flaps, double semiSpan);

// tau of a flap with chord ratio E: cos(thetaF) = 2E - 1, tau = 1 - (thetaF - sin(thetaF))/pi.
double FlapEffectiveness(double E);

// Whether the station at y lies on the flap: y1 <= y <= y2, ends widened by kFlapEndTolerance.
bool StationUnderFlap(const Flap& flap, double y, double semiSpan);

// Lowers the zero-lift angle of every station under a flap: Alfa0R(i) - Pi·tau·delta/180. Refuses what
// the two checks refuse, a record without a station count and a result that is not finite, changing
// nothing then.
Outcome ApplyFlaps(Module_ortak& m, std::span<const Flap> flaps);

// The lookup-angle offset of stations 1..N, degrees: tau·delta under a flap, 0 elsewhere. Refuses as
// ApplyFlaps does, leaving offsets untouched.
Outcome FlapAngleOffsets(const Module_ortak& m, std::span<const Flap> flaps, StationTable& offsets);

}  // namespace kelvane
