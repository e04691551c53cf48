// TPelkgraph: an X-Y line-graph control. It renders a framed graph into a
// retained off-screen image, lets the host draw data in plot pixels or axis
// values to the image, the screen and the printer, and reports a zoom box
// dragged with the mouse.
#pragma once

#include <memory>
#include <span>
#include <string>

#include "core/Axis.h"
#include "core/Enums.h"
#include "interact/ZoomBox.h"
#include "platform/Bitmap.h"
#include "platform/Controls.h"
#include "platform/Gdi.h"

namespace pelk {

class TReader;
class TWriter;
enum class AnnotatedAxis;  // render/AnnotationPlacement.h
struct PlotSession;        // the plotting calls' prepared state (plot/PlotSession.h)
struct PenPosition;

class TPelkgraph : public TGraphicControl {
 public:
  explicit TPelkgraph(TComponent* owner);
  ~TPelkgraph() override;

  // ---- Text lines
  const std::string& Title() const { return FTitle; }
  void SetTitle(const std::string& value);
  const std::string& Subtitle() const { return FSubtitle; }
  void SetSubtitle(const std::string& value);
  const std::string& Id() const { return FId; }
  void SetIdentification(const std::string& value);
  TFont& TitleFont() const { return *FTitleFont; }
  void SetTitleFont(const TFont& value);
  TFont& SubtitleFont() const { return *FSubtitleFont; }
  void SetSubtitleFont(const TFont& value);
  TFont& IdFont() const { return *FIdFont; }
  void SetIdentificationFont(const TFont& value);
  int TitleOffset() const { return FTitleOffset; }
  void SetTitleOffset(int value);
  int SubtitleOffset() const { return FSubtitleOffset; }
  void SetSubtitleOffset(int value);
  int IdOffset() const { return FIdOffset; }
  void SetIdOffset(int value);

  // ---- Frame and layout
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool value);
  int LRmargin() const { return FLRmargin; }
  void SetLRmargin(int value);
  int TBmargin() const { return FTBmargin; }
  void SetTBmargin(int value);
  TStretchOption StretchAxes() const { return FStretchAxes; }
  void SetStretchAxes(TStretchOption value) { FStretchAxes = value; }
  bool Border() const { return FBorder; }
  void SetBorder(bool value);
  TColor Color() const { return FColor; }
  void SetAreaBackGroundColor(TColor value);
  TColor PlotAreaColor() const { return FPlotAreaColor; }
  void SetPlotBackGroundColor(TColor value);
  TColor HighlightColor() const { return FHighlightColor; }
  void SetHighlightColor(TColor value);
  TColor ShadowColor() const { return FShadowColor; }
  void SetShadowColor(TColor value);

  // ---- Axes and grids
  TAxis& XAxis() const { return *FXAxis; }
  TAxis& YAxis() const { return *FYAxis; }
  TAxis& YAxis2() const { return *FYAxis2; }
  // Assigning another axis copies its settings into the owned one.
  void SetXAxis(const TAxis& value);
  void SetYAxis(const TAxis& value);
  void SetYAxis2(const TAxis& value);
  bool SecondYaxis() const { return FSecondYaxis; }
  void SetSecondYaxis(bool value);
  bool UseSecondYAxis() const { return FUseSecondYAxis; }
  void SetUseSecondYAxis(bool value);
  bool MajorGrid() const { return FMajorGrid; }
  void SetMajorGrid(bool value);
  bool MinorGrid() const { return FMinorGrid; }
  void SetMinorGrid(bool value);
  int MinorGridDivisions() const { return FMinorGridDivisions; }
  void SetMinorGridDivisions(int value);
  TColor MajorGridColor() const { return FMajorGridColor; }
  void SetMajorGridColor(TColor value);
  TColor MinorGridColor() const { return FMinorGridColor; }
  void SetMinorGridColor(TColor value);

