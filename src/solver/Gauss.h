// Gaussian elimination with partial pivoting on the shared augmented matrix.
#pragma once

namespace kelvane {

// Solves rows 1..N, columns 1..N of ortak.CoefMatrix against column N1 (set to N + 1 on entry), in place:
// the rows end as a unit upper-triangular system and X(1..N) holds the solution. Entries outside rows
// 1..N and columns 1..N1 are untouched. Returns false, leaving X untouched, when a pivot is zero or not
// finite or the solution would not be finite.
bool Gauss();

}  // namespace kelvane
