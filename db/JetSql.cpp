#include "JetSql.h"

#include <cctype>

#include "DatabaseError.h"
#include "ui/SysUtils.h"

// The text is code page 936: a trail byte may be '[', ']', '`' or a letter, so the
// scans below step over whole characters. The quotes, comment marks and blanks
// they look for are never trail bytes.

namespace {

size_t CharLen(const std::string& text, size_t i) {
  return IsLeadByte936(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
}

bool IsIdentChar(char c) {
  const auto u = static_cast<unsigned char>(c);
  return u >= 0x80 || std::isalnum(u) || c == '_' || c == '$';
}

// Position of the first character `c` at or after `from`, or npos.
size_t FindChar(const std::string& text, size_t from, char c) {
  for (size_t i = from; i < text.size(); i += CharLen(text, i))
    if (text[i] == c) return i;
  return std::string::npos;
}

// Index just past the end of the quoted run starting at `start` (which holds the
// opening `quote`); a doubled closing quote continues the run. npos if unterminated.
size_t SkipQuoted(const std::string& text, size_t start, char quote) {
  for (size_t i = FindChar(text, start + 1, quote); i != std::string::npos;
       i = FindChar(text, i + 2, quote)) {
    if (i + 1 >= text.size() || text[i + 1] != quote) return i + 1;
  }
  return std::string::npos;
}

// Index just past a token SQLite reads on its own (a single-quoted literal, a
// bracketed or back-quoted identifier, a comment) starting at `i`, or `i` when
// none starts there. An unterminated token runs to the end: SQLite reports it.
size_t SkipPassThrough(const std::string& text, size_t i) {
  const char c = text[i];
  const char next = i + 1 < text.size() ? text[i + 1] : '\0';
  size_t end = i;
  if (c == '\'' || c == '`') {
    end = SkipQuoted(text, i, c);
  } else if (c == '[') {
    end = FindChar(text, i + 1, ']');
    if (end != std::string::npos) ++end;
  } else if (c == '-' && next == '-') {
    end = text.find('\n', i + 2);
  } else if (c == '/' && next == '*') {
    end = text.find("*/", i + 2);
    if (end != std::string::npos) end += 2;
  }
  return end == std::string::npos ? text.size() : end;
}

// The content of the literal text[start, end), its doubled quotes made single.
std::string Unquote(const std::string& text, size_t start, size_t end, char quote) {
  std::string value;
  for (size_t i = start + 1; i + 1 < end; ++i) {
    value += text[i];
    if (text[i] == quote) ++i;
  }
  return value;
}

bool MatchWord(const std::string& text, size_t& pos, const char* word) {
  size_t i = pos;
  for (; *word; ++word, ++i) {
    if (i >= text.size() || std::tolower(static_cast<unsigned char>(text[i])) != *word) return false;
  }
  if (i < text.size() && IsIdentChar(text[i]) && IsIdentChar(word[-1])) return false;
  pos = i;
  return true;
}

void SkipBlanks(const std::string& text, size_t& pos) {
  while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos]))) ++pos;
}

// A table name at `pos`: a bare word, [bracketed] or `back-quoted`; empty if none.
std::string ReadTableName(const std::string& text, size_t& pos) {
  if (pos >= text.size()) return {};
  const char c = text[pos];
  if (c == '[' || c == '`') {
    const size_t end = FindChar(text, pos + 1, c == '[' ? ']' : '`');
    if (end == std::string::npos || end == pos + 1) return {};
    if (c == '`' && end + 1 < text.size() && text[end + 1] == '`') return {};
    std::string name = text.substr(pos + 1, end - pos - 1);
    pos = end + 1;
    return name;
  }
  const size_t start = pos;
  while (pos < text.size() && IsIdentChar(text[pos])) pos += CharLen(text, pos);
  return text.substr(start, pos - start);
}

[[noreturn]] void RaiseUnterminated(const std::string& text, size_t start) {
  std::string rest = text.substr(start);
  while (!rest.empty() && static_cast<unsigned char>(rest.back()) <= ' ') rest.pop_back();
  throw EDatabaseError("Syntax error in string in query expression '" + rest + "'.");
}

}  // namespace

TJetStatement TranslateJetSql(const std::string& text) {
  TJetStatement statement;
  size_t i = 0;
  while (i < text.size()) {
    const size_t passed = SkipPassThrough(text, i);
    if (passed != i) {
      statement.Sql.append(text, i, passed - i);
      i = passed;
      continue;
    }
    if (text[i] != '"') {
      const size_t len = CharLen(text, i);
      statement.Sql.append(text, i, len);
      i += len;
      continue;
    }
    const size_t end = SkipQuoted(text, i, '"');
    if (end == std::string::npos) RaiseUnterminated(text, i);
    statement.Params.push_back(Unquote(text, i, end, '"'));
    statement.Sql += '?';
    statement.Sql += std::to_string(statement.Params.size());
    // "?12" must not run into digits or letters that followed the literal.
    if (end < text.size() && IsIdentChar(text[end])) statement.Sql += ' ';
    i = end;
  }
  return statement;
}

std::string PlainSelectTable(const std::string& text) {
  size_t pos = 0;
  SkipBlanks(text, pos);
  if (!MatchWord(text, pos, "select")) return {};
  SkipBlanks(text, pos);
  if (!MatchWord(text, pos, "*")) return {};
  SkipBlanks(text, pos);
  if (!MatchWord(text, pos, "from")) return {};
  SkipBlanks(text, pos);
  std::string table = ReadTableName(text, pos);
  SkipBlanks(text, pos);
  if (pos < text.size() && text[pos] == ';') ++pos;
  SkipBlanks(text, pos);
  return pos == text.size() ? table : std::string();
}

bool SplitSelectStar(const std::string& text, std::string& table, size_t& rest) {
  size_t pos = 0;
  SkipBlanks(text, pos);
  if (!MatchWord(text, pos, "select")) return false;
  SkipBlanks(text, pos);
  if (!MatchWord(text, pos, "*")) return false;
  SkipBlanks(text, pos);
  if (!MatchWord(text, pos, "from")) return false;
  SkipBlanks(text, pos);
  table = ReadTableName(text, pos);
  if (table.empty()) return false;
  rest = pos;
  SkipBlanks(text, pos);
  if (pos < text.size() && text[pos] == ';') ++pos;
  SkipBlanks(text, pos);
  if (pos == text.size()) return true;
  pos = rest;
  SkipBlanks(text, pos);
  return pos > rest && MatchWord(text, pos, "where");
}

std::string JetQuotedStr(const std::string& value) {
  std::string quoted = "\"";
  for (char c : value) {
    quoted += c;
    if (c == '"') quoted += '"';
  }
  return quoted + "\"";
}
