#include "platform/FontMatch.h"

#include <fontconfig/fontconfig.h>

#include <memory>

namespace pelk {

namespace {
struct PatternDeleter {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;
}  // namespace

std::optional<FontFileMatch> MatchFontFile(const std::string& family, bool bold, bool italic) {
  PatternPtr pattern(FcPatternCreate());
  if (!pattern) return std::nullopt;
  // fontconfig reads the family as a C string.
  const std::string name = family.substr(0, family.find('\0'));
  FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
  FcPatternAddInteger(pattern.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  if (!FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern)) return std::nullopt;
  FcDefaultSubstitute(pattern.get());

  FcResult result = FcResultNoMatch;
  PatternPtr match(FcFontMatch(nullptr, pattern.get(), &result));
  if (!match) return std::nullopt;
  FcChar8* file = nullptr;
  if (FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch || file == nullptr) {
    return std::nullopt;
  }
  FontFileMatch found;
  found.path = reinterpret_cast<const char*>(file);
  int value = 0;
  if (FcPatternGetInteger(match.get(), FC_INDEX, 0, &value) == FcResultMatch) found.index = value;
  return found;
}

}  // namespace pelk
