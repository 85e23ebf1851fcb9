#include "Timer.h"

#include <windows.h>

#include <map>
#include <utility>

#include "Application.h"

namespace {

// Every timer is a thread timer of the platform (no window of its own to make): the
// platform names it, and the live timers are found by that name.
std::map<UINT_PTR, TTimer*>& LiveTimers() {
  static std::map<UINT_PTR, TTimer*> timers;
  return timers;
}

void CALLBACK TimerProc(HWND, UINT, UINT_PTR id, DWORD) {
  auto found = LiveTimers().find(id);
  if (found != LiveTimers().end()) found->second->Timer();
}

}  // namespace

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {}

TTimer::~TTimer() {
  FEnabled = false;
  UpdateTimer();
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
  if (FId) {
    KillTimer(nullptr, FId);
    LiveTimers().erase(std::exchange(FId, 0));
  }
  if (FEnabled && FInterval > 0 && OnTimer && !IsLoading() && !IsDestroying()) {
    FId = SetTimer(nullptr, 0, FInterval, TimerProc);
    if (!FId) throw EOSError("Not enough timers available");
    LiveTimers()[FId] = this;
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
