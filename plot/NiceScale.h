// Round axis scaling: an origin and a step of 1, 2, 4 or 5 times a power of ten
// so that `divisions` steps from the origin cover [lo, hi].
#pragma once

#include <optional>
#include <utility>

namespace pelk {

// Returns (origin, step), each rounded to single precision unless that
// would overflow (ranges near the float limit), then in double precision.
// Equal bounds come back unchanged as (lo, hi); with hi < lo the scale runs
// downwards (negative step, origin at the top). nullopt for NaN or infinite
// bounds, divisions <= 0 and ranges no step covers (one division across zero).
std::optional<std::pair<double, double>> NiceScale(float lo, float hi, int divisions, double ln10);

// v rounded to single precision, or v itself where a float would overflow.
double SingleWhereItFits(double v);

}  // namespace pelk
