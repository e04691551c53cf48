#include "platform/FormatSettings.h"

namespace pelk {

TFormatSettings& FormatSettings() {
  static TFormatSettings settings;
  return settings;
}

}  // namespace pelk
