// The window program's entry point.
#include <iostream>
#include <string_view>
#include <vector>

#include "app/InfoOptions.h"
#include "app/Launch.h"
#include "model/TextFile.h"

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  if (const auto status = kelvane::app::AnswerInfoOption(args, std::cout)) return *status;
  kelvane::IgnoreFileSizeSignal();
  return kelvane::app::RunKelvane(argc, argv);
}
