// TAxis: the settings of one axis (scaling, divisions, number format, ticks,
// label and font). It stores values, corrects a few when they are set, and
// reports every effective change through OnChange.
#pragma once

#include <memory>
#include <string>

#include "core/Enums.h"
#include "platform/Classes.h"
#include "platform/Graphics.h"

namespace pelk {

class TPelkgraph;
class TReader;
class TWriter;

/// The settings of one axis of a graph: scaling, divisions, number format,
/// tick marks, label and font. Every effective change is reported through OnChange.
class TAxis : public TPersistent {
 public:
  /// An axis with its default settings (three linear divisions of 10, 64 pixels each).
  TAxis();
  ~TAxis() override;
  TAxis(const TAxis&) = delete;
  TAxis& operator=(const TAxis&) = delete;

  /// Called after every effective change, with this axis as Sender.
  TNotifyEvent OnChange;

  /// Whether the axis line and its ticks take the font's colour instead of the major grid's.
  bool AxisMatchesFont() const { return FAxisMatchesFont; }
  /// Whether the numbers at the ticks are written horizontally or vertically.
  TAnnotationAngle AnnotationAngle() const { return FAnnotationAngle; }
  /// The length of one division in screen pixels (64 at first).
  int DivisionWidth() const { return FDivisionWidth; }
  /// The font of the numbers and the label, owned by the axis.
  TFont& Font() const { return *FFont; }
  /// Pixels between the numbers and the label.
  int AxisLabelOffset() const { return FAxisLabelOffset; }
  /// Whether the axis is base-10 logarithmic, one decade per division.
  bool LogAxis() const { return FLogAxis; }
  /// On a logarithmic axis, the power of ten at the origin.
  int MinExponent() const { return FMinExponent; }
  /// Decimals of the axis numbers; also decides when a power of ten is factored out of small values.
  int NumberOfDecimals() const { return FNumberOfDecimals; }
  /// The number of divisions along the axis (decades on a logarithmic axis).
  int NumberOfDivisions() const { return FNumberOfDivisions; }
  /// Digits before the decimal point the numbers keep before a power of ten is factored out.
  int NumberOfFixed() const { return FNumberOfFixed; }
  /// Pixels between the tick marks and the numbers.
  int NumberOffset() const { return FNumberOffset; }
  /// On a linear axis, the value at the origin.
  double OriginValue() const { return FOriginValue; }
  /// On a linear axis, the value span of one division (negative: the axis runs backwards).
  double ScalePerDivision() const { return FScalePerDivision; }
  /// The length of the tick marks in pixels.
  int TicLength() const { return FTicLength; }
  /// The label text written beside the numbers.
  const std::string& AxisLabel() const { return FAxisLabel; }

  /// Sets whether the axis line takes the font's colour.
  void SetAxisMatchesFont(bool value);
  /// Sets the orientation of the numbers.
  void SetAnnotationAngle(TAnnotationAngle value);
  /// Sets the division width (stored as its absolute value).
  void SetDivWidth(int value);        // absolute value
  /// Copies the attributes of value into the axis's font.
  void SetFont(const TFont& value);   // copies the attributes
  /// Sets the label offset (stored as its absolute value).
  void SetLabelOffset(int value);     // absolute value
  /// Makes the axis logarithmic or linear.
  void SetLog(bool value);
  /// Sets the power of ten at the origin of a logarithmic axis.
  void SetMinExponent(int value);
  /// Sets the number of decimals (stored as its absolute value).
  void SetNdecs(int value);           // absolute value
  /// Sets the number of divisions (0 becomes 1, else the absolute value).
  void SetNdivs(int value);           // 0 becomes 1, else absolute value
  /// Sets the digits kept before the decimal point (stored as its absolute value).
  void SetNfixed(int value);          // absolute value
  /// Sets the gap before the numbers (stored as its absolute value).
  void SetNumberOffset(int value);    // absolute value
  /// Sets the value at the origin of a linear axis.
  void SetOrgVal(double value);
  /// Sets the value span of one division; 0.0 is refused and changes nothing.
  void SetScale(double value);        // 0.0 is refused
  /// Sets the tick length (stored as its absolute value).
  void SetTicLength(int value);       // absolute value
  /// Sets the label text.
  void SetAxisLabel(const std::string& value);

  /// Raises the change notification.
  void Changed();

  /// Copies every setting of source through the setters (notifying once per
  /// effective change); OnChange stays as it is.
  void CopySettings(const TAxis& source);

  // Form files: AxisLabel, always written, read back through SetAxisLabel.
  void DefineProperties(TFiler& Filer) override;

  const char* ClassName() const override { return "TAxis"; }

 private:
  friend class TPelkgraph;  // stores construction values without notification

  void ReadAxisLabel(TReader& Reader);
  void WriteAxisLabel(TWriter& Writer) const;

  bool FAxisMatchesFont = false;
  std::unique_ptr<TFont> FFont;
  std::string FAxisLabel;
  bool FLogAxis = false;
  double FOriginValue = 0.0;
  double FScalePerDivision = 0.0;
  int FNumberOfDivisions = 0;
  int FDivisionWidth = 0;
  int FNumberOfFixed = 0;
  int FNumberOfDecimals = 0;
  int FMinExponent = 0;
  int FTicLength = 0;
  int FNumberOffset = 0;
  int FAxisLabelOffset = 0;
  TAnnotationAngle FAnnotationAngle = TAnnotationAngle::Horizontal;
};

}  // namespace pelk
