// A data file of two columns, a row number and a random walk with six
// decimals, written once and removed when it goes; and the plain reader that
// bounds a reader from below: whole lines from 1 MiB reads, two
// std::from_chars per line, no checks beyond what from_chars makes.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace pelk::bench {

struct WalkFile {
  std::filesystem::path path;
  long long bytes = 0;
  long rows = 0;

  explicit WalkFile(long rowCount) : rows(rowCount) {
    path = std::filesystem::temp_directory_path() /
           ("pelk-bench-walk-" + std::to_string(::getpid()) + "-" + std::to_string(rows) + ".csv");
    std::FILE* file = std::fopen(path.c_str(), "w");
    std::mt19937 random(7);
    std::uniform_real_distribution<double> step(-1.0, 1.0);
    double y = 0.0;
    std::fputs("x,y\n", file);
    for (long i = 0; i < rows; ++i) {
      y += step(random);
      std::fprintf(file, "%ld,%.6f\n", i, y);
    }
    bytes = std::ftell(file);
    std::fclose(file);
  }
  ~WalkFile() { std::filesystem::remove(path); }
  WalkFile(const WalkFile&) = delete;
  WalkFile& operator=(const WalkFile&) = delete;
};

// Calls onRow(x, y) for every data row of the file; returns the rows.
template <class OnRow>
long ForEachFromCharsRow(const std::filesystem::path& path, OnRow onRow) {
  std::vector<char> buffer(1 << 21);
  const int descriptor = ::open(path.c_str(), O_RDONLY);
  std::size_t kept = 0;
  long rows = 0;
  bool header = true;
  while (true) {
    const ssize_t got = ::read(descriptor, buffer.data() + kept, (1 << 20));
    if (got <= 0) break;
    const char* p = buffer.data();
    const char* const end = p + kept + static_cast<std::size_t>(got);
    while (const void* found = std::memchr(p, '\n', static_cast<std::size_t>(end - p))) {
      const char* newline = static_cast<const char*>(found);
      if (!header) {
        double x = 0.0, y = 0.0;
        const char* comma = std::from_chars(p, newline, x).ptr;
        std::from_chars(comma + 1, newline, y);
        onRow(x, y);
        ++rows;
      }
      header = false;
      p = newline + 1;
    }
    kept = static_cast<std::size_t>(end - p);
    std::memmove(buffer.data(), p, kept);
  }
  ::close(descriptor);
  return rows;
}

}  // namespace pelk::bench
