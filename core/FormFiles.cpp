#include "core/FormFiles.h"

#include <istream>
#include <ostream>
#include <span>

#include "core/PropertyTables.h"
#include "platform/FileIo.h"
#include "platform/Screen.h"

namespace pelk {

namespace {

FormWriteSettings WriteSettingsOf(const FormWriteOptions& options) {
  return FormWriteSettings{options.eventHandlers, Screen().PixelsPerInch()};
}

FormReadSettings ReadSettingsOf(const FormReadOptions& options, const std::string& fileName) {
  ClassRegistry().Register(PelkgraphClass());
  return FormReadSettings{fileName, options.methods, options.skipUnknownProperties};
}

FormReadResult Apply(const FormObject& root, TComponent& target, const FormReadSettings& settings) {
  const TComponentClass& cls = ClassOfFormObject(root, settings.fileName);
  FormReadResult result;
  ApplyFormObject(root, target, *cls.properties, FormUnitsOf(root, settings.fileName), settings, result);
  return result;
}

}  // namespace

const TComponentClass& PelkgraphClass() {
  static const TComponentClass cls{"TPelkgraph",
                                   [](TComponent* owner) { return std::make_unique<TPelkgraph>(owner); },
                                   &PelkgraphProperties()};
  return cls;
}

std::string WriteFormString(const TPelkgraph& graph, const FormWriteOptions& options) {
  return WriteFormText(graph, PelkgraphClass(), WriteSettingsOf(options));
}

void WriteFormStream(std::ostream& out, const TPelkgraph& graph, const FormWriteOptions& options) {
  const std::string text = WriteFormString(graph, options);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  if (!out) throw EPlatformError("writing the form of " + graph.Name() + " to a stream failed");
}

void WriteFormFile(const std::string& path, const TPelkgraph& graph, const FormWriteOptions& options) {
  const std::string text = WriteFormString(graph, options);
  ReplaceFile(path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

FormReadResult ReadFormString(std::string_view text, TPelkgraph& graph, const FormReadOptions& options,
                              const std::string& fileName) {
  const FormReadSettings settings = ReadSettingsOf(options, fileName);
  const FormObject root = ParseFormText(text, fileName);
  if (&ClassOfFormObject(root, fileName) != &PelkgraphClass()) {
    throw EFormError(fileName, root.where, "expected an object of class TPelkgraph, found " + root.className);
  }
  {
    // Everything that can fail fails on a scratch graph first, so the host's
    // graph changes only when the whole form applies.
    TPelkgraph scratch(nullptr);
    Apply(root, scratch, settings);
  }
  return Apply(root, graph, settings);
}

FormReadResult ReadFormStream(std::istream& in, TPelkgraph& graph, const FormReadOptions& options,
                              const std::string& fileName) {
  std::string text;
  char buffer[1 << 14];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    text.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (text.size() > kMaxFormFileBytes) throw EFileError(fileName, "larger than " + std::to_string(kMaxFormFileBytes) + " bytes");
  }
  if (in.bad()) throw EFileError(fileName, "reading failed");
  return ReadFormString(text, graph, options, fileName);
}

FormReadResult ReadFormFile(const std::string& path, TPelkgraph& graph, const FormReadOptions& options) {
  const std::vector<std::uint8_t> bytes = ReadWholeFile(path, kMaxFormFileBytes);
  return ReadFormString(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), graph, options,
                        path);
}

LoadedForm ReadComponentFromString(std::string_view text, const FormReadOptions& options, const std::string& fileName) {
  const FormReadSettings settings = ReadSettingsOf(options, fileName);
  const FormObject root = ParseFormText(text, fileName);
  LoadedForm form;
  form.root = ClassOfFormObject(root, fileName).create(nullptr);
  form.result = Apply(root, *form.root, settings);
  return form;
}

}  // namespace pelk
