#pragma once
// Forms for tests, made like the program makes its own (constructor, then
// AfterConstruction) and never the application's main form; and a message pump.
#include <windows.h>

#include <memory>
#include <utility>

#include "ui/Application.h"
#include "ui/Form.h"

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
