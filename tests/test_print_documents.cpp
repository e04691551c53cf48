// Print jobs written as documents: PDF read back with poppler against the
// raster page, PostScript and SVG, raster pages for raster operations,
// aborted and failed jobs, and the paper and resolution settings.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "DocumentReadBack.h"
#include "platform/Arith.h"
#include "platform/Bitmap.h"
#include "platform/Errors.h"
#include "platform/Gdi.h"
#include "platform/Printer.h"

namespace pelk {
namespace {

namespace fs = std::filesystem;

// An idle printer at the default settings and an empty directory of the
// test's own, both before and after each test.
class PrintDocuments : public ::testing::Test {
 protected:
  void SetUp() override {
    Reset();
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::path(PELK_TEST_BINARY_DIR) / "print-documents" / info->name();
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    Reset();
    fs::remove_all(dir_);
  }
  static void Reset() {
    if (Printer().Printing()) Printer().Abort();
    Printer().SetResolution(300, 300);
    Printer().SetPaperSize(TPaperSize::Letter);
    Printer().Title.clear();
  }
  static void WriteFile(const std::string& path, const std::string& text) { std::ofstream(path) << text; }
  std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  TPrinter& printer = Printer();
  fs::path dir_;
};

void SelectRotatedFont(TCanvas& canvas, int height, int escapement, HFONT& font) {
  font = CreateFontA(height, 0, escapement, escapement, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_TT_PRECIS,
                     CLIP_DEFAULT_PRECIS, PROOF_QUALITY, DEFAULT_PITCH, "Arial");
  SelectObject(canvas.Handle(), font);
}

// A graph-like page scaled to the resolution: a bordered frame, a plot area
// with solid, dashed and dotted grids, axes of several widths, ticks,
// texts in the four directions, clipped data and an image.
void DrawFramedGraph(TCanvas& canvas, int dpi) {
  const auto px = [dpi](double inches) { return static_cast<int>(inches * dpi); };
  const int left = px(1), top = px(1), right = px(7), bottom = px(6);
  const int plotLeft = px(2), plotTop = px(1.8), plotRight = px(6.5), plotBottom = px(5);
  // Paper-coloured and clear insides, so that ink is what is drawn on them.
  canvas.Pen().SetColor(clBlack);
  canvas.Pen().SetWidth(1);
  canvas.Brush().SetStyle(bsClear);
  canvas.Rectangle(left, top, right, bottom);
  canvas.Brush().SetStyle(bsSolid);
  canvas.Pen().SetWidth(2);
  canvas.Brush().SetColor(clWhite);
  canvas.Rectangle(plotLeft, plotTop, plotRight, plotBottom);
  canvas.Pen().SetWidth(3);
  canvas.Brush().SetColor(0xE0E0E0);
  canvas.Rectangle(right - px(1.5), bottom - px(0.5), right - px(0.1), bottom - px(0.1));

  canvas.Pen().SetWidth(1);
  canvas.Pen().SetColor(clGray);
  std::vector<int> columns;
  for (int x = plotLeft + px(0.5); x < plotRight; x += px(0.5)) columns.push_back(x);
  canvas.VerticalLines(columns, plotTop, plotBottom);
  canvas.Pen().SetStyle(psDash);
  for (int y = plotTop + px(0.4); y < plotBottom; y += px(0.4)) {
    canvas.MoveTo(plotLeft, y);
    canvas.LineTo(plotRight, y);
  }
  canvas.Pen().SetStyle(psDot);
  canvas.MoveTo(plotLeft, plotBottom);
  canvas.LineTo(plotRight, plotTop);
  canvas.Pen().SetStyle(psDashDotDot);
  canvas.MoveTo(plotLeft, plotTop);
  canvas.LineTo(plotRight, plotBottom - px(1));
  canvas.Pen().SetStyle(psSolid);

  canvas.Pen().SetColor(clNavy);
  canvas.Pen().SetWidth(3);
  canvas.MoveTo(plotLeft, plotTop);
  canvas.LineTo(plotLeft, plotBottom);
  canvas.LineTo(plotRight, plotBottom);
  canvas.Pen().SetWidth(4);
  canvas.Pen().SetColor(clMaroon);
  canvas.LineTo(plotRight, plotTop);
  canvas.Pen().SetWidth(1);
  canvas.Pen().SetColor(clBlack);
  for (int x = plotLeft; x <= plotRight; x += px(0.5)) {
    canvas.MoveTo(x, plotBottom);
    canvas.LineTo(x, plotBottom + px(0.06));
  }

  canvas.SetBackgroundMode(TRANSPARENT);
  canvas.Font().SetSize(10);
  canvas.SetTextAlign(TA_CENTER | TA_TOP);
  for (int i = 0, x = plotLeft; x <= plotRight; x += px(0.5), ++i) {
    canvas.TextOut(x, plotBottom + px(0.08), std::to_string(i * 5));
  }
  canvas.Font().SetSize(16);
  canvas.Font().SetStyle({fsBold});
  canvas.SetTextAlign(TA_CENTER | TA_BASELINE);
  canvas.TextOut((left + right) / 2, px(1.5), "Printed Title");
  canvas.Font().SetStyle({fsUnderline});
  canvas.Font().SetSize(9);
  canvas.SetBackgroundMode(OPAQUE);
  canvas.Brush().SetColor(clYellow);
  canvas.TextOut((left + right) / 2, px(1.7), "Opaque underlined subtitle");
  canvas.SetBackgroundMode(TRANSPARENT);
  canvas.Font().SetStyle({});
  const struct {
    int escapement, x, y;
    const char* text;
  } turned[] = {{900, plotLeft - px(0.5), (plotTop + plotBottom) / 2, "Upward label"},
                {2700, plotRight + px(0.3), (plotTop + plotBottom) / 2, "Downward label"},
                {1800, (plotLeft + plotRight) / 2, plotBottom + px(0.7), "Upside down"}};
  const HFONT own = canvas.SelectedFont();
  for (const auto& t : turned) {
    HFONT font = 0;
    SelectRotatedFont(canvas, -MulDiv(12, dpi, 72), t.escapement, font);
    canvas.TextOut(t.x, t.y, t.text);
    SelectObject(canvas.Handle(), own);
    DeleteObject(font);
  }

  // Data clipped to the plot area, with end pixels as the graph sets them.
  canvas.SelectClipRect(TRect{plotLeft, plotTop, plotRight + 1, plotBottom + 1});
  std::mt19937 random(7);
  int x = plotLeft - px(0.2), y = (plotTop + plotBottom) / 2;
  canvas.Pen().SetColor(clRed);
  canvas.MoveTo(x, y);
  while (x < plotRight + px(0.2)) {
    x += 1 + static_cast<int>(random() % 3);
    y += static_cast<int>(random() % 9) - 4;
    canvas.LineToAndSetEnd(x, y, clRed);
  }
  canvas.Pen().SetWidth(5);
  canvas.Pen().SetColor(clGreen);
  canvas.MoveTo(plotLeft, plotBottom - px(0.5));
  for (int i = 1; i <= 40; ++i) canvas.LineTo(plotLeft + i * px(0.11), plotBottom - px(0.5) - (i % 7) * px(0.1));
  for (int i = 0; i < 200; ++i) canvas.SetPixel(plotLeft + px(3) + i, plotTop + px(0.3) + (i % 5), clBlue);
  canvas.Brush().SetColor(clAqua);
  canvas.FillRect(TRect{plotLeft + px(0.2), plotTop + px(0.2), plotLeft + px(0.6), plotTop + px(0.4)});
  canvas.SelectClipRect(std::nullopt);

  TBitmap image;
  image.SetSize(px(0.4), px(0.3));
  for (int by = 0; by < image.Height(); ++by)
    for (int bx = 0; bx < image.Width(); ++bx) image.Pixels().Set(bx, by, (bx / 8 + by / 8) % 2 ? clPurple : clWhite);
  canvas.Draw(right - px(0.6), top + px(0.1), image);
}

// Pixels as points, the way pdfinfo prints them (up to two decimals).
std::string PointsText(int pixels, int dpi) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", std::round(pixels * 72.0 / dpi * 100) / 100);
  return text;
}

TEST_F(PrintDocuments, PdfReadBackMatchesTheRasterPage) {
  struct Case {
    TPaperSize paper;
    int dpi;
    const char* paperName;  // as pdfinfo names the page size
  };
  const Case cases[] = {{TPaperSize::Letter, 300, "(letter)"}, {TPaperSize::A4, 200, "(A4)"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.dpi) + " dpi");
    printer.SetResolution(c.dpi, c.dpi);
    printer.SetPaperSize(c.paper);
    const std::string pdf = PathOf("graph.pdf");
    printer.Title = "Framed graph";
    printer.BeginDoc(pdf);
    DrawFramedGraph(printer.Canvas(), c.dpi);
    printer.EndDoc();
    const Surface& page = printer.Page(0);
    const Surface back = RasterisePdfPage(pdf, c.dpi, 1, PathOf("back"));
    ASSERT_EQ(back.Width(), page.Width());
    ASSERT_EQ(back.Height(), page.Height());
    EXPECT_GE(InkNear(page, back), 0.99) << "raster ink missing from the document";
    EXPECT_GE(InkNear(back, page), 0.99) << "document ink where the raster has none";

    const std::string info = RunCommand("pdfinfo '" + pdf + "'").output;
    EXPECT_NE(info.find("Pages:           1"), std::string::npos) << info;
    EXPECT_NE(info.find(c.paperName), std::string::npos) << info;
    const std::string size = "Page size:       " + PointsText(page.Width(), c.dpi) + " x " +
                             PointsText(page.Height(), c.dpi) + " pts";
    EXPECT_NE(info.find(size), std::string::npos) << "the raster page's extent: " << size << "\n" << info;
    EXPECT_NE(info.find("Title:           Framed graph"), std::string::npos) << info;
    const std::string text = RunCommand("pdftotext '" + pdf + "' -").output;
    for (const char* expected : {"Printed Title", "Opaque underlined subtitle", "Upward label", "Downward label",
                                 "Upside down", "25"}) {
      EXPECT_NE(text.find(expected), std::string::npos) << expected << " in:\n" << text;
    }
    const std::string fonts = RunCommand("pdffonts '" + pdf + "'").output;
    EXPECT_NE(fonts.find("LiberationSans"), std::string::npos) << fonts;
    EXPECT_EQ(fonts.find(" no "), std::string::npos) << "every font embedded:\n" << fonts;
    const std::string images = RunCommand("pdfimages -list '" + pdf + "'").output;
    EXPECT_NE(images.find("image"), std::string::npos) << "the copied bitmap:\n" << images;
  }
}

