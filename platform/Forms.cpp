#include "platform/Forms.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "platform/Arith.h"

namespace pelk {

namespace {

// A form coordinate in the control's own, saturated at the int limits.
int ToControl(int formCoordinate, int controlOrigin) {
  return ClampToInt(std::int64_t{formCoordinate} - controlOrigin);
}

constexpr int kDefaultClientWidth = 640;
constexpr int kDefaultClientHeight = 480;
// Largest client side, like a window's maximum tracking size; keeps a
// surface allocation bounded whatever a caller asks for.
constexpr int kMaxClientSide = 16384;
// Rounds of ProcessMessages before it gives up on a control that keeps
// invalidating itself from Paint.
constexpr int kMaxPaintRounds = 64;

std::optional<TShiftStateFlag> ButtonFlag(TMouseButton button) {
  switch (button) {
    case mbLeft: return ssLeft;
    case mbRight: return ssRight;
    case mbMiddle: return ssMiddle;
  }
  return std::nullopt;
}

bool AnyButtonDown(TShiftState buttons) {
  return buttons.Contains(ssLeft) || buttons.Contains(ssRight) || buttons.Contains(ssMiddle);
}

bool RectContains(const TRect& r, int x, int y) {
  return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
}

template <typename T>
bool Holds(const std::vector<T*>& list, const T* item) {
  return std::find(list.begin(), list.end(), item) != list.end();
}

}  // namespace

TForm::TForm(TComponent* owner) : TComponent(owner) {
  surface_.Resize(kDefaultClientWidth, kDefaultClientHeight);
  surface_.Fill(ColorToRGB(color_));
}

TForm::~TForm() {
  // Copy: each SetParent(nullptr) shrinks the list.
  std::vector<TControl*> remaining = controls_;
  for (TControl* control : remaining) control->SetParent(nullptr);
}

void TForm::SetClientSize(int width, int height) {
  surface_.Resize(std::clamp(width, 0, kMaxClientSide), std::clamp(height, 0, kMaxClientSide));
  surface_.Fill(ColorToRGB(color_));
  MarkSurfaceChanged();
  InvalidateAll();
}

// --- Painting ---------------------------------------------------------------

void TForm::InvalidateControl(TControl& control) {
  // Only this form's controls are queued, so RemoveControl can purge them.
  if (control.Parent() != this || Holds(pending_, &control)) return;
  pending_.push_back(&control);
}

void TForm::InvalidateAll() {
  for (TControl* control : controls_) InvalidateControl(*control);
}

bool TForm::IsInvalidated(const TControl& control) const { return Holds(pending_, &control); }

int TForm::ProcessMessages() {
  int painted = 0;
  for (int round = 0; round < kMaxPaintRounds && !pending_.empty(); ++round) {
    std::vector<TControl*> batch;
    batch.swap(pending_);
    for (std::size_t i = 0; i < batch.size(); ++i) {
      TControl* control = batch[i];
      // An earlier Paint of this round may have removed or hidden it.
      if (!Holds(controls_, control) || !control->Visible()) continue;
      auto count = std::find_if(paintCounts_.begin(), paintCounts_.end(),
                                [control](const auto& entry) { return entry.first == control; });
      if (count == paintCounts_.end())
        paintCounts_.emplace_back(control, 1);
      else
        ++count->second;
      ++painted;
      try {
        control->Paint();
      } catch (...) {
        // Keep the paints this round has not served yet.
        for (std::size_t j = i + 1; j < batch.size(); ++j)
          if (Holds(controls_, batch[j])) InvalidateControl(*batch[j]);
        throw;
      }
    }
  }
  return painted;
}

int TForm::PaintCount(const TControl& control) const {
  for (const auto& [counted, paints] : paintCounts_)
    if (counted == &control) return paints;
  return 0;
}

// --- Controls list ----------------------------------------------------------

void TForm::AddControl(TControl& control) {
  if (control.Parent() != this) {
    control.SetParent(this);  // comes back here with the parent set
    return;
  }
  if (!Holds(controls_, &control)) controls_.push_back(&control);
}

void TForm::RemoveControl(TControl& control) {
  if (control.Parent() == this) {
    control.SetParent(nullptr);  // comes back here with the parent cleared
    return;
  }
  std::erase(controls_, &control);
  std::erase(pending_, &control);
  std::erase_if(paintCounts_, [&control](const auto& entry) { return entry.first == &control; });
  if (capture_ == &control) {
    capture_ = nullptr;
    clickPending_ = false;
  }
}

// --- Mouse routing ----------------------------------------------------------

TControl* TForm::ControlAt(int x, int y) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
    if ((*it)->Visible() && RectContains((*it)->BoundsRect(), x, y)) return *it;
  return nullptr;
}

void TForm::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  std::optional<TShiftStateFlag> flag = ButtonFlag(button);
  if (!flag) return;
  buttonsDown_.Include(*flag);
  TControl* target = capture_ ? capture_ : ControlAt(x, y);
  if (!target) return;
  capture_ = target;
  if (button == mbLeft) clickPending_ = true;
  // The handler may remove the control; RemoveControl then drops the capture.
  target->MouseDown(button, shift, ToControl(x, target->Left()), ToControl(y, target->Top()));
}

void TForm::MouseMove(TShiftState shift, int x, int y) {
  TControl* target = capture_ ? capture_ : ControlAt(x, y);
  if (target) target->MouseMove(shift, ToControl(x, target->Left()), ToControl(y, target->Top()));
}

void TForm::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  std::optional<TShiftStateFlag> flag = ButtonFlag(button);
  if (!flag) return;
  buttonsDown_.Exclude(*flag);
  TControl* target = capture_ ? capture_ : ControlAt(x, y);
  // A pending click means the left press went to the captured control.
  bool click = button == mbLeft && clickPending_ && target == capture_ && target &&
               RectContains(target->BoundsRect(), x, y);
  if (button == mbLeft) clickPending_ = false;
  if (!AnyButtonDown(buttonsDown_)) capture_ = nullptr;
  if (!target) return;
  if (click) {
    target->Click();
    // OnClick may have removed the control from this form.
    if (!Holds(controls_, target)) return;
  }
  target->MouseUp(button, shift, ToControl(x, target->Left()), ToControl(y, target->Top()));
}

void TForm::DoubleClick(TMouseButton button, TShiftState shift, int x, int y) {
  if (!ButtonFlag(button)) return;
  if (TControl* target = capture_ ? capture_ : ControlAt(x, y)) target->DblClick();
  MouseDown(button, shift + TShiftState{ssDouble}, x, y);
  // The release of a double-click's second press is not another click.
  if (button == mbLeft) clickPending_ = false;
}

}  // namespace pelk
