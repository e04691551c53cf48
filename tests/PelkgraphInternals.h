// White-box access to a graph's internal fields for the tests.
#pragma once

#include "core/Pelkgraph.h"

namespace pelk {

struct TPelkgraphInternals {
  static TBitmap& Bitmap(TPelkgraph& g) { return *g.FBitmap; }
  static bool RedrawFrame(const TPelkgraph& g) { return g.FRedrawFrame; }
  static bool Designing(const TPelkgraph& g) { return g.FDesigning; }
  static void Layout(TPelkgraph& g) { g.LayoutFrame(); }
  static void SetFrameInOnePass(TPelkgraph& g, bool value) { g.FFrameInOnePass = value; }
  static void DrawPrinterGrid(TPelkgraph& g, float scale) { g.DrawPrinterGrid(scale); }
  static void SetPrinterPlotArea(TPelkgraph& g, int xorigin, int yorigin, int xend, int yend) {
    g.FPrinterXorigin = xorigin;
    g.FPrinterYorigin = yorigin;
    g.FPrinterXend = xend;
    g.FPrinterYend = yend;
  }
  static void SetPrinterScaleFactor(TPelkgraph& g, float scale) { g.FPrinterScaleFactor = scale; }
  struct PrinterFields {
    float fontScale;
    int graphWidth, graphHeight, centerX, centerY;
    HRGN clipRgn;
  };
  static PrinterFields Printed(const TPelkgraph& g) {
    return {g.FPrinterFontScale, g.FPrinterGraphWidth, g.FPrinterGraphHeight, g.FCenterX, g.FCenterY,
            g.FPrinterClipRgn};
  }
  // The graph takes over the region, as from PrintGrids.
  static void SetPrinterClipRgn(TPelkgraph& g, HRGN region) {
    DeleteObject(g.FPrinterClipRgn);
    g.FPrinterClipRgn = region;
  }

  struct LayoutFields {
    int titleHeight, subtitleHeight, idHeight;
    int xAxisLength, yAxisLength, titleBlockHeight;
    int xAnnotationHeight, yAnnotationWidth, y2AnnotationWidth;
    int requiredWidth, requiredHeight, centerX, centerY;
    HRGN bitmapClipRgn, canvasClipRgn;
  };
  static LayoutFields Fields(const TPelkgraph& g) {
    return {g.FTitleHeight,       g.FSubtitleHeight,   g.FIdHeight,          g.FXAxisLength,
            g.FYAxisLength,       g.FTitleBlockHeight, g.FXAnnotationHeight, g.FYAnnotationWidth,
            g.FY2AnnotationWidth, g.FRequiredWidth,    g.FRequiredHeight,    g.FCenterX,
            g.FCenterY,           g.FBitmapClipRgn,    g.FCanvasClipRgn};
  }
};

// The axis most tests start from: linear, 3 divisions of 64 pixels, 0 to 30.
inline TAxis& MakeStandardLinearAxis(TAxis& axis) {
  axis.SetLog(false);
  axis.SetNdivs(3);
  axis.SetDivWidth(64);
  axis.SetOrgVal(0.0);
  axis.SetScale(10.0);
  return axis;
}

}  // namespace pelk
