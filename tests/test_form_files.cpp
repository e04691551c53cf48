// Form files: what a graph writes, what reading gives back through the
// setters, events, bad input with its line and column, and loads that fail
// without changing the graph.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "TempDirTest.h"
#include "core/FormFiles.h"
#include "core/PropertyTables.h"
#include "platform/Forms.h"
#include "platform/Utf8.h"
#include "platform/Screen.h"

using namespace pelk;

namespace {

bool HasLine(const std::string& text, const std::string& line) {
  return text.find("\n" + line + "\n") != std::string::npos;
}

std::string GraphForm(const std::string& body) { return "object Graph1: TPelkgraph\n" + body + "end\n"; }

// Every writable property of an object and its sub-objects, with its value.
void VisitValues(const TPersistent& object, const PropertyTable& table, const std::string& prefix,
                 const std::function<void(const std::string&, const PropertyValue&)>& visit) {
  for (const PropertyInfo& info : table.properties) {
    const std::string name = prefix + std::string(info.name);
    if (info.kind == PropertyKind::Object) {
      VisitValues(info.object(object), *info.objectTable, name + ".", visit);
    } else if (info.storage != PropertyStorage::ReadOnly && info.kind != PropertyKind::Event) {
      visit(name, info.get(object, FormUnits{}));
    }
  }
}

std::string RandomText(std::mt19937& rng) {
  static const std::vector<char32_t> pieces{U'a', U'Z', U' ', U'\'', U'#', U'+', U'\n', U'\t', U'\0',
                                            U'\u00E9', U'\u4E2D', U'\U0001F600', U'~', U'7'};
  std::string text;
  const int length = std::uniform_int_distribution<int>(0, 150)(rng);
  for (int i = 0; i < length; ++i) AppendUtf8(text, pieces[rng() % pieces.size()]);
  return text;
}

PropertyValue RandomValue(const PropertyInfo& info, std::mt19937& rng) {
  switch (info.kind) {
    case PropertyKind::Integer:
      return std::int64_t{static_cast<std::int32_t>(rng())};
    case PropertyKind::Boolean:
      return std::int64_t(rng() % 2);
    case PropertyKind::Enumeration:
      return std::int64_t(rng() % info.identifiers.size());
    case PropertyKind::Set:
      return std::int64_t(rng() % (1u << info.identifiers.size()));
    case PropertyKind::Color: {
      const TColor named[] = {clBtnFace, clRed, clSilver, static_cast<TColor>(rng())};
      return std::int64_t{named[rng() % 4]};
    }
    case PropertyKind::Single:
    case PropertyKind::Double: {
      // Any finite double, or an everyday one.
      double value = 0;
      do {
        const std::uint64_t bits = std::uint64_t{rng()} << 32 | rng();
        std::memcpy(&value, &bits, sizeof value);
      } while (!std::isfinite(value));
      return rng() % 2 ? value : std::uniform_real_distribution<double>(-1000, 1000)(rng);
    }
    case PropertyKind::String:
      return RandomText(rng);
    case PropertyKind::Object:
    case PropertyKind::Event:
      break;
  }
  return {};
}

void Randomize(TPersistent& object, const PropertyTable& table, std::mt19937& rng) {
  for (const PropertyInfo& info : table.properties) {
    if (info.kind == PropertyKind::Object) {
      Randomize(info.object(object), *info.objectTable, rng);
    } else if (info.set) {
      info.set(object, RandomValue(info, rng), FormUnits{Screen().PixelsPerInch()});
    }
  }
}

// A graph on a form being designed, with its pending paints served.
struct DesignedGraph {
  DesignedGraph() {
    form.SetDesigning(true);
    graph = std::make_unique<TPelkgraph>(&form);
    form.ProcessMessages();
  }
  TForm form;
  std::unique_ptr<TPelkgraph> graph;
};

}  // namespace

