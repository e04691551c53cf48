#include "common/Plural.h"

namespace pelk::cli {

std::string CountOf(long long count, std::string_view noun) {
  std::string text = std::to_string(count);
  text += ' ';
  text += noun;
  if (count != 1) text += 's';
  return text;
}

}  // namespace pelk::cli
