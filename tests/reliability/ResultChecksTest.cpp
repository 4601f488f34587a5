// The checks the hostile-input tests and the fuzzers rely on must fire, or every run would pass.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "support/ScopedWorkDir.h"
#include "testkit/ResultChecks.h"
#include "ui/StartedForm.h"

namespace kelvane::reliability {
namespace {

TEST(ResultChecks, TellNonFiniteWordsAndShownNumbers) {
  struct Case {
    std::string text;
    bool nonFinite;
    bool shownNumber;
  };
  const Case cases[] = {
      {"", false, true},          {"0.91385", false, true},  {"-1.5E+20", false, true},
      {"Inf", true, false},       {"-inf", true, false},     {"NaN", true, false},
      {"-nan(ind)", true, false}, {"Infinity", true, false}, {"  CL  = nan", true, false},
      {"0.50", false, false},     {"abc", false, false},     {"Finans", false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HasNonFiniteWord(c.text), c.nonFinite) << c.text;
    EXPECT_EQ(IsShownNumber(c.text), c.shownNumber) << c.text;
  }
}

TEST(ResultChecks, FindGarbageInABoxAFileAndTheRecord) {
  kelvane::testing::ScopedWorkDir workDir;
  auto form = ui::testing::StartForm();
  EXPECT_TRUE(FaultsIn(*form, "", "").empty());

  form->Text_E.SetText("Inf");
  form->Record().Gamma[101] = std::numeric_limits<double>::quiet_NaN();
  // A non-finite word, a box that is not a number, two files, the record.
  EXPECT_EQ(FaultsIn(*form, " nan ", "-Inf ").size(), 5u);
}

}  // namespace
}  // namespace kelvane::reliability
