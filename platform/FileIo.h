// Whole-file reads and writes that name the file in their errors.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace pelk {

// A file written under a temporary name beside its target and renamed over
// the target by Commit, so the target changes only once the whole content
// is in place, flushed to disk before the rename and the directory after it.
// Without Commit (a failure, an abandoned job) the temporary is removed and
// an existing target stays as it was. A symbolic link is written through:
// the file it leads to is replaced, beside itself, and the link stays. An
// existing file keeps its permissions; a read-only file or a directory is
// refused. Errors throw EFileError naming the target and the reason (an
// empty name: "empty file name").
class ReplacingFile {
 public:
  explicit ReplacingFile(std::string path);
  ~ReplacingFile();
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  const std::string& Path() const { return path_; }
  void Write(std::span<const std::uint8_t> bytes);
  void Commit();

 private:
  std::string path_;
  std::string target_;    // path_ with symbolic links followed
  std::string tempName_;  // empty once committed
  int fd_ = -1;
};

// Writes the bytes to a temporary file beside path and renames it over path,
// so a failure leaves an existing file unchanged and no temporary behind.
// Throws EFileError naming path and the reason.
void ReplaceFile(const std::string& path, std::span<const std::uint8_t> bytes);

// Reads a regular file of at most maxBytes; throws EFileError otherwise.
std::vector<std::uint8_t> ReadWholeFile(const std::string& path, std::uint64_t maxBytes);

}  // namespace pelk