  // ---- Data pen and destinations
  TColor PenColor() const { return FPenColor; }
  void SetPlotColor(TColor value);
  int PenWidth() const { return FPenWidth; }
  void SetPenWidth(int value);
  TPenMode PenMode() const { return FPenMode; }
  void SetPenMode(TPenMode value);
  TPenStyle PenStyle() const { return FPenStyle; }
  void SetPenStyle(TPenStyle value);
  TLineMode LineMode() const { return FLineMode; }
  void SetLineMode(TLineMode value) { FLineMode = value; }
  bool ClipData() const { return FClipData; }
  void SetClipData(bool value);
  TPlotDestination PlotDestination() const { return FPlotDestination; }
  void SetPlotDestination(TPlotDestination value);
  bool ScreenEnabled() const { return FScreenEnabled; }
  void SetScreenEnabled(bool value) { FScreenEnabled = value; }
  bool PrinterEnabled() const { return FPrinterEnabled; }
  void SetPrinterEnabled(bool value) { FPrinterEnabled = value; }
  bool PrintMonoChrome() const { return FPrintMonoChrome; }
  void SetPrintMonoChrome(bool value) { FPrintMonoChrome = value; }
  int PrinterPenWidth() const { return FPrinterPenWidth; }
  void SetPrinterPenWidth(int value) { FPrinterPenWidth = value; }
  int PrinterMajorGridWidth() const { return FPrinterMajorGridWidth; }
  void SetPrinterMajorGridWidth(int value) { FPrinterMajorGridWidth = value; }
  int PrinterMinorGridWidth() const { return FPrinterMinorGridWidth; }
  void SetPrinterMinorGridWidth(int value) { FPrinterMinorGridWidth = value; }
  TZoomBox& ZoomBox() const { return *FZoomBox; }
  // Assigning another zoom box copies its settings into the owned one.
  void SetZoomBox(const TZoomBox& value);

  // ---- Read-only geometry and pen position
  int Xorigin() const { return FXorigin; }
  int Yorigin() const { return FYorigin; }
  int Xend() const { return FXend; }
  int Yend() const { return FYend; }
  int XCanvas() const { return FXCanvas; }
  int YCanvas() const { return FYCanvas; }
  int XGraph() const { return FXGraph; }
  int YGraph() const { return FYGraph; }
  int PrinterXorigin() const { return FPrinterXorigin; }
  int PrinterYorigin() const { return FPrinterYorigin; }
  int PrinterXend() const { return FPrinterXend; }
  int PrinterYend() const { return FPrinterYend; }
  int PrinterXcanvas() const { return FPrinterXcanvas; }
  int PrinterYcanvas() const { return FPrinterYcanvas; }
  int PrinterXGraph() const { return FPrinterXGraph; }
  int PrinterYGraph() const { return FPrinterYGraph; }
  int PrinterLeft() const { return FPrinterLeft; }
  int PrinterTop() const { return FPrinterTop; }
  float PrintedWidth() const { return FPrintedWidth; }
  float PrintedHeight() const { return FPrintedHeight; }
  int PrinterPixelsPerInch() const { return FPrinterPixelsPerInch; }
  float PrinterScaleFactor() const { return FPrinterScaleFactor; }
  // Points that could not be mapped (NaN, infinite, not positive on a
  // logarithmic axis, beyond the pixel range) since the last render.
  long long SkippedPoints() const { return FSkippedPoints; }

  // ---- Rendering
  void Paint() override;
  void Refresh();

  // ---- Printing: the empty graph on the printer page at a place and width in
  // inches (0 or less: the natural size), and the printer clip lifted.
  void PrintGrids(float PrintLeft, float PrintTop, float PrintWidth);
  void NoPrinterClipping();

  // ---- Image export
  void SaveToFile(const std::string& fileName);
  void SaveCanvas();

  // ---- Plotting
  void MoveTo(int X, int Y);
  void LineTo(int X, int Y);
  void MoveScaledTo(float X, float Y);
  void LineScaledTo(float X, float Y);
  // Runs of points for hosts with arrays: the same pixels, positions,
  // SkippedPoints and flags as LineTo(p.X, p.Y) for each point in turn, and
  // as LineScaledTo(xs[i], ys[i]) for each i in turn. Spans of different
  // lengths are taken up to the shorter one; the rest of the longer one is
  // not read. An empty run changes nothing.
  void LineTo(std::span<const TPoint> points);
  void LineScaledTo(std::span<const float> xs, std::span<const float> ys);
  void PlotLastPixel();
  void SetAxis(TAxis& Axis, int Divisions, float Value1, float Value2, bool AutoScale);
  // SetAxis calls that left the axis unchanged because their values could
  // not be fitted (NaN or infinite values, bounds <= 0 on a logarithmic axis,
  // one division across zero), since construction.
  long long FailedAxisFits() const { return FFailedAxisFits; }

