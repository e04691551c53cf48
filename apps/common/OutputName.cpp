#include "common/OutputName.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace pelk::cli {

namespace {

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
  if (text.size() < suffix.size()) return false;
  return std::equal(suffix.begin(), suffix.end(), text.end() - static_cast<std::ptrdiff_t>(suffix.size()),
                    [](char a, char b) {
                      return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
                    });
}

// A name ending in the extension after something (a bare ".png" names no file).
bool NamesFileWith(std::string_view path, std::string_view extension) {
  return path.size() > extension.size() && EndsWithNoCase(path, extension) &&
         path[path.size() - extension.size() - 1] != '/';
}

}  // namespace

std::optional<ImageFormat> ImageFormatOf(std::string_view path) {
  for (ImageFormat format : {ImageFormat::Bmp, ImageFormat::Png}) {
    if (NamesFileWith(path, ExtensionOf(format))) return format;
  }
  return std::nullopt;
}

std::optional<DocumentFormat> PrintFormatOf(std::string_view path) {
  constexpr std::pair<DocumentFormat, std::string_view> kExtensions[] = {
      {DocumentFormat::Pdf, ".pdf"}, {DocumentFormat::PostScript, ".ps"}, {DocumentFormat::Svg, ".svg"}};
  for (const auto& [format, extension] : kExtensions) {
    if (NamesFileWith(path, extension)) return format;
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
