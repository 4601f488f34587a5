// Gaussian elimination with partial pivoting on the shared augmented matrix.
#pragma once

#include "model/Module_ortak.h"
#include "model/Outcome.h"
#include "solver/SystemCache.h"

namespace kelvane {

inline constexpr const char* kSingularSystemMessage =
    "Denklem sistemi çözülemedi: katsayılar matrisi tekil. Kesit özelliklerini kontrol ediniz";

// Reads N and CoefMatrix; writes N1, CoefMatrix and X(1..N).
// Solves rows 1..N, columns 1..N of the record's CoefMatrix against column N1 (set to N + 1 on entry), in place:
// the rows end as a unit upper-triangular system and X(1..N) holds the solution. Entries outside rows
// 1..N and columns 1..N1 are untouched. Refuses, leaving X untouched, when N is no station count, a pivot
// is zero or not finite, or the solution would not be finite. The elimination of the same matrix as last
// time is replayed from the cache rather than repeated (solver/SystemCache.h).
Outcome Gauss(Module_ortak& m, SystemCache& cache);

}  // namespace kelvane
