// Which image format SaveToFile writes for a file name.
#pragma once

#include <string_view>

namespace pelk {

// True for a name ending in ".png" in any letter case; every other name
// gets a Windows BMP.
bool NamesPngFile(std::string_view fileName);

}  // namespace pelk
