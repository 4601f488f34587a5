#include "cli/ResultText.h"

#include <gtest/gtest.h>

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

constexpr OperatingPoint kPoint{
    .AlfaK = 10, .CL = 0.5, .CDi = 0.0125, .E = 40, .AlfE = -1.25, .CDiE = 1e-5, .EE = 0.1};

TEST(ResultText, JsonHoldsEveryQuantityInOrder) {
  EXPECT_EQ(ResultsJson(kPoint),
            "{\"AlfaK\": 10, \"CL\": 0.5, \"CDi\": 0.0125, \"E\": 40, \"AlfE\": -1.25, \"CDiE\": 1e-05, "
            "\"EE\": 0.1}\n");
}

TEST(ResultText, JsonWritesNullForWhatItCannotHold) {
  OperatingPoint point = kPoint;
  point.E = std::numeric_limits<double>::infinity();
  point.EE = std::numeric_limits<double>::quiet_NaN();
  const std::string json = ResultsJson(point);
  EXPECT_NE(json.find("\"E\": null,"), std::string::npos) << json;
  EXPECT_NE(json.find("\"EE\": null}"), std::string::npos) << json;
}

TEST(ResultText, PolarRowsFollowTheHeader) {
  EXPECT_EQ(PolarHeader(), "AlfaK,CL,CDi,E,AlfE,CDiE,EE\n");
  EXPECT_EQ(PolarRow(kPoint), "10,0.5,0.0125,40,-1.25,1e-05,0.1\n");
}

}  // namespace
}  // namespace kelvane::cli
