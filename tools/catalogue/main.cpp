// The catalogue tool's console entry (see CatalogueTool.h).
#include <windows.h>

#include <string>
#include <vector>

#include "CatalogueTool.h"
#include "db/Utf8.h"
#include "ui/CodePage.h"

namespace {

// A console shows the text as it is; a pipe or file (the build's log, a test) gets
// UTF-8, which is what the shells and editors of the build's host read.
void Write(DWORD which, const std::string& text) {
  if (text.empty()) return;
  HANDLE handle = GetStdHandle(which);
  const std::wstring wide = AnsiToWide(text);
  DWORD mode = 0, written = 0;
  if (GetConsoleMode(handle, &mode)) {
    WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    return;
  }
  const std::string utf8 = WideToUtf8(wide);
  WriteFile(handle, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::vector<std::wstring> args(argv + 1, argv + argc);
  std::string output, errors;
  const int result = RunCatalogueTool(args, output, errors);
  Write(STD_OUTPUT_HANDLE, output);
  Write(STD_ERROR_HANDLE, errors);
  return result;
}
