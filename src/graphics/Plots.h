// The three pictures: the planform, the circulation and the effective angle of attack along the span.
// Each draws from the given record on a PlotSurface; only the planform of a trapezoidal wing writes to it.
//
// Step             Reads                                                   Writes
// PlanCiz          N, y, c, SemiSpan; for panels also b, AR, Pi, PiHalf,   for panels SemiSpan, nE, yE(0..nE),
//                  nTrap, yTrap, cTrap                                     cE(0..nE)
// Gama_Distr_Ciz   N, y, nE, yE, SemiSpan and the given Gamma and GammaE   nothing
// AlfaE_Distr_Ciz  N, y, AlfaE, AlfaEE, SemiSpan                           nothing
//
// The station loops take N through StationCount(): a record with no usable count draws no stations.
#pragma once

#include "graphics/PlotSurface.h"
#include "model/Module_ortak.h"
#include "model/Wing.h"  // PlanformType

namespace kelvane {

// Every picture reaches this many semi-spans to either side of the plane of symmetry.
inline constexpr double kPlotHalfWidth = 1.05;

// Draws the top view of the whole wing; for a trapezoidal planform also fills nE, yE and cE.
void PlanCiz(Module_ortak& m, PlotSurface& picture, PlanformType type);

// The circulation along the span (red) against the equivalent elliptic wing's (blue).
void Gama_Distr_Ciz(const Module_ortak& m, PlotSurface& picture, const StationTable& Gamma, const StationTable& GammaE);

// The effective angle of attack along the span (red) against the elliptic wing's (blue), with degree ticks.
void AlfaE_Distr_Ciz(const Module_ortak& m, PlotSurface& picture);

}  // namespace kelvane
