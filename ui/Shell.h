#pragma once
// Opening documents and links with their associated programs, and starting
// command lines. Both go through replaceable handlers, so tests record the
// requests (TShellRecorder) instead of starting a browser or a mail program.
#include <functional>
#include <string>
#include <vector>

#include "WinHandles.h"

// One request to the shell. Texts are 936 text; an empty Verb asks for the
// default action, empty Parameters and Directory pass none. Show is a SW_*
// value. With UseEx the request goes through the extended call, which takes
// Mask (SEE_MASK_* flags); otherwise Mask is unused.
struct TShellRequest {
  std::string Verb, File, Parameters, Directory;
  int Show = 1;
  unsigned Mask = 0;
  HWND Owner = nullptr;
  bool UseEx = false;
};

using TShellHandler = std::function<bool(const TShellRequest&)>;
using TCommandLineHandler = std::function<bool(const std::string& commandLine, int show)>;

// True when the shell reports success (the plain call: a result above 32).
bool ShellOpen(const TShellRequest& request);
// Starts a program from a command line (the program's name first, quoted when
// it holds blanks), showing its window as `show`; true when the process started.
bool RunCommandLine(const std::string& commandLine936, int show);

// Replace the real calls for the whole process; an empty function restores them.
void SetShellHandler(TShellHandler handler);
TShellHandler ShellHandler();
void SetCommandLineHandler(TCommandLineHandler handler);
TCommandLineHandler CommandLineHandler();

struct TCommandLineCall {
  std::string CommandLine;
  int Show = 0;
};

// For tests: while it lives, shell requests and command lines are recorded
// instead of carried out, and answered with ShellResult / CommandLineResult (or by
// AnswerShell / AnswerCommandLine when set). Restores the previous handlers when
// destroyed.
class TShellRecorder {
 public:
  explicit TShellRecorder(bool shellResult = true, bool commandLineResult = true);
  ~TShellRecorder();
  TShellRecorder(const TShellRecorder&) = delete;
  TShellRecorder& operator=(const TShellRecorder&) = delete;

  const std::vector<TShellRequest>& Requests() const { return FRequests; }
  const std::vector<TCommandLineCall>& CommandLines() const { return FCommandLines; }
  void Clear();

  bool ShellResult() const { return FShellResult; }
  void SetShellResult(bool value) { FShellResult = value; }
  bool CommandLineResult() const { return FCommandLineResult; }
  void SetCommandLineResult(bool value) { FCommandLineResult = value; }
  std::function<bool(const TShellRequest&)> AnswerShell;
  std::function<bool(const TCommandLineCall&)> AnswerCommandLine;

 private:
  TShellHandler FPreviousShell;
  TCommandLineHandler FPreviousCommandLine;
  std::vector<TShellRequest> FRequests;
  std::vector<TCommandLineCall> FCommandLines;
  bool FShellResult;
  bool FCommandLineResult;
};
