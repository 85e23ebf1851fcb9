#include "SysUtils.h"

#include <algorithm>
#include <cstring>

#include "Exception.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <filesystem>
#endif

size_t CharLength936(const std::string& text, size_t pos) {
  if (IsLeadByte936(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size()) return 2;
  return 1;
}

std::string IntToStr(std::int64_t value) { return std::to_string(value); }

namespace {

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

// The digits from `pos` on, in `base`, into `magnitude`; false on a bad character,
// no digits at all, or a magnitude above `limit`.
bool ParseDigits(const std::string& text, size_t pos, int base, std::uint64_t limit,
                 std::uint64_t& magnitude) {
  if (pos >= text.size()) return false;
  magnitude = 0;
  for (; pos < text.size(); ++pos) {
    int digit = DigitValue(text[pos]);
    if (digit >= base) return false;
    magnitude = magnitude * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
    if (magnitude > limit) return false;
  }
  return true;
}

}  // namespace

bool TryStrToInt(const std::string& text, int& value) {
  size_t pos = 0;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
  int base = 10;
  if (pos < text.size() && text[pos] == '$') {
    base = 16;
    pos += 1;
  } else if (pos + 1 < text.size() && text[pos] == '0' && (text[pos + 1] == 'x' || text[pos + 1] == 'X')) {
    base = 16;
    pos += 2;
  }
  std::uint64_t magnitude = 0;
  if (base == 16) {
    if (!ParseDigits(text, pos, 16, 0xFFFFFFFFull, magnitude)) return false;
    auto bits = static_cast<std::uint32_t>(magnitude);
    if (negative) bits = 0u - bits;
    value = static_cast<int>(bits);
    return true;
  }
  std::uint64_t limit = negative ? 0x80000000ull : 0x7FFFFFFFull;
  if (!ParseDigits(text, pos, 10, limit, magnitude)) return false;
  std::int64_t signedValue = negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
  value = static_cast<int>(signedValue);
  return true;
}

int StrToInt(const std::string& text) {
  int value = 0;
  if (!TryStrToInt(text, value))
    throw EConvertError(Format("'%s' is not a valid integer value", text.c_str()));
  return value;
}

int StrToIntDef(const std::string& text, int defaultValue) {
  int value = 0;
  return TryStrToInt(text, value) ? value : defaultValue;
}

// Lead and trail bytes are all above ' ', so the ends can be trimmed byte-wise.
std::string Trim(const std::string& text) { return TrimLeft(TrimRight(text)); }

std::string TrimLeft(const std::string& text) {
  size_t start = 0;
  while (start < text.size() && static_cast<unsigned char>(text[start]) <= ' ') ++start;
  return text.substr(start);
}

std::string TrimRight(const std::string& text) {
  size_t end = text.size();
  while (end > 0 && static_cast<unsigned char>(text[end - 1]) <= ' ') --end;
  return text.substr(0, end);
}

namespace {

template <class Map>
std::string MapAscii(const std::string& text, Map map) {
  std::string out = text;
  for (size_t i = 0; i < out.size();) {
    size_t len = CharLength936(out, i);
    if (len == 1) out[i] = map(out[i]);
    i += len;
  }
  return out;
}

char ToUpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
char ToLowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string UpperCase(const std::string& text) { return MapAscii(text, ToUpperAscii); }
std::string LowerCase(const std::string& text) { return MapAscii(text, ToLowerAscii); }

int CompareText(const std::string& a, const std::string& b) {
  std::string ua = UpperCase(a), ub = UpperCase(b);
  int r = std::memcmp(ua.data(), ub.data(), std::min(ua.size(), ub.size()));
  if (r != 0) return r;
  return ua.size() < ub.size() ? -1 : (ua.size() > ub.size() ? 1 : 0);
}

bool SameText(const std::string& a, const std::string& b) {
  return a.size() == b.size() && CompareText(a, b) == 0;
}

namespace {

// Position of the last single-byte character of `text` that is one of `chars`,
// or npos; trail bytes equal to one of them are skipped.
size_t LastDelimiter936(const std::string& text, const char* chars) {
  size_t found = std::string::npos;
  for (size_t i = 0; i < text.size();) {
    size_t len = CharLength936(text, i);
    if (len == 1 && text[i] != '\0' && std::strchr(chars, text[i])) found = i;
    i += len;
  }
  return found;
}

}  // namespace

std::string ExtractFileExt(const std::string& fileName) {
  size_t pos = LastDelimiter936(fileName, ".\\/:");
  if (pos == std::string::npos || fileName[pos] != '.') return {};
  return fileName.substr(pos);
}

std::string ExtractFilePath(const std::string& fileName) {
  size_t pos = LastDelimiter936(fileName, "\\/:");
  return pos == std::string::npos ? std::string() : fileName.substr(0, pos + 1);
}

std::string ExtractFileName(const std::string& fileName) {
  size_t pos = LastDelimiter936(fileName, "\\/:");
  return pos == std::string::npos ? fileName : fileName.substr(pos + 1);
}

#ifdef _WIN32

std::wstring ExeFileName() {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) throw EOSError("Cannot read the program's file name");
    // A full buffer means the name was cut off.
    if (n < buffer.size()) {
      buffer.resize(n);
      return buffer;
    }
    buffer.resize(buffer.size() * 2);
  }
}

#else

std::wstring ExeFileName() { return std::filesystem::read_symlink("/proc/self/exe").wstring(); }

#endif

std::wstring ExeFolder() {
  std::wstring name = ExeFileName();
  size_t pos = name.find_last_of(L"\\/:");
  return pos == std::wstring::npos ? std::wstring() : name.substr(0, pos + 1);
}
