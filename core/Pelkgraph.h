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

/// An X-Y line-graph control: a framed graph rendered into a retained image,
/// data drawn with pen-style calls to the image, the screen and the printer,
/// and a zoom box dragged with the mouse.
class TPelkgraph : public TGraphicControl {
 public:
  /// A graph with its default settings, 300 x 300 pixels, on owner's form when owner is one.
  explicit TPelkgraph(TComponent* owner);
  ~TPelkgraph() override;

  // ---- Text lines
  /// The top text line ("Graph Title" at first); empty takes no room.
  const std::string& Title() const { return FTitle; }
  /// Sets the title line; shown at the next render.
  void SetTitle(const std::string& value);
  /// The text line below the title ("Graph Subtitle" at first).
  const std::string& Subtitle() const { return FSubtitle; }
  /// Sets the subtitle line; shown at the next render.
  void SetSubtitle(const std::string& value);
  /// The identification line just above the plot area ("Graph Identification" at first).
  const std::string& Id() const { return FId; }
  /// Sets the identification line; shown at the next render.
  void SetIdentification(const std::string& value);
  /// The title's font (Arial 10 pt bold), owned by the graph; changes apply at the next render.
  TFont& TitleFont() const { return *FTitleFont; }
  /// Copies the attributes of value into the title's font.
  void SetTitleFont(const TFont& value);
  /// The subtitle's font (Arial 9 pt bold), owned by the graph.
  TFont& SubtitleFont() const { return *FSubtitleFont; }
  /// Copies the attributes of value into the subtitle's font.
  void SetSubtitleFont(const TFont& value);
  /// The identification line's font (Arial 9 pt bold), owned by the graph.
  TFont& IdFont() const { return *FIdFont; }
  /// Copies the attributes of value into the identification line's font.
  void SetIdentificationFont(const TFont& value);
  /// Pixels between the title's baseline and the line below it.
  int TitleOffset() const { return FTitleOffset; }
  /// Sets the title offset (stored as its absolute value).
  void SetTitleOffset(int value);
  /// Pixels between the subtitle's baseline and the line below it.
  int SubtitleOffset() const { return FSubtitleOffset; }
  /// Sets the subtitle offset (stored as its absolute value).
  void SetSubtitleOffset(int value);
  /// Pixels between the identification line's baseline and the plot area.
  int IdOffset() const { return FIdOffset; }
  /// Sets the identification offset (stored as its absolute value).
  void SetIdOffset(int value);

  // ---- Frame and layout
  /// Whether each render resizes the control to fit its texts and axes (on at first).
  bool AutoSize() const { return FAutoSize; }
  /// Turns the automatic sizing on or off.
  void SetAutoSize(bool value);
  /// Pixels left free at the left and right edges when sizing automatically.
  int LRmargin() const { return FLRmargin; }
  /// Sets the left and right margin (stored as its absolute value).
  void SetLRmargin(int value);
  /// Pixels left free at the top and bottom edges when sizing automatically.
  int TBmargin() const { return FTBmargin; }
  /// Sets the top and bottom margin (stored as its absolute value).
  void SetTBmargin(int value);
  /// How a fixed-size control changes its division widths to fit (No at first).
  TStretchOption StretchAxes() const { return FStretchAxes; }
  /// Sets how the division widths are stretched or shrunk to fit.
  void SetStretchAxes(TStretchOption value) { FStretchAxes = value; }
  /// Whether the three-dimensional border is drawn round the control.
  bool Border() const { return FBorder; }
  /// Turns the border on or off.
  void SetBorder(bool value);
  /// The background colour of the control outside the plot area (clSilver at first).
  TColor Color() const { return FColor; }
  /// Sets the background colour outside the plot area.
  void SetAreaBackGroundColor(TColor value);
  /// The background colour of the plot area (clWhite at first).
  TColor PlotAreaColor() const { return FPlotAreaColor; }
  /// Sets the plot area's background colour.
  void SetPlotBackGroundColor(TColor value);
  /// The colour of the border's left and top edges.
  TColor HighlightColor() const { return FHighlightColor; }
  /// Sets the colour of the border's left and top edges.
  void SetHighlightColor(TColor value);
  /// The colour of the border's right and bottom edges.
  TColor ShadowColor() const { return FShadowColor; }
  /// Sets the colour of the border's right and bottom edges.
  void SetShadowColor(TColor value);

