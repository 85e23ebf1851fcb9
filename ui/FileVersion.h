#pragma once
// Reading a text value out of a file's version resource.
#include <string>

#include "SysUtils.h"  // ExeFileName

// The value at `subBlock` of the version resource of `file`, e.g.
// "StringFileInfo\\080403A8\\FileVersion", as 936 text; empty when the file has
// no version resource, the table or key is missing, or anything else fails.
std::string ReadVersionString(const std::wstring& file, const std::string& subBlock);
