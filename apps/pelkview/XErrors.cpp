#include "pelkview/XErrors.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>

namespace pelk::view {

namespace {

XErrorHandler previousHandler = nullptr;

int HandleError(Display* display, XErrorEvent* error) {
  if (error->error_code == BadWindow && error->request_code == X_SendEvent) return 0;
  return previousHandler ? previousHandler(display, error) : 0;
}

}  // namespace

void IgnoreWakeupsToClosedWindows() {
  const XErrorHandler replaced = XSetErrorHandler(HandleError);
  if (replaced != HandleError) previousHandler = replaced;
}

}  // namespace pelk::view
