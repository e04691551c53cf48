// The first pixel in which two surfaces differ, for tests that compare a
// picture with a reference.
#pragma once

#include <optional>
#include <sstream>
#include <string>

#include "platform/Surface.h"

namespace pelk {

// Describes the sizes when they differ, else the first differing pixel in
// row order; none when the surfaces are equal.
inline std::optional<std::string> FirstDifference(const Surface& got, const Surface& want) {
  std::ostringstream out;
  if (got.Width() != want.Width() || got.Height() != want.Height()) {
    out << got.Width() << " x " << got.Height() << " instead of " << want.Width() << " x " << want.Height();
    return out.str();
  }
  for (int y = 0; y < want.Height(); ++y)
    for (int x = 0; x < want.Width(); ++x)
      if (got.Get(x, y) != want.Get(x, y)) {
        out << "first difference at (" << x << ", " << y << "): " << std::hex << got.Get(x, y) << " instead of "
            << want.Get(x, y);
        return out.str();
      }
  return std::nullopt;
}

}  // namespace pelk
