#pragma once
// Conversions between the system's code page 936 text and the platform's UTF-16.
// Done explicitly, never through the process's ANSI code page, so Chinese text
// shows correctly on a Windows whose system locale is not Chinese.
#include <string>
#include <string_view>

constexpr unsigned CP_GBK = 936;

std::wstring AnsiToWide(std::string_view text);
std::string WideToAnsi(std::wstring_view text);
// A path as text for messages.
std::string PathToAnsi(const std::wstring& path);