TEST(FormFiles, FreshGraphWritesItsTextsAndNonDefaultValuesOnly) {
  TPelkgraph written(nullptr);
  const std::string text = WriteFormString(written);
  struct Case {
    const char* line;
    bool present;
  };
  const Case cases[] = {
      {"  Title = 'Graph Title'", true},
      {"  Subtitle = 'Graph Subtitle'", true},
      {"  Id = 'Graph Identification'", true},
      {"  XAxis.AxisLabel = 'X Axis'", true},
      {"  YAxis.AxisLabel = 'Y Axis'", true},
      {"  YAxis2.AxisLabel = '2nd Y Axis'", true},
      {"  Color = clSilver", true},            // differs from the declared clBtnFace
      {"  PenStyle = psSolid", true},          // no declared default
      {"  XAxis.ScalePerDivision = 10", true},  // no declared default
      {"  TitleFont.Height = -13", true},      // 10 pt at 96 pixels per inch
      {"  TitleFont.Style = [fsBold]", true},
      {"  ZoomBox.ZoomKey = None", true},
      {"  Width = 300", false},                // equal to the declared default
      {"  PlotAreaColor = clWhite", false},
      {"  XAxis.DivisionWidth = 64", false},
      {"  ZoomBox.ValidZoom = False", false},  // read-only
      {"  Xorigin = 0", false},
  };
  for (const Case& c : cases) EXPECT_EQ(HasLine(text, c.line), c.present) << c.line;

  TPelkgraph read(nullptr);
  read.SetTitle("other");
  read.YAxis2().SetAxisLabel("other");
  ReadFormString(text, read);
  EXPECT_EQ(read.Title(), "Graph Title");
  EXPECT_EQ(read.Subtitle(), "Graph Subtitle");
  EXPECT_EQ(read.Id(), "Graph Identification");
  EXPECT_EQ(read.XAxis().AxisLabel(), "X Axis");
  EXPECT_EQ(read.YAxis().AxisLabel(), "Y Axis");
  EXPECT_EQ(read.YAxis2().AxisLabel(), "2nd Y Axis");
  EXPECT_EQ(read.Color(), clSilver);
}

TEST(FormFiles, TextEntries) {
  struct Case {
    const char* body;
    const char* subtitle;
    const char* id;
  };
  const Case cases[] = {
      {"  Subtitle = ''\n", "", "Graph Identification"},  // cleared, and no Id entry
      {"  Id = 'It''s '#228 +\n    'tail'\n", "Graph Subtitle", "It's \xC3\xA4tail"},
      {"  Subtitle = #$41#66'C'\n", "ABC", "Graph Identification"},
  };
  for (const Case& c : cases) {
    TPelkgraph graph(nullptr);
    ReadFormString(GraphForm(c.body), graph);
    EXPECT_EQ(graph.Subtitle(), c.subtitle) << c.body;
    EXPECT_EQ(graph.Id(), c.id) << c.body;
  }
  TPelkgraph cleared(nullptr);
  cleared.SetSubtitle("");
  EXPECT_TRUE(HasLine(WriteFormString(cleared), "  Subtitle = ''"));
}

TEST(FormFiles, ReadingNotifiesAndRepaintsOnlyForTextsThatDiffer) {
  struct Case {
    const char* label;
    int notifications;
  };
  const Case cases[] = {{"2nd Y Axis", 0}, {"Right axis", 1}, {"2nd y axis", 1}};
  for (const Case& c : cases) {
    DesignedGraph designed;
    TAxis& axis = designed.graph->YAxis2();
    int notifications = 0;
    const TNotifyEvent owner = axis.OnChange;
    axis.OnChange = [&](TObject* sender) {
      ++notifications;
      owner(sender);
    };
    ReadFormString(GraphForm(std::string("  YAxis2.AxisLabel = '") + c.label + "'\n"), *designed.graph);
    EXPECT_EQ(axis.AxisLabel(), c.label);
    EXPECT_EQ(notifications, c.notifications) << c.label;
    EXPECT_EQ(designed.form.IsInvalidated(*designed.graph), c.notifications > 0) << c.label;
  }
}

TEST(FormFiles, FontHeightsKeepTheirPointSizeAcrossResolutions) {
  struct Case {
    const char* body;
    int size;
  };
  const Case cases[] = {
      {"  PixelsPerInch = 96\n  TitleFont.Height = -13\n", 10},
      {"  PixelsPerInch = 120\n  TitleFont.Height = -17\n", 10},
      {"  PixelsPerInch = 192\n  TitleFont.Height = -32\n", 12},
      {"  TitleFont.Height = -16\n", 12},  // 96 without the entry
  };
  for (const Case& c : cases) {
    TPelkgraph graph(nullptr);
    ReadFormString(GraphForm(c.body), graph);
    EXPECT_EQ(graph.TitleFont().Size(), c.size) << c.body;
  }
}

