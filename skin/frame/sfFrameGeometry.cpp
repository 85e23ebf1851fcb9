#include "sfFrameGeometry.h"

#include <algorithm>

#include "skin/data/sfText.h"

namespace {

TPoint Moved(TPoint p, int dx, int dy) { return {p.x + dx, p.y + dy}; }

}  // namespace

TsfFrameGeometry SizedFrameGeometry(const TsfSkinFormInfo& fi, int wp, int hp, int width,
                                    int height) {
  TsfFrameGeometry g;
  g.Width = width;
  g.Height = height;
  g.DW = width - wp;
  g.DH = height - hp;
  g.LT = fi.lefttoppoint;
  g.RT = Moved(fi.righttoppoint, g.DW, 0);
  g.LB = Moved(fi.leftbottompoint, 0, g.DH);
  g.RB = Moved(fi.rightbottompoint, g.DW, g.DH);
  const TRect& c = fi.clientrect;
  g.Client = {c.Left, c.Top, c.Right + g.DW, c.Bottom + g.DH};
  g.Caption = fi.captionrect;
  if (!g.Caption.IsEmpty()) g.Caption.Right += g.DW;
  g.Buttons = fi.buttonsrect;
  if (!g.Buttons.IsEmpty() && g.Buttons.Left > wp / 2) g.Buttons = g.Buttons.Offset(g.DW, 0);
  const TRect& m = fi.maskrectarea;
  g.Mask = {m.Left, m.Top, m.Right + g.DW, m.Bottom + g.DH};
  g.HitLT = fi.hittestlefttoppoint;
  g.HitRT = Moved(fi.hittestrighttoppoint, g.DW, 0);
  g.HitLB = Moved(fi.hittestleftbottompoint, 0, g.DH);
  g.HitRB = Moved(fi.hittestrightbottompoint, g.DW, g.DH);
  g.ButtonsOffset = fi.buttonsoffset;
  g.ButtonsInLeft = fi.buttonsinleft;
  return g;
}

namespace {

TRect NonNegative(TRect r) {
  if (r.Right < r.Left) r.Right = r.Left;
  if (r.Bottom < r.Top) r.Bottom = r.Top;
  return r;
}

}  // namespace

TRect SkinnedClientRect(const TsfSkinFormInfo& fi, int wp, int hp, const TRect& r) {
  const TRect& c = fi.clientrect;
  return NonNegative({r.Left + c.Left, r.Top + c.Top, r.Right - (wp - c.Right),
                      r.Bottom - (hp - c.Bottom)});
}

TRect PlainClientRect(const TRect& r, int captionHeight) {
  return NonNegative({r.Left + kPlainBorder, r.Top + captionHeight + kPlainBorder,
                      r.Right - kPlainBorder, r.Bottom - kPlainBorder});
}

TsfSizeLimits FrameSizeLimits(const TsfSizeLimitInput& in) {
  TsfSizeLimits l;
  const bool keepFrameHeight = in.RolledUp || in.Minimized;
  if (in.SkinLoaded) {
    if (in.PictureWidth < in.MinWidth && !in.Minimized)
      l.MinWidth = in.MinWidth;
    else
      l.MinWidth = in.FormMinWidth > 0 ? in.FormMinWidth : in.PictureWidth;
    const int bands = in.PictureHeight - in.ClientRect.Height();
    l.MinHeight = bands >= in.MinHeight || keepFrameHeight ? bands : in.MinHeight;
  } else {
    l.MinWidth = in.MinWidth > 0 ? in.MinWidth : 120;
    const int frame = in.CaptionHeight + 2 * kPlainBorder;
    l.MinHeight = frame >= in.MinHeight || keepFrameHeight ? frame : in.MinHeight;
  }
  l.MaxWidth = in.Monitor.Width();
  l.MaxHeight = in.Monitor.Height();
  if (in.MaxWidth != 0 && in.MaxWidth < l.MaxWidth) l.MaxWidth = in.MaxWidth;
  if (in.MaxHeight != 0 && in.MaxHeight < l.MaxHeight) l.MaxHeight = in.MaxHeight;
  return l;
}

TPoint MinimizedWindowPlace(const TRect& a, int w, int h, const std::function<bool(TPoint)>& taken) {
  const TPoint first{a.Left, a.Bottom - h};
  TPoint p = first;
  while (taken(p)) {
    p.x += w;
    if (w <= 0 || p.x + w > a.Right) {
      p.x = a.Left;
      p.y -= h;
      if (h <= 0 || p.y < a.Top) return first;
    }
  }
  return p;
}

