// The component's enumerations, each one byte with ordinals from 0.
#pragma once

#include <cstdint>

namespace pelk {

enum class TStretchOption : std::uint8_t { StretchOnly, ShrinkOnly, Yes, No };
enum class TZButton : std::uint8_t { MouseLeft, MouseRight, MouseMiddle };
enum class TZKey : std::uint8_t { None, Shift, Ctrl, Alt, ShiftAlt, CtrlAlt, CtrlShift };
enum class TAnnotationAngle : std::uint8_t { Horizontal, Vertical };
enum class TLineMode : std::uint8_t { Graph, Windows };
enum class TPlotDestination : std::uint8_t { ScreenOnly, PrinterOnly, Both };

}  // namespace pelk
