#include "common/Options.h"

#include <charconv>
#include <cmath>
#include <initializer_list>
#include <map>

#include "common/SeriesColors.h"

#include "common/OutputName.h"

namespace pelk::cli {

namespace {

constexpr std::string_view kUsage =
    "usage: pelkgraph demo [-o FILE.bmp|.png|.pdf|.ps|.svg] [--dpi N]\n"
    "       pelkgraph plot DATA.csv|- [options]\n"
    "       pelkgraph print DATA.csv|-|demo -o FILE.pdf|.ps|.svg [options] [print options]\n"
    "       pelkgraph palette -o FILE.bmp\n"
    "       pelkgraph --help\n"
    "\n"
    "demo   draws three sample graphs and saves each as BMP and PNG, named from\n"
    "       -o (default pelkgraph-demo): NAME-1.bmp, NAME-1.png, NAME-2.bmp ...;\n"
    "       a document name prints the three graphs on one page\n"
    "\n"
    "plot   draws columns of numbers (separated by commas, semicolons or tabs;\n"
    "       an optional header row names them; '#' lines are comments).\n"
    "       A column is given by its header name or its number, from 1.\n"
    "  --x COLUMN        the X column (default: the first)\n"
    "  --y COLUMN        a series on the Y axis (repeatable; default: every\n"
    "                    column not otherwise used)\n"
    "  --y2 COLUMN       a series on the second Y axis (repeatable)\n"
    "  --logx, --logy, --logy2   logarithmic X, Y or second Y axis\n"
    "  --divisions N     divisions of the linear axes (default: chosen per axis)\n"
    "  --xrange A:B, --yrange A:B, --y2range A:B   show exactly this range\n"
    "  --title TEXT      the graph's title (default: the data file's name)\n"
    "  --subtitle TEXT, --id TEXT   the lines below the title\n"
    "  --xlabel TEXT, --ylabel TEXT, --y2label TEXT   axis labels (default:\n"
    "                    the column names)\n"
    "  --name TEXT, --color COLOR, --width N (--line-width N for print),\n"
    "  --style solid|dash|dot|dashdot,\n"
    "  --points          the look of the series named by the last --y or --y2\n"
    "                    before them; before any, of the first, second ...\n"
    "                    series in turn. COLOR is a name (red, navy ...) or #RRGGBB\n"
    "  --legend auto|none|tl|tr|bl|br   where the legend goes (default auto:\n"
    "                    the corner covering the fewest points)\n"
    "  --size WxH        a fixed picture size instead of the size the graph needs\n"
    "  -o FILE           the picture to write: .bmp or .png (default plot.png),\n"
    "                    or a printed document .pdf, .ps or .svg\n"
    "  --skip-bad        skip malformed rows instead of stopping at the first\n"
    "  --form FILE       the graph's settings from a form file first; the options\n"
    "                    given and the data's fit apply over them\n"
    "  --keep-axes       with --form: the axes as the form sets them, not fitted\n"
    "  --save-form FILE  writes the form file of the graph drawn\n"
    "\n"
    "palette  writes the graph's 24 x 24 palette bitmap (4 bits a pixel)\n"
    "\n"
    "print  prints the plot (or the demo's three graphs on one page) as a document\n"
    "  --paper letter|a4 the paper (default letter)\n"
    "  --dpi N           the printer's resolution, 72 to 1200 (default 600)\n"
    "  --left IN, --top IN   the graph's place on the page in inches (default 1)\n"
    "  --width IN        its printed width in inches (default: its screen size)\n"
    "  --mono            black lines and texts, no fills\n"
    "\n"
    "       The print options also apply to plot and demo writing a document.\n"
    "\n"
    "plot, demo  --dpi N the screen resolution the graph is drawn for (default 96)\n";

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

std::string LongText(ArgumentCursor& cursor) {
  std::string text = cursor.Value();
  if (text.size() > kMaxTitleLength) {
    throw UsageError("option '" + cursor.Name() + "' takes at most " + std::to_string(kMaxTitleLength) +
                     " characters");
  }
  return text;
}

int IntValue(ArgumentCursor& cursor, int lowest, int highest) {
  const std::string text = cursor.Value();
  const std::optional<int> value = ParseBoundedInt(text, lowest, highest);
  if (!value) {
    throw UsageError("option '" + cursor.Name() + "' needs a whole number from " + std::to_string(lowest) + " to " +
                     std::to_string(highest) + ", not '" + text + "'");
  }
  return *value;
}

ValueRange RangeValue(ArgumentCursor& cursor) {
  const std::string text = cursor.Value();
  const std::optional<ValueRange> range = ParseValueRange(text);
  if (!range) {
    throw UsageError("option '" + cursor.Name() + "' needs two different finite numbers A:B, not '" + text + "'");
  }
  return *range;
}

float InchValue(ArgumentCursor& cursor) {
  constexpr double kMostInches = 100.0;
  const std::string text = cursor.Value();
  double value = 0.0;
  const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || stop != text.data() + text.size() || !(value >= 0.0 && value <= kMostInches)) {
    throw UsageError("option '" + cursor.Name() + "' needs inches from 0 to 100, not '" + text + "'");
  }
  return static_cast<float>(value);
}

template <typename Choice>
Choice NamedValue(ArgumentCursor& cursor, std::initializer_list<std::pair<std::string_view, Choice>> choices) {
  const std::string text = cursor.Value();
  std::string names;
  for (const auto& [name, choice] : choices) {
    if (text == name) return choice;
    names += names.empty() ? "" : ", ";
    names += name;
  }
  throw UsageError("option '" + cursor.Name() + "' needs one of " + names + ", not '" + text + "'");
}

// A setting of the printed page; false when the option is none of them.
bool ParsePrintSetting(ArgumentCursor& cursor, PrintSettings& print) {
  const std::string& name = cursor.Name();
  if (name == "--paper") {
    print.paper = NamedValue<PaperKind>(cursor, {{"letter", PaperKind::Letter}, {"a4", PaperKind::A4}});
  } else if (name == "--left") {
    print.left = InchValue(cursor);
  } else if (name == "--top") {
    print.top = InchValue(cursor);
  } else if (name == "--width") {
    print.width = InchValue(cursor);
  } else if (name == "--mono") {
    cursor.NoValue();
    print.monochrome = true;
  } else {
    return false;
  }
  return true;
}

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
    } else if (!ParsePrintSetting(cursor, demo.print)) {
      RefuseArgument(cursor);
    }
  }
  return true;
}

