#include "pelkview/Keys.h"

#include <algorithm>
#include <array>
#include <utility>

namespace pelk::view {

namespace {

const std::array<KeyBinding, 6> kBindings{{
    {{"u", "Backspace"}, "back one zoom step", &KeyActions::UndoZoom},
    {{"s"}, "save the picture", &KeyActions::SavePicture},
    {{"p"}, "print the view to pelkview.pdf", &KeyActions::PrintView},
    {{"f"}, "save the view's settings to pelkview.pfm", &KeyActions::SaveSettings},
    {{"h", "?"}, "show or hide the keys", &KeyActions::ToggleKeys},
    {{"q", "Escape"}, "quit", &KeyActions::Quit},
}};

const std::array<std::pair<std::string_view, std::string_view>, 3> kMouseRows{{
    {"drag (left button)", "zoom to the box"},
    {"wheel", "zoom in or out about the cursor"},
    {"right click", "the full range"},
}};

constexpr std::size_t kKeyColumn = 20;

}  // namespace

std::span<const KeyBinding> KeyBindings() { return kBindings; }

const KeyBinding* BindingFor(std::string_view key) {
  const auto found = std::find_if(kBindings.begin(), kBindings.end(), [key](const KeyBinding& binding) {
    return !key.empty() && std::find(binding.keys.begin(), binding.keys.end(), key) != binding.keys.end();
  });
  return found == kBindings.end() ? nullptr : &*found;
}

std::vector<HelpRow> HelpRows() {
  std::vector<HelpRow> rows;
  for (const auto& [keys, what] : kMouseRows) rows.push_back({std::string(keys), std::string(what)});
  for (const KeyBinding& binding : kBindings) {
    HelpRow& row = rows.emplace_back();
    for (std::string_view key : binding.keys) {
      if (!key.empty()) row.keys += (row.keys.empty() ? "" : ", ") + std::string(key);
    }
    row.what = binding.what;
  }
  return rows;
}

std::string KeysHelpText() {
  std::string text;
  for (const HelpRow& row : HelpRows()) {
    text += "  " + row.keys + std::string(kKeyColumn - std::min(kKeyColumn, row.keys.size()), ' ') + row.what + "\n";
  }
  return text;
}

}  // namespace pelk::view
