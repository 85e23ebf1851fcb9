#pragma once
// Accelerators: the character after a single '&' of a caption ("&Save" answers Alt+S;
// "&&" is a literal ampersand).
#include <string>

// The accelerator character of `caption`, upper-cased when it is a Latin letter;
// 0 when the caption has none.
char AccelChar(const std::string& caption);
// True when `key` is the accelerator of `caption`, Latin letters compared without case.
bool IsAccel(char key, const std::string& caption);
