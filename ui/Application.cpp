#include "Application.h"

#include <windows.h>

#include "Dialogs.h"
#include "Form.h"
#include "Messages.h"
#include "OpenPopups.h"
#include "SysUtils.h"
#include "SystemLibraries.h"
#include "CodePage.h"

TApplication* Application = new TApplication(nullptr);

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner) {}

TApplication::~TApplication() {
  ReleaseCom();
}

void TApplication::Initialize() {
  if (FTitle.empty()) {
    std::wstring exe = ExeFileName();
    size_t slash = exe.find_last_of(L"\\/");
    std::wstring name = exe.substr(slash == std::wstring::npos ? 0 : slash + 1);
    size_t dot = name.find_last_of(L'.');
    SetTitle(WideToAnsi(name.substr(0, dot)));
  }
}

void TApplication::SetTitle(const std::string& value) {
  FTitle = value;
  SetApplicationTitleProvider([this] { return FTitle; });
}

void TApplication::FormDestroyed(TForm* form) {
  if (FMainForm == form) FMainForm = nullptr;
}

void TApplication::Run() {
  if (FMainForm) FMainForm->Show();
  while (!FTerminated) HandleMessage();
}

bool TApplication::IsTabNavigation(const void* p) {
  const MSG& msg = *static_cast<const MSG*>(p);
  if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB) return false;
  if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
  TWinControl* control = TWinControl::FromHandle(msg.hwnd);
  if (!control) return false;
  // No message in lParam: it would put a platform edit into its dialog mode, where a
  // multi-line edit closes its parent window on Escape.
  if (SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, 0) &
      (DLGC_WANTTAB | DLGC_WANTALLKEYS))
    return false;
  auto* form = dynamic_cast<TForm*>(TWinControl::FromHandle(GetAncestor(msg.hwnd, GA_ROOT)));
  if (!form) return false;
  return form->SelectNext(control, GetKeyState(VK_SHIFT) >= 0);
}

// The focused control of the form learns that another control of it was pressed.
void TApplication::TellCancelMode(HWND pressed) {
  TWinControl* target = TWinControl::FromHandle(pressed);
  TForm* form = target ? GetParentForm(target) : nullptr;
  TWinControl* active = form ? form->ActiveControl() : nullptr;
  if (!active || active == target || !active->HandleAllocated() || GetFocus() != active->HandleValue()) return;
  try {
    active->Perform(CM_CANCELMODE, 0, reinterpret_cast<std::intptr_t>(target));
  } catch (...) {
    HandleEventException();
  }
}

// A key down offered first to the form it was typed on.
bool TApplication::IsShortCut(const void* p) {
  const MSG& msg = *static_cast<const MSG*>(p);
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  auto* form = dynamic_cast<TForm*>(TWinControl::FromHandle(GetAncestor(msg.hwnd, GA_ROOT)));
  if (!form) return false;
  return form->IsShortCut(static_cast<std::uint16_t>(msg.wParam), CurrentKeyShiftState());
}

void TApplication::Minimize() {
  if (!FMainForm || !FMainForm->HandleValue() || Minimized()) return;
  ShowWindow(FMainForm->HandleValue(), SW_MINIMIZE);
  if (OnMinimize) OnMinimize(this);
}

void TApplication::Restore() {
  if (!Minimized()) return;
  ShowWindow(FMainForm->HandleValue(), SW_RESTORE);
  if (OnRestore) OnRestore(this);
}

bool TApplication::Minimized() const {
  return FMainForm && FMainForm->HandleValue() && IsIconic(FMainForm->HandleValue());
}

bool TApplication::ProcessMessage() {
  MSG msg;
  if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    FTerminated = true;
    return true;
  }
  OpenPopups().QueuedMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
  if (OnMessage) {
    TAppMessage m{msg.hwnd, msg.message, msg.wParam, msg.lParam};
    bool handled = false;
    TMessageEvent hook = OnMessage;  // the hook may replace itself
    try {
      hook(m, handled);
    } catch (...) {
      HandleEventException();
    }
    if (handled) return true;
  }
  if (msg.message == WM_LBUTTONDOWN || msg.message == WM_RBUTTONDOWN || msg.message == WM_MBUTTONDOWN)
    TellCancelMode(msg.hwnd);
  if (!IsTabNavigation(&msg) && !IsShortCut(&msg)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return true;
}

void TApplication::HandleMessage() {
  if (!ProcessMessage() && !FTerminated) WaitMessage();
}

void TApplication::ProcessMessages() {
  while (ProcessMessage() && !FTerminated) {
  }
}

void TApplication::Terminate() {
  FTerminated = true;
  PostQuitMessage(0);
}

std::string ErrorReportText(const std::string& message) {
  if (message.empty()) return message;
  // The last character of the 936 text: a Chinese character is two bytes whose
  // first byte is at least 0x81, which sorts after ".".
  size_t i = 0, last = 0;
  while (i < message.size()) {
    last = i;
    auto b = static_cast<unsigned char>(message[i]);
    i += (b >= 0x81 && b <= 0xFE && i + 1 < message.size()) ? 2 : 1;
  }
  return static_cast<unsigned char>(message[last]) > '.' ? message + "." : message;
}

std::wstring ErrorReportText(const std::wstring& message) {
  return !message.empty() && message.back() > L'.' ? message + L"." : message;
}

void TApplication::ShowException(const Exception& e) {
  HWND owner = FMainForm && FMainForm->HandleAllocated() ? FMainForm->HandleValue() : nullptr;
  if (!e.WideMessage().empty())
    ShowMessageBox(owner, ErrorReportText(e.Message()), ErrorReportText(e.WideMessage()), FTitle,
                   MB_OK | MB_ICONSTOP);
  else
    ShowMessageBox(owner, ErrorReportText(e.Message()), FTitle, MB_OK | MB_ICONSTOP);
}

void TApplication::HandleException(const Exception& e) {
  if (OnException)
    OnException(this, e);
  else
    ShowException(e);
}

void HandleEventException() noexcept {
  try {
    try {
      throw;
    } catch (const Exception& e) {
      Application->HandleException(e);
    } catch (const std::exception& e) {
      Application->HandleException(Exception(e.what()));
    } catch (...) {
      Application->HandleException(Exception("Unknown error"));
    }
  } catch (...) {
    // The report itself failed; nothing sensible is left to do.
  }
}
