#include "FileVersion.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <vector>

#include "CodePage.h"

namespace {

// Only the string tables hold text; the root and VarFileInfo are binary.
bool IsStringValue(const std::string& subBlock) {
  std::string path = subBlock.rfind('\\', 0) == 0 ? subBlock.substr(1) : subBlock;
  const std::string prefix = "STRINGFILEINFO\\";
  return path.size() > prefix.size() && UpperCase(path.substr(0, prefix.size())) == prefix;
}

}  // namespace

std::string ReadVersionString(const std::wstring& file, const std::string& subBlock) {
  if (!IsStringValue(subBlock)) return {};
  DWORD handle = 0;
  DWORD size = GetFileVersionInfoSizeW(file.c_str(), &handle);
  if (size == 0) return {};
  std::vector<BYTE> block(size);
  if (!GetFileVersionInfoW(file.c_str(), 0, size, block.data())) return {};
  void* value = nullptr;
  UINT length = 0;
  std::wstring path = AnsiToWide(subBlock);
  if (!VerQueryValueW(block.data(), path.c_str(), &value, &length) || !value || length == 0) return {};
  // The length counts characters and includes the terminator; a damaged resource
  // may claim more than the block holds.
  const auto* text = static_cast<const wchar_t*>(value);
  const BYTE* end = block.data() + block.size();
  const auto* start = static_cast<const BYTE*>(value);
  if (start < block.data() || start >= end) return {};
  size_t available = static_cast<size_t>(end - start) / sizeof(wchar_t);
  return WideToAnsi(std::wstring_view(text, wcsnlen(text, std::min<size_t>(length, available))));
}
