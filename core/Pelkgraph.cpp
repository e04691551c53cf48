// Construction, destruction and the property setter rules of the graph.
#include "core/Pelkgraph.h"

#include <cmath>

#include "core/SetterRules.h"
#include "platform/Printer.h"
#include "platform/Screen.h"
#include "platform/StateGeneration.h"
#include "plot/PlotSession.h"

namespace pelk {

namespace {

std::unique_ptr<TFont> MakeTextFont(int size) {
  auto font = std::make_unique<TFont>();
  font->SetName("Arial");
  font->SetSize(size);
  font->SetStyle(TFontStyles{fsBold});
  font->SetColor(clBlack);
  return font;
}

}  // namespace

TPelkgraph::TPelkgraph(TComponent* owner) : TGraphicControl(owner) {
  FScreenPixelsPerInch = Screen().PixelsPerInch();
  FLn10 = std::log(10.0);
  FZoomBox = std::make_unique<TZoomBox>();
  FXAxis = std::make_unique<TAxis>();
  FYAxis = std::make_unique<TAxis>();
  FYAxis2 = std::make_unique<TAxis>();
  FBitmap = std::make_unique<TBitmap>();
  FPlotSession = std::make_unique<PlotSession>();

  auto notify = [this](TObject* sender) { SubObjectChanged(sender); };
  FXAxis->OnChange = notify;
  FYAxis->OnChange = notify;
  FYAxis2->OnChange = notify;
  FXAxis->FAnnotationAngle = TAnnotationAngle::Horizontal;

  FBorder = true;
  FLineMode = TLineMode::Graph;
  FSecondYaxis = false;
  FUseSecondYAxis = false;

  FIdFont = MakeTextFont(9);
  FIdOffset = 5;
  FId = "Graph Identification";
  FIdFont->OnChange = notify;

  FSubtitleFont = MakeTextFont(9);
  FSubtitleOffset = 5;
  FSubtitle = "Graph Subtitle";
  FSubtitleFont->OnChange = notify;

  FTitleFont = MakeTextFont(10);
  FTitleFont->OnChange = notify;
  FTitleOffset = 5;
  FTitle = "Graph Title";

  SetWidth(300);
  SetHeight(300);

  FXAxis->FAxisLabel = "X Axis";
  FYAxis->FAxisLabel = "Y Axis";
  FYAxis2->FAxisLabel = "2nd Y Axis";

  FPenColor = clBlack;
  FPenWidth = 1;
  FPrinterPenWidth = 1;
  SetPenMode(pmCopy);
  SetPenStyle(psSolid);

  FMajorGrid = true;
  FMinorGrid = true;
  FMinorGridDivisions = 4;
  FMajorGridColor = clBlack;
  FMinorGridColor = clSilver;
  FColor = clSilver;
  FPlotAreaColor = clWhite;

  FAutoSize = true;
  FLRmargin = 10;
  FTBmargin = 10;
  FClipData = true;
  FRedrawFrame = true;
  FPrintMonoChrome = false;
  FPrinterMajorGridWidth = 3;
  FPrinterMinorGridWidth = 1;
  FHighlightColor = clWhite;
  FShadowColor = clGray;

  FXCanvas = 0;
  FYCanvas = 0;
  FScreenEnabled = true;
  FPlotDestination = TPlotDestination::ScreenOnly;
  FPrinterEnabled = false;
  FStretchAxes = TStretchOption::No;

  FDesigning = ComponentState().Contains(csDesigning);
}

TPelkgraph::~TPelkgraph() {
  // Sub-objects are freed without reporting changes to a graph that is going.
  for (TFont* font : {FTitleFont.get(), FSubtitleFont.get(), FIdFont.get()}) font->OnChange = nullptr;
  for (TAxis* axis : {FXAxis.get(), FYAxis.get(), FYAxis2.get()}) axis->OnChange = nullptr;
  FBitmap.reset();
  FXAxis.reset();
  FYAxis.reset();
  FYAxis2.reset();
  FTitleFont.reset();
  FSubtitleFont.reset();
  FIdFont.reset();
  FZoomBox.reset();
  DeleteObject(FBitmapClipRgn);
  DeleteObject(FCanvasClipRgn);
  DeleteObject(FPrinterClipRgn);
}

void TPelkgraph::RepaintIfDesigning() {
  if (FDesigning) Invalidate();
}

void TPelkgraph::SubObjectChanged(TObject* /*Sender*/) { RepaintIfDesigning(); }

namespace {

// The font rule: another object's attributes are copied into the owned font.
bool CopyFontIfOther(TFont& owned, const TFont& value) {
  if (&owned == &value) return false;
  owned.Assign(value);
  return true;
}

}  // namespace

// ---- text rule
void TPelkgraph::SetTitle(const std::string& value) {
  if (StoreIfDifferent(FTitle, value)) RepaintIfDesigning();
}
void TPelkgraph::SetSubtitle(const std::string& value) {
  if (StoreIfDifferent(FSubtitle, value)) RepaintIfDesigning();
}
void TPelkgraph::SetIdentification(const std::string& value) {
  if (StoreIfDifferent(FId, value)) RepaintIfDesigning();
}

// ---- font rule
void TPelkgraph::SetTitleFont(const TFont& value) {
  if (CopyFontIfOther(*FTitleFont, value)) RepaintIfDesigning();
}
void TPelkgraph::SetSubtitleFont(const TFont& value) {
  if (CopyFontIfOther(*FSubtitleFont, value)) RepaintIfDesigning();
}
void TPelkgraph::SetIdentificationFont(const TFont& value) {
  if (CopyFontIfOther(*FIdFont, value)) RepaintIfDesigning();
}

// ---- absolute rule
void TPelkgraph::SetTitleOffset(int value) {
  if (StoreAbsoluteIfDifferent(FTitleOffset, value)) RepaintIfDesigning();
}
void TPelkgraph::SetSubtitleOffset(int value) {
  if (StoreAbsoluteIfDifferent(FSubtitleOffset, value)) RepaintIfDesigning();
}
void TPelkgraph::SetIdOffset(int value) {
  if (StoreAbsoluteIfDifferent(FIdOffset, value)) RepaintIfDesigning();
}
void TPelkgraph::SetMinorGridDivisions(int value) {
  if (StoreAbsoluteIfDifferent(FMinorGridDivisions, value)) RepaintIfDesigning();
}

// ---- margin rule: repaints at design time only while AutoSize is on
void TPelkgraph::SetLRmargin(int value) {
  if (StoreAbsoluteIfDifferent(FLRmargin, value) && FAutoSize) RepaintIfDesigning();
}
void TPelkgraph::SetTBmargin(int value) {
  if (StoreAbsoluteIfDifferent(FTBmargin, value) && FAutoSize) RepaintIfDesigning();
}

// ---- plain rule
void TPelkgraph::SetAutoSize(bool value) {
  if (StoreIfDifferent(FAutoSize, value)) RepaintIfDesigning();
}
void TPelkgraph::SetBorder(bool value) {
  if (StoreIfDifferent(FBorder, value)) RepaintIfDesigning();
}
void TPelkgraph::SetSecondYaxis(bool value) {
  if (!StoreIfDifferent(FSecondYaxis, value)) return;
  DrawingStateChanged();  // the Y axis the scaled calls map by
  RepaintIfDesigning();
}
void TPelkgraph::SetMajorGrid(bool value) {
  if (StoreIfDifferent(FMajorGrid, value)) RepaintIfDesigning();
}
void TPelkgraph::SetMinorGrid(bool value) {
  if (StoreIfDifferent(FMinorGrid, value)) RepaintIfDesigning();
}
void TPelkgraph::SetMajorGridColor(TColor value) {
  if (StoreIfDifferent(FMajorGridColor, value)) RepaintIfDesigning();
}
void TPelkgraph::SetMinorGridColor(TColor value) {
  if (StoreIfDifferent(FMinorGridColor, value)) RepaintIfDesigning();
}
void TPelkgraph::SetAreaBackGroundColor(TColor value) {
  if (StoreIfDifferent(FColor, value)) RepaintIfDesigning();
}
void TPelkgraph::SetPlotBackGroundColor(TColor value) {
  if (StoreIfDifferent(FPlotAreaColor, value)) RepaintIfDesigning();
}
void TPelkgraph::SetHighlightColor(TColor value) {
  if (StoreIfDifferent(FHighlightColor, value)) RepaintIfDesigning();
}
void TPelkgraph::SetShadowColor(TColor value) {
  if (StoreIfDifferent(FShadowColor, value)) RepaintIfDesigning();
}

// ---- plotting fields: plotting prepares state from them
void TPelkgraph::SetUseSecondYAxis(bool value) {
  if (StoreIfDifferent(FUseSecondYAxis, value)) DrawingStateChanged();
}
void TPelkgraph::SetClipData(bool value) {
  if (StoreIfDifferent(FClipData, value)) DrawingStateChanged();
}

// ---- owned objects: another object's settings are copied in
void TPelkgraph::SetXAxis(const TAxis& value) { FXAxis->CopySettings(value); }
void TPelkgraph::SetYAxis(const TAxis& value) { FYAxis->CopySettings(value); }
void TPelkgraph::SetYAxis2(const TAxis& value) { FYAxis2->CopySettings(value); }
void TPelkgraph::SetZoomBox(const TZoomBox& value) { FZoomBox->CopySettings(value); }

// ---- pen rule: the value reaches the control, image and printer pens
void TPelkgraph::SetPlotColor(TColor value) {
  if (!StoreIfDifferent(FPenColor, value)) return;
  Canvas().Pen().SetColor(value);
  FBitmap->Canvas().Pen().SetColor(value);
  Printer().Canvas().Pen().SetColor(FPrintMonoChrome ? clBlack : value);
}

void TPelkgraph::SetPenWidth(int value) {
  if (!StoreAbsoluteIfDifferent(FPenWidth, value)) return;
  Canvas().Pen().SetWidth(FPenWidth);
  FBitmap->Canvas().Pen().SetWidth(FPenWidth);
}

void TPelkgraph::SetPenMode(TPenMode value) {
  if (!StoreIfDifferent(FPenMode, value)) return;
  Canvas().Pen().SetMode(value);
  FBitmap->Canvas().Pen().SetMode(value);
  if (FPrinterEnabled) Printer().Canvas().Pen().SetMode(value);
}

void TPelkgraph::SetPenStyle(TPenStyle value) {
  if (!StoreIfDifferent(FPenStyle, value)) return;
  Canvas().Pen().SetStyle(value);
  FBitmap->Canvas().Pen().SetStyle(value);
  if (FPrinterEnabled) Printer().Canvas().Pen().SetStyle(value);
}

// ---- destination rule
void TPelkgraph::SetPlotDestination(TPlotDestination value) {
  if (!StoreIfDifferent(FPlotDestination, value)) return;
  FScreenEnabled = value != TPlotDestination::PrinterOnly;
  FPrinterEnabled = value != TPlotDestination::ScreenOnly;
}

}  // namespace pelk