  // ---- Axes and grids
  /// The horizontal axis, owned by the graph.
  TAxis& XAxis() const { return *FXAxis; }
  /// The vertical axis at the left, owned by the graph.
  TAxis& YAxis() const { return *FYAxis; }
  /// The second vertical axis at the right (shown with SecondYaxis), owned by the graph.
  TAxis& YAxis2() const { return *FYAxis2; }
  /// Assigning another axis copies its settings into the owned one.
  void SetXAxis(const TAxis& value);
  /// Copies the settings of value into the Y axis.
  void SetYAxis(const TAxis& value);
  /// Copies the settings of value into the second Y axis.
  void SetYAxis2(const TAxis& value);
  /// Whether the second Y axis is annotated and drawn at the right of the plot area.
  bool SecondYaxis() const { return FSecondYaxis; }
  /// Shows or hides the second Y axis.
  void SetSecondYaxis(bool value);
  /// Whether the scaled plotting calls map Y values through the second Y axis (with SecondYaxis).
  bool UseSecondYAxis() const { return FUseSecondYAxis; }
  /// Chooses the Y axis the scaled plotting calls use.
  void SetUseSecondYAxis(bool value);
  /// Whether grid lines are drawn at every division.
  bool MajorGrid() const { return FMajorGrid; }
  /// Turns the major grid on or off.
  void SetMajorGrid(bool value);
  /// Whether finer grid lines are drawn between the divisions.
  bool MinorGrid() const { return FMinorGrid; }
  /// Turns the minor grid on or off.
  void SetMinorGrid(bool value);
  /// Parts each division is split into by the minor grid (4 at first).
  int MinorGridDivisions() const { return FMinorGridDivisions; }
  /// Sets the minor grid's parts per division (stored as its absolute value).
  void SetMinorGridDivisions(int value);
  /// The colour of the major grid and of the axis lines.
  TColor MajorGridColor() const { return FMajorGridColor; }
  /// Sets the major grid's colour.
  void SetMajorGridColor(TColor value);
  /// The colour of the minor grid.
  TColor MinorGridColor() const { return FMinorGridColor; }
  /// Sets the minor grid's colour.
  void SetMinorGridColor(TColor value);

  // ---- Data pen and destinations
  /// The colour of the data lines.
  TColor PenColor() const { return FPenColor; }
  /// Sets the data pen's colour on the screen, the image and the printer (black there with PrintMonoChrome).
  void SetPlotColor(TColor value);
  /// The width of the data lines on the screen, in pixels.
  int PenWidth() const { return FPenWidth; }
  /// Sets the data pen's width on the screen and the image (stored as its absolute value).
  void SetPenWidth(int value);
  /// The raster operation the data lines are drawn with (pmCopy at first).
  TPenMode PenMode() const { return FPenMode; }
  /// Sets the data pen's raster operation.
  void SetPenMode(TPenMode value);
  /// The dash style of the data lines (psSolid at first).
  TPenStyle PenStyle() const { return FPenStyle; }
  /// Sets the data pen's dash style.
  void SetPenStyle(TPenStyle value);
  /// Whether data lines include their end pixel (Graph) or leave it out (Windows).
  TLineMode LineMode() const { return FLineMode; }
  /// Sets whether data lines include their end pixel.
  void SetLineMode(TLineMode value) { FLineMode = value; }
  /// Whether data lines are clipped to the plot area (on at first).
  bool ClipData() const { return FClipData; }
  /// Turns the clipping of data lines to the plot area on or off.
  void SetClipData(bool value);
  /// Where the plotting calls draw: the screen, the printer, or both.
  TPlotDestination PlotDestination() const { return FPlotDestination; }
  /// Sets where plotting draws, and ScreenEnabled and PrinterEnabled with it.
  void SetPlotDestination(TPlotDestination value);
  /// Whether the plotting calls draw into the image and onto the control.
  bool ScreenEnabled() const { return FScreenEnabled; }
  /// Turns drawing to the screen on or off without changing PlotDestination.
  void SetScreenEnabled(bool value) { FScreenEnabled = value; }
  /// Whether the plotting calls draw on the printer's page.
  bool PrinterEnabled() const { return FPrinterEnabled; }
  /// Turns drawing to the printer on or off without changing PlotDestination.
  void SetPrinterEnabled(bool value) { FPrinterEnabled = value; }
  /// Whether printing uses black in place of the configured line colours.
  bool PrintMonoChrome() const { return FPrintMonoChrome; }
  /// Turns black-only printing on or off.
  void SetPrintMonoChrome(bool value) { FPrintMonoChrome = value; }
  /// The width of data lines on the printer, in printer pixels.
  int PrinterPenWidth() const { return FPrinterPenWidth; }
  /// Sets the width of data lines on the printer.
  void SetPrinterPenWidth(int value) { FPrinterPenWidth = value; }
  /// The pen width of the major grid and tick marks on the printer (3 at first).
  int PrinterMajorGridWidth() const { return FPrinterMajorGridWidth; }
  /// Sets the printed major grid's pen width.
  void SetPrinterMajorGridWidth(int value) { FPrinterMajorGridWidth = value; }
  /// The pen width of the minor grid on the printer (1 at first).
  int PrinterMinorGridWidth() const { return FPrinterMinorGridWidth; }
  /// Sets the printed minor grid's pen width.
  void SetPrinterMinorGridWidth(int value) { FPrinterMinorGridWidth = value; }
  /// The zoom box: its settings and the result of the last zoom.
  TZoomBox& ZoomBox() const { return *FZoomBox; }
  /// Assigning another zoom box copies its settings into the owned one.
  void SetZoomBox(const TZoomBox& value);

