// Process-wide number formatting settings of the run-time library.
#pragma once

namespace pelk {

struct TFormatSettings {
  char DecimalSeparator = '.';
};

// The settings every number text uses; callers may change them.
TFormatSettings& FormatSettings();

}  // namespace pelk
