// Arbitrary bytes as a configuration file: read through the window, then the planform and both solution
// modes. Whatever the file holds, no box, report or saved configuration may show a non-finite number.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "testkit/ConfigReplay.h"

namespace {

constexpr const char* kInputName = "fuzz.cfg";

std::string workFolder;

void RemoveWorkFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(workFolder, ignored);
}

}  // namespace

// The report and the saved configuration land in a folder of this process's own.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  workFolder = (std::filesystem::temp_directory_path() / "kelvane-fuzz-XXXXXX").string();
  if (!mkdtemp(workFolder.data()) || chdir(workFolder.c_str()) != 0) std::abort();
  std::atexit(RemoveWorkFolder);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  {
    std::ofstream out(kInputName, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  const auto faults = kelvane::reliability::ReplayConfig(kInputName);
  for (const auto& fault : faults) std::fprintf(stderr, "%s\n", fault.c_str());
  if (!faults.empty()) std::abort();
  return 0;
}
