#include "common/ByteSource.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "common/PrintableText.h"

namespace pelk::cli {

std::size_t StreamSource::Read(char* into, std::size_t size) {
  if (!buffer_) return 0;
  const std::streamsize got = buffer_->sgetn(into, static_cast<std::streamsize>(size));
  return got > 0 ? static_cast<std::size_t>(got) : 0;
}

InputFile::InputFile(const std::string& path) {
  if (path.empty()) throw std::runtime_error("the data file name is empty");
  const std::string shown = PrintableText(path);
  descriptor_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor_ < 0) throw std::runtime_error(shown + ": cannot open: " + std::strerror(errno));
  struct stat status {};
  if (::fstat(descriptor_, &status) != 0) {
    const int error = errno;
    ::close(descriptor_);
    throw std::runtime_error(shown + ": cannot open: " + std::strerror(error));
  }
  if (S_ISDIR(status.st_mode)) {
    ::close(descriptor_);
    throw std::runtime_error(shown + ": is a directory");
  }
  regular_ = S_ISREG(status.st_mode);
  if (regular_) ::posix_fadvise(descriptor_, 0, 0, POSIX_FADV_SEQUENTIAL);
}

InputFile::~InputFile() { ::close(descriptor_); }

std::size_t FileSource::Read(char* into, std::size_t size) {
  std::size_t filled = 0;
  while (filled < size) {
    const ssize_t got = file_.Rereadable()
                            ? ::pread(file_.Descriptor(), into + filled, size - filled, static_cast<off_t>(offset_))
                            : ::read(file_.Descriptor(), into + filled, size - filled);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) throw std::runtime_error(std::string("cannot read: ") + std::strerror(errno));
    if (got == 0) break;
    filled += static_cast<std::size_t>(got);
    offset_ += got;
  }
  return filled;
}

}  // namespace pelk::cli
