// A graph's settings saved to and loaded from form files.
//
//   pelk::WriteFormFile("graph.pfm", graph);
//   pelk::ReadFormFile("graph.pfm", graph);
//
// Reading applies every entry in file order through the setters; an entry
// missing from the file leaves the graph's value. A file that cannot be read
// (malformed, an unknown class or property, a value of the wrong type, an
// unknown event method) throws EFormError naming the file, line and column,
// and leaves the graph as it was.
#pragma once

#include <iosfwd>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "core/Pelkgraph.h"
#include "platform/Streaming.h"

namespace pelk {

// Largest form file or stream read.
inline constexpr std::uint64_t kMaxFormFileBytes = 16 << 20;

struct FormReadOptions {
  const TMethodTable* methods = nullptr;  // binds OnMouseUp = GraphMouseUp and the like
  bool skipUnknownProperties = false;     // unknown properties become warnings
};

struct FormWriteOptions {
  // Event -> the name of the host's method handling it ("OnMouseUp" ->
  // "GraphMouseUp"); events without a name are not written.
  std::map<std::string, std::string, std::less<>> eventHandlers;
};

// Warnings, the event methods bound, and the components nested in the form.
using FormReadResult = FormReadReport;

// The class form files name for TPelkgraph.
const TComponentClass& PelkgraphClass();

std::string WriteFormString(const TPelkgraph& graph, const FormWriteOptions& options = {});
void WriteFormStream(std::ostream& out, const TPelkgraph& graph, const FormWriteOptions& options = {});
// Atomic: written beside the target and renamed over it. Throws EFileError
// naming the file; an existing file is untouched then.
void WriteFormFile(const std::string& path, const TPelkgraph& graph, const FormWriteOptions& options = {});

FormReadResult ReadFormString(std::string_view text, TPelkgraph& graph, const FormReadOptions& options = {},
                              const std::string& fileName = "<string>");
FormReadResult ReadFormStream(std::istream& in, TPelkgraph& graph, const FormReadOptions& options = {},
                              const std::string& fileName = "<stream>");
FormReadResult ReadFormFile(const std::string& path, TPelkgraph& graph, const FormReadOptions& options = {});

// A form read on its own: its root component constructed through the class
// registry. Nothing is left behind when reading fails.
struct LoadedForm {
  std::unique_ptr<TComponent> root;
  FormReadResult result;  // its components are owned by root
};
LoadedForm ReadComponentFromString(std::string_view text, const FormReadOptions& options = {},
                                   const std::string& fileName = "<string>");

}  // namespace pelk
