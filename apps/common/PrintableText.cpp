#include "common/PrintableText.h"

#include "platform/Utf8.h"

namespace pelk::cli {

namespace {

bool IsControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

void AppendEscaped(std::string& out, unsigned char byte) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  out += "\\x";
  out += kHex[byte >> 4];
  out += kHex[byte & 0xF];
}

}  // namespace

std::string PrintableText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t start = pos;
    const char32_t c = NextCodePoint(text, pos);
    const bool invalid = c >= 0x80 && pos - start == 1;  // a lone byte taken as Latin-1
    if (invalid || IsControl(c)) {
      for (std::size_t i = start; i < pos; ++i) AppendEscaped(out, static_cast<unsigned char>(text[i]));
    } else {
      out.append(text.substr(start, pos - start));
    }
  }
  return out;
}

std::size_t Utf8CutLength(std::string_view text, std::size_t maxBytes) {
  if (maxBytes >= text.size()) return text.size();
  std::size_t cut = maxBytes;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  return cut;
}

std::string QuotedExcerpt(std::string_view text, std::size_t maxBytes, char quote) {
  const std::size_t cut = Utf8CutLength(text, maxBytes);
  return quote + PrintableText(text.substr(0, cut)) + (cut < text.size() ? "..." : "") + quote;
}

}  // namespace pelk::cli
