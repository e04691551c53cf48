// Dates and times written as ISO 8601: YYYY-MM-DD, or YYYY-MM-DDTHH:MM with
// optional :SS, optional .fff and an optional Z.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace pelk::cli {

struct IsoDateTime {
  std::int64_t seconds = 0;  // since 1970-01-01T00:00:00 (UTC when Z is given)
  double fraction = 0.0;     // of the last second, in [0, 1)
  bool hasTime = false;      // written with a time of day
};

// The date or date-time the text holds exactly; nullopt for anything else,
// including days that no month has and times past 23:59:59.
std::optional<IsoDateTime> ParseIsoDateTime(std::string_view text);

// Seconds from `from` to `to`.
double SecondsBetween(const IsoDateTime& from, const IsoDateTime& to);

}  // namespace pelk::cli
