#pragma once
// Conversions between the system's code page 936 text and the platform's UTF-16.
// Done explicitly, never through the process's ANSI code page, so Chinese text
// shows correctly on a Windows whose system locale is not Chinese.
//
// A character GBK cannot hold (an emoji, Hangul, "✓") is written into 936 text as
// an HTML numeric character reference, "&#x1F600;" (uppercase hex, a surrogate pair
// as the one code point it stands for), never as "?": the text's HTML means the
// same, and nothing is lost. Text GBK can hold converts to the bytes it always did.
#include <string>
#include <string_view>

constexpr unsigned CP_GBK = 936;

std::wstring AnsiToWide(std::string_view text);
std::string WideToAnsi(std::wstring_view text);
// True when every character of `text` has a form in code page 936, so that
// WideToAnsi writes no reference.
bool IsAnsiText(std::wstring_view text);

// A path as 936 text, for messages and for the places that keep a path as text (a
// connection string, a dialog's file name). As WideToAnsi, and a '&' that begins
// "&#" is written "&#x26;", so that PathFromAnsi gives every path back exactly.
std::string PathToAnsi(const std::wstring& path);
// The path PathToAnsi wrote: "&#x26;" and the references to characters GBK cannot
// hold are read back; any other text comes through as AnsiToWide gives it.
std::wstring PathFromAnsi(std::string_view text);

// Raises E naming `path` between `before` and `after` (936 text): its message is
// the 936 form, and the error report shows the path exactly as it is.
template <class E>
[[noreturn]] void RaisePathError(const std::string& before, const std::wstring& path,
                                 const std::string& after = std::string()) {
  throw E(before + PathToAnsi(path) + after, AnsiToWide(before) + path + AnsiToWide(after));
}
