// Taking the interpreter lock back for signals and notices.
#include "CallsWithoutLock.h"

namespace py = pybind11;

namespace kelvane::python {

bool Interruption::Check() {
  if (error_) return true;
  py::gil_scoped_acquire lock;
  // Python runs signal handlers in the main thread only; elsewhere this finds nothing.
  if (PyErr_CheckSignals() != 0) error_.emplace();
  return error_.has_value();
}

void Interruption::RethrowIfRaised() {
  if (error_) throw std::move(*error_);
}

void ToStandardError(const std::string& line) {
  py::gil_scoped_acquire lock;
  try {
    py::print(line, py::arg("file") = py::module_::import("sys").attr("stderr"));
  } catch (const py::error_already_set&) {
    // A notice that cannot be shown (standard error closed or replaced) must not end the call.
  }
}

}  // namespace kelvane::python
