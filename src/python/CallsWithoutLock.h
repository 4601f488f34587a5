// Calls run without the interpreter lock, so that other Python threads go on meanwhile: a sweep or an
// XFoil run takes seconds. What a call must still do with Python it does with the lock taken back for a
// moment: let Python handle pending signals between steps (Ctrl+C), and print a notice.
#pragma once

#include <pybind11/pybind11.h>

#include <optional>
#include <string>
#include <utility>

namespace kelvane::python {

class Interruption {
 public:
  // Lets Python handle pending signals; true when a handler has raised, now or before (KeyboardInterrupt,
  // or what a script's handler raises): the call should stop. Called without the interpreter lock.
  bool Check();
  bool Raised() const { return error_.has_value(); }
  // Raises the handler's exception again, if there was one. Called with the lock.
  void RethrowIfRaised();

 private:
  std::optional<pybind11::error_already_set> error_;
};

// Runs work(interruption) without the interpreter lock, then raises what a signal handler raised meanwhile,
// if anything; else hands back what work did.
template <typename Work>
auto Unlocked(Work work) {
  Interruption interruption;
  std::optional<decltype(work(interruption))> result;
  {
    pybind11::gil_scoped_release unlocked;
    result.emplace(work(interruption));
  }
  interruption.RethrowIfRaised();
  return std::move(*result);
}

// Prints the line on Python's standard error. Called without the interpreter lock.
void ToStandardError(const std::string& line);

}  // namespace kelvane::python
