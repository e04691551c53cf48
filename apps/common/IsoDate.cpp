#include "common/IsoDate.h"

#include <charconv>

namespace pelk::cli {

namespace {

constexpr std::int64_t kSecondsPerDay = 86'400;

// Exactly `count` decimal digits at text[pos], advancing pos.
std::optional<int> Digits(std::string_view text, std::size_t& pos, std::size_t count) {
  if (text.size() - pos < count) return std::nullopt;
  int value = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const char c = text[pos + i];
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  pos += count;
  return value;
}

bool Expect(std::string_view text, std::size_t& pos, char c) {
  if (pos >= text.size() || text[pos] != c) return false;
  ++pos;
  return true;
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Days from 1970-01-01 to the date in the proleptic Gregorian calendar.
std::int64_t DaysFromCivil(int year, int month, int day) {
  const int y = month <= 2 ? year - 1 : year;
  const int era = (y >= 0 ? y : y - 399) / 400;
  const int yearOfEra = y - era * 400;
  const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return static_cast<std::int64_t>(era) * 146'097 + dayOfEra - 719'468;
}

}  // namespace

std::optional<IsoDateTime> ParseIsoDateTime(std::string_view text) {
  std::size_t pos = 0;
  const std::optional<int> year = Digits(text, pos, 4);
  if (!year || !Expect(text, pos, '-')) return std::nullopt;
  const std::optional<int> month = Digits(text, pos, 2);
  if (!month || *month < 1 || *month > 12 || !Expect(text, pos, '-')) return std::nullopt;
  const std::optional<int> day = Digits(text, pos, 2);
  if (!day || *day < 1 || *day > DaysInMonth(*year, *month)) return std::nullopt;
  IsoDateTime moment;
  moment.seconds = DaysFromCivil(*year, *month, *day) * kSecondsPerDay;
  if (pos == text.size()) return moment;

  if (!Expect(text, pos, 'T')) return std::nullopt;
  const std::optional<int> hour = Digits(text, pos, 2);
  if (!hour || *hour > 23 || !Expect(text, pos, ':')) return std::nullopt;
  const std::optional<int> minute = Digits(text, pos, 2);
  if (!minute || *minute > 59) return std::nullopt;
  int second = 0;
  if (pos < text.size() && text[pos] == ':') {
    ++pos;
    const std::optional<int> written = Digits(text, pos, 2);
    if (!written || *written > 59) return std::nullopt;
    second = *written;
    if (pos < text.size() && text[pos] == '.') {
      const std::size_t start = ++pos;
      while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') ++pos;
      const std::size_t digits = pos - start;
      if (digits == 0 || digits > 9) return std::nullopt;
      int nanoseconds = 0;
      std::from_chars(text.data() + start, text.data() + pos, nanoseconds);
      for (std::size_t i = digits; i < 9; ++i) nanoseconds *= 10;
      moment.fraction = nanoseconds * 1e-9;
    }
  }
  if (pos < text.size() && text[pos] == 'Z') ++pos;
  if (pos != text.size()) return std::nullopt;
  moment.seconds += *hour * 3600 + *minute * 60 + second;
  moment.hasTime = true;
  return moment;
}

double SecondsBetween(const IsoDateTime& from, const IsoDateTime& to) {
  return static_cast<double>(to.seconds - from.seconds) + (to.fraction - from.fraction);
}

}  // namespace pelk::cli
