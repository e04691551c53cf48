#include "common/Options.h"

#include <charconv>

#include "common/OutputName.h"

namespace pelk::cli {

namespace {

constexpr std::string_view kUsage =
    "usage: pelkgraph demo [-o FILE.bmp|.png] [--dpi N]\n"
    "       pelkgraph plot DATA.csv|- [options]\n"
    "       pelkgraph --help\n"
    "\n"
    "demo   draws three sample graphs and saves each as BMP and PNG, named from\n"
    "       -o (default pelkgraph-demo): NAME-1.bmp, NAME-1.png, NAME-2.bmp ...\n"
    "\n"
    "plot   draws columns of numbers (separated by commas, semicolons or tabs;\n"
    "       an optional header row names them; '#' lines are comments).\n"
    "       A column is given by its header name or its number, from 1.\n"
    "  --x COLUMN        the X column (default: the first)\n"
    "  --y COLUMN        a series on the Y axis (repeatable; default: every\n"
    "                    column not otherwise used)\n"
    "  --y2 COLUMN       a series on the second Y axis (repeatable)\n"
    "  --logx, --logy    logarithmic X or Y axes\n"
    "  --divisions N     divisions of the linear axes (default 5)\n"
    "  --title TEXT      the graph's title (default: the data file's name)\n"
    "  --size WxH        a fixed picture size instead of the size the graph needs\n"
    "  -o FILE.bmp|.png  the picture to write (default plot.png)\n"
    "  --skip-bad        skip malformed rows instead of stopping at the first\n"
    "\n"
    "both   --dpi N      the screen resolution the graph is drawn for (default 96)\n";

// Walks the arguments of one command, splitting "--name=value".
class ArgumentCursor {
 public:
  explicit ArgumentCursor(const std::vector<std::string>& arguments) : arguments_(arguments) {}

  bool Next() {
    if (next_ >= arguments_.size()) return false;
    const std::string& argument = arguments_[next_++];
    const std::size_t equals = argument.find('=');
    if (argument.starts_with("--") && equals != std::string::npos) {
      name_ = argument.substr(0, equals);
      inlineValue_ = argument.substr(equals + 1);
    } else {
      name_ = argument;
      inlineValue_.reset();
    }
    return true;
  }

  const std::string& Name() const { return name_; }
  // An option, as opposed to a file name ("-" is standard input).
  bool IsOption() const { return name_.size() > 1 && name_.front() == '-'; }

  // The option's value: after '=' or the next argument (which must not be
  // another long option).
  std::string Value() {
    if (inlineValue_) {
      if (inlineValue_->empty()) throw UsageError("option '" + name_ + "' needs a value");
      return *inlineValue_;
    }
    if (next_ >= arguments_.size() || arguments_[next_].empty() || arguments_[next_].starts_with("--")) {
      throw UsageError("option '" + name_ + "' needs a value");
    }
    return arguments_[next_++];
  }

  // A flag takes no value.
  void NoValue() const {
    if (inlineValue_) throw UsageError("option '" + name_ + "' takes no value");
  }

