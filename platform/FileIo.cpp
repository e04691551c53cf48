#include "platform/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "platform/Errors.h"

namespace pelk {

namespace {

[[noreturn]] void Fail(const std::string& path, const char* step, int error) {
  throw EFileError(path, std::string(step) + ": " + std::strerror(error));
}

// Closes the descriptor and removes the temporary unless released.
class TempFile {
 public:
  TempFile(int fd, std::string name) : fd_(fd), name_(std::move(name)) {}
  ~TempFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!name_.empty()) ::unlink(name_.c_str());
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  int fd() const { return fd_; }
  const std::string& name() const { return name_; }
  // Closes the descriptor; returns 0 or the error number.
  int Close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0 ? 0 : errno;
  }
  void Keep() { name_.clear(); }

 private:
  int fd_;
  std::string name_;
};

TempFile CreateTempBeside(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  const std::filesystem::path target(path);
  // Appended piece by piece: GCC 12 misreports chained string + as overlapping.
  std::string stem(".");
  stem.append(target.filename().string()).append(".tmp").append(std::to_string(::getpid())).append("-");
  for (int attempt = 0;; ++attempt) {
    const std::string name = (target.parent_path() / (stem + std::to_string(counter++))).string();
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) return TempFile(fd, name);
    if (errno != EEXIST || attempt >= 100) Fail(path, "cannot create", errno);
  }
}

}  // namespace

void ReplaceFile(const std::string& path, std::span<const std::uint8_t> bytes) {
  if (path.empty()) Fail(path, "cannot create", ENOENT);
  TempFile temp = CreateTempBeside(path);
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(temp.fd(), bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      Fail(path, "cannot write", errno);
    }
    done += static_cast<std::size_t>(n);
  }
  if (const int error = temp.Close()) Fail(path, "cannot write", error);
  if (::rename(temp.name().c_str(), path.c_str()) != 0) Fail(path, "cannot replace", errno);
  temp.Keep();
}

std::vector<std::uint8_t> ReadWholeFile(const std::string& path, std::uint64_t maxBytes) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) Fail(path, "cannot open", errno);
  struct Closer {
    int fd;
    ~Closer() { ::close(fd); }
  } closer{fd};
  struct stat info {};
  if (::fstat(fd, &info) != 0) Fail(path, "cannot read", errno);
  if (!S_ISREG(info.st_mode)) Fail(path, "cannot read", S_ISDIR(info.st_mode) ? EISDIR : EINVAL);
  if (static_cast<std::uint64_t>(info.st_size) > maxBytes) throw EFileError(path, "file is too large");
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(info.st_size));
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      Fail(path, "cannot read", errno);
    }
    if (n == 0) break;  // the file shrank meanwhile
    done += static_cast<std::size_t>(n);
  }
  bytes.resize(done);
  return bytes;
}

}  // namespace pelk
