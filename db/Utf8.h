#pragma once
// UTF-8, the catalogue's storage form of text, against the platform's wide text and
// the system's code page 936 text. Malformed UTF-8 becomes U+FFFD, so text read from
// a file written by another tool never fails to convert.
#include <string>
#include <string_view>

std::string WideToUtf8(std::wstring_view text);
std::wstring Utf8ToWide(std::string_view text);
std::string AnsiToUtf8(std::string_view text);
std::string Utf8ToAnsi(std::string_view text);
