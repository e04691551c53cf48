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

/// One state of a component; csDesigning marks one in the form designer.
enum TComponentStateFlag : std::uint8_t { csLoading, csReading, csWriting, csDestroying, csDesigning };
/// The states of a component.
using TComponentState = TSet<TComponentStateFlag>;

/// A component with an owner, a name, a tag and a state. The owner only lists its components (C++
/// ownership stays with whoever made them); they leave the list when destroyed.
class TComponent : public TPersistent {
 public:
  /// A component listed by owner (when not null).
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  /// The component that lists this one, or null.
  TComponent* Owner() const { return owner_; }
  /// The components this one owns, in creation order.
  const std::vector<TComponent*>& Components() const { return components_; }
  /// The component's name (in form files, the object's name).
  const std::string& Name() const { return name_; }
  /// Sets the component's name.
  void SetName(const std::string& value) { name_ = value; }
  /// A number for the host's own use.
  int Tag() const { return tag_; }
  /// Sets the host's number.
  void SetTag(int value) { tag_ = value; }
  /// The component's states.
  TComponentState ComponentState() const { return state_; }
  /// Marks this component and the components it owns as being designed.
  /// Components created later with this owner inherit the flag.
  void SetDesigning(bool value);
  const char* ClassName() const override { return "TComponent"; }

 private:
  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;
  std::string name_;
  int tag_ = 0;
  TComponentState state_;
};

/// A visible control on a form: position, size, visibility, mouse events and
/// paint requests.
class TControl : public TComponent {
 public:
  /// A control whose owner is a form gets that form as its parent.
  explicit TControl(TComponent* owner);
  ~TControl() override;

  /// The form the control is on, or null.
  TForm* Parent() const { return parent_; }
  /// Moves the control onto another form (null: onto none).
  void SetParent(TForm* parent);

  /// The control's left edge on its form.
  int Left() const { return left_; }
  /// The control's top edge on its form.
  int Top() const { return top_; }
  /// The control's width in pixels.
  int Width() const { return width_; }
  /// The control's height in pixels.
  int Height() const { return height_; }
  /// Moves the left edge.
  void SetLeft(int value) { SetBounds(value, top_, width_, height_); }
  /// Moves the top edge.
  void SetTop(int value) { SetBounds(left_, value, width_, height_); }
  /// Sets the width.
  void SetWidth(int value) { SetBounds(left_, top_, value, height_); }
  /// Sets the height.
  void SetHeight(int value) { SetBounds(left_, top_, width_, value); }
  /// Moves and sizes the control (negative sizes count as 0); a change
  /// invalidates it.
  virtual void SetBounds(int left, int top, int width, int height);
  /// The control's rectangle on its form.
  TRect BoundsRect() const { return TRect{left_, top_, left_ + width_, top_ + height_}; }
  /// The control's rectangle in its own coordinates.
  TRect ClientRect() const { return TRect{0, 0, width_, height_}; }

  /// Whether the control is shown and gets mouse events.
  bool Visible() const { return visible_; }
  /// Shows or hides the control.
  void SetVisible(bool value);
  /// The cursor shown over the control.
  TCursor Cursor() const { return cursor_; }
  /// Sets the cursor shown over the control.
  void SetCursor(TCursor value) { cursor_ = value; }
  /// The hint text for the control.
  const std::string& Hint() const { return hint_; }
  /// Sets the hint text.
  void SetHint(const std::string& value) { hint_ = value; }

  /// Asks the parent form for a later, separate Paint.
  void Invalidate();

  /// Mouse handling, called by the form's routing in control coordinates. The
  /// base versions fire the events below.
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  /// The pointer moved over the control (or while it holds the capture); fires OnMouseMove.
  virtual void MouseMove(TShiftState shift, int x, int y);
  /// A button was released; fires OnMouseUp.
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  /// A press and release on the control; fires OnClick.
  virtual void Click();
  /// The second press of a double-click; fires OnDblClick.
  virtual void DblClick();
  /// Draws the control; called by the form when it serves an invalidation.
  virtual void Paint() {}

  /// The host's handler of clicks.
  TNotifyEvent OnClick;
  /// The host's handler of double-clicks.
  TNotifyEvent OnDblClick;
  /// The host's handler of button presses.
  TMouseEvent OnMouseDown;
  /// The host's handler of pointer moves.
  TMouseMoveEvent OnMouseMove;
  /// The host's handler of button releases (for a graph: after its zoom box is complete).
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

/// Canvas of a control: draws on the parent form's surface with logical (0, 0)
/// at the control's (Left, Top), clipped to the control's bounds; a selected
/// clip region is in the form's coordinates (and still within the control).
class TControlCanvas : public TCanvas {
 public:
  /// The canvas of control.
  explicit TControlCanvas(TControl& control);
  DeviceView Device() override;
  int PixelsPerInch() const override;

 protected:
  bool KeepsDeviceState() const override { return true; }
  void AfterDrawing() override;

 private:
  TControl& control_;
};

/// A control without a window of its own: it paints on its form's surface through Canvas().
class TGraphicControl : public TControl {
 public:
  /// A control on owner's form, when owner is one.
  explicit TGraphicControl(TComponent* owner);
  ~TGraphicControl() override;
  /// The canvas that draws on the control's part of the form.
  TCanvas& Canvas() { return *canvas_; }
  const char* ClassName() const override { return "TGraphicControl"; }

 private:
  std::unique_ptr<TControlCanvas> canvas_;
};

}  // namespace pelk
