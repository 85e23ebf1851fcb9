#include "sfSkinGeometry.h"

#include "skin/data/sfDataSkinControl.h"

TsfSizingMode SkinSizingMode(const TRect& s, TPoint rt, TPoint lb, TPoint rb) {
  if (s.Width() <= 0 || s.Height() <= 0) return sfsmNone;
  if (rb.x != 0 && rb.y != 0) return sfsmNinePart;
  if (rt.x != 0 || rt.y != 0) return sfsmHorizontal;
  if (lb.x != 0 || lb.y != 0) return sfsmVertical;
  return sfsmFixed;
}

bool PointInSkinRect(TPoint p, const TRect& r) {
  return p.x >= r.Left && p.x <= r.Right && p.y >= r.Top && p.y <= r.Bottom;
}

bool RectInSkinRect(const TRect& inner, const TRect& outer) {
  return outer.Contains({inner.Left, inner.Top}) && outer.Contains({inner.Right, inner.Bottom});
}

void TsfSkinGeometry::Assign(const TsfDataSkinCustomControl& d) {
  LTPoint = d.lefttoppoint;
  RTPoint = d.righttoppoint;
  LBPoint = d.leftbottompoint;
  RBPoint = d.rightbottompoint;
  SkinRect = d.skinrect;
  LeftStretch = d.leftstretch;
  TopStretch = d.topstretch;
  RightStretch = d.rightstretch;
  BottomStretch = d.bottomstretch;
  StretchEffect = d.stretcheffect;
  StretchType = d.stretchtype;
  ClRect = d.clientrect;
  SizingMode = SkinSizingMode(SkinRect, RTPoint, LBPoint, RBPoint);
}

void TsfSkinGeometry::CalcSkinSize(bool skinned, int& w, int& h) {
  if (SizingMode == sfsmNone) return;
  if (SizingMode == sfsmFixed) {
    if (skinned) {
      w = SkinWidth();
      h = SkinHeight();
      NewClRect = ClRect;
    }
    return;
  }
  int dW = w - SkinWidth(), dH = h - SkinHeight();
  NewLTPoint = LTPoint;
  switch (SizingMode) {
    case sfsmNinePart:
      NewRTPoint = {RTPoint.x + dW, RTPoint.y};
      NewLBPoint = {LBPoint.x, LBPoint.y + dH};
      NewRBPoint = {RBPoint.x + dW, RBPoint.y + dH};
      NewClRect = {ClRect.Left, ClRect.Top, ClRect.Right + dW, ClRect.Bottom + dH};
      break;
    case sfsmHorizontal:
      h = SkinHeight();
      NewRTPoint = {RTPoint.x + dW, RTPoint.y};
      NewClRect = {ClRect.Left, ClRect.Top, ClRect.Right + dW, ClRect.Bottom};
      break;
    case sfsmVertical:
      w = SkinWidth();
      NewLBPoint = {LBPoint.x, LBPoint.y + dH};
      NewClRect = {ClRect.Left, ClRect.Top, ClRect.Right, ClRect.Bottom + dH};
      break;
    default: break;  // none and fixed returned above
  }
}

TRect TsfSkinGeometry::MapSkinRect(const TRect& r, int width, int height) const {
  int dW = width - SkinWidth(), dH = height - SkinHeight();
  switch (SizingMode) {
    case sfsmNinePart: return MapNinePart(r, dW, dH);
    case sfsmHorizontal:
      if (r.Left <= LTPoint.x && r.Right >= RTPoint.x)
        return {r.Left, r.Top, r.Right + dW, r.Bottom};
      if (r.Left >= RTPoint.x && r.Right > RTPoint.x) return r.Offset(dW, 0);
      return r;
    case sfsmVertical:
      if (r.Top <= LTPoint.y && r.Bottom >= LBPoint.y)
        return {r.Left, r.Top, r.Right, r.Bottom + dH};
      if (r.Top >= LBPoint.y && r.Bottom > LBPoint.y) return r.Offset(0, dH);
      return r;
    default: return r;
  }
}

TRect TsfSkinGeometry::MapNinePart(const TRect& r, int dW, int dH) const {
  int w = SkinWidth(), h = SkinHeight();
  TRect lt{0, 0, LTPoint.x, LTPoint.y};
  TRect lb{0, LBPoint.y, LBPoint.x, h};
  TRect rt{RTPoint.x, 0, w, RTPoint.y};
  TRect rb{RBPoint.x, RBPoint.y, w, h};
  if (RectInSkinRect(r, lt)) return r;
  if (RectInSkinRect(r, rt)) return r.Offset(dW, 0);
  if (RectInSkinRect(r, lb)) return r.Offset(0, dH);
  if (RectInSkinRect(r, rb)) return r.Offset(dW, dH);
  TPoint tl{r.Left, r.Top}, br{r.Right, r.Bottom};
  if (PointInSkinRect(tl, lt) && PointInSkinRect(br, rb))
    return {r.Left, r.Top, r.Right + dW, r.Bottom + dH};
  if (PointInSkinRect(tl, lt) && PointInSkinRect(br, rt))
    return {r.Left, r.Top, r.Right + dW, r.Bottom};
  if (PointInSkinRect(tl, lb) && PointInSkinRect(br, rb))
    return {r.Left, r.Top + dH, r.Right + dW, r.Bottom + dH};
  if (PointInSkinRect(tl, lt) && PointInSkinRect(br, lb))
    return {r.Left, r.Top, r.Right, r.Bottom + dH};
  if (PointInSkinRect(tl, rt) && PointInSkinRect(br, rb))
    return {r.Left + dW, r.Top, r.Right + dW, r.Bottom + dH};
  return r;
}
