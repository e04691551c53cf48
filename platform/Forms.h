// TForm: owns the surface its controls paint on, serves invalidated controls
// as later, separate Paint calls, and routes mouse events to the control
// under the pointer. Headless by default; a viewer may present its surface.
#pragma once

#include <functional>
#include <vector>

#include "platform/Controls.h"
#include "platform/Surface.h"

namespace pelk {

/// A form: the surface its controls paint on, the queue of their paints, and
/// the routing of mouse events to them. Headless unless a program shows its surface.
class TForm : public TComponent {
 public:
  /// An empty form of 0 x 0 pixels.
  explicit TForm(TComponent* owner = nullptr);
  ~TForm() override;

  /// The width of the form's surface in pixels.
  int ClientWidth() const { return surface_.Width(); }
  /// The height of the form's surface in pixels.
  int ClientHeight() const { return surface_.Height(); }
  /// Resizes the surface (filled with Color) and invalidates every control.
  void SetClientSize(int width, int height);
  /// The colour a resized surface is filled with (clBtnFace at first).
  TColor Color() const { return color_; }
  /// Sets the colour a resized surface is filled with.
  void SetColor(TColor value) { color_ = value; }
  /// The pixels the controls paint on, for a program that shows them.
  Surface& ClientSurface() { return surface_; }

  /// The controls whose parent is this form, in insertion order (painting
  /// order; the last one is on top).
  const std::vector<TControl*>& Controls() const { return controls_; }

  /// Queues a paint of the control (once, however often it is asked).
  void InvalidateControl(TControl& control);
  /// Queues a paint of every control.
  void InvalidateAll();
  /// Whether a paint of the control is queued.
  bool IsInvalidated(const TControl& control) const;
  /// Serves queued paints, each as its own Paint call; paints queued during a
  /// paint are served in a following round. Returns how many were served.
  int ProcessMessages();
  /// Number of Paint calls served for each control so far.
  int PaintCount(const TControl& control) const;

  /// Mouse input in form coordinates. A press goes to the topmost visible
  /// control under the pointer and captures it until every button is up.
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  /// Moves the pointer to (x, y): the captured control, or the one under the pointer, gets the move.
  void MouseMove(TShiftState shift, int x, int y);
  /// Releases a button at (x, y); shift no longer holds the released button.
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  /// The second press of a double-click: DblClick, then MouseDown with ssDouble.
  void DoubleClick(TMouseButton button, TShiftState shift, int x, int y);

  /// Set when drawing reached the surface; a viewer presents and clears it.
  void MarkSurfaceChanged() { surfaceChanged_ = true; }
  /// Whether drawing reached the surface since the last call; clears the mark.
  bool TakeSurfaceChanged() {
    bool changed = surfaceChanged_;
    surfaceChanged_ = false;
    return changed;
  }

  const char* ClassName() const override { return "TForm"; }

  /// Used by TControl.
  void AddControl(TControl& control);
  /// Used by TControl: takes the control off the form.
  void RemoveControl(TControl& control);

 private:
  TControl* ControlAt(int x, int y) const;

  Surface surface_;
  TColor color_ = clBtnFace;
  std::vector<TControl*> controls_;
  std::vector<TControl*> pending_;
  std::vector<std::pair<const TControl*, int>> paintCounts_;
  TControl* capture_ = nullptr;
  TShiftState buttonsDown_;
  bool clickPending_ = false;
  bool surfaceChanged_ = false;
};

}  // namespace pelk
