// The global screen: its resolution in pixels per inch.
#pragma once

namespace pelk {

class TScreen {
 public:
  int PixelsPerInch() const { return pixelsPerInch_; }
  // Settable for tests and high-resolution displays; values below 1 are ignored.
  void SetPixelsPerInch(int value) {
    if (value > 0) pixelsPerInch_ = value;
  }

 private:
  int pixelsPerInch_ = 96;
};

TScreen& Screen();

}  // namespace pelk
