#pragma once
// Where the parts of a panel's skinned caption go: the check image, the caption
// image, the text, the frame image behind the text and the roll-up arrow's slot.
// Pure geometry, so the paint routines only draw what these functions place.
#include "ui/Types.h"

enum TsfImagePosition { sfipDefault, sfipLeft };

struct TsfSkinCaptionInput {
  TRect Rect;  // the caption rectangle
  TAlignment Alignment = taLeftJustify;
  TPoint TextSize;   // width and height of the caption text
  TPoint ImageSize;  // the caption image or glyph; 0 x 0 for none
  int Spacing = 2;
  TsfImagePosition ImagePosition = sfipDefault;
  bool CheckedMode = false;
  TPoint CheckSize;  // the check (or uncheck) image
  bool RollUpMode = false;
  TRect FrameRect;      // the frame image; empty for none
  TRect FrameTextRect;  // where the text sits inside the frame image
};

struct TsfSkinCaptionLayout {
  TRect TextArea;  // the text is clipped to it
  TPoint Text;
  TPoint Image;
  TPoint Check;
  TRect RollSlot;  // empty without the roll-up arrow
  TRect Frame;     // empty without a frame image
};

TsfSkinCaptionLayout LayoutSkinCaption(const TsfSkinCaptionInput& in);

// The frame-with-caption look of a transparent panel: the caption sits at the top
// left of a one-pixel frame whose top line runs through the caption's middle.
struct TsfFrameCaptionLayout {
  TRect Caption;  // (5, 0, width, text height + 5)
  TPoint Check;
  TPoint Image;
  TPoint Text;
  TRect RollSlot;   // empty without the roll-up arrow
  int MiddleY = 0;  // where the top line runs
  int LineStart = 0;  // the top line starts again here, right of the caption
};

TsfFrameCaptionLayout LayoutFrameCaption(int width, TPoint textSize, TPoint imageSize,
                                         int spacing, bool checkedMode, TPoint checkSize,
                                         bool rollUpMode);
