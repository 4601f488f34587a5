// Every configuration the fuzzer starts from, and every input it once found faulty, replayed in the
// ordinary test run.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>
#include <vector>

#include "support/ScopedWorkDir.h"
#include "testkit/ConfigReplay.h"

namespace kelvane::reliability {
namespace {

namespace fs = std::filesystem;

// The fuzz corpus lives beside the tests' worked examples.
const fs::path kCorpus = fs::path(KELVANE_EXAMPLES_DIR) / ".." / ".." / "fuzz" / "corpus" / "config";

std::vector<fs::path> CorpusFiles() {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(kCorpus)) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

class ConfigCorpus : public ::testing::TestWithParam<fs::path> {};

TEST_P(ConfigCorpus, LeavesNoNonFiniteNumberBehind) {
  kelvane::testing::ScopedWorkDir workDir;
  EXPECT_THAT(ReplayConfig(GetParam().string()), ::testing::IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Seeds, ConfigCorpus, ::testing::ValuesIn(CorpusFiles()), [](const auto& info) {
  std::string name = info.param.stem().string();
  const auto notAlphanumeric = [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); };
  std::replace_if(name.begin(), name.end(), notAlphanumeric, '_');
  return name;
});

}  // namespace
}  // namespace kelvane::reliability