namespace {

// Whether a window point lies on the window's shape: inside the sized mask rectangle
// or on a black pixel of the band it falls on.
bool InsideMask(const TsfFrameGeometry& g, TPoint p, const TsfMaskPixel& pixel) {
  const TRect& m = g.Mask;
  if (m.Contains(p)) return true;
  if (p.y <= m.Top) return pixel(mbkTop, p.x, p.y);
  if (p.y < m.Bottom) {
    if (p.x > m.Left) return pixel(mbkRight, p.x - m.Right, p.y - m.Top);
    return pixel(mbkLeft, p.x, p.y - m.Top);
  }
  return pixel(mbkBottom, p.x, p.y - m.Bottom);
}

bool NearEdge(const TsfFrameGeometry& g, TPoint p, const TsfHitTestState& st,
              const TsfMaskPixel& pixel) {
  const int b = st.BorderWidth;
  const TPoint probes[] = {{p.x - b, p.y}, {p.x, p.y - b}, {p.x + b, p.y}, {p.x, p.y + b}};
  const TRect window{0, 0, g.Width, g.Height};
  if (!st.HasMask) {
    for (TPoint q : probes)
      if (!window.Contains(q)) return true;
    return false;
  }
  if (g.Mask.Contains(p)) return false;
  for (TPoint q : probes)
    if (!InsideMask(g, q, pixel)) return true;
  return false;
}

int EdgeCode(const TsfFrameGeometry& g, TPoint p) {
  if (p.x <= g.HitLT.x && p.y <= g.HitLT.y) return kHtTopLeft;
  if (p.x >= g.HitRT.x && p.y <= g.HitRT.y) return kHtTopRight;
  if (p.x <= g.HitLB.x && p.y >= g.HitLB.y) return kHtBottomLeft;
  if (p.x >= g.HitRB.x && p.y >= g.HitRB.y) return kHtBottomRight;
  if (TRect(g.HitLT.x, 0, g.HitRT.x, g.Client.Top).Contains(p)) return kHtTop;
  if (TRect(g.HitLB.x, g.Client.Bottom, g.HitRB.x, g.Height).Contains(p)) return kHtBottom;
  if (TRect(0, g.HitLT.y, g.Client.Left, g.HitLB.y).Contains(p)) return kHtLeft;
  if (TRect(g.Client.Right, g.HitRT.y, g.Width, g.HitRB.y).Contains(p)) return kHtRight;
  return kHtNowhere;
}

}  // namespace

int SkinnedFrameHitTest(const TsfFrameGeometry& g, TPoint p, const TsfHitTestState& st,
                        const TsfMaskPixel& pixel, const std::function<bool(TPoint)>& inCaption) {
  const bool caption = inCaption(p);
  if (st.RolledUp || st.Minimized) return caption ? kHtCaption : kHtObject;
  if (st.HotObject && !caption && !g.Client.Contains(p) && !st.MovingOrSizing) return kHtObject;
  if (!st.Maximized && st.Resizable && NearEdge(g, p, st, pixel)) {
    int code = EdgeCode(g, p);
    if (code != kHtNowhere) return code;
  }
  if (g.Client.Contains(p)) return kHtClient;
  return caption ? kHtCaption : kHtObject;
}

int PlainFrameHitTest(int w, int h, int captionHeight, const TRect& caption, TPoint p,
                      const TsfHitTestState& st) {
  if (st.Resizable && !st.Maximized && !st.RolledUp && !st.Minimized) {
    if (st.HotObject) return kHtObject;
    const bool left = p.x <= 2, top = p.y <= 2, right = p.x >= w - 2, bottom = p.y >= h - 2;
    if (left && top) return kHtTopLeft;
    if (right && top) return kHtTopRight;
    if (left && bottom) return kHtBottomLeft;
    if (right && bottom) return kHtBottomRight;
    if (left) return kHtLeft;
    if (top) return kHtTop;
    if (right) return kHtRight;
    if (bottom) return kHtBottom;
  }
  if (caption.Contains(p)) return kHtCaption;
  if (TRect(kPlainBorder, captionHeight + kPlainBorder, w - kPlainBorder, h - kPlainBorder)
          .Contains(p))
    return kHtClient;
  return kHtObject;
}


std::string EllipsisCaption(const std::string& text, int maxWidth,
                            const std::function<int(const std::string&)>& width) {
  return sf::ShortenWithEllipsis(text, [&](const std::string& s) { return width(s) <= maxWidth; });
}
