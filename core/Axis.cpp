#include "core/Axis.h"

#include "core/SetterRules.h"
#include "platform/StateGeneration.h"

namespace pelk {

TAxis::TAxis() : FFont(std::make_unique<TFont>()) {
  FFont->SetName("Arial");
  FFont->SetColor(clBlack);
  FFont->SetStyle(TFontStyles{fsBold});
  FFont->SetSize(9);
  FFont->OnChange = [this](TObject*) { Changed(); };
  FAxisLabel = "Axis Label";
  FDivisionWidth = 64;
  FOriginValue = 0.0;
  FScalePerDivision = 10.0;
  FNumberOfFixed = 3;
  FNumberOfDecimals = 1;
  FNumberOfDivisions = 3;
  FTicLength = 5;
  FNumberOffset = 5;
  FAxisLabelOffset = 10;
  FLogAxis = false;
  FMinExponent = 0;
  FAnnotationAngle = TAnnotationAngle::Vertical;
}

TAxis::~TAxis() {
  // The font must not report its own destruction.
  FFont->OnChange = nullptr;
}

// The scaled plotting calls map by these settings, so a change also moves
// the drawing state generation.
void TAxis::Changed() {
  DrawingStateChanged();
  if (OnChange) OnChange(this);
}

void TAxis::SetAxisMatchesFont(bool value) {
  if (StoreIfDifferent(FAxisMatchesFont, value)) Changed();
}

void TAxis::SetAnnotationAngle(TAnnotationAngle value) {
  if (StoreIfDifferent(FAnnotationAngle, value)) Changed();
}

void TAxis::SetDivWidth(int value) {
  if (StoreAbsoluteIfDifferent(FDivisionWidth, value)) Changed();
}

void TAxis::SetFont(const TFont& value) {
  if (&value == FFont.get()) return;
  FFont->Assign(value);
  Changed();
}

void TAxis::SetLabelOffset(int value) {
  if (StoreAbsoluteIfDifferent(FAxisLabelOffset, value)) Changed();
}

void TAxis::SetLog(bool value) {
  if (StoreIfDifferent(FLogAxis, value)) Changed();
}

void TAxis::SetMinExponent(int value) {
  if (StoreIfDifferent(FMinExponent, value)) Changed();
}

void TAxis::SetNdecs(int value) {
  if (StoreAbsoluteIfDifferent(FNumberOfDecimals, value)) Changed();
}

void TAxis::SetNdivs(int value) {
  if (FNumberOfDivisions == value) return;
  FNumberOfDivisions = value == 0 ? 1 : AbsoluteValue(value);
  Changed();
}

void TAxis::SetNfixed(int value) {
  if (StoreAbsoluteIfDifferent(FNumberOfFixed, value)) Changed();
}

void TAxis::SetNumberOffset(int value) {
  if (StoreAbsoluteIfDifferent(FNumberOffset, value)) Changed();
}

void TAxis::SetOrgVal(double value) {
  if (StoreIfDifferent(FOriginValue, value)) Changed();
}

void TAxis::SetScale(double value) {
  if (FScalePerDivision == value || value == 0.0) return;
  FScalePerDivision = value;
  Changed();
}

void TAxis::SetTicLength(int value) {
  if (StoreAbsoluteIfDifferent(FTicLength, value)) Changed();
}

void TAxis::SetAxisLabel(const std::string& value) {
  if (StoreIfDifferent(FAxisLabel, value)) Changed();
}

void TAxis::CopySettings(const TAxis& source) {
  if (&source == this) return;
  SetAxisMatchesFont(source.FAxisMatchesFont);
  SetAnnotationAngle(source.FAnnotationAngle);
  SetDivWidth(source.FDivisionWidth);
  SetFont(*source.FFont);
  SetLabelOffset(source.FAxisLabelOffset);
  SetLog(source.FLogAxis);
  SetMinExponent(source.FMinExponent);
  SetNdecs(source.FNumberOfDecimals);
  SetNdivs(source.FNumberOfDivisions);
  SetNfixed(source.FNumberOfFixed);
  SetNumberOffset(source.FNumberOffset);
  SetOrgVal(source.FOriginValue);
  SetScale(source.FScalePerDivision);
  SetTicLength(source.FTicLength);
  SetAxisLabel(source.FAxisLabel);
}

}  // namespace pelk
