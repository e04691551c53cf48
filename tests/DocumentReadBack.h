// Reading printed documents back in tests: poppler's tools run on a file,
// a page rasterised at a resolution, and how closely two pages' ink agrees.
#pragma once

#include <cctype>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/Surface.h"

namespace pelk {

struct CommandResult {
  int status = -1;
  std::string output;  // standard output and error
};

inline CommandResult RunCommand(const std::string& command) {
  CommandResult result;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return result;
  char chunk[4096];
  std::size_t n = 0;
  while ((n = fread(chunk, 1, sizeof chunk, pipe)) > 0) result.output.append(chunk, n);
  result.status = pclose(pipe);
  return result;
}

inline std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// A binary PPM (P6, maxval 255) as a surface; empty when malformed.
inline Surface ReadPpm(const std::string& path) {
  const std::string data = ReadText(path);
  std::size_t pos = 0;
  const auto field = [&]() -> long {
    while (pos < data.size() && (std::isspace(static_cast<unsigned char>(data[pos])) || data[pos] == '#')) {
      if (data[pos] == '#') pos = data.find('\n', pos);
      if (pos == std::string::npos) return -1;
      ++pos;
    }
    long v = 0;
    bool any = false;
    while (pos < data.size() && std::isdigit(static_cast<unsigned char>(data[pos]))) {
      v = v * 10 + (data[pos++] - '0');
      any = true;
    }
    return any ? v : -1;
  };
  if (data.compare(0, 2, "P6") != 0) return {};
  pos = 2;
  const long width = field(), height = field(), maxval = field();
  ++pos;  // the single white space before the samples
  if (width <= 0 || height <= 0 || maxval != 255 ||
      data.size() - pos < static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3) {
    return {};
  }
  Surface page(static_cast<int>(width), static_cast<int>(height));
  const auto* p = reinterpret_cast<const unsigned char*>(data.data() + pos);
  for (int y = 0; y < page.Height(); ++y) {
    for (int x = 0; x < page.Width(); ++x, p += 3) {
      page.Set(x, y, std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16));
    }
  }
  return page;
}

// Page `page` (from 1) of a PDF rasterised without antialiasing.
inline Surface RasterisePdfPage(const std::string& pdf, int dpi, int page, const std::string& outputStem) {
  const std::string p = std::to_string(page);
  RunCommand("pdftoppm -r " + std::to_string(dpi) + " -aa no -aaVector no -f " + p + " -l " + p +
             " -singlefile '" + pdf + "' '" + outputStem + "'");
  return ReadPpm(outputStem + ".ppm");
}

inline bool IsInk(std::uint32_t rgb) { return (rgb & 0xFFFFFF) != 0xFFFFFF; }

// The share of a's ink pixels with an ink pixel of b at most one pixel away
// (in the 3 x 3 block around them); 1 when a has no ink.
inline double InkNear(const Surface& a, const Surface& b) {
  std::size_t ink = 0, near = 0;
  for (int y = 0; y < a.Height(); ++y) {
    for (int x = 0; x < a.Width(); ++x) {
      if (!IsInk(a.Get(x, y))) continue;
      ++ink;
      bool found = false;
      for (int dy = -1; dy <= 1 && !found; ++dy) {
        for (int dx = -1; dx <= 1 && !found; ++dx) {
          const int bx = x + dx, by = y + dy;
          found = b.Contains(bx, by) && IsInk(b.Get(bx, by));
        }
      }
      if (found) ++near;
    }
  }
  return ink == 0 ? 1.0 : static_cast<double>(near) / static_cast<double>(ink);
}

}  // namespace pelk
