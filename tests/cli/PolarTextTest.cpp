// The printed forms of a solution with section polars.
#include "cli/PolarText.h"

#include <gtest/gtest.h>

#include <string>

namespace kelvane::cli {
namespace {

PolarSolution TwoStations() {
  PolarSolution s;
  s.AlfaK = 12;
  s.CL = 1.25;
  s.CDi = 0.0625;
  s.e = 0.8;
  s.CDp = 0.015;
  s.CD = 0.0775;
  s.LD = 16.129032258064516;
  s.iterations = 7;
  s.residual = 1e-15;
  s.stations = {{.y = 2.5, .cl = 1.5, .cd = 0.02, .AlfaE = 14, .stalled = true},
                {.y = 0, .cl = 1.25, .cd = 0.0125, .AlfaE = 11.5, .stalled = false}};
  return s;
}

TEST(PolarText, SweepRowsFollowTheHeaderAndAnUnsolvedPointKeepsOnlyItsValue) {
  EXPECT_EQ(PolarSweepHeader(), "AlfaK,CL,CDi,CDp,CD,LD,e\n");
  PolarSolution solution = TwoStations();
  EXPECT_EQ(PolarSweepRow(solution), "12,1.25,0.0625,0.015,0.0775,16.129032258064516,0.8\n");
  solution.e.reset();
  EXPECT_TRUE(PolarSweepRow(solution).ends_with(",16.129032258064516,\n"));
  EXPECT_EQ(UnsolvedSweepRow(21, false), "21,,,,,,\n");
  EXPECT_EQ(UnsolvedSweepRow(1.5, true), ",1.5,,,,,\n");
}

TEST(PolarText, JsonAndStationTableCarryTheStallOfEachStation) {
  const SpanLoads loads{.stations = {}, .Q0 = 3, .M0 = 4, .L = 6, .Di = 0.25, .Dp = 0.5, .D = 0.75};
  const std::string json = PolarResultsJson(TwoStations(), loads, TwoStations());
  EXPECT_TRUE(
      json.starts_with("{\"AlfaK\": 12, \"CL\": 1.25, \"CDi\": 0.0625, \"CDp\": 0.015, \"CD\": 0.0775, "
                       "\"LD\": 16.129032258064516, \"e\": 0.8, \"iterations\": 7, \"residual\": 1e-15, "
                       "\"L\": 6, \"Di\": 0.25, \"Dp\": 0.5, \"D\": 0.75, \"stations\": [{\"y\": 2.5, "
                       "\"cl\": 1.5, \"cd\": 0.02, \"AlfaE\": 14, \"stalled\": true}, {"))
      << json;
  EXPECT_TRUE(json.ends_with("\"stations\": []}, \"CLmax\": {\"AlfaK\": 12, \"CL\": 1.25}}\n")) << json;
  EXPECT_EQ(PolarSpanwiseCsv(TwoStations()), "i,y,cl,cd,AlfaE,stalled\n1,2.5,1.5,0.02,14,1\n2,0,1.25,0.0125,11.5,0\n");
  EXPECT_EQ(PolarResultLines(TwoStations(), TwoStations()),
            "AlfaK 12\nCL    1.25\nCDi   0.0625\nCDp   0.015\nCD    0.0775\nLD    16.129\nCLmax 1.25 at AlfaK 12\n");
}

}  // namespace
}  // namespace kelvane::cli
