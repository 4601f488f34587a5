// The results drawn from a solution, to set against bench_solve: the station table with the span
// efficiency (what every solution of kelvane-solve adds) should cost a few percent of a solve at most;
// the stall onset (with --clmax) costs two more solutions.
#include <benchmark/benchmark.h>

#include "BenchWing.h"
#include "results/SpanwiseResults.h"
#include "results/StallOnset.h"

namespace {

using namespace kelvane;
using testing::testCache;
using testing::testRecord;

constexpr SectionMaxLift kMaxLift{.clmaxK = 1.4, .clmaxU = 1.2};

void SolveBenchWing(benchmark::State& state) {
  bench::SetUpBenchWing(static_cast<int>(state.range(0)));
  if (!SolveLiftingLine(testRecord, testCache, SolutionMode::GivenAngle)) state.SkipWithError("the solution failed");
}

void bench_spanwise_results(benchmark::State& state) {
  SolveBenchWing(state);
  for (auto _ : state) {
    SpanwiseResults results = ReadSpanwiseResults(testRecord);
    benchmark::DoNotOptimize(results);
  }
}
BENCHMARK(bench_spanwise_results)->Arg(15)->Arg(99);

void bench_stall_onset(benchmark::State& state) {
  SolveBenchWing(state);
  for (auto _ : state) {
    auto search = FindStallOnset(testRecord, testCache, kMaxLift);
    benchmark::DoNotOptimize(search);
  }
}
BENCHMARK(bench_stall_onset)->Arg(15)->Arg(99);

}  // namespace
