// The printed forms of a solution: labelled box texts, a JSON object, CSV polar lines and the CSV station
// table.
#pragma once

#include <optional>
#include <string>

#include "model/RoundTripNumber.h"  // ShortestNumberText, used with these texts
#include "results/OperatingPoint.h"
#include "results/SpanLoads.h"
#include "results/SpanwiseResults.h"
#include "results/StallOnset.h"

namespace kelvane::cli {

// The result boxes' texts, one labelled line each.
std::string ResultBoxesText(const OperatingPoint& point);

// "Stall onset: AlfaK 12.345 CL 1.0837 at y = 3.909 m", rounded as the boxes show angles and CL.
std::string StallOnsetLine(const std::optional<StallOnset>& stall);

// The point's seven values, "e" and "delta" (null at zero lift), the forces "L" and "Di", the "stations" and
// the "loads"; with the sections' maximum lift (spanwise.maxLift) each station's "clmax" and the "stall"
// onset (null when there is none).
std::string ResultsJson(const OperatingPoint& point, const SpanwiseResults& spanwise,
                        const std::optional<StallOnset>& stall, const SpanLoads& loads);

std::string PolarHeader();
// The point's seven values and e (empty at zero lift).
std::string PolarRow(const OperatingPoint& point, const std::optional<SpanEfficiency>& spanEfficiency);

// "i,y,c,Gamma,cl,AlfaE,AlfaI,w" (",clmax" with the sections' maximum lift) and one line per station.
std::string SpanwiseCsv(const SpanwiseResults& spanwise);

}  // namespace kelvane::cli
