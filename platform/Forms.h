// TForm: owns the surface its controls paint on, serves invalidated controls
// as later, separate Paint calls, and routes mouse events to the control
// under the pointer. Headless by default; a viewer may present its surface.
#pragma once

#include <functional>
#include <vector>

#include "platform/Controls.h"
#include "platform/Surface.h"

namespace pelk {

class TForm : public TComponent {
 public:
  explicit TForm(TComponent* owner = nullptr);
  ~TForm() override;

  int ClientWidth() const { return surface_.Width(); }
  int ClientHeight() const { return surface_.Height(); }
  // Resizes the surface (filled with Color) and invalidates every control.
  void SetClientSize(int width, int height);
  TColor Color() const { return color_; }
  void SetColor(TColor value) { color_ = value; }
  Surface& ClientSurface() { return surface_; }

  // The controls whose parent is this form, in insertion order (painting
  // order; the last one is on top).
  const std::vector<TControl*>& Controls() const { return controls_; }

  // Queues a paint of the control (once, however often it is asked).
  void InvalidateControl(TControl& control);
  void InvalidateAll();
  bool IsInvalidated(const TControl& control) const;
  // Serves queued paints, each as its own Paint call; paints queued during a
  // paint are served in a following round. Returns how many were served.
  int ProcessMessages();
  // Number of Paint calls served for each control so far.
  int PaintCount(const TControl& control) const;

  // Mouse input in form coordinates. A press goes to the topmost visible
  // control under the pointer and captures it until every button is up.
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  void MouseMove(TShiftState shift, int x, int y);
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  // The second press of a double-click: DblClick, then MouseDown with ssDouble.
  void DoubleClick(TMouseButton button, TShiftState shift, int x, int y);

  // Set when drawing reached the surface; a viewer presents and clears it.
  void MarkSurfaceChanged() { surfaceChanged_ = true; }
  bool TakeSurfaceChanged() {
    bool changed = surfaceChanged_;
    surfaceChanged_ = false;
    return changed;
  }

  const char* ClassName() const override { return "TForm"; }

  // Used by TControl.
  void AddControl(TControl& control);
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
