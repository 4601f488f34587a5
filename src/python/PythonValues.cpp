// The loads and optional numbers as Python values.
#include "PythonValues.h"

namespace kelvane::python {
namespace {

// The drags beside the table's forces, with section polars.
constexpr const char* kProfileDragName = "Dp";
constexpr const char* kDragName = "D";

}  // namespace

py::object OptionalFloat(const std::optional<double>& value) {
  return value ? py::object(py::float_(*value)) : py::object(py::none());
}

bool AtRoot(const Quantity<SpanLoads>& quantity) {
  return quantity.member == &SpanLoads::Q0 || quantity.member == &SpanLoads::M0;
}

void PutLoads(py::dict& values, const SpanLoads& loads) {
  py::dict along;
  PutColumns(along, kStationLoadQuantities, loads.stations);
  for (const auto& quantity : kLoadQuantities)
    (AtRoot(quantity) ? along : values)[quantity.name] = loads.*quantity.member;
  if (loads.Dp) values[kProfileDragName] = *loads.Dp;
  if (loads.D) values[kDragName] = *loads.D;
  values["loads"] = along;
}

}  // namespace kelvane::python
