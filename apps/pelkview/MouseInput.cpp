#include "pelkview/MouseInput.h"

namespace pelk::view {

namespace {

constexpr std::uint32_t kFormButtons = SDL_BUTTON_LMASK | SDL_BUTTON_MMASK | SDL_BUTTON_RMASK;

TShiftState Modifiers() { return ShiftStateOf(SDL_GetModState(), 0); }

}  // namespace

TShiftState ShiftStateOf(std::uint32_t keys, std::uint32_t buttons) {
  TShiftState shift;
  if (keys & KMOD_SHIFT) shift.Include(ssShift);
  if (keys & KMOD_CTRL) shift.Include(ssCtrl);
  if (keys & KMOD_ALT) shift.Include(ssAlt);
  if (buttons & SDL_BUTTON_LMASK) shift.Include(ssLeft);
  if (buttons & SDL_BUTTON_RMASK) shift.Include(ssRight);
  if (buttons & SDL_BUTTON_MMASK) shift.Include(ssMiddle);
  return shift;
}

std::optional<TMouseButton> MouseButtonOf(std::uint8_t button) {
  switch (button) {
    case SDL_BUTTON_LEFT: return mbLeft;
    case SDL_BUTTON_RIGHT: return mbRight;
    case SDL_BUTTON_MIDDLE: return mbMiddle;
    default: return std::nullopt;
  }
}

void MouseRouter::Route(const SDL_Event& event, TForm& form) {
  switch (event.type) {
    case SDL_MOUSEBUTTONDOWN:
      Press(event.button, form);
      break;
    case SDL_MOUSEBUTTONUP:
      Release(event.button, form);
      break;
    case SDL_MOUSEMOTION:
      held_ = event.motion.state & kFormButtons;
      form.MouseMove(Modifiers() + ShiftStateOf(0, held_), event.motion.x, event.motion.y);
      break;
    default:
      break;
  }
}

// A press's shift state holds the pressed button too; every second press of a
// series is a double click.
void MouseRouter::Press(const SDL_MouseButtonEvent& press, TForm& form) {
  const std::optional<TMouseButton> button = MouseButtonOf(press.button);
  if (!button) return;
  held_ |= SDL_BUTTON(press.button);
  const TShiftState shift = Modifiers() + ShiftStateOf(0, held_);
  if (press.clicks >= 2 && press.clicks % 2 == 0) {
    form.DoubleClick(*button, shift, press.x, press.y);
  } else {
    form.MouseDown(*button, shift, press.x, press.y);
  }
}

// A release's shift state no longer holds the released button.
void MouseRouter::Release(const SDL_MouseButtonEvent& release, TForm& form) {
  const std::optional<TMouseButton> button = MouseButtonOf(release.button);
  if (!button) return;
  held_ &= ~SDL_BUTTON(release.button);
  form.MouseUp(*button, Modifiers() + ShiftStateOf(0, held_), release.x, release.y);
}

}  // namespace pelk::view
