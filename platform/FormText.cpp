#include "platform/FormText.h"

#include <charconv>
#include <cmath>

#include "platform/Utf8.h"

namespace pelk {

EFormError::EFormError(const std::string& fileName, FormPosition where, const std::string& what)
    : EReadError(fileName + ":" + std::to_string(where.line) + ":" + std::to_string(where.column) + ": " + what),
      fileName_(fileName),
      where_(where),
      what_(what) {}

namespace {
constexpr char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
}  // namespace

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i] && AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

namespace {

enum class TokenKind : std::uint8_t { End, Identifier, Integer, Float, String, Symbol };

struct Token {
  TokenKind kind = TokenKind::End;
  FormPosition where;
  std::string text;  // String: decoded UTF-8; Symbol: the one character
};

// ASCII classes, independent of the locale.
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsIdentStart(char c) { return (AsciiLower(c) >= 'a' && AsciiLower(c) <= 'z') || c == '_'; }
bool IsIdentChar(char c) { return IsIdentStart(c) || IsDigit(c); }
bool IsHexDigit(char c) { return IsDigit(c) || (AsciiLower(c) >= 'a' && AsciiLower(c) <= 'f'); }

std::string Describe(const Token& t) {
  switch (t.kind) {
    case TokenKind::End:
      return "the end of the file";
    case TokenKind::Identifier:
      return "'" + t.text + "'";
    case TokenKind::Integer:
    case TokenKind::Float:
      return "the number " + t.text;
    case TokenKind::String:
      return "a string";
    case TokenKind::Symbol:
      break;
  }
  const auto c = static_cast<unsigned char>(t.text[0]);
  if (c < 0x20 || c >= 0x7F) return "the byte #" + std::to_string(c);
  return "'" + t.text + "'";
}

class Lexer {
 public:
  Lexer(std::string_view text, const std::string& fileName) : text_(text), fileName_(fileName) {}

  [[noreturn]] void Fail(FormPosition where, const std::string& what) const { throw EFormError(fileName_, where, what); }

  Token Next() {
    SkipSpace();
    Token t;
    t.where = here_;
    if (pos_ >= text_.size()) return t;
    const char c = text_[pos_];
    if (IsIdentStart(c)) {
      t.kind = TokenKind::Identifier;
      t.text = TakeWhile(IsIdentChar, t.where);
    } else if (IsDigit(c) || ((c == '-' || c == '+') && pos_ + 1 < text_.size() && IsDigit(text_[pos_ + 1]))) {
      LexNumber(t);
    } else if (c == '$') {
      Advance();
      if (pos_ >= text_.size() || !IsHexDigit(text_[pos_])) Fail(here_, "expected hexadecimal digits after '$'");
      t.kind = TokenKind::Integer;
      t.text = "$" + TakeWhile(IsHexDigit, t.where);
    } else if (c == '\'' || c == '#') {
      t.kind = TokenKind::String;
      LexString(t);
    } else {
      t.kind = TokenKind::Symbol;
      t.text = std::string(1, c);
      Advance();
    }
    return t;
  }

 private:
  void Advance() {
    if (text_[pos_] == '\n') {
      ++here_.line;
      here_.column = 1;
    } else {
      ++here_.column;
    }
    ++pos_;
  }

