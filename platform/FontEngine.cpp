#include "platform/FontEngine.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include "platform/FontMatch.h"

namespace pelk {

namespace {
constexpr int kBoldWeight = 600;  // weights from here on ask for a bold face
const char* const kFallbackFamily = "DejaVu Sans";

bool IsBold(const LogFont& f) { return f.Weight >= kBoldWeight; }

// The style the face itself has (fontconfig reports the requested style
// for a face it expects to be synthesised).
bool FaceIsBold(FT_Face face) {
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  if (os2 != nullptr && os2->version != 0xFFFF) return os2->usWeightClass >= kBoldWeight;
  return (face->style_flags & FT_STYLE_FLAG_BOLD) != 0;
}

bool FaceIsItalic(FT_Face face) { return (face->style_flags & FT_STYLE_FLAG_ITALIC) != 0; }
}  // namespace

std::size_t FontEngine::FontKeyHash::operator()(const FontKey& key) const {
  std::size_t h = std::hash<std::string>{}(key.family);
  h ^= std::hash<int>{}(key.height) + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
  return h ^ (static_cast<std::size_t>(key.bold) << 1) ^ static_cast<std::size_t>(key.italic);
}

FontEngine& FontEngine::Instance() {
  // Never destroyed, so that text drawn during static destruction still works.
  static FontEngine* engine = new FontEngine;
  return *engine;
}

FontEngine::FontEngine() {
  FT_Library library = nullptr;
  if (FT_Init_FreeType(&library) == 0) library_ = library;
}

FT_FaceRec_* FontEngine::OpenFace(const std::string& path, int index) {
  const auto key = std::make_pair(path, index);
  auto found = faces_.find(key);
  if (found != faces_.end()) return found->second;
  FT_Face face = nullptr;
  if (library_ == nullptr || FT_New_Face(library_, path.c_str(), index, &face) != 0) {
    face = nullptr;
  } else if (!FT_IS_SCALABLE(face) || face->units_per_EM == 0) {
    FT_Done_Face(face);
    face = nullptr;
  }
  faces_.emplace(key, face);
  return face;
}

const FontEngine::FaceChoice& FontEngine::ChooseFace(const std::string& family, bool bold,
                                                     bool italic) {
  const auto key = std::make_tuple(family, bold, italic);
  auto found = choices_.find(key);
  if (found != choices_.end()) return found->second;
  if (choices_.size() >= kMaxFaceChoices) choices_.clear();
  FaceChoice choice;
  for (const std::string& name : {family, std::string(kFallbackFamily)}) {
    const std::optional<FontFileMatch> match = MatchFontFile(name, bold, italic);
    if (!match) continue;
    choice.face = OpenFace(match->path, match->index);
    if (choice.face == nullptr) continue;
    choice.file = *match;
    choice.embolden = bold && !FaceIsBold(choice.face);
    choice.oblique = italic && !FaceIsItalic(choice.face);
    break;
  }
  return choices_.emplace(key, choice).first->second;
}

RealisedFont& FontEngine::Realise(const LogFont& logFont) {
  const bool bold = IsBold(logFont);
  if (lastKey_ != nullptr && lastKey_->height == logFont.Height && lastKey_->bold == bold &&
      lastKey_->italic == logFont.Italic && lastKey_->family == logFont.FaceName) {
    return *lastFont_;
  }
  FontKey key{logFont.FaceName, logFont.Height, bold, logFont.Italic};
  auto found = fonts_.find(key);
  if (found == fonts_.end()) {
    if (fonts_.size() >= kMaxRealisedFonts) fonts_.clear();
    const FaceChoice& face = ChooseFace(logFont.FaceName, bold, logFont.Italic);
    auto font = std::make_unique<RealisedFont>(face.face, logFont.Height, face.embolden, face.oblique, face.file);
    found = fonts_.emplace(std::move(key), std::move(font)).first;
  }
  lastKey_ = &found->first;
  lastFont_ = found->second.get();
  return *lastFont_;
}

}  // namespace pelk
