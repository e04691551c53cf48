// Pixel layers set by a canvas in one pass over the rows, and the boxes it
// reports to its recorder, against setting each layer in turn over the whole
// surface; the surface fill that leaves a hole.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "SurfaceDifference.h"
#include "platform/Bitmap.h"
#include "platform/DrawingRecorder.h"

namespace pelk {
namespace {

constexpr std::uint32_t kOld = 0x123456;

// A recorder that fills the boxes it is told of on a surface of its own; a
// canvas on a surface that reports to it.
class BoxReplay final : public TDrawingRecorder {
 public:
  explicit BoxReplay(Surface& s) : s_(s) {}
  void Fill(const Rect64& box, std::uint32_t rgb, const TRect& clip) override {
    using I = std::int64_t;
    for (I y = std::max<I>(box.Top, clip.Top); y < std::min<I>(box.Bottom, clip.Bottom); ++y)
      for (I x = std::max<I>(box.Left, clip.Left); x < std::min<I>(box.Right, clip.Right); ++x)
        s_.Set(int(x), int(y), rgb);
  }
  void Line(Point64, Point64, const TPen&, int, const TRect&, const std::uint32_t*) override { ADD_FAILURE(); }
  void Rectangle(const Rect64&, const TPen&, const TBrush&, const TRect&) override { ADD_FAILURE(); }
  void Pixel(Point64, std::uint32_t, const TRect&) override { ADD_FAILURE(); }
  void Text(RealisedFont&, std::string_view, const TextPaint&) override { ADD_FAILURE(); }
  void Copy(const Rect64&, TCopyMode, const Surface&, const TRect&) override { ADD_FAILURE(); }

 private:
  Surface& s_;
};

class RecordedCanvas final : public TCanvas {
 public:
  RecordedCanvas(Surface& s, TPoint origin, TDrawingRecorder& recorder) : s_(s), origin_(origin) {
    SetRecorder(&recorder);
  }
  DeviceView Device() override { return {&s_, origin_, s_.Bounds()}; }

