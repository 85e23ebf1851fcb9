#pragma once
// What the application hands around about a hint before it is shown, and the two
// replaceable parts of its hint machinery: the show-hint event and the window maker.
#include <functional>
#include <string>

#include "Types.h"

class TComponent;
class TControl;
class THintWindow;

// What the application is about to show, handed to OnShowHint to change or cancel.
struct THintInfo {
  TControl* HintControl = nullptr;
  TPoint HintPos;          // screen point of the hint window's top-left corner
  int HintMaxWidth = 0;    // wider text wraps
  TColor HintColor = clInfoBk;
  TRect CursorRect;        // screen area in which the mouse keeps this hint
  TPoint CursorPos;        // the mouse in the hint control's client coordinates
  int ReshowTimeout = 0;   // > 0: shown again (and OnShowHint asked again) after this
  int HideTimeout = 0;     // ms the hint stays; 0 or less: it stays while the mouse is on the control
  std::string HintStr;
  void* HintData = nullptr;
};

using TShowHintEvent = std::function<void(std::string& HintStr, bool& CanShow, THintInfo& HintInfo)>;
// Makes the application's hint window; replacing it changes the kind of window used.
using THintWindowClass = std::function<THintWindow*(TComponent* AOwner)>;

