#include "core/PropertyTables.h"

#include <array>
#include <string>
#include <type_traits>
#include <vector>

#include "core/Pelkgraph.h"
#include "platform/FontSizing.h"

namespace pelk {

namespace {

using K = PropertyKind;
using S = PropertyStorage;

// Identifiers of the enumeration and set types, by ordinal.
constexpr std::array<std::string_view, 4> kStretchOptions{"StretchOnly", "ShrinkOnly", "Yes", "No"};
constexpr std::array<std::string_view, 3> kZButtons{"MouseLeft", "MouseRight", "MouseMiddle"};
constexpr std::array<std::string_view, 7> kZKeys{"None", "Shift", "Ctrl", "Alt", "ShiftAlt", "CtrlAlt", "CtrlShift"};
constexpr std::array<std::string_view, 2> kAnnotationAngles{"Horizontal", "Vertical"};
constexpr std::array<std::string_view, 2> kLineModes{"Graph", "Windows"};
constexpr std::array<std::string_view, 3> kPlotDestinations{"ScreenOnly", "PrinterOnly", "Both"};
constexpr std::array<std::string_view, 16> kPenModes{
    "pmBlack", "pmWhite", "pmNop", "pmNot", "pmCopy", "pmNotCopy", "pmMergePenNot", "pmMaskPenNot",
    "pmMergeNotPen", "pmMaskNotPen", "pmMerge", "pmNotMerge", "pmMask", "pmNotMask", "pmXor", "pmNotXor"};
constexpr std::array<std::string_view, 7> kPenStyles{"psSolid", "psDash", "psDot", "psDashDot",
                                                     "psDashDotDot", "psClear", "psInsideFrame"};
constexpr std::array<std::string_view, 4> kFontStyles{"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};

template <typename T>
concept BitSet = requires(T t) { t.Bits(); };

template <typename V>
PropertyValue ToValue(const V& v) {
  if constexpr (std::is_same_v<V, std::string>) {
    return v;
  } else if constexpr (std::is_floating_point_v<V>) {
    return static_cast<double>(v);
  } else if constexpr (BitSet<V>) {
    return static_cast<std::int64_t>(v.Bits());
  } else {
    return static_cast<std::int64_t>(v);
  }
}

template <typename V>
V FromValue(const PropertyValue& p) {
  if constexpr (std::is_same_v<V, std::string>) {
    return std::get<std::string>(p);
  } else if constexpr (std::is_floating_point_v<V>) {
    return static_cast<V>(std::get<double>(p));
  } else if constexpr (BitSet<V>) {
    return V::FromBits(static_cast<std::uint32_t>(std::get<std::int64_t>(p)));
  } else if constexpr (std::is_same_v<V, bool>) {
    return std::get<std::int64_t>(p) != 0;
  } else {
    return static_cast<V>(std::get<std::int64_t>(p));
  }
}

// A property read by a getter and written through a setter of class C.
template <typename C, typename R, typename A>
PropertyInfo Published(std::string_view name, K kind, S storage, PropertyValue declaredDefault, R (C::*getter)() const,
                       void (C::*setter)(A), std::span<const std::string_view> identifiers = {}) {
  using V = std::remove_cvref_t<R>;
  PropertyInfo info;
  info.name = name;
  info.kind = kind;
  info.storage = storage;
  info.declaredDefault = std::move(declaredDefault);
  info.identifiers = identifiers;
  info.get = [getter](const TPersistent& o, const FormUnits&) {
    return ToValue<V>((static_cast<const C&>(o).*getter)());
  };
  info.set = [setter](TPersistent& o, const PropertyValue& v, const FormUnits&) {
    (static_cast<C&>(o).*setter)(FromValue<std::remove_cvref_t<A>>(v));
  };
  return info;
}

// A published property without a declared default.
template <typename C, typename R, typename A>
PropertyInfo Always(std::string_view name, K kind, R (C::*getter)() const, void (C::*setter)(A),
                    std::span<const std::string_view> identifiers = {}) {
  return Published(name, kind, S::Always, {}, getter, setter, identifiers);
}

// A text streamed by DefineProperties instead.
template <typename C>
PropertyInfo Defined(std::string_view name, const std::string& (C::*getter)() const,
                     void (C::*setter)(const std::string&)) {
  return Published(name, K::String, S::Defined, {}, getter, setter);
}

template <typename C, typename R>
PropertyInfo ReadOnly(std::string_view name, K kind, R (C::*getter)() const) {
  PropertyInfo info;
  info.name = name;
  info.kind = kind;
  info.storage = S::ReadOnly;
  info.get = [getter](const TPersistent& o, const FormUnits&) {
    return ToValue<std::remove_cvref_t<R>>((static_cast<const C&>(o).*getter)());
  };
  return info;
}

template <typename C, typename O>
PropertyInfo SubObject(std::string_view name, O& (C::*getter)() const, const PropertyTable& table) {
  PropertyInfo info;
  info.name = name;
  info.kind = K::Object;
  info.storage = S::Always;
  info.object = [getter](const TPersistent& o) -> TPersistent& { return (static_cast<const C&>(o).*getter)(); };
  info.objectTable = &table;
  return info;
}

template <typename E>
PropertyInfo Event(std::string_view name, E TControl::*member) {
  PropertyInfo info;
  info.name = name;
  info.kind = K::Event;
  info.storage = S::Always;
  info.bind = [member](TPersistent& o, const TMethod& method) {
    const E* handler = std::get_if<E>(&method);
    if (handler == nullptr) return false;
    static_cast<TControl&>(o).*member = *handler;
    return true;
  };
  return info;
}

// A font's Height in pixels at the form's resolution, so that a form read
// on a screen of another resolution keeps the point sizes.
PropertyInfo FontHeight() {
  PropertyInfo info;
  info.name = "Height";
  info.kind = K::Integer;
  info.storage = S::Always;
  info.get = [](const TPersistent& o, const FormUnits& units) -> PropertyValue {
    const auto& font = static_cast<const TFont&>(o);
    return std::int64_t{RescaleFontHeight(font.Height(), font.PixelsPerInch(), units.pixelsPerInch)};
  };
  info.set = [](TPersistent& o, const PropertyValue& v, const FormUnits& units) {
    auto& font = static_cast<TFont&>(o);
    const int height = static_cast<int>(std::get<std::int64_t>(v));
    font.SetHeight(RescaleFontHeight(height, units.pixelsPerInch, font.PixelsPerInch()));
  };
  return info;
}

std::int64_t Ordinal(auto value) { return static_cast<std::int64_t>(value); }

}  // namespace

const PropertyTable& FontProperties() {
  static const std::vector<PropertyInfo> properties{
      Always("Color", K::Color, &TFont::Color, &TFont::SetColor),
      FontHeight(),
      Always("Name", K::String, &TFont::Name, &TFont::SetName),
      Published("Style", K::Set, S::WhenNotDefault, std::int64_t{0}, &TFont::Style, &TFont::SetStyle, kFontStyles),
  };
  static const PropertyTable table{"TFont", properties};
  return table;
}

const PropertyTable& AxisProperties() {
  constexpr auto D = S::WhenNotDefault;
  static const std::vector<PropertyInfo> properties{
      Published("AxisMatchesFont", K::Boolean, D, std::int64_t{0}, &TAxis::AxisMatchesFont, &TAxis::SetAxisMatchesFont),
      Always("AnnotationAngle", K::Enumeration, &TAxis::AnnotationAngle, &TAxis::SetAnnotationAngle, kAnnotationAngles),
      Published("DivisionWidth", K::Integer, D, std::int64_t{64}, &TAxis::DivisionWidth, &TAxis::SetDivWidth),
      SubObject("Font", &TAxis::Font, FontProperties()),
      Published("AxisLabelOffset", K::Integer, D, std::int64_t{10}, &TAxis::AxisLabelOffset, &TAxis::SetLabelOffset),
      Published("LogAxis", K::Boolean, D, std::int64_t{0}, &TAxis::LogAxis, &TAxis::SetLog),
      Published("MinExponent", K::Integer, D, std::int64_t{0}, &TAxis::MinExponent, &TAxis::SetMinExponent),
      Published("NumberOfDecimals", K::Integer, D, std::int64_t{1}, &TAxis::NumberOfDecimals, &TAxis::SetNdecs),
      Published("NumberOfDivisions", K::Integer, D, std::int64_t{3}, &TAxis::NumberOfDivisions, &TAxis::SetNdivs),
      Published("NumberOfFixed", K::Integer, D, std::int64_t{3}, &TAxis::NumberOfFixed, &TAxis::SetNfixed),
      Published("NumberOffset", K::Integer, D, std::int64_t{5}, &TAxis::NumberOffset, &TAxis::SetNumberOffset),
      Always("OriginValue", K::Double, &TAxis::OriginValue, &TAxis::SetOrgVal),
      Always("ScalePerDivision", K::Double, &TAxis::ScalePerDivision, &TAxis::SetScale),
      Published("TicLength", K::Integer, D, std::int64_t{5}, &TAxis::TicLength, &TAxis::SetTicLength),
      Defined("AxisLabel", &TAxis::AxisLabel, &TAxis::SetAxisLabel),
  };
  static const PropertyTable table{"TAxis", properties};
  return table;
}

const PropertyTable& ZoomBoxProperties() {
  static const std::vector<PropertyInfo> properties{
      Always("AutoErase", K::Boolean, &TZoomBox::AutoErase, &TZoomBox::SetAutoErase),
      Always("Enabled", K::Boolean, &TZoomBox::Enabled, &TZoomBox::SetEnabled),
      Always("Color", K::Color, &TZoomBox::Color, &TZoomBox::SetColor),
      ReadOnly("ValidZoom", K::Boolean, &TZoomBox::ValidZoom),
      Always("ZoomButton", K::Enumeration, &TZoomBox::ZoomButton, &TZoomBox::SetButton, kZButtons),
      Always("ZoomKey", K::Enumeration, &TZoomBox::ZoomKey, &TZoomBox::SetKey, kZKeys),
      ReadOnly("XScaledLeft", K::Single, &TZoomBox::XScaledLeft),
      ReadOnly("XScaledRight", K::Single, &TZoomBox::XScaledRight),
      ReadOnly("YScaledTop", K::Single, &TZoomBox::YScaledTop),
      ReadOnly("SecondYScaledTop", K::Single, &TZoomBox::SecondYScaledTop),
      ReadOnly("YScaledBottom", K::Single, &TZoomBox::YScaledBottom),
      ReadOnly("SecondYScaledBottom", K::Single, &TZoomBox::SecondYScaledBottom),
      ReadOnly("Left", K::Integer, &TZoomBox::Left),
      ReadOnly("Right", K::Integer, &TZoomBox::Right),
      ReadOnly("Top", K::Integer, &TZoomBox::Top),
      ReadOnly("Bottom", K::Integer, &TZoomBox::Bottom),
  };
  static const PropertyTable table{"TZoomBox", properties};
  return table;
}

const PropertyTable& PelkgraphProperties() {
  using G = TPelkgraph;
  constexpr auto D = S::WhenNotDefault;
  const auto yes = std::int64_t{1};
  const auto no = std::int64_t{0};
  const auto color = [](TColor c) { return std::int64_t{c}; };
  const auto number = [](int n) { return std::int64_t{n}; };
  static const std::vector<PropertyInfo> properties{
      // Inherited from the control
      Always("Left", K::Integer, &TControl::Left, &TControl::SetLeft),
      Always("Top", K::Integer, &TControl::Top, &TControl::SetTop),
      Published("Width", K::Integer, D, number(300), &TControl::Width, &TControl::SetWidth),
      Published("Height", K::Integer, D, number(300), &TControl::Height, &TControl::SetHeight),
      Published("Cursor", K::Integer, D, number(crDefault), &TControl::Cursor, &TControl::SetCursor),
      Published("Hint", K::String, D, std::string(), &TControl::Hint, &TControl::SetHint),
      Published("Tag", K::Integer, D, number(0), &TComponent::Tag, &TComponent::SetTag),
      Published("Visible", K::Boolean, D, yes, &TControl::Visible, &TControl::SetVisible),
      // Text lines
      Defined("Title", &G::Title, &G::SetTitle),
      Defined("Subtitle", &G::Subtitle, &G::SetSubtitle),
      Defined("Id", &G::Id, &G::SetIdentification),
      SubObject("TitleFont", &G::TitleFont, FontProperties()),
      SubObject("SubtitleFont", &G::SubtitleFont, FontProperties()),
      SubObject("IdFont", &G::IdFont, FontProperties()),
      Published("TitleOffset", K::Integer, D, number(5), &G::TitleOffset, &G::SetTitleOffset),
      Published("SubtitleOffset", K::Integer, D, number(5), &G::SubtitleOffset, &G::SetSubtitleOffset),
      Published("IdOffset", K::Integer, D, number(5), &G::IdOffset, &G::SetIdOffset),
      // Frame and layout
      Published("AutoSize", K::Boolean, D, yes, &G::AutoSize, &G::SetAutoSize),
      Published("LRmargin", K::Integer, D, number(10), &G::LRmargin, &G::SetLRmargin),
      Published("TBmargin", K::Integer, D, number(10), &G::TBmargin, &G::SetTBmargin),
      Published("StretchAxes", K::Enumeration, D, Ordinal(TStretchOption::No), &G::StretchAxes, &G::SetStretchAxes,
                kStretchOptions),
      Published("Border", K::Boolean, D, yes, &G::Border, &G::SetBorder),
      Published("Color", K::Color, D, color(clBtnFace), &G::Color, &G::SetAreaBackGroundColor),
      Published("PlotAreaColor", K::Color, D, color(clWhite), &G::PlotAreaColor, &G::SetPlotBackGroundColor),
      Published("HighlightColor", K::Color, D, color(clWhite), &G::HighlightColor, &G::SetHighlightColor),
      Published("ShadowColor", K::Color, D, color(clGray), &G::ShadowColor, &G::SetShadowColor),
      // Axes and grids
      SubObject("XAxis", &G::XAxis, AxisProperties()),
      SubObject("YAxis", &G::YAxis, AxisProperties()),
      SubObject("YAxis2", &G::YAxis2, AxisProperties()),
      Published("SecondYaxis", K::Boolean, D, no, &G::SecondYaxis, &G::SetSecondYaxis),
      Published("UseSecondYAxis", K::Boolean, D, no, &G::UseSecondYAxis, &G::SetUseSecondYAxis),
      Published("MajorGrid", K::Boolean, D, yes, &G::MajorGrid, &G::SetMajorGrid),
      Published("MinorGrid", K::Boolean, D, yes, &G::MinorGrid, &G::SetMinorGrid),
      Published("MinorGridDivisions", K::Integer, D, number(4), &G::MinorGridDivisions, &G::SetMinorGridDivisions),
      Published("MajorGridColor", K::Color, D, color(clBlack), &G::MajorGridColor, &G::SetMajorGridColor),
      Published("MinorGridColor", K::Color, D, color(clSilver), &G::MinorGridColor, &G::SetMinorGridColor),
      // Data pen and destinations
      Published("PenColor", K::Color, D, color(clBlack), &G::PenColor, &G::SetPlotColor),
      Published("PenWidth", K::Integer, D, number(1), &G::PenWidth, &G::SetPenWidth),
      Published("PenMode", K::Enumeration, D, Ordinal(pmCopy), &G::PenMode, &G::SetPenMode, kPenModes),
      Always("PenStyle", K::Enumeration, &G::PenStyle, &G::SetPenStyle, kPenStyles),
      Published("LineMode", K::Enumeration, D, Ordinal(TLineMode::Graph), &G::LineMode, &G::SetLineMode, kLineModes),
      Published("ClipData", K::Boolean, D, yes, &G::ClipData, &G::SetClipData),
      Published("PlotDestination", K::Enumeration, D, Ordinal(TPlotDestination::ScreenOnly), &G::PlotDestination,
                &G::SetPlotDestination, kPlotDestinations),
      Published("ScreenEnabled", K::Boolean, D, yes, &G::ScreenEnabled, &G::SetScreenEnabled),
      Published("PrinterEnabled", K::Boolean, D, no, &G::PrinterEnabled, &G::SetPrinterEnabled),
      Published("PrintMonoChrome", K::Boolean, D, no, &G::PrintMonoChrome, &G::SetPrintMonoChrome),
      Always("PrinterPenWidth", K::Integer, &G::PrinterPenWidth, &G::SetPrinterPenWidth),
      Published("PrinterMajorGridWidth", K::Integer, D, number(3), &G::PrinterMajorGridWidth,
                &G::SetPrinterMajorGridWidth),
      Published("PrinterMinorGridWidth", K::Integer, D, number(1), &G::PrinterMinorGridWidth,
                &G::SetPrinterMinorGridWidth),
      SubObject("ZoomBox", &G::ZoomBox, ZoomBoxProperties()),
      // Read-only geometry and pen position
      ReadOnly("Xorigin", K::Integer, &G::Xorigin),
      ReadOnly("Yorigin", K::Integer, &G::Yorigin),
      ReadOnly("Xend", K::Integer, &G::Xend),
      ReadOnly("Yend", K::Integer, &G::Yend),
      ReadOnly("XCanvas", K::Integer, &G::XCanvas),
      ReadOnly("YCanvas", K::Integer, &G::YCanvas),
      ReadOnly("XGraph", K::Integer, &G::XGraph),
      ReadOnly("YGraph", K::Integer, &G::YGraph),
      ReadOnly("PrinterXorigin", K::Integer, &G::PrinterXorigin),
      ReadOnly("PrinterYorigin", K::Integer, &G::PrinterYorigin),
      ReadOnly("PrinterXend", K::Integer, &G::PrinterXend),
      ReadOnly("PrinterYend", K::Integer, &G::PrinterYend),
      ReadOnly("PrinterXcanvas", K::Integer, &G::PrinterXcanvas),
      ReadOnly("PrinterYcanvas", K::Integer, &G::PrinterYcanvas),
      ReadOnly("PrinterXGraph", K::Integer, &G::PrinterXGraph),
      ReadOnly("PrinterYGraph", K::Integer, &G::PrinterYGraph),
      ReadOnly("PrinterLeft", K::Integer, &G::PrinterLeft),
      ReadOnly("PrinterTop", K::Integer, &G::PrinterTop),
      ReadOnly("PrintedWidth", K::Single, &G::PrintedWidth),
      ReadOnly("PrintedHeight", K::Single, &G::PrintedHeight),
      ReadOnly("PrinterPixelsPerInch", K::Integer, &G::PrinterPixelsPerInch),
      ReadOnly("PrinterScaleFactor", K::Single, &G::PrinterScaleFactor),
      // Events
      Event("OnClick", &TControl::OnClick),
      Event("OnDblClick", &TControl::OnDblClick),
      Event("OnMouseDown", &TControl::OnMouseDown),
      Event("OnMouseMove", &TControl::OnMouseMove),
      Event("OnMouseUp", &TControl::OnMouseUp),
  };
  static const PropertyTable table{"TPelkgraph", properties};
  return table;
}

}  // namespace pelk