 private:
  Surface& s_;
  TPoint origin_;
};

// The reference: each layer in turn, pixel by pixel, over the whole surface.
void PaintOneLayerAfterAnother(Surface& s, const TRect& clip, TPoint o, const std::vector<PixelLayer>& layers) {
  const auto set = [&](std::int64_t x, std::int64_t y, std::uint32_t rgb) {
    if (x >= clip.Left && x < clip.Right && y >= clip.Top && y < clip.Bottom && s.Contains(int(x), int(y))) {
      s.Set(static_cast<int>(x), static_cast<int>(y), rgb);
    }
  };
  for (const PixelLayer& layer : layers) {
    // Rows far outside the clip set nothing and are not visited.
    const std::int64_t top = std::max<std::int64_t>(layer.top, clip.Top - o.Y);
    const std::int64_t bottom = std::min<std::int64_t>(layer.bottom, clip.Bottom - o.Y);
    for (std::int64_t y = top; y < bottom; ++y) {
      if (layer.shape == PixelLayer::Shape::Span) {
        for (std::int64_t x = layer.left; x < layer.right; ++x) set(x + o.X, y + o.Y, layer.rgb);
      } else {
        for (const int x : layer.columns) set(std::int64_t{x} + o.X, y + o.Y, layer.rgb);
      }
    }
  }
}

PixelLayer Span(std::uint32_t rgb, std::int64_t top, std::int64_t bottom, std::int64_t left, std::int64_t right) {
  return {PixelLayer::Shape::Span, rgb, top, bottom, left, right, {}};
}
PixelLayer Columns(std::uint32_t rgb, std::int64_t top, std::int64_t bottom, const std::vector<int>& xs) {
  return {PixelLayer::Shape::Columns, rgb, top, bottom, 0, 0, xs};
}

TEST(PixelLayers, OnePassLeavesWhatLayerAfterLayerLeaves) {
  const std::vector<int> grid = {2, 5, 9, 13, 17};
  const std::vector<int> strayColumns = {-4, 0, 7, 7, 19, 20, 1000};
  const std::vector<int> none;
  struct Case {
    const char* name;
    TRect clip;
    TPoint origin;
    std::vector<PixelLayer> layers;
  };
  const std::vector<Case> cases = {
      {"a fill, columns over it, rows over them, columns again",
       {0, 0, 20, 16},
       {0, 0},
       {Span(0xFFFFFF, 1, 15, 1, 19), Columns(0xC0C0C0, 1, 15, grid), Span(0xC0C0C0, 4, 5, 1, 19),
        Span(0xC0C0C0, 8, 9, 1, 19), Columns(0x000000, 2, 15, grid), Span(0x000000, 12, 13, 1, 20)}},
      {"the clip cuts every layer", {3, 2, 11, 9}, {0, 0}, {Span(0xFF, 0, 16, 0, 20), Columns(0xFF00, 0, 16, grid)}},
      {"columns outside the surface or repeated", {0, 0, 20, 16}, {0, 0}, {Columns(0xFF, 3, 10, strayColumns)}},
      {"shifted by the origin", {0, 0, 20, 16}, {5, -3}, {Span(0xFF, 0, 8, 0, 6), Columns(0xFF00, 2, 12, grid)}},
      {"far outside, empty and reversed layers",
       {0, 0, 20, 16},
       {0, 0},
       {Span(0xFF, -5'000'000'000, 5'000'000'000, 10, 12), Span(0xFF00, 6, 6, 0, 20), Span(0xFF00, 9, 4, 0, 20),
        Span(0xFF0000, 0, 16, 8, 3), Columns(0xFF0000, 0, 16, none), Span(0xFF00FF, 40, 50, 0, 20)}},
      {"an empty clip", {5, 5, 5, 9}, {0, 0}, {Span(0xFF, 0, 16, 0, 20)}},
      {"a clip larger than the surface", {-10, -10, 50, 50}, {0, 0}, {Span(0xFF, -3, 30, -3, 30)}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Surface got(20, 16), want(20, 16), recorded(20, 16);
    for (Surface* s : {&got, &want, &recorded}) s->Fill(kOld);
    BoxReplay recorder(recorded);
    RecordedCanvas canvas(got, c.origin, recorder);
    canvas.SelectClipRect(c.clip);
    canvas.SetPixelLayers(c.layers);
    PaintOneLayerAfterAnother(want, c.clip, c.origin, c.layers);
    const auto difference = FirstDifference(got, want);
    EXPECT_FALSE(difference) << *difference;
    // What the recorder is told gives the same pixels.
    const auto told = FirstDifference(recorded, want);
    EXPECT_FALSE(told) << "recorded: " << *told;
  }
}

TEST(PixelLayers, FillAroundKeepsOnlyTheHole) {
  struct Case {
    const char* name;
    TRect hole;
  };
  const Case cases[] = {
      {"inside", {3, 2, 9, 7}},         {"touching every edge", {0, 0, 12, 10}}, {"one row", {2, 4, 10, 5}},
      {"one column", {5, 0, 6, 10}},   {"partly outside", {-3, 6, 4, 40}},    {"left and right edges", {0, 3, 12, 6}},
      {"empty", {6, 6, 6, 8}},         {"reversed", {9, 7, 3, 2}},            {"outside", {20, 20, 30, 30}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Surface s(12, 10);
    s.Fill(kOld);
    s.FillAround(c.hole, 0xFF);
    for (int y = 0; y < s.Height(); ++y)
      for (int x = 0; x < s.Width(); ++x) {
        const bool inHole = x >= c.hole.Left && x < c.hole.Right && y >= c.hole.Top && y < c.hole.Bottom;
        ASSERT_EQ(s.Get(x, y), inHole ? kOld : 0xFFu) << x << "," << y;
      }
  }
}

}  // namespace
}  // namespace pelk
