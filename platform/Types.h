// Basic value types of the drawing platform: colours, points, rectangles,
// pen/brush/font enumerations and small bit sets.
#pragma once

#include <cstdint>
#include <functional>

namespace pelk {

/// 0x00BBGGRR, or a system colour with the high bit set.
using TColor = std::uint32_t;

/// Black.
inline constexpr TColor clBlack = 0x000000;
/// Dark red.
inline constexpr TColor clMaroon = 0x000080;
/// Dark green.
inline constexpr TColor clGreen = 0x008000;
/// Dark yellow.
inline constexpr TColor clOlive = 0x008080;
/// Dark blue.
inline constexpr TColor clNavy = 0x800000;
/// Dark magenta.
inline constexpr TColor clPurple = 0x800080;
/// Dark cyan.
inline constexpr TColor clTeal = 0x808000;
/// Middle grey.
inline constexpr TColor clGray = 0x808080;
/// Light grey.
inline constexpr TColor clSilver = 0xC0C0C0;
/// Red.
inline constexpr TColor clRed = 0x0000FF;
/// Green.
inline constexpr TColor clLime = 0x00FF00;
/// Yellow.
inline constexpr TColor clYellow = 0x00FFFF;
/// Blue.
inline constexpr TColor clBlue = 0xFF0000;
/// Magenta.
inline constexpr TColor clFuchsia = 0xFF00FF;
/// Cyan.
inline constexpr TColor clAqua = 0xFFFF00;
/// White.
inline constexpr TColor clWhite = 0xFFFFFF;

/// What TCanvas::Pixel reads outside the surface.
inline constexpr TColor CLR_INVALID = 0xFFFFFFFF;
/// The bit that marks a system colour.
inline constexpr TColor clSystemColor = 0x80000000;
/// System colour of scroll bars.
inline constexpr TColor clScrollBar = 0x80000000;
/// System colour of the desktop.
inline constexpr TColor clBackground = 0x80000001;
/// System colour of an active window's caption.
inline constexpr TColor clActiveCaption = 0x80000002;
/// System colour of a window's background.
inline constexpr TColor clWindow = 0x80000005;
/// System colour of a window's text.
inline constexpr TColor clWindowText = 0x80000008;
/// System colour of selected items.
inline constexpr TColor clHighlight = 0x8000000D;
/// System colour of selected text.
inline constexpr TColor clHighlightText = 0x8000000E;
/// System colour of button faces (clSilver in the platform's table).
inline constexpr TColor clBtnFace = 0x8000000F;
/// System colour of button shadows.
inline constexpr TColor clBtnShadow = 0x80000010;
/// System colour of disabled text.
inline constexpr TColor clGrayText = 0x80000011;
/// System colour of button text.
inline constexpr TColor clBtnText = 0x80000012;
/// System colour of button highlights.
inline constexpr TColor clBtnHighlight = 0x80000014;

/// The RGB value of a system colour, from the platform's table (0 for an
/// unknown index).
TColor SystemColorToRGB(TColor color);

/// Resolves a system colour through the platform's table; other colours are
/// returned with the high byte cleared. Inline: every line drawn asks.
inline TColor ColorToRGB(TColor color) {
  return (color & 0x80000000u) != 0 ? SystemColorToRGB(color) : color & 0xFFFFFF;
}

/// A point in pixels.
struct TPoint {
  /// The column.
  int X = 0;
  /// The row.
  int Y = 0;
  /// Whether both coordinates are equal.
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

/// Right and bottom are excluded.
struct TRect {
  /// The first column inside.
  int Left = 0;
  /// The first row inside.
  int Top = 0;
  /// The first column past the right edge.
  int Right = 0;
  /// The first row past the bottom edge.
  int Bottom = 0;
  /// Right - Left.
  int Width() const { return Right - Left; }
  /// Bottom - Top.
  int Height() const { return Bottom - Top; }
  /// Whether the rectangle covers no pixel.
  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  /// Whether all four edges are equal.
  friend bool operator==(const TRect&, const TRect&) = default;
};

/// A set of enumeration values, one bit per ordinal (bit value 1 << ordinal).
template <typename E>
class TSet {
 public:
  constexpr TSet() = default;
  /// The set of the listed values.
  constexpr TSet(std::initializer_list<E> items) {
    for (E e : items) bits_ |= Bit(e);
  }
  /// The set whose bits are bits.
  static constexpr TSet FromBits(std::uint32_t bits) {
    TSet s;
    s.bits_ = bits;
    return s;
  }
  /// Whether e is in the set.
  constexpr bool Contains(E e) const { return (bits_ & Bit(e)) != 0; }
  /// Adds e.
  constexpr TSet& Include(E e) {
    bits_ |= Bit(e);
    return *this;
  }
  /// Removes e.
  constexpr TSet& Exclude(E e) {
    bits_ &= ~Bit(e);
    return *this;
  }
  /// Whether the set holds nothing.
  constexpr bool Empty() const { return bits_ == 0; }
  /// The set as bits, 1 << ordinal for each value.
  constexpr std::uint32_t Bits() const { return bits_; }
  /// The union.
  friend constexpr TSet operator+(TSet a, TSet b) { return FromBits(a.bits_ | b.bits_); }
  /// The values of a that are not in b.
  friend constexpr TSet operator-(TSet a, TSet b) { return FromBits(a.bits_ & ~b.bits_); }
  /// Whether both hold the same values.
  friend constexpr bool operator==(TSet a, TSet b) { return a.bits_ == b.bits_; }

