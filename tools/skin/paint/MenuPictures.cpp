// The menu items' picture: a menu item plain, hot and in the frames between, the
// divider, the check, radio and submenu marks, and the items of the menu bar.
#include <functional>
#include <string>

#include "FrameColours.h"
#include "FramePictures.h"
#include "SkinLook.h"

using namespace look;
using namespace frame;

namespace {

TRect Claimed(TSkinCanvas& c, const TSkinLayout& layout, const std::string& section, const char* key) {
  TRect r = layout.Rect(section, key);
  c.Claim(r, "[" + section + "] " + key);
  return r;
}


// The highlight of a menu item, `strength` of the way from the plain item (0) to the
// hot one (1).
void HotItem(TSkinCanvas& c, const TRect& r, double strength) {
  auto part = [strength](TRgb hot) { return Mix(kWhite, hot, strength); };
  c.RoundBox(TRect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1), 3, part(Rgb(190, 197, 238)),
             part(Rgb(237, 240, 254)), part(Rgb(225, 230, 252)));
}

// The frames of [menuitem] animateskinrect, when it has them: framecount images of
// the item's size, stacked when the strip is higher than the item, else side by side,
// that bring the highlight in step by step before the hot image.
void AnimationFrames(TSkinCanvas& c, const TSkinLayout& layout) {
  const std::string item = "menuitem";
  const TRect strip = ReadRect(layout.Ini(), item, "animateskinrect");
  const int frames = layout.Ini().ReadInteger(item, "framecount", 0);
  if (strip.IsEmpty() || frames <= 0) return;
  c.Claim(strip, "[menuitem] animateskinrect");
  const TRect one = layout.Rect(item, "skinrect");
  const bool stacked = strip.Height() > one.Height();
  for (int k = 0; k < frames; ++k) {
    const TRect r = stacked ? Bounds(strip.Left, strip.Top + k * (strip.Height() / frames), strip.Width(), strip.Height() / frames)
                            : Bounds(strip.Left + k * (strip.Width() / frames), strip.Top, strip.Width() / frames, strip.Height());
    HotItem(c, r, double(k + 1) / (frames + 1));
  }
}

}  // namespace

TSkinCanvas PaintMenuItems(const TSkinLayout& layout) {
  TSkinCanvas c = layout.Canvas(layout.Look().MenuWidth, layout.Look().MenuHeight, kWhite);
  const std::string item = "menuitem";
  Claimed(c, layout, item, "skinrect");
  TRect hot = Claimed(c, layout, item, "activeskinrect");
  HotItem(c, hot, 1);
  AnimationFrames(c, layout);
  TRect divider = Claimed(c, layout, item, "dividerrect");
  c.HLine(divider.Left + 4, divider.Right - 4, divider.Top + divider.Height() / 2, kSeparator);
  const TRgb hotBack = Rgb(231, 235, 253);
  auto mark = [&](const char* key, bool active, const std::function<void(const TRect&, TRgb)>& draw) {
    TRect r = Claimed(c, layout, item, key);
    if (active) c.Fill(r, hotBack);
    draw(r, active ? Rgb(24, 30, 64) : kGlyph);
  };
  auto check = [&](const TRect& r, TRgb colour) { CheckMark(c, r.Left + 2, r.Top + 2.5, 1.1, colour, 1.5); };
  auto radio = [&](const TRect& r, TRgb colour) {
    c.RoundFill(TRect(r.Left + 3, r.Top + 3, r.Left + 9, r.Top + 9), 3, colour, colour);
  };
  auto arrow = [&](const TRect& r, TRgb colour) {
    Chevron(c, r.Left + r.Width() / 2.0, r.Top + r.Height() / 2.0, 2, 7, colour);
  };
  mark("checkimagerect", false, check);
  mark("activecheckimagerect", true, check);
  mark("radioimagerect", false, radio);
  mark("activeradioimagerect", true, radio);
  mark("arrowimagerect", false, arrow);
  mark("activearrowimagerect", true, arrow);
  const std::string bar = "mainmenubaritem";
  c.Fill(Claimed(c, layout, bar, "skinrect"), kMenuBar);
  TRect barHot = Claimed(c, layout, bar, "activeskinrect");
  c.Fill(barHot, kMenuBar);
  Plate(c, TRect(barHot.Left + 1, barHot.Top + 1, barHot.Right - 1, barHot.Bottom - 1), TState::Hot);
  TRect barDown = Claimed(c, layout, bar, "downrect");
  c.Fill(barDown, kMenuBar);
  Plate(c, TRect(barDown.Left + 1, barDown.Top + 1, barDown.Right - 1, barDown.Bottom - 1), TState::Down);
  return c;
}

