#include "pelkview/RuntimeDir.h"

#include <stdlib.h>

#include <string>
#include <system_error>

namespace pelk::view {

PrivateRuntimeDir::PrivateRuntimeDir() {
  const char* present = getenv("XDG_RUNTIME_DIR");
  if (present && *present) return;
  std::error_code error;
  std::string pattern = (std::filesystem::temp_directory_path(error) / "pelkview-XXXXXX").string();
  if (error || !mkdtemp(pattern.data())) return;
  made_ = pattern;
  setenv("XDG_RUNTIME_DIR", pattern.c_str(), 1);
}

PrivateRuntimeDir::~PrivateRuntimeDir() {
  if (made_.empty()) return;
  unsetenv("XDG_RUNTIME_DIR");
  std::error_code ignored;
  std::filesystem::remove_all(made_, ignored);
}

}  // namespace pelk::view
