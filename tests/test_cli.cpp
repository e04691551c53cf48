// The pelkgraph program, run as a user runs it: files written, pixels where
// the axes put them, messages and exit statuses.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <pelkgraph/pelkgraph.h>

namespace fs = std::filesystem;
using namespace pelk;

namespace {

struct RunResult {
  int status = -1;
  std::string out;
  std::string err;
};

std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteText(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// A fresh directory for one test's files.
fs::path TestDirectory() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  const fs::path dir =
      fs::path(PELK_TEST_BINARY_DIR) / "cli-runs" / (std::string(info->test_suite_name()) + "." + info->name());
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

// Runs the program in dir with the arguments, standard input from stdinFile.
RunResult RunProgram(const fs::path& dir, const std::vector<std::string>& arguments,
                     const std::string& stdinFile = "") {
  // Appended piece by piece: g++ 12 at -O3 warns falsely (-Wrestrict) on "literal" + string.
  std::string command = "cd ";
  command += Quoted(dir.string());
  command += " && ";
  command += Quoted(PELK_APP_PATH);
  for (const std::string& argument : arguments) {
    command += ' ';
    command += Quoted(argument);
  }
  command += " <";
  command += stdinFile.empty() ? std::string("/dev/null") : Quoted(stdinFile);
  command += " >out.txt 2>err.txt";
  const int status = std::system(command.c_str());
  RunResult result;
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.out = ReadText(dir / "out.txt");
  result.err = ReadText(dir / "err.txt");
  return result;
}

// The width and height in a PNG's header; 0 x 0 for anything else.
std::pair<int, int> PngSize(const fs::path& path) {
  const std::string bytes = ReadText(path);
  if (bytes.size() < 24 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0) return {0, 0};
  auto be32 = [&](std::size_t at) {
    int value = 0;
    for (std::size_t i = 0; i < 4; ++i) value = value * 256 + static_cast<unsigned char>(bytes[at + i]);
    return value;
  };
  return {be32(16), be32(20)};
}

bool HasColorNear(const TBitmap& image, int x, int y, TColor color) {
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      if (image.Pixels().Contains(x + dx, y + dy) && image.Pixels().Get(x + dx, y + dy) == color) return true;
    }
  }
  return false;
}

int CountColor(const TBitmap& image, TColor color) {
  int count = 0;
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) count += image.Pixels().Get(x, y) == color;
  }
  return count;
}

// A linear axis's pixel offset of a value from its origin.
double AxisOffset(const TAxis& axis, double value) {
  return (value - axis.OriginValue()) / axis.ScalePerDivision() * axis.DivisionWidth();
}

}  // namespace

