// The command line of pelkgraph: its commands and their options.
#pragma once

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "common/AxisRange.h"
#include "platform/Types.h"

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
inline constexpr int kMaxLineWidth = 50;
inline constexpr int kFewestPrinterDpi = 72;
inline constexpr int kMostPrinterDpi = 1200;
inline constexpr std::size_t kMaxTitleLength = 200;  // a graph sized to fit widens for its title

// How one series is drawn; unset parts take the series' defaults.
enum class LineStyle { Solid, Dash, Dot, DashDot };
struct SeriesLook {
  std::optional<std::string> name;  // in the legend
  std::optional<TColor> color;
  std::optional<int> width;  // pixels at 96 dpi
  std::optional<LineStyle> style;
  bool points = false;  // mark every point
};

// Where the legend goes: the corner the data leaves freest, none, or a corner.
enum class LegendPlace { Auto, None, TopLeft, TopRight, BottomLeft, BottomRight };

enum class PaperKind { Letter, A4 };
struct PrintSettings {
  PaperKind paper = PaperKind::Letter;
  int dpi = 600;            // the printer's resolution
  float left = 1.0f;        // inches from the page's left edge
  float top = 1.0f;         // inches from its top edge
  float width = 0.0f;       // printed width in inches; 0: the screen size
  bool monochrome = false;
};

struct DemoOptions {
  std::string output = "pelkgraph-demo";  // the base of the file names, or a document
  int dpi = 0;                            // 0: the screen's default
  PrintSettings print;                    // when output names a document
};

struct PlotOptions {
  std::string input;                   // a path, or "-" for standard input
  std::string xColumn;                 // a name or 1-based number; empty: the first
  std::vector<std::string> yColumns;   // empty: every column not otherwise used
  std::vector<std::string> y2Columns;  // series on the second Y axis
  bool logX = false;
  bool logY = false;   // the primary Y axis
  bool logY2 = false;  // the second Y axis
  int divisions = 0;   // 0: chosen per axis (3 to 10)
  std::optional<std::string> title;
  std::optional<std::string> subtitle, id;
  std::optional<std::string> xLabel, yLabel, y2Label;
  std::optional<ValueRange> xRange, yRange, y2Range;  // shown exactly instead of fitted
  // Looks of the series in order: the Y series, then the second-axis ones.
  std::vector<SeriesLook> yLooks, y2Looks;
  LegendPlace legend = LegendPlace::Auto;
  PrintSettings print;
  std::optional<PixelSize> size;  // a fixed size instead of the size the graph needs
  std::string output = "plot.png";
  int dpi = 0;
  bool skipBad = false;
  std::optional<std::string> form;      // settings read before the options apply
  bool keepAxes = false;                // with form: its axes, not fitted
  std::optional<std::string> saveForm;  // the drawn graph's form file
};

enum class CommandKind { Help, Demo, Plot, Print, Palette };

struct Command {
  CommandKind kind = CommandKind::Help;
  DemoOptions demo;
  PlotOptions plot;  // also the data and settings of print
  bool printDemo = false;  // print draws the demo graphs
  std::string paletteOutput;  // palette: the BMP file
};

// Documents the printer path writes, by the name's extension.
bool IsDocumentName(std::string_view path);

// Parses the arguments after the program name; throws UsageError.
Command ParseCommandLine(const std::vector<std::string>& arguments);

std::string_view UsageText();

// "WxH" with both sides positive and within the limits.
std::optional<PixelSize> ParsePixelSize(std::string_view text);

// "A:B": two different finite numbers.
std::optional<ValueRange> ParseValueRange(std::string_view text);

// A decimal integer within [lowest, highest].
std::optional<int> ParseBoundedInt(std::string_view text, int lowest, int highest);

}  // namespace pelk::cli
