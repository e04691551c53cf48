#include "platform/Screen.h"

namespace pelk {

TScreen& Screen() {
  static TScreen screen;
  return screen;
}

}  // namespace pelk
