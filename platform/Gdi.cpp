#include "platform/Gdi.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>
#include <variant>

#include "platform/Canvas.h"

namespace pelk {

namespace {

using GdiObject = std::variant<TRect, LogFont>;

// Every live graphics object by handle. Handles count up from 1 and are
// never reused; once the counter runs out, creation fails with handle 0.
// Like the rest of the platform it belongs to the user-interface thread.
class ObjectTable {
 public:
  HGDIOBJ Add(GdiObject object) {
    if (next_ == 0) return 0;
    const HGDIOBJ handle = next_++;
    objects_.emplace(handle, std::move(object));
    return handle;
  }

  bool Remove(HGDIOBJ handle) {
    if (handle == lastRegion_) lastRegion_ = 0;
    return objects_.erase(handle) != 0;
  }

  template <class T>
  std::optional<T> Find(HGDIOBJ handle) {
    auto it = objects_.find(handle);
    if (it == objects_.end()) return std::nullopt;
    if (const T* value = std::get_if<T>(&it->second)) return *value;
    return std::nullopt;
  }

  // The printer's clip is selected before every plotted line; the last
  // region looked up is kept at hand.
  std::optional<TRect> FindRegion(HGDIOBJ handle) {
    if (handle != 0 && handle == lastRegion_) return lastRegionRect_;
    std::optional<TRect> rect = Find<TRect>(handle);
    if (rect) {
      lastRegion_ = handle;
      lastRegionRect_ = *rect;
    }
    return rect;
  }

 private:
  std::unordered_map<HGDIOBJ, GdiObject> objects_;
  HGDIOBJ next_ = 1;
  HGDIOBJ lastRegion_ = 0;
  TRect lastRegionRect_;
};

// Never destroyed: canvases that outlive static destruction still delete
// their fonts.
ObjectTable& Objects() {
  static ObjectTable* table = new ObjectTable;
  return *table;
}

constexpr std::size_t kMaxFaceName = 31;

}  // namespace

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
  return Objects().Add(
      TRect{std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)});
}

std::optional<TRect> RegionRect(HRGN region) { return Objects().FindRegion(region); }

bool DeleteObject(HGDIOBJ object) { return object != 0 && Objects().Remove(object); }

int SelectClipRgn(HDC dc, HRGN region) {
  if (dc == nullptr) return RGN_ERROR;
  if (region == 0) {
    dc->SelectClipRect(std::nullopt);
    return SIMPLEREGION;
  }
  const std::optional<TRect> rect = RegionRect(region);
  if (!rect) return RGN_ERROR;
  dc->SelectClipRect(*rect);
  return rect->IsEmpty() ? NULLREGION : SIMPLEREGION;
}

HFONT CreateFontA(int height, int /*width*/, int escapement, int /*orientation*/, int weight,
                  std::uint32_t italic, std::uint32_t underline, std::uint32_t strikeOut,
                  std::uint32_t /*charSet*/, std::uint32_t /*outputPrecision*/,
                  std::uint32_t /*clipPrecision*/, std::uint32_t /*quality*/,
                  std::uint32_t /*pitchAndFamily*/, const char* faceName) {
  LogFont font;
  font.Height = height;
  font.Escapement = escapement;
  font.Weight = weight;
  font.Italic = italic != 0;
  font.Underline = underline != 0;
  font.StrikeOut = strikeOut != 0;
  if (faceName != nullptr) font.FaceName.assign(faceName, strnlen(faceName, kMaxFaceName));
  return Objects().Add(std::move(font));
}

std::optional<LogFont> FontDescription(HFONT font) { return Objects().Find<LogFont>(font); }

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
  if (dc == nullptr || object == 0) return 0;
  if (FontDescription(object)) return dc->SelectFontHandle(object);
  if (RegionRect(object)) return static_cast<HGDIOBJ>(SelectClipRgn(dc, object));
  return 0;
}

std::uint32_t SetTextAlign(HDC dc, std::uint32_t flags) {
  if (dc == nullptr) return GDI_ERROR;
  const std::uint32_t previous = dc->TextAlign();
  dc->SetTextAlign(flags);
  return previous;
}

std::uint32_t GetTextAlign(HDC dc) { return dc == nullptr ? GDI_ERROR : dc->TextAlign(); }

int SetBkMode(HDC dc, int mode) {
  if (dc == nullptr || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
  const int previous = dc->BackgroundMode();
  dc->SetBackgroundMode(mode);
  return previous;
}

int GetBkMode(HDC dc) { return dc == nullptr ? 0 : dc->BackgroundMode(); }

int GetDeviceCaps(HDC dc, int index) {
  if (dc == nullptr) return 0;
  switch (index) {
    case LOGPIXELSX: return dc->PixelsPerInchX();
    case LOGPIXELSY: return dc->PixelsPerInch();
    case HORZRES: {
      const Surface* s = dc->DeviceSurface();
      return s != nullptr ? s->Width() : 0;
    }
    case VERTRES: {
      const Surface* s = dc->DeviceSurface();
      return s != nullptr ? s->Height() : 0;
    }
    default: return 0;
  }
}

bool IntersectRect(TRect& result, const TRect& a, const TRect& b) {
  const TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
                std::min(a.Bottom, b.Bottom)};
  if (a.IsEmpty() || b.IsEmpty() || r.IsEmpty()) {
    result = TRect{};
    return false;
  }
  result = r;
  return true;
}

}  // namespace pelk
