// A page's drawing recorded as vector operations: paths, end pixels, dash
// runs against the raster's pixels, boxes against the raster's rectangles,
// far lines, text, the limits that leave a page to the raster, and the
// small arithmetic the recording and the document writer share.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/FontEngine.h"
#include "platform/PageRecording.h"
#include "platform/PrintDocument.h"
#include "platform/StrokeGeometry.h"
#include "platform/SvgTextLayer.h"
#include "platform/TextRender.h"
#include "platform/Utf8.h"

namespace pelk {
namespace {

// What a replay handed over, operation by operation.
struct Replayed : RecordingVisitor {
  struct StrokeOp {
    std::uint32_t rgb;
    int width;
    bool squareCaps;
    std::vector<RecordedPoint> points;
    int Subpaths() const {
      int n = points.empty() ? 0 : 1;
      for (const RecordedPoint& p : points) n += std::isnan(p.x) ? 1 : 0;
      return n;
    }
  };
  struct BoxesOp {
    std::uint32_t rgb;
    std::vector<RecordedPoint> corners;
  };
  struct TextOp {
    TextRotation rotation;
    std::vector<RecordedGlyph> glyphs;
    std::string utf8;
  };
  void Clip(const TRect& clip) override { clips.push_back(clip); }
  void Stroke(std::uint32_t rgb, int width, bool squareCaps, std::span<const RecordedPoint> points) override {
    strokes.push_back({rgb, width, squareCaps, {points.begin(), points.end()}});
  }
  void Boxes(std::uint32_t rgb, std::span<const RecordedPoint> corners) override {
    boxes.push_back({rgb, {corners.begin(), corners.end()}});
  }
  void Text(std::uint32_t, const RecordedFont&, TextRotation rotation, std::span<const RecordedGlyph> glyphs,
            std::string_view utf8) override {
    texts.push_back({rotation, {glyphs.begin(), glyphs.end()}, std::string(utf8)});
  }
  void Image(const TRect&, std::span<const std::uint32_t>) override { ++images; }

