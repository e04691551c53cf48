// The global screen: its resolution in pixels per inch.
#pragma once

namespace pelk {

/// The screen: its resolution, which fonts and printed sizes are measured with.
class TScreen {
 public:
  /// The screen's resolution in pixels per inch (96 at first).
  int PixelsPerInch() const { return pixelsPerInch_; }
  /// Settable for tests and high-resolution displays; values below 1 are ignored.
  void SetPixelsPerInch(int value) {
    if (value > 0) pixelsPerInch_ = value;
  }

 private:
  int pixelsPerInch_ = 96;
};

/// The one screen of the program.
TScreen& Screen();

}  // namespace pelk
