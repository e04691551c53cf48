#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/Errors.h"
#include "platform/Graphics.h"
#include "platform/Screen.h"

namespace pelk {
namespace {

// Counts OnChange calls of a graphics object.
struct ChangeCounter {
  int count = 0;
  explicit ChangeCounter(TGraphicsObject& object) {
    object.OnChange = [this](TObject*) { ++count; };
  }
};

// Sets the screen resolution for the lifetime of the guard.
struct ScreenResolution {
  int saved = Screen().PixelsPerInch();
  explicit ScreenResolution(int ppi) { Screen().SetPixelsPerInch(ppi); }
  ~ScreenResolution() { Screen().SetPixelsPerInch(saved); }
};

TEST(GraphicsObjects, FontConstructionDefaults) {
  for (int ppi : {96, 120}) {
    ScreenResolution screen(ppi);
    TFont font;
    EXPECT_EQ(font.Name(), "Arial");
    EXPECT_EQ(font.Size(), 8);
    EXPECT_EQ(font.PixelsPerInch(), ppi);
    EXPECT_EQ(font.Height(), ppi == 96 ? -11 : -13);
    EXPECT_TRUE(font.Style().Empty());
    EXPECT_EQ(font.Color(), clBlack);
  }
}

TEST(GraphicsObjects, FontSizeAndHeightConvertAtTheFontResolution) {
  struct Case {
    int ppi;
    int size;    // set as Size
    int height;  // the Height it gives
  };
  const Case bySize[] = {
      {96, 8, -11}, {96, 9, -12}, {96, 10, -13}, {96, 12, -16}, {96, 0, 0}, {96, -9, 12},
      {120, 8, -13}, {120, 9, -15}, {120, 10, -17}, {600, 9, -75},
  };
  for (const Case& c : bySize) {
    TFont font;
    font.SetPixelsPerInch(c.ppi);
    font.SetSize(c.size);
    EXPECT_EQ(font.Height(), c.height) << c.ppi << " ppi, " << c.size << " pt";
    EXPECT_EQ(font.Size(), c.size) << c.ppi << " ppi, " << c.size << " pt";
  }
  struct HeightCase {
    int ppi;
    int height;
    int size;
  };
  const HeightCase byHeight[] = {
      {96, -11, 8}, {96, -13, 10}, {96, 16, -12}, {120, -11, 7}, {120, -15, 9}, {120, -14, 8},
  };
  for (const HeightCase& c : byHeight) {
    TFont font;
    font.SetPixelsPerInch(c.ppi);
    font.SetHeight(c.height);
    EXPECT_EQ(font.Size(), c.size) << c.ppi << " ppi, height " << c.height;
  }
  // Extreme values neither overflow nor trap.
  TFont font;
  font.SetHeight(INT32_MIN);
  EXPECT_GT(font.Size(), 0);
  font.SetSize(INT32_MAX);
  font.SetPixelsPerInch(0);
  EXPECT_EQ(font.PixelsPerInch(), 96);
}

TEST(GraphicsObjects, SettersNotifyOnlyOnChange) {
  TPen pen;
  TBrush brush;
  TFont font;
  struct Case {
    const char* what;
    TGraphicsObject& object;
    std::function<void()> set;
  };
  const Case cases[] = {
      {"pen colour", pen, [&] { pen.SetColor(clRed); }},
      {"pen width", pen, [&] { pen.SetWidth(3); }},
      {"pen style", pen, [&] { pen.SetStyle(psDot); }},
      {"pen mode", pen, [&] { pen.SetMode(pmXor); }},
      {"brush colour", brush, [&] { brush.SetColor(clBlue); }},
      {"brush style", brush, [&] { brush.SetStyle(bsClear); }},
      {"font name", font, [&] { font.SetName("Courier New"); }},
      {"font size", font, [&] { font.SetSize(14); }},
      {"font height", font, [&] { font.SetHeight(-20); }},
      {"font style", font, [&] { font.SetStyle({fsBold, fsUnderline}); }},
      {"font colour", font, [&] { font.SetColor(clGreen); }},
  };
  for (const Case& c : cases) {
    ChangeCounter counter(c.object);
    c.set();
    EXPECT_EQ(counter.count, 1) << c.what;
    c.set();
    EXPECT_EQ(counter.count, 1) << c.what << " again";
  }
  // Setting the size that the height already has changes nothing.
  ChangeCounter counter(font);
  font.SetHeight(-16);
  font.SetSize(12);
  font.SetPixelsPerInch(300);
  EXPECT_EQ(counter.count, 1);
}

TEST(GraphicsObjects, AssignCopiesOnceAndIndependently) {
  TFont source;
  source.SetName("Courier New");
  source.SetSize(12);
  source.SetStyle({fsBold, fsItalic});
  source.SetColor(clRed);
  TFont copy;
  ChangeCounter counter(copy);
  copy.Assign(source);
  EXPECT_EQ(counter.count, 1);
  EXPECT_EQ(copy.Name(), "Courier New");
  EXPECT_EQ(copy.Height(), source.Height());
  EXPECT_EQ(copy.Style(), (TFontStyles{fsBold, fsItalic}));
  EXPECT_EQ(copy.Color(), clRed);
  copy.Assign(source);  // nothing new
  copy.Assign(copy);
  EXPECT_EQ(counter.count, 1);
  source.SetName("Arial");
  source.SetSize(20);
  source.SetColor(clBlue);
  EXPECT_EQ(copy.Name(), "Courier New");
  EXPECT_EQ(copy.Size(), 12);
  EXPECT_EQ(copy.Color(), clRed);

  TPen pen;
  pen.SetColor(clLime);
  pen.SetWidth(4);
  pen.SetStyle(psDashDot);
  pen.SetMode(pmNotXor);
  TPen penCopy;
  ChangeCounter penCounter(penCopy);
  penCopy.Assign(pen);
  EXPECT_EQ(penCounter.count, 1);
  EXPECT_EQ(penCopy.Color(), clLime);
  EXPECT_EQ(penCopy.Width(), 4);
  EXPECT_EQ(penCopy.Style(), psDashDot);
  EXPECT_EQ(penCopy.Mode(), pmNotXor);

  TBrush brush;
  brush.SetColor(clYellow);
  brush.SetStyle(bsClear);
  TBrush brushCopy;
  brushCopy.Assign(brush);
  EXPECT_EQ(brushCopy.Color(), clYellow);
  EXPECT_EQ(brushCopy.Style(), bsClear);
}

TEST(GraphicsObjects, AssignAcrossResolutionsKeepsThePointSize) {
  struct Case {
    int sourcePpi, destPpi, size, destHeight;
  };
  const Case cases[] = {
      {96, 600, 10, -83},   // a screen font on a printer page
      {600, 96, 9, -12},    // and back
      {96, 120, 8, -13},
      {96, 96, 10, -13},
  };
  for (const Case& c : cases) {
    TFont source;
    source.SetPixelsPerInch(c.sourcePpi);
    source.SetSize(c.size);
    TFont dest;
    dest.SetPixelsPerInch(c.destPpi);
    dest.Assign(source);
    EXPECT_EQ(dest.Size(), c.size) << c.sourcePpi << " -> " << c.destPpi;
    EXPECT_EQ(dest.Height(), c.destHeight) << c.sourcePpi << " -> " << c.destPpi;
    EXPECT_EQ(dest.PixelsPerInch(), c.destPpi);
  }
  // The same resolution copies the height itself, even one no size gives.
  TFont source;
  source.SetHeight(-14);
  TFont dest;
  dest.Assign(source);
  EXPECT_EQ(dest.Height(), -14);
}

TEST(GraphicsObjects, AssignFromAnotherClassRaises) {
  TFont font;
  TPen pen;
  TBrush brush;
  ChangeCounter counter(font);
  EXPECT_THROW(font.Assign(pen), EConvertError);
  EXPECT_THROW(pen.Assign(brush), EConvertError);
  EXPECT_THROW(brush.Assign(font), EConvertError);
  EXPECT_EQ(counter.count, 0);
  EXPECT_EQ(font.Name(), "Arial");
}

TEST(GraphicsObjects, FontDescriptionIsTheLogicalFont) {
  struct Case {
    TFontStyles style;
    int weight;
    bool italic, underline, strikeOut;
  };
  const Case cases[] = {
      {{}, FW_NORMAL, false, false, false},
      {{fsBold}, FW_BOLD, false, false, false},
      {{fsItalic, fsUnderline}, FW_NORMAL, true, true, false},
      {{fsBold, fsItalic, fsUnderline, fsStrikeOut}, FW_BOLD, true, true, true},
  };
  for (const Case& c : cases) {
    TFont font;
    font.SetStyle(c.style);
    font.SetHeight(-15);
    const LogFont d = font.Description();
    EXPECT_EQ(d.Height, -15);
    EXPECT_EQ(d.Escapement, 0);
    EXPECT_EQ(d.Weight, c.weight);
    EXPECT_EQ(d.Italic, c.italic);
    EXPECT_EQ(d.Underline, c.underline);
    EXPECT_EQ(d.StrikeOut, c.strikeOut);
    EXPECT_EQ(d.FaceName, "Arial");
  }
  TFont font;
  font.SetName(std::string(40, 'x'));
  EXPECT_EQ(font.Description().FaceName, std::string(31, 'x'));
}

}  // namespace
}  // namespace pelk
