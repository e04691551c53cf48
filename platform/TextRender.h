// Drawing a line of text from a realised font onto a surface.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/RealisedFont.h"
#include "platform/Surface.h"
#include "platform/TextGeometry.h"

namespace pelk {

struct TextPaint {
  std::int64_t x = 0;  // reference point, surface coordinates
  std::int64_t y = 0;
  std::uint32_t align = 0;  // TA_ flags; TA_UPDATECP is ignored
  TextRotation rotation = TextRotation::None;
  bool opaque = false;            // fill the text cell with `background` first
  std::uint32_t background = 0;   // 0x00BBGGRR
  std::uint32_t foreground = 0;   // 0x00BBGGRR
  bool underline = false;
  bool strikeOut = false;
  PixelBox clip;  // surface pixels that may change
};

// Draws the UTF-8 text; nothing outside paint.clip or the surface changes.
void DrawTextRun(Surface& surface, RealisedFont& font, std::string_view text, const TextPaint& paint);

}  // namespace pelk
