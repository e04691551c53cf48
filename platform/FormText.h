// The text form-file format: parsing a file into a tree of objects and
// entries, and spelling values the way the parser reads them back.
//
//   object Graph1: TPelkgraph
//     Width = 300
//     XAxis.DivisionWidth = 50
//     TitleFont.Style = [fsBold]
//     Title = 'It''s a graph'#10 +
//       'second line'
//   end
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Errors.h"

namespace pelk {

struct FormPosition {
  int line = 1;
  int column = 1;
};

// A malformed or unreadable form file: the message is
// "FILE:LINE:COLUMN: what was expected or what is wrong".
class EFormError : public EReadError {
 public:
  EFormError(const std::string& fileName, FormPosition where, const std::string& what);
  const std::string& FileName() const { return fileName_; }
  int Line() const { return where_.line; }
  int Column() const { return where_.column; }
  const std::string& What() const { return what_; }

 private:
  std::string fileName_;
  FormPosition where_;
  std::string what_;
};

// Limits that keep any input cheap to read.
inline constexpr int kMaxFormNesting = 32;                  // object blocks inside each other
inline constexpr std::size_t kMaxFormString = 1 << 20;      // bytes of one string value
inline constexpr std::size_t kMaxFormToken = 256;           // characters of a name or number
inline constexpr std::size_t kMaxFormSetElements = 64;

enum class FormValueKind : std::uint8_t { Integer, Float, Identifier, String, Set };

struct FormValue {
  FormValueKind kind = FormValueKind::Integer;
  FormPosition where;
  // Integer and Float: the number as written; Identifier: the name;
  // String: the text as UTF-8.
  std::string text;
  std::vector<std::string> elements;  // Set: the identifiers between the brackets
};

struct FormEntry {
  std::string name;  // possibly dotted: "XAxis.DivisionWidth"
  FormPosition where;
  FormValue value;
};

struct FormObject {
  std::string name;  // empty when the block gives only a class
  std::string className;
  FormPosition where;
  std::vector<FormEntry> entries;
  std::vector<FormObject> children;
};

// Parses one object block (and what it nests). Throws EFormError naming
// fileName, the line and the column.
FormObject ParseFormText(std::string_view text, const std::string& fileName);

// Values spelled so that ParseFormText gives them back exactly.
std::string FormatFormString(std::string_view utf8, int indent);  // quotes, #nnn, + continuations
std::string FormatFormDouble(double value);                       // shortest text that reads back identical
std::string FormatFormSingle(float value);

// Identifiers the format uses for values a number cannot spell.
inline constexpr std::string_view kFormNaN = "NaN";
inline constexpr std::string_view kFormInfinity = "Inf";
inline constexpr std::string_view kFormNegativeInfinity = "NegInf";

// Case-insensitive ASCII comparison, as names in form files compare.
bool SameText(std::string_view a, std::string_view b);

// Whether a component or method name can be written unquoted: a letter or
// '_', then letters, digits or '_', at most kMaxFormToken characters.
bool IsFormIdentifier(std::string_view name);

}  // namespace pelk
