#pragma once
// The design colours of the window frame, shared by the frame's pictures.
#include "SkinCanvas.h"
#include "SkinLayout.h"

namespace frame {

constexpr TRgb kWindowLine = Rgb(112, 118, 152);
constexpr TRgb kInnerLine = Rgb(184, 189, 212);
constexpr TRgb kTitleTop = Rgb(250, 251, 254);
constexpr TRgb kTitleBottom = Rgb(227, 230, 239);
constexpr TRgb kMenuBar = Rgb(240, 242, 247);
constexpr TRgb kCloseLine = Rgb(178, 52, 66), kCloseTop = Rgb(228, 94, 106), kCloseBottom = Rgb(206, 68, 82);

// Whether the skin has a picture of its own for the inactive window.
inline bool HasInactivePicture(const TSkinLayout& layout) {
  return !layout.Ini().ReadString("PICTURES", "inactivepicture", "").empty();
}

// Row y of the title bar: white under the outline, then a calm fade into the colour
// of the borders, which ends one row above the client area's line. The inactive
// window's title bar keeps little of the fade.
TRgb TitleRow(const TSkinLayout& layout, int y, bool inactive = false);

}  // namespace frame
