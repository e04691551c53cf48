// The component's icon on the designer's palette: the bitmap resource
// TPELKGRAPH, and resources found by name.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "platform/Bitmap.h"

namespace pelk {

inline constexpr std::string_view kResourceTypeBitmap = "BITMAP";
inline constexpr std::uint16_t kLanguageUsEnglish = 1033;

struct Resource {
  std::string_view type;
  std::string_view name;
  std::uint16_t language = 0;
  std::span<const std::uint8_t> bytes;  // BITMAP: a device-independent bitmap without file header
};

// The library's resource of that type and name (case-insensitive), if any.
std::optional<Resource> FindResource(std::string_view type, std::string_view name);

// Loads a BITMAP resource into bitmap; throws EReadError when there is none.
void LoadBitmapResource(TBitmap& bitmap, std::string_view name);
// The BMP file of a BITMAP resource, as `pelkgraph palette` writes it.
std::vector<std::uint8_t> BitmapResourceFile(std::string_view name);

}  // namespace pelk
