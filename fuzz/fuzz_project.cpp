// Arbitrary bytes as a project file: the reader either refuses them with a message or hands over a project
// whose written text reads back to itself, so a design saved from what was opened is never lost or changed.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "project/ProjectFile.h"

namespace {

[[noreturn]] void Fail(const char* what, const std::string& text) {
  std::fprintf(stderr, "%s:\n%s\n", what, text.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kelvane::project;
  const std::string_view content(reinterpret_cast<const char*>(data), size);
  const auto read = ReadProjectText("fuzz.kelvane", content);
  if (!read) {
    if (read.Message().empty()) Fail("a refusal said nothing", std::string(content));
    return 0;
  }
  const std::string written = ProjectText(*read);
  const auto again = ReadProjectText("fuzz.kelvane", written);
  if (!again) Fail(("the written text was refused: " + again.Message()).c_str(), written);
  if (ProjectText(*again) != written) Fail("the written text did not read back to itself", written);
  return 0;
}
