#include "CodePage.h"

#include <windows.h>

#include <cstdio>

namespace {

bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Appends the 936 bytes of `text` when GBK holds all of it; false, with nothing
// appended, when a character would come out as the default "?" or a look-alike.
// One call of the converter: GBK gives at most two bytes for a UTF-16 unit.
bool Append936(std::wstring_view text, std::string& out) {
  BOOL usedDefault = FALSE;
  const int size = static_cast<int>(text.size());
  const size_t at = out.size();
  out.resize(at + 2 * text.size());
  const int n = WideCharToMultiByte(CP_GBK, WC_NO_BEST_FIT_CHARS, text.data(), size, out.data() + at,
                                    2 * size, nullptr, &usedDefault);
  const bool whole = n > 0 && !usedDefault;
  out.resize(whole ? at + static_cast<size_t>(n) : at);
  return whole;
}

// One character: a single unit or a surrogate pair.
bool IsOneCharacter(std::wstring_view text) {
  return text.size() == 1 || (text.size() == 2 && IsHighSurrogate(text[0]) && IsLowSurrogate(text[1]));
}

// The code point of one character; a lone surrogate stands for itself.
unsigned long CodePoint(std::wstring_view c) {
  if (c.size() == 2) return 0x10000ul + ((c[0] - 0xD800ul) << 10) + (c[1] - 0xDC00ul);
  return c[0];
}

void AppendReference(unsigned long codePoint, std::string& out) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "&#x%lX;", codePoint);
  out += buffer;
}

// Text GBK holds converts in one call. Otherwise the text is split in halves (never
// between the units of a pair), and each half again, down to single characters
// GBK lacks, which become references: a long text with a few such characters
// takes a few calls. The code page has no shift states, so the pieces give the
// same bytes the whole would.
void AppendAnsi(std::wstring_view text, std::string& out) {
  if (text.empty() || Append936(text, out)) return;
  if (IsOneCharacter(text)) {
    AppendReference(CodePoint(text), out);
    return;
  }
  size_t half = text.size() / 2;
  if (IsLowSurrogate(text[half]) && IsHighSurrogate(text[half - 1])) half += half == 1 ? 1 : -1;
  AppendAnsi(text.substr(0, half), out);
  AppendAnsi(text.substr(half), out);
}

int HexDigit(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  return -1;
}

// The characters of a code point: one unit, or a surrogate pair above U+FFFF.
std::wstring Character(unsigned long codePoint) {
  if (codePoint < 0x10000) return std::wstring(1, static_cast<wchar_t>(codePoint));
  codePoint -= 0x10000;
  return {static_cast<wchar_t>(0xD800 + (codePoint >> 10)), static_cast<wchar_t>(0xDC00 + (codePoint & 0x3FF))};
}

// The character a reference "&#x...;" at text[pos] stands for when PathToAnsi
// could have written it; `length` is then the reference's length.
bool ReadPathReference(std::wstring_view text, size_t pos, std::wstring& character, size_t& length) {
  if (text.compare(pos, 3, L"&#x") != 0) return false;
  unsigned long value = 0;
  size_t i = pos + 3;
  for (; i < text.size() && i < pos + 9 && HexDigit(text[i]) >= 0; ++i) value = value * 16 + HexDigit(text[i]);
  if (i == pos + 3 || i >= text.size() || text[i] != L';' || value > 0x10FFFF) return false;
  character = Character(value);
  if (value != L'&' && IsAnsiText(character)) return false;
  length = i + 1 - pos;
  return true;
}

}  // namespace

std::wstring AnsiToWide(std::string_view text) {
  if (text.empty()) return {};
  int n = MultiByteToWideChar(CP_GBK, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(n), L'\0');
  if (n > 0)
    MultiByteToWideChar(CP_GBK, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
  return out;
}

std::string WideToAnsi(std::wstring_view text) {
  std::string out;
  AppendAnsi(text, out);
  return out;
}

bool IsAnsiText(std::wstring_view text) {
  std::string bytes;
  return text.empty() || Append936(text, bytes);
}

std::string PathToAnsi(const std::wstring& path) {
  std::string out;
  const std::wstring_view rest(path);
  size_t from = 0;
  for (size_t amp = rest.find(L"&#"); amp != std::wstring_view::npos; amp = rest.find(L"&#", from)) {
    AppendAnsi(rest.substr(from, amp - from), out);
    out += "&#x26;";
    from = amp + 1;
  }
  AppendAnsi(rest.substr(from), out);
  return out;
}

std::wstring PathFromAnsi(std::string_view text) {
  const std::wstring wide = AnsiToWide(text);
  if (wide.find(L"&#x") == std::wstring::npos) return wide;
  std::wstring out;
  out.reserve(wide.size());
  for (size_t pos = 0; pos < wide.size();) {
    std::wstring character;
    size_t length = 0;
    if (ReadPathReference(wide, pos, character, length)) {
      out += character;
      pos += length;
    } else {
      out += wide[pos++];
    }
  }
  return out;
}
