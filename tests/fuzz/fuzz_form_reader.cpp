// Form files of any content read into a graph or on their own: the reader
// either applies them or throws EFormError, and a graph it read is written
// again. The first byte chooses the options and the way in.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/FormFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pelk;
  if (size == 0) return 0;
  static const TMethodTable methods{
      {"GraphClick", TNotifyEvent([](TObject*) {})},
      {"GraphMouseUp", TMouseEvent([](TObject*, TMouseButton, TShiftState, int, int) {})},
  };
  FormReadOptions options;
  options.methods = &methods;
  options.skipUnknownProperties = (data[0] & 1) != 0;
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  try {
    if ((data[0] & 2) != 0) {
      const LoadedForm form = ReadComponentFromString(text, options);
    } else {
      TPelkgraph graph(nullptr);
      ReadFormString(text, graph, options);
      (void)WriteFormString(graph);
    }
  } catch (const EReadError&) {
  }
  return 0;
}
