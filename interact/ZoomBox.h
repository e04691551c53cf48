// TZoomBox: settings of the mouse-driven zoom box, the result of the last
// completed zoom, and the state of a drag in progress.
#pragma once

#include "core/Enums.h"
#include "platform/Classes.h"
#include "platform/Types.h"

namespace pelk {

class TPelkgraph;

/// The zoom box of a graph: how a drag is started, and the rectangle of the last
/// completed zoom in control pixels and in axis values.
class TZoomBox : public TPersistent {
 public:
  /// A disabled zoom box dragged with the left button and no modifier key.
  TZoomBox();

  /// Whether the band is removed as soon as the zoom is complete (on at first).
  bool AutoErase() const { return FAutoErase; }
  /// Sets whether the band is removed when the zoom is complete.
  void SetAutoErase(bool value) { FAutoErase = value; }
  /// Whether the mouse can drag a zoom box (off at first).
  bool Enabled() const { return FEnabled; }
  /// Turns zooming with the mouse on or off.
  void SetEnabled(bool value) { FEnabled = value; }
  /// The colour the band is drawn with (not-xor, so drawing it twice removes it).
  TColor Color() const { return FColor; }
  /// Sets the band's colour.
  void SetColor(TColor value) { FColor = value; }
  /// Whether the last drag made a rectangle of some width and height.
  bool ValidZoom() const { return FValidZoom; }
  /// The mouse button that drags the box.
  TZButton ZoomButton() const { return FZoomButton; }
  /// Sets the mouse button that drags the box.
  void SetButton(TZButton value);
  /// The modifier keys held with the button.
  TZKey ZoomKey() const { return FZoomKey; }
  /// Sets the modifier keys held with the button.
  void SetKey(TZKey value);

  /// X axis value at the left edge of the last zoom.
  float XScaledLeft() const { return FXScaledLeft; }
  /// X axis value at the right edge of the last zoom.
  float XScaledRight() const { return FXScaledRight; }
  /// Y axis value at the top edge of the last zoom.
  float YScaledTop() const { return FYScaledTop; }
  /// Second Y axis value at the top edge of the last zoom (0 without a second axis).
  float SecondYScaledTop() const { return FSecondYScaledTop; }
  /// Y axis value at the bottom edge of the last zoom.
  float YScaledBottom() const { return FYScaledBottom; }
  /// Second Y axis value at the bottom edge of the last zoom (0 without a second axis).
  float SecondYScaledBottom() const { return FSecondYScaledBottom; }
  /// Control x of the last zoom's left edge.
  int Left() const { return FLeft; }
  /// Control x of the last zoom's right edge.
  int Right() const { return FRight; }
  /// Control y of the last zoom's top edge.
  int Top() const { return FTop; }
  /// Control y of the last zoom's bottom edge.
  int Bottom() const { return FBottom; }

  /// The exact shift state that starts and ends a drag.
  TShiftState ZoomShift() const { return FZoomShift; }

  /// Copies the settings (AutoErase, Enabled, Color, ZoomButton, ZoomKey);
  /// the result and the drag state stay.
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
