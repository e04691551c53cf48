// A run of indices, first .. last with both ends included; empty when
// last < first.
#pragma once

#include <cstdint>

namespace pelk {

struct IndexRange {
  std::int64_t first = 0;
  std::int64_t last = -1;
  bool Empty() const { return last < first; }
};

}  // namespace pelk
