#include "platform/ColorNames.h"

#include <array>
#include <utility>

#include "platform/FormText.h"

namespace pelk {

namespace {

constexpr std::array<std::pair<TColor, std::string_view>, 28> kColorNames{{
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clScrollBar, "clScrollBar"},
    {clBackground, "clBackground"},
    {clActiveCaption, "clActiveCaption"},
    {clWindow, "clWindow"},
    {clWindowText, "clWindowText"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"},
    {clBtnShadow, "clBtnShadow"},
    {clGrayText, "clGrayText"},
    {clBtnText, "clBtnText"},
    {clBtnHighlight, "clBtnHighlight"},
}};

}  // namespace

std::string_view ColorToIdent(TColor color) {
  for (const auto& [value, name] : kColorNames) {
    if (value == color) return name;
  }
  return {};
}

std::optional<TColor> IdentToColor(std::string_view name) {
  for (const auto& [value, ident] : kColorNames) {
    if (SameText(ident, name)) return value;
  }
  return std::nullopt;
}

}  // namespace pelk
