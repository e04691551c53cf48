// Decoding of UTF-8 text in which bytes that do not form a valid sequence
// stand for themselves as Latin-1 characters.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pelk {

namespace utf8_detail {
inline bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }
}  // namespace utf8_detail

// The character starting at text[pos]; advances pos past it. pos must be
// below text.size(). Overlong forms, surrogates and values above U+10FFFF
// are invalid: their first byte is taken as a Latin-1 character.
inline char32_t NextCodePoint(std::string_view text, std::size_t& pos) {
  using utf8_detail::IsContinuation;
  const auto lead = static_cast<unsigned char>(text[pos]);
  std::size_t length = 0;
  char32_t value = 0;
  unsigned char secondMin = 0x80;
  unsigned char secondMax = 0xBF;
  if (lead < 0x80) {
    ++pos;
    return lead;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    value = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    value = lead & 0x0F;
    if (lead == 0xE0) secondMin = 0xA0;  // overlong
    if (lead == 0xED) secondMax = 0x9F;  // surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    value = lead & 0x07;
    if (lead == 0xF0) secondMin = 0x90;  // overlong
    if (lead == 0xF4) secondMax = 0x8F;  // above U+10FFFF
  }
  if (length == 0 || text.size() - pos < length) {
    ++pos;
    return lead;
  }
  const auto second = static_cast<unsigned char>(text[pos + 1]);
  if (second < secondMin || second > secondMax) {
    ++pos;
    return lead;
  }
  for (std::size_t i = 1; i < length; ++i) {
    const auto b = static_cast<unsigned char>(text[pos + i]);
    if (!IsContinuation(b)) {
      ++pos;
      return lead;
    }
    value = (value << 6) | (b & 0x3F);
  }
  pos += length;
  return value;
}

// Appends a character as UTF-8; a surrogate or a value above U+10FFFF
// becomes U+FFFD, so the result is always valid UTF-8.
inline void AppendUtf8(std::string& out, char32_t c) {
  if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) c = 0xFFFD;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace pelk
