#pragma once
// Small helpers for the code page 936 text of skin definitions and file names.
// A GBK trail byte may fall in the ASCII range (letters, '\\'), so text is walked
// character by character and only single-byte ASCII characters are ever changed or
// taken as separators.
#include <functional>
#include <string>
#include <string_view>

namespace sf {

constexpr bool IsLeadByte936(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

// Blanks and control characters (up to ' ', and DEL) at either end removed.
std::string_view Trim(std::string_view text);
// ASCII letters folded to lower case; two-byte characters pass unchanged.
std::string FoldCase(std::string_view text);
bool SameText(std::string_view a, std::string_view b);
// Decimal, or hexadecimal after "$" or (in a value longer than two characters)
// "0x"/"0X", with an optional sign. Hexadecimal takes all 32 bits ("$FFFFFFFF" is -1).
bool TryStrToInt(std::string_view text, int& value);
// The part after the last '\\', '/' or ':'.
std::string ExtractFileName(std::string_view path);

// The last character of `text` removed, a two-byte character as a whole (cutting its
// bytes apart would leave half a character on screen).
void RemoveLastChar936(std::string& text);
// `text` as it fits: unchanged when `fits(text)`, otherwise the longest run of
// its leading whole characters that fits with "..." after it, followed by "...".
std::string ShortenWithEllipsis(std::string_view text,
                                const std::function<bool(const std::string&)>& fits);

}  // namespace sf
