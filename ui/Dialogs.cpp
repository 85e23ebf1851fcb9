#include "Dialogs.h"
#include "MessageDialog.h"

#include <windows.h>

#include <filesystem>

#include "CodePage.h"
#include "Exception.h"
#include "SysUtils.h"

namespace {

TMessageBoxHandler& CurrentHandler() {
  static TMessageBoxHandler handler;
  return handler;
}

TWideMessageBoxHandler& CurrentWideHandler() {
  static TWideMessageBoxHandler handler;
  return handler;
}

std::function<std::string()>& TitleProvider() {
  static std::function<std::string()> provider;
  return provider;
}

int PlatformMessageBox(HWND owner, const std::string& text, const std::string& caption, unsigned flags) {
  return MessageBoxW(owner, AnsiToWide(text).c_str(), AnsiToWide(caption).c_str(), flags);
}

struct TDialogKind {
  const char* Caption;
  unsigned Icon;
};

TDialogKind KindOf(TMsgDlgType type) {
  switch (type) {
    case mtWarning: return {"Warning", MB_ICONWARNING};
    case mtError: return {"Error", MB_ICONERROR};
    case mtInformation: return {"Information", MB_ICONINFORMATION};
    case mtConfirmation: return {"Confirm", MB_ICONQUESTION};
    case mtCustom: break;
  }
  return {nullptr, 0};
}

}  // namespace

int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, unsigned flags) {
  // A copy, so a handler that replaces itself while running stays alive.
  TMessageBoxHandler handler = CurrentHandler();
  if (handler) return handler(owner, text, caption, flags);
  return PlatformMessageBox(owner, text, caption, flags);
}

void SetMessageBoxHandler(TMessageBoxHandler handler) { CurrentHandler() = std::move(handler); }

TMessageBoxHandler MessageBoxHandler() { return CurrentHandler(); }

int ShowMessageBox(HWND owner, const std::string& text, const std::wstring& wideText,
                   const std::string& caption, unsigned flags) {
  TWideMessageBoxHandler wide = CurrentWideHandler();
  if (wide) return wide(owner, text, wideText, caption, flags);
  if (CurrentHandler()) return ShowMessageBox(owner, text, caption, flags);
  return MessageBoxW(owner, wideText.c_str(), AnsiToWide(caption).c_str(), flags);
}

void SetWideMessageBoxHandler(TWideMessageBoxHandler handler) { CurrentWideHandler() = std::move(handler); }

TWideMessageBoxHandler WideMessageBoxHandler() { return CurrentWideHandler(); }

void SetApplicationTitleProvider(std::function<std::string()> provider) {
  TitleProvider() = std::move(provider);
}

std::function<std::string()> ApplicationTitleProvider() { return TitleProvider(); }

std::string ApplicationTitle() {
  if (TitleProvider()) return TitleProvider()();
  return WideToAnsi(std::filesystem::path(ExeFileName()).stem().wstring());
}

int MessageDlg(const std::string& msg, TMsgDlgType type) {
  TDialogKind kind = KindOf(type);
  std::string caption = kind.Caption ? kind.Caption : ApplicationTitle();
  // A replacement (a test's recorder) sees the dialog as a box; the program shows
  // its own dialog, whose button reads "OK" whatever the system's language.
  if (CurrentHandler())
    ShowMessageBox(GetActiveWindow(), msg, caption, MB_OK | kind.Icon);
  else
    ShowMessageDialogForm(msg, caption, kind.Icon);
  return mrOk;
}

void ShowMessage(const std::string& text) { ShowMessageBox(GetActiveWindow(), text, ApplicationTitle(), MB_OK); }

TMessageBoxRecorder::TMessageBoxRecorder(int result)
    : FPrevious(MessageBoxHandler()), FPreviousWide(WideMessageBoxHandler()), FResult(result) {
  SetMessageBoxHandler([this](HWND owner, const std::string& text, const std::string& caption, unsigned flags) {
    return Record({owner, text, caption, flags, AnsiToWide(text)});
  });
  SetWideMessageBoxHandler([this](HWND owner, const std::string& text, const std::wstring& wideText,
                                  const std::string& caption, unsigned flags) {
    return Record({owner, text, caption, flags, wideText});
  });
}

int TMessageBoxRecorder::Record(TMessageBoxCall call) {
  FCalls.push_back(std::move(call));
  // The answer sees its own copy: it may show another box, which grows FCalls.
  TMessageBoxCall copy = FCalls.back();
  return Answer ? Answer(copy) : FResult;
}

TMessageBoxRecorder::~TMessageBoxRecorder() {
  SetMessageBoxHandler(std::move(FPrevious));
  SetWideMessageBoxHandler(std::move(FPreviousWide));
}

const TMessageBoxCall& TMessageBoxRecorder::Last() const {
  if (FCalls.empty()) throw EListError("No message box was shown");
  return FCalls.back();
}
