// Text from a data file made safe to show on a terminal.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pelk::cli {

// The text with control characters (C0, DEL, C1) and bytes that are not
// valid UTF-8 written as \xNN; valid UTF-8 is kept.
std::string PrintableText(std::string_view text);

// The largest length up to maxBytes at which the text can be cut without
// splitting a UTF-8 sequence.
std::size_t Utf8CutLength(std::string_view text, std::size_t maxBytes);

// At most maxBytes of the text, cut before a UTF-8 sequence rather than
// inside it, made printable, in quotes, with "..." when cut.
std::string QuotedExcerpt(std::string_view text, std::size_t maxBytes = 32, char quote = '"');

}  // namespace pelk::cli
