// Section polar files: XFoil's and XFLR5's polar text (the rows after the first line made only of dashes
// and blanks) and CSV under a header that starts "alpha,cl,cd". Each row gives alpha (degrees), CL and CD;
// further columns are ignored. Rows may come in any order and are sorted by alpha; an exact repeat of a row
// is dropped.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "model/Outcome.h"
#include "polars/SectionPolar.h"

namespace kelvane {

// Larger than any polar by far: a wrong pick is refused at once.
inline constexpr std::size_t kPolarSizeLimit = 1024 * 1024;

// The polar in the file at path. Refuses, naming the file by its last characters and the line, a repeated
// alpha with other values, fewer than two rows, a value that is not a finite number, an alpha beyond ±180°,
// a row with fewer than three columns, a file over kPolarSizeLimit bytes or one that cannot be read; polar
// keeps what it held then.
Outcome ReadPolarFile(const std::string& path, std::optional<SectionPolar>& polar);

// The same for a polar's content already in hand; name stands for the file in messages.
Outcome ReadPolarText(std::string_view content, std::string_view name, std::optional<SectionPolar>& polar);

}  // namespace kelvane