 private:
  const std::vector<std::string>& arguments_;
  std::size_t next_ = 1;  // past the command word
  std::string name_;
  std::optional<std::string> inlineValue_;
};

int DpiValue(ArgumentCursor& cursor) {
  const std::string text = cursor.Value();
  const std::optional<int> dpi = ParseBoundedInt(text, 1, kMaxDpi);
  if (!dpi) {
    throw UsageError("option '" + cursor.Name() + "' needs a whole number from 1 to " + std::to_string(kMaxDpi) +
                     ", not '" + text + "'");
  }
  return *dpi;
}

[[noreturn]] void RefuseArgument(const ArgumentCursor& cursor) {
  if (cursor.IsOption()) throw UsageError("unknown option '" + cursor.Name() + "'");
  throw UsageError("unexpected argument '" + cursor.Name() + "'");
}

bool IsHelp(std::string_view argument) { return argument == "--help" || argument == "-h"; }

// Returns false when help was asked for.
bool ParseDemo(const std::vector<std::string>& arguments, DemoOptions& demo) {
  ArgumentCursor cursor(arguments);
  while (cursor.Next()) {
    const std::string& name = cursor.Name();
    if (IsHelp(name)) return false;
    if (name == "-o" || name == "--output") {
      demo.output = cursor.Value();
    } else if (name == "--dpi") {
      demo.dpi = DpiValue(cursor);
    } else {
      RefuseArgument(cursor);
    }
  }
  return true;
}

bool ParsePlot(const std::vector<std::string>& arguments, PlotOptions& plot) {
  ArgumentCursor cursor(arguments);
  bool haveInput = false;
  while (cursor.Next()) {
    const std::string& name = cursor.Name();
    if (IsHelp(name)) return false;
    if (!cursor.IsOption()) {
      if (haveInput) RefuseArgument(cursor);
      plot.input = name;
      haveInput = true;
    } else if (name == "--x") {
      plot.xColumn = cursor.Value();
    } else if (name == "--y") {
      plot.yColumns.push_back(cursor.Value());
    } else if (name == "--y2") {
      plot.y2Columns.push_back(cursor.Value());
    } else if (name == "--logx") {
      cursor.NoValue();
      plot.logX = true;
    } else if (name == "--logy") {
      cursor.NoValue();
      plot.logY = true;
    } else if (name == "--skip-bad") {
      cursor.NoValue();
      plot.skipBad = true;
    } else if (name == "--divisions") {
      const std::string text = cursor.Value();
      const std::optional<int> divisions = ParseBoundedInt(text, 1, kMaxDivisions);
      if (!divisions) {
        throw UsageError("option '--divisions' needs a whole number from 1 to " + std::to_string(kMaxDivisions) +
                         ", not '" + text + "'");
      }
      plot.divisions = *divisions;
    } else if (name == "--title") {
      plot.title = cursor.Value();
      if (plot.title->size() > kMaxTitleLength) {
        throw UsageError("option '--title' takes at most " + std::to_string(kMaxTitleLength) + " characters");
      }
    } else if (name == "--size") {
      const std::string text = cursor.Value();
      plot.size = ParsePixelSize(text);
      if (!plot.size) {
        throw UsageError("option '--size' needs WIDTHxHEIGHT in pixels (at most " + std::to_string(kMaxSide) +
                         " a side, " + std::to_string(kMaxPixels) + " in all), not '" + text + "'");
      }
    } else if (name == "-o" || name == "--output") {
      plot.output = cursor.Value();
      if (!ImageFormatOf(plot.output)) {
        throw UsageError("option '" + name + "' needs a file name ending in .bmp or .png, not '" + plot.output + "'");
      }
    } else if (name == "--dpi") {
      plot.dpi = DpiValue(cursor);
    } else {
      RefuseArgument(cursor);
    }
  }
  if (!haveInput) throw UsageError("plot needs a data file (or - for standard input)");
  return true;
}

}  // namespace

std::string_view UsageText() { return kUsage; }

std::optional<int> ParseBoundedInt(std::string_view text, int lowest, int highest) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc{} || stop != end || value < lowest || value > highest) {
    return std::nullopt;
  }
  return value;
}

std::optional<PixelSize> ParsePixelSize(std::string_view text) {
  const std::size_t cross = text.find_first_of("xX");
  if (cross == std::string_view::npos) return std::nullopt;
  const std::optional<int> width = ParseBoundedInt(text.substr(0, cross), 1, kMaxSide);
  const std::optional<int> height = ParseBoundedInt(text.substr(cross + 1), 1, kMaxSide);
  if (!width || !height) return std::nullopt;
  if (static_cast<long long>(*width) * *height > kMaxPixels) return std::nullopt;
  return PixelSize{*width, *height};
}

Command ParseCommandLine(const std::vector<std::string>& arguments) {
  if (arguments.empty()) throw UsageError("no command given (try --help)");
  const std::string& word = arguments.front();
  Command command;
  if (IsHelp(word) || word == "help") {
    command.kind = CommandKind::Help;
  } else if (word == "demo") {
    command.kind = ParseDemo(arguments, command.demo) ? CommandKind::Demo : CommandKind::Help;
  } else if (word == "plot") {
    command.kind = ParsePlot(arguments, command.plot) ? CommandKind::Plot : CommandKind::Help;
  } else if (word.size() > 1 && word.front() == '-') {
    throw UsageError("unknown option '" + word + "'");
  } else {
    throw UsageError("unknown command '" + word + "'");
  }
  return command;
}

}  // namespace pelk::cli
