// Tests of the printed forms of a solution: box texts, JSON, CSV.
#include "cli/ResultText.h"

#include <gtest/gtest.h>

#include "cli/LoadText.h"

#include <limits>
#include <string>

namespace kelvane::cli {
namespace {

struct ShortestCase {
  double value;
  const char* text;
};

class ShortestNumber : public ::testing::TestWithParam<ShortestCase> {};

TEST_P(ShortestNumber, IsValidJsonAndReadsBackExactly) {
  const std::string text = ShortestNumberText(GetParam().value);
  EXPECT_EQ(text, GetParam().text);
  EXPECT_EQ(std::stod(text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Values, ShortestNumber,
                         ::testing::Values(ShortestCase{10, "10"}, ShortestCase{0, "0"}, ShortestCase{-3, "-3"},
                                           ShortestCase{0.1, "0.1"}, ShortestCase{1e-5, "1e-05"},
                                           ShortestCase{0.913852259360126, "0.913852259360126"},
                                           ShortestCase{-114.59155902616459, "-114.59155902616459"},
                                           ShortestCase{1.5e20, "1.5e+20"}));

constexpr OperatingPoint kPoint{.AlfaK = 10, .CL = 0.5, .CDi = 0.0125, .E = 40, .AlfE = -1.25, .CDiE = 1e-5, .EE = 0.1};

const SpanwiseResults kTwoStations{
    .stations = {{.y = 2.5, .c = 1, .Gamma = 0.25, .cl = 0.5, .AlfaE = 8, .AlfaI = 2, .w = 0.03125, .clmax = {}},
                 {.y = 0, .c = 1.5, .Gamma = 0.375, .cl = 0.5, .AlfaE = 8.5, .AlfaI = 1.5, .w = 0.0625, .clmax = {}}},
    .spanEfficiency = SpanEfficiency{.delta = 0.25, .e = 0.8},
    .maxLift = std::nullopt,
};

const SpanLoads kLoads{.stations = {{.y = 2.5, .l = 1, .Q = 0.5, .M = 0.25}, {.y = 0, .l = 2, .Q = 3, .M = 4}},
                       .Q0 = 3,
                       .M0 = 4,
                       .L = 6,
                       .Di = 0.5,
                       .Dp = {},
                       .D = {}};

constexpr char kPointJson[] =
    "{\"AlfaK\": 10, \"CL\": 0.5, \"CDi\": 0.0125, \"E\": 40, \"AlfE\": -1.25, \"CDiE\": 1e-05, \"EE\": 0.1";
constexpr char kStationsJson[] =
    "\"stations\": [{\"y\": 2.5, \"c\": 1, \"Gamma\": 0.25, \"cl\": 0.5, \"AlfaE\": 8, \"AlfaI\": 2, "
    "\"w\": 0.03125}, {\"y\": 0, \"c\": 1.5, \"Gamma\": 0.375, \"cl\": 0.5, \"AlfaE\": 8.5, \"AlfaI\": 1.5, "
    "\"w\": 0.0625}]";

TEST(ResultText, JsonHoldsThePointTheSpanEfficiencyTheForcesTheStationsThenTheLoads) {
  EXPECT_EQ(ResultsJson(kPoint, kTwoStations, std::nullopt, kLoads),
            std::string(kPointJson) + ", \"e\": 0.8, \"delta\": 0.25, \"L\": 6, \"Di\": 0.5, " + kStationsJson +
                ", \"loads\": {\"Q0\": 3, \"M0\": 4, \"stations\": [{\"y\": 2.5, \"l\": 1, \"Q\": 0.5, \"M\": 0.25}, "
                "{\"y\": 0, \"l\": 2, \"Q\": 3, \"M\": 4}]}}\n");
}

TEST(ResultText, LoadsTableAndLinesWithTheProfileDragOfPolars) {
  EXPECT_EQ(LoadsCsv(kLoads), "i,y,l,Q,M\n1,2.5,1,0.5,0.25\n2,0,2,3,4\n");
  SpanLoads withPolars = kLoads;
  withPolars.Dp = 0.25;
  withPolars.D = 0.75;
  std::string forces;
  AppendForcesJson(forces, withPolars);
  EXPECT_EQ(forces, "\"L\": 6, \"Di\": 0.5, \"Dp\": 0.25, \"D\": 0.75");
  EXPECT_EQ(
      LoadLines(withPolars, 1.225),
      "Loads at rho = 1.225 kg/m³:\nL     6 N\nDi    0.5 N\nDp    0.25 N\nD     0.75 N\nQ0    3 N\nM0    4 N·m\n");
}

TEST(ResultText, JsonWritesNullForWhatItCannotHold) {
  OperatingPoint point = kPoint;
  point.E = std::numeric_limits<double>::infinity();
  point.EE = std::numeric_limits<double>::quiet_NaN();
  SpanwiseResults zeroLift = kTwoStations;
  zeroLift.spanEfficiency.reset();
  const std::string json = ResultsJson(point, zeroLift, std::nullopt, kLoads);
  EXPECT_NE(json.find("\"E\": null,"), std::string::npos) << json;
  EXPECT_NE(json.find("\"EE\": null, \"e\": null, \"delta\": null, \"L\""), std::string::npos) << json;
}

TEST(ResultText, MaximumLiftAddsClmaxToEachStationAndTheStallOnset) {
  SpanwiseResults withMaxLift = kTwoStations;
  withMaxLift.maxLift = SectionMaxLift{.clmaxK = 1.5, .clmaxU = 1.25};
  withMaxLift.stations[0].clmax = 1.375;
  withMaxLift.stations[1].clmax = 1.5;
  const StallOnset onset{.AlfaK = 12.5, .CL = 1.25, .y = 2.5, .station = 1};

  const std::string json = ResultsJson(kPoint, withMaxLift, onset, kLoads);
  EXPECT_NE(json.find("\"w\": 0.03125, \"clmax\": 1.375}"), std::string::npos) << json;
  EXPECT_NE(json.find("\"w\": 0.0625, \"clmax\": 1.5}"), std::string::npos) << json;
  EXPECT_TRUE(json.ends_with("]}, \"stall\": {\"AlfaK\": 12.5, \"CL\": 1.25, \"y\": 2.5}}\n")) << json;
  EXPECT_TRUE(ResultsJson(kPoint, withMaxLift, std::nullopt, kLoads).ends_with("]}, \"stall\": null}\n"));

  EXPECT_EQ(SpanwiseCsv(withMaxLift),
            "i,y,c,Gamma,cl,AlfaE,AlfaI,w,clmax\n"
            "1,2.5,1,0.25,0.5,8,2,0.03125,1.375\n"
            "2,0,1.5,0.375,0.5,8.5,1.5,0.0625,1.5\n");
}

TEST(ResultText, StationTableWithoutMaximumLift) {
  EXPECT_EQ(SpanwiseCsv(kTwoStations),
            "i,y,c,Gamma,cl,AlfaE,AlfaI,w\n"
            "1,2.5,1,0.25,0.5,8,2,0.03125\n"
            "2,0,1.5,0.375,0.5,8.5,1.5,0.0625\n");
}

TEST(ResultText, StallLineRoundsAsTheBoxesDo) {
  EXPECT_EQ(StallOnsetLine(StallOnset{.AlfaK = 12.34567, .CL = 1.0837149, .y = 3.90916, .station = 4}),
            "Stall onset: AlfaK 12.346 CL 1.08371 at y = 3.909 m\n");
  EXPECT_EQ(StallOnsetLine(std::nullopt), "Stall onset: none (no station's lift grows with the root angle)\n");
}

TEST(ResultText, PolarRowsFollowTheHeaderWithTheSpanEfficiencyLast) {
  EXPECT_EQ(PolarHeader(), "AlfaK,CL,CDi,E,AlfE,CDiE,EE,e\n");
  EXPECT_EQ(PolarRow(kPoint, SpanEfficiency{.delta = 0.25, .e = 0.8}), "10,0.5,0.0125,40,-1.25,1e-05,0.1,0.8\n");
  EXPECT_EQ(PolarRow(kPoint, std::nullopt), "10,0.5,0.0125,40,-1.25,1e-05,0.1,\n");
}

}  // namespace
}  // namespace kelvane::cli
