#include <gtest/gtest.h>

#include <climits>
#include <numeric>
#include <string>

#include "platform/FontEngine.h"
#include "platform/FontSizing.h"

// fontconfig loses a few blocks while it parses its configuration (a known
// leak of the library); leak checking of the tests ignores that library.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace pelk {
namespace {

LogFont Font(const std::string& face, int height, int weight = FW_NORMAL, bool italic = false) {
  LogFont f;
  f.FaceName = face;
  f.Height = height;
  f.Weight = weight;
  f.Italic = italic;
  return f;
}

struct FontFacts {
  std::string family;
  int em, ascent, descent;
  int width;  // of "Height 10"
  long ink;   // coverage sum of "H"
};

FontFacts FactsOf(const LogFont& f) {
  return FontEngine::Instance().WithFont(f, [](RealisedFont& font) {
    const Glyph& h = font.GlyphOf(U'H');
    return FontFacts{font.FamilyName(), font.EmPixels(), font.Ascent(), font.Descent(),
                     font.Measure("Height 10"), std::accumulate(h.coverage.begin(), h.coverage.end(), 0L)};
  });
}

int Width(const LogFont& f, std::string_view text) {
  return FontEngine::Instance().WithFont(f, [&](RealisedFont& font) { return font.Measure(text); });
}

TEST(TextEngine, SizingArithmetic) {
  struct Case {
    int height, upem, cellUnits, em;
  };
  const Case cases[] = {
      {-11, 2048, 2288, 11},  // 8 pt at 96 ppi: the em is the height
      {16, 2048, 2288, 14},   // cell 16 px: 16 * 2048 / 2288 = 14.3
      {0, 2048, 2288, 14},    // default cell of 16 px
      {13, 1000, 1300, 10},
      {INT_MIN, 2048, 2288, kMaxEmPixels},
      {INT_MAX, 2048, 2288, kMaxEmPixels},
      {12, 0, -4, 12},  // no face figures: cell of one em
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EmPixelsForHeight(c.height, c.upem, c.cellUnits), c.em) << c.height;
  }
  EXPECT_EQ(ScaleUnitsUp(1854, 11, 2048), 10);  // 9.96 up
  EXPECT_EQ(ScaleUnitsUp(2048, 11, 2048), 11);  // exact stays
  EXPECT_EQ(ScaleUnitsUp(-5, 11, 2048), 0);
  EXPECT_EQ(ScaleUnits(-217, 11, 2048), -1);
  EXPECT_EQ(ScaleUnits(1100, 11, 2048), 6);  // 5.9
}

TEST(TextEngine, ResolvesFamiliesStylesAndSizes) {
  const FontFacts arial = FactsOf(Font("Arial", -11));
  EXPECT_EQ(arial.family, "Liberation Sans");
  EXPECT_EQ(arial.ascent, 10);  // usWinAscent 1854 of 2048, rounded up
  EXPECT_EQ(arial.descent, 3);
  struct Case {
    LogFont font;
    const char* family;  // empty: any
    int cell;            // ascent + descent; 0: not checked
  };
  const Case cases[] = {
      {Font("Arial", -11, FW_BOLD), "Liberation Sans", 13},
      {Font("Arial", -11, FW_NORMAL, true), "Liberation Sans", 13},
      {Font("Arial", 16), "Liberation Sans", 16},  // a cell height
      {Font("Arial", 0), "Liberation Sans", 16},
      {Font("Arial", INT_MIN), "Liberation Sans", 0},
      {Font("DejaVu Sans", -11), "DejaVu Sans", 0},
      {Font("No Such Family Qx7", -11), "", 0},
      {Font("", -11), "", 0},
      {Font(std::string("Ari\0al", 6), -11), "", 0},
      {Font(std::string(200, '\xFF'), -11), "", 0},
  };
  for (const Case& c : cases) {
    const FontFacts facts = FactsOf(c.font);
    if (*c.family) {
      EXPECT_EQ(facts.family, c.family) << c.font.FaceName;
    }
    if (c.cell) {
      EXPECT_EQ(facts.ascent + facts.descent, c.cell) << c.font.Height;
    }
    EXPECT_FALSE(facts.family.empty()) << c.font.FaceName;
    EXPECT_GT(facts.width, 0) << c.font.FaceName;
    EXPECT_GT(facts.ink, 0) << c.font.FaceName;
  }
  // Bold is wider and darker, both from a bold face and synthesised for a
  // family with a single regular face.
  for (const char* family : {"Arial", "DejaVu Math TeX Gyre"}) {
    const FontFacts regular = FactsOf(Font(family, -20));
    const FontFacts bold = FactsOf(Font(family, -20, FW_BOLD));
    EXPECT_EQ(bold.family, regular.family);
    EXPECT_GT(bold.width, regular.width) << family;
    EXPECT_GT(bold.ink, regular.ink * 11 / 10) << family;
  }
}

TEST(TextEngine, WidthsAreSumsOfAdvances) {
  const LogFont font = Font("Arial", -12);
  const std::pair<std::string, std::string> cases[] = {
      {"1", "0"},
      {"Axis", " Label *10"},
      {"\xC2\xB0", "C"},                     // UTF-8 degree sign
      {"\xB0", "\xE9t\xE9"},                 // Latin-1 bytes
      {"\xE4\xB8\x80", "\xF0\x9F\x98\x80"},  // characters the face may lack
      {"", "x"},
  };
  for (const auto& [a, b] : cases) {
    EXPECT_EQ(Width(font, a + b), Width(font, a) + Width(font, b)) << a << "|" << b;
  }
  EXPECT_GT(Width(font, "10"), 0);
  EXPECT_EQ(Width(font, "\xB0"), Width(font, "\xC2\xB0"));  // both U+00B0
  EXPECT_GT(Width(Font("Arial", -24), "Axis Label"), Width(font, "Axis Label"));
}

TEST(TextEngine, GlyphCacheEvictionKeepsResults) {
  const LogFont font = Font("DejaVu Sans", -9);
  const int before = Width(font, "\xC3\xA9\xE2\x82\xAC");  // é€
  std::string many;  // more distinct characters than the cache keeps
  for (char32_t c = 0x100; c < 0x100 + 5000; ++c) {
    many += {static_cast<char>(0xE0 | (c >> 12)), static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
             static_cast<char>(0x80 | (c & 0x3F))};
  }
  EXPECT_GT(Width(font, many), 0);
  EXPECT_EQ(Width(font, "\xC3\xA9\xE2\x82\xAC"), before);
}

TEST(TextEngine, NullFontMeasuresNothing) {
  RealisedFont font(nullptr, -11, false, false);
  EXPECT_TRUE(font.IsNull());
  EXPECT_EQ(font.Measure("Hello"), 0);
  EXPECT_EQ(font.Ascent() + font.Descent(), 0);
  EXPECT_TRUE(font.GlyphOf(U'H').coverage.empty());
}

}  // namespace
}  // namespace pelk