TEST(CliPlot, DrawsTheLineWhereTheAxesPutIt) {
  const fs::path dir = TestDirectory();
  WriteText(dir / "line.csv", "x,y\n0,0\n10,10\n");
  const RunResult run = RunProgram(dir, {"plot", "line.csv", "--size", "400x300", "-o", "line.bmp"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "line.bmp\n");

  TBitmap image;
  image.LoadFromFile((dir / "line.bmp").string());
  ASSERT_EQ(image.Width(), 400);
  ASSERT_EQ(image.Height(), 300);

  // The same graph built here gives the plot area and the axes' scales.
  TForm form;
  form.SetClientSize(400, 300);
  TPelkgraph graph(&form);
  graph.SetAutoSize(false);
  graph.SetStretchAxes(TStretchOption::Yes);
  graph.SetBounds(0, 0, 400, 300);
  graph.SetTitle("line.csv");
  graph.SetSubtitle("");
  graph.SetIdentification("");
  graph.XAxis().SetAxisLabel("x");
  graph.YAxis().SetAxisLabel("y");
  graph.SetAxis(graph.XAxis(), 5, 0.0f, 10.0f, true);
  graph.SetAxis(graph.YAxis(), 5, 0.0f, 10.0f, true);
  graph.Refresh();
  ASSERT_LT(graph.Xorigin(), graph.Xend());
  ASSERT_LT(graph.Yend(), graph.Yorigin());

  for (double value : {0.5, 2.5, 5.0, 7.5, 9.5}) {
    SCOPED_TRACE(value);
    const int x = graph.Xorigin() + static_cast<int>(std::lround(AxisOffset(graph.XAxis(), value)));
    const int y = graph.Yorigin() - static_cast<int>(std::lround(AxisOffset(graph.YAxis(), value)));
    EXPECT_TRUE(HasColorNear(image, x, y, clBlue)) << x << "," << y;
    // Off the line, at (value, 10 - value): no data.
    if (value != 5.0) {
      const int yOff = graph.Yorigin() - static_cast<int>(std::lround(AxisOffset(graph.YAxis(), 10.0 - value)));
      EXPECT_FALSE(HasColorNear(image, x, yOff, clBlue)) << x << "," << yOff;
    }
  }
  // Every data pixel lies in the plot area, and the line is about as long as its diagonal.
  int inside = 0;
  for (int y = graph.Yend(); y <= graph.Yorigin(); ++y) {
    for (int x = graph.Xorigin(); x <= graph.Xend(); ++x) inside += image.Pixels().Get(x, y) == clBlue;
  }
  EXPECT_EQ(inside, CountColor(image, clBlue));
  const int longerSide = std::max(graph.Xend() - graph.Xorigin(), graph.Yorigin() - graph.Yend());
  EXPECT_GE(inside, longerSide * 9 / 10);
  EXPECT_LE(inside, longerSide + 2);
}

TEST(CliPlot, SeriesOnBothAxesInTheirOwnColours) {
  const fs::path dir = TestDirectory();
  // x = 0 cannot be shown on the logarithmic X axis: one point of each series is left out.
  std::string csv = "# decades\nx;a;b\n0;1;1\n";
  for (int i = 1; i <= 20; ++i)
    csv += std::to_string(i * 50) + ";" + std::to_string(i) + ";" + std::to_string(-i * 3) + "\n";
  WriteText(dir / "two.csv", csv);
  const RunResult run = RunProgram(dir, {"plot", "two.csv", "--logx", "--y2", "b", "-o", "two.png", "--title", "Two"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.err.find("2 points not plotted"), std::string::npos) << run.err;
  const auto [width, height] = PngSize(dir / "two.png");
  EXPECT_GT(width, 100);
  EXPECT_GT(height, 100);

  const RunResult bmp = RunProgram(dir, {"plot", "two.csv", "--logx", "--y2", "b", "-o", "two.bmp", "--title", "Two"});
  ASSERT_EQ(bmp.status, 0) << bmp.err;
  TBitmap image;
  image.LoadFromFile((dir / "two.bmp").string());
  EXPECT_EQ(image.Width(), width);
  EXPECT_EQ(image.Height(), height);
  EXPECT_GT(CountColor(image, clBlue), 20);
  EXPECT_GT(CountColor(image, clRed), 20);
}

TEST(CliPlot, FailuresAndMessages) {
  const fs::path dir = TestDirectory();
  WriteText(dir / "bad.csv", "x,y\n1,2\n\n3,oops\n4,5\n");
  WriteText(dir / "empty.csv", "# nothing here\n");
  WriteText(dir / "ok.csv", "x,y\n1,2\n2,3\n");
  struct Case {
    std::vector<std::string> arguments;
    std::string stdinFile;
    bool succeeds;
    std::string expected;  // in stderr, or in stdout on success
    std::string output;    // a file that exists afterwards only on success
  };
  const Case cases[] = {
      {{"plot", "bad.csv", "-o", "a.png"}, "", false, "pelkgraph: bad.csv:4: field 2 is not a number", "a.png"},
      {{"plot", "-", "-o", "b.png"}, "bad.csv", false, "<stdin>:4:", "b.png"},
      {{"plot", "bad.csv", "--skip-bad", "-o", "c.png"}, "", true, "c.png", "c.png"},
      {{"plot", "empty.csv", "-o", "d.png"}, "", false, "empty.csv: no data rows", "d.png"},
      {{"plot", "missing.csv", "-o", "e.png"}, "", false, "missing.csv: cannot open", "e.png"},
      {{"plot", "ok.csv", "--y", "volts", "-o", "f.png"}, "", false, "no column 'volts'", "f.png"},
      {{"plot", "ok.csv", "--bogus"}, "", false, "unknown option '--bogus'", "plot.png"},
      {{"plot", "ok.csv", "--size"}, "", false, "option '--size' needs a value", "plot.png"},
      {{"plot", "ok.csv", "--size", "0x10"}, "", false, "option '--size'", "plot.png"},
      {{"plot", "ok.csv", "-o", "g.jpg"}, "", false, "option '-o'", "g.jpg"},
      {{"plot", "ok.csv", "-o", "no-such-dir/h.png"}, "", false, "no-such-dir/h.png", "no-such-dir/h.png"},
      {{"frobnicate"}, "", false, "unknown command 'frobnicate'", ""},
      {{}, "", false, "no command given", ""},
      {{"--help"}, "", true, "usage: pelkgraph", ""},
      {{"plot", "--help"}, "", true, "--skip-bad", ""},
  };
  for (const Case& c : cases) {
    std::string line;
    for (const std::string& a : c.arguments) line += a + " ";
    SCOPED_TRACE(line);
    const RunResult run = RunProgram(dir, c.arguments, c.stdinFile.empty() ? "" : (dir / c.stdinFile).string());
    if (c.succeeds) {
      EXPECT_EQ(run.status, 0) << run.err;
    } else {
      EXPECT_NE(run.status, 0);
    }
    EXPECT_NE((c.succeeds ? run.out : run.err).find(c.expected), std::string::npos) << run.out << run.err;
    if (!c.output.empty()) {
      EXPECT_EQ(fs::exists(dir / c.output), c.succeeds);
    }
  }
  const RunResult skipped = RunProgram(dir, {"plot", "bad.csv", "--skip-bad", "-o", "i.png"});
  EXPECT_NE(skipped.err.find("skipped 1 bad row\n"), std::string::npos) << skipped.err;
}

TEST(CliDemo, WritesAndListsItsPictures) {
  const fs::path dir = TestDirectory();
  const RunResult run = RunProgram(dir, {"demo", "-o", "sample.png"});
  ASSERT_EQ(run.status, 0) << run.err;
  std::vector<std::string> listed;
  std::istringstream lines(run.out);
  for (std::string line; std::getline(lines, line);) listed.push_back(line);
  ASSERT_EQ(listed, (std::vector<std::string>{"sample-1.bmp", "sample-1.png", "sample-2.bmp", "sample-2.png",
                                              "sample-3.bmp", "sample-3.png"}));
  for (int i = 1; i <= 3; ++i) {
    SCOPED_TRACE(i);
    TBitmap image;
    image.LoadFromFile((dir / ("sample-" + std::to_string(i) + ".bmp")).string());
    EXPECT_EQ(PngSize(dir / ("sample-" + std::to_string(i) + ".png")), std::make_pair(image.Width(), image.Height()));
    EXPECT_GT(image.Width(), 100);
    EXPECT_GT(image.Height(), 100);
    // Each graph carries data in the palette's colours; the second graph's
    // curve on the second Y axis is red.
    const TColor dataColor = i == 3 ? clGreen : clBlue;
    EXPECT_GT(CountColor(image, dataColor), 50);
    if (i == 2) {
      EXPECT_GT(CountColor(image, clRed), 50);
    }
  }
}

TEST(CliForms, SettingsSavedAndLoadedThroughFormFiles) {
  const fs::path dir = TestDirectory();
  WriteText(dir / "d.csv", "t,volts\n0,1\n1,3\n2,2\n");
  const RunResult saved = RunProgram(dir, {"plot", "d.csv", "--title", "Bench run", "--save-form", "g.pfm", "-o", "a.bmp"});
  ASSERT_EQ(saved.status, 0) << saved.err;
  const std::string form = ReadText(dir / "g.pfm");
  EXPECT_NE(form.find("Title = 'Bench run'"), std::string::npos) << form;

  // The form alone, with its axes kept, gives back the same picture.
  const RunResult kept = RunProgram(dir, {"plot", "d.csv", "--form", "g.pfm", "--keep-axes", "-o", "b.bmp"});
  ASSERT_EQ(kept.status, 0) << kept.err;
  EXPECT_EQ(ReadText(dir / "a.bmp"), ReadText(dir / "b.bmp"));

  // Options given apply over the form; its title stays when none is given.
  TForm form1;
  TPelkgraph graph(&form1);
  WriteText(dir / "wide.csv", "t,volts\n0,1\n100,3\n");
  ASSERT_EQ(RunProgram(dir, {"plot", "wide.csv", "--form", "g.pfm", "--ylabel", "V", "--save-form", "h.pfm"}).status, 0);
  ReadFormFile((dir / "h.pfm").string(), graph);
  EXPECT_EQ(graph.Title(), "Bench run");
  EXPECT_EQ(graph.YAxis().AxisLabel(), "V");
  EXPECT_GE(graph.XAxis().OriginValue() + graph.XAxis().ScalePerDivision() * graph.XAxis().NumberOfDivisions(), 100.0);

  // A broken form names the file, the line and the column, and nothing is written.
  WriteText(dir / "bad.pfm", "object Graph1: TPelkgraph\n  Nonsense = 3\nend\n");
  const RunResult bad = RunProgram(dir, {"plot", "d.csv", "--form", "bad.pfm", "-o", "c.bmp"});
  EXPECT_NE(bad.status, 0);
  EXPECT_NE(bad.err.find("bad.pfm:2:3"), std::string::npos) << bad.err;
  EXPECT_FALSE(fs::exists(dir / "c.bmp"));
}

TEST(CliForms, PaletteWritesTheFourBitBitmap) {
  const fs::path dir = TestDirectory();
  const RunResult run = RunProgram(dir, {"palette", "-o", "p.bmp"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string bytes = ReadText(dir / "p.bmp");
  ASSERT_GE(bytes.size(), 118u);
  EXPECT_EQ(bytes.substr(0, 2), "BM");
  auto le = [&](std::size_t at, int n) {
    long value = 0;
    for (int i = n - 1; i >= 0; --i) value = value * 256 + static_cast<unsigned char>(bytes[at + i]);
    return value;
  };
  EXPECT_EQ(le(18, 4), 24);  // width
  EXPECT_EQ(le(22, 4), 24);  // height, positive: bottom-up
  EXPECT_EQ(le(28, 2), 4);   // bits per pixel
  EXPECT_EQ(le(30, 4), 0);   // uncompressed
  EXPECT_EQ(bytes.size(), 118u + 24u * 12u);
  EXPECT_NE(RunProgram(dir, {"palette", "-o", "p.png"}).status, 0);
}
