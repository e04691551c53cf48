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

TEST(GraphicsObjects, FontSizeAndHeightConvertAtTheFontResolution) {
  const int savedScreen = Screen().PixelsPerInch();
  for (int ppi : {96, 120}) {  // a new font: Arial, 8 pt at the screen's resolution
    Screen().SetPixelsPerInch(ppi);
    TFont font;
    EXPECT_EQ(font.Name(), "Arial");
    EXPECT_EQ(font.Size(), 8);
    EXPECT_EQ(font.Height(), ppi == 96 ? -11 : -13);
    EXPECT_TRUE(font.Style().Empty());
    EXPECT_EQ(font.Color(), clBlack);
  }
  Screen().SetPixelsPerInch(savedScreen);
  struct Case {
    int ppi, size, height;
  };
  const Case bySize[] = {  // Size set, Height read back and the reverse
      {96, 8, -11}, {96, 10, -13}, {96, 12, -16}, {96, -9, 12},
      {120, 8, -13}, {120, 9, -15}, {120, 10, -17}, {600, 9, -75},
  };
  for (const Case& c : bySize) {
    TFont font;
    font.SetPixelsPerInch(c.ppi);
    font.SetSize(c.size);
    EXPECT_EQ(font.Height(), c.height) << c.ppi << " ppi, " << c.size << " pt";
    EXPECT_EQ(font.Size(), c.size) << c.ppi << " ppi, " << c.size << " pt";
  }
  const Case byHeight[] = {  // Height set, Size read (10.5 rounds away from zero)
      {96, -12, 16}, {96, 11, -14}, {120, 7, -11}, {120, 8, -14},
  };
  for (const Case& c : byHeight) {
    TFont font;
    font.SetPixelsPerInch(c.ppi);
    font.SetHeight(c.height);
    EXPECT_EQ(font.Size(), c.size) << c.ppi << " ppi, " << c.height;
  }
  TFont font;  // extremes neither overflow nor trap
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
  const std::pair<TGraphicsObject*, std::function<void()>> cases[] = {
      {&pen, [&] { pen.SetColor(clRed); }},
      {&pen, [&] { pen.SetWidth(3); }},
      {&pen, [&] { pen.SetStyle(psDot); }},
      {&pen, [&] { pen.SetMode(pmXor); }},
      {&brush, [&] { brush.SetColor(clBlue); }},
      {&brush, [&] { brush.SetStyle(bsClear); }},
      {&font, [&] { font.SetName("Courier New"); }},
      {&font, [&] { font.SetSize(14); }},
      {&font, [&] { font.SetHeight(-20); }},
      {&font, [&] { font.SetStyle({fsBold, fsUnderline}); }},
      {&font, [&] { font.SetColor(clGreen); }},
  };
  int index = 0;
  for (const auto& [object, set] : cases) {
    ChangeCounter counter(*object);
    set();
    set();
    EXPECT_EQ(counter.count, 1) << "case " << index++;
  }
  // The size that the height already has, or a new resolution, changes nothing.
  ChangeCounter counter(font);
  font.SetSize(15);
  font.SetPixelsPerInch(300);
  EXPECT_EQ(counter.count, 0);
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
  copy.Assign(source);  // nothing new
  copy.Assign(copy);
  EXPECT_EQ(counter.count, 1);
  EXPECT_EQ(copy.Name(), "Courier New");
  EXPECT_EQ(copy.Height(), -16);
  EXPECT_EQ(copy.Style(), (TFontStyles{fsBold, fsItalic}));
  EXPECT_EQ(copy.Color(), clRed);
  source.SetName("Arial");
  source.SetSize(20);
  source.SetColor(clBlue);
  EXPECT_EQ(copy.Name(), "Courier New");
  EXPECT_EQ(copy.Size(), 12);
  EXPECT_EQ(copy.Color(), clRed);

  TPen pen, penCopy;
  pen.SetColor(clLime);
  pen.SetWidth(4);
  pen.SetStyle(psDashDot);
  pen.SetMode(pmNotXor);
  ChangeCounter penCounter(penCopy);
  penCopy.Assign(pen);
  EXPECT_EQ(penCounter.count, 1);
  EXPECT_EQ(penCopy.Color(), clLime);
  EXPECT_EQ(penCopy.Width(), 4);
  EXPECT_EQ(penCopy.Style(), psDashDot);
  EXPECT_EQ(penCopy.Mode(), pmNotXor);
  TBrush brush, brushCopy;
  brush.SetColor(clYellow);
  brush.SetStyle(bsClear);
  brushCopy.Assign(brush);
  EXPECT_EQ(brushCopy.Color(), clYellow);
  EXPECT_EQ(brushCopy.Style(), bsClear);

  // Another class cannot be assigned, and nothing changes.
  EXPECT_THROW(copy.Assign(pen), EConvertError);
  EXPECT_THROW(pen.Assign(brush), EConvertError);
  EXPECT_THROW(brush.Assign(copy), EConvertError);
  EXPECT_EQ(counter.count, 1);
}

TEST(GraphicsObjects, AssignAcrossResolutionsKeepsThePointSize) {
  struct Case {
    int sourcePpi, destPpi, size, destHeight;
  };
  const Case cases[] = {
      {96, 600, 10, -83},  // a screen font on a printer page
      {600, 96, 9, -12},   // and back
      {96, 120, 8, -13},
  };
  for (const Case& c : cases) {
    TFont source, dest;
    source.SetPixelsPerInch(c.sourcePpi);
    source.SetSize(c.size);
    dest.SetPixelsPerInch(c.destPpi);
    dest.Assign(source);
    EXPECT_EQ(dest.Size(), c.size) << c.sourcePpi << " -> " << c.destPpi;
    EXPECT_EQ(dest.Height(), c.destHeight) << c.sourcePpi << " -> " << c.destPpi;
    EXPECT_EQ(dest.PixelsPerInch(), c.destPpi);
  }
  // The same resolution copies the height itself, even one no size gives.
  TFont source, dest;
  source.SetHeight(-14);
  dest.Assign(source);
  EXPECT_EQ(dest.Height(), -14);
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
    EXPECT_EQ(d, (LogFont{-15, 0, c.weight, c.italic, c.underline, c.strikeOut, "Arial"}));
  }
  TFont font;
  font.SetName(std::string(40, 'x'));
  EXPECT_EQ(font.Description().FaceName, std::string(31, 'x'));
}

}  // namespace
}  // namespace pelk
