// Reading a box's text: a megabyte pasted into a box must read in linear time, a few milliseconds, not
// hang the window. Each text is one of the shapes that makes the reader walk the whole of it.
#include <benchmark/benchmark.h>

#include <string>

#include "model/Numbers.h"

namespace {

constexpr size_t kMegabyte = 1 << 20;

void ReadMegabyteText(benchmark::State& state, const std::string& text) {
  for (auto _ : state) benchmark::DoNotOptimize(kelvane::ReadNumber(text));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}

BENCHMARK_CAPTURE(ReadMegabyteText, leading_blanks, std::string(kMegabyte, ' ') + "7");
BENCHMARK_CAPTURE(ReadMegabyteText, long_exponent, "1e" + std::string(kMegabyte, '9'));
BENCHMARK_CAPTURE(ReadMegabyteText, long_fraction, "0." + std::string(kMegabyte, '0') + "1");
BENCHMARK_CAPTURE(ReadMegabyteText, long_integer, std::string(kMegabyte, '9'));
BENCHMARK_CAPTURE(ReadMegabyteText, long_hexadecimal, "&H" + std::string(kMegabyte, 'F'));

}  // namespace