  // ---- Read-only geometry and pen position
  /// Control x of the plot origin, the lower-left corner of the plot area (from the last render).
  int Xorigin() const { return FXorigin; }
  /// Control y of the plot origin, the lower-left corner of the plot area.
  int Yorigin() const { return FYorigin; }
  /// Control x of the plot area's right edge.
  int Xend() const { return FXend; }
  /// Control y of the plot area's top edge.
  int Yend() const { return FYend; }
  /// The pen's x position on the control, in pixels.
  int XCanvas() const { return FXCanvas; }
  /// The pen's y position on the control, in pixels.
  int YCanvas() const { return FYCanvas; }
  /// The pen's x position relative to the plot origin, in pixels.
  int XGraph() const { return FXGraph; }
  /// The pen's y position relative to the plot origin, in pixels counted upwards.
  int YGraph() const { return FYGraph; }
  /// Page x of the printed plot origin (from the last PrintGrids).
  int PrinterXorigin() const { return FPrinterXorigin; }
  /// Page y of the printed plot origin.
  int PrinterYorigin() const { return FPrinterYorigin; }
  /// Page x of the printed plot area's right edge.
  int PrinterXend() const { return FPrinterXend; }
  /// Page y of the printed plot area's top edge.
  int PrinterYend() const { return FPrinterYend; }
  /// The pen's x position on the printer page.
  int PrinterXcanvas() const { return FPrinterXcanvas; }
  /// The pen's y position on the printer page.
  int PrinterYcanvas() const { return FPrinterYcanvas; }
  /// The pen's x position relative to the printed plot origin.
  int PrinterXGraph() const { return FPrinterXGraph; }
  /// The pen's y position relative to the printed plot origin, counted upwards.
  int PrinterYGraph() const { return FPrinterYGraph; }
  /// Page x of the printed graph's left edge.
  int PrinterLeft() const { return FPrinterLeft; }
  /// Page y of the printed graph's top edge.
  int PrinterTop() const { return FPrinterTop; }
  /// The control's width in inches at the screen's resolution (the natural printed width).
  float PrintedWidth() const { return FPrintedWidth; }
  /// The control's height in inches at the screen's resolution.
  float PrintedHeight() const { return FPrintedHeight; }
  /// The printer's resolution seen by the last PrintGrids.
  int PrinterPixelsPerInch() const { return FPrinterPixelsPerInch; }
  /// Printer pixels per screen pixel of the printed graph.
  float PrinterScaleFactor() const { return FPrinterScaleFactor; }
  /// Points that could not be mapped (NaN, infinite, not positive on a
  /// logarithmic axis, beyond the pixel range) since the last render.
  long long SkippedPoints() const { return FSkippedPoints; }

  // ---- Rendering
  /// Renders the frame first while nothing has been drawn into the image since, then shows the image.
  void Paint() override;
  /// Renders the frame anew at once and shows it; data plotted before is gone.
  void Refresh();

