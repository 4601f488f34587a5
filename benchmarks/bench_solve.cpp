// One whole lifting-line solution (every stage and the linear solve) for a tapered wing.
#include <benchmark/benchmark.h>

#include "support/WingOnRecord.h"

namespace {

using namespace kelvane;

constexpr double kSpan = 10;
constexpr double kArea = 10;
constexpr double kAspectRatio = 10;
constexpr double kTaper = 0.2;
constexpr double kRootAngle = 10;

void bench_solve(benchmark::State& state) {
  ResetModuleOrtak();
  testing::PlaceStations(kSpan, kArea, kAspectRatio, static_cast<int>(state.range(0)));
  testing::TaperedChords(kTaper);
  testing::UniformSections(testing::kTwoPiAsSaved);
  ortak.AlfaK = kRootAngle;
  for (auto _ : state) {
    if (!testing::SolveWing(SolutionMode::GivenAngle)) {
      state.SkipWithError("the solution failed");
      break;
    }
    benchmark::DoNotOptimize(ortak.CL);
  }
}
BENCHMARK(bench_solve)->Arg(15)->Arg(99);

}  // namespace
