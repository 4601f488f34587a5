// Polars from the real XFoil, byte for byte the shipped ones, and the cache; XFoil's failures played by
// stand-in programs put first on PATH; a front end's polar argument, a file or a request.
#include "polars/xfoil/XfoilPolar.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <optional>
#include <set>
#include <string>
#include <variant>
#include <vector>

#include <gtest/gtest.h>

#include "polars/PolarFile.h"
#include "polars/xfoil/PolarCache.h"
#include "polars/xfoil/PolarSource.h"
#include "support/ScopedWorkDir.h"

namespace kelvane::xfoil {
namespace {

using testing::FolderEntries;
using testing::ReadFile;
using testing::ScopedWorkDir;
using testing::WriteFile;

// Sets an environment variable (or unsets it, given nothing) until the end of the scope.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const std::optional<std::string>& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    value ? setenv(name, value->c_str(), 1) : unsetenv(name);
  }
  ~ScopedVariable() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

PolarRequest Request(const std::string& argument) {
  std::variant<PolarRequest, Outcome> parsed = ParsePolarRequest(argument);
  if (const Outcome* refused = std::get_if<Outcome>(&parsed)) ADD_FAILURE() << refused->Message();
  return std::get<PolarRequest>(parsed);
}

// A test folder with a cache and a temporary folder of its own, so that what a run leaves is seen.
struct PolarFolders {
  ScopedWorkDir workDir;
  std::filesystem::path cache = workDir.Path() / "cache";
  std::filesystem::path temporary = workDir.Path() / "tmp";
  std::filesystem::path programs = workDir.Path() / "bin";
  ScopedVariable tmpdir{"TMPDIR", temporary.string()};
  PolarFolders() {
    std::filesystem::create_directory(temporary);
    std::filesystem::create_directory(programs);
  }
  void StandIn(const std::string& script) const {
    WriteFile(programs / kXfoilProgram, "#!/bin/sh\n" + script);
    std::filesystem::permissions(programs / kXfoilProgram, std::filesystem::perms::owner_all);
  }
};

XfoilRunOptions Options() {
  XfoilRunOptions options;
  options.trapsOffLibrary = KELVANE_TRAPS_OFF_LIBRARY;
  return options;
}

TEST(XfoilPolar, ComputesTheShippedPolarsAndServesRepeatsFromTheCache) {
  PolarFolders folders;
  for (const std::string name : {"naca0012-re1e6", "naca2412-re1e6"}) {
    SCOPED_TRACE(name);
    std::vector<int> progress;
    XfoilRunOptions options = Options();
    options.progress = [&progress](int rows) { progress.push_back(rows); };
    std::variant<ComputedPolar, Outcome> computed =
        XfoilPolar(Request(name.substr(0, 8) + "@1e6"), {folders.cache}, options);
    ASSERT_TRUE(std::holds_alternative<ComputedPolar>(computed)) << std::get<Outcome>(computed).Message();
    const ComputedPolar& polar = std::get<ComputedPolar>(computed);
    EXPECT_EQ(polar.text, ReadFile(std::string(KELVANE_TEST_POLARS_DIR) + "/" + name + ".txt"));
    EXPECT_EQ(polar.file, folders.cache / (name + ".txt"));
    EXPECT_EQ(ReadFile(polar.file), polar.text);
    EXPECT_FALSE(polar.fromCache);
    ASSERT_FALSE(progress.empty());
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    EXPECT_EQ(progress.back(), polar.rows);
  }
  EXPECT_EQ(FolderEntries(folders.temporary), std::set<std::string>{});

  // With no XFoil to run, the cache serves the request; a refresh must run it, and keeps the cached polar.
  const ScopedVariable noXfoil("PATH", folders.programs.string());
  std::variant<ComputedPolar, Outcome> cached = XfoilPolar(Request("NACA0012@1000000"), {folders.cache}, Options());
  ASSERT_TRUE(std::holds_alternative<ComputedPolar>(cached)) << std::get<Outcome>(cached).Message();
  EXPECT_TRUE(std::get<ComputedPolar>(cached).fromCache);
  EXPECT_EQ(std::get<ComputedPolar>(cached).rows, 69);
  std::variant<ComputedPolar, Outcome> refreshed =
      XfoilPolar(Request("naca0012@1e6"), {folders.cache, true}, Options());
  EXPECT_TRUE(std::holds_alternative<Outcome>(refreshed));
  EXPECT_EQ(FolderEntries(folders.cache), (std::set<std::string>{"naca0012-re1e6.txt", "naca2412-re1e6.txt"}));
}

TEST(XfoilPolar, RefusesFailedRunsAndCachesNothing) {
  struct Case {
    const char* name;
    const char* standIn;  // the program on PATH; nullptr for none, "" for the real XFoil
    const char* request;
    const char* refusal;
  };
  const Case cases[] = {
      {"missing", nullptr, "naca0012@1e6", "XFoil bulunamadı: kurmak için apt install xfoil"},
      {"hang", "exec sleep 30\n", "naca0012@1e6", "XFoil NACA 0012 polarını 1 saniyede bitirmedi ve durduruldu"},
      {"cancelled", "exec sleep 30\n", "naca0012@1e6", "XFoil'in NACA 0012 poları iptal edildi"},
      // The trap switch must be preloaded from the run's folder.
      {"few rows",
       "[ -f \"$LD_PRELOAD\" ] || exit 3\n"
       "name=$(sed -n '/^PACC$/{n;p;q;}')\n"
       "printf ' alpha CL\\n ------ ----\\n 0 0\\n 1 0.1\\n 2 0.2\\n\\n' > \"$name\"\n",
       "naca0012@1e6", "XFoil NACA 0012 (Re 1e6) için yalnızca 3 açıda yakınsadı; polar için en az 10 açı gerekli"},
      {"crash", "echo 'Fortran runtime error: End of  file' >&2; exit 2\n", "naca0012@1e6",
       "XFoil NACA 0012 polarında 2 çıkış koduyla bitti: Fortran runtime error: End of file"},
      {"trapped", "printf '\\nProgram received signal SIGFPE.\\n\\nBacktrace for this error:\\n' >&2; kill -s FPE $$\n",
       "naca0012@1e6", "XFoil NACA 0012 polarında 8 sinyaliyle durdu: Program received signal SIGFPE."},
      {"unreadable coordinates", "", "junk.dat@1e6",
       "XFoil junk.dat için polar hesaplayamadı: File READ error. Unrecognizable file format"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PolarFolders folders;
    WriteFile("junk.dat", "junk\nnot a coordinate\n");
    if (c.standIn && *c.standIn) folders.StandIn(c.standIn);
    const std::string path = c.standIn && *c.standIn ? folders.programs.string() + ":/usr/bin:/bin"
                             : c.standIn             ? std::string(std::getenv("PATH"))
                                                     : folders.programs.string();
    const ScopedVariable onPath("PATH", path);
    XfoilRunOptions options = Options();
    options.timeLimit = std::chrono::seconds(1);
    if (std::string(c.name) == "cancelled") options.cancelled = [] { return true; };

    const auto started = std::chrono::steady_clock::now();
    std::variant<ComputedPolar, Outcome> computed = XfoilPolar(Request(c.request), {folders.cache}, options);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
    ASSERT_TRUE(std::holds_alternative<Outcome>(computed));
    EXPECT_EQ(std::get<Outcome>(computed).Message(), c.refusal);
    EXPECT_FALSE(std::filesystem::exists(folders.cache));
    EXPECT_EQ(FolderEntries(folders.temporary), std::set<std::string>{});
  }
}

TEST(PolarCache, LivesUnderTheUsersCacheFolder) {
  const ScopedVariable home("HOME", "/home/pilot");
  {
    const ScopedVariable cache("XDG_CACHE_HOME", "/var/cache/pilot");
    EXPECT_EQ(DefaultPolarCacheFolder(), std::filesystem::path("/var/cache/pilot/kelvane/polars"));
  }
  const ScopedVariable relative("XDG_CACHE_HOME", "cache");
  EXPECT_EQ(DefaultPolarCacheFolder(), std::filesystem::path("/home/pilot/.cache/kelvane/polars"));
  const ScopedVariable noHome("HOME", std::nullopt);
  EXPECT_EQ(DefaultPolarCacheFolder(), std::nullopt);
}

TEST(PolarSource, ReadsAFileOrServesARequestFromTheCache) {
  const std::string shipped = std::string(KELVANE_TEST_POLARS_DIR) + "/";
  PolarFolders folders;
  const ScopedVariable cacheHome("XDG_CACHE_HOME", folders.cache.string());
  std::filesystem::create_directories(folders.cache / "kelvane" / "polars");
  std::filesystem::copy_file(shipped + "naca2412-re1e6.txt", folders.cache / "kelvane/polars/naca2412-re1e6.txt");
  const ScopedVariable noXfoil("PATH", folders.programs.string());
  std::optional<SectionPolar> file;
  ASSERT_FALSE(ReadPolarFile(shipped + "naca2412-re1e6.txt", file).IsRefused());

  struct Case {
    const char* argument;
    bool refresh;
    const char* refusal;  // nullptr: the shipped NACA 2412 polar
  };
  const Case cases[] = {
      {"naca2412-re1e6.txt", false, nullptr},
      {"naca2412@1e6", false, nullptr},
      {"naca2412@1e6", true, "XFoil bulunamadı: kurmak için apt install xfoil"},
      {"naca2412@1e3", false, "Reynolds sayısı"},
      {"nosuch.txt", false, "nosuch.txt"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.argument);
    const std::string argument = std::string(c.argument).ends_with(".txt") ? shipped + c.argument : c.argument;
    int runs = 0;  // none: the cache serves the request, and no XFoil is found for a refresh
    const PolarSources sources{
        .refresh = c.refresh, .run = Options(), .computing = [&runs](const PolarRequest&) { ++runs; }};
    Expected<WingPolars> polars = LoadWingPolars(argument, shipped + "naca0012-re1e6.txt", sources);
    EXPECT_EQ(runs, 0);
    if (c.refusal) {
      ASSERT_TRUE(polars.IsRefused());
      EXPECT_NE(polars.Message().find(c.refusal), std::string::npos) << polars.Message();
      continue;
    }
    ASSERT_FALSE(polars.IsRefused()) << polars.Message();
    EXPECT_EQ(polars->root.Rows(), file->Rows());
    EXPECT_NE(polars->tip.Rows(), file->Rows());
  }

  const ScopedVariable noCache("XDG_CACHE_HOME", std::nullopt);
  const ScopedVariable noHome("HOME", std::nullopt);
  Expected<SectionPolar> homeless = LoadSectionPolar("naca2412@1e6", {.run = Options(), .computing = {}});
  EXPECT_EQ(homeless.Message(), "Polar önbelleği için klasör yok: ne XDG_CACHE_HOME ne HOME tanımlı");
}

}  // namespace
}  // namespace kelvane::xfoil
