// Published properties described once per class: name, type, how to read
// and write the value, and what the streaming system stores. The form-file
// reader and writer and the programs walk these tables.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "platform/Classes.h"
#include "platform/Types.h"

namespace pelk {

enum class PropertyKind : std::uint8_t {
  Integer,      // 32-bit signed
  Boolean,      // 0 or 1
  Enumeration,  // ordinal; identifiers name the ordinals
  Set,          // bits; identifiers name the elements
  Color,        // a TColor, written by name where one exists
  Single,
  Double,
  String,
  Object,       // a persistent sub-object written property by property
  Event,        // a method of the host, written by the name the host gave it
};

enum class PropertyStorage : std::uint8_t {
  WhenNotDefault,  // written when the value differs from the declared default
  Always,          // no declared default
  Defined,         // not stored itself; DefineProperties writes an entry of the same name
  ReadOnly,        // never written, never read
};

// Integer, Boolean, Enumeration, Set and Color values as integers (a colour
// as its unsigned 32-bit value), Single and Double as double, String as UTF-8.
using PropertyValue = std::variant<std::int64_t, double, std::string>;

// A host's method that an event can be bound to.
using TMethod = std::variant<TNotifyEvent, TMouseEvent, TMouseMoveEvent>;
// The host's methods by name, for binding the events of a form being read.
using TMethodTable = std::map<std::string, TMethod, std::less<>>;

// The resolution a form file's pixel sizes (font heights) are given in.
struct FormUnits {
  int pixelsPerInch = 96;
};

struct PropertyTable;

struct PropertyInfo {
  std::string_view name;
  PropertyKind kind = PropertyKind::Integer;
  PropertyStorage storage = PropertyStorage::Always;
  PropertyValue declaredDefault{};
  std::span<const std::string_view> identifiers{};  // Enumeration and Set
  std::function<PropertyValue(const TPersistent&, const FormUnits&)> get;
  // Empty for read-only properties and for Object and Event kinds.
  std::function<void(TPersistent&, const PropertyValue&, const FormUnits&)> set;
  // Object: the sub-object and its class's table.
  std::function<TPersistent&(const TPersistent&)> object;
  const PropertyTable* objectTable = nullptr;
  // Event: binds a method; false when the method's signature does not fit.
  std::function<bool(TPersistent&, const TMethod&)> bind;
};

struct PropertyTable {
  std::string_view className;
  std::span<const PropertyInfo> properties;
  // The property of that name (case-insensitive), or null.
  const PropertyInfo* Find(std::string_view name) const;
};

}  // namespace pelk
