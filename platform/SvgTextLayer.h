// The texts of a page as invisible SVG text elements laid over the glyphs
// cairo draws as shapes, so that an SVG document's text can be searched
// and selected like a PDF's.
#pragma once

#include <string>

#include "platform/PageRecording.h"

namespace pelk {

class SvgTextLayer final : public RecordingVisitor {
 public:
  // Page pixels to the document's points.
  SvgTextLayer(int dpiX, int dpiY) : scaleX_(72.0 / dpiX), scaleY_(72.0 / dpiY) {}

  void Clip(const TRect&) override {}
  void Stroke(std::uint32_t, int, bool, std::span<const RecordedPoint>) override {}
  void Boxes(std::uint32_t, std::span<const RecordedPoint>) override {}
  void Image(const TRect&, std::span<const std::uint32_t>) override {}
  // One element per run: its characters at their glyphs' places along the
  // run's direction, at the run's em size, fully transparent.
  void Text(std::uint32_t rgb, const RecordedFont& font, TextRotation rotation, std::span<const RecordedGlyph> glyphs,
            std::string_view utf8) override;

  // The elements gathered so far, as one group; empty without text.
  std::string Group() const;

 private:
  double scaleX_;
  double scaleY_;
  std::string elements_;
};

// The UTF-8 text as XML character data: markup characters escaped, and
// characters XML does not allow dropped.
std::string XmlText(std::string_view utf8);

}  // namespace pelk
