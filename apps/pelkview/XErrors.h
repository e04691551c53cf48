// X errors SDL's own requests can meet when the window closes.
#pragma once

namespace pelk::view {

// SDL wakes its event wait with an event sent to the window through a second
// connection to the display; one sent just before the window closes finds
// the window gone, and Xlib's default handler would end the program with an
// error line. Such errors are ignored; every other goes to the handler there
// was before.
void IgnoreWakeupsToClosedWindows();

}  // namespace pelk::view
