#pragma once
// Shortening code page 936 text to a width with "...", a two-byte character always
// removed whole (cutting its bytes apart would leave half a character on screen).
#include <functional>
#include <string>
#include <string_view>

namespace sf {

// The last character of `text` removed, a two-byte character as a whole.
void RemoveLastChar936(std::string& text);
// `text` as it fits: unchanged when `fits(text)`, otherwise shortened by whole
// characters until the rest followed by "..." fits, and "..." appended.
std::string ShortenWithEllipsis(std::string_view text,
                                const std::function<bool(const std::string&)>& fits);

}  // namespace sf
