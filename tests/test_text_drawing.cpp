#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/FontEngine.h"
#include "platform/Gdi.h"
#include "platform/TextGeometry.h"

namespace pelk {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;

// A white image whose canvas font is Arial with a 20-pixel em.
struct WhiteImage {
  TBitmap bitmap;
  WhiteImage(int width, int height) {
    bitmap.SetSize(width, height);
    bitmap.Pixels().Fill(kWhite);
    Canvas().Font().SetHeight(-20);
  }
  TCanvas& Canvas() { return bitmap.Canvas(); }
  Surface& Pixels() { return bitmap.Pixels(); }
};

struct Box {
  int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;  // right, bottom excluded
  bool Empty() const { return left >= right; }
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  friend bool operator==(const Box&, const Box&) = default;
};

std::ostream& operator<<(std::ostream& os, const Box& b) {
  return os << "[" << b.left << "," << b.top << " - " << b.right << "," << b.bottom << ")";
}

// Bounding box of the pixels that are not white.
Box InkBox(const Surface& s) {
  Box box;
  for (int y = 0; y < s.Height(); ++y) {
    for (int x = 0; x < s.Width(); ++x) {
      if (s.Get(x, y) == kWhite) continue;
      box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
             std::max(box.bottom, y + 1)};
    }
  }
  return box;
}