// The series a look option sets: the last one named before it, or, before
// any, the next not yet given this option.
class LookTarget {
 public:
  void Named(bool secondY, std::size_t index) { last_ = {secondY, index}; }
  SeriesLook& For(PlotOptions& plot, const std::string& option) {
    std::pair<bool, std::size_t> target{false, 0};
    if (last_) {
      target = *last_;
    } else {
      target.second = unnamedUses_[option]++;
    }
    std::vector<SeriesLook>& looks = target.first ? plot.y2Looks : plot.yLooks;
    if (looks.size() <= target.second) looks.resize(target.second + 1);
    return looks[target.second];
  }

 private:
  std::optional<std::pair<bool, std::size_t>> last_;
  std::map<std::string, std::size_t> unnamedUses_;
};

// Options of plot, and with `printing` those of print; false when help was
// asked for.
// palette -o FILE.bmp
bool ParsePalette(const std::vector<std::string>& arguments, std::string& output) {
  ArgumentCursor cursor(arguments);
  while (cursor.Next()) {
    const std::string& name = cursor.Name();
    if (IsHelp(name)) return false;
    if (name != "-o" && name != "--output") RefuseArgument(cursor);
    output = cursor.Value();
    if (ImageFormatOf(output) != ImageFormat::Bmp) {
      throw UsageError("option '" + name + "' needs a file name ending in .bmp, not '" + output + "'");
    }
  }
  if (output.empty()) throw UsageError("palette needs -o FILE.bmp");
  return true;
}

