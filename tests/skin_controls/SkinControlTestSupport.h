#pragma once
// Test forms made like the program makes its own (constructor, then
// AfterConstruction), never the application's main form; and a message pump.
#include <windows.h>

#include <memory>

#include "ui/Application.h"
#include "ui/Form.h"

template <class T = TForm, class... Args>
std::unique_ptr<T> MakeForm(Args&&... args) {
  auto form = std::make_unique<T>(nullptr, std::forward<Args>(args)...);
  form->AfterConstruction();
  return form;
}

inline LPARAM PointParam(int x, int y) { return MAKELPARAM(x, y); }

template <class Done>
bool PumpUntil(Done done, unsigned timeoutMs = 2000) {
  ULONGLONG end = GetTickCount64() + timeoutMs;
  while (!done()) {
    if (GetTickCount64() > end) return false;
    Application->ProcessMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}
