// One count of the changes to drawing state: every effective change of a
// pen, brush or font, of a canvas's clip, of a surface's storage or size, of
// a control's place or parent, and of the settings a graph plots by moves
// it. State derived from any of these (a graph's plot session, the
// direct line state of a canvas) stays valid while the count is the one it
// was derived at. Like the rest of the platform it belongs to the
// user-interface thread.
#pragma once

#include <cstdint>

namespace pelk {

namespace detail {
inline std::uint64_t drawingStateGeneration = 0;
}  // namespace detail

inline std::uint64_t DrawingStateGeneration() { return detail::drawingStateGeneration; }

inline void DrawingStateChanged() { ++detail::drawingStateGeneration; }

}  // namespace pelk
