#include "sfText.h"

#include <cstdint>

namespace sf {

namespace {

constexpr bool IsTrimmed(unsigned char c) { return c <= ' ' || c == 0x7F; }

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Digits only; the magnitude must stay within `limit`.
bool ParseMagnitude(std::string_view digits, bool hex, std::uint64_t limit, std::uint64_t& out) {
  if (digits.empty()) return false;
  std::uint64_t v = 0;
  for (char c : digits) {
    int d = hex ? HexDigit(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
    if (d < 0) return false;
    v = v * (hex ? 16 : 10) + static_cast<std::uint64_t>(d);
    if (v > limit) return false;
  }
  out = v;
  return true;
}

}  // namespace

std::string_view Trim(std::string_view text) {
  size_t b = 0, e = text.size();
  while (b < e && IsTrimmed(static_cast<unsigned char>(text[b]))) ++b;
  while (e > b && IsTrimmed(static_cast<unsigned char>(text[e - 1]))) --e;
  return text.substr(b, e - b);
}

std::string FoldCase(std::string_view text) {
  std::string out(text);
  for (size_t i = 0; i < out.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(out[i]);
    if (IsLeadByte936(c))
      ++i;
    else if (c >= 'A' && c <= 'Z')
      out[i] = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

bool SameText(std::string_view a, std::string_view b) {
  return a.size() == b.size() && FoldCase(a) == FoldCase(b);
}

bool TryStrToInt(std::string_view text, int& value) {
  std::string_view s = text;
  bool negative = false;
  if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
    negative = s[0] == '-';
    s.remove_prefix(1);
  }
  bool hex = false;
  if (!s.empty() && s[0] == '$') {
    hex = true;
    s.remove_prefix(1);
  } else if (text.size() > 2 && s.size() >= 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    hex = true;
    s.remove_prefix(2);
  }
  std::uint64_t magnitude = 0;
  if (hex) {
    if (!ParseMagnitude(s, true, 0xFFFFFFFFu, magnitude)) return false;
    std::uint32_t bits = static_cast<std::uint32_t>(magnitude);
    if (negative) bits = 0u - bits;
    value = static_cast<int>(bits);
    return true;
  }
  if (!ParseMagnitude(s, false, negative ? 0x80000000u : 0x7FFFFFFFu, magnitude)) return false;
  std::int64_t v = negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
  value = static_cast<int>(v);
  return true;
}

std::string ExtractFileName(std::string_view path) {
  size_t start = 0;
  for (size_t i = 0; i < path.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(path[i]);
    if (IsLeadByte936(c))
      ++i;
    else if (c == '\\' || c == '/' || c == ':')
      start = i + 1;
  }
  return std::string(path.substr(start));
}

void RemoveLastChar936(std::string& text) {
  size_t last = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    last = i;
    if (IsLeadByte936(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) ++i;
  }
  text.resize(last);
}

std::string ShortenWithEllipsis(std::string_view text,
                                const std::function<bool(const std::string&)>& fits) {
  std::string out(text);
  if (fits(out)) return out;
  while (!out.empty() && !fits(out + "...")) RemoveLastChar936(out);
  return out + "...";
}

}  // namespace sf
