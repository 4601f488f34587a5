// One configuration file through the window as a user would take it: read it, draw the planform, solve
// for the given angle, then for the given CL with the detailed report. Shared by the fuzz target and the
// corpus replay test.
#pragma once

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "model/Module_ortak.h"
#include "testkit/ResultChecks.h"
#include "ui/Form_Wing.h"

namespace kelvane::reliability {

inline std::string FileContents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs in the current working directory; returns every fault found, each prefixed by its stage.
inline std::vector<std::string> ReplayConfig(const std::string& configPath) {
  std::remove(ui::kLastConfigFileName);
  ui::Form_Wing form;
  form.Form_Load();

  std::vector<std::string> faults;
  const auto check = [&](const char* stage) {
    for (const auto& fault : FaultsIn(form, FileContents(kReportFileName), FileContents(ui::kLastConfigFileName)))
      faults.push_back(std::string("after ") + stage + ": " + fault);
  };
  form.ConfigFileName = configPath;
  form.ReadAnExistingConfig_from_aFile();
  check("the read");
  form.Cmd_Planform_Click();
  check("the planform command");
  form.Option_Alfa.Click();
  form.PLL_Click();
  check("a solution for the given angle");
  form.Option_CL.Click();
  form.Check1.SetValue(1);  // the detailed report sections print every table
  form.PLL_Click();
  check("a solution for the given CL");
  return faults;
}

}  // namespace kelvane::reliability