HFONT CreateArial(int height, int escapement) {
  return CreateFontA(height, 0, escapement, escapement, 0, 0, 0, 0, ANSI_CHARSET, OUT_TT_PRECIS,
                     CLIP_DEFAULT_PRECIS, PROOF_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Arial");
}

int AscentOf(TCanvas& canvas) {
  return FontEngine::Instance().WithFont(*FontDescription(canvas.SelectedFont()),
                                         [](RealisedFont& f) { return f.Ascent(); });
}

TEST(TextDrawing, OpaqueCellFollowsTheAlignment) {
  WhiteImage image(300, 300);
  TCanvas& canvas = image.Canvas();
  const int w = canvas.TextWidth("H10"), h = canvas.TextHeight("H10"), a = AscentOf(canvas);
  ASSERT_EQ(a, 19);  // Arial at a 20 px em: 1854 / 2048 * 20 rounded up
  ASSERT_EQ(h, 24);
  const int x = 150, y = 150, d = h - a;
  struct Case {
    int escapement;
    std::uint32_t align;
    Box cell;
  };
  const Case cases[] = {
      {0, TA_LEFT | TA_TOP, {x, y, x + w, y + h}},
      {0, TA_RIGHT | TA_TOP, {x - w, y, x, y + h}},
      {0, TA_CENTER | TA_TOP, {x - w / 2, y, x - w / 2 + w, y + h}},
      {0, TA_LEFT | TA_BASELINE, {x, y - a, x + w, y + d}},
      {0, TA_CENTER | TA_BASELINE, {x - w / 2, y - a, x - w / 2 + w, y + d}},
      {0, TA_RIGHT | TA_BOTTOM | TA_UPDATECP, {x - w, y - h, x, y}},
      // Bottom to top, glyphs left of the baseline: "left" is the lower end.
      {900, TA_LEFT | TA_BASELINE, {x - a, y - w, x + d, y}},
      {900, TA_RIGHT | TA_BASELINE, {x - a, y, x + d, y + w}},
      {900, TA_CENTER | TA_BASELINE, {x - a, y - w + w / 2, x + d, y + w / 2}},
      {900, TA_LEFT | TA_TOP, {x, y - w, x + h, y}},
      {900, TA_CENTER | TA_BOTTOM, {x - h, y - w + w / 2, x, y + w / 2}},
      {1800, TA_LEFT | TA_TOP, {x - w, y - h, x, y}},
      {2700, TA_LEFT | TA_BASELINE, {x - d, y, x + a, y + w}},
  };
  for (const Case& c : cases) {
    image.Pixels().Fill(kWhite);
    const HFONT font = CreateArial(-20, c.escapement);
    const HGDIOBJ previous = SelectObject(canvas.Handle(), font);
    canvas.Brush().SetColor(clYellow);
    canvas.SetTextAlign(c.align);
    canvas.TextOut(x, y, "H10");
    const Box cell = InkBox(image.Pixels());
    EXPECT_EQ(cell, c.cell) << "escapement " << c.escapement << ", align " << c.align;
    EXPECT_EQ(image.Pixels().Get(cell.left, cell.top), 0x00FFFFu) << "brush colour";
    SelectObject(canvas.Handle(), previous);
    DeleteObject(font);
  }
}

TEST(TextDrawing, GlyphsSitOnTheBaselineByAlignment) {
  WhiteImage image(300, 200);
  TCanvas& canvas = image.Canvas();
  SetBkMode(canvas.Handle(), TRANSPARENT);
  const int width = canvas.TextWidth("H"), ascent = AscentOf(canvas);
  const int descent = canvas.TextHeight("H") - ascent;
  const Glyph h = FontEngine::Instance().WithFont(canvas.Font().Description(),
                                                   [](RealisedFont& f) { return f.GlyphOf(U'H'); });
  const int x = 150, y = 100;
  struct Case {
    std::uint32_t align;
    int baseline;  // row just below the glyph's bottom
    int pen;       // where the advance starts
  };
  const Case cases[] = {
      {TA_BASELINE | TA_LEFT, y, x},
      {TA_BASELINE | TA_RIGHT, y, x - width},
      {TA_BASELINE | TA_CENTER, y, x - width / 2},
      {TA_TOP | TA_CENTER, y + ascent, x - width / 2},
      {TA_BOTTOM | TA_RIGHT, y - descent, x - width},
  };
  for (const Case& c : cases) {
    image.Pixels().Fill(kWhite);
    canvas.SetTextAlign(c.align);
    canvas.TextOut(x, y, "H");
    const Box ink = InkBox(image.Pixels());
    // "H" stands on the baseline, its stems within the advance.
    EXPECT_EQ(ink, (Box{c.pen + h.left, c.baseline - h.top, c.pen + h.left + h.width, c.baseline}))
        << "align " << c.align;
    EXPECT_EQ(h.rows, h.top);
    EXPECT_GE(ink.left, c.pen);
    EXPECT_LE(ink.right, c.pen + width);
    // Each pixel is white blended towards black by the glyph's coverage.
    int wrong = 0;
    for (int r = 0; r < h.rows; ++r) {
      for (int col = 0; col < h.width; ++col) {
        const unsigned a = h.coverage[r * h.width + col];
        wrong += image.Pixels().Get(ink.left + col, ink.top + r) != BlendCoverage(kWhite, 0, a);
      }
    }
    EXPECT_EQ(wrong, 0) << "align " << c.align;
  }
}

TEST(TextDrawing, TransparentTextBlendsTheFontColour) {
  for (const char* family : {"Arial", "No Such Family Qx7"}) {
    WhiteImage image(200, 100);
    TCanvas& canvas = image.Canvas();
    canvas.Font().SetName(family);
    canvas.Font().SetColor(clRed);
    canvas.Brush().SetColor(clBlue);
    SetBkMode(canvas.Handle(), TRANSPARENT);
    canvas.TextOut(10, 10, "H1");
    int full = 0, other = 0;
    for (int y = 0; y < 100; ++y) {
      for (int x = 0; x < 200; ++x) {
        const std::uint32_t p = image.Pixels().Get(x, y);
        full += p == 0x0000FF;
        // White faded towards red: red stays full, green equals blue.
        other += (p & 0xFF) != 0xFF || ((p >> 8) & 0xFF) != ((p >> 16) & 0xFF);
      }
    }
    EXPECT_GT(full, 20) << family;
    EXPECT_EQ(other, 0) << family;
  }
}

TEST(TextDrawing, RotatedTextIsTheHorizontalTextTurned) {
  struct Case {
    int escapement;
    int xu, xv, x0, yu, yv, y0;  // device = ref + (xu*u + xv*v + x0, yu*u + yv*v + y0)
  };
  const Case cases[] = {
      {900, 0, 1, 0, -1, 0, -1},  // reads bottom to top
      {1800, -1, 0, -1, 0, -1, -1},
      {2700, 0, -1, -1, 1, 0, 0},
  };
  const int ref = 100;
  WhiteImage flat(200, 200);
  flat.Canvas().SetTextAlign(TA_BASELINE | TA_LEFT);
  flat.Canvas().Brush().SetColor(clAqua);
  flat.Canvas().TextOut(ref, ref, "Hg1");
  for (const Case& c : cases) {
    WhiteImage turned(200, 200);
    TCanvas& canvas = turned.Canvas();
    const HFONT rotated = CreateArial(-20, c.escapement);
    SelectObject(canvas.Handle(), rotated);
    canvas.SetTextAlign(TA_BASELINE | TA_LEFT);
    canvas.Brush().SetColor(clAqua);
    canvas.TextOut(ref, ref, "Hg1");
    int mismatches = 0;
    for (int v = -ref; v < ref; ++v) {
      for (int u = -ref; u < ref; ++u) {
        mismatches += flat.Pixels().Get(ref + u, ref + v) !=
                      turned.Pixels().Get(ref + c.xu * u + c.xv * v + c.x0, ref + c.yu * u + c.yv * v + c.y0);
      }
    }
    EXPECT_EQ(mismatches, 0) << "escapement " << c.escapement;
    DeleteObject(rotated);
  }
}

TEST(TextDrawing, RotationEndsWhenTheCanvasFontReturns) {
  WhiteImage image(200, 200);
  TCanvas& canvas = image.Canvas();
  SetBkMode(canvas.Handle(), TRANSPARENT);
  const auto drawnBox = [&] {
    image.Pixels().Fill(kWhite);
    canvas.TextOut(100, 150, "1000");
    return InkBox(image.Pixels());
  };
  struct Case {
    const char* how;
    void (*end)(TCanvas&, HGDIOBJ previous);
  };
  const Case cases[] = {
      {"select the displaced font back", [](TCanvas& c, HGDIOBJ p) { SelectObject(c.Handle(), p); }},
      {"change the font object", [](TCanvas& c, HGDIOBJ) { c.Font().SetStyle({fsBold}); }},
      {"assign a font", [](TCanvas& c, HGDIOBJ) { c.Font().Assign(TFont()); }},
      {"delete the rotated font", [](TCanvas&, HGDIOBJ) {}},  // the canvas font stands in
  };
  for (const Case& c : cases) {
    canvas.Font().SetStyle({});
    const HFONT rotated = CreateArial(-20, 900);
    const HGDIOBJ previous = SelectObject(canvas.Handle(), rotated);
    const Box vertical = drawnBox();
    EXPECT_GT(vertical.Height(), 2 * vertical.Width()) << c.how;
    c.end(canvas, previous);
    DeleteObject(rotated);
    const Box horizontal = drawnBox();
    EXPECT_GT(horizontal.Width(), 2 * horizontal.Height()) << c.how;
  }
  // A font change before the selection does not undo it: the canvas font
  // is realised when the font is selected, not at the next text.
  const HDC dc = canvas.Handle();
  canvas.Font().SetHeight(-24);
  const HFONT rotated = CreateArial(-20, 900);
  const HGDIOBJ previous = SelectObject(dc, rotated);
  EXPECT_EQ(FontDescription(previous)->Height, -24);
  const Box vertical = drawnBox();
  EXPECT_GT(vertical.Height(), 2 * vertical.Width());
  DeleteObject(rotated);
}

TEST(TextDrawing, NeverWritesOutsideTheClipOrTheImage) {
  struct Case {
    int x, y, escapement;
    TRect clip;
  };
  const Case cases[] = {
      {20, 20, 0, {25, 22, 60, 35}},   {40, 40, 900, {30, 10, 38, 35}},
      {60, 40, 1800, {0, 0, 50, 50}},  {-5, -8, 0, {0, 0, 80, 60}},
      {75, 55, 2700, {0, 0, 80, 60}},  {INT_MAX, INT_MAX, 0, {0, 0, 80, 60}},
      {INT_MIN, INT_MIN, 900, {0, 0, 80, 60}}, {30, 30, 0, {-100, -100, 1000, 1000}},
  };
  for (const Case& c : cases) {
    WhiteImage image(80, 60);
    TCanvas& canvas = image.Canvas();
    const HRGN region = CreateRectRgn(c.clip.Left, c.clip.Top, c.clip.Right, c.clip.Bottom);
    SelectClipRgn(canvas.Handle(), region);
    DeleteObject(region);
    const HFONT font = CreateArial(-30, c.escapement);
    SelectObject(canvas.Handle(), font);
    canvas.Brush().SetColor(clLime);
    canvas.SetTextAlign(TA_CENTER | TA_BASELINE);
    canvas.TextOut(c.x, c.y, "W\xC3\xA9g_");
    int outside = 0;
    for (int y = 0; y < 60; ++y) {
      for (int x = 0; x < 80; ++x) {
        const bool inClip = x >= c.clip.Left && x < c.clip.Right && y >= c.clip.Top && y < c.clip.Bottom;
        outside += !inClip && image.Pixels().Get(x, y) != kWhite;
      }
    }
    EXPECT_EQ(outside, 0) << c.x << "," << c.y;
    DeleteObject(font);
  }
}

TEST(TextDrawing, UnderlineAndStrikeOutSpanTheText) {
  WhiteImage image(200, 100);
  TCanvas& canvas = image.Canvas();
  SetBkMode(canvas.Handle(), TRANSPARENT);
  canvas.SetTextAlign(TA_BASELINE);
  const int width = canvas.TextWidth("i i");
  struct Case {
    TFontStyle style;
    int rowMin, rowMax;  // the line lies within these rows, relative to the baseline
  };
  for (const Case& c : {Case{fsUnderline, 0, 4}, Case{fsStrikeOut, -9, -3}}) {
    canvas.Font().SetStyle({c.style});
    image.Pixels().Fill(kWhite);
    canvas.TextOut(20, 50, "i i");
    int solidRows = 0;  // rows in text colour across the advance, the space too
    for (int y = 50 + c.rowMin; y <= 50 + c.rowMax; ++y) {
      bool solid = true;
      for (int x = 20; x < 20 + width; ++x) solid = solid && image.Pixels().Get(x, y) == 0;
      solidRows += solid;
    }
    EXPECT_GE(solidRows, 1) << c.style;
  }
}

}  // namespace
}  // namespace pelk
