// Colours of the series: the palette they take by column, and colours given
// by name or as #RRGGBB on the command line.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "platform/Types.h"

namespace pelk::cli {

// The pen colour of the index-th column: a fixed palette of colours that
// stand apart from the grid and the backgrounds, repeating.
TColor SeriesColor(std::size_t index);

// One of the names ColorNames lists (any letter case), or #RRGGBB.
std::optional<TColor> ParseColor(std::string_view text);

// The colour names ParseColor knows, separated by ", ".
std::string_view ColorNames();

}  // namespace pelk::cli
