#include "CodePage.h"

#include <windows.h>

std::wstring AnsiToWide(std::string_view text) {
  if (text.empty()) return {};
  int n = MultiByteToWideChar(CP_GBK, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(n), L'\0');
  if (n > 0)
    MultiByteToWideChar(CP_GBK, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
  return out;
}

std::string WideToAnsi(std::wstring_view text) {
  if (text.empty()) return {};
  int n = WideCharToMultiByte(CP_GBK, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                              nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  if (n > 0)
    WideCharToMultiByte(CP_GBK, 0, text.data(), static_cast<int>(text.size()), out.data(), n,
                        nullptr, nullptr);
  return out;
}

std::string PathToAnsi(const std::wstring& path) { return WideToAnsi(path); }
