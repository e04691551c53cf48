// Mouse events of the window, passed to the form in its coordinates with the
// shift state the controls expect: the modifier keys and every button held.
#pragma once

#include <cstdint>
#include <optional>

#include <SDL.h>

#include "platform/Forms.h"

namespace pelk::view {

// The modifier keys (SDL_Keymod) and held buttons (SDL_BUTTON masks) as a
// shift state.
TShiftState ShiftStateOf(std::uint32_t keys, std::uint32_t buttons);

// The form's button for an SDL button; none for the extra buttons.
std::optional<TMouseButton> MouseButtonOf(std::uint8_t button);

class MouseRouter {
 public:
  // Passes a button or motion event on to the form; ignores other events.
  void Route(const SDL_Event& event, TForm& form);

 private:
  void Press(const SDL_MouseButtonEvent& press, TForm& form);
  void Release(const SDL_MouseButtonEvent& release, TForm& form);

  std::uint32_t held_ = 0;  // SDL_BUTTON masks of the buttons down
};

}  // namespace pelk::view
