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

class TAxis : public TPersistent {
 public:
  TAxis();
  ~TAxis() override;
  TAxis(const TAxis&) = delete;
  TAxis& operator=(const TAxis&) = delete;

  // Called after every effective change, with this axis as Sender.
  TNotifyEvent OnChange;

  bool AxisMatchesFont() const { return FAxisMatchesFont; }
  TAnnotationAngle AnnotationAngle() const { return FAnnotationAngle; }
  int DivisionWidth() const { return FDivisionWidth; }
  TFont& Font() const { return *FFont; }
  int AxisLabelOffset() const { return FAxisLabelOffset; }
  bool LogAxis() const { return FLogAxis; }
  int MinExponent() const { return FMinExponent; }
  int NumberOfDecimals() const { return FNumberOfDecimals; }
  int NumberOfDivisions() const { return FNumberOfDivisions; }
  int NumberOfFixed() const { return FNumberOfFixed; }
  int NumberOffset() const { return FNumberOffset; }
  double OriginValue() const { return FOriginValue; }
  double ScalePerDivision() const { return FScalePerDivision; }
  int TicLength() const { return FTicLength; }
  const std::string& AxisLabel() const { return FAxisLabel; }

  void SetAxisMatchesFont(bool value);
  void SetAnnotationAngle(TAnnotationAngle value);
  void SetDivWidth(int value);        // absolute value
  void SetFont(const TFont& value);   // copies the attributes
  void SetLabelOffset(int value);     // absolute value
  void SetLog(bool value);
  void SetMinExponent(int value);
  void SetNdecs(int value);           // absolute value
  void SetNdivs(int value);           // 0 becomes 1, else absolute value
  void SetNfixed(int value);          // absolute value
  void SetNumberOffset(int value);    // absolute value
  void SetOrgVal(double value);
  void SetScale(double value);        // 0.0 is refused
  void SetTicLength(int value);       // absolute value
  void SetAxisLabel(const std::string& value);

  // Raises the change notification.
  void Changed();

  // Copies every setting of source through the setters (notifying once per
  // effective change); OnChange stays as it is.
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
