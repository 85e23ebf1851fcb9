#include "Timer.h"

#include <windows.h>

#include <set>

#include "Application.h"

namespace {

// Every timer is a platform timer on one hidden message window; its id is the
// object's address, checked against the live timers before it is used.
std::set<TTimer*>& LiveTimers() {
  static std::set<TTimer*> timers;
  return timers;
}

LRESULT CALLBACK TimerWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_TIMER) {
    auto* timer = reinterpret_cast<TTimer*>(wParam);
    if (LiveTimers().count(timer)) timer->Timer();
    return 0;
  }
  return DefWindowProcW(wnd, msg, wParam, lParam);
}

HWND TimerWindow() {
  static HWND wnd = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = TimerWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TavoroTimerWindow";
    RegisterClassExW(&wc);
    return CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                           wc.hInstance, nullptr);
  }();
  return wnd;
}

}  // namespace

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) { LiveTimers().insert(this); }

TTimer::~TTimer() {
  FEnabled = false;
  UpdateTimer();
  LiveTimers().erase(this);
}

void TTimer::SetEnabled(bool value) {
  if (value == FEnabled) return;
  FEnabled = value;
  UpdateTimer();
}

void TTimer::SetInterval(unsigned value) {
  if (value == FInterval) return;
  FInterval = value;
  UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent handler) {
  OnTimer = std::move(handler);
  UpdateTimer();
}

void TTimer::Loaded() { UpdateTimer(); }

void TTimer::UpdateTimer() {
  auto id = reinterpret_cast<UINT_PTR>(this);
  if (FRunning) {
    KillTimer(TimerWindow(), id);
    FRunning = false;
  }
  if (FEnabled && FInterval > 0 && OnTimer && !IsLoading() && !IsDestroying()) {
    if (!SetTimer(TimerWindow(), id, FInterval, nullptr))
      throw EOSError("Not enough timers available");
    FRunning = true;
  }
}

void TTimer::Timer() {
  if (!OnTimer) return;
  try {
    OnTimer(this);
  } catch (...) {
    HandleEventException();
  }
}
