#pragma once
// Text and platform helpers of the skin code: the system's version, a window's
// constant alpha and the work area of its monitor, looked up at run time where older
// systems lack the call.
#include <string>

#include "ui/Canvas.h"
#include "ui/Types.h"
#include "ui/WinHandles.h"

struct TsfOSVersion {
  int Major = 0;
  int Minor = 0;
};
TsfOSVersion GetOSVersion();
// Major version above 5 (Vista and later).
inline bool IsVistaOrLater(TsfOSVersion v) { return v.Major > 5; }
// Above 5, or 5.1 (XP and later).
inline bool IsXPOrLater(TsfOSVersion v) { return v.Major > 5 || (v.Major == 5 && v.Minor == 1); }
// Above 5, or 5.0 to 5.2 (2000 and later).
inline bool IsW2KOrLater(TsfOSVersion v) {
  return v.Major > 5 || (v.Major == 5 && v.Minor >= 0 && v.Minor <= 2);
}

// Gives `window` the constant alpha `alpha` (0..255) when the platform has layered
// windows; does nothing otherwise.
void SetWindowAlpha(HWND window, int alpha);

// The work area (or, with `workArea` false, the whole area) of the monitor nearest to
// `window` when there are several monitors, else that of the desktop.
TRect GetWindowWorkArea(HWND window, bool workArea = true);

// Wide text drawn as such (DrawTextW with the platform's DT_ flags).
int DrawWideText(TCanvas& canvas, const std::wstring& text, TRect& rect, unsigned flags);
// One line of 936 text vertically centred in `rect`.
void DrawLineCentred(TCanvas& canvas, const TRect& rect, const std::string& text);
// One line starting 2 pixels in from the left, vertically centred, clipped to `rect`.
void DrawTextLeft(TCanvas& canvas, const TRect& rect, const std::string& text);
