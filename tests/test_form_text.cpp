// The form-file text format: strings and numbers spelled by the writer read
// back exactly; the parser's tree of objects and entries.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "platform/FormText.h"

using namespace pelk;

namespace {

// The value of `X = <value>` inside an object block.
FormValue ParsedValue(const std::string& value) {
  const FormObject object = ParseFormText("object A: B\n  X = " + value + "\nend\n", "t.pfm");
  EXPECT_EQ(object.entries.size(), 1u);
  return object.entries.at(0).value;
}

template <typename T>
T ReadNumber(const FormValue& value) {
  if (value.text == kFormNaN) return std::numeric_limits<T>::quiet_NaN();
  if (value.text == kFormInfinity) return std::numeric_limits<T>::infinity();
  if (value.text == kFormNegativeInfinity) return -std::numeric_limits<T>::infinity();
  T result{};
  std::from_chars(value.text.data(), value.text.data() + value.text.size(), result);
  return result;
}

}  // namespace

TEST(FormText, StringsReadBackExactly) {
  const std::string cases[] = {
      "",
      "plain",
      "it's",
      "''",
      "#13 is not a code inside quotes",
      std::string("nul\0inside", 10),
      "tab\tand\nnewline\r\n",
      "\xC3\xA9t\xC3\xA9 \xE4\xB8\xAD \xF0\x9F\x98\x80",
      std::string(64, 'x'),
      std::string(65, 'y'),
      std::string(500, '\''),
      "a" + std::string(200, '\n'),
  };
  for (const std::string& text : cases) {
    const std::string written = FormatFormString(text, 4);
    const FormValue value = ParsedValue(written);
    EXPECT_EQ(value.kind, FormValueKind::String) << written;
    EXPECT_EQ(value.text, text) << written;
    for (std::size_t at = written.find('\n'); at != std::string::npos; at = written.find('\n', at + 1)) {
      EXPECT_EQ(written.compare(at - 2, 3, " +\n"), 0) << "a long string continues with + at the line's end";
    }
  }
}

TEST(FormText, StringsAreSpelledAsThePlatformDoes) {
  struct Case {
    const char* text;
    const char* written;
  };
  const Case cases[] = {
      {"", "''"},
      {"It's", "'It''s'"},
      {"a\nb", "'a'#10'b'"},
      {"\xC3\xA4", "#228"},
      {"\xFF", "#255"},  // invalid UTF-8: the byte as a Latin-1 character
  };
  for (const Case& c : cases) EXPECT_EQ(FormatFormString(c.text, 2), c.written);
}

TEST(FormText, FloatsReadBackIdenticalAsDoubleAndSingle) {
  const double doubles[] = {0.0, -0.0, 0.1, 1.0 / 3, 1e300, -1e-300, 5e-324, 123456789.125,
                            std::numeric_limits<double>::max(), std::numeric_limits<double>::infinity(),
                            -std::numeric_limits<double>::infinity()};
  for (double d : doubles) {
    const double back = ReadNumber<double>(ParsedValue(FormatFormDouble(d)));
    EXPECT_EQ(back, d) << FormatFormDouble(d);
    EXPECT_EQ(std::signbit(back), std::signbit(d)) << FormatFormDouble(d);
  }
  const float singles[] = {0.1f, 1.0f / 3, 3.4e38f, 1e-45f, -2.5f, 16777217.0f};
  for (float f : singles) EXPECT_EQ(ReadNumber<float>(ParsedValue(FormatFormSingle(f))), f) << FormatFormSingle(f);
  EXPECT_TRUE(std::isnan(ReadNumber<double>(ParsedValue(FormatFormDouble(std::nan(""))))));
}

TEST(FormText, ParsesObjectsEntriesAndValueKinds) {
  const FormObject root = ParseFormText(
      "OBJECT Outer: TOuter\r\n"
      "  Count = -12\r\n"
      "  Mask = $FF\r\n"
      "  Scale = 1.5E+3\r\n"
      "  Group.Member.Leaf = Name\r\n"
      "  Styles = [fsBold, fsItalic]\r\n"
      "  None = []\r\n"
      "  object TAnonymous\r\n"
      "  END\r\n"
      "end\r\n",
      "t.pfm");
  EXPECT_EQ(root.name, "Outer");
  EXPECT_EQ(root.className, "TOuter");
  struct Case {
    const char* name;
    FormValueKind kind;
    const char* text;
    std::size_t elements;
    int line;
  };
  const Case cases[] = {
      {"Count", FormValueKind::Integer, "-12", 0, 2},
      {"Mask", FormValueKind::Integer, "$FF", 0, 3},
      {"Scale", FormValueKind::Float, "1.5E+3", 0, 4},
      {"Group.Member.Leaf", FormValueKind::Identifier, "Name", 0, 5},
      {"Styles", FormValueKind::Set, "", 2, 6},
      {"None", FormValueKind::Set, "", 0, 7},
  };
  ASSERT_EQ(root.entries.size(), std::size(cases));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const FormEntry& e = root.entries[i];
    EXPECT_EQ(e.name, cases[i].name);
    EXPECT_EQ(e.value.kind, cases[i].kind) << e.name;
    EXPECT_EQ(e.value.text, cases[i].text) << e.name;
    EXPECT_EQ(e.value.elements.size(), cases[i].elements) << e.name;
    EXPECT_EQ(e.where.line, cases[i].line) << e.name;
    EXPECT_EQ(e.where.column, 3) << e.name;
  }
  ASSERT_EQ(root.children.size(), 1u);
  EXPECT_EQ(root.children[0].name, "");
  EXPECT_EQ(root.children[0].className, "TAnonymous");
  EXPECT_EQ(root.children[0].where.line, 8);
}
