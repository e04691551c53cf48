// The global printer: print jobs, pages, settings, drawing and fonts at the
// printer's resolution.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "platform/Arith.h"
#include "platform/Errors.h"
#include "platform/Gdi.h"
#include "platform/Printer.h"

namespace pelk {
namespace {

// Every test starts and ends with an idle printer at the default settings.
struct PrinterTest : ::testing::Test {
  PrinterTest() { Reset(); }
  ~PrinterTest() override { Reset(); }
  static void Reset() {
    if (Printer().Printing()) Printer().Abort();
    Printer().SetResolution(300, 300);
    Printer().SetPaperSize(8.5, 11.0);
  }
  TPrinter& printer = Printer();
};

TEST_F(PrinterTest, DefaultPageIsLetterAt300Dpi) {
  EXPECT_EQ(printer.PageWidth(), 2550);
  EXPECT_EQ(printer.PageHeight(), 3300);
  printer.BeginDoc();
  ASSERT_EQ(printer.PageCount(), 1);
  EXPECT_EQ(printer.Page(0).Width(), 2550);
  EXPECT_EQ(printer.Page(0).Height(), 3300);
  EXPECT_EQ(printer.Page(0).Get(2549, 3299), clWhite);
  printer.EndDoc();
}

TEST_F(PrinterTest, JobLifecycle) {
  printer.SetResolution(100, 50);
  printer.SetPaperSize(2.0, 3.0);  // 200 x 150 pixels
  printer.BeginDoc();
  EXPECT_TRUE(printer.Printing());
  EXPECT_THROW(printer.BeginDoc(), EPrinterError);
  printer.NewPage();
  printer.NewPage();
  EXPECT_EQ(printer.PageCount(), 3);
  EXPECT_EQ(printer.CurrentPage(), &printer.Page(2));
  for (int i = 0; i < printer.PageCount(); ++i) {
    EXPECT_EQ(printer.Page(i).Width(), 200) << i;
    EXPECT_EQ(printer.Page(i).Height(), 150) << i;
    EXPECT_EQ(printer.Page(i).Get(0, 0), clWhite) << i;
  }
  printer.EndDoc();
  EXPECT_FALSE(printer.Printing());
  EXPECT_FALSE(printer.Aborted());
  EXPECT_EQ(printer.PageCount(), 3) << "pages stay readable after EndDoc";
  EXPECT_EQ(printer.CurrentPage(), nullptr);
  EXPECT_THROW(printer.NewPage(), EPrinterError);
  EXPECT_THROW(printer.EndDoc(), EPrinterError);

  printer.BeginDoc();  // a new job starts over
  EXPECT_EQ(printer.PageCount(), 1);
  printer.NewPage();
  printer.Abort();
  EXPECT_FALSE(printer.Printing());
  EXPECT_TRUE(printer.Aborted());
  EXPECT_EQ(printer.PageCount(), 0);
  printer.BeginDoc();
  EXPECT_FALSE(printer.Aborted());
  printer.EndDoc();
}

TEST_F(PrinterTest, DrawingOutsideAJobThrows) {
  TCanvas& canvas = printer.Canvas();
  // Setting up the canvas is fine without a job.
  canvas.Pen().SetColor(clRed);
  canvas.Font().SetSize(12);
  EXPECT_NE(canvas.Handle(), nullptr);

  const std::pair<const char*, std::function<void()>> drawings[] = {
      {"LineTo", [&] { canvas.LineTo(10, 10); }},
      {"Rectangle", [&] { canvas.Rectangle(0, 0, 10, 10); }},
      {"FillRect", [&] { canvas.FillRect(TRect{0, 0, 10, 10}); }},
      {"SetPixel", [&] { canvas.SetPixel(1, 1, clBlack); }},
      {"TextOut", [&] { canvas.TextOut(5, 5, "x"); }},
  };
  for (const auto& [name, draw] : drawings) {
    try {
      draw();
      ADD_FAILURE() << name << " did not throw";
    } catch (const EPrinterError& e) {
      EXPECT_STREQ(e.what(), "Printer: drawing outside a print job") << name;
    }
  }
  printer.BeginDoc();
  printer.EndDoc();
  EXPECT_THROW(canvas.LineTo(20, 20), EPrinterError) << "after EndDoc as well";
}

TEST_F(PrinterTest, LineLandsOnThePagePixels) {
  printer.SetResolution(100, 100);
  printer.SetPaperSize(2.0, 1.0);
  printer.BeginDoc();
  TCanvas& canvas = printer.Canvas();
  canvas.Pen().SetColor(clBlack);
  canvas.Pen().SetWidth(1);
  canvas.MoveTo(10, 20);
  canvas.LineTo(110, 20);
  const Surface& page = printer.Page(0);
  struct Probe {
    int x, y;
    TColor expected;
  };
  const Probe probes[] = {{10, 20, clBlack}, {60, 20, clBlack}, {109, 20, clBlack},
                          {110, 20, clWhite}, {9, 20, clWhite},  {60, 19, clWhite},
                          {60, 21, clWhite}};
  for (const Probe& p : probes) EXPECT_EQ(page.Get(p.x, p.y), p.expected) << p.x << "," << p.y;

  // Drawing goes to the newest page only.
  printer.NewPage();
  canvas.MoveTo(0, 0);
  canvas.LineTo(50, 0);
  EXPECT_EQ(printer.Page(1).Get(25, 0), clBlack);
  EXPECT_EQ(printer.Page(0).Get(25, 0), clWhite);
  printer.EndDoc();
}

TEST_F(PrinterTest, BeginDocResetsTheDeviceContext) {
  TCanvas& canvas = printer.Canvas();
  canvas.SelectClipRect(TRect{0, 0, 5, 5});
  canvas.SetTextAlign(TA_RIGHT | TA_BOTTOM);
  canvas.SetBackgroundMode(TRANSPARENT);
  HFONT other = CreateFontA(-20, 0, 900, 900, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, OUT_TT_PRECIS,
                            CLIP_DEFAULT_PRECIS, PROOF_QUALITY, DEFAULT_PITCH, "Arial");
  SelectObject(printer.Handle(), other);
  canvas.MoveTo(7, 9);
  ASSERT_EQ(canvas.SelectedFont(), other);
  printer.SetResolution(100, 100);
  printer.SetPaperSize(1.0, 1.0);
  printer.BeginDoc();
  EXPECT_EQ(canvas.ClipRegion(), std::nullopt);
  EXPECT_EQ(canvas.TextAlign(), TA_LEFT | TA_TOP);
  EXPECT_EQ(canvas.BackgroundMode(), OPAQUE);
  EXPECT_EQ(canvas.PenPos(), (TPoint{0, 0}));
  EXPECT_NE(canvas.SelectedFont(), other);
  printer.EndDoc();
  DeleteObject(other);
}

TEST_F(PrinterTest, DeviceCapsAndFontsFollowTheResolution) {
  struct Case {
    int dpiX, dpiY;
  };
  const Case cases[] = {{300, 300}, {600, 600}, {600, 300}, {72, 144}};
  TFont screenFont;  // at the screen's resolution
  screenFont.SetSize(10);
  for (const Case& c : cases) {
    printer.SetResolution(c.dpiX, c.dpiY);
    EXPECT_EQ(GetDeviceCaps(printer.Handle(), LOGPIXELSX), c.dpiX);
    EXPECT_EQ(GetDeviceCaps(printer.Handle(), LOGPIXELSY), c.dpiY);
    TFont& font = printer.Canvas().Font();
    font.Assign(screenFont);
    EXPECT_EQ(font.Height(), -MulDiv(10, c.dpiY, 72)) << c.dpiX << "x" << c.dpiY;
    EXPECT_EQ(font.Size(), 10);
  }
}

TEST_F(PrinterTest, SettingsOutOfRangeAreRefusedAndKeepThePreviousValues) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    const char* name;
    std::function<void()> change;
    bool accepted;
    std::function<void()> prepare = [] {};
  };
  const Case cases[] = {
      {"high resolution", [&] { printer.SetResolution(2400, 1200); }, true},
      {"large paper", [&] { printer.SetPaperSize(100.0, 100.0); }, true},
      {"zero dpi", [&] { printer.SetResolution(0, 300); }, false},
      {"negative dpi", [&] { printer.SetResolution(300, -300); }, false},
      {"absurd dpi", [&] { printer.SetResolution(2401, 300); }, false},
      {"zero width", [&] { printer.SetPaperSize(0.0, 11.0); }, false},
      {"negative height", [&] { printer.SetPaperSize(8.5, -1.0); }, false},
      {"NaN width", [&] { printer.SetPaperSize(nan, 11.0); }, false},
      {"infinite height", [&] { printer.SetPaperSize(8.5, inf); }, false},
      {"absurd paper", [&] { printer.SetPaperSize(101.0, 11.0); }, false},
      {"page under one pixel", [&] { printer.SetPaperSize(0.001, 11.0); }, false},
      {"large paper at high resolution", [&] { printer.SetPaperSize(100.0, 100.0); }, false,
       [&] { printer.SetResolution(2400, 2400); }},
  };
  for (const Case& c : cases) {
    Reset();
    c.prepare();
    int dpiX = printer.ResolutionX(), dpiY = printer.ResolutionY();
    int width = printer.PageWidth(), height = printer.PageHeight();
    bool accepted = true;
    try {
      c.change();
    } catch (const EPrinterError& e) {
      accepted = false;
      EXPECT_EQ(std::string(e.what()).rfind("Printer: ", 0), 0u) << c.name << ": " << e.what();
      EXPECT_EQ(printer.ResolutionX(), dpiX) << c.name;
      EXPECT_EQ(printer.ResolutionY(), dpiY) << c.name;
      EXPECT_EQ(printer.PageWidth(), width) << c.name;
      EXPECT_EQ(printer.PageHeight(), height) << c.name;
    }
    EXPECT_EQ(accepted, c.accepted) << c.name;
  }
}

TEST_F(PrinterTest, SettingsCannotChangeDuringAJob) {
  printer.SetResolution(100, 100);
  printer.SetPaperSize(1.0, 1.0);
  printer.BeginDoc();
  EXPECT_THROW(printer.SetResolution(200, 200), EPrinterError);
  EXPECT_THROW(printer.SetPaperSize(2.0, 2.0), EPrinterError);
  EXPECT_EQ(printer.ResolutionX(), 100);
  EXPECT_EQ(printer.PageWidth(), 100);
  printer.EndDoc();
}

}  // namespace
}  // namespace pelk
