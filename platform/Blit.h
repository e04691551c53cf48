// Block transfer between surfaces with a copy mode, stretching to the
// nearest pixel when the rectangles differ in size.
#pragma once

#include <cstdint>

#include "platform/Surface.h"
#include "platform/Types.h"

namespace pelk {

// A rectangle in surface coordinates that may lie far outside any surface.
// Right and bottom are excluded; an extent of the other sign mirrors.
struct Rect64 {
  std::int64_t Left = 0;
  std::int64_t Top = 0;
  std::int64_t Right = 0;
  std::int64_t Bottom = 0;
};

// For a destination run of destLen pixels fed from srcLen source pixels:
// the source offset sampled by destination offset j (at the pixel centre).
std::int64_t NearestSourceOffset(std::int64_t j, std::int64_t destLen, std::int64_t srcLen);

// Copies srcRect of src onto dest of dst: each destination pixel inside clip
// whose source pixel lies on src becomes ApplyCopyMode(mode, source,
// destination, brush). src may be dst, also overlapping.
void StretchBlit(Surface& dst, const TRect& clip, const Rect64& dest, const Surface& src,
                 const Rect64& srcRect, TCopyMode mode, std::uint32_t brush);

}  // namespace pelk
