#include "common/OutputName.h"

#include <algorithm>
#include <cctype>

namespace pelk::cli {

namespace {

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
  if (text.size() < suffix.size()) return false;
  return std::equal(suffix.begin(), suffix.end(), text.end() - static_cast<std::ptrdiff_t>(suffix.size()),
                    [](char a, char b) {
                      return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
                    });
}

}  // namespace

std::optional<ImageFormat> ImageFormatOf(std::string_view path) {
  for (ImageFormat format : {ImageFormat::Bmp, ImageFormat::Png}) {
    const std::string_view extension = ExtensionOf(format);
    // A bare ".png" names no file.
    if (path.size() > extension.size() && EndsWithNoCase(path, extension) &&
        path[path.size() - extension.size() - 1] != '/') {
      return format;
    }
  }
  return std::nullopt;
}

std::string_view ExtensionOf(ImageFormat format) { return format == ImageFormat::Bmp ? ".bmp" : ".png"; }

std::string_view WithoutImageExtension(std::string_view path) {
  if (const auto format = ImageFormatOf(path)) path.remove_suffix(ExtensionOf(*format).size());
  return path;
}

std::string NumberedFileName(std::string_view base, int index, ImageFormat format) {
  std::string name(base);
  name += '-';
  name += std::to_string(index);
  name += ExtensionOf(format);
  return name;
}

}  // namespace pelk::cli
