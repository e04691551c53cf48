// The tool's text boxes: where a text lies from its reference point, what
// counts as a problem, and fitting a graph into a fixed size.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/PictureFit.h"
#include "common/TextBoxes.h"
#include "platform/Gdi.h"

using namespace pelk;
using namespace pelk::cli;

TEST(PlotTextBoxes, BoxesFromReferencePointAndAlignment) {
  const FontReach reach{9, 3};
  struct Case {
    unsigned align;
    bool rotated;
    TRect expected;
  };
  // A 40-pixel text at (100, 50).
  const Case cases[] = {
      {TA_BASELINE | TA_LEFT, false, {100, 41, 140, 53}},   {TA_BASELINE | TA_CENTER, false, {80, 41, 120, 53}},
      {TA_BASELINE | TA_RIGHT, false, {60, 41, 100, 53}},   {TA_BASELINE | TA_LEFT, true, {91, 10, 103, 50}},
      {TA_BASELINE | TA_CENTER, true, {91, 30, 103, 70}},   {TA_BASELINE | TA_RIGHT, true, {91, 50, 103, 90}},
  };
  for (const Case& c : cases) {
    const TRect box = PlacedTextBox({100, 50}, c.align, 40, reach, c.rotated);
    EXPECT_EQ(box, c.expected) << c.align << (c.rotated ? " rotated" : "");
  }
  // Measured reach: capitals rise more than descenders fall, both grow with the size.
  TFont font;
  font.SetSize(10);
  const FontReach ten = ReachOf(font);
  font.SetSize(20);
  const FontReach twenty = ReachOf(font);
  EXPECT_GT(ten.up, ten.down);
  EXPECT_GT(ten.down, 0);
  EXPECT_NEAR(twenty.up, 2 * ten.up, 2);
}

TEST(PlotTextBoxes, ProblemsAreOverlapsEdgesAndRepeatedNumbers) {
  const auto box = [](TRect r, const char* text, TextKind kind = TextKind::Label, int axis = -1) {
    return TextBox{r, text, kind, axis};
  };
  struct Case {
    const char* name;
    std::vector<TextBox> boxes;
    std::vector<std::string> problems;
  };
  const Case cases[] = {
      {"apart", {box({0, 0, 10, 10}, "a"), box({10, 0, 20, 10}, "b"), box({0, 10, 10, 20}, "c")}, {}},
      {"overlapping", {box({0, 0, 11, 10}, "a"), box({10, 5, 20, 10}, "b")}, {"'a' overlaps 'b'"}},
      {"past the edge", {box({-1, 0, 10, 10}, "left"), box({90, 95, 100, 101}, "bottom")},
       {"'left' runs past the edge of the picture", "'bottom' runs past the edge of the picture"}},
      {"numbers alike",
       {box({0, 0, 10, 10}, "0.1", TextKind::Number, 0), box({20, 0, 30, 10}, "0.1", TextKind::Number, 0),
        box({40, 0, 50, 10}, "0.2", TextKind::Number, 0), box({0, 40, 10, 50}, "0.2", TextKind::Number, 1)},
       {"neighbouring numbers of an axis both read '0.1'"}},
      {"alike but not numbers", {box({0, 0, 10, 10}, "x"), box({20, 0, 30, 10}, "x")}, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(TextProblems(c.boxes, 100, 100), c.problems) << c.name;
}

TEST(PlotTextBoxes, FixedSizesFitOrNameTheSmallestThatDoes) {
  struct Case {
    const char* title;
    PixelSize size;
    bool fits;
  };
  const Case cases[] = {
      {"Short", {640, 480}, true},
      {"A title much too long for a picture this narrow, set smaller to fit", {360, 300}, true},
      {"Short", {80, 60}, false},
      {"Short", {400, 90}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.size.width) + "x" + std::to_string(c.size.height));
    GraphPicture picture;
    picture.Graph().SetTitle(c.title);
    const int titleSize = picture.Graph().TitleFont().Size();
    if (c.fits) {
      RenderAtFixedSize(picture, c.size);
      EXPECT_EQ(picture.Graph().Width(), c.size.width);
      EXPECT_TRUE(PictureTextProblems(picture).empty());
      EXPECT_EQ(picture.Graph().TitleFont().Size() < titleSize, std::string(c.title).size() > 20);
      continue;
    }
    try {
      RenderAtFixedSize(picture, c.size);
      ADD_FAILURE() << "fitted";
    } catch (const SizeError& e) {
      const PixelSize smallest = e.Smallest();
      EXPECT_NE(std::string(e.what()).find("the smallest size that fits is " + std::to_string(smallest.width) + "x" +
                                           std::to_string(smallest.height)),
                std::string::npos)
          << e.what();
      EXPECT_GE(smallest.width, c.size.width);
      EXPECT_GE(smallest.height, c.size.height);
      // The size named fits, and one a tenth smaller does not.
      GraphPicture again;
      again.Graph().SetTitle(c.title);
      EXPECT_NO_THROW(RenderAtFixedSize(again, smallest));
      GraphPicture smaller;
      smaller.Graph().SetTitle(c.title);
      EXPECT_THROW(RenderAtFixedSize(smaller, {smallest.width * 9 / 10, smallest.height * 9 / 10}), SizeError);
    }
  }
  EXPECT_EQ(FittingPointSize(12, 600, 300), 6);
  EXPECT_EQ(FittingPointSize(12, 200, 300), 12);
  EXPECT_EQ(FittingPointSize(12, 6000, 300), 6);
  EXPECT_EQ(FittingPointSize(20, 400, 300), 15);
}
