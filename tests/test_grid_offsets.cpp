#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <optional>
#include <vector>

#include "render/GridOffsets.h"

namespace pelk {
namespace {

const double kLn10 = std::log(10.0);

// Minor offsets of the first two divisions.
std::vector<int> LinearOffsets(int width, int minorDivs) {
  std::vector<int> offsets;
  for (int i = 0; i < 2; ++i) {
    for (int j = 1; j <= minorDivs; ++j) offsets.push_back(LinearMinorOffset(width, minorDivs, i, j).value());
  }
  return offsets;
}

TEST(GridOffsets, LinearMinorOffsets) {
  const struct {
    int minorDivs;
    std::vector<int> offsets;
  } cases[] = {
      {4, {16, 32, 48, 64, 80, 96, 112, 128}},
      {3, {21, 43, 64, 85, 107, 128}},
      {5, {13, 26, 38, 51, 64, 77, 90, 102, 115, 128}},
  };
  for (const auto& c : cases) EXPECT_EQ(LinearOffsets(64, c.minorDivs), c.offsets) << c.minorDivs;

  EXPECT_EQ(LinearMinorOffset(64, 0, 0, 1), std::nullopt);  // no minor lines
  EXPECT_EQ(LinearMinorOffset(64, -2, 0, 1), std::nullopt);
  EXPECT_EQ(LinearMinorOffset(INT_MAX, 4, INT_MAX, 4), std::nullopt);  // beyond 32 bits
  // DW * j passes through single precision; DW * i does not.
  EXPECT_EQ(LinearMinorOffset(16777217, 1, 0, 1), 16777216);
  EXPECT_EQ(LinearMinorOffset(16777217, 1, 1, 1), 33554433);
}

TEST(GridOffsets, FillRectangle) {
  const struct {
    const char* what;
    int xorigin, yend;
    std::int64_t lx, ly;
    std::optional<float> printerScale;
    TRect fill;
  } cases[] = {
      {"screen: one pixel past the axes", 54, 54, 192, 192, std::nullopt, {54, 54, 247, 247}},
      {"printer 6.25: scaled, no + 1", 337, 337, 192, 192, 6.25f, {337, 337, 1537, 1537}},
      {"printer 1.3: 249.6 truncated", 10, 20, 192, 64, 1.3f, {10, 20, 259, 103}},
      {"printer: negative lengths truncate toward zero", 0, 0, -3, -3, 1.5f, {0, 0, -4, -4}},
      {"screen: beyond 32 bits saturates", INT_MAX - 5, 0, INT_MAX, 1, std::nullopt, {INT_MAX - 5, 0, INT_MAX, 2}},
      {"printer: huge scale saturates", 100, -100, 192, 192, 1e30f, {100, -100, INT_MAX, INT_MAX - 100}},
  };
  for (const auto& c : cases) EXPECT_EQ(GridFillRect(c.xorigin, c.yend, c.lx, c.ly, c.printerScale), c.fill) << c.what;
}

TEST(GridOffsets, PrinterOffsets) {
  EXPECT_EQ(MajorOffsetPrinter(64, 1, 6.25f), 400);
  EXPECT_EQ(MajorOffsetPrinter(INT_MAX, INT_MAX, 1.0f), std::nullopt);
  const std::vector<std::optional<int>> expected = {100, 200, 300, 400, 500, 600, 700, 800};
  std::vector<std::optional<int>> offsets;
  for (int i = 0; i < 2; ++i) {
    for (int j = 1; j <= 4; ++j) offsets.push_back(LinearMinorOffsetPrinter(64, 4, i, j, 6.25f));
  }
  EXPECT_EQ(offsets, expected);
  EXPECT_EQ(LinearMinorOffsetPrinter(64, 3, 0, 1, 6.25f), 133);  // 133.33
  EXPECT_EQ(LinearMinorOffsetPrinter(64, 3, 1, 2, 6.25f), 667);  // 400 + 266.67
  EXPECT_EQ(LinearMinorOffsetPrinter(64, 0, 0, 1, 6.25f), std::nullopt);
}

TEST(GridOffsets, LogMinorOffsets) {
  const std::vector<int> expected = {0,  19, 31,  39,  45,  50,  54,  58,  61,
                                     64, 83, 95, 103, 109, 114, 118, 122, 125};
  for (const int minExponent : {-3, 0, 4}) {
    std::vector<int> offsets;
    float decade = FirstLogDecade(minExponent, kLn10);
    for (int i = 0; i < 2; ++i) {
      decade = NextLogDecade(decade);
      for (int j = 1; j <= 9; ++j) {
        offsets.push_back(ScreenOffset(LogMinorPosition(decade, j, minExponent, 64, kLn10)).value());
      }
    }
    EXPECT_EQ(offsets, expected) << "minimum exponent " << minExponent;
  }
  // Printer: the unrounded position scaled, then rounded.
  const float decade = NextLogDecade(FirstLogDecade(0, kLn10));
  EXPECT_EQ(PrinterOffset(LogMinorPosition(decade, 2, 0, 64, kLn10), 6.25f), 120);  // 19.27 * 6.25
  EXPECT_EQ(PrinterOffset(LogMinorPosition(decade, 1, 0, 64, kLn10), 6.25f), 0);
}

TEST(GridOffsets, LogDecadesOutsideTheFloatRangeGiveNoLines) {
  for (const int minExponent : {INT_MIN, -60, 40, INT_MAX}) {
    const float decade = NextLogDecade(FirstLogDecade(minExponent, kLn10));
    EXPECT_EQ(ScreenOffset(LogMinorPosition(decade, 2, minExponent, 64, kLn10)), std::nullopt) << minExponent;
  }
  EXPECT_EQ(ScreenOffset(LogMinorPosition(10.0f, 2, 0, 0, kLn10)), 0);
  EXPECT_EQ(PrinterOffset(LogMinorPosition(10.0f, 2, 0, INT_MAX, kLn10), 1e30f), std::nullopt);
}

}  // namespace
}  // namespace pelk
