#pragma once
// THintWindow: the small popup that shows a control's hint (tool tip). A topmost
// window without a border that never takes the activation and lets the mouse through;
// the application keeps one and moves it from hint to hint.
#include <string>

#include "CustomControl.h"
#include "HintInfo.h"

class THintWindow : public TCustomControl {
 public:
  explicit THintWindow(TComponent* AOwner);
  ~THintWindow() override;

  // The window's size for a hint of at most MaxWidth pixels, at (0, 0).
  virtual TRect CalcHintRect(int MaxWidth, const std::string& AHint, void* AData);
  // Shows the hint in `Rect` (screen coordinates), kept on the monitor's work area.
  virtual void ActivateHint(TRect Rect, const std::string& AHint);
  virtual void ActivateHintData(TRect Rect, const std::string& AHint, void* AData);
  // Hides the window; it stays made for the next hint.
  virtual void ReleaseHandle();
  // The window is on the screen.
  bool Showing() const;

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void Paint() override;
  // Puts the window at `rect` on top of everything without activating it.
  void ShowAt(const TRect& rect);
};

// The platform's status-bar font, which hints are written in.
void AssignStatusFont(TFont& font);
// The part of a hint before "|" (all of it without one), and the part after it.
std::string GetShortHint(const std::string& hint);
std::string GetLongHint(const std::string& hint);
// The rectangle moved so that it lies within `area` where it can.
TRect KeepInArea(TRect rect, const TRect& area);
// Rows from the mouse cursor's hot spot to the last row it draws (20 when unknown):
// a hint opens that far below the mouse.
int CursorHeightMargin();
// The platform version is 5.1 or later (the drop shadow class style is known there).
bool PlatformHasDropShadow();
