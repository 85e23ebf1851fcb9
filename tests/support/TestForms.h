#pragma once
// Forms for tests, made like the program makes its own (constructor, then
// AfterConstruction) and never the application's main form; and a message pump.
#include <windows.h>

#include <functional>
#include <memory>
#include <utility>

#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Screen.h"
#include "ui/Timer.h"

template <class T = TForm, class... Args>
std::unique_ptr<T> MakeForm(Args&&... args) {
  auto form = std::make_unique<T>(nullptr, std::forward<Args>(args)...);
  form->AfterConstruction();
  return form;
}

// A form with the given client size.
template <class T = TForm>
std::unique_ptr<T> MakeSizedForm(int clientWidth = 400, int clientHeight = 300) {
  auto form = MakeForm<T>();
  form->SetClientWidth(clientWidth);
  form->SetClientHeight(clientHeight);
  return form;
}

inline LPARAM PointParam(int x, int y) { return MAKELPARAM(x, y); }

// Handles queued messages (timers, posted messages) until `done` or the timeout.
template <class Done>
bool PumpUntil(Done done, unsigned timeoutMs = 3000) {
  ULONGLONG end = GetTickCount64() + timeoutMs;
  while (!done()) {
    if (GetTickCount64() > end) return false;
    Application->ProcessMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
  return true;
}

// Where a modal form opened over another: its owner window and its rectangle.
struct TModalSeen {
  HWND Owner = nullptr;
  RECT Rect{};
};

// Makes `active` the active form, runs `show` (which shows a modal form), and
// answers that form with `result` as soon as it is visible, noting where it opened.
inline TModalSeen AnswerModalOver(TForm& active, TModalResult result, const std::function<void()>& show) {
  SetForegroundWindow(active.Handle());
  SetActiveWindow(active.Handle());
  TModalSeen seen;
  TTimer timer(nullptr);
  timer.SetInterval(20);
  timer.SetOnTimer([&](TObject*) {
    for (int i = 0; i < Screen->FormCount(); ++i) {
      TForm* modal = Screen->Forms(i);
      if (!modal->Modal() || !modal->Visible()) continue;
      seen.Owner = GetWindow(modal->Handle(), GW_OWNER);
      GetWindowRect(modal->Handle(), &seen.Rect);
      modal->SetModalResult(result);
    }
  });
  show();
  return seen;
}
