// One QApplication for the whole test program, with the font the window is made for, on the Turkish
// desktop the window is used on: QApplication takes the C library's locale from the environment.
#include <gtest/gtest.h>

#include <QApplication>

#include <stdlib.h>

#include "app/Launch.h"
#include "support/TurkishLocale.h"

namespace {

using kelvane::testing::kTurkishLocale;

class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    const std::string problem = kelvane::testing::ProvideTurkishLocale();
    ASSERT_EQ(problem, "");
    setenv("LC_ALL", kTurkishLocale, 1);
    application_ = new QApplication(argc_, argv_);
    kelvane::app::UseDesignLook(*application_);
    kelvane::app::UseTurkishQtTexts(*application_);
    ASSERT_TRUE(kelvane::testing::TurkishNumbersActive()) << "the window tests must run under " << kTurkishLocale;
  }
  void TearDown() override { delete application_; }

 private:
  int argc_ = 1;
  char name_[9] = "test_app";
  char* argv_[2] = {name_, nullptr};
  QApplication* application_ = nullptr;
};

[[maybe_unused]] const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
