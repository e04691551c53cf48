// Component and control classes: TComponent (owner, name, state), TControl
// (position, size, visibility, events, Invalidate) and TGraphicControl (a
// control without a window that paints on its parent form's surface).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "platform/Classes.h"

namespace pelk {

class TForm;

enum TComponentStateFlag : std::uint8_t { csLoading, csReading, csWriting, csDestroying, csDesigning };
using TComponentState = TSet<TComponentStateFlag>;

// The owner does not free its components (C++ ownership stays with whoever
// made them); it only lists them, and they leave the list when destroyed.
class TComponent : public TPersistent {
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const { return owner_; }
  const std::vector<TComponent*>& Components() const { return components_; }
  const std::string& Name() const { return name_; }
  void SetName(const std::string& value) { name_ = value; }
  int Tag() const { return tag_; }
  void SetTag(int value) { tag_ = value; }
  TComponentState ComponentState() const { return state_; }
  // Marks this component and the components it owns as being designed.
  // Components created later with this owner inherit the flag.
  void SetDesigning(bool value);
  const char* ClassName() const override { return "TComponent"; }

 private:
  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;
  std::string name_;
  int tag_ = 0;
  TComponentState state_;
};

class TControl : public TComponent {
 public:
  // A control whose owner is a form gets that form as its parent.
  explicit TControl(TComponent* owner);
  ~TControl() override;

  TForm* Parent() const { return parent_; }
  void SetParent(TForm* parent);

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int value) { SetBounds(value, top_, width_, height_); }
  void SetTop(int value) { SetBounds(left_, value, width_, height_); }
  void SetWidth(int value) { SetBounds(left_, top_, value, height_); }
  void SetHeight(int value) { SetBounds(left_, top_, width_, value); }
  // Moves and sizes the control (negative sizes count as 0); a change
  // invalidates it.
  virtual void SetBounds(int left, int top, int width, int height);
  TRect BoundsRect() const { return TRect{left_, top_, left_ + width_, top_ + height_}; }
  TRect ClientRect() const { return TRect{0, 0, width_, height_}; }

  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor value) { cursor_ = value; }
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& value) { hint_ = value; }

  // Asks the parent form for a later, separate Paint.
  void Invalidate();

  // Mouse handling, called by the form's routing in control coordinates. The
  // base versions fire the events below.
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void Click();
  virtual void DblClick();
  // Draws the control; called by the form when it serves an invalidation.
  virtual void Paint() {}

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;

  const char* ClassName() const override { return "TControl"; }

 private:
  TForm* parent_ = nullptr;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  bool visible_ = true;
  TCursor cursor_ = crDefault;
  std::string hint_;
};

// Canvas of a control: draws on the parent form's surface with logical (0, 0)
// at the control's (Left, Top), clipped to the control's bounds; a selected
// clip region is in the form's coordinates (and still within the control).
class TControlCanvas : public TCanvas {
 public:
  explicit TControlCanvas(TControl& control);
  DeviceView Device() override;
  int PixelsPerInch() const override;

 protected:
  bool KeepsDeviceState() const override { return true; }
  void AfterDrawing() override;

 private:
  TControl& control_;
};

class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* owner);
  ~TGraphicControl() override;
  TCanvas& Canvas() { return *canvas_; }
  const char* ClassName() const override { return "TGraphicControl"; }

 private:
  std::unique_ptr<TControlCanvas> canvas_;
};

}  // namespace pelk
