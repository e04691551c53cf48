// Pelkgraph: everything a host program uses, in one header.
#pragma once

#include "core/Pelkgraph.h"    // TPelkgraph, TAxis, TZoomBox and the enumerations
#include "platform/Bitmap.h"   // TBitmap: off-screen images, BMP and PNG files
#include "platform/Errors.h"   // the exceptions platform failures throw
#include "platform/Forms.h"    // TForm: the surface a graph paints on, mouse routing
#include "platform/Printer.h"  // Printer(): print jobs and their pages
#include "platform/Screen.h"   // Screen(): the screen's pixels per inch
#include "pelkgraph/version.h"  // pelk::kVersion
// Form files (a graph's settings saved and loaded) join this list with their header.

/// \namespace pelk
/// Everything of Pelkgraph: the graph control TPelkgraph with its axes and
/// zoom box, and the platform it draws on (forms, canvases, bitmaps, fonts,
/// the screen and the printer).
