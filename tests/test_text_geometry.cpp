#include <gtest/gtest.h>

#include "platform/Gdi.h"
#include "platform/TextGeometry.h"

namespace pelk {
namespace {

TEST(TextGeometry, EscapementSelectsQuarterTurns) {
  const std::pair<int, TextRotation> cases[] = {
      {0, TextRotation::None},         {900, TextRotation::Quarter},
      {1800, TextRotation::Half},      {2700, TextRotation::ThreeQuarters},
      {-900, TextRotation::ThreeQuarters}, {4500, TextRotation::Quarter},
      {450, TextRotation::None},       {INT32_MIN, TextRotation::None},
      {INT32_MAX, TextRotation::None},
  };
  for (const auto& [escapement, rotation] : cases) {
    EXPECT_EQ(RotationOfEscapement(escapement), rotation) << escapement;
  }
}

TEST(TextGeometry, AlignmentPlacesPenAndBaseline) {
  struct Case {
    std::uint32_t flags;
    std::int64_t width;
    TextStart start;
  };
  const Case cases[] = {  // cell: ascent 10, descent 3
      {TA_LEFT | TA_TOP, 21, {0, 10}},         {TA_RIGHT | TA_TOP, 21, {-21, 10}},
      {TA_CENTER | TA_TOP, 21, {-10, 10}},     {TA_CENTER | TA_BASELINE, 20, {-10, 0}},
      {TA_RIGHT | TA_BOTTOM, 5, {-5, -3}},     {TA_LEFT | TA_BOTTOM | TA_UPDATECP, 5, {0, -3}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AlignText(c.flags, c.width, 10, 3), c.start) << "flags " << c.flags;
  }
}

TEST(TextGeometry, CoverageBlendsEachChannelRounded) {
  struct Case {
    std::uint32_t dst, fg;
    unsigned a;
    std::uint32_t expected;
  };
  const Case cases[] = {
      {0xFFFFFF, 0x000000, 255, 0x000000}, {0xFFFFFF, 0x000000, 0, 0xFFFFFF},
      {0xFFFFFF, 0x000000, 128, 0x7F7F7F}, {0x0000FF, 0xFF0000, 51, 0x3300CC},
      {0x123456, 0xABCDEF, 300, 0xABCDEF},  // over-full coverage is full
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BlendCoverage(c.dst, c.fg, c.a), c.expected) << std::hex << c.dst << " " << c.a;
  }
  // Every coverage against a rounded signed division, per channel.
  const auto expected = [](int d, int f, unsigned a) {
    const int t = (f - d) * static_cast<int>(a);
    return static_cast<std::uint32_t>(d + (t >= 0 ? (t + 127) / 255 : -((-t + 127) / 255)));
  };
  int wrong = 0;
  for (unsigned a = 0; a <= 255; ++a) {
    for (int d = 0; d < 256; d += 3) {
      for (int f = 0; f < 256; f += 5) {
        const auto dst = static_cast<std::uint32_t>(d) * 0x010101u;
        const auto fg = static_cast<std::uint32_t>(f | (255 - f) << 8 | f << 16);
        const std::uint32_t out = BlendCoverage(dst, fg, a);
        wrong += (out & 0xFF) != expected(d, f, a) || ((out >> 8) & 0xFF) != expected(d, 255 - f, a) ||
                 (out >> 16) != expected(d, f, a);
      }
    }
  }
  EXPECT_EQ(wrong, 0);
}

}  // namespace
}  // namespace pelk
