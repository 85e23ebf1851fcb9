#include "sfSkinRegion.h"

#include "skin/data/sfUtilsRegion.h"

TRegionHandle SkinMaskRegion(const TBitmap& mask, const TsfSkinGeometry& g, int width,
                             int height) {
  const int W = g.SkinWidth(), H = g.SkinHeight();
  TsfNinePartGeometry old = g.Old(), ng;
  switch (g.SizingMode) {
    case sfsmNinePart: ng = ResizedGeometry(old, W, H, width, height); break;
    case sfsmHorizontal: {
      old.LB = old.LT;
      old.RB = old.RT;
      TPoint right{width + g.RTPoint.x - W, g.RTPoint.y};
      ng = {g.LTPoint, right, g.LTPoint, right,
            {g.ClRect.Left, g.ClRect.Top, g.ClRect.Right + width - W, g.ClRect.Bottom}};
      break;
    }
    case sfsmVertical: {
      old.RT = old.LT;
      old.RB = old.LB;
      TPoint bottom{g.LBPoint.x, height + g.LBPoint.y - H};
      ng = {g.LTPoint, g.LTPoint, bottom, bottom,
            {g.ClRect.Left, g.ClRect.Top, g.ClRect.Right, g.ClRect.Bottom + height - H}};
      break;
    }
    case sfsmFixed: return CreateRgnFromBitmap(mask);
    default: return {};
  }
  return CreateRgnFromResizedMask(mask, old, ng, width, height);
}
