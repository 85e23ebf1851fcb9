#pragma once
// A preview of the skin at work, for the designer's eye: a window in its frame with a
// tool bar, a list with its scroll bar, a panel with fields and buttons in their
// states, a status bar and an open menu, each part cut from the pictures and resized
// the way the program resizes it. Text is left out.
#include "SkinCanvas.h"
#include "SkinLayout.h"

struct TSkinPictures {
  const TSkinCanvas& Main;
  const TSkinCanvas& Mask;
  const TSkinCanvas& Caption;
  const TSkinCanvas& Popup;
  const TSkinCanvas& MenuItems;
  const TSkinCanvas& Controls;
  // Pictures only some skins have; none when the skin has not.
  const TSkinCanvas* Inactive;
  const TSkinCanvas* ClientBackground;
  const TSkinCanvas* ToolBarBackground;
};

TSkinCanvas PaintPreview(const TSkinLayout& layout, const TSkinPictures& pictures);