TEST(FormFiles, WriteReadWriteIsByteIdenticalForRandomValues) {
  for (unsigned seed = 1; seed <= 25; ++seed) {
    std::mt19937 rng(seed);
    TPelkgraph original(nullptr);
    Randomize(original, PelkgraphProperties(), rng);
    const std::string first = WriteFormString(original);
    TPelkgraph read(nullptr);
    ReadFormString(first, read);
    EXPECT_EQ(WriteFormString(read), first) << "seed " << seed;
    std::vector<std::pair<std::string, PropertyValue>> before, after;
    VisitValues(original, PelkgraphProperties(), "", [&](const std::string& n, const PropertyValue& v) {
      before.emplace_back(n, v);
    });
    VisitValues(read, PelkgraphProperties(), "", [&](const std::string& n, const PropertyValue& v) {
      after.emplace_back(n, v);
    });
    EXPECT_EQ(after, before) << "seed " << seed;
  }
}

TEST(FormFiles, NonFiniteAxisValuesReadBack) {
  TPelkgraph graph(nullptr);
  graph.XAxis().SetOrgVal(std::numeric_limits<double>::infinity());
  graph.YAxis().SetOrgVal(-std::numeric_limits<double>::infinity());
  graph.YAxis2().SetOrgVal(std::numeric_limits<double>::quiet_NaN());
  TPelkgraph read(nullptr);
  ReadFormString(WriteFormString(graph), read);
  EXPECT_EQ(read.XAxis().OriginValue(), std::numeric_limits<double>::infinity());
  EXPECT_EQ(read.YAxis().OriginValue(), -std::numeric_limits<double>::infinity());
  EXPECT_TRUE(std::isnan(read.YAxis2().OriginValue()));
}

TEST(FormFiles, BadInputNamesFileLineAndColumn) {
  struct Case {
    std::string text;
    int line;
    int column;
    const char* says;
  };
  std::string deep;
  for (int i = 0; i < 40; ++i) deep += "object A" + std::to_string(i) + ": TPelkgraph\n";
  const Case cases[] = {
      {GraphForm("  Width 300\n"), 2, 9, "expected '=' after Width, found the number 300"},
      {"object G: TNoSuchGraph\nend\n", 1, 1, "unknown class TNoSuchGraph"},
      {GraphForm("  Wdth = 1\n"), 2, 3, "unknown property Wdth of TPelkgraph"},
      {GraphForm("  XAxis.Colour = 1\n"), 2, 3, "unknown property Colour of TAxis"},
      {GraphForm("  Width = 'x'\n"), 2, 11, "expected an integer for Width, found a string"},
      {GraphForm("  Border = 1\n"), 2, 12, "expected True or False for Border"},
      {GraphForm("  StretchAxes = Maybe\n"), 2, 17, "expected one of StretchOnly, ShrinkOnly, Yes, No"},
      {GraphForm("  TitleFont.Style = [fsBold, fsHeavy]\n"), 2, 21, "expected one of fsBold"},
      {GraphForm("  Color = clPink\n"), 2, 11, "expected a colour for Color"},
      {GraphForm("  Width = 2147483648\n"), 2, 11, "out of range for Width"},
      {GraphForm("  Color = 4294967296\n"), 2, 11, "out of range for Color"},
      {GraphForm("  XAxis.OriginValue = 1e999\n"), 2, 23, "out of range for XAxis.OriginValue"},
      {GraphForm("  OnMouseUp = Nope\n"), 2, 15, "unknown method Nope for OnMouseUp"},
      {GraphForm("  OnClick = GraphMouseUp\n"), 2, 13, "method GraphMouseUp does not fit the event OnClick"},
      {GraphForm("  Title = 5\n"), 2, 11, "expected a string for Title"},
      {GraphForm("  Xorigin = 5\n"), 2, 3, "Xorigin is read-only"},
      {GraphForm("  XAxis = 5\n"), 2, 11, "expected the properties of XAxis one by one"},
      {GraphForm("  Width.Height = 5\n"), 2, 3, "Width has no properties of its own"},
      {GraphForm("  Title = 'open\n"), 2, 11, "a string without its closing quote"},
      {GraphForm("  Title = #1114112\n"), 2, 11, "beyond U+10FFFF"},
      {GraphForm("  Title = 'a' +\n  Width = 1\n"), 3, 3, "expected a string after '+'"},
      {GraphForm("  PixelsPerInch = 0\n"), 2, 19, "expected a resolution"},
      {GraphForm("  Title = {00}\n"), 2, 11, "expected a value"},
      {"object Graph1: TPelkgraph\n  Width = 1\n", 3, 1, "found the end of the file"},
      {GraphForm("") + "x\n", 3, 1, "expected the end of the file after the last 'end'"},
      {deep, 33, 1, "objects nested deeper than 32"},
      {GraphForm("  Title = '" + std::string(kMaxFormString + 1, 'a') + "'\n"), 2, 11, "a string longer than"},
      {GraphForm("  Width = " + std::string(300, '9') + "\n"), 2, 11, "longer than 256 characters"},
  };
  const TMethodTable methods{{"GraphMouseUp", TMouseEvent([](TObject*, TMouseButton, TShiftState, int, int) {})}};
  FormReadOptions options;
  options.methods = &methods;
  for (const Case& c : cases) {
    TPelkgraph graph(nullptr);
    try {
      ReadFormString(c.text, graph, options, "bad.pfm");
      ADD_FAILURE() << "no error for " << c.says;
    } catch (const EFormError& e) {
      EXPECT_EQ(e.FileName(), "bad.pfm");
      EXPECT_EQ(e.Line(), c.line) << e.what();
      EXPECT_EQ(e.Column(), c.column) << e.what();
      EXPECT_NE(e.What().find(c.says), std::string::npos) << e.what();
      const std::string prefix = "bad.pfm:" + std::to_string(c.line) + ":" + std::to_string(c.column) + ": ";
      EXPECT_EQ(std::string(e.what()).rfind(prefix, 0), 0u) << e.what();
    }
  }
}

