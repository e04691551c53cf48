#include "platform/Streaming.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <limits>

#include "platform/ColorNames.h"

namespace pelk {

const PropertyInfo* PropertyTable::Find(std::string_view name) const {
  for (const PropertyInfo& info : properties) {
    if (SameText(info.name, name)) return &info;
  }
  return nullptr;
}

// ---- registries

void TClassRegistry::Register(const TComponentClass& cls) {
  if (Find(cls.name) == nullptr) classes_.push_back(&cls);
}

const TComponentClass* TClassRegistry::Find(std::string_view name) const {
  for (const TComponentClass* cls : classes_) {
    if (SameText(cls->name, name)) return cls;
  }
  return nullptr;
}

TClassRegistry& ClassRegistry() {
  static TClassRegistry registry;
  return registry;
}

void TPaletteRegistry::Register(std::string_view page, std::initializer_list<const TComponentClass*> classes) {
  auto it = std::find_if(pages_.begin(), pages_.end(), [&](const PalettePage& p) { return p.name == page; });
  if (it == pages_.end()) it = pages_.insert(pages_.end(), PalettePage{std::string(page), {}});
  for (const TComponentClass* cls : classes) {
    if (std::find(it->classes.begin(), it->classes.end(), cls) == it->classes.end()) it->classes.push_back(cls);
  }
}

const PalettePage* TPaletteRegistry::Page(std::string_view name) const {
  for (const PalettePage& page : pages_) {
    if (page.name == name) return &page;
  }
  return nullptr;
}

TPaletteRegistry& Palette() {
  static TPaletteRegistry palette;
  return palette;
}

void RegisterComponents(std::string_view page, std::initializer_list<const TComponentClass*> classes) {
  Palette().Register(page, classes);
  for (const TComponentClass* cls : classes) ClassRegistry().Register(*cls);
}

// ---- writing

namespace {

void WriteLine(std::string& out, int indent, std::string_view name, std::string_view value) {
  out.append(static_cast<std::size_t>(indent), ' ');
  out += name;
  out += " = ";
  out += value;
  out += '\n';
}

std::string JoinIdentifiers(const PropertyInfo& info, std::int64_t bits) {
  std::string text = "[";
  for (std::size_t i = 0; i < info.identifiers.size() && i < 63; ++i) {
    if ((bits >> i & 1) == 0) continue;
    if (text.size() > 1) text += ", ";
    text += info.identifiers[i];
  }
  return text + "]";
}

std::string FormatValue(const PropertyInfo& info, const PropertyValue& value, int indent) {
  switch (info.kind) {
    case PropertyKind::Integer:
      return std::to_string(std::get<std::int64_t>(value));
    case PropertyKind::Boolean:
      return std::get<std::int64_t>(value) != 0 ? "True" : "False";
    case PropertyKind::Enumeration: {
      const auto ordinal = static_cast<std::size_t>(std::get<std::int64_t>(value));
      return ordinal < info.identifiers.size() ? std::string(info.identifiers[ordinal]) : std::to_string(ordinal);
    }
    case PropertyKind::Set:
      return JoinIdentifiers(info, std::get<std::int64_t>(value));
    case PropertyKind::Color: {
      const auto color = static_cast<TColor>(std::get<std::int64_t>(value));
      const std::string_view name = ColorToIdent(color);
      // Colours without a name as the signed 32-bit number, as the platform writes them.
      return name.empty() ? std::to_string(static_cast<std::int32_t>(color)) : std::string(name);
    }
    case PropertyKind::Single:
      return FormatFormSingle(static_cast<float>(std::get<double>(value)));
    case PropertyKind::Double:
      return FormatFormDouble(std::get<double>(value));
    case PropertyKind::String:
      return FormatFormString(std::get<std::string>(value), indent + 2);
    case PropertyKind::Object:
    case PropertyKind::Event:
      break;
  }
  return {};
}

// A property equal to its declared default is left out only when reading
// would give that value anyway. Reading starts from the construction values
// and applies the entries in order, so `replay`, a new object, is given each
// entry as it is written: a default that construction does not give (the
// graph's Color clBtnFace against its clSilver) or that an earlier setter
// changed (PlotDestination sets ScreenEnabled) is written too.
void WriteProperties(const TPersistent& object, TPersistent& replay, const PropertyTable& table,
                     const std::string& prefix, int indent, const FormWriteSettings& settings, std::string& out) {
  const FormUnits units{settings.pixelsPerInch};
  for (const PropertyInfo& info : table.properties) {
    if (info.storage == PropertyStorage::ReadOnly || info.storage == PropertyStorage::Defined) continue;
    const std::string name = prefix + std::string(info.name);
    if (info.kind == PropertyKind::Object) {
      WriteProperties(info.object(object), info.object(replay), *info.objectTable, name + ".", indent, settings, out);
      continue;
    }
    if (info.kind == PropertyKind::Event) {
      const auto handler = settings.eventHandlers.find(name);
      if (handler == settings.eventHandlers.end()) continue;
      if (!IsFormIdentifier(handler->second)) {
        throw EPlatformError("cannot write " + name + " = '" + handler->second + "': not a method name");
      }
      WriteLine(out, indent, name, handler->second);
      continue;
    }
    const PropertyValue value = info.get(object, units);
    if (info.storage == PropertyStorage::WhenNotDefault && value == info.declaredDefault &&
        info.get(replay, units) == value) {
      continue;
    }
    WriteLine(out, indent, name, FormatValue(info, value, indent));
    info.set(replay, value, units);
  }
  // DefineProperties only reads the object to write it.
  TWriter writer(out, prefix, indent);
  const_cast<TPersistent&>(object).DefineProperties(writer);
}

void WriteObject(const TComponent& component, const TComponentClass& cls, const FormWriteSettings& settings,
                 int indent, std::string& out) {
  out.append(static_cast<std::size_t>(indent), ' ');
  out += "object ";
  if (!component.Name().empty()) {
    // A name the reader could not read back would make the file unreadable.
    if (!IsFormIdentifier(component.Name())) {
      throw EPlatformError("cannot write the component '" + component.Name() + "': its name is not an identifier");
    }
    out += component.Name() + ": ";
  }
  out += std::string(cls.name) + "\n";
  if (indent == 0) WriteLine(out, 2, "PixelsPerInch", std::to_string(settings.pixelsPerInch));
  const std::unique_ptr<TComponent> replay = cls.create(nullptr);
  WriteProperties(component, *replay, *cls.properties, "", indent + 2, settings, out);
  for (const TComponent* child : component.Components()) {
    if (const TComponentClass* childClass = ClassRegistry().Find(child->ClassName())) {
      WriteObject(*child, *childClass, FormWriteSettings{{}, settings.pixelsPerInch}, indent + 2, out);
    }
  }
  out.append(static_cast<std::size_t>(indent), ' ');
  out += "end\n";
}

}  // namespace

void TWriter::DefineProperty(std::string_view name, const TReaderProc& /*read*/, const TWriterProc& write,
                             bool hasData) {
  if (!hasData || !write) return;
  out_.append(static_cast<std::size_t>(indent_), ' ');
  out_ += prefix_;
  out_ += name;
  out_ += " = ";
  write(*this);
  out_ += '\n';
}

void TWriter::WriteString(std::string_view value) { out_ += FormatFormString(value, indent_ + 2); }

std::string WriteFormText(const TComponent& component, const TComponentClass& cls, const FormWriteSettings& settings) {
  std::string out;
  WriteObject(component, cls, settings, 0, out);
  return out;
}

// ---- reading

void TReader::DefineProperty(std::string_view name, const TReaderProc& read, const TWriterProc& /*write*/,
                             bool /*hasData*/) {
  if (handled_ || !read || !SameText(name, name_)) return;
  handled_ = true;
  read(*this);
}

std::string TReader::ReadString() const {
  if (entry_.value.kind != FormValueKind::String) {
    throw EFormError(fileName_, entry_.value.where, "expected a string for " + entry_.name);
  }
  return entry_.value.text;
}

namespace {

class EntryReader {
 public:
  EntryReader(const FormEntry& entry, const FormUnits& units, const FormReadSettings& settings, FormReadReport& report)
      : entry_(entry), value_(entry.value), units_(units), settings_(settings), report_(report) {}

