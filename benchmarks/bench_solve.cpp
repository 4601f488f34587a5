// One whole lifting-line solution (every stage and the linear solve) for a tapered wing, from scratch: the
// chords alternate between two tables one unit in the last place apart, so no solution finds the kept
// system of the one before (solver/SystemCache.h) and each pays for its sines and its elimination.
#include <benchmark/benchmark.h>

#include <cmath>
#include <limits>
#include <utility>

#include "BenchWing.h"

namespace {

using namespace kelvane;
using testing::testCache;
using testing::testRecord;

void bench_solve(benchmark::State& state) {
  bench::SetUpBenchWing(static_cast<int>(state.range(0)));
  StationTable otherChords = testRecord.c;
  for (double& chord : otherChords) chord = std::nextafter(chord, std::numeric_limits<double>::infinity());
  for (auto _ : state) {
    std::swap(testRecord.c, otherChords);
    if (!SolveLiftingLine(testRecord, testCache, SolutionMode::GivenAngle)) {
      state.SkipWithError("the solution failed");
      break;
    }
    benchmark::DoNotOptimize(testRecord.CL);
  }
}
BENCHMARK(bench_solve)->Arg(15)->Arg(99);

}  // namespace
