// The process-wide text engine: resolves logical fonts to scaled faces
// (fontconfig and FreeType) and keeps faces, realised fonts and their
// glyphs cached, so that measuring a text costs a hash lookup and a sum.
#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <tuple>
#include <unordered_map>
#include <utility>

#include "platform/Gdi.h"
#include "platform/RealisedFont.h"

struct FT_LibraryRec_;

namespace pelk {

class FontEngine {
 public:
  static FontEngine& Instance();

  // Calls use(RealisedFont&) with the font realised for `logFont` and
  // returns its result. The engine is locked during the call, so the font
  // may be used from any thread but must not escape the call.
  template <typename Use>
  decltype(auto) WithFont(const LogFont& logFont, Use&& use) {
    std::lock_guard<std::mutex> lock(mutex_);
    return std::forward<Use>(use)(Realise(logFont));
  }

 private:
  // What selects a realised font; escapement and decorations do not.
  struct FontKey {
    std::string family;
    int height = 0;
    bool bold = false;
    bool italic = false;
    friend bool operator==(const FontKey&, const FontKey&) = default;
  };
  struct FontKeyHash {
    std::size_t operator()(const FontKey& key) const;
  };
  // The face chosen for a family and style, and the style it must fake.
  struct FaceChoice {
    FT_FaceRec_* face = nullptr;
    FontFileMatch file;
    bool embolden = false;
    bool oblique = false;
  };

  static constexpr std::size_t kMaxRealisedFonts = 64;
  static constexpr std::size_t kMaxFaceChoices = 256;

  FontEngine();
  ~FontEngine() = delete;  // lives for the whole process
  FontEngine(const FontEngine&) = delete;
  FontEngine& operator=(const FontEngine&) = delete;

  RealisedFont& Realise(const LogFont& logFont);
  const FaceChoice& ChooseFace(const std::string& family, bool bold, bool italic);
  FT_FaceRec_* OpenFace(const std::string& path, int index);

  std::mutex mutex_;
  FT_LibraryRec_* library_ = nullptr;
  std::map<std::pair<std::string, int>, FT_FaceRec_*> faces_;  // null: failed to open
  std::map<std::tuple<std::string, bool, bool>, FaceChoice> choices_;
  std::unordered_map<FontKey, std::unique_ptr<RealisedFont>, FontKeyHash> fonts_;
  // The last font used, to skip hashing when one font is used repeatedly.
  const FontKey* lastKey_ = nullptr;
  RealisedFont* lastFont_ = nullptr;
};

}  // namespace pelk
