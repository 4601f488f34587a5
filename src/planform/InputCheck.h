// How a planform step refuses its input: it raises InputError, which the planform command tests after
// each step, and hands back the message for the user.
#pragma once

#include <string>
#include <utility>

#include "model/Module_ortak.h"
#include "model/Outcome.h"

namespace kelvane {

inline Outcome RefuseInput(Module_ortak& m, std::string message) {
  m.InputError = true;
  return Outcome::Refused(std::move(message));
}

}  // namespace kelvane
