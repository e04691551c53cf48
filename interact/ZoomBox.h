// TZoomBox: settings of the mouse-driven zoom box, the result of the last
// completed zoom, and the state of a drag in progress.
#pragma once

#include "core/Enums.h"
#include "platform/Classes.h"
#include "platform/Types.h"

namespace pelk {

class TPelkgraph;

class TZoomBox : public TPersistent {
 public:
  TZoomBox();

  bool AutoErase() const { return FAutoErase; }
  void SetAutoErase(bool value) { FAutoErase = value; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value) { FEnabled = value; }
  TColor Color() const { return FColor; }
  void SetColor(TColor value) { FColor = value; }
  bool ValidZoom() const { return FValidZoom; }
  TZButton ZoomButton() const { return FZoomButton; }
  void SetButton(TZButton value);
  TZKey ZoomKey() const { return FZoomKey; }
  void SetKey(TZKey value);

  float XScaledLeft() const { return FXScaledLeft; }
  float XScaledRight() const { return FXScaledRight; }
  float YScaledTop() const { return FYScaledTop; }
  float SecondYScaledTop() const { return FSecondYScaledTop; }
  float YScaledBottom() const { return FYScaledBottom; }
  float SecondYScaledBottom() const { return FSecondYScaledBottom; }
  int Left() const { return FLeft; }
  int Right() const { return FRight; }
  int Top() const { return FTop; }
  int Bottom() const { return FBottom; }

  // The exact shift state that starts and ends a drag.
  TShiftState ZoomShift() const { return FZoomShift; }

  // Copies the settings (AutoErase, Enabled, Color, ZoomButton, ZoomKey);
  // the result and the drag state stay.
  void CopySettings(const TZoomBox& source);

  const char* ClassName() const override { return "TZoomBox"; }

 private:
  friend class TPelkgraph;  // the mouse protocol reads and writes the fields
  void UpdateZoomShift();

  bool FSavedUseSecondYAxis = false;
  bool FAutoErase = true;
  bool FErased = false;
  TZButton FZoomButton = TZButton::MouseLeft;
  TZKey FZoomKey = TZKey::None;
  TShiftState FZoomShift;
  bool FEnabled = false;
  TColor FColor = 0xFF0000;
  float FXScaledLeft = 0, FXScaledRight = 0;
  float FYScaledTop = 0;
  float FSecondYScaledTop = 0;
  float FYScaledBottom = 0;
  float FSecondYScaledBottom = 0;
  int FLeft = 0, FRight = 0, FTop = 0, FBottom = 0;
  int FAnchorX = 0, FAnchorY = 0;
  int FCurrentX = 0, FCurrentY = 0;
  bool FDragging = false;
  float FAnchorXValue = 0, FAnchorYValue = 0;
  float FAnchorSecondYValue = 0;
  bool FValidZoom = false;
};

}  // namespace pelk