TEST(FormFiles, UnknownPropertiesCanBeSkippedAsWarnings) {
  FormReadOptions options;
  options.skipUnknownProperties = true;
  TPelkgraph graph(nullptr);
  const FormReadResult result =
      ReadFormString(GraphForm("  Wdth = 1\n  Width = 420\n  XAxis.Colour = clRed\n"), graph, options, "x.pfm");
  EXPECT_EQ(graph.Width(), 420);
  EXPECT_EQ(result.warnings, (std::vector<std::string>{"x.pfm:2:3: unknown property Wdth of TPelkgraph skipped",
                                                       "x.pfm:4:3: unknown property Colour of TAxis skipped"}));
}

TEST(FormFiles, EventsAreWrittenByNameAndBoundThroughTheHostsMethods) {
  int mouseUps = 0;
  int clicks = 0;
  const TMethodTable methods{
      {"GraphMouseUp", TMouseEvent([&](TObject*, TMouseButton, TShiftState, int, int) { ++mouseUps; })},
      {"GraphClick", TNotifyEvent([&](TObject*) { ++clicks; })},
  };
  FormWriteOptions writeOptions;
  writeOptions.eventHandlers = {{"OnMouseUp", "GraphMouseUp"}, {"OnClick", "GraphClick"}};
  TPelkgraph written(nullptr);
  const std::string text = WriteFormString(written, writeOptions);
  EXPECT_TRUE(HasLine(text, "  OnMouseUp = GraphMouseUp"));
  EXPECT_TRUE(HasLine(text, "  OnClick = GraphClick"));
  EXPECT_EQ(WriteFormString(written).find("OnMouseUp"), std::string::npos);

  FormReadOptions readOptions;
  readOptions.methods = &methods;
  TPelkgraph read(nullptr);
  const FormReadResult result = ReadFormString(text, read, readOptions);
  EXPECT_EQ(result.eventHandlers, writeOptions.eventHandlers);
  read.MouseUp(mbLeft, TShiftState{}, 0, 0);
  read.Click();
  EXPECT_EQ(mouseUps, 1);
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(read.OnMouseDown);
  EXPECT_THROW(ReadFormString(text, read), EFormError);  // no methods to bind to
}

TEST(FormFiles, FailedLoadLeavesTheGraphAsItWas) {
  const std::string failures[] = {
      GraphForm("  Width = 420\n  Title = 'new'\n  XAxis.AxisLabel = 'new'\n  Border = Maybe\n"),
      GraphForm("  Title = 'new'\n  object Inner: TPelkgraph\n    Width = 'x'\n  end\n"),
      GraphForm("  TitleFont.Name = 'Courier'\n  OnMouseUp = Missing\n"),
      GraphForm("  Subtitle = 'new'\n  Height = 100\n") + "trailing\n",
  };
  for (const std::string& text : failures) {
    DesignedGraph designed;
    TPelkgraph& graph = *designed.graph;
    graph.SetTitle("mine");
    graph.XAxis().SetDivWidth(77);
    designed.form.ProcessMessages();
    const std::string before = WriteFormString(graph);
    EXPECT_THROW(ReadFormString(text, graph), EFormError);
    EXPECT_EQ(WriteFormString(graph), before) << text;
    EXPECT_FALSE(designed.form.IsInvalidated(graph)) << text;
    EXPECT_TRUE(graph.Components().empty());
  }
}

