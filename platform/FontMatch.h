// Finding the font file for a family and style through fontconfig.
#pragma once

#include <optional>
#include <string>

namespace pelk {

struct FontFileMatch {
  std::string path;
  int index = 0;  // face index within the file
};

// The best installed face for the family with the requested weight and
// slant, after fontconfig's substitutions (so "Arial" finds its metric
// equivalent); nothing when fontconfig finds no file.
std::optional<FontFileMatch> MatchFontFile(const std::string& family, bool bold, bool italic);

}  // namespace pelk