  // ---- Printing: the empty graph on the printer page at a place and width in
  // inches (0 or less: the natural size), and the printer clip lifted.
  /// Draws the empty graph on the printer page at (PrintLeft, PrintTop) inches, PrintWidth inches wide
  /// (0 or less: the natural size), and prepares the printer for the plotting calls.
  void PrintGrids(float PrintLeft, float PrintTop, float PrintWidth);
  /// Lifts the printer's clip to the plot area, so the host can draw elsewhere on the page.
  void NoPrinterClipping();

  // ---- Image export
  /// Writes the picture the control shows as PNG (a name ending in .png, any case) or BMP;
  /// throws EFileError naming the file when it cannot be written.
  void SaveToFile(const std::string& fileName);
  /// Makes the picture the control shows the retained image, so later paints keep it.
  void SaveCanvas();

  // ---- Plotting
  /// Moves the pen to (X, Y) in plot pixels (from the plot origin, y upwards).
  void MoveTo(int X, int Y);
  /// Draws a data line from the pen to (X, Y) in plot pixels.
  void LineTo(int X, int Y);
  /// Moves the pen to the point of axis values (X, Y).
  void MoveScaledTo(float X, float Y);
  /// Draws a data line from the pen to the point of axis values (X, Y).
  void LineScaledTo(float X, float Y);
  /// Runs of points for hosts with arrays: the same pixels, positions,
  /// SkippedPoints and flags as LineTo(p.X, p.Y) for each point in turn, and
  /// as LineScaledTo(xs[i], ys[i]) for each i in turn. Spans of different
  /// lengths are taken up to the shorter one; the rest of the longer one is
  /// not read. An empty run changes nothing.
  void LineTo(std::span<const TPoint> points);
  /// LineScaledTo(xs[i], ys[i]) for each i in turn, up to the shorter span.
  void LineScaledTo(std::span<const float> xs, std::span<const float> ys);
  /// Sets the pixel under the pen to PenColor (the end pixel a Windows-mode line leaves out).
  void PlotLastPixel();
  /// Fits one of the graph's axes to the range Value1 .. Value2 in nice steps (AutoScale),
  /// or sets its origin and scale directly; shown at the next Refresh.
  void SetAxis(TAxis& Axis, int Divisions, float Value1, float Value2, bool AutoScale);
  // SetAxis calls that left the axis unchanged because their values could
  // not be fitted (NaN or infinite values, bounds <= 0 on a logarithmic axis,
  // one division across zero), since construction.
  long long FailedAxisFits() const { return FFailedAxisFits; }

  // ---- Zoom box and value read-out (control coordinates)
  // The zoom drag; each then fires the host's event.
  /// Starts a zoom drag when Shift equals the zoom box's trigger, then fires OnMouseDown.
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  /// Moves the zoom band while dragging, then fires OnMouseMove.
  void MouseMove(TShiftState Shift, int X, int Y) override;
  /// Ends a zoom drag and stores the result in ZoomBox(), then fires OnMouseUp.
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  /// Removes the band left by the last zoom, unless it is already gone.
  void EraseZoomBox();
  /// Axis values of a pixel (0, 0 outside the plot area) and its plot offset.
  void GetValues(int X, int Y, float& XValue, float& YValue, int& XOffset, int& YOffset);
  /// Whether the pixel lies in the plot area, its edges included.
  bool CursorInPlotArea(int X, int Y) const;

  // ---- Form files: Title, Subtitle and Id, always written, read back
  // through their setters.
  void DefineProperties(TFiler& Filer) override;

  // ---- Notifications
  /// Called when a font or an axis of the graph changed: repaints while designing.
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
  // The screen's part of them.
  bool PixelScreenPoint(int X, int Y, PenPosition& screen) const;
  bool ScaledScreenPoint(const PlotSession& session, float X, float Y, PenPosition& screen) const;
  void SelectPrinterClip();
  void StoreScreenPosition(const PenPosition& screen);
  void StorePosition(const PenPoint& point);
  void MovePens(const PenPoint& point);
  void LinePens(const PlotSession& session, const PenPoint& point);
  void CountSkipped(long long count);
  void SkipPoint();
  template <class Place>
  void LineCall(Place place);
  template <class Place, class ScreenPlace>
  void LineRun(std::size_t count, Place place, ScreenPlace screenPlace);

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