  void SkipSpace() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\r' || text_[pos_] == '\n')) {
      Advance();
    }
  }

  template <typename Pred>
  std::string TakeWhile(Pred pred, FormPosition start) {
    const std::size_t from = pos_;
    while (pos_ < text_.size() && pred(text_[pos_])) {
      if (pos_ - from >= kMaxFormToken) Fail(start, "a name or number longer than " + std::to_string(kMaxFormToken) + " characters");
      Advance();
    }
    return std::string(text_.substr(from, pos_ - from));
  }

  void LexNumber(Token& t) {
    const std::size_t from = pos_;
    t.kind = TokenKind::Integer;
    Advance();  // sign or first digit
    TakeWhile(IsDigit, t.where);
    if (pos_ + 1 < text_.size() && text_[pos_] == '.' && IsDigit(text_[pos_ + 1])) {
      t.kind = TokenKind::Float;
      Advance();
      TakeWhile(IsDigit, t.where);
    }
    if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
      t.kind = TokenKind::Float;
      Advance();
      if (pos_ < text_.size() && (text_[pos_] == '-' || text_[pos_] == '+')) Advance();
      if (pos_ >= text_.size() || !IsDigit(text_[pos_])) Fail(here_, "expected the digits of an exponent");
      TakeWhile(IsDigit, t.where);
    }
    if (pos_ - from > kMaxFormToken) Fail(t.where, "a number longer than " + std::to_string(kMaxFormToken) + " characters");
    t.text = std::string(text_.substr(from, pos_ - from));
  }

  void Append(Token& t, char32_t c, FormPosition where) {
    AppendUtf8(t.text, c);
    if (t.text.size() > kMaxFormString) Fail(where, "a string longer than " + std::to_string(kMaxFormString) + " bytes");
  }

  // Quoted parts and #nnn character codes written next to each other.
  void LexString(Token& t) {
    while (pos_ < text_.size() && (text_[pos_] == '\'' || text_[pos_] == '#')) {
      if (text_[pos_] == '#') {
        LexCharacterCode(t);
        continue;
      }
      const FormPosition open = here_;
      Advance();
      for (;;) {
        if (pos_ >= text_.size() || text_[pos_] == '\n') Fail(open, "a string without its closing quote");
        if (text_[pos_] == '\'') {
          if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
            Advance();
            Advance();
            Append(t, U'\'', open);
            continue;
          }
          Advance();
          break;
        }
        std::size_t next = pos_;
        const char32_t c = NextCodePoint(text_, next);
        while (pos_ < next) Advance();
        Append(t, c, open);
      }
    }
  }

  void LexCharacterCode(Token& t) {
    const FormPosition at = here_;
    Advance();  // '#'
    const bool hex = pos_ < text_.size() && text_[pos_] == '$';
    if (hex) Advance();
    const std::string digits = hex ? TakeWhile(IsHexDigit, at) : TakeWhile(IsDigit, at);
    if (digits.empty()) Fail(at, hex ? "expected hexadecimal digits after '#$'" : "expected a character code after '#'");
    std::uint64_t code = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), code, hex ? 16 : 10);
    if (ec != std::errc{} || end != digits.data() + digits.size() || code > 0x10FFFF) {
      Fail(at, "character code #" + digits + " is beyond U+10FFFF");
    }
    Append(t, static_cast<char32_t>(code), at);
  }

  std::string_view text_;
  const std::string& fileName_;
  std::size_t pos_ = 0;
  FormPosition here_;
};

class Parser {
 public:
  Parser(std::string_view text, const std::string& fileName) : lexer_(text, fileName) { Shift(); }

  FormObject ParseRoot() {
    FormObject root = ParseObject(1);
    if (token_.kind != TokenKind::End) Fail("expected the end of the file after the last 'end'");
    return root;
  }

 private:
  void Shift() { token_ = lexer_.Next(); }
  [[noreturn]] void Fail(const std::string& expected) {
    lexer_.Fail(token_.where, expected + ", found " + Describe(token_));
  }
  bool IsWord(std::string_view word) const { return token_.kind == TokenKind::Identifier && SameText(token_.text, word); }
  bool IsSymbol(char c) const { return token_.kind == TokenKind::Symbol && token_.text[0] == c; }

  std::string TakeIdentifier(const char* expected) {
    if (token_.kind != TokenKind::Identifier) Fail(expected);
    std::string name = std::move(token_.text);
    Shift();
    return name;
  }

  FormObject ParseObject(int depth) {
    if (!IsWord("object")) Fail("expected 'object'");
    if (depth > kMaxFormNesting) lexer_.Fail(token_.where, "objects nested deeper than " + std::to_string(kMaxFormNesting));
    FormObject object;
    object.where = token_.where;
    Shift();
    std::string first = TakeIdentifier("expected the object's name or class after 'object'");
    if (IsSymbol(':')) {
      Shift();
      object.name = std::move(first);
      object.className = TakeIdentifier("expected a class name after ':'");
    } else {
      object.className = std::move(first);
    }
    for (;;) {
      if (IsWord("end")) {
        Shift();
        return object;
      }
      if (IsWord("object")) {
        object.children.push_back(ParseObject(depth + 1));
        continue;
      }
      if (token_.kind != TokenKind::Identifier) Fail("expected a property name, 'object' or 'end'");
      object.entries.push_back(ParseEntry());
    }
  }

