// The viewer's keys: one table of what each key does, which the event loop
// looks keys up in and the help texts list.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pelk::view {

// What the keys can ask of the viewer.
class KeyActions {
 public:
  virtual ~KeyActions() = default;
  virtual void Quit() = 0;
  virtual void SavePicture() = 0;
  virtual void PrintView() = 0;
  virtual void SaveSettings() = 0;
  virtual void UndoZoom() = 0;
  virtual void ToggleKeys() = 0;
};

struct KeyBinding {
  // A character, or "Backspace", "Escape"; a second key, or empty.
  std::array<std::string_view, 2> keys;
  std::string_view what;
  void (KeyActions::*action)();
};

std::span<const KeyBinding> KeyBindings();

// The binding of a key by its name; null for a key without one.
const KeyBinding* BindingFor(std::string_view key);

// The mouse and the keys: what to press, and what it does.
struct HelpRow {
  std::string keys;
  std::string what;
};
std::vector<HelpRow> HelpRows();

// The help rows as text, one line each.
std::string KeysHelpText();

}  // namespace pelk::view
