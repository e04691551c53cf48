// The process's memory as Linux reports it, for the benchmarks' peaks.
#pragma once

#include <cstdlib>
#include <fstream>
#include <string>

namespace pelk::bench {

// A field of /proc/self/status in KiB, or -1.
inline long StatusKiB(const std::string& field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(field + ":", 0) == 0) return std::strtol(line.c_str() + field.size() + 1, nullptr, 10);
  }
  return -1;
}

// Resets the peak resident size to the current one (Linux 4.0 and later).
inline bool ResetPeakMemory() {
  std::ofstream clear("/proc/self/clear_refs");
  clear << "5";
  clear.flush();
  return static_cast<bool>(clear);
}

}  // namespace pelk::bench
