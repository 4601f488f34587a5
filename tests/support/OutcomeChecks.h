// Assertions on an Outcome that show the refusal's message when they fail.
#pragma once

#include <gtest/gtest.h>

#include "model/Outcome.h"

namespace kelvane::testing {

inline ::testing::AssertionResult Done(const Outcome& outcome) {
  if (!outcome.IsRefused()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "refused: " << outcome.Message();
}

// Refused, and with a message for the user.
inline ::testing::AssertionResult Refused(const Outcome& outcome) {
  if (!outcome.IsRefused()) return ::testing::AssertionFailure() << "went through";
  if (outcome.Message().empty()) return ::testing::AssertionFailure() << "refused without a message";
  return ::testing::AssertionSuccess();
}

}  // namespace kelvane::testing
