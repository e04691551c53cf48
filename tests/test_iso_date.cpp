// ISO 8601 dates and date-times as the data reader takes them.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "common/IsoDate.h"

using namespace pelk::cli;

TEST(IsoDate, ReadsDatesAndTimes) {
  struct Case {
    const char* text;
    std::optional<double> secondsFrom1970;
    bool hasTime;
  };
  const Case cases[] = {
      {"1970-01-01", 0.0, false},
      {"1970-01-02", 86'400.0, false},
      {"1969-12-31", -86'400.0, false},
      {"2000-03-01", 951'868'800.0, false},
      {"2024-02-29", 1'709'164'800.0, false},  // a leap day
      {"2024-03-01T12:30", 1'709'296'200.0, true},
      {"2024-03-01T12:30:15", 1'709'296'215.0, true},
      {"2024-03-01T12:30:15.25Z", 1'709'296'215.25, true},
      {"2024-03-01T00:00Z", 1'709'251'200.0, true},
      {"2023-02-29", std::nullopt, false},  // not a leap year
      {"1900-02-29", std::nullopt, false},
      {"2024-13-01", std::nullopt, false},
      {"2024-04-31", std::nullopt, false},
      {"2024-03-00", std::nullopt, false},
      {"2024-3-1", std::nullopt, false},
      {"2024-03-01T24:00", std::nullopt, false},
      {"2024-03-01T12:60", std::nullopt, false},
      {"2024-03-01T12", std::nullopt, false},
      {"2024-03-01T12:30:15.", std::nullopt, false},
      {"2024-03-01T12:30:15.1234567890", std::nullopt, false},
      {"2024-03-01T12:30+01:00", std::nullopt, false},
      {"2024-03-01 ", std::nullopt, false},
      {"2024", std::nullopt, false},
      {"", std::nullopt, false},
  };
  const IsoDateTime epoch{};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const std::optional<IsoDateTime> moment = ParseIsoDateTime(c.text);
    ASSERT_EQ(moment.has_value(), c.secondsFrom1970.has_value());
    if (!moment) continue;
    EXPECT_DOUBLE_EQ(SecondsBetween(epoch, *moment), *c.secondsFrom1970);
    EXPECT_EQ(moment->hasTime, c.hasTime);
  }
}