  void Apply(TPersistent& root, const PropertyTable& rootTable) {
    TPersistent* object = &root;
    const PropertyTable* table = &rootTable;
    std::string_view rest = entry_.name;
    for (;;) {
      const std::size_t dot = rest.find('.');
      const std::string_view segment = rest.substr(0, dot);
      const bool last = dot == std::string_view::npos;
      const PropertyInfo* info = table->Find(segment);
      if (info == nullptr) {
        if (last && ReadDefined(*object, segment)) return;
        Unknown(*table, segment);
        return;
      }
      if (last) {
        ApplyValue(*object, *info);
        return;
      }
      if (info->kind != PropertyKind::Object) FailAtName(std::string(segment) + " has no properties of its own");
      object = &info->object(*object);
      table = info->objectTable;
      rest = rest.substr(dot + 1);
    }
  }

 private:
  [[noreturn]] void FailAtName(const std::string& what) const { throw EFormError(settings_.fileName, entry_.where, what); }
  [[noreturn]] void Expected(const std::string& what) const {
    throw EFormError(settings_.fileName, value_.where, "expected " + what + " for " + entry_.name + ", found " + Found());
  }

  std::string Found() const {
    switch (value_.kind) {
      case FormValueKind::Integer:
      case FormValueKind::Float:
        return "the number " + value_.text;
      case FormValueKind::Identifier:
        return "'" + value_.text + "'";
      case FormValueKind::String:
        return "a string";
      case FormValueKind::Set:
        return "a set";
    }
    return {};
  }

