#include "platform/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <utility>

#include "platform/Errors.h"

namespace pelk {

namespace {

[[noreturn]] void Fail(const std::string& path, const char* step, int error) {
  throw EFileError(path, std::string(step) + ": " + std::strerror(error));
}

// The file a path names once its symbolic links are followed (the path
// itself when it is not a link or does not exist yet); a link to a missing
// file gives that file, to be created.
std::string FollowLinks(const std::string& path) {
  constexpr int kMaxLinks = 40;  // as the kernel's own limit
  std::filesystem::path current(path);
  for (int links = 0; links < kMaxLinks; ++links) {
    std::error_code error;
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(current, error))) return current.string();
    const std::filesystem::path next = std::filesystem::read_symlink(current, error);
    if (error) Fail(path, "cannot follow the link", error.value());
    current = next.is_absolute() ? next : current.parent_path() / next;
  }
  Fail(path, "cannot follow the link", ELOOP);
}

}  // namespace

ReplacingFile::ReplacingFile(std::string path) : path_(std::move(path)) {
  if (path_.empty()) throw EFileError(path_, "empty file name");
  target_ = FollowLinks(path_);
  struct stat existing {};
  const bool exists = ::stat(target_.c_str(), &existing) == 0;
  if (exists) {
    if (S_ISDIR(existing.st_mode)) Fail(path_, "cannot replace", EISDIR);
    // Nobody may write it (even where the superuser could), or we may not.
    if ((existing.st_mode & 0222) == 0 || ::access(target_.c_str(), W_OK) != 0) {
      throw EFileError(path_, "the file is read-only");
    }
  }
  static std::atomic<unsigned> counter{0};
  const std::filesystem::path target(target_);
  // Appended piece by piece: GCC 12 misreports chained string + as overlapping.
  std::string stem(".");
  stem.append(target.filename().string()).append(".tmp").append(std::to_string(::getpid())).append("-");
  for (int attempt = 0;; ++attempt) {
    std::string name = (target.parent_path() / (stem + std::to_string(counter++))).string();
    fd_ = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ >= 0) {
      tempName_ = std::move(name);
      break;
    }
    if (errno != EEXIST || attempt >= 100) Fail(path_, "cannot create", errno);
  }
  if (exists && ::fchmod(fd_, existing.st_mode & 07777) != 0) Fail(path_, "cannot keep the permissions", errno);
}

ReplacingFile::~ReplacingFile() {
  if (fd_ >= 0) ::close(fd_);
  if (!tempName_.empty()) ::unlink(tempName_.c_str());
}

void ReplacingFile::Write(std::span<const std::uint8_t> bytes) {
  if (fd_ < 0) Fail(path_, "cannot write", EBADF);
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      Fail(path_, "cannot write", errno);
    }
    done += static_cast<std::size_t>(n);
  }
}

void ReplacingFile::Commit() {
  if (fd_ < 0) Fail(path_, "cannot write", EBADF);
  if (::fsync(fd_) != 0) Fail(path_, "cannot flush", errno);
  const int closed = ::close(fd_);
  fd_ = -1;
  if (closed != 0) Fail(path_, "cannot write", errno);
  if (::rename(tempName_.c_str(), target_.c_str()) != 0) Fail(path_, "cannot replace", errno);
  tempName_.clear();
  // The rename itself reaches the disk with the directory.
  const std::string directory = std::filesystem::path(target_).parent_path().string();
  const int dir = ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir < 0) Fail(path_, "cannot flush the directory", errno);
  const int synced = ::fsync(dir);
  const int error = errno;
  ::close(dir);
  if (synced != 0) Fail(path_, "cannot flush the directory", error);
}

void ReplaceFile(const std::string& path, std::span<const std::uint8_t> bytes) {
  ReplacingFile file(path);
  file.Write(bytes);
  file.Commit();
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
