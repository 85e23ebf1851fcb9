#pragma once
// The arithmetic of a skinned window frame, free of the platform: the skin's frame
// points moved for a window size, the client area, the size limits, hit-testing and
// the shortening of a caption. The frame component feeds it and draws the result.
#include <functional>
#include <string>

#include "skin/data/sfSkinFormInfo.h"
#include "ui/Types.h"

// Hit-test codes as the platform numbers them; kHtObject marks the frame's own parts.
constexpr int kHtNowhere = 0, kHtClient = 1, kHtCaption = 2, kHtLeft = 10, kHtRight = 11,
              kHtTop = 12, kHtTopLeft = 13, kHtTopRight = 14, kHtBottom = 15,
              kHtBottomLeft = 16, kHtBottomRight = 17, kHtObject = 19;

// Caption height and border of the frame drawn without a skin.
constexpr int kPlainCaptionHeight = 19;
constexpr int kPlainToolCaptionHeight = 15;
constexpr int kPlainBorder = 3;

// The [FORMINFO] points and rectangles moved for a window of Width x Height, the
// main picture being Wp x Hp (dW = Width - Wp, dH = Height - Hp).
struct TsfFrameGeometry {
  int Width = 0, Height = 0, DW = 0, DH = 0;
  TPoint LT, RT, LB, RB;
  TRect Client, Caption, Buttons, Mask;
  TPoint HitLT, HitRT, HitLB, HitRB;
  int ButtonsOffset = 0;
  bool ButtonsInLeft = false;
};
TsfFrameGeometry SizedFrameGeometry(const TsfSkinFormInfo& info, int wp, int hp, int width,
                                    int height);

// The client part of the proposed window rectangle `r` (WM_NCCALCSIZE): inset by the
// skin's bands, or by the plain frame, never of negative size.
TRect SkinnedClientRect(const TsfSkinFormInfo& info, int wp, int hp, const TRect& r);
TRect PlainClientRect(const TRect& r, int captionHeight);

struct TsfSizeLimits {
  int MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0;
};
// What the limits are computed from.
struct TsfSizeLimitInput {
  bool SkinLoaded = false;
  int PictureWidth = 0, PictureHeight = 0;  // main picture
  TRect ClientRect;                         // the skin's clientrect
  int FormMinWidth = 0;                     // formminwidth
  int CaptionHeight = kPlainCaptionHeight;  // plain frame
  int MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0;  // the frame's limits
  bool Minimized = false, RolledUp = false;
  TRect Monitor;  // work area, or the whole monitor
};
TsfSizeLimits FrameSizeLimits(const TsfSizeLimitInput& in);

// Where a form minimized to w x h goes in the work area `a`: the first place that
// `taken` does not hold, from the bottom-left corner along the bottom row and then row
// by row upward; the bottom-left place when all are held. Without a height (a skin
// whose client area fills its picture) there is one row, without a width one place
// in each row.
TPoint MinimizedWindowPlace(const TRect& a, int w, int h, const std::function<bool(TPoint)>& taken);

// Which mask band a probe reads.
enum TsfMaskBandKind { mbkTop, mbkBottom, mbkLeft, mbkRight };
// Whether the pixel (x, y) of a band image is black; a point outside the image is not.
using TsfMaskPixel = std::function<bool(TsfMaskBandKind band, int x, int y)>;

// The state FrameHitTest depends on beyond the geometry.
struct TsfHitTestState {
  bool RolledUp = false, Minimized = false, Maximized = false;
  bool Resizable = false;   // AlwaysResize or a sizeable border
  bool HotObject = false;   // an object is hot
  bool MovingOrSizing = false;
  int BorderWidth = 0;      // borderwidth
  bool HasMask = false;
};
// `inCaption` tells whether a window point lies in a caption object.
int SkinnedFrameHitTest(const TsfFrameGeometry& g, TPoint p, const TsfHitTestState& st,
                        const TsfMaskPixel& maskPixel,
                        const std::function<bool(TPoint)>& inCaption);
// The plain frame: `caption` is the plain caption rectangle.
int PlainFrameHitTest(int width, int height, int captionHeight, const TRect& caption, TPoint p,
                      const TsfHitTestState& st);

// `text` (code page 936) shortened to fit `maxWidth` as measured by `width`: whole
// characters are taken off its end until it with "..." fits, then "..." is appended.
// Text that fits is returned as it is.
std::string EllipsisCaption(const std::string& text, int maxWidth,
                            const std::function<int(const std::string&)>& width);
