// Component streaming: TFiler with DefineProperty, the TReader and TWriter
// that apply and write the text form-file format through the property
// tables, the class registry that reading constructs objects from, and the
// designer's palette registry.
#pragma once

#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Controls.h"
#include "platform/FormText.h"
#include "platform/PropertyInfo.h"

namespace pelk {

class TReader;
class TWriter;
using TReaderProc = std::function<void(TReader&)>;
using TWriterProc = std::function<void(TWriter&)>;

// What DefineProperties talks to: a reader applies the entry of that name,
// a writer writes one when hasData is true.
class TFiler {
 public:
  virtual ~TFiler() = default;
  virtual void DefineProperty(std::string_view name, const TReaderProc& read, const TWriterProc& write,
                              bool hasData) = 0;
};

// A class that form files can name: constructed with an owner, streamed
// through its property table.
struct TComponentClass {
  std::string_view name;
  std::function<std::unique_ptr<TComponent>(TComponent* owner)> create;
  const PropertyTable* properties = nullptr;
};

// Classes by name (case-insensitive); registering a class twice keeps one.
class TClassRegistry {
 public:
  void Register(const TComponentClass& cls);
  const TComponentClass* Find(std::string_view name) const;

 private:
  std::vector<const TComponentClass*> classes_;
};
TClassRegistry& ClassRegistry();

// The designer's palette: pages in the order first used, each listing a
// class once however often it is registered.
struct PalettePage {
  std::string name;
  std::vector<const TComponentClass*> classes;
};
class TPaletteRegistry {
 public:
  void Register(std::string_view page, std::initializer_list<const TComponentClass*> classes);
  const std::vector<PalettePage>& Pages() const { return pages_; }
  const PalettePage* Page(std::string_view name) const;

 private:
  std::vector<PalettePage> pages_;
};
TPaletteRegistry& Palette();

// Puts the classes on a page of the global palette and registers them for
// reading.
void RegisterComponents(std::string_view page, std::initializer_list<const TComponentClass*> classes);

struct FormReadSettings {
  std::string fileName = "<form>";
  const TMethodTable* methods = nullptr;  // null: a form with events cannot be read
  bool skipUnknownProperties = false;     // report them as warnings instead of failing
};

struct FormReadReport {
  std::vector<std::string> warnings;                          // "FILE:LINE:COLUMN: ..."
  std::map<std::string, std::string, std::less<>> eventHandlers;  // event -> method, as read
  std::vector<std::unique_ptr<TComponent>> components;        // nested objects, constructed
};

struct FormWriteSettings {
  std::map<std::string, std::string, std::less<>> eventHandlers;  // event -> method the host named
  int pixelsPerInch = 96;                                      // resolution of the font heights written
};

// Reads one defined entry for DefineProperties.
class TReader : public TFiler {
 public:
  TReader(const FormEntry& entry, std::string_view name, const std::string& fileName)
      : entry_(entry), name_(name), fileName_(fileName) {}
  void DefineProperty(std::string_view name, const TReaderProc& read, const TWriterProc& write,
                      bool hasData) override;
  // The entry's value; EFormError unless it is a string.
  std::string ReadString() const;
  bool Handled() const { return handled_; }

 private:
  const FormEntry& entry_;
  std::string_view name_;
  const std::string& fileName_;
  bool handled_ = false;
};

// Writes the defined entries of one object (or group) for DefineProperties.
class TWriter : public TFiler {
 public:
  TWriter(std::string& out, std::string prefix, int indent) : out_(out), prefix_(std::move(prefix)), indent_(indent) {}
  void DefineProperty(std::string_view name, const TReaderProc& read, const TWriterProc& write,
                      bool hasData) override;
  void WriteString(std::string_view value);

 private:
  std::string& out_;
  std::string prefix_;
  int indent_;
};

// The form-file text of a component (and of the registered components it
// owns), written through its class's property table. Throws EPlatformError
// for a component or method name that is not an identifier.
std::string WriteFormText(const TComponent& component, const TComponentClass& cls, const FormWriteSettings& settings);

// The resolution of a parsed form's font heights (its PixelsPerInch entry,
// 96 without one). Throws EFormError for a value outside 1 ... 10000.
FormUnits FormUnitsOf(const FormObject& root, const std::string& fileName);

// Applies every entry of a parsed object to target in file order, through
// the setters, and constructs its nested objects through the class registry
// with target as owner. Throws EFormError naming the entry.
void ApplyFormObject(const FormObject& object, TComponent& target, const PropertyTable& table, const FormUnits& units,
                     const FormReadSettings& settings, FormReadReport& report);

// The class a parsed object names, or EFormError.
const TComponentClass& ClassOfFormObject(const FormObject& object, const std::string& fileName);

}  // namespace pelk
