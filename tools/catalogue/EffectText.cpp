#include "EffectText.h"

#include <windows.h>

#include "CatalogueError.h"
#include "db/Utf8.h"
#include "ui/CodePage.h"

namespace {

// One character of UTF-8 at text[pos], advancing pos; nothing for an overlong form,
// a surrogate, a value past U+10FFFF or a truncated or stray byte.
std::optional<char32_t> DecodeStrict(std::string_view text, size_t& pos) {
  const auto lead = static_cast<unsigned char>(text[pos++]);
  if (lead < 0x80) return lead;
  const int extra = lead >= 0xC2 && lead <= 0xDF   ? 1
                    : lead >= 0xE0 && lead <= 0xEF ? 2
                    : lead >= 0xF0 && lead <= 0xF4 ? 3
                                                   : 0;
  if (extra == 0) return std::nullopt;
  char32_t c = lead & (0x3F >> extra);
  for (int i = 0; i < extra; ++i) {
    if (pos >= text.size() || (static_cast<unsigned char>(text[pos]) & 0xC0) != 0x80)
      return std::nullopt;
    c = (c << 6) | (static_cast<unsigned char>(text[pos++]) & 0x3F);
  }
  static constexpr char32_t minimum[] = {0, 0x80, 0x800, 0x10000};
  if (c < minimum[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
  return c;
}

void AppendUtf16(std::wstring& out, char32_t c) {
  if (c >= 0x10000) {
    c -= 0x10000;
    out += static_cast<wchar_t>(0xD800 + (c >> 10));
    out += static_cast<wchar_t>(0xDC00 + (c & 0x3FF));
  } else {
    out += static_cast<wchar_t>(c);
  }
}

std::string LineToCode(std::string_view line, const std::string& where, int lineNumber) {
  std::wstring wide;
  for (size_t pos = 0; pos < line.size();) {
    const std::optional<char32_t> c = DecodeStrict(line, pos);
    if (!c) throw ECatalogueError(Format("%s, line %d: not UTF-8 text", where.c_str(), lineNumber));
    AppendUtf16(wide, *c);
  }
  char32_t missing = 0;
  std::optional<std::string> code = WideTo936(wide, &missing);
  if (!code)
    throw ECatalogueError(Format("%s, line %d: U+%04X cannot be written in code page 936",
                                 where.c_str(), lineNumber, static_cast<unsigned>(missing)));
  return *code;
}

// Whether one character (one or two UTF-16 units) survives the trip to 936 and back.
bool Encodes(std::wstring_view text) {
  BOOL usedDefault = FALSE;
  const int n = WideCharToMultiByte(CP_GBK, WC_NO_BEST_FIT_CHARS, text.data(),
                                    static_cast<int>(text.size()), nullptr, 0, nullptr,
                                    &usedDefault);
  if (n <= 0 || usedDefault) return false;
  std::string bytes(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_GBK, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()),
                      bytes.data(), n, nullptr, &usedDefault);
  return !usedDefault && AnsiToWide(bytes) == text;
}

}  // namespace

std::optional<std::string> WideTo936(std::wstring_view text, char32_t* missing) {
  if (text.empty()) return std::string();
  if (Encodes(text)) return WideToAnsi(text);
  // Find the character to name in the message.
  for (size_t i = 0; i < text.size();) {
    const bool pair = text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size();
    const size_t length = pair ? 2 : 1;
    if (!Encodes(text.substr(i, length))) {
      if (missing) {
        *missing = pair ? 0x10000 + ((static_cast<char32_t>(text[i]) - 0xD800) << 10) +
                              (static_cast<char32_t>(text[i + 1]) - 0xDC00)
                        : static_cast<char32_t>(text[i]);
      }
      break;
    }
    i += length;
  }
  return std::nullopt;
}

std::string SourceToCode(std::string_view source, const std::string& where) {
  if (source.substr(0, 3) == "\xEF\xBB\xBF")
    throw ECatalogueError(Format("%s: starts with a byte-order mark", where.c_str()));
  std::string code;
  int lineNumber = 1;
  for (size_t start = 0;; ++lineNumber) {
    const size_t lf = source.find('\n', start);
    std::string_view line = source.substr(start, lf == std::string_view::npos ? lf : lf - start);
    if (lf != std::string_view::npos && !line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.find('\r') != std::string_view::npos)
      throw ECatalogueError(Format("%s, line %d: a carriage return that does not end the line",
                                   where.c_str(), lineNumber));
    code += LineToCode(line, where, lineNumber);
    if (lf == std::string_view::npos) break;
    code += "\r\n";
    start = lf + 1;
  }
  return code;
}

std::string CodeToSource(std::string_view code) {
  const std::string utf8 = WideToUtf8(AnsiToWide(code));
  std::string source;
  source.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size(); ++i) {
    if (utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') continue;
    source += utf8[i];
  }
  return source;
}
