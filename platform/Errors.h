// Exceptions raised by the platform. Each message names the file, entry or
// operation that failed.
#pragma once

#include <stdexcept>
#include <string>

namespace pelk {

/// The base of the exceptions the platform raises.
class EPlatformError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/// An object that cannot be assigned to another (TPersistent::Assign).
class EConvertError : public EPlatformError {
 public:
  using EPlatformError::EPlatformError;
};

/// A file that cannot be created, written or read.
class EFileError : public EPlatformError {
 public:
  /// A failure of the file at path; the message is "path: what", or just what for an empty path.
  EFileError(const std::string& path, const std::string& what)
      : EPlatformError(path.empty() ? what : path + ": " + what), path_(path) {}
  /// The file that failed.
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

/// Printing without a print job, or a failed print output.
class EPrinterError : public EPlatformError {
 public:
  using EPlatformError::EPlatformError;
};

/// A malformed form file: names the file and the line.
class EReadError : public EPlatformError {
 public:
  using EPlatformError::EPlatformError;
};

}  // namespace pelk