// A small page of lines and text with the pen mode given.
void DrawLinesAndText(TCanvas& canvas, TPenMode mode, const char* text) {
  canvas.Pen().SetMode(mode);
  canvas.Pen().SetColor(clRed);
  canvas.Pen().SetWidth(3);
  canvas.MoveTo(20, 20);
  canvas.LineTo(200, 120);
  canvas.Pen().SetMode(pmCopy);
  canvas.Font().SetSize(14);
  canvas.TextOut(20, 130, text);
}

// A job of two such pages, the second drawn with the pen mode given.
void PrintTwoPages(const std::string& path, const char* first, TPenMode secondMode, const char* second) {
  Printer().BeginDoc(path);
  DrawLinesAndText(Printer().Canvas(), pmCopy, first);
  Printer().NewPage();
  DrawLinesAndText(Printer().Canvas(), secondMode, second);
  Printer().EndDoc();
}

TEST_F(PrintDocuments, PagesWithRasterOperationsAreWrittenAsTheirRasterImage) {
  printer.SetResolution(100, 100);
  printer.SetPaperSize(3.0, 2.0);
  struct Case {
    const char* name;
    TPenMode mode;
    bool raster;
  };
  const Case cases[] = {{"copy", pmCopy, false}, {"xor", pmXor, true}, {"not xor", pmNotXor, true},
                        {"merge", pmMerge, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string pdf = PathOf("page.pdf");
    printer.BeginDoc(pdf);
    DrawLinesAndText(printer.Canvas(), c.mode, "Searchable");
    printer.EndDoc();
    const std::string images = RunCommand("pdfimages -list '" + pdf + "'").output;
    const std::string text = RunCommand("pdftotext '" + pdf + "' -").output;
    const bool hasImage = images.find(" image ") != std::string::npos;
    EXPECT_EQ(hasImage, c.raster) << images;
    EXPECT_EQ(text.find("Searchable") != std::string::npos, !c.raster) << text;
    if (c.raster) {
      // One lossless image of the whole page, pixel for pixel.
      RunCommand("pdfimages '" + pdf + "' '" + PathOf("image") + "'");
      const Surface image = ReadPpm(PathOf("image-000.ppm"));
      const Surface& page = printer.Page(0);
      ASSERT_EQ(image.Width(), page.Width()) << images;
      ASSERT_EQ(image.Height(), page.Height()) << images;
      int differing = 0;
      for (int y = 0; y < page.Height(); ++y)
        for (int x = 0; x < page.Width(); ++x) differing += image.Get(x, y) != page.Get(x, y);
      EXPECT_EQ(differing, 0);
      fs::remove(PathOf("image-000.ppm"));
    }
  }
}

TEST_F(PrintDocuments, PostScriptAndSvgAreWrittenAndValid) {
  printer.SetResolution(150, 150);
  const std::string ps = PathOf("job.PS");
  PrintTwoPages(ps, "First page", pmCopy, "Second page");
  const std::string post = ReadText(ps);
  EXPECT_EQ(post.rfind("%!PS-Adobe-3.0", 0), 0u);
  EXPECT_NE(post.find("%%Pages: 2"), std::string::npos);
  EXPECT_NE(post.find("%%Page: 2 2"), std::string::npos);
  EXPECT_NE(post.find("%%DocumentMedia: Letter 612 792"), std::string::npos) << post.substr(0, 400);
  EXPECT_NE(post.find("LiberationSans"), std::string::npos) << "the face is embedded";
  EXPECT_NE(post.rfind("%%EOF"), std::string::npos);

  const std::string svg = PathOf("job.Svg");
  printer.BeginDoc(svg);
  DrawLinesAndText(printer.Canvas(), pmCopy, "Only page");
  printer.Canvas().TextOut(20, 160, "x < y & z");
  EXPECT_THROW(printer.NewPage(), EPrinterError) << "an SVG document holds one page";
  EXPECT_TRUE(printer.Printing());
  printer.EndDoc();
  const CommandResult lint = RunCommand("xmllint --noout '" + svg + "'");
  EXPECT_EQ(lint.status, 0) << lint.output;
  const std::string xml = ReadText(svg);
  EXPECT_NE(xml.find("<svg"), std::string::npos);
  EXPECT_NE(xml.find("width=\"612pt\" height=\"792pt\""), std::string::npos);
  EXPECT_NE(xml.find("<use xlink:href=\"#glyph"), std::string::npos) << "the glyphs drawn";
  EXPECT_NE(xml.find(">Only page</text>"), std::string::npos) << "the text searchable";
  EXPECT_LT(xml.find(">Only page</text>"), xml.rfind("</svg>"));
  EXPECT_NE(xml.find(">x &lt; y &amp; z</text>"), std::string::npos) << "markup escaped";
}

TEST_F(PrintDocuments, TwoPagesInOneDocumentHoldOnlyTheCurrentPage) {
  printer.SetResolution(100, 100);
  const std::string pdf = PathOf("two.pdf");
  PrintTwoPages(pdf, "Alpha", pmXor, "Beta");
  EXPECT_EQ(printer.PageCount(), 2);
  EXPECT_THROW(printer.Page(0), EPrinterError) << "the written page was let go";
  EXPECT_NO_THROW(printer.Page(1)) << "the last page stays";
  EXPECT_EQ(printer.DocumentPath(), pdf);
  EXPECT_NE(RunCommand("pdfinfo '" + pdf + "'").output.find("Pages:           2"), std::string::npos);
  const std::string first = RunCommand("pdftotext -f 1 -l 1 '" + pdf + "' -").output;
  EXPECT_NE(first.find("Alpha"), std::string::npos) << first;
  const std::string images = RunCommand("pdfimages -list '" + pdf + "'").output;
  EXPECT_NE(images.find("\n   2     0 image"), std::string::npos) << "the second page as its image:\n" << images;
  EXPECT_EQ(images.find("\n   1     0 image"), std::string::npos) << images;

  // A job in memory afterwards keeps all its pages, as before.
  printer.BeginDoc();
  printer.NewPage();
  printer.EndDoc();
  EXPECT_EQ(printer.DocumentPath(), "");
  EXPECT_EQ(printer.PageCount(), 2);
  EXPECT_NO_THROW(printer.Page(0));
  EXPECT_NO_THROW(printer.Page(1));
}

TEST_F(PrintDocuments, AbortedAndRefusedJobsWriteNothing) {
  const std::string existing = PathOf("keep.pdf");
  WriteFile(existing, "previous document");
  struct Case {
    const char* name;
    std::string path;
    std::function<void()> job;
    const char* message;  // part of the error; empty: no error
  };
  const std::string missingDir = PathOf("no/such/dir/out.pdf");
  const Case cases[] = {
      {"aborted after drawing", existing,
       [&] {
         printer.BeginDoc(existing);
         DrawLinesAndText(printer.Canvas(), pmCopy, "gone");
         printer.NewPage();
         printer.Abort();
       },
       ""},
      {"unknown extension", PathOf("graph.eps"), [&] { printer.BeginDoc(PathOf("graph.eps")); },
       "unknown document type"},
      {"no extension", PathOf("graph"), [&] { printer.BeginDoc(PathOf("graph")); }, "unknown document type"},
      {"missing directory", missingDir, [&] { printer.BeginDoc(missingDir); }, "cannot create"},
      {"resolution too low", PathOf("low.pdf"),
       [&] {
         printer.SetResolution(60, 60);
         printer.BeginDoc(PathOf("low.pdf"));
       },
       "72 to 1200 dpi"},
      {"resolution too high", PathOf("high.pdf"),
       [&] {
         printer.SetResolution(1201, 600);
         printer.BeginDoc(PathOf("high.pdf"));
       },
       "72 to 1200 dpi"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Reset();
    std::string error;
    try {
      c.job();
    } catch (const EPrinterError& e) {
      error = e.what();
    }
    if (*c.message == '\0') {
      EXPECT_EQ(error, "");
    } else {
      EXPECT_NE(error.find(c.path), std::string::npos) << "names the file: " << error;
      EXPECT_NE(error.find(c.message), std::string::npos) << error;
    }
    EXPECT_FALSE(printer.Printing());
    EXPECT_EQ(ReadText(existing), "previous document");
    EXPECT_EQ(Entries(), std::vector<std::string>{"keep.pdf"}) << "no document and no temporary";
  }
}

TEST_F(PrintDocuments, FailedWritesNameTheFileAndLeaveTheTargetUntouched) {
  const std::string existing = PathOf("keep.pdf");
  WriteFile(existing, "previous document");
  fs::create_directory(PathOf("folder.pdf"));
  struct Case {
    const char* name;
    std::string path;
    bool limitFileSize;
    const char* message;
  };
  const Case cases[] = {{"file size limit reached", existing, true, "cannot write"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    printer.SetResolution(300, 300);
    printer.BeginDoc(c.path);
    DrawFramedGraph(printer.Canvas(), 300);
    printer.NewPage();
    // A page too large to fit under the limit: its raster image.
    DrawLinesAndText(printer.Canvas(), pmXor, "noise");
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    void (*oldHandler)(int) = signal(SIGXFSZ, SIG_IGN);
    if (c.limitFileSize) {
      rlimit small = old;
      small.rlim_cur = 16384;
      ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    }
    std::string error;
    try {
      printer.EndDoc();
    } catch (const EPrinterError& e) {
      error = e.what();
    }
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, oldHandler);
    EXPECT_NE(error.find(c.path), std::string::npos) << "names the file: " << error;
    EXPECT_NE(error.find(c.message), std::string::npos) << error;
    EXPECT_FALSE(printer.Printing());
    EXPECT_EQ(ReadText(existing), "previous document");
    EXPECT_EQ(Entries(), (std::vector<std::string>{"folder.pdf", "keep.pdf"})) << "no temporary left";
  }
  // A directory is refused when the job begins.
  std::string error;
  try {
    printer.BeginDoc(PathOf("folder.pdf"));
  } catch (const EPrinterError& e) {
    error = e.what();
  }
  EXPECT_NE(error.find(PathOf("folder.pdf") + ": cannot replace"), std::string::npos) << error;
  EXPECT_FALSE(printer.Printing());
  EXPECT_EQ(Entries(), (std::vector<std::string>{"folder.pdf", "keep.pdf"})) << "no temporary left";
}

TEST_F(PrintDocuments, NamedPaperSizes) {
  struct Case {
    TPaperSize paper;
    int dpi;
    double widthInches, heightInches;
  };
  const Case cases[] = {{TPaperSize::Letter, 600, 8.5, 11.0},
                        {TPaperSize::A4, 600, 210 / 25.4, 297 / 25.4},
                        {TPaperSize::A4, 72, 210 / 25.4, 297 / 25.4},
                        {TPaperSize::Letter, 1200, 8.5, 11.0}};
  for (const Case& c : cases) {
    printer.SetResolution(c.dpi, c.dpi);
    printer.SetPaperSize(c.paper);
    EXPECT_EQ(printer.PageWidth(), Round(c.widthInches * c.dpi)) << c.dpi;
    EXPECT_EQ(printer.PageHeight(), Round(c.heightInches * c.dpi)) << c.dpi;
  }
}

}  // namespace
}  // namespace pelk