  FormEntry ParseEntry() {
    FormEntry entry;
    entry.where = token_.where;
    entry.name = TakeIdentifier("expected a property name");
    while (IsSymbol('.')) {
      Shift();
      entry.name += '.';
      entry.name += TakeIdentifier("expected a property name after '.'");
      if (entry.name.size() > kMaxFormToken) lexer_.Fail(entry.where, "a property name longer than " + std::to_string(kMaxFormToken) + " characters");
    }
    if (!IsSymbol('=')) Fail("expected '=' after " + entry.name);
    Shift();
    entry.value = ParseValue();
    return entry;
  }

  FormValue ParseValue() {
    FormValue value;
    value.where = token_.where;
    switch (token_.kind) {
      case TokenKind::Integer:
      case TokenKind::Float:
        value.kind = token_.kind == TokenKind::Integer ? FormValueKind::Integer : FormValueKind::Float;
        value.text = std::move(token_.text);
        Shift();
        return value;
      case TokenKind::Identifier:
        value.kind = FormValueKind::Identifier;
        value.text = std::move(token_.text);
        Shift();
        return value;
      case TokenKind::String:
        value.kind = FormValueKind::String;
        value.text = std::move(token_.text);
        Shift();
        while (IsSymbol('+')) {
          Shift();
          if (token_.kind != TokenKind::String) Fail("expected a string after '+'");
          value.text += token_.text;
          if (value.text.size() > kMaxFormString) lexer_.Fail(value.where, "a string longer than " + std::to_string(kMaxFormString) + " bytes");
          Shift();
        }
        return value;
      default:
        break;
    }
    if (!IsSymbol('[')) Fail("expected a value (a number, a name, a string or a set)");
    value.kind = FormValueKind::Set;
    Shift();
    if (IsSymbol(']')) {
      Shift();
      return value;
    }
    for (;;) {
      if (value.elements.size() == kMaxFormSetElements) Fail("a set of at most " + std::to_string(kMaxFormSetElements) + " elements");
      value.elements.push_back(TakeIdentifier("expected the name of a set element"));
      if (IsSymbol(']')) {
        Shift();
        return value;
      }
      if (!IsSymbol(',')) Fail("expected ',' or ']' in a set");
      Shift();
    }
  }

  Lexer lexer_;
  Token token_;
};

bool IsPlainCharacter(char32_t c) { return c >= 0x20 && c < 0x7F; }

template <typename T>
std::string FormatFloat(T value) {
  if (std::isnan(value)) return std::string(kFormNaN);
  if (std::isinf(value)) return std::string(value > 0 ? kFormInfinity : kFormNegativeInfinity);
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace

bool IsFormIdentifier(std::string_view name) {
  if (name.empty() || name.size() > kMaxFormToken || !IsIdentStart(name.front())) return false;
  for (char c : name) {
    if (!IsIdentChar(c)) return false;
  }
  return true;
}

FormObject ParseFormText(std::string_view text, const std::string& fileName) {
  return Parser(text, fileName).ParseRoot();
}

std::string FormatFormString(std::string_view utf8, int indent) {
  // Long texts are cut into pieces of this many characters, one per line.
  constexpr int kPieceLength = 64;
  if (utf8.empty()) return "''";
  std::string out;
  bool quoted = false;
  int pieceLength = 0;
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    if (pieceLength == kPieceLength) {
      if (quoted) out += '\'';
      quoted = false;
      out += " +\n";
      out.append(static_cast<std::size_t>(indent), ' ');
      pieceLength = 0;
    }
    const char32_t c = NextCodePoint(utf8, pos);
    ++pieceLength;
    if (IsPlainCharacter(c)) {
      if (!quoted) out += '\'';
      quoted = true;
      out += static_cast<char>(c);
      if (c == U'\'') out += '\'';
    } else {
      if (quoted) out += '\'';
      quoted = false;
      out += '#';
      out += std::to_string(static_cast<std::uint32_t>(c));
    }
  }
  if (quoted) out += '\'';
  return out;
}

std::string FormatFormDouble(double value) { return FormatFloat(value); }
std::string FormatFormSingle(float value) { return FormatFloat(value); }

}  // namespace pelk