bool ParsePlot(const std::vector<std::string>& arguments, PlotOptions& plot, bool printing) {
  ArgumentCursor cursor(arguments);
  bool haveInput = false;
  LookTarget looks;
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
      looks.Named(false, plot.yColumns.size() - 1);
    } else if (name == "--y2") {
      plot.y2Columns.push_back(cursor.Value());
      looks.Named(true, plot.y2Columns.size() - 1);
    } else if (name == "--logx" || name == "--logy" || name == "--logy2" || name == "--skip-bad" ||
               name == "--points" || name == "--keep-axes") {
      cursor.NoValue();
      if (name == "--logx") plot.logX = true;
      if (name == "--logy") plot.logY = true;
      if (name == "--logy2") plot.logY2 = true;
      if (name == "--skip-bad") plot.skipBad = true;
      if (name == "--keep-axes") plot.keepAxes = true;
      if (name == "--points") looks.For(plot, name).points = true;
    } else if (name == "--form") {
      plot.form = cursor.Value();
    } else if (name == "--save-form") {
      plot.saveForm = cursor.Value();
    } else if (name == "--divisions") {
      plot.divisions = IntValue(cursor, 1, kMaxDivisions);
    } else if (name == "--title") {
      plot.title = LongText(cursor);
    } else if (name == "--subtitle") {
      plot.subtitle = LongText(cursor);
    } else if (name == "--id") {
      plot.id = LongText(cursor);
    } else if (name == "--xlabel") {
      plot.xLabel = LongText(cursor);
    } else if (name == "--ylabel") {
      plot.yLabel = LongText(cursor);
    } else if (name == "--y2label") {
      plot.y2Label = LongText(cursor);
    } else if (name == "--xrange") {
      plot.xRange = RangeValue(cursor);
    } else if (name == "--yrange") {
      plot.yRange = RangeValue(cursor);
    } else if (name == "--y2range") {
      plot.y2Range = RangeValue(cursor);
    } else if (name == "--name") {
      looks.For(plot, name).name = LongText(cursor);
    } else if (name == "--color") {
      const std::string text = cursor.Value();
      const std::optional<TColor> color = ParseColor(text);
      if (!color) {
        throw UsageError("option '" + name + "' needs a colour name (" + std::string(ColorNames()) +
                         ") or #RRGGBB, not '" + text + "'");
      }
      looks.For(plot, name).color = *color;
    } else if ((name == "--width" && !printing) || name == "--line-width") {
      const int width = IntValue(cursor, 1, kMaxLineWidth);
      looks.For(plot, "--line-width").width = width;
    } else if (name == "--style") {
      const LineStyle style = NamedValue<LineStyle>(cursor, {{"solid", LineStyle::Solid},
                                                             {"dash", LineStyle::Dash},
                                                             {"dot", LineStyle::Dot},
                                                             {"dashdot", LineStyle::DashDot}});
      looks.For(plot, name).style = style;
    } else if (name == "--legend") {
      plot.legend = NamedValue<LegendPlace>(cursor, {{"auto", LegendPlace::Auto},
                                                     {"none", LegendPlace::None},
                                                     {"tl", LegendPlace::TopLeft},
                                                     {"tr", LegendPlace::TopRight},
                                                     {"bl", LegendPlace::BottomLeft},
                                                     {"br", LegendPlace::BottomRight}});
    } else if (name == "--size") {
      const std::string text = cursor.Value();
      plot.size = ParsePixelSize(text);
      if (!plot.size) {
        throw UsageError("option '--size' needs WIDTHxHEIGHT in pixels (at most " + std::to_string(kMaxSide) +
                         " a side, " + std::to_string(kMaxPixels) + " in all), not '" + text + "'");
      }
    } else if (name == "-o" || name == "--output") {
      plot.output = cursor.Value();
      if (printing ? !IsDocumentName(plot.output) : !ImageFormatOf(plot.output) && !IsDocumentName(plot.output)) {
        throw UsageError("option '" + name + "' needs a file name ending in " +
                         (printing ? ".pdf, .ps or .svg" : ".bmp, .png, .pdf, .ps or .svg") + ", not '" +
                         plot.output + "'");
      }
    } else if (name == "--dpi" && printing) {
      plot.print.dpi = IntValue(cursor, kFewestPrinterDpi, kMostPrinterDpi);
    } else if (name == "--dpi") {
      plot.dpi = DpiValue(cursor);
    } else if (!ParsePrintSetting(cursor, plot.print)) {
      RefuseArgument(cursor);
    }
  }
  if (!haveInput) {
    throw UsageError(printing ? "print needs a data file, - for standard input, or demo"
                              : "plot needs a data file (or - for standard input)");
  }
  if (printing && !IsDocumentName(plot.output)) throw UsageError("print needs -o FILE.pdf, .ps or .svg");
  return true;
}

}  // namespace

std::string_view UsageText() { return kUsage; }

bool IsDocumentName(std::string_view path) { return PrintFormatOf(path).has_value(); }

std::optional<ValueRange> ParseValueRange(std::string_view text) {
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  const auto number = [](std::string_view part) -> std::optional<float> {
    float value = 0.0f;
    const auto [stop, error] = std::from_chars(part.data(), part.data() + part.size(), value);
    if (part.empty() || error != std::errc{} || stop != part.data() + part.size() || !std::isfinite(value)) {
      return std::nullopt;
    }
    return value;
  };
  const std::optional<float> from = number(text.substr(0, colon));
  const std::optional<float> to = number(text.substr(colon + 1));
  if (!from || !to || *from == *to) return std::nullopt;
  return ValueRange{*from, *to};
}

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
    command.kind = ParsePlot(arguments, command.plot, false) ? CommandKind::Plot : CommandKind::Help;
  } else if (word == "print") {
    command.kind = ParsePlot(arguments, command.plot, true) ? CommandKind::Print : CommandKind::Help;
    command.printDemo = command.plot.input == "demo";
  } else if (word == "palette") {
    command.kind = ParsePalette(arguments, command.paletteOutput) ? CommandKind::Palette : CommandKind::Help;
  } else if (word.size() > 1 && word.front() == '-') {
    throw UsageError("unknown option '" + word + "'");
  } else {
    throw UsageError("unknown command '" + word + "'");
  }
  return command;
}

}  // namespace pelk::cli
