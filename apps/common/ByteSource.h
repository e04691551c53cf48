// Where the data reader takes its bytes from: a stream, or an open file read
// from its start (so that a file can be read more than once).
#pragma once

#include <cstddef>
#include <istream>
#include <string>

namespace pelk::cli {

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Fills up to size bytes; 0 only at the end. Throws std::runtime_error
  // when the bytes cannot be read.
  virtual std::size_t Read(char* into, std::size_t size) = 0;
  // Whether the reader should take large reads from the start rather than
  // grow its buffer from small ones (a file: the same memory for any size).
  virtual bool LargeReads() const { return false; }
};

class StreamSource final : public ByteSource {
 public:
  explicit StreamSource(std::istream& in) : buffer_(in.rdbuf()) {}
  std::size_t Read(char* into, std::size_t size) override;

 private:
  std::streambuf* buffer_;
};

// A file opened for reading; closed when destroyed.
class InputFile {
 public:
  // Opens a data file. Throws std::runtime_error naming the file (as shown
  // in messages) and why: an empty name, a directory, an open failure.
  explicit InputFile(const std::string& path);
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  // A regular file, which can be read again; a pipe or a terminal cannot.
  bool Rereadable() const { return regular_; }
  int Descriptor() const { return descriptor_; }

 private:
  int descriptor_ = -1;
  bool regular_ = false;
};

// The file's bytes: a regular file's from its start, with their own
// position; a pipe's as they come.
class FileSource final : public ByteSource {
 public:
  explicit FileSource(const InputFile& file) : file_(file) {}
  std::size_t Read(char* into, std::size_t size) override;
  bool LargeReads() const override { return true; }

 private:
  const InputFile& file_;
  long long offset_ = 0;
};

}  // namespace pelk::cli
