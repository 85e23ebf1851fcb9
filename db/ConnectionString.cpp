#include "ConnectionString.h"

#include "ui/SysUtils.h"

namespace {

// Reads a value starting at `pos` up to the next ';' (or past its closing quote).
std::string ReadValue(const std::string& text, size_t& pos) {
  while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
  if (pos < text.size() && (text[pos] == '"' || text[pos] == '\'')) {
    const char quote = text[pos++];
    std::string value;
    while (pos < text.size()) {
      if (text[pos] == quote && !(pos + 1 < text.size() && text[pos + 1] == quote)) {
        ++pos;
        break;
      }
      if (text[pos] == quote) ++pos;
      value += text[pos++];
    }
    const size_t end = text.find(';', pos);
    pos = end == std::string::npos ? text.size() : end;
    return value;
  }
  const size_t end = text.find(';', pos);
  std::string value = text.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
  pos = end == std::string::npos ? text.size() : end;
  return Trim(value);
}

}  // namespace

TConnectionString ParseConnectionString(const std::string& text) {
  TConnectionString result;
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t equals = text.find('=', pos);
    const size_t semicolon = text.find(';', pos);
    if (equals == std::string::npos || (semicolon != std::string::npos && semicolon < equals)) {
      if (semicolon == std::string::npos) break;
      pos = semicolon + 1;  // a part without '=' says nothing
      continue;
    }
    const std::string key = Trim(text.substr(pos, equals - pos));
    pos = equals + 1;
    std::string value = ReadValue(text, pos);
    if (SameText(key, "Data Source"))
      result.DataSource = std::move(value);
    else if (SameText(key, "Jet OLEDB:Database Password"))
      result.Password = std::move(value);
    if (pos < text.size()) ++pos;  // the ';'
  }
  return result;
}

std::string ConnectionStringValue(const std::string& value) {
  const bool plain = value.find_first_of(";\"'") == std::string::npos &&
                     (value.empty() || (value.front() != ' ' && value.front() != '\t' &&
                                        value.back() != ' ' && value.back() != '\t'));
  if (plain) return value;
  std::string quoted = "\"";
  for (char c : value) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}