 private:
  static constexpr std::uint32_t Bit(E e) { return 1u << static_cast<unsigned>(e); }
  std::uint32_t bits_ = 0;
};

/// The sixteen binary raster operations a pen draws with (pmCopy: plain colour, pmNotXor: the zoom band).
enum TPenMode : std::uint8_t {
  pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
  pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor
};

/// The dash pattern of a pen; psClear draws nothing.
enum TPenStyle : std::uint8_t { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

/// Whether a brush fills (bsSolid) or leaves the inside alone (bsClear).
enum TBrushStyle : std::uint8_t { bsSolid, bsClear };

/// One style of a font.
enum TFontStyle : std::uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };
/// The styles of a font.
using TFontStyles = TSet<TFontStyle>;

/// Bit values ssShift 1, ssAlt 2, ssCtrl 4, ssLeft 8, ssRight 16, ssMiddle 32, ssDouble 64.
enum TShiftStateFlag : std::uint8_t { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
/// The modifier keys and mouse buttons down during a mouse event.
using TShiftState = TSet<TShiftStateFlag>;

/// A mouse button.
enum TMouseButton : std::uint8_t { mbLeft, mbRight, mbMiddle };

/// A mouse cursor shape of a control.
using TCursor = std::int16_t;
/// The default arrow.
inline constexpr TCursor crDefault = 0;
/// The cross hair.
inline constexpr TCursor crCross = -3;

/// Raster operation codes of the copy mode.
using TCopyMode = std::uint32_t;
/// Fills with black.
inline constexpr TCopyMode cmBlackness = 0x00000042;
/// Inverts the destination.
inline constexpr TCopyMode cmDstInvert = 0x00550009;
/// Source AND brush.
inline constexpr TCopyMode cmMergeCopy = 0x00C000CA;
/// NOT source OR destination.
inline constexpr TCopyMode cmMergePaint = 0x00BB0226;
/// NOT source.
inline constexpr TCopyMode cmNotSrcCopy = 0x00330008;
/// NOT (source OR destination).
inline constexpr TCopyMode cmNotSrcErase = 0x001100A6;
/// Source AND destination.
inline constexpr TCopyMode cmSrcAnd = 0x008800C6;
/// The source, plainly.
inline constexpr TCopyMode cmSrcCopy = 0x00CC0020;
/// Source AND NOT destination.
inline constexpr TCopyMode cmSrcErase = 0x00440328;
/// Source XOR destination.
inline constexpr TCopyMode cmSrcInvert = 0x00660046;
/// Source OR destination.
inline constexpr TCopyMode cmSrcPaint = 0x00EE0086;
/// Fills with white.
inline constexpr TCopyMode cmWhiteness = 0x00FF0062;

/// The root of the class hierarchy: the Sender of events.
class TObject {
 public:
  virtual ~TObject() = default;
};

/// An event that only says something happened to Sender.
using TNotifyEvent = std::function<void(TObject* Sender)>;
/// A mouse button pressed or released at (X, Y) in control coordinates.
using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
/// The mouse moved to (X, Y) in control coordinates.
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;

}  // namespace pelk
