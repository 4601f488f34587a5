// One whole lifting-line solution (every stage and the linear solve) for a tapered wing.
#include <benchmark/benchmark.h>

#include "BenchWing.h"

namespace {

using namespace kelvane;

void bench_solve(benchmark::State& state) {
  bench::SetUpBenchWing(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    if (!SolveLiftingLine(SolutionMode::GivenAngle)) {
      state.SkipWithError("the solution failed");
      break;
    }
    benchmark::DoNotOptimize(ortak.CL);
  }
}
BENCHMARK(bench_solve)->Arg(15)->Arg(99);

}  // namespace
