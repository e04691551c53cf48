#include "platform/StrokeGeometry.h"

#include "platform/WideLine.h"

namespace pelk {

double StrokeOffset(int penWidth) { return penWidth > 1 ? 0.5 - BandCentreOffset(penWidth) : 0.5; }

}  // namespace pelk
