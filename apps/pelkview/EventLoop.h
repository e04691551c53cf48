// The viewer's event loop: window events to the graph, the form's surface to
// the window whenever it changed.
#pragma once

#include <string>

#include "pelkview/GraphView.h"
#include "pelkview/Window.h"

namespace pelk::view {

// Runs until the window is closed or q or Escape is pressed. The s key saves
// the picture under saveName and prints the name. Throws VideoError when SDL
// fails.
void RunEventLoop(Window& window, GraphView& view, const std::string& saveName);

}  // namespace pelk::view
