#pragma once
// TTimer: raises OnTimer every Interval milliseconds inside the message loop.
#include <cstdint>

#include "Component.h"

class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* AOwner);
  ~TTimer() override;

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);
  unsigned Interval() const { return FInterval; }
  void SetInterval(unsigned value);
  void SetOnTimer(TNotifyEvent handler);

  TNotifyEvent OnTimer;

  // Called when the platform's timer fires; runs OnTimer under the application's handler.
  void Timer();

 protected:
  void Loaded() override;

 private:
  void UpdateTimer();
  bool FEnabled = true;
  unsigned FInterval = 1000;
  std::uintptr_t FId = 0;  // the platform's name for the running timer; 0 when stopped
};
