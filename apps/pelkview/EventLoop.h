// The viewer's event loop: window events to the graph, the form's surface to
// the window whenever it changed, keys through the key table, the values
// under the cursor in the window title.
#pragma once

#include <string>

#include "pelkview/GraphView.h"
#include "pelkview/Window.h"

namespace pelk::view {

struct LoopSettings {
  std::string title;     // the window's title without a read-out
  std::string saveName;  // the picture the save key writes
};

// Runs until the window is closed or a quit key is pressed. Throws
// VideoError when SDL fails.
void RunEventLoop(Window& window, GraphView& view, const LoopSettings& settings);

}  // namespace pelk::view
