// A count that changes whenever a drawing device may have changed shape: a
// surface resized, moved or freed, a control moved, resized or re-parented.
// A canvas keeps the state it resolved from its device while the count
// stays the same.
#pragma once

#include <atomic>
#include <cstdint>

namespace pelk {

namespace detail {
inline std::atomic<std::uint64_t> deviceEpoch{0};
}  // namespace detail

inline std::uint64_t DeviceEpoch() { return detail::deviceEpoch.load(std::memory_order_relaxed); }

inline void DeviceChanged() { detail::deviceEpoch.fetch_add(1, std::memory_order_relaxed); }

}  // namespace pelk
