// The command line of pelkgraph: its commands and their options.
#pragma once

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace pelk::cli {

// A command line that cannot be understood; the message names the option.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct PixelSize {
  int width = 0;
  int height = 0;
  friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

// Limits that keep the pictures (and the memory behind them) reasonable.
inline constexpr int kMaxDpi = 600;
inline constexpr int kMaxSide = 16384;
inline constexpr long long kMaxPixels = 16LL * 1024 * 1024;
inline constexpr int kMaxDivisions = 50;
inline constexpr std::size_t kMaxTitleLength = 200;  // a graph sized to fit widens for its title

struct DemoOptions {
  std::string output = "pelkgraph-demo";  // the base of the file names
  int dpi = 0;                            // 0: the screen's default
};

struct PlotOptions {
  std::string input;                   // a path, or "-" for standard input
  std::string xColumn;                 // a name or 1-based number; empty: the first
  std::vector<std::string> yColumns;   // empty: every column not otherwise used
  std::vector<std::string> y2Columns;  // series on the second Y axis
  bool logX = false;
  bool logY = false;
  int divisions = 5;
  std::optional<std::string> title;
  std::optional<PixelSize> size;  // a fixed size instead of the size the graph needs
  std::string output = "plot.png";
  int dpi = 0;
  bool skipBad = false;
};

enum class CommandKind { Help, Demo, Plot };

struct Command {
  CommandKind kind = CommandKind::Help;
  DemoOptions demo;
  PlotOptions plot;
};

// Parses the arguments after the program name; throws UsageError.
Command ParseCommandLine(const std::vector<std::string>& arguments);

std::string_view UsageText();

// "WxH" with both sides positive and within the limits.
std::optional<PixelSize> ParsePixelSize(std::string_view text);

// A decimal integer within [lowest, highest].
std::optional<int> ParseBoundedInt(std::string_view text, int lowest, int highest);

}  // namespace pelk::cli
