// The text report "PLL.txt": the planform summary that starts it and the blocks each solution appends.
#pragma once

#include <string>

namespace kelvane {

inline constexpr const char* kReportFileName = "PLL.txt";

// Each block is the exact text of its lines, every line ended by CR LF, taken from the model record.
std::string PlanformSummaryBlock();  // four lines: area, aspect ratio, span, mean chord
std::string StationBlock();          // station properties, stations 1..N
std::string MatrixBlock();           // the coefficient matrix as built, before Gauss
std::string FourierBlock();          // An(1..N)
std::string DistributionBlock();     // Gamma, w, Eps, AlfaE along the span
std::string PerformanceBlock();      // CL, CDi, E

// Writes text to "PLL.txt" in the working directory, replacing the file or appending to it. On failure
// returns false with a message for the user in *error.
bool StartReport(const std::string& text, std::string* error);
bool AppendToReport(const std::string& text, std::string* error);

}  // namespace kelvane