  // ---- Zoom box and value read-out (control coordinates)
  // The zoom drag; each then fires the host's event.
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // Removes the band left by the last zoom, unless it is already gone.
  void EraseZoomBox();
  // Axis values of a pixel (0, 0 outside the plot area) and its plot offset.
  void GetValues(int X, int Y, float& XValue, float& YValue, int& XOffset, int& YOffset);
  // Whether the pixel lies in the plot area, its edges included.
  bool CursorInPlotArea(int X, int Y) const;

  // ---- Form files: Title, Subtitle and Id, always written, read back
  // through their setters.
  void DefineProperties(TFiler& Filer) override;

  // ---- Notifications
  void SubObjectChanged(TObject* Sender);
  const char* ClassName() const override { return "TPelkgraph"; }


 private:
  friend struct TPelkgraphInternals;  // white-box access for the tests

  // Rendering (render/)
  void LayOutNewImage();  // the first steps of a render: a new image, laid out
  void RenderFrame();
  void ShowImage();  // the image onto the control, from its default clip
  void LayoutFrame();
  void StretchDivisions();
  void DrawGrid();
  TRect ImagePlotAreaFill() const;  // what the grid fills on the image
  void DrawPrinterGrid(float Scale);
  void AnnotateXAxis(TCanvas& Canvas, int X0, int Y0, bool Printer);
  void AnnotateYAxis(TCanvas& Canvas, int X0, int Y0, bool Printer);
  void AnnotateYAxis2(TCanvas& Canvas, int X0, int Y0, bool Printer);
  void AnnotateAxis(AnnotatedAxis side, TCanvas& Canvas, int X0, int Y0, bool Printer);
  // Drawn alike on the image and, scaled, on the printer page.
  void DrawBorderEdges(TCanvas& canvas, int left, int top, int width, int height, bool monochrome);
  void DrawTextLines(TCanvas& canvas, int yend, bool printer);
  void DrawAxisLines(TCanvas& canvas, int xorigin, int yorigin, int xend, int yend, int xLineEnd, bool monochrome);

  // Printing (print/): a font at its size scaled for the printed graph.
  void AssignPrinterFont(TCanvas& page, const TFont& font);

  // Plotting (plot/): forgets the curve state when a new frame is rendered.
  void ResetPlottingState();
  // The prepared state for moves (the maps) and for lines (the maps, the
  // clip regions selected, the direct line state), made again when the
  // drawing state generation has moved.
  PlotSession& MoveSession();
  PlotSession& LineSession();
  void PrepareMaps();
  void PrepareLines();
  // A call's pen position on the screen and on the printer; the mapping
  // fails (false) for points that cannot be drawn.
  struct PenPoint;
  bool PixelCallPoint(int X, int Y, PenPoint& point) const;
  bool ScaledCallPoint(const PlotSession& session, float X, float Y, PenPoint& point) const;
  void SelectPrinterClip();
  void StoreScreenPosition(const PenPosition& screen);
  void StorePosition(const PenPoint& point);
  void MovePens(const PenPoint& point);
  void LinePens(const PlotSession& session, const PenPoint& point);
  void CountSkipped(long long count);
  void SkipPoint();
  template <class Place>
  void LineCall(Place place);
  template <class Place>
  void LineRun(std::size_t count, Place place);

  // The pens of the control's canvas and the image's canvas, set together
  // (the data pen after a render, the band pen during a zoom drag).
  void SetScreenPens(TPenMode mode, int width, TColor color, TPenStyle style);

  // Zoom box (interact/)
  TPoint ClampToPlotArea(int X, int Y) const;
  float SecondYValue(int Y) const;
  void DrawBandOnScreens(int ax, int ay, int cx, int cy);
  void MoveBandTo(TPoint corner);
  void StoreZoom(TPoint end, float xEnd, float yEnd);
  void ClearZoom();

  // Setter rules (core/)
  void RepaintIfDesigning();

  // The defined form-file entries (core/)
  void ReadTitle(TReader& Reader);
  void WriteTitle(TWriter& Writer) const;
  void ReadSubtitle(TReader& Reader);
  void WriteSubtitle(TWriter& Writer) const;
  void ReadId(TReader& Reader);
  void WriteId(TWriter& Writer) const;

