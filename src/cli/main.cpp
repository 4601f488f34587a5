// kelvane-solve: solves a wing configuration file without a window.
#include <iostream>
#include <string_view>
#include <vector>

#include "cli/BatchRun.h"
#include "model/TextFile.h"

int main(int argc, char** argv) {
  kelvane::IgnoreFileSizeSignal();
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  return kelvane::cli::SolveMain(args, std::cout, std::cerr);
}