TEST(FormFiles, NestedObjectsAreConstructedThroughTheClassRegistry) {
  const std::string text = GraphForm("  Title = 'outer'\n  object Inner: TPelkgraph\n    Title = 'inner'\n  end\n");
  TPelkgraph graph(nullptr);
  const FormReadResult result = ReadFormString(text, graph);
  ASSERT_EQ(result.components.size(), 1u);
  const auto& inner = dynamic_cast<const TPelkgraph&>(*result.components[0]);
  EXPECT_EQ(inner.Name(), "Inner");
  EXPECT_EQ(inner.Title(), "inner");
  EXPECT_EQ(inner.Owner(), &graph);
  EXPECT_NE(WriteFormString(graph).find("\n  object Inner: TPelkgraph\n    Left = 0\n"), std::string::npos);

  const LoadedForm form = ReadComponentFromString(text);
  EXPECT_EQ(form.root->Name(), "Graph1");
  EXPECT_EQ(dynamic_cast<const TPelkgraph&>(*form.root).Title(), "outer");
  ASSERT_EQ(form.result.components.size(), 1u);
  EXPECT_EQ(form.result.components[0]->Owner(), form.root.get());
}

class FormFileIo : public TempDirTest {};

TEST_F(FormFileIo, FilesAndStreamsRoundTripAndFailuresNameTheFile) {
  TPelkgraph graph(nullptr);
  graph.SetTitle("saved");
  const std::string path = PathOf("graph.pfm");
  WriteFormFile(path, graph);
  TPelkgraph fromFile(nullptr);
  ReadFormFile(path, fromFile);
  EXPECT_EQ(fromFile.Title(), "saved");
  EXPECT_EQ(Entries(), std::vector<std::string>{"graph.pfm"});  // no temporary left behind

  std::ostringstream out;
  WriteFormStream(out, graph);
  std::istringstream in(out.str());
  TPelkgraph fromStream(nullptr);
  ReadFormStream(in, fromStream);
  EXPECT_EQ(fromStream.Title(), "saved");

  // Names the reader could not read back fail the write; the file stays.
  TPelkgraph badName(nullptr);
  badName.SetName("My Graph");
  EXPECT_THROW(WriteFormFile(path, badName), EPlatformError);
  FormWriteOptions badMethod;
  badMethod.eventHandlers["OnClick"] = "Graph Click";
  EXPECT_THROW(WriteFormFile(path, graph, badMethod), EPlatformError);
  ReadFormFile(path, fromFile);
  EXPECT_EQ(fromFile.Title(), "saved");

  const std::string missingDir = PathOf("no/such/dir.pfm");
  try {
    WriteFormFile(missingDir, graph);
    ADD_FAILURE() << "no error";
  } catch (const EFileError& e) {
    EXPECT_EQ(e.Path(), missingDir);
  }
  EXPECT_THROW(ReadFormFile(PathOf("missing.pfm"), graph), EFileError);

  std::ofstream(PathOf("bad.pfm")) << "object G: TPelkgraph\n  Width = x\nend\n";
  try {
    ReadFormFile(PathOf("bad.pfm"), graph);
    ADD_FAILURE() << "no error";
  } catch (const EFormError& e) {
    EXPECT_EQ(e.FileName(), PathOf("bad.pfm"));
    EXPECT_EQ(e.Line(), 2);
  }
}

TEST(FormFiles, PropertyTablesNameEachPropertyOnceAndCanReadAndWriteIt) {
  for (const PropertyTable* table : {&PelkgraphProperties(), &AxisProperties(), &ZoomBoxProperties(), &FontProperties()}) {
    for (const PropertyInfo& info : table->properties) {
      EXPECT_EQ(table->Find(info.name), &info) << table->className << "." << info.name << " is listed twice";
      switch (info.kind) {
        case PropertyKind::Object:
          EXPECT_TRUE(info.object && info.objectTable) << info.name;
          break;
        case PropertyKind::Event:
          EXPECT_TRUE(info.bind) << info.name;
          break;
        default:
          EXPECT_TRUE(info.get) << info.name;
          EXPECT_EQ(static_cast<bool>(info.set), info.storage != PropertyStorage::ReadOnly) << info.name;
          if (info.kind == PropertyKind::Enumeration || info.kind == PropertyKind::Set) {
            EXPECT_FALSE(info.identifiers.empty()) << info.name;
          }
      }
    }
  }
}