  // Text lines
  std::string FTitle, FSubtitle, FId;
  std::unique_ptr<TFont> FTitleFont, FSubtitleFont, FIdFont;
  int FTitleOffset = 0, FSubtitleOffset = 0, FIdOffset = 0;
  // Frame
  bool FAutoSize = false;
  int FLRmargin = 0, FTBmargin = 0;
  TStretchOption FStretchAxes = TStretchOption::StretchOnly;
  bool FBorder = false;
  TColor FColor = 0, FPlotAreaColor = 0, FHighlightColor = 0, FShadowColor = 0;
  // Axes and grids
  std::unique_ptr<TAxis> FXAxis, FYAxis, FYAxis2;
  bool FSecondYaxis = false, FUseSecondYAxis = false;
  bool FMajorGrid = false, FMinorGrid = false;
  int FMinorGridDivisions = 0;
  TColor FMajorGridColor = 0, FMinorGridColor = 0;
  // Data pen and destinations
  TColor FPenColor = 0;
  int FPenWidth = 0;
  TPenMode FPenMode = pmBlack;
  TPenStyle FPenStyle = psSolid;
  TLineMode FLineMode = TLineMode::Graph;
  bool FClipData = false;
  TPlotDestination FPlotDestination = TPlotDestination::ScreenOnly;
  bool FScreenEnabled = false, FPrinterEnabled = false, FPrintMonoChrome = false;
  int FPrinterPenWidth = 0, FPrinterMajorGridWidth = 0, FPrinterMinorGridWidth = 0;
  std::unique_ptr<TZoomBox> FZoomBox;

  // Internal state
  bool FDesigning = false;
  int FScreenPixelsPerInch = 0;
  double FLn10 = 0.0;

  // Layout and rendering
  int FRequiredWidth = 0, FRequiredHeight = 0;
  int FTitleHeight = 0, FSubtitleHeight = 0, FIdHeight = 0;
  int FXAxisTextHeight = 0, FYAxisTextHeight = 0, FYAxis2TextHeight = 0;
  HRGN FBitmapClipRgn = 0, FCanvasClipRgn = 0;
  std::unique_ptr<TBitmap> FBitmap;
  bool FRedrawFrame = false;
  bool FLaidOut = false;  // a layout has been made, which printing takes its sizes from
  // The background leaves the plot area to the grid, which sets its fill and
  // lines in one pass; off, each is drawn by its own canvas call (the tests'
  // reference for the same pixels).
  bool FFrameInOnePass = true;
  int FCenterX = 0, FCenterY = 0;
  int FXAxisLength = 0, FYAxisLength = 0;
  int FDrawX = 0, FDrawY = 0;
  int FTitleBlockHeight = 0;
  int FXAnnotationHeight = 0, FYAnnotationWidth = 0, FY2AnnotationWidth = 0;
  int FXorigin = 0, FYorigin = 0, FXend = 0, FYend = 0;
  float FPrintedWidth = 0, FPrintedHeight = 0;

  // Pen position
  int FXCanvas = 0, FYCanvas = 0, FXGraph = 0, FYGraph = 0;
  int FPrinterXcanvas = 0, FPrinterYcanvas = 0, FPrinterXGraph = 0, FPrinterYGraph = 0;
  long long FFailedAxisFits = 0;
  long long FSkippedPoints = 0;
  bool FCurveBroken = false;  // the last point could not be mapped
  std::unique_ptr<PlotSession> FPlotSession;

  // Printer geometry
  int FPrinterPixelsPerInch = 0;
  float FPrinterScaleFactor = 0;
  int FPrinterLeft = 0, FPrinterTop = 0;
  int FPrinterXorigin = 0, FPrinterYorigin = 0, FPrinterXend = 0, FPrinterYend = 0;
  int FPrinterGraphWidth = 0, FPrinterGraphHeight = 0;
  float FPrinterFontScale = 0;
  HRGN FPrinterClipRgn = 0;

  // Zoom drag
  TPenMode FSavedPenMode = pmBlack;
  int FSavedPenWidth = 0;
  TColor FSavedPenColor = 0;
  TPenStyle FSavedPenStyle = psSolid;
};

}  // namespace pelk
