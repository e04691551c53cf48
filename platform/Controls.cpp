#include "platform/Controls.h"

#include <algorithm>
#include <climits>
#include <utility>

#include "platform/Forms.h"
#include "platform/Screen.h"
#include "platform/StateGeneration.h"

namespace pelk {

namespace {

// A size that is never negative and keeps origin + size within int.
int ClampExtent(int origin, int size) {
  if (size <= 0) return 0;
  if (origin > 0) return std::min(size, INT_MAX - origin);
  return size;
}

// Calls a copy of the handler, so a handler that destroys the sender does not
// destroy the function while it runs.
template <typename Event, typename... Args>
void Fire(const Event& event, Args... args) {
  if (!event) return;
  Event handler = event;
  handler(args...);
}

}  // namespace

// --- TComponent -------------------------------------------------------------

TComponent::TComponent(TComponent* owner) : owner_(owner) {
  if (!owner_) return;
  owner_->components_.push_back(this);
  if (owner_->state_.Contains(csDesigning)) state_.Include(csDesigning);
}

TComponent::~TComponent() {
  state_.Include(csDestroying);
  for (TComponent* component : components_) component->owner_ = nullptr;
  if (owner_) std::erase(owner_->components_, this);
}

void TComponent::SetDesigning(bool value) {
  if (value)
    state_.Include(csDesigning);
  else
    state_.Exclude(csDesigning);
  for (TComponent* component : components_) component->SetDesigning(value);
}

// --- TControl ---------------------------------------------------------------

TControl::TControl(TComponent* owner) : TComponent(owner) {
  if (auto* form = dynamic_cast<TForm*>(owner)) SetParent(form);
}

TControl::~TControl() { SetParent(nullptr); }

// The form keeps its list in step: AddControl and RemoveControl only touch
// the list once Parent() already names the new parent.
void TControl::SetParent(TForm* parent) {
  if (parent == parent_) return;
  DrawingStateChanged();
  if (TForm* old = std::exchange(parent_, nullptr)) old->RemoveControl(*this);
  parent_ = parent;
  if (parent_) {
    parent_->AddControl(*this);
    Invalidate();
  }
}

void TControl::SetBounds(int left, int top, int width, int height) {
  width = ClampExtent(left, width);
  height = ClampExtent(top, height);
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  DrawingStateChanged();
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Invalidate();
}

void TControl::SetVisible(bool value) {
  if (value == visible_) return;
  visible_ = value;
  Invalidate();
}

void TControl::Invalidate() {
  if (parent_) parent_->InvalidateControl(*this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  Fire(OnMouseDown, static_cast<TObject*>(this), button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  Fire(OnMouseMove, static_cast<TObject*>(this), shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  Fire(OnMouseUp, static_cast<TObject*>(this), button, shift, x, y);
}

void TControl::Click() { Fire(OnClick, static_cast<TObject*>(this)); }

void TControl::DblClick() { Fire(OnDblClick, static_cast<TObject*>(this)); }

// --- TControlCanvas ---------------------------------------------------------

TControlCanvas::TControlCanvas(TControl& control) : control_(control) {}

TCanvas::DeviceView TControlCanvas::Device() {
  TForm* form = control_.Parent();
  return {form ? &form->ClientSurface() : nullptr, {control_.Left(), control_.Top()}, control_.BoundsRect()};
}

int TControlCanvas::PixelsPerInch() const { return Screen().PixelsPerInch(); }

void TControlCanvas::AfterDrawing() {
  if (TForm* form = control_.Parent()) form->MarkSurfaceChanged();
}

// --- TGraphicControl --------------------------------------------------------

TGraphicControl::TGraphicControl(TComponent* owner)
    : TControl(owner), canvas_(std::make_unique<TControlCanvas>(*this)) {}

TGraphicControl::~TGraphicControl() = default;

}  // namespace pelk
