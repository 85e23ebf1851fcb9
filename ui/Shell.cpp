#include "Shell.h"

#include <windows.h>
#include <shellapi.h>

#include "CodePage.h"
#include "SystemLibraries.h"

namespace {

TShellHandler& CurrentShellHandler() {
  static TShellHandler handler;
  return handler;
}

TCommandLineHandler& CurrentCommandLineHandler() {
  static TCommandLineHandler handler;
  return handler;
}

// Empty text passes as no argument at all, as the shell expects for "none".
const wchar_t* OrNull(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }

bool PlatformShellOpen(const TShellRequest& request) {
  UseCom();
  std::wstring verb = AnsiToWide(request.Verb), file = AnsiToWide(request.File),
               parameters = AnsiToWide(request.Parameters), directory = AnsiToWide(request.Directory);
  if (!request.UseEx) {
    HINSTANCE result = ShellExecuteW(request.Owner, OrNull(verb), file.c_str(), OrNull(parameters),
                                     OrNull(directory), request.Show);
    return reinterpret_cast<INT_PTR>(result) > 32;
  }
  SHELLEXECUTEINFOW info = {};
  info.cbSize = sizeof(info);
  info.fMask = request.Mask;
  info.hwnd = request.Owner;
  info.lpVerb = OrNull(verb);
  info.lpFile = file.c_str();
  info.lpParameters = OrNull(parameters);
  info.lpDirectory = OrNull(directory);
  info.nShow = request.Show;
  bool ok = ShellExecuteExW(&info) != FALSE;
  // Asked for with SEE_MASK_NOCLOSEPROCESS; nobody here waits on it.
  if (info.hProcess) CloseHandle(info.hProcess);
  return ok;
}

bool PlatformRunCommandLine(const std::string& commandLine, int show) {
  // CreateProcessW may write into the command line, so it gets its own buffer.
  std::wstring buffer = AnsiToWide(commandLine);
  buffer.push_back(L'\0');
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(show);
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace

bool ShellOpen(const TShellRequest& request) {
  TShellHandler handler = CurrentShellHandler();
  return handler ? handler(request) : PlatformShellOpen(request);
}

bool RunCommandLine(const std::string& commandLine936, int show) {
  TCommandLineHandler handler = CurrentCommandLineHandler();
  return handler ? handler(commandLine936, show) : PlatformRunCommandLine(commandLine936, show);
}

void SetShellHandler(TShellHandler handler) { CurrentShellHandler() = std::move(handler); }
TShellHandler ShellHandler() { return CurrentShellHandler(); }
void SetCommandLineHandler(TCommandLineHandler handler) { CurrentCommandLineHandler() = std::move(handler); }
TCommandLineHandler CommandLineHandler() { return CurrentCommandLineHandler(); }

TShellRecorder::TShellRecorder(bool shellResult, bool commandLineResult)
    : FPreviousShell(ShellHandler()),
      FPreviousCommandLine(CommandLineHandler()),
      FShellResult(shellResult),
      FCommandLineResult(commandLineResult) {
  SetShellHandler([this](const TShellRequest& request) {
    FRequests.push_back(request);
    return AnswerShell ? AnswerShell(request) : FShellResult;
  });
  SetCommandLineHandler([this](const std::string& commandLine, int show) {
    FCommandLines.push_back({commandLine, show});
    TCommandLineCall call = FCommandLines.back();
    return AnswerCommandLine ? AnswerCommandLine(call) : FCommandLineResult;
  });
}

TShellRecorder::~TShellRecorder() {
  SetShellHandler(std::move(FPreviousShell));
  SetCommandLineHandler(std::move(FPreviousCommandLine));
}

void TShellRecorder::Clear() {
  FRequests.clear();
  FCommandLines.clear();
}
