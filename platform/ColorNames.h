// Names of the colours that have one (clSilver, clBtnFace, ...), as form
// files write them.
#pragma once

#include <optional>
#include <string_view>

#include "platform/Types.h"

namespace pelk {

// The colour's name, or empty when it has none.
std::string_view ColorToIdent(TColor color);
// The colour of a name (case-insensitive), if it is one.
std::optional<TColor> IdentToColor(std::string_view name);

}  // namespace pelk
