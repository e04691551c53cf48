// A private runtime directory for SDL's libraries when the session has none,
// so that they do not complain about XDG_RUNTIME_DIR on the terminal.
#pragma once

#include <filesystem>

namespace pelk::view {

class PrivateRuntimeDir {
 public:
  // Makes one (mode 0700, under the temporary directory) and sets
  // XDG_RUNTIME_DIR to it only when the variable is unset or empty.
  PrivateRuntimeDir();
  // Removes the directory made, with anything left in it.
  ~PrivateRuntimeDir();
  PrivateRuntimeDir(const PrivateRuntimeDir&) = delete;
  PrivateRuntimeDir& operator=(const PrivateRuntimeDir&) = delete;

 private:
  std::filesystem::path made_;
};

}  // namespace pelk::view
