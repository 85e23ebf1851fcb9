#pragma once
// Every modal message box of the program goes through ShowMessageBox, which a
// test replaces (TMessageBoxRecorder) so that no test ever waits for a click.
#include <functional>
#include <string>
#include <vector>

#include "WinHandles.h"

// What a modal box or form answers; the numbers are the platform's button ids.
using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4,
                       mrIgnore = 5, mrYes = 6, mrNo = 7;

using TMessageBoxHandler =
    std::function<int(HWND owner, const std::string& text, const std::string& caption, unsigned flags)>;

// The platform's message box (flags are MB_* values), text and caption being 936
// text; returns the pressed button's id.
int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, unsigned flags);
// Replaces the box for the whole process; an empty function restores the real one.
void SetMessageBoxHandler(TMessageBoxHandler handler);
TMessageBoxHandler MessageBoxHandler();

// The box for a message that 936 text cannot show as it is (one naming a path with
// characters GBK lacks): `wideText` is what the box shows, `text` its 936 form.
// Without a wide handler, a handler set above is given the 936 form.
int ShowMessageBox(HWND owner, const std::string& text, const std::wstring& wideText,
                   const std::string& caption, unsigned flags);
using TWideMessageBoxHandler = std::function<int(HWND owner, const std::string& text, const std::wstring& wideText,
                                                 const std::string& caption, unsigned flags)>;
void SetWideMessageBoxHandler(TWideMessageBoxHandler handler);
TWideMessageBoxHandler WideMessageBoxHandler();

// The title plain messages carry; the application installs its Title here.
// Without one it is the executable's name without extension.
void SetApplicationTitleProvider(std::function<std::string()> provider);
std::function<std::string()> ApplicationTitleProvider();
std::string ApplicationTitle();

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

// A message with the kind's icon and caption ("Warning", "Error", "Information",
// "Confirm"; mtCustom: the application title) and one OK button, owned by the
// active window. Returns mrOk.
int MessageDlg(const std::string& msg, TMsgDlgType type);
// A message without icon, captioned with the application title, one OK button.
void ShowMessage(const std::string& text);

// One box a TMessageBoxRecorder was asked to show.
struct TMessageBoxCall {
  HWND Owner = nullptr;
  std::string Text;
  std::string Caption;
  unsigned Flags = 0;
  // The text as the box would show it.
  std::wstring WideText;
};

// For tests: while it lives, every message box (936 or wide) is recorded instead of shown and
// answered with Result (or by Answer when that is set, which also lets a test act
// while the box would be up). Restores the previous handler when destroyed.
class TMessageBoxRecorder {
 public:
  explicit TMessageBoxRecorder(int result = mrOk);
  ~TMessageBoxRecorder();
  TMessageBoxRecorder(const TMessageBoxRecorder&) = delete;
  TMessageBoxRecorder& operator=(const TMessageBoxRecorder&) = delete;

  const std::vector<TMessageBoxCall>& Calls() const { return FCalls; }
  int Count() const { return static_cast<int>(FCalls.size()); }
  // The latest call; raises EListError when there was none.
  const TMessageBoxCall& Last() const;
  void Clear() { FCalls.clear(); }

  int Result() const { return FResult; }
  void SetResult(int value) { FResult = value; }
  std::function<int(const TMessageBoxCall&)> Answer;

 private:
  int Record(TMessageBoxCall call);

  TMessageBoxHandler FPrevious;
  TWideMessageBoxHandler FPreviousWide;
  std::vector<TMessageBoxCall> FCalls;
  int FResult;
};