  std::vector<TRect> clips;
  std::vector<StrokeOp> strokes;
  std::vector<BoxesOp> boxes;
  std::vector<TextOp> texts;
  int images = 0;
};

Replayed Replay(PageRecording& recording) {
  Replayed replayed;
  recording.Replay(replayed);
  return replayed;
}

constexpr TRect kClip{0, 0, 400, 300};

TPen MakePen(TColor color = clBlack, int width = 1, TPenStyle style = psSolid, TPenMode mode = pmCopy) {
  TPen pen;
  pen.SetColor(color);
  pen.SetWidth(width);
  pen.SetStyle(style);
  pen.SetMode(mode);
  return pen;
}

TEST(PageRecording, LinesOfOnePenAndClipFormOnePath) {
  struct Case {
    const char* name;
    std::function<void(PageRecording&)> draw;
    std::size_t strokes;
    int subpathsOfFirst;
    std::size_t pointsOfFirst;
    std::size_t clips;
  };
  const TPen black = MakePen();
  const Case cases[] = {
      {"a thousand continuing lines",
       [&](PageRecording& r) {
         for (int i = 0; i < 1000; ++i) r.Line({i % 300, i / 300}, {(i + 1) % 300, (i + 1) / 300}, black, 0, kClip, nullptr);
       },
       1, 1, 1001, 1},
      {"a line elsewhere starts a subpath",
       [&](PageRecording& r) {
         r.Line({10, 10}, {20, 10}, black, 0, kClip, nullptr);
         r.Line({50, 50}, {60, 70}, black, 0, kClip, nullptr);
       },
       1, 2, 5, 1},
      {"another colour is another path",
       [&](PageRecording& r) {
         r.Line({10, 10}, {20, 10}, black, 0, kClip, nullptr);
         r.Line({20, 10}, {30, 10}, MakePen(clRed), 0, kClip, nullptr);
       },
       2, 1, 2, 1},
      {"another width is another path",
       [&](PageRecording& r) {
         r.Line({10, 10}, {20, 10}, black, 0, kClip, nullptr);
         r.Line({20, 10}, {30, 10}, MakePen(clBlack, 3), 0, kClip, nullptr);
       },
       2, 1, 2, 1},
      {"another clip is another path",
       [&](PageRecording& r) {
         r.Line({10, 10}, {20, 10}, black, 0, kClip, nullptr);
         r.Line({20, 10}, {30, 10}, black, 0, TRect{5, 5, 100, 100}, nullptr);
       },
       2, 1, 2, 2},
      {"lines that draw nothing are left out",
       [&](PageRecording& r) {
         r.Line({10, 10}, {10, 10}, black, 0, kClip, nullptr);
         r.Line({10, 10}, {90, 10}, MakePen(clBlack, 1, psClear), 0, kClip, nullptr);
       },
       0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    PageRecording recording;
    c.draw(recording);
    const Replayed r = Replay(recording);
    ASSERT_EQ(r.strokes.size(), c.strokes) << c.name;
    EXPECT_EQ(r.clips.size(), c.clips) << c.name;
    if (c.strokes == 0) continue;
    EXPECT_EQ(r.strokes[0].Subpaths(), c.subpathsOfFirst) << c.name;
    EXPECT_EQ(r.strokes[0].points.size(), c.pointsOfFirst) << c.name;
    EXPECT_FALSE(r.strokes[0].squareCaps) << c.name;
  }
}

TEST(PageRecording, EndPixelsAreKeptOnlyWhereNoLineDrawsOverThem) {
  struct Case {
    const char* name;
    TColor endColor;
    bool asPixel;   // set by a separate pixel call, as PlotLastPixel does
    bool moveAway;  // a last line elsewhere, leaving the chain's end open
    std::size_t endBoxes;
  };
  const Case cases[] = {{"end pixels of the pen's colour", clBlack, false, false, 1},
                        {"end pixels of another colour", clRed, false, false, 1},
                        {"pixels set after each line", clRed, true, false, 1},
                        {"an open end before a move", clRed, false, true, 2}};
  for (const Case& c : cases) {
    PageRecording recording;
    const TPen pen = MakePen();
    const std::uint32_t end = c.endColor;
    const auto chain = [](int i) { return Point64{i * 2, 10 + i % 2}; };
    for (int i = 0; i < 50; ++i) {
      recording.Line(chain(i), chain(i + 1), pen, 0, kClip, c.asPixel ? nullptr : &end);
      if (c.asPixel) recording.Pixel(chain(i + 1), end, kClip);
    }
    if (c.moveAway) recording.Line({200, 200}, {210, 200}, pen, 0, kClip, &end);
    const Replayed r = Replay(recording);
    std::size_t boxes = 0;
    for (const auto& b : r.boxes) {
      EXPECT_EQ(b.rgb, c.endColor) << c.name;
      boxes += b.corners.size() / 2;
    }
    EXPECT_EQ(boxes, c.endBoxes) << c.name;
    ASSERT_FALSE(r.boxes.empty()) << c.name;
    const RecordedPoint last = r.boxes.back().corners[0];
    EXPECT_EQ(last.x, c.moveAway ? 210 : 100) << c.name;
  }
}

// Pixels of a bitmap that are not white.
std::vector<std::pair<int, int>> InkOf(const Surface& s) {
  std::vector<std::pair<int, int>> ink;
  for (int y = 0; y < s.Height(); ++y)
    for (int x = 0; x < s.Width(); ++x)
      if (s.Get(x, y) != clWhite) ink.emplace_back(x, y);
  return ink;
}

TEST(PageRecording, DashRunsCoverExactlyThePixelsTheRasterSets) {
  struct Case {
    TPenStyle style;
    TPoint a, b, c;  // two lines in a row: the pattern runs on across them
  };
  const Case cases[] = {{psDash, {5, 5}, {190, 5}, {190, 140}},   {psDot, {5, 5}, {150, 97}, {10, 140}},
                        {psDashDot, {190, 5}, {7, 140}, {100, 3}}, {psDashDotDot, {3, 100}, {60, 2}, {190, 130}},
                        {psDash, {-50, 70}, {260, 90}, {100, 170}}};
  for (const Case& c : cases) {
    TBitmap raster;
    raster.SetSize(200, 150);
    raster.Canvas().Brush().SetColor(clWhite);
    raster.Canvas().FillRect(TRect{0, 0, 200, 150});
    TCanvas& canvas = raster.Canvas();
    canvas.Pen().SetStyle(c.style);
    canvas.MoveTo(c.a.X, c.a.Y);
    canvas.LineTo(c.b.X, c.b.Y);
    canvas.LineTo(c.c.X, c.c.Y);

    PageRecording recording;
    const TPen pen = MakePen(clBlack, 1, c.style);
    const TRect clip{0, 0, 200, 150};
    recording.Line({c.a.X, c.a.Y}, {c.b.X, c.b.Y}, pen, 0, clip, nullptr);
    const int firstPixels = std::max(std::abs(c.b.X - c.a.X), std::abs(c.b.Y - c.a.Y));
    recording.Line({c.b.X, c.b.Y}, {c.c.X, c.c.Y}, pen, firstPixels % kDashPeriod, clip, nullptr);
    const Replayed r = Replay(recording);
    ASSERT_EQ(r.strokes.size(), 1u) << c.style;
    EXPECT_TRUE(r.strokes[0].squareCaps);
    // Each run's ends lie on ink, and the runs hold as many pixels as the
    // raster set (the two lines meet at c.b, drawn by the second only).
    std::int64_t covered = 0;
    const auto& points = r.strokes[0].points;
    for (std::size_t i = 0; i < points.size(); i += 3) {
      const RecordedPoint p = points[i], q = points[i + 1];
      for (const RecordedPoint& end : {p, q}) {
        const int x = static_cast<int>(std::floor(end.x)), y = static_cast<int>(std::floor(end.y));
        EXPECT_EQ(end.x - x, 0.5f);
        EXPECT_NE(raster.Pixels().Get(x, y), clWhite) << "style " << c.style << " run end " << x << "," << y;
      }
      covered += static_cast<std::int64_t>(std::max(std::fabs(q.x - p.x), std::fabs(q.y - p.y))) + 1;
    }
    EXPECT_EQ(static_cast<std::size_t>(covered), InkOf(raster.Pixels()).size()) << "style " << c.style;
  }
}

// Boxes filled plainly onto a white surface.
Surface PaintBoxes(const Replayed& r, int width, int height) {
  Surface s(width, height);
  s.Fill(clWhite);
  for (const auto& b : r.boxes) {
    for (std::size_t i = 0; i + 1 < b.corners.size(); i += 2) {
      for (int y = static_cast<int>(b.corners[i].y); y < static_cast<int>(b.corners[i + 1].y); ++y)
        for (int x = static_cast<int>(b.corners[i].x); x < static_cast<int>(b.corners[i + 1].x); ++x) s.Set(x, y, b.rgb);
    }
  }
  return s;
}

TEST(PageRecording, RectanglesBecomeBoxesThatMatchTheRaster) {
  struct Case {
    const char* name;
    int penWidth;
    TPenStyle penStyle;
    TBrushStyle brushStyle;
    TRect clip;
  };
  const Case cases[] = {{"outline and fill", 1, psSolid, bsSolid, {0, 0, 60, 50}},
                        {"thick outline only", 4, psSolid, bsClear, {0, 0, 60, 50}},
                        {"fill only", 1, psClear, bsSolid, {0, 0, 60, 50}},
                        {"pen wider than the inside", 9, psSolid, bsSolid, {0, 0, 60, 50}},
                        {"clipped", 3, psSolid, bsClear, {12, 0, 30, 20}}};
  for (const Case& c : cases) {
    TBitmap raster;
    raster.SetSize(60, 50);
    raster.Canvas().FillRect(TRect{0, 0, 60, 50});
    TCanvas& canvas = raster.Canvas();
    canvas.Pen().SetWidth(c.penWidth);
    canvas.Pen().SetStyle(c.penStyle);
    canvas.Pen().SetColor(clNavy);
    canvas.Brush().SetStyle(c.brushStyle);
    canvas.Brush().SetColor(clYellow);
    canvas.SelectClipRect(c.clip);
    canvas.Rectangle(5, 6, 25, 22);

    PageRecording recording;
    recording.Rectangle({5, 6, 25, 22}, canvas.Pen(), canvas.Brush(), c.clip);
    const Surface boxes = PaintBoxes(Replay(recording), 60, 50);
    for (int y = 0; y < 50; ++y)
      for (int x = 0; x < 60; ++x) ASSERT_EQ(boxes.Get(x, y), raster.Pixels().Get(x, y)) << c.name << " at " << x << "," << y;
  }
}

TEST(PageRecording, LinesFromFarAwayAreCutNearTheClip) {
  PageRecording recording;
  const TPen pen = MakePen(clBlack, 3);
  const Point64 from{-2'000'000'000, 100}, to{2'000'000'000, 200};
  recording.Line(from, to, pen, 0, kClip, nullptr);
  const Replayed r = Replay(recording);
  ASSERT_EQ(r.strokes.size(), 1u);
  ASSERT_EQ(r.strokes[0].points.size(), 2u);
  for (const RecordedPoint& p : r.strokes[0].points) {
    EXPECT_GE(p.x, kClip.Left - 10) << p.x;
    EXPECT_LE(p.x, kClip.Right + 10) << p.x;
    // Still on the line through the two ends (odd widths run through pixel centres).
    const double t = (static_cast<double>(p.x) - 0.5 - from.X) / (to.X - from.X);
    EXPECT_NEAR(p.y - 0.5, from.Y + t * (to.Y - from.Y), 1e-3);
  }
}

TEST(PageRecording, RasterOperationsAndLimitsLeaveThePageToTheRaster) {
  const std::uint32_t white = clWhite;
  Surface page(10, 10);
  struct Case {
    const char* name;
    std::function<void(PageRecording&)> draw;
  };
  const Case cases[] = {
      {"xor pen", [](PageRecording& r) { r.Line({0, 0}, {50, 50}, MakePen(clRed, 1, psSolid, pmXor), 0, kClip, nullptr); }},
      {"not-xor rectangle",
       [](PageRecording& r) { r.Rectangle({1, 1, 9, 9}, MakePen(clRed, 1, psSolid, pmNotXor), TBrush(), kClip); }},
      {"inverting copy", [&](PageRecording& r) { r.Copy({0, 0, 10, 10}, cmSrcInvert, page, kClip); }},
      {"pen too wide",
       [](PageRecording& r) { r.Line({0, 0}, {5, 5}, MakePen(clRed, PageRecording::kMaxPenWidth + 1), 0, kClip, nullptr); }},
      {"too many operations",
       [&](PageRecording& r) {
         for (std::uint64_t i = 0; i <= PageRecording::kMaxOperations; ++i) {
           r.Pixel({static_cast<std::int64_t>(i % 400), static_cast<std::int64_t>(i / 400 % 300)},
                   static_cast<std::uint32_t>(i), kClip);
         }
       }},
      {"too much text",
       [](PageRecording& r) {
         LogFont font;
         font.FaceName = "Arial";
         font.Height = -12;
         const std::string text(PageRecording::kMaxBytes / 16, 'x');
         TextPaint paint;
         paint.clip = {0, 0, 400, 300};
         FontEngine::Instance().WithFont(font, [&](RealisedFont& f) { r.Text(f, text, paint); });
       }},
  };
  for (const Case& c : cases) {
    PageRecording recording;
    recording.Line({1, 1}, {30, 1}, MakePen(), 0, kClip, &white);
    c.draw(recording);
    EXPECT_TRUE(recording.RasterOnly()) << c.name;
    EXPECT_EQ(recording.Bytes(), 0u) << c.name;
    recording.Line({1, 5}, {30, 5}, MakePen(), 0, kClip, nullptr);
    const Replayed r = Replay(recording);
    EXPECT_TRUE(r.strokes.empty() && r.boxes.empty() && r.texts.empty() && r.images == 0)
        << c.name << ": nothing kept once given up";
    recording.Clear();
    EXPECT_FALSE(recording.RasterOnly()) << c.name << ": a new page records again";
  }
}

TEST(PageRecording, TextGlyphsRunAlongTheRotationWithTheirCharacters) {
  struct Case {
    int escapement;
    int dx, dy;  // direction of the advance on the page
  };
  const Case cases[] = {{0, 1, 0}, {900, 0, -1}, {1800, -1, 0}, {2700, 0, 1}};
  for (const Case& c : cases) {
    LogFont font;
    font.FaceName = "Arial";
    font.Height = -40;
    PageRecording recording;
    TextPaint paint;
    paint.x = 200;
    paint.y = 150;
    paint.rotation = RotationOfEscapement(c.escapement);
    paint.clip = {0, 0, 400, 300};
    FontEngine::Instance().WithFont(font, [&](RealisedFont& f) { recording.Text(f, "Caf\xE9 \xE2\x82\xAC", paint); });
    const Replayed r = Replay(recording);
    ASSERT_EQ(r.texts.size(), 1u) << c.escapement;
    const Replayed::TextOp& t = r.texts[0];
    EXPECT_EQ(t.utf8, "Caf\xC3\xA9 \xE2\x82\xAC") << "a stray Latin-1 byte becomes its character";
    ASSERT_EQ(t.glyphs.size(), 6u);
    for (std::size_t i = 1; i < t.glyphs.size(); ++i) {
      const float along = (t.glyphs[i].x - t.glyphs[i - 1].x) * c.dx + (t.glyphs[i].y - t.glyphs[i - 1].y) * c.dy;
      const float across = (t.glyphs[i].x - t.glyphs[i - 1].x) * c.dy - (t.glyphs[i].y - t.glyphs[i - 1].y) * c.dx;
      EXPECT_GT(along, 0) << c.escapement << " glyph " << i;
      EXPECT_EQ(across, 0) << c.escapement << " glyph " << i;
      EXPECT_NE(t.glyphs[i].index, 0u) << "every character has its glyph";
    }
  }
}

TEST(TextFrameBasis, MapsEachTextPixelOntoItsDevicePixel) {
  for (TextRotation rotation :
       {TextRotation::None, TextRotation::Quarter, TextRotation::Half, TextRotation::ThreeQuarters}) {
    const TextBasis b = TextFrameBasis(rotation);
    for (const auto& [u, v] : {std::pair{0, 0}, std::pair{3, -7}, std::pair{-5, 2}}) {
      // The images of the text pixel's corners bound the device pixel.
      const int x0 = b.ux * u + b.vx * v, y0 = b.uy * u + b.vy * v;
      const int x1 = b.ux * (u + 1) + b.vx * (v + 1), y1 = b.uy * (u + 1) + b.vy * (v + 1);
      const PixelOffset device = ToDevice(rotation, u, v);
      EXPECT_EQ(std::min(x0, x1), device.x) << static_cast<int>(rotation) << " (" << u << "," << v << ")";
      EXPECT_EQ(std::min(y0, y1), device.y) << static_cast<int>(rotation) << " (" << u << "," << v << ")";
      EXPECT_EQ(std::abs(x1 - x0), 1);
      EXPECT_EQ(std::abs(y1 - y0), 1);
    }
  }
}

TEST(StrokeOffset, CentresTheStrokeOnTheRowsTheRasterFills) {
  for (int width = 1; width <= 8; ++width) {
    TBitmap raster;
    raster.SetSize(40, 40);
    raster.Canvas().FillRect(TRect{0, 0, 40, 40});
    raster.Canvas().Pen().SetWidth(width);
    raster.Canvas().MoveTo(5, 20);
    raster.Canvas().LineTo(35, 20);
    // Rows whose centres lie inside the stroke of the vector page.
    const double centre = 20 + StrokeOffset(width);
    for (int y = 0; y < 40; ++y) {
      const bool inStroke = std::fabs(y + 0.5 - centre) < width / 2.0;
      EXPECT_EQ(raster.Pixels().Get(20, y) != clWhite, inStroke) << "width " << width << " row " << y;
    }
  }
}

TEST(DocumentFormat, FollowsTheExtensionInAnyCase) {
  struct Case {
    const char* path;
    std::optional<TDocumentFormat> format;
  };
  const Case cases[] = {{"out.pdf", TDocumentFormat::Pdf},      {"/a/b/OUT.PDF", TDocumentFormat::Pdf},
                        {"job.Ps", TDocumentFormat::PostScript}, {"graph.sVg", TDocumentFormat::Svg},
                        {"graph.eps", std::nullopt},             {"graph", std::nullopt},
                        {"dir.pdf/graph", std::nullopt},         {"graph.pdf.txt", std::nullopt},
                        {"", std::nullopt}};
  for (const Case& c : cases) EXPECT_EQ(DocumentFormatOf(c.path), c.format) << c.path;
}

TEST(Utf8, AppendedCharactersDecodeBackOrBecomeTheReplacement) {
  struct Case {
    char32_t c;
    char32_t decoded;
    std::size_t bytes;
  };
  const Case cases[] = {{U'A', U'A', 1},         {0xE9, 0xE9, 2},         {0x20AC, 0x20AC, 3},
                        {0x1F600, 0x1F600, 4},   {0xD800, 0xFFFD, 3},     {0x110000, 0xFFFD, 3}};
  for (const Case& c : cases) {
    std::string text;
    AppendUtf8(text, c.c);
    EXPECT_EQ(text.size(), c.bytes) << std::hex << static_cast<std::uint32_t>(c.c);
    std::size_t pos = 0;
    EXPECT_EQ(NextCodePoint(text, pos), c.decoded) << std::hex << static_cast<std::uint32_t>(c.c);
    EXPECT_EQ(pos, text.size());
  }
}

TEST(XmlText, EscapesMarkupAndDropsWhatXmlForbids) {
  struct Case {
    const char* text;
    const char* xml;
  };
  const Case cases[] = {{"x < y & z", "x &lt; y &amp; z"},
                        {"\"quoted\" >", "&quot;quoted&quot; &gt;"},
                        {"bell\x07 dropped", "bell dropped"},
                        {"tab\tkept", "tab\tkept"},
                        {"caf\xE9", "caf\xC3\xA9"},
                        {"\xEF\xBF\xBE", ""}};
  for (const Case& c : cases) EXPECT_EQ(XmlText(c.text), c.xml) << c.text;
}

}  // namespace
}  // namespace pelk
