// The viewer's axis arithmetic: scales over a range, room for the numbers,
// the choice of divisions, the wheel's zoom and the ranges an axis can show.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "pelkview/ViewScale.h"

namespace pelk::view {
namespace {

// A font of fixed pitch: every character 6 pixels.
int SixPerCharacter(const std::string& text) { return 6 * static_cast<int>(text.size()); }
int TwelvePerCharacter(const std::string& text) { return 12 * static_cast<int>(text.size()); }

double ValueOf(const std::string& text) { return std::stod(text); }

TEST(ViewScale, AnExactRangeIsShownFromItsStartToItsEndWithNumbersThatReadApart) {
  struct Case {
    double from, to;
    int divisions;
  };
  const Case cases[] = {
      {0.2, 0.8, 6},        // a nice range would run to 1.2
      {0.0, 0.67, 5},       // a nice range would not zoom in at all
      {1.0e-6, 2.0e-4, 5},  // numbers with a common power of ten
      {-3.0, -2.5, 4},
      {12.0, 4.0, 4},       // a backwards axis
      {1000.0, 1000.5, 10},
      {0.2271, 0.8134, 6},  // steps without a round value
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.from) + " .. " + std::to_string(c.to));
    const std::optional<LinearScale> scale = ScaleOver({c.from, c.to, false}, c.divisions, 0);
    ASSERT_TRUE(scale);
    EXPECT_EQ(scale->divisions, c.divisions);
    EXPECT_DOUBLE_EQ(scale->origin, c.from);
    EXPECT_NEAR(scale->origin + scale->divisions * scale->step, c.to, std::fabs(c.to - c.from) * 1e-12);
    const std::vector<std::string> texts = NumberTexts(*scale, 0);
    ASSERT_EQ(texts.size(), static_cast<std::size_t>(c.divisions + 1));
    for (std::size_t i = 1; i < texts.size(); ++i) EXPECT_NE(texts[i - 1], texts[i]);
    // Each number reads its tick's value to a tenth of a step, whatever power
    // of ten the axis takes out: neighbouring numbers differ by about a step.
    for (std::size_t i = 1; i < texts.size(); ++i) {
      const double written = ValueOf(texts[i]) - ValueOf(texts[i - 1]);
      const double first = ValueOf(texts[1]) - ValueOf(texts[0]);
      EXPECT_NEAR(written, first, std::fabs(first) * 0.2 + 1e-12) << texts[i - 1] << " " << texts[i];
    }
  }
}

TEST(ViewScale, ANiceRangeIsCoveredInRoundSteps) {
  struct Case {
    double from, to;
    int divisions;
    double origin, step;
  };
  const Case cases[] = {
      {0.0, 1023.0, 6, 0.0, 200.0},
      {0.0, 1.0, 10, 0.0, 0.1},
      {3.0, 97.0, 5, 0.0, 20.0},
      {-7.0, 23.0, 3, -20.0, 20.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.from) + " .. " + std::to_string(c.to));
    const std::optional<LinearScale> scale = ScaleOver({c.from, c.to, true}, c.divisions, 0);
    ASSERT_TRUE(scale);
    EXPECT_FLOAT_EQ(static_cast<float>(scale->origin), static_cast<float>(c.origin));
    EXPECT_FLOAT_EQ(static_cast<float>(scale->step), static_cast<float>(c.step));
  }
  // One division cannot cover a range across zero in round steps.
  EXPECT_FALSE(ScaleOver({-1.0, 1.0, true}, 1, 0));
  EXPECT_FALSE(ScaleOver({1.0, 1.0, false}, 4, 0));
  EXPECT_FALSE(ScaleOver({0.0, 1.0, false}, 0, 0));
}

TEST(ViewScale, NumbersHaveRoomWhenEachKeepsTheGapToItsNeighbour) {
  struct Case {
    std::vector<std::string> texts;
    int length, gap;
    std::optional<int> lowestReach;
    bool room;
  };
  const Case cases[] = {
      // 24 pixels of number on ticks 30 apart leave 6.
      {{"0.25", "0.50", "0.75"}, 60, 6, std::nullopt, true},
      {{"0.25", "0.50", "0.75"}, 60, 7, std::nullopt, false},
      {{"0.25", "0.50", "0.75"}, 59, 6, std::nullopt, false},
      // Only the neighbours count: a long last number needs room from one side.
      {{"1", "2", "1000000"}, 100, 10, std::nullopt, true},
      // A lowest number lifted to end 2 pixels below the axis's start is 10
      // pixels higher than a centred one.
      {{"1234", "5678"}, 40, 8, 2, false},
      {{"1234", "5678"}, 50, 8, 2, true},
      {{"1234", "5678"}, 40, 8, 12, true},
      {{"7"}, 0, 100, std::nullopt, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.texts.front() + " length " + std::to_string(c.length));
    const NumberRoom room{c.length, c.gap, c.lowestReach, SixPerCharacter};
    EXPECT_EQ(NumbersHaveRoom(c.texts, room), c.room);
  }
}

