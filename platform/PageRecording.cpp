#include "platform/PageRecording.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/RealisedFont.h"
#include "platform/StrokeGeometry.h"
#include "platform/TextRender.h"
#include "platform/Utf8.h"
#include "platform/WideLine.h"

namespace pelk {

namespace {

constexpr RecordedPoint kSubpathBreak{std::numeric_limits<float>::quiet_NaN(),
                                      std::numeric_limits<float>::quiet_NaN()};

bool InsideRect(const TRect& r, Point64 p) { return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom; }

Rect64 Intersect(const Rect64& box, const TRect& clip) {
  return {std::max<std::int64_t>(box.Left, clip.Left), std::max<std::int64_t>(box.Top, clip.Top),
          std::min<std::int64_t>(box.Right, clip.Right), std::min<std::int64_t>(box.Bottom, clip.Bottom)};
}

bool IsEmpty(const Rect64& box) { return box.Right <= box.Left || box.Bottom <= box.Top; }

RecordedPoint At(double x, double y) { return {static_cast<float>(x), static_cast<float>(y)}; }

bool SameFont(const RecordedFont& a, const RecordedFont& b) {
  return a.file.path == b.file.path && a.file.index == b.file.index && a.emPixels == b.emPixels &&
         a.embolden == b.embolden && a.oblique == b.oblique;
}

// Frees a container's storage, not only its elements.
template <class Container>
void Release(Container& c) {
  Container().swap(c);
}

}  // namespace

void PageRecording::Clear() {
  GiveUp();
  rasterOnly_ = false;
  operations_ = 0;
}

void PageRecording::GiveUp() {
  rasterOnly_ = true;
  Release(ops_);
  Release(styles_);
  Release(clips_);
  Release(points_);
  Release(fonts_);
  Release(texts_);
  Release(glyphs_);
  Release(utf8_);
  Release(images_);
  bytes_ = 0;
  pathOpen_ = false;
  endPixel_ = {};
}

bool PageRecording::Counted() {
  if (rasterOnly_) return false;
  if (++operations_ > kMaxOperations) {
    GiveUp();
    return false;
  }
  return true;
}

bool PageRecording::Reserve(std::size_t bytes) {
  if (rasterOnly_) return false;
  if (bytes > kMaxBytes - bytes_) {
    GiveUp();
    return false;
  }
  bytes_ += bytes;
  return true;
}

std::uint32_t PageRecording::ClipIndex(const TRect& clip) {
  if (clips_.empty() || !(clips_.back() == clip)) clips_.push_back(clip);
  return static_cast<std::uint32_t>(clips_.size() - 1);
}

std::uint32_t PageRecording::StyleIndex(const Style& style) {
  if (styles_.empty() || !(styles_.back() == style)) styles_.push_back(style);
  return static_cast<std::uint32_t>(styles_.size() - 1);
}

PageRecording::Op* PageRecording::Continuable(Kind kind, const Style& style, const TRect& clip) {
  if (ops_.empty()) return nullptr;
  Op& last = ops_.back();
  if (last.kind != kind || !(styles_[last.style] == style) || !(clips_[last.clip] == clip)) return nullptr;
  return &last;
}

PageRecording::Op& PageRecording::NewOp(Kind kind, const Style& style, const TRect& clip, std::size_t first) {
  const std::uint32_t styleIndex = StyleIndex(style);
  const std::uint32_t clipIndex = ClipIndex(clip);
  ops_.push_back(Op{kind, styleIndex, clipIndex, static_cast<std::uint32_t>(first), 0});
  return ops_.back();
}

void PageRecording::AddPoints(Kind kind, const Style& style, const TRect& clip, std::span<const RecordedPoint> points,
                              bool continues) {
  const bool sameOp = Continuable(kind, style, clip) != nullptr;
  const bool breaks = sameOp && !continues && kind == Kind::Path;
  const std::size_t count = points.size() + (breaks ? 1 : 0);
  if (!Reserve(count * sizeof(RecordedPoint) + (sameOp ? 0 : kBytesPerOperation))) return;
  Op& op = sameOp ? ops_.back() : NewOp(kind, style, clip, points_.size());
  if (breaks) points_.push_back(kSubpathBreak);
  points_.insert(points_.end(), points.begin(), points.end());
  op.count += static_cast<std::uint32_t>(count);
}

void PageRecording::FlushEndPixel() {
  if (!endPixel_.pending) return;
  endPixel_.pending = false;
  const Point64 at = endPixel_.at;
  AddBox({at.X, at.Y, at.X + 1, at.Y + 1}, endPixel_.rgb, endPixel_.clip);
}

void PageRecording::AddBox(const Rect64& box, std::uint32_t rgb, const TRect& clip) {
  const Rect64 visible = Intersect(box, clip);
  if (IsEmpty(visible)) return;
  const RecordedPoint corners[] = {At(static_cast<double>(visible.Left), static_cast<double>(visible.Top)),
                                   At(static_cast<double>(visible.Right), static_cast<double>(visible.Bottom))};
  AddPoints(Kind::Boxes, Style{rgb, 0, false}, clip, corners, false);
}

// Lines that stay near the clip keep their exact ends and may continue one
// another; others are cut to the clip's neighbourhood first, so every
// coordinate stays small.
void PageRecording::AddStroke(Point64 from, Point64 to, int width, std::uint32_t rgb, const TRect& clip) {
  const double offset = StrokeOffset(width);
  const double margin = width / 2.0 + 2.0;
  const double left = clip.Left - margin, top = clip.Top - margin;
  const double right = clip.Right + margin, bottom = clip.Bottom + margin;
  const auto near = [&](Point64 p) {
    return static_cast<double>(p.X) >= left && static_cast<double>(p.X) <= right &&
           static_cast<double>(p.Y) >= top && static_cast<double>(p.Y) <= bottom;
  };
  const Style style{rgb, width, false};
  if (near(from) && near(to)) {
    const bool continues = pathOpen_ && pathEnd_ == from;
    const RecordedPoint ends[] = {At(static_cast<double>(from.X) + offset, static_cast<double>(from.Y) + offset),
                                  At(static_cast<double>(to.X) + offset, static_cast<double>(to.Y) + offset)};
    AddPoints(Kind::Path, style, clip, continues ? std::span<const RecordedPoint>(ends).subspan(1) : ends, continues);
    pathOpen_ = true;
    pathEnd_ = to;
    return;
  }
  pathOpen_ = false;
  double ax = static_cast<double>(from.X), ay = static_cast<double>(from.Y);
  double bx = static_cast<double>(to.X), by = static_cast<double>(to.Y);
  if (!ClipSegment(ax, ay, bx, by, left, top, right, bottom)) return;
  const RecordedPoint ends[] = {At(ax + offset, ay + offset), At(bx + offset, by + offset)};
  AddPoints(Kind::Path, style, clip, ends, false);
}

// Each run of drawn pixels becomes a segment between the centres of its
// first and last pixels with square caps, so it covers them whatever the
// slope; the raster's pattern counts pixels, not length.
void PageRecording::AddDashRuns(Point64 from, Point64 to, int phase, std::uint32_t mask, std::uint32_t rgb,
                                const TRect& clip) {
  pathOpen_ = false;
  const ThinLine line = MakeThinLine(from.X, from.Y, to.X, to.Y);
  IndexRange visible{0, line.major - 1};
  if (!InsideRect(clip, from) || !InsideRect(clip, to)) visible = VisibleRange(line, clip);
  const Style style{rgb, 1, true};
  ForEachDashRun(visible, phase, mask, [&](std::int64_t first, std::int64_t last) {
    const Point64 a = ThinLinePixel(line, first);
    const Point64 b = ThinLinePixel(line, last);
    const RecordedPoint ends[] = {At(static_cast<double>(a.X) + 0.5, static_cast<double>(a.Y) + 0.5),
                                  At(static_cast<double>(b.X) + 0.5, static_cast<double>(b.Y) + 0.5)};
    AddPoints(Kind::Path, style, clip, ends, false);
  });
}

void PageRecording::Line(Point64 from, Point64 to, const TPen& pen, int dashPhase, const TRect& clip,
                         const std::uint32_t* endRGB) {
  if (!Counted()) return;
  const bool draws = pen.Style() != psClear && !(from == to);
  if (draws && (pen.Mode() != pmCopy || pen.Width() > kMaxPenWidth)) return GiveUp();
  const bool dashed = pen.Width() <= 1 && IsDashed(pen.Style());
  const bool setsEnd = endRGB != nullptr && InsideRect(clip, to);
  // A solid line from the pending end pixel draws over it again.
  if (endPixel_.pending && draws && !dashed && endPixel_.at == from && endPixel_.clip == clip) {
    endPixel_.pending = false;
  }
  // The same end pixel set again by a line that draws nothing stays pending.
  const bool repeated =
      !draws && setsEnd && endPixel_.pending && endPixel_.at == to && endPixel_.rgb == *endRGB && endPixel_.clip == clip;
  if (repeated) return;
  FlushEndPixel();
  if (draws) {
    const std::uint32_t rgb = ColorToRGB(pen.Color());
    if (dashed) {
      AddDashRuns(from, to, dashPhase, DashMask(pen.Style()), rgb, clip);
    } else {
      AddStroke(from, to, std::max(pen.Width(), 1), rgb, clip);
    }
  }
  if (setsEnd && !rasterOnly_) endPixel_ = {true, to, *endRGB, clip};
}

// The pen's frame lies inside the box, as wide as the pen; both the frame
// and the inside use the pen's mode.
void PageRecording::Rectangle(const Rect64& box, const TPen& pen, const TBrush& brush, const TRect& clip) {
  if (!Counted()) return;
  if (pen.Mode() != pmCopy) return GiveUp();
  FlushEndPixel();
  const bool outline = pen.Style() != psClear;
  const bool fill = brush.Style() != bsClear;
  const std::uint32_t penRGB = ColorToRGB(pen.Color());
  const std::uint32_t brushRGB = ColorToRGB(brush.Color());
  const std::int64_t t = std::max(pen.Width(), 1);
  const Rect64 inner{box.Left + t, box.Top + t, box.Right - t, box.Bottom - t};
  if (!outline) {
    AddBox(box, brushRGB, clip);
  } else if (IsEmpty(inner) || fill) {
    AddBox(box, penRGB, clip);
    if (fill && !IsEmpty(inner)) AddBox(inner, brushRGB, clip);
  } else {
    AddBox({box.Left, box.Top, box.Right, inner.Top}, penRGB, clip);
    AddBox({box.Left, inner.Bottom, box.Right, box.Bottom}, penRGB, clip);
    AddBox({box.Left, inner.Top, inner.Left, inner.Bottom}, penRGB, clip);
    AddBox({inner.Right, inner.Top, box.Right, inner.Bottom}, penRGB, clip);
  }
}

void PageRecording::Fill(const Rect64& box, std::uint32_t rgb, const TRect& clip) {
  if (!Counted()) return;
  FlushEndPixel();
  AddBox(box, rgb, clip);
}

// Kept back like an end pixel: a pixel set at the end of a line (as after
// each point of a plotted curve) is mostly drawn over by the next line.
void PageRecording::Pixel(Point64 at, std::uint32_t rgb, const TRect& clip) {
  if (!Counted()) return;
  FlushEndPixel();
  if (InsideRect(clip, at)) endPixel_ = {true, at, rgb, clip};
}

void PageRecording::Text(RealisedFont& font, std::string_view text, const TextPaint& paint) {
  if (!Counted() || font.IsNull()) return;
  FlushEndPixel();
  if (!RunCanTouch(font, text, paint, paint.clip)) return;
  const TRect clip{static_cast<int>(paint.clip.left), static_cast<int>(paint.clip.top),
                   static_cast<int>(paint.clip.right), static_cast<int>(paint.clip.bottom)};
  const TextRunLayout layout = LayOutTextRun(font, text, paint);
  const auto place = [&](const PixelBox& textBox) {
    const PixelBox b = PlaceTextBox(paint, textBox);
    return Rect64{b.left, b.top, b.right, b.bottom};
  };
  if (paint.opaque) AddBox(place(layout.cell), paint.background, clip);
  AddGlyphs(font, text, paint, layout.start, clip);
  for (const PixelBox& line : {layout.underline, layout.strikeOut}) {
    if (!line.IsEmpty()) AddBox(place(line), paint.foreground, clip);
  }
}

// One glyph per character, at the origin the raster gave it; glyphs whose
// origin lies two ems beyond the clip cannot reach it and are skipped.
void PageRecording::AddGlyphs(RealisedFont& font, std::string_view text, const TextPaint& paint,
                              const TextStart& start, const TRect& clip) {
  // At most one glyph and four bytes of UTF-8 per byte of text.
  const std::size_t reserved = kBytesPerOperation + text.size() * (sizeof(RecordedGlyph) + 4);
  if (!Reserve(reserved)) return;
  const TextBasis basis = TextFrameBasis(paint.rotation);
  const std::int64_t reach = 2 * std::int64_t{font.EmPixels()} + 2;
  const std::size_t firstGlyph = glyphs_.size();
  const std::size_t utf8First = utf8_.size();
  bool anyNear = false;
  ForEachGlyph(font, text, start.u, [&](char32_t c, const GlyphBox&, std::int64_t pen) {
    const std::int64_t x = paint.x + basis.ux * pen + basis.vx * start.baseline;
    const std::int64_t y = paint.y + basis.uy * pen + basis.vy * start.baseline;
    const bool near = x >= clip.Left - reach && x <= clip.Right + reach && y >= clip.Top - reach &&
                      y <= clip.Bottom + reach;
    anyNear = anyNear || near;
    glyphs_.push_back(near ? RecordedGlyph{font.GlyphIndex(c), static_cast<float>(x), static_cast<float>(y)}
                           : RecordedGlyph{RecordedGlyph::kSkipped, 0, 0});
    AppendUtf8(utf8_, c);
  });
  if (!anyNear) {
    glyphs_.resize(firstGlyph);
    utf8_.resize(utf8First);
    bytes_ -= reserved;
    return;
  }
  const RecordedFont recorded{font.Source(), font.EmPixels(), font.Emboldened(), font.Oblique()};
  if (fonts_.empty() || !SameFont(fonts_.back(), recorded)) fonts_.push_back(recorded);
  texts_.push_back(TextRun{static_cast<std::uint32_t>(fonts_.size() - 1), paint.rotation,
                           static_cast<std::uint32_t>(firstGlyph),
                           static_cast<std::uint32_t>(glyphs_.size() - firstGlyph), utf8First,
                           utf8_.size() - utf8First});
  NewOp(Kind::Text, Style{paint.foreground, 0, false}, clip, texts_.size() - 1).count = 1;
}

void PageRecording::Copy(const Rect64& dest, TCopyMode mode, const Surface& page, const TRect& clip) {
  if (!Counted()) return;
  if (mode != cmSrcCopy) return GiveUp();
  FlushEndPixel();
  const Rect64 normal{std::min(dest.Left, dest.Right), std::min(dest.Top, dest.Bottom),
                      std::max(dest.Left, dest.Right), std::max(dest.Top, dest.Bottom)};
  const Rect64 box = Intersect(normal, clip);
  if (IsEmpty(box)) return;
  const auto width = static_cast<std::size_t>(box.Right - box.Left);
  const auto height = static_cast<std::size_t>(box.Bottom - box.Top);
  if (!Reserve(kBytesPerOperation + width * height * sizeof(std::uint32_t))) return;
  Image image{TRect{static_cast<int>(box.Left), static_cast<int>(box.Top), static_cast<int>(box.Right),
                    static_cast<int>(box.Bottom)},
              {}};
  image.pixels.reserve(width * height);
  for (std::int64_t y = box.Top; y < box.Bottom; ++y) {
    const std::uint32_t* row = page.Row(static_cast<int>(y)) + box.Left;
    image.pixels.insert(image.pixels.end(), row, row + width);
  }
  images_.push_back(std::move(image));
  NewOp(Kind::Image, Style{}, clip, images_.size() - 1).count = 1;
}

void PageRecording::Complete() { FlushEndPixel(); }

void PageRecording::Replay(RecordingVisitor& visitor) {
  Complete();
  if (rasterOnly_) return;
  const TRect* clip = nullptr;
  for (const Op& op : ops_) {
    if (clip == nullptr || !(*clip == clips_[op.clip])) {
      clip = &clips_[op.clip];
      visitor.Clip(*clip);
    }
    const Style& style = styles_[op.style];
    switch (op.kind) {
      case Kind::Path:
        visitor.Stroke(style.rgb, style.width, style.squareCaps, std::span(points_).subspan(op.first, op.count));
        break;
      case Kind::Boxes:
        visitor.Boxes(style.rgb, std::span(points_).subspan(op.first, op.count));
        break;
      case Kind::Text: {
        const TextRun& run = texts_[op.first];
        visitor.Text(style.rgb, fonts_[run.font], run.rotation,
                     std::span(glyphs_).subspan(run.firstGlyph, run.glyphCount),
                     std::string_view(utf8_).substr(run.utf8First, run.utf8Length));
        break;
      }
      case Kind::Image:
        visitor.Image(images_[op.first].box, images_[op.first].pixels);
        break;
    }
  }
}

}  // namespace pelk