  bool ReadDefined(TPersistent& object, std::string_view name) {
    TReader reader(entry_, name, settings_.fileName);
    object.DefineProperties(reader);
    return reader.Handled();
  }

  void Unknown(const PropertyTable& table, std::string_view name) {
    const std::string what = "unknown property " + std::string(name) + " of " + std::string(table.className);
    if (!settings_.skipUnknownProperties) FailAtName(what);
    report_.warnings.push_back(settings_.fileName + ":" + std::to_string(entry_.where.line) + ":" +
                               std::to_string(entry_.where.column) + ": " + what + " skipped");
  }

  void ApplyValue(TPersistent& object, const PropertyInfo& info) {
    switch (info.storage) {
      case PropertyStorage::ReadOnly:
        FailAtName(std::string(info.name) + " is read-only");
      case PropertyStorage::Defined:
        if (!ReadDefined(object, info.name)) FailAtName(std::string(info.name) + " cannot be read");
        return;
      default:
        break;
    }
    if (info.kind == PropertyKind::Object) Expected("the properties of " + std::string(info.name) + " one by one");
    if (info.kind == PropertyKind::Event) {
      BindEvent(object, info);
      return;
    }
    info.set(object, Convert(info), units_);
  }

  void BindEvent(TPersistent& object, const PropertyInfo& info) {
    if (value_.kind != FormValueKind::Identifier) Expected("a method name");
    const TMethod* method = nullptr;
    if (settings_.methods != nullptr) {
      const auto it = settings_.methods->find(value_.text);
      if (it != settings_.methods->end()) method = &it->second;
    }
    if (method == nullptr) {
      throw EFormError(settings_.fileName, value_.where, "unknown method " + value_.text + " for " + entry_.name);
    }
    if (!info.bind(object, *method)) {
      throw EFormError(settings_.fileName, value_.where, "method " + value_.text + " does not fit the event " + entry_.name);
    }
    report_.eventHandlers[entry_.name] = value_.text;
  }

  // An integer literal (decimal or $hex) within [low, high].
  std::int64_t Integer(std::int64_t low, std::int64_t high, const char* expected) const {
    if (value_.kind != FormValueKind::Integer) Expected(expected);
    std::string_view digits = value_.text;
    const bool hex = digits.front() == '$';
    if (hex || digits.front() == '+') digits.remove_prefix(1);
    std::int64_t result = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), result, hex ? 16 : 10);
    if (ec != std::errc{} || end != digits.data() + digits.size() || result < low || result > high) {
      throw EFormError(settings_.fileName, value_.where,
                       "the number " + value_.text + " is out of range for " + entry_.name + " (" +
                           std::to_string(low) + " ... " + std::to_string(high) + ")");
    }
    return result;
  }

  std::int64_t Identifier(const PropertyInfo& info, const std::string& name) const {
    for (std::size_t i = 0; i < info.identifiers.size(); ++i) {
      if (SameText(info.identifiers[i], name)) return static_cast<std::int64_t>(i);
    }
    std::string names;
    for (std::string_view id : info.identifiers) names += (names.empty() ? "" : ", ") + std::string(id);
    Expected("one of " + names);
  }