TEST(ViewScale, TheDivisionsAreTheMostWhoseNumbersHaveRoomAndForNiceRangesTheTightest) {
  struct Case {
    AxisRange range;
    int length, most;
    int divisions;
  };
  const Case cases[] = {
      // "0.0" .. "1.0", 18 pixels each, 4 apart: ten divisions need 220 pixels.
      {{0.0, 1.0, true}, 220, 10, 10},
      {{0.0, 1.0, true}, 219, 10, 5},
      {{0.0, 1.0, true}, 1000, 4, 2},    // four would run to 1.6
      {{0.0, 1023.0, true}, 1000, 10, 6},  // 0 .. 1200
      // Exact ranges take the most that fit.
      {{0.0, 1.0, false}, 1000, 10, 10},
      // Steps of a ninth to a sixth need two decimals to read their ticks;
      // fifths need one.
      {{0.0, 1.0, false}, 150, 10, 5},
      // No room at all: the fewest divisions that show the range.
      {{0.0, 1.0, false}, 5, 10, 1},
      {{-1.0, 1.0, true}, 5, 10, 2},
      {{-1.0, 1.0, true}, 1000, 1, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.range.to) + " in " + std::to_string(c.length));
    const SharedAxis axis{c.range, 0, NumberRoom{c.length, 4, std::nullopt, SixPerCharacter}};
    const std::optional<std::vector<LinearScale>> scales = ChooseScales(std::span(&axis, 1), c.most);
    ASSERT_TRUE(scales);
    EXPECT_EQ(scales->front().divisions, c.divisions);
  }
}

TEST(ViewScale, AxesSharingDivisionsTakeTheMostThatFitOnBoth) {
  const SharedAxis axes[] = {
      {{0.0, 1.0, false}, 0, NumberRoom{300, 4, std::nullopt, SixPerCharacter}},
      {{0.0, 1.0, false}, 0, NumberRoom{300, 4, std::nullopt, TwelvePerCharacter}},
  };
  const std::optional<std::vector<LinearScale>> both = ChooseScales(axes, 10);
  const std::optional<std::vector<LinearScale>> first = ChooseScales(std::span(axes, 1), 10);
  ASSERT_TRUE(both && first);
  ASSERT_EQ(both->size(), 2u);
  EXPECT_EQ((*both)[0].divisions, (*both)[1].divisions);
  EXPECT_LT((*both)[0].divisions, first->front().divisions);
  for (std::size_t i = 0; i < 2; ++i) EXPECT_TRUE(NumbersHaveRoom(NumberTexts((*both)[i], 0), axes[i].room));
  // A range no division count can show gives no scales.
  const SharedAxis empty{{2.0, 2.0, false}, 0, NumberRoom{300, 4, std::nullopt, SixPerCharacter}};
  EXPECT_FALSE(ChooseScales(std::span(&empty, 1), 10));
}

TEST(ViewScale, MostDivisionsFollowTheAxisLength) {
  struct Case {
    int length, least, most;
  };
  const Case cases[] = {{600, 50, 10}, {300, 50, 6}, {49, 50, 1}, {0, 50, 1}, {5000, 0, 10}};
  for (const Case& c : cases) EXPECT_EQ(MostDivisions(c.length, c.least), c.most) << c.length << " " << c.least;
}

TEST(ViewScale, TheWheelZoomsAboutTheValueUnderTheCursor) {
  struct Case {
    AxisRange range;
    double at, factor;
    bool log;
    AxisRange zoomed;
  };
  const Case cases[] = {
      {{0.0, 10.0, true}, 5.0, 0.5, false, {2.5, 7.5, false}},
      {{0.0, 10.0, false}, 0.0, 0.5, false, {0.0, 5.0, false}},
      {{0.0, 10.0, false}, 10.0, 2.0, false, {-10.0, 10.0, false}},
      {{10.0, 0.0, false}, 4.0, 0.5, false, {7.0, 2.0, false}},  // a backwards axis stays backwards
      {{1.0, 1000.0, false}, 10.0, 0.5, true, {std::sqrt(10.0), 100.0, false}},
      // A logarithmic range with values it cannot hold is left as it is.
      {{0.0, 1000.0, false}, 10.0, 0.5, true, {0.0, 1000.0, false}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.range.from) + " .. " + std::to_string(c.range.to) + " at " + std::to_string(c.at));
    const AxisRange zoomed = ZoomedAbout(c.range, c.at, c.factor, c.log);
    EXPECT_NEAR(zoomed.from, c.zoomed.from, 1e-12);
    EXPECT_NEAR(zoomed.to, c.zoomed.to, 1e-12);
    EXPECT_EQ(zoomed.nice, c.zoomed.nice);
  }
}

TEST(ViewScale, AnAxisShowsFiniteRangesWideEnoughForSinglePrecision) {
  struct Case {
    AxisRange range;
    bool log, showable;
  };
  const Case cases[] = {
      {{0.0, 1.0}, false, true},
      {{1.0, 0.0}, false, true},
      {{1000.0, 1000.01}, false, false},  // neighbouring pixels would read alike
      {{1000.0, 1000.5}, false, true},
      {{0.0, 0.0}, false, false},
      {{0.0, std::nan("")}, false, false},
      {{-1e31, 1e31}, false, false},
      {{1.0, 100.0}, true, true},
      {{0.0, 100.0}, true, false},
      {{-1.0, 100.0}, true, false},
      {{5.0, 5.0}, true, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Showable(c.range, c.log), c.showable) << c.range.from << " .. " << c.range.to << " log " << c.log;
  }
  const GraphRanges ranges{{0.0, 1.0}, {0.0, 1.0}, {3.0, 3.0}};
  EXPECT_TRUE(Showable(ranges, false, false, false, false));   // the second range is not used
  EXPECT_FALSE(Showable(ranges, false, false, false, true));
}

}  // namespace
}  // namespace pelk::view
