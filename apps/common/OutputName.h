// Output file names: the image format an extension names, and the names the
// demo derives from the one it is given.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pelk::cli {

enum class ImageFormat { Bmp, Png };

// The format named by the path's extension (case-insensitive), if any.
std::optional<ImageFormat> ImageFormatOf(std::string_view path);

std::string_view ExtensionOf(ImageFormat format);

// Documents the printer writes: PDF, PostScript, SVG.
enum class DocumentFormat { Pdf, PostScript, Svg };
std::optional<DocumentFormat> PrintFormatOf(std::string_view path);

// The path without a .bmp or .png extension.
std::string_view WithoutImageExtension(std::string_view path);

// "<base>-<index>.<ext>": the index-th demo picture in the given format.
std::string NumberedFileName(std::string_view base, int index, ImageFormat format);

}  // namespace pelk::cli
