// Saving the picture a graph shows, as BMP or PNG by the file's extension.
#pragma once

#include <string>

#include "core/Pelkgraph.h"

namespace pelk::cli {

// Throws EFileError when the file cannot be written, std::invalid_argument
// for a name without a .bmp or .png extension.
void SavePicture(TPelkgraph& graph, const std::string& path);

}  // namespace pelk::cli