  template <typename T>
  double Float(const char* expected) const {
    if (value_.kind == FormValueKind::Identifier) {
      if (SameText(value_.text, kFormNaN)) return std::numeric_limits<double>::quiet_NaN();
      if (SameText(value_.text, kFormInfinity)) return std::numeric_limits<double>::infinity();
      if (SameText(value_.text, kFormNegativeInfinity)) return -std::numeric_limits<double>::infinity();
    }
    if ((value_.kind != FormValueKind::Integer && value_.kind != FormValueKind::Float) || value_.text.front() == '$') {
      Expected(expected);
    }
    std::string_view digits = value_.text;
    if (digits.front() == '+') digits.remove_prefix(1);
    T result{};
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), result);
    if (ec != std::errc{} || end != digits.data() + digits.size()) {
      throw EFormError(settings_.fileName, value_.where, "the number " + value_.text + " is out of range for " + entry_.name);
    }
    return static_cast<double>(result);
  }

  PropertyValue Convert(const PropertyInfo& info) const {
    switch (info.kind) {
      case PropertyKind::Integer:
        return Integer(INT_MIN, INT_MAX, "an integer");
      case PropertyKind::Boolean:
        if (value_.kind == FormValueKind::Identifier) {
          if (SameText(value_.text, "True")) return std::int64_t{1};
          if (SameText(value_.text, "False")) return std::int64_t{0};
        }
        Expected("True or False");
      case PropertyKind::Enumeration:
        if (value_.kind != FormValueKind::Identifier) Expected("a name");
        return Identifier(info, value_.text);
      case PropertyKind::Set: {
        if (value_.kind != FormValueKind::Set) Expected("a set in brackets");
        std::int64_t bits = 0;
        for (const std::string& element : value_.elements) bits |= std::int64_t{1} << Identifier(info, element);
        return bits;
      }
      case PropertyKind::Color:
        if (value_.kind == FormValueKind::Identifier) {
          if (const auto color = IdentToColor(value_.text)) return static_cast<std::int64_t>(*color);
          Expected("a colour");
        }
        // Signed as the platform writes them, or the unsigned value.
        return static_cast<std::int64_t>(static_cast<TColor>(Integer(INT_MIN, UINT32_MAX, "a colour")));
      case PropertyKind::Single:
        return Float<float>("a number");
      case PropertyKind::Double:
        return Float<double>("a number");
      case PropertyKind::String:
        if (value_.kind != FormValueKind::String) Expected("a string");
        return value_.text;
      case PropertyKind::Object:
      case PropertyKind::Event:
        break;
    }
    Expected("a value");
  }

  const FormEntry& entry_;
  const FormValue& value_;
  const FormUnits& units_;
  const FormReadSettings& settings_;
  FormReadReport& report_;
};

constexpr std::string_view kPixelsPerInch = "PixelsPerInch";

}  // namespace

FormUnits FormUnitsOf(const FormObject& root, const std::string& fileName) {
  FormUnits units;
  for (const FormEntry& entry : root.entries) {
    if (!SameText(entry.name, kPixelsPerInch)) continue;
    std::int64_t value = 0;
    const std::string& text = entry.value.text;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (entry.value.kind != FormValueKind::Integer || ec != std::errc{} || end != text.data() + text.size() ||
        value < 1 || value > 10000) {
      throw EFormError(fileName, entry.value.where, "expected a resolution of 1 ... 10000 pixels per inch");
    }
    units.pixelsPerInch = static_cast<int>(value);
  }
  return units;
}

const TComponentClass& ClassOfFormObject(const FormObject& object, const std::string& fileName) {
  const TComponentClass* cls = ClassRegistry().Find(object.className);
  if (cls == nullptr) throw EFormError(fileName, object.where, "unknown class " + object.className);
  return *cls;
}

void ApplyFormObject(const FormObject& object, TComponent& target, const PropertyTable& table, const FormUnits& units,
                     const FormReadSettings& settings, FormReadReport& report) {
  if (!object.name.empty()) target.SetName(object.name);
  for (const FormEntry& entry : object.entries) {
    if (SameText(entry.name, kPixelsPerInch)) continue;  // taken by FormUnitsOf
    EntryReader(entry, units, settings, report).Apply(target, table);
  }
  for (const FormObject& child : object.children) {
    const TComponentClass& cls = ClassOfFormObject(child, settings.fileName);
    std::unique_ptr<TComponent> component = cls.create(&target);
    TComponent& made = *component;
    report.components.push_back(std::move(component));
    ApplyFormObject(child, made, *cls.properties, units, settings, report);
  }
}

}  // namespace pelk
