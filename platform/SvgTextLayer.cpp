#include "platform/SvgTextLayer.h"

#include <cstdio>

#include "platform/Utf8.h"

namespace pelk {

namespace {

// A number for an attribute: short, and never in an exponent form.
std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3f", value);
  std::string s(text);
  s.erase(s.find_last_not_of('0') + 1);
  if (s.back() == '.') s.pop_back();
  return s == "-0" ? "0" : s;
}

bool AllowedInXml(char32_t c) {
  return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
         (c >= 0x10000 && c <= 0x10FFFF);
}

}  // namespace

std::string XmlText(std::string_view utf8) {
  std::string out;
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const char32_t c = NextCodePoint(utf8, pos);
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default:
        if (AllowedInXml(c)) AppendUtf8(out, c);
        break;
    }
  }
  return out;
}

void SvgTextLayer::Text(std::uint32_t, const RecordedFont& font, TextRotation rotation,
                        std::span<const RecordedGlyph> glyphs, std::string_view utf8) {
  const RecordedGlyph* origin = nullptr;
  for (const RecordedGlyph& g : glyphs) {
    if (g.index != RecordedGlyph::kSkipped) {
      origin = &g;
      break;
    }
  }
  if (origin == nullptr) return;
  const TextBasis b = TextFrameBasis(rotation);
  // Each character's place along the run, from the first drawn glyph;
  // skipped glyphs keep the place before them.
  std::string xs;
  double along = 0;
  for (const RecordedGlyph& g : glyphs) {
    if (g.index != RecordedGlyph::kSkipped) along = (g.x - origin->x) * b.ux + (g.y - origin->y) * b.uy;
    if (!xs.empty()) xs += ' ';
    xs += Number(along);
  }
  elements_ += "<text transform=\"matrix(" + Number(scaleX_ * b.ux) + " " + Number(scaleY_ * b.uy) + " " +
               Number(scaleX_ * b.vx) + " " + Number(scaleY_ * b.vy) + " " + Number(scaleX_ * origin->x) + " " +
               Number(scaleY_ * origin->y) + ")\" x=\"" + xs + "\" y=\"0\" font-size=\"" + Number(font.emPixels) +
               "\" xml:space=\"preserve\">" + XmlText(utf8) + "</text>\n";
}

std::string SvgTextLayer::Group() const {
  if (elements_.empty()) return {};
  return "<g style=\"fill-opacity:0;stroke:none\" font-family=\"sans-serif\">\n" + elements_ + "</g>\n";
}

}  // namespace pelk
