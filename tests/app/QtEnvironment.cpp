// One QApplication for the whole test program, with the font the window is made for.
#include <gtest/gtest.h>

#include <QApplication>

#include "app/Launch.h"

namespace {

class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    application_ = new QApplication(argc_, argv_);
    kelvane::app::UseDesignFont(*application_);
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
