// Round axis scaling: an origin and a step of 1, 2, 4 or 5 times a power of ten
// so that `divisions` steps from the origin cover [lo, hi].
#pragma once

#include <optional>
#include <utility>

namespace pelk {

// Returns (origin, step). Equal bounds come back unchanged as (lo, hi); with
// hi < lo the scale runs downwards (negative step, origin at the top).
// nullopt for NaN or infinite bounds, divisions <= 0 and ranges no finite
// step covers (one division across zero, ranges near the float limit).
std::optional<std::pair<float, float>> NiceScale(float lo, float hi, int divisions, double ln10);

}  // namespace pelk
