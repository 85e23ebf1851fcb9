#pragma once
// The geometry of a rectangular skin image as a control copies it from its definition
// (skin rectangle S, client rectangle Cl, the four inner corner points), the resize
// mode that follows from it, and the corners and client rectangle the image takes at
// another size. Shared by the windowed and the windowless skinned controls.
#include "skin/data/sfSkinValues.h"
#include "skin/data/sfUtilsPieces.h"
#include "ui/Types.h"

class TsfDataSkinCustomControl;

// Resize modes: how a skin image follows the control's size.
enum TsfSizingMode : int {
  sfsmNone = -1,       // no skin image
  sfsmFixed = 0,       // the control keeps the size of S
  sfsmNinePart = 1,    // free size, corners kept
  sfsmHorizontal = 2,  // height fixed, width free
  sfsmVertical = 3,    // width fixed, height free
};

// The mode of an image, tested in this order: an empty S has none; RB set on both
// axes is nine-part; RT set on either axis horizontal; LB set on either vertical.
TsfSizingMode SkinSizingMode(const TRect& skinRect, TPoint rightTop, TPoint leftBottom, TPoint rightBottom);

// Corner-area tests of the skin layout: a point on the right or bottom edge counts
// as inside; a rectangle lies inside when both its corners do by the exclusive test.
bool PointInSkinRect(TPoint p, const TRect& r);
bool RectInSkinRect(const TRect& inner, const TRect& outer);

struct TsfSkinGeometry {
  TRect SkinRect;  // S, in picture coordinates
  TRect ClRect;    // Cl, relative to S
  TPoint LTPoint, RTPoint, LBPoint, RBPoint;
  bool LeftStretch = false, TopStretch = false, RightStretch = false, BottomStretch = false;
  bool StretchEffect = false;
  TsfStretchType StretchType = stFull;
  TsfSizingMode SizingMode = sfsmNone;

  // The geometry at the size last passed to CalcSkinSize.
  TPoint NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint;
  TRect NewClRect;

  int SkinWidth() const { return SkinRect.Width(); }
  int SkinHeight() const { return SkinRect.Height(); }
  // The definition's corners and client rectangle, as the resize routines take them.
  TsfNinePartGeometry Old() const { return {LTPoint, RTPoint, LBPoint, RBPoint, ClRect}; }
  // The edge flags and the centre's stretch, as the resize routines take them.
  TsfNinePartOptions Options() const {
    return {LeftStretch, TopStretch, RightStretch, BottomStretch, StretchEffect, StretchType};
  }

  // Copies the values of a definition and sets SizingMode from them.
  void Assign(const TsfDataSkinCustomControl& def);
  // A definition without an image geometry of its own: fixed, nothing to copy.
  void SetFixedWithoutImage() { SizingMode = sfsmFixed; }

  // For a control about to be w x h: the new geometry, and w or h replaced by the
  // skin's where the mode fixes them. `skinned` gates the fixed mode only.
  void CalcSkinSize(bool skinned, int& w, int& h);

  // Where a rectangle given relative to S lies in a control of width x height.
  TRect MapSkinRect(const TRect& r, int width, int height) const;

 private:
  TRect MapNinePart(const TRect& r, int dW, int dH) const;
};
