#include "render/ExportFormat.h"

#include <algorithm>

namespace pelk {

bool NamesPngFile(std::string_view fileName) {
  constexpr std::string_view kExtension = ".png";
  if (fileName.size() < kExtension.size()) return false;
  const std::string_view tail = fileName.substr(fileName.size() - kExtension.size());
  // ASCII letters only: a locale must not change which file format is written.
  return std::equal(tail.begin(), tail.end(), kExtension.begin(), [](char c, char lower) {
    return (c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) == lower;
  });
}

}  // namespace pelk
