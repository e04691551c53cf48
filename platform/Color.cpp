#include <array>

#include "platform/Types.h"

namespace pelk {

namespace {

// The classic desktop colour scheme, by system colour index.
constexpr std::array<TColor, 25> kSystemColors = {
    0xC0C0C0,  // scroll bar
    0x808000,  // background
    0x800000,  // active caption
    0x808080,  // inactive caption
    0xC0C0C0,  // menu
    0xFFFFFF,  // window
    0x000000,  // window frame
    0x000000,  // menu text
    0x000000,  // window text
    0xFFFFFF,  // caption text
    0xC0C0C0,  // active border
    0xC0C0C0,  // inactive border
    0x808080,  // application workspace
    0x800000,  // highlight
    0xFFFFFF,  // highlight text
    0xC0C0C0,  // button face
    0x808080,  // button shadow
    0x808080,  // gray text
    0x000000,  // button text
    0xC0C0C0,  // inactive caption text
    0xFFFFFF,  // button highlight
    0x000000,  // 3-D dark shadow
    0xDFDFDF,  // 3-D light
    0x000000,  // info text
    0xE1FFFF,  // info background
};

}  // namespace

TColor SystemColorToRGB(TColor color) {
  const TColor index = color & 0xFF;
  return index < kSystemColors.size() ? kSystemColors[index] : 0;
}

}  // namespace pelk
