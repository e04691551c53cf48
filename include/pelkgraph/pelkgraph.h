// Pelkgraph: everything a host program uses, in one header.
#pragma once

#include "core/FormFiles.h"        // WriteFormFile, ReadFormFile: a graph's settings saved and loaded
#include "core/PaletteBitmap.h"    // the palette bitmap TPELKGRAPH and resources by name
#include "core/Pelkgraph.h"        // TPelkgraph, TAxis, TZoomBox and the enumerations
#include "core/PropertyTables.h"   // the published properties of each class
#include "core/Registration.h"     // Register: the graph on the palette page "Samples"
#include "platform/Bitmap.h"       // TBitmap: off-screen images, BMP and PNG files
#include "platform/Errors.h"       // the exceptions platform failures throw
#include "platform/Forms.h"        // TForm: the surface a graph paints on, mouse routing
#include "platform/Printer.h"      // Printer(): print jobs and their pages
#include "platform/Screen.h"       // Screen(): the screen's pixels per inch
#include "pelkgraph/version.h"     // pelk::kVersion

/// \namespace pelk
/// Everything of Pelkgraph: the graph control TPelkgraph with its axes and
/// zoom box, and the platform it draws on (forms, canvases, bitmaps, fonts,
/// the screen and the printer).
