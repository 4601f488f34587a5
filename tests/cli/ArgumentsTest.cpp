// Tests of kelvane-solve's command line: options, values and every usage error.
#include "cli/Arguments.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "cli/Sweep.h"

namespace kelvane::cli {
namespace {

ParsedCommandLine Parse(std::vector<std::string_view> args) { return ParseArguments(args); }

TEST(ParseArguments, DefaultsLeaveTheWindowsOwnSettings) {
  const auto parsed = Parse({"wing.cfg"});
  ASSERT_TRUE(std::holds_alternative<Arguments>(parsed));
  const Arguments& args = std::get<Arguments>(parsed);
  EXPECT_EQ(args.config, "wing.cfg");
  EXPECT_FALSE(args.stations);
  EXPECT_EQ(args.Inputs(), (PlanformInputs{.S = true, .AR = true}));
  EXPECT_FALSE(args.givenCL || args.detail || args.json || args.sweep);
  EXPECT_EQ(args.lockTimeout, std::chrono::seconds(60));
}

TEST(ParseArguments, OptionsMayFollowTheFileAndKeepTheirValuesVerbatim) {
  const auto parsed =
      Parse({"wing.cfg", "--stations", "&H0D", "--inputs", "cOrt,b", "--given-cl", "--detail", "--sweep", "-4:12:2"});
  ASSERT_TRUE(std::holds_alternative<Arguments>(parsed));
  const Arguments& args = std::get<Arguments>(parsed);
  EXPECT_EQ(args.stations, "&H0D");
  EXPECT_EQ(args.inputs, (PlanformInputs{.S = false, .AR = false, .b = true, .cOrt = true}));
  EXPECT_TRUE(args.givenCL && args.detail);
  const auto timed = Parse({"--lock-timeout", "0.25", "wing.cfg"});
  ASSERT_TRUE(std::holds_alternative<Arguments>(timed));
  EXPECT_EQ(std::get<Arguments>(timed).lockTimeout, std::chrono::milliseconds(250));
  ASSERT_TRUE(args.sweep);
  EXPECT_EQ(args.sweep->size(), 9u);
}

TEST(ParseArguments, HelpWinsOverEverythingElse) {
  EXPECT_TRUE(std::holds_alternative<HelpRequest>(Parse({"--help"})));
  EXPECT_TRUE(std::holds_alternative<HelpRequest>(Parse({"wing.cfg", "--json", "--help"})));
  EXPECT_TRUE(std::holds_alternative<VersionRequest>(Parse({"--version"})));
  EXPECT_TRUE(std::holds_alternative<VersionRequest>(Parse({"wing.cfg", "--version"})));
}

TEST(ParseArguments, MaximumLiftOfTheTipDefaultsToTheRoots) {
  const auto both = Parse({"--clmax", "1.6:1.2", "--spanwise", "out.csv", "wing.cfg"});
  ASSERT_TRUE(std::holds_alternative<Arguments>(both));
  ASSERT_TRUE(std::get<Arguments>(both).clmax);
  EXPECT_EQ(std::get<Arguments>(both).clmax->clmaxK, 1.6);
  EXPECT_EQ(std::get<Arguments>(both).clmax->clmaxU, 1.2);
  EXPECT_EQ(std::get<Arguments>(both).spanwise, "out.csv");

  const auto rootOnly = Parse({"--clmax", "1.5e0", "wing.cfg"});
  ASSERT_TRUE(std::holds_alternative<Arguments>(rootOnly));
  EXPECT_EQ(std::get<Arguments>(rootOnly).clmax->clmaxK, 1.5);
  EXPECT_EQ(std::get<Arguments>(rootOnly).clmax->clmaxU, 1.5);
}

TEST(ParseArguments, PlotsAreRepeatableAndKeepTheirOrder) {
  const auto parsed = Parse({"--plot", "lift:a/b.PNG", "wing.cfg", "--plot", "planform:c:d.svg"});
  ASSERT_TRUE(std::holds_alternative<Arguments>(parsed));
  EXPECT_EQ(std::get<Arguments>(parsed).plots,
            (std::vector<PlotRequest>{{PlotKind::Lift, "a/b.PNG"}, {PlotKind::Planform, "c:d.svg"}}));
  const auto polar =
      Parse({"--sweep", "0:4:1", "--plot", "polar:p.svg", "--compare", "b.cfg", "wing.cfg", "--compare", "c/d.cfg"});
  ASSERT_TRUE(std::holds_alternative<Arguments>(polar));
  EXPECT_EQ(std::get<Arguments>(polar).plots.front().kind, PlotKind::Polar);
  EXPECT_EQ(std::get<Arguments>(polar).compare, (std::vector<std::string>{"b.cfg", "c/d.cfg"}));
}

TEST(ParseArguments, PolarsFlapsAndLoadsKeepTheirValues) {
  const auto parsed = Parse({"--polar-root", "naca2412@1e6", "--polar-tip", "tip.txt", "--find-clmax", "--rho", "1.1",
                             "--flap", "0:2.5:0.25:-10", "--flap", "3:4:0.3:45", "--loads", "l.csv", "w.cfg"});
  ASSERT_TRUE(std::holds_alternative<Arguments>(parsed)) << std::get<UsageError>(parsed).Reason();
  const Arguments& args = std::get<Arguments>(parsed);
  EXPECT_EQ(args.polars, (PolarArguments{"naca2412@1e6", "tip.txt"}));
  EXPECT_TRUE(args.findCLmax && !args.refreshPolars);
  EXPECT_EQ(args.AirDensity(), 1.1);
  ASSERT_EQ(args.flaps.size(), 2u);
  EXPECT_EQ(args.flaps[0].y2, 2.5);
  EXPECT_EQ(args.flaps[0].delta, -10);
  EXPECT_EQ(args.flaps[1].E, 0.3);
  EXPECT_EQ(args.loads, "l.csv");

  const auto both = Parse({"--polar", "p.txt", "--refresh-polars", "w.cfg"});
  ASSERT_TRUE(std::holds_alternative<Arguments>(both));
  EXPECT_EQ(std::get<Arguments>(both).polars, (PolarArguments{"p.txt", "p.txt"}));
  EXPECT_EQ(std::get<Arguments>(both).AirDensity(), kSeaLevelAirDensity);
}

struct BadCommandLine {
  const char* name;
  std::vector<std::string_view> args;
};

class ParseArgumentsRejects : public ::testing::TestWithParam<BadCommandLine> {};

TEST_P(ParseArgumentsRejects, AsAUsageError) {
  const auto parsed = Parse(GetParam().args);
  ASSERT_TRUE(std::holds_alternative<UsageError>(parsed));
  EXPECT_FALSE(std::get<UsageError>(parsed).Reason().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseArgumentsRejects,
    ::testing::Values(
        BadCommandLine{"UnknownOption", {"--bogus", "wing.cfg"}}, BadCommandLine{"ShortOption", {"-j", "wing.cfg"}},
        BadCommandLine{"MissingValue", {"wing.cfg", "--stations"}},
        BadCommandLine{"UnknownInput", {"--inputs", "S,span", "wing.cfg"}},
        BadCommandLine{"EmptyInputName", {"--inputs", "S,", "wing.cfg"}}, BadCommandLine{"NoConfig", {"--json"}},
        BadCommandLine{"EmptyConfigName", {""}}, BadCommandLine{"TwoConfigs", {"a.cfg", "b.cfg"}},
        BadCommandLine{"BadSweep", {"--sweep", "0:10", "wing.cfg"}},
        BadCommandLine{"SweepWithJson", {"--json", "--sweep", "0:10:1", "wing.cfg"}},
        BadCommandLine{"SweepWithClmax", {"--clmax", "1.4", "--sweep", "0:10:1", "wing.cfg"}},
        BadCommandLine{"SweepWithSpanwise", {"--spanwise", "s.csv", "--sweep", "0:1:1", "wing.cfg"}},
        BadCommandLine{"EmptySpanwiseName", {"--spanwise", "", "wing.cfg"}},
        BadCommandLine{"ClmaxMissing", {"wing.cfg", "--clmax"}},
        BadCommandLine{"ClmaxEmpty", {"--clmax", "", "wing.cfg"}},
        BadCommandLine{"ClmaxZero", {"--clmax", "0", "wing.cfg"}},
        BadCommandLine{"ClmaxNegativeTip", {"--clmax", "1.4:-1", "wing.cfg"}},
        BadCommandLine{"ClmaxLetters", {"--clmax", "high", "wing.cfg"}},
        BadCommandLine{"ClmaxTrailingText", {"--clmax", "1.4x", "wing.cfg"}},
        BadCommandLine{"ClmaxDecimalComma", {"--clmax", "1,4", "wing.cfg"}},
        BadCommandLine{"ClmaxEmptyTip", {"--clmax", "1.4:", "wing.cfg"}},
        BadCommandLine{"ClmaxEmptyRoot", {"--clmax", ":1.2", "wing.cfg"}},
        BadCommandLine{"ClmaxThreeValues", {"--clmax", "1.4:1.2:1", "wing.cfg"}},
        BadCommandLine{"ClmaxInfinite", {"--clmax", "inf", "wing.cfg"}},
        BadCommandLine{"ClmaxNotANumber", {"--clmax", "nan", "wing.cfg"}},
        BadCommandLine{"LockTimeoutNegative", {"--lock-timeout", "-1", "wing.cfg"}},
        BadCommandLine{"LockTimeoutOverADay", {"--lock-timeout", "1e9", "wing.cfg"}},
        BadCommandLine{"LockTimeoutNotANumber", {"--lock-timeout", "nan", "wing.cfg"}},
        BadCommandLine{"PlotWithoutKind", {"--plot", "c.svg", "wing.cfg"}},
        BadCommandLine{"PlotUnknownKind", {"--plot", "drag:c.svg", "wing.cfg"}},
        BadCommandLine{"PlotOtherFormat", {"--plot", "lift:c.pdf", "wing.cfg"}},
        BadCommandLine{"PlotWithoutFile", {"--plot", "lift:", "wing.cfg"}},
        BadCommandLine{"PolarWithoutSweep", {"--plot", "polar:p.png", "wing.cfg"}},
        BadCommandLine{"SpanwisePlotWithSweep", {"--sweep", "0:1:1", "--plot", "lift:l.png", "wing.cfg"}},
        BadCommandLine{"PolarWithRootPolar", {"--polar", "p", "--polar-root", "r", "wing.cfg"}},
        BadCommandLine{"RootPolarWithoutTip", {"--polar-root", "r", "wing.cfg"}},
        BadCommandLine{"EmptyPolar", {"--polar", "", "wing.cfg"}},
        BadCommandLine{"FindClmaxWithoutPolars", {"--find-clmax", "wing.cfg"}},
        BadCommandLine{"RefreshWithoutPolars", {"--refresh-polars", "wing.cfg"}},
        BadCommandLine{"PolarsWithClmax", {"--polar", "p", "--clmax", "1.4", "wing.cfg"}},
        BadCommandLine{"PolarsWithDetail", {"--polar", "p", "--detail", "wing.cfg"}},
        BadCommandLine{"PolarsWithPlot", {"--polar", "p", "--plot", "lift:l.svg", "wing.cfg"}},
        BadCommandLine{"SweepWithFindClmax", {"--polar", "p", "--find-clmax", "--sweep", "0:1:1", "wing.cfg"}},
        BadCommandLine{"SweepWithLoads", {"--loads", "l.csv", "--sweep", "0:1:1", "wing.cfg"}},
        BadCommandLine{"SweepWithRho", {"--rho", "1.2", "--sweep", "0:1:1", "wing.cfg"}},
        BadCommandLine{"EmptyLoadsName", {"--loads", "", "wing.cfg"}},
        BadCommandLine{"RhoZero", {"--rho", "0", "wing.cfg"}},
        BadCommandLine{"RhoLetters", {"--rho", "air", "wing.cfg"}},
        BadCommandLine{"FlapThreeValues", {"--flap", "0:1:0.25", "wing.cfg"}},
        BadCommandLine{"FlapFiveValues", {"--flap", "0:1:0.25:10:1", "wing.cfg"}},
        BadCommandLine{"FlapNotANumber", {"--flap", "0:1:nan:10", "wing.cfg"}},
        BadCommandLine{"FlapChordRatioOne", {"--flap", "0:1:1:10", "wing.cfg"}},
        BadCommandLine{"CompareWithoutPlot", {"--compare", "b.cfg", "wing.cfg"}},
        BadCommandLine{"EmptyCompare", {"--plot", "lift:l.svg", "--compare", "", "wing.cfg"}},
        BadCommandLine{
            "SevenCompares",
            {"--plot", "lift:l.svg", "--compare", "1.cfg", "--compare", "2.cfg", "--compare", "3.cfg", "--compare",
             "4.cfg", "--compare", "5.cfg", "--compare", "6.cfg", "--compare", "7.cfg", "wing.cfg"}},
        BadCommandLine{"FiveFlaps",
                       {"--flap", "0:1:0.2:5", "--flap", "1:2:0.2:5", "--flap", "2:3:0.2:5", "--flap", "3:4:0.2:5",
                        "--flap", "4:5:0.2:5", "wing.cfg"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct SweepCase {
  const char* name;
  const char* text;
  std::vector<double> points;  // empty: rejected
  const char* problem = "";    // part of the reason for a rejection
};

class ParseSweepCases : public ::testing::TestWithParam<SweepCase> {};

TEST_P(ParseSweepCases, GivesThePointsOrSaysWhichRuleFailed) {
  const auto points = ParseSweep(GetParam().text);
  if (GetParam().points.empty()) {
    EXPECT_FALSE(points);
    EXPECT_NE(points.Message().find(GetParam().problem), std::string::npos) << points.Message();
  } else {
    ASSERT_TRUE(points);
    EXPECT_EQ(*points, GetParam().points);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseSweepCases,
    ::testing::Values(SweepCase{"Angles", "-4:12:4", {-4, 0, 4, 8, 12}},
                      SweepCase{"StopsBeforeOvershooting", "0:5:2", {0, 2, 4}}, SweepCase{"SinglePoint", "3:3:1", {3}},
                      SweepCase{"RoundingStillReachesTheEnd", "0:0.3:0.1", {0, 0.1, 0.2, 0.30000000000000004}},
                      SweepCase{"Backwards", "1:0:1", {}, "empty"},
                      SweepCase{"TooMany", "0:1e9:1", {}, "at most 10000 points"},
                      SweepCase{"ZeroStep", "0:1:0", {}, "positive"}, SweepCase{"NotANumber", "a:1:1", {}, "numbers"},
                      SweepCase{"Infinite", "0:inf:1", {}, "finite"},
                      SweepCase{"TrailingText", "0:1:1:2", {}, "numbers"},
                      SweepCase{"TooFewParts", "0:1", {}, "three"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ParseSweep, LimitsThePointCount) {
  EXPECT_EQ(ParseSweep("1:10000:1")->size(), kMaxSweepPoints);
  EXPECT_FALSE(ParseSweep("1:10001:1"));
}

}  // namespace
}  // namespace kelvane::cli
