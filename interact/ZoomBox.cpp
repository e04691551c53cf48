#include "interact/ZoomBox.h"

namespace pelk {

TZoomBox::TZoomBox() {
  FAutoErase = true;
  FEnabled = false;
  FColor = 0xFF0000;  // clBlue
  FXScaledLeft = FXScaledRight = FYScaledTop = FYScaledBottom = 0;
  FLeft = FRight = FTop = FBottom = 0;
  FZoomKey = TZKey::None;
  FZoomButton = TZButton::MouseLeft;
  UpdateZoomShift();
}

void TZoomBox::SetButton(TZButton value) {
  if (value == FZoomButton) return;
  FZoomButton = value;
  UpdateZoomShift();
}

void TZoomBox::SetKey(TZKey value) {
  if (value == FZoomKey) return;
  FZoomKey = value;
  UpdateZoomShift();
}

void TZoomBox::UpdateZoomShift() {
  FZoomShift = TShiftState{};
  switch (FZoomButton) {
    case TZButton::MouseLeft: FZoomShift.Include(ssLeft); break;
    case TZButton::MouseRight: FZoomShift.Include(ssRight); break;
    case TZButton::MouseMiddle: FZoomShift.Include(ssMiddle); break;
  }
  switch (FZoomKey) {
    case TZKey::None: break;
    case TZKey::Shift: FZoomShift.Include(ssShift); break;
    case TZKey::Ctrl: FZoomShift.Include(ssCtrl); break;
    case TZKey::Alt: FZoomShift.Include(ssAlt); break;
    case TZKey::ShiftAlt: FZoomShift.Include(ssShift).Include(ssAlt); break;
    case TZKey::CtrlAlt: FZoomShift.Include(ssCtrl).Include(ssAlt); break;
    case TZKey::CtrlShift: FZoomShift.Include(ssCtrl).Include(ssShift); break;
  }
}

void TZoomBox::CopySettings(const TZoomBox& source) {
  if (&source == this) return;
  FAutoErase = source.FAutoErase;
  FEnabled = source.FEnabled;
  FColor = source.FColor;
  SetButton(source.FZoomButton);
  SetKey(source.FZoomKey);
}

}  // namespace pelk
