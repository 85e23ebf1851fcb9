#pragma once
// Number conversion, trimming, case and file-name helpers for code page 936 text,
// and the running executable's own path.
//
// Text is walked character by character: a GBK trail byte may fall in the ASCII
// range (letters, '\\', '|'), so a byte-wise scan would change or split a Chinese
// character. Only ASCII characters are ever changed or treated as separators.
#include <cstdint>
#include <string>

// True for a byte that starts a two-byte character of code page 936.
constexpr bool IsLeadByte936(unsigned char c) { return c >= 0x81 && c <= 0xFE; }
// Length in bytes of the character starting at text[pos] (1 or 2; 1 for a lead
// byte cut off at the end of the text).
size_t CharLength936(const std::string& text, size_t pos);

std::string IntToStr(std::int64_t value);
// Decimal, or hexadecimal after "$" or "0x", with an optional sign; nothing else
// around it. A value outside 32 bits raises EConvertError
// ("'%s' is not a valid integer value"). Hexadecimal takes all 32 bits, so "$FFFFFFFF" is -1.
int StrToInt(const std::string& text);
int StrToIntDef(const std::string& text, int defaultValue);
bool TryStrToInt(const std::string& text, int& value);

// Remove the blanks and control characters (bytes up to ' ') at either end.
std::string Trim(const std::string& text);
std::string TrimLeft(const std::string& text);
std::string TrimRight(const std::string& text);
// ASCII letters only; Chinese characters pass unchanged.
std::string UpperCase(const std::string& text);
std::string LowerCase(const std::string& text);
// Equality ignoring the case of ASCII letters.
bool SameText(const std::string& a, const std::string& b);
// <0, 0, >0 comparing with ASCII letters folded to upper case.
int CompareText(const std::string& a, const std::string& b);

// File names as text, with '\\', '/' and ':' separating the parts.
// ".htm" of "a\\b.c\\x.htm"; empty when the name part has no '.'.
std::string ExtractFileExt(const std::string& fileName);
// Everything up to and including the last separator.
std::string ExtractFilePath(const std::string& fileName);
// Everything after the last separator.
std::string ExtractFileName(const std::string& fileName);

// Full path of the running executable.
std::wstring ExeFileName();
// Folder of the running executable, with its trailing separator.
std::wstring ExeFolder();
