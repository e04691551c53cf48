// The viewer's texts and tables: the read-out in the title, the key table
// and its help, and where a printed view goes on the page.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "pelkview/Keys.h"
#include "pelkview/PagePlacement.h"
#include "pelkview/Readout.h"
#include "pelkview/ViewerOptions.h"

namespace pelk::view {
namespace {

TEST(ViewReadout, AValueIsWrittenToThePrecisionItsPixelResolves) {
  struct Case {
    double value, neighbour;
    const char* text;
  };
  const Case cases[] = {
      {0.25341, 0.25461, "0.253"},
      {1234.5, 1236.8, "1235"},
      {1000000.3, 1000000.35, "1000000.3"},
      {-0.0421, -0.0422, "-0.0421"},
      {3.2e-7, 3.3e-7, "3.2e-07"},
      {0.0000001, 0.0012, "0"},  // less than a pixel from zero
      {2.5e12, 2.6e12, "2.5e+12"},
      {5.0, 5.0, "5"},           // no neighbour to tell a resolution
      {std::nan(""), 1.0, "-"},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadingOf(c.value, c.neighbour), c.text) << c.value;
}

TEST(ViewReadout, TheTitleNamesEachAxisItsValue) {
  CursorValues values{0.25341, 0.25461, 12.0, 12.5, std::nullopt, std::nullopt};
  EXPECT_EQ(ReadoutText(values), "x 0.253   y 12");
  values.y2 = 7.77;
  values.y2Neighbour = 7.78;
  EXPECT_EQ(ReadoutText(values), "x 0.253   y 12   y2 7.77");
}

// Records which action a key ran.
class Recorder : public KeyActions {
 public:
  void Quit() override { ran = "quit"; }
  void SavePicture() override { ran = "save"; }
  void PrintView() override { ran = "print"; }
  void SaveSettings() override { ran = "settings"; }
  void UndoZoom() override { ran = "undo"; }
  void ToggleKeys() override { ran = "keys"; }
  std::string ran;
};

TEST(ViewKeys, EachKeyRunsItsActionAndOthersNone) {
  struct Case {
    const char* key;
    const char* action;  // empty: no binding
  };
  const Case cases[] = {
      {"u", "undo"}, {"Backspace", "undo"}, {"h", "keys"}, {"?", "keys"}, {"p", "print"}, {"s", "save"}, {"f", "settings"},
      {"q", "quit"}, {"Escape", "quit"},    {"x", ""},     {"", ""},      {"U", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    Recorder recorder;
    const KeyBinding* binding = BindingFor(c.key);
    ASSERT_EQ(binding != nullptr, *c.action != '\0');
    if (binding) (recorder.*(binding->action))();
    EXPECT_EQ(recorder.ran, c.action);
  }
}

TEST(ViewKeys, TheHelpListsEveryKeyOnceBesideWhatItDoes) {
  const std::string help = KeysHelpText();
  std::set<std::string_view> seen;
  for (const KeyBinding& binding : KeyBindings()) {
    for (std::string_view key : binding.keys) {
      if (key.empty()) continue;
      EXPECT_TRUE(seen.insert(key).second) << key << " is bound twice";
    }
    EXPECT_NE(help.find(binding.what), std::string::npos) << binding.what;
  }
  EXPECT_NE(help.find("u, Backspace"), std::string::npos);
  EXPECT_NE(help.find("h, ?"), std::string::npos);
  EXPECT_NE(help.find("wheel"), std::string::npos);
  // One line per row, the descriptions in one column.
  const std::vector<HelpRow> rows = HelpRows();
  std::size_t lines = 0, column = std::string::npos;
  for (std::size_t start = 0; start < help.size(); start = help.find('\n', start) + 1, ++lines) {
    const std::string line = help.substr(start, help.find('\n', start) - start);
    const std::size_t what = line.find(rows[lines].what);
    ASSERT_NE(what, std::string::npos) << line;
    if (column == std::string::npos) column = what;
    EXPECT_EQ(what, column) << line;
  }
  EXPECT_EQ(lines, rows.size());
}

TEST(ViewOptions, TheDemoTakesTheWindowSizeAndTheHelpListsTheKeys) {
  struct Case {
    std::vector<std::string> arguments;
    cli::PixelSize size;
    std::string saveName;
    const char* error;  // a part of the usage error, or empty
  };
  const Case cases[] = {
      {{}, {800, 600}, "pelkview.png", ""},
      {{"--size", "200x150"}, {200, 150}, "pelkview.png", ""},
      {{"--dpi", "144", "--size", "1600x1200", "-o", "a.bmp"}, {1600, 1200}, "a.bmp", ""},
      {{"--size"}, {}, "", "--size"},
      {{"--size", "0x10"}, {}, "", "--size"},
      {{"--size", "300x200", "--nosuch"}, {}, "", "comes first"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments.empty() ? "" : c.arguments.back());
    if (*c.error) {
      try {
        ParseViewerCommandLine(c.arguments);
        ADD_FAILURE() << "no usage error";
      } catch (const cli::UsageError& e) {
        EXPECT_NE(std::string(e.what()).find(c.error), std::string::npos) << e.what();
      }
      continue;
    }
    const ViewerOptions options = ParseViewerCommandLine(c.arguments);
    EXPECT_FALSE(options.plot);
    EXPECT_EQ(options.windowSize, c.size);
    EXPECT_EQ(options.saveName, c.saveName);
  }
  EXPECT_TRUE(ParseViewerCommandLine({"data.csv", "--help"}).help);
  EXPECT_NE(ViewerUsageText().find(KeysHelpText()), std::string::npos);
}

TEST(ViewPrint, TheGraphKeepsItsShapeWithinTheMargins) {
  struct Case {
    int width, height;
    double paperWidth, paperHeight;
    PagePlacement place;
  };
  const Case cases[] = {
      {800, 600, 8.5, 11.0, {0.75f, 0.75f, 7.0f}},     // as wide as the margins allow
      {400, 1600, 8.5, 11.0, {3.0625f, 0.75f, 2.375f}},  // as tall as they allow, centred across
      {1000, 500, 11.0, 8.5, {0.75f, 0.75f, 9.5f}},
      {0, 0, 8.5, 11.0, {0.75f, 0.75f, 7.0f}},          // no size: square
      {800, 600, 1.0, 1.0, {0.5f, 0.75f, 0.0f}},         // no room: nothing wide
  };
  for (const Case& c : cases) {
    const PagePlacement place = PlaceOnPage(c.width, c.height, c.paperWidth, c.paperHeight, 0.75);
    EXPECT_FLOAT_EQ(place.left, c.place.left) << c.width << "x" << c.height;
    EXPECT_FLOAT_EQ(place.top, c.place.top) << c.width << "x" << c.height;
    EXPECT_FLOAT_EQ(place.width, c.place.width) << c.width << "x" << c.height;
  }
}

}  // namespace
}  // namespace pelk::view
