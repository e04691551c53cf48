// A printed page's drawing kept as vector operations, in the order drawn,
// beside its raster pixels, so that the page can be written as a document
// that stays sharp at any zoom.
//
// Coordinates are continuous page pixels (pixel (x, y) is the unit square
// at (x, y)). Kept compact: lines of one pen and clip form one path, whose
// subpaths continue as long as each line starts where the last ended; boxes
// of one colour form one fill. A page drawn with a raster operation other
// than a plain copy, or holding more than the limits allow, stops recording
// and frees what it held: it is written as its raster image instead.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/DrawingRecorder.h"
#include "platform/FontMatch.h"
#include "platform/TextGeometry.h"

namespace pelk {

struct RecordedPoint {
  float x = 0;
  float y = 0;
};

struct RecordedFont {
  FontFileMatch file;
  int emPixels = 0;
  bool embolden = false;
  bool oblique = false;
};

// A glyph of the face by index, its origin on the page; glyphs far outside
// the clip are kept as kSkipped so that each character still has its glyph.
struct RecordedGlyph {
  static constexpr std::uint32_t kSkipped = 0xFFFFFFFFu;
  std::uint32_t index = 0;
  float x = 0;
  float y = 0;
};

// Receives a recording in drawing order.
class RecordingVisitor {
 public:
  virtual ~RecordingVisitor() = default;
  // The clip of the operations that follow, until the next call.
  virtual void Clip(const TRect& clip) = 0;
  // Strokes of `width` pixels through the points, a new subpath after each
  // NaN point; round caps and joins, or square caps (dash runs).
  virtual void Stroke(std::uint32_t rgb, int width, bool squareCaps, std::span<const RecordedPoint> points) = 0;
  // Fills the boxes given as (left, top), (right, bottom) pairs.
  virtual void Boxes(std::uint32_t rgb, std::span<const RecordedPoint> corners) = 0;
  // A text run: one glyph per character of the UTF-8 text, each glyph's
  // em square turned by the rotation.
  virtual void Text(std::uint32_t rgb, const RecordedFont& font, TextRotation rotation,
                    std::span<const RecordedGlyph> glyphs, std::string_view utf8) = 0;
  // Pixels (RGB rows) copied onto a box of the page.
  virtual void Image(const TRect& box, std::span<const std::uint32_t> pixels) = 0;
};

class PageRecording final : public TDrawingRecorder {
 public:
  // Drawing calls one page may hold.
  static constexpr std::uint64_t kMaxOperations = 4'000'000;
  // Memory the recording may hold, each operation counted with what writing
  // it costs besides its points, glyphs and pixels.
  static constexpr std::size_t kMaxBytes = std::size_t{64} << 20;
  static constexpr std::size_t kBytesPerOperation = 256;
  // Wider pens are left to the raster page.
  static constexpr int kMaxPenWidth = 16384;

  void Line(Point64 from, Point64 to, const TPen& pen, int dashPhase, const TRect& clip,
            const std::uint32_t* endRGB) override;
  void Rectangle(const Rect64& box, const TPen& pen, const TBrush& brush, const TRect& clip) override;
  void Fill(const Rect64& box, std::uint32_t rgb, const TRect& clip) override;
  void Pixel(Point64 at, std::uint32_t rgb, const TRect& clip) override;
  void Text(RealisedFont& font, std::string_view text, const TextPaint& paint) override;
  void Copy(const Rect64& dest, TCopyMode mode, const Surface& page, const TRect& clip) override;

  // Starts a new page.
  void Clear();
  // The page is to be written as its raster image.
  bool RasterOnly() const { return rasterOnly_; }
  std::size_t Bytes() const { return bytes_; }
  // Ends the page's recording: a pixel still held back is kept. Keeping it
  // may still leave the page to the raster, so writers call this first.
  void Complete();
  // Completes the recording and passes it to the visitor in drawing order.
  void Replay(RecordingVisitor& visitor);

 private:
  enum class Kind : std::uint8_t { Path, Boxes, Text, Image };
  struct Style {
    std::uint32_t rgb = 0;
    int width = 0;  // stroke width in pixels; 0 for fills
    bool squareCaps = false;
    friend bool operator==(const Style&, const Style&) = default;
  };
  struct Op {
    Kind kind;
    std::uint32_t style;
    std::uint32_t clip;
    std::uint32_t first;  // into points_, texts_ or images_
    std::uint32_t count;
  };
  struct TextRun {
    std::uint32_t font;
    TextRotation rotation;
    std::uint32_t firstGlyph, glyphCount;
    std::size_t utf8First, utf8Length;
  };
  struct Image {
    TRect box;
    std::vector<std::uint32_t> pixels;
  };
  // An end pixel set after a line, kept back until it is known whether the
  // next line covers it again.
  struct EndPixel {
    bool pending = false;
    Point64 at;
    std::uint32_t rgb = 0;
    TRect clip;
  };

  // Counts a drawing call; false once the page is left to the raster.
  bool Counted();
  void GiveUp();
  // Accounts for memory about to be kept; false (having given up) when the
  // page would hold too much.
  bool Reserve(std::size_t bytes);
  std::uint32_t ClipIndex(const TRect& clip);
  std::uint32_t StyleIndex(const Style& style);
  // The last operation when it is of this kind, style and clip.
  Op* Continuable(Kind kind, const Style& style, const TRect& clip);
  Op& NewOp(Kind kind, const Style& style, const TRect& clip, std::size_t first);
  // Appends points to the last operation when it continues, else to a new
  // one; a path's points start a new subpath unless they continue it.
  void AddPoints(Kind kind, const Style& style, const TRect& clip, std::span<const RecordedPoint> points,
                 bool continues);
  void FlushEndPixel();
  void AddBox(const Rect64& box, std::uint32_t rgb, const TRect& clip);
  void AddStroke(Point64 from, Point64 to, int width, std::uint32_t rgb, const TRect& clip);
  void AddDashRuns(Point64 from, Point64 to, int phase, std::uint32_t mask, std::uint32_t rgb, const TRect& clip);
  void AddGlyphs(RealisedFont& font, std::string_view text, const TextPaint& paint, const TextStart& start,
                 const TRect& clip);

  bool rasterOnly_ = false;
  std::uint64_t operations_ = 0;
  std::size_t bytes_ = 0;
  std::vector<Op> ops_;
  std::vector<Style> styles_;
  std::vector<TRect> clips_;
  std::vector<RecordedPoint> points_;
  std::vector<RecordedFont> fonts_;
  std::vector<TextRun> texts_;
  std::vector<RecordedGlyph> glyphs_;
  std::string utf8_;
  std::vector<Image> images_;
  // Where the last stroke ended, while the next line may continue it.
  bool pathOpen_ = false;
  Point64 pathEnd_;
  EndPixel endPixel_;
};

}  // namespace pelk
