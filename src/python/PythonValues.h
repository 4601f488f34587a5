// The engine's results as Python values: columns of rows as numpy arrays, optional numbers as None, the
// quantity tables as (name, title, unit) rows, and a wing's loads.
#pragma once

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <optional>
#include <string>
#include <vector>

#include "model/Outcome.h"
#include "results/Quantities.h"
#include "results/SpanLoads.h"

namespace kelvane::python {

namespace py = pybind11;

// One value of every row as a numpy array of Cell.
template <typename Cell = double, typename Row, typename Value>
py::array_t<Cell> Column(const std::vector<Row>& rows, Value value) {
  py::array_t<Cell> column(static_cast<py::ssize_t>(rows.size()));
  auto cells = column.template mutable_unchecked<1>();
  for (std::size_t k = 0; k < rows.size(); ++k) cells(static_cast<py::ssize_t>(k)) = value(rows[k]);
  return column;
}

template <typename Row, typename Member>
py::array_t<Member> Column(const std::vector<Row>& rows, Member Row::*member) {
  return Column<Member>(rows, [member](const Row& row) { return row.*member; });
}

// A column per quantity of the table, in its order, into dict.
template <typename Quantities, typename Row>
void PutColumns(py::dict& dict, const Quantities& quantities, const std::vector<Row>& rows) {
  for (const auto& quantity : quantities) dict[quantity.name] = Column(rows, quantity.member);
}

py::object OptionalFloat(const std::optional<double>& value);

// The table's rows as (name, title, unit).
template <typename Quantities>
py::tuple Describe(const Quantities& quantities) {
  py::list rows;
  for (const auto& quantity : quantities) rows.append(py::make_tuple(quantity.name, quantity.title, quantity.unit));
  return py::tuple(rows);
}

// Whether the load is the root's (Q0, M0), which go with the stations' loads, rather than a force on the
// whole wing (L, Di).
bool AtRoot(const Quantity<SpanLoads>& quantity);

// The wing's forces into values: L and Di, and Dp and D with section polars; and values["loads"], the
// stations' arrays with the root's Q0 and M0.
void PutLoads(py::dict& values, const SpanLoads& loads);

// What a call hands back: (None, values), or (the refusal's message, None).
template <typename T, typename Convert>
py::tuple Answer(const Expected<T>& result, Convert convert) {
  if (!result) return py::make_tuple(result.Message(), py::none());
  return py::make_tuple(py::none(), convert(*result));
}

}  // namespace kelvane::python
