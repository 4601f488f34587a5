// A main window after start-up in a fresh working directory, as every form test begins.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/Module_ortak.h"
#include "support/ScopedWorkDir.h"
#include "ui/Form_Wing.h"

namespace kelvane::ui::testing {

using kelvane::testing::ReadFile;
using kelvane::testing::WriteFile;

inline std::unique_ptr<Form_Wing> StartForm() {
  auto form = std::make_unique<Form_Wing>();
  form->Form_Load();
  return form;
}

class StartedForm : public ::testing::Test {
 protected:
  kelvane::testing::ScopedWorkDir workDir;  // first, so the form starts inside it
  std::unique_ptr<Form_Wing> owned = StartForm();
  Form_Wing& form = *owned;

  // The messages shown since the given count of messages.
  std::vector<std::string> MessagesSince(std::size_t count) const {
    const auto& all = form.Messages();
    return {all.begin() + static_cast<std::ptrdiff_t>(count), all.end()};
  }
};

// The lines of a text whose lines all end in CR LF.
inline std::vector<std::string> CrLfLines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0, end; start < text.size(); start = end + 2) {
    end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

}  // namespace kelvane::ui::testing
