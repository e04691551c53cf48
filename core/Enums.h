// The component's enumerations, each one byte with ordinals from 0.
#pragma once

#include <cstdint>

namespace pelk {

/// How a fixed-size graph changes its division widths to fit the control:
/// only wider, only narrower, both ways, or not at all.
enum class TStretchOption : std::uint8_t { StretchOnly, ShrinkOnly, Yes, No };
/// The mouse button that drags the zoom box.
enum class TZButton : std::uint8_t { MouseLeft, MouseRight, MouseMiddle };
/// The modifier keys held with the button to drag the zoom box.
enum class TZKey : std::uint8_t { None, Shift, Ctrl, Alt, ShiftAlt, CtrlAlt, CtrlShift };
/// The orientation of an axis's numbers.
enum class TAnnotationAngle : std::uint8_t { Horizontal, Vertical };
/// Whether a data line includes its end pixel (Graph) or leaves it out (Windows).
enum class TLineMode : std::uint8_t { Graph, Windows };
/// Where the plotting calls draw.
enum class TPlotDestination : std::uint8_t { ScreenOnly, PrinterOnly, Both };

}  // namespace pelk
