#pragma once
// The image half of a control's binding to its skin, shared by the windowed and the
// windowless custom controls: the size and font of the plain look, the geometry and
// pictures copied from the definition, and the steps of ApplySkin and SetBounds that
// follow from them.
#include <memory>

#include "sfSkinBinding.h"
#include "sfSkinGeometry.h"
#include "ui/Font.h"

class TBitmap;
class TControl;

class TsfSkinImageBinding {
 public:
  TsfSkinImageBinding();
  ~TsfSkinImageBinding();

  // Size the control takes while unskinned (0 keeps the current one).
  int DefaultWidth = 0;
  int DefaultHeight = 0;
  // Font of the plain look, and of the skinned one when UseSkinFont is off.
  std::unique_ptr<TFont> DefaultFont;
  bool UseSkinFont = true;

  TsfSkinGeometry Geometry;
  TBitmap* Picture = nullptr;
  TBitmap* Mask = nullptr;

  // Copies the definition `binding` found; a windowless control asks for no mask.
  void Fetch(const TsfSkinBinding& binding, bool withMask);
  // Draws the image `r` of the picture (a rectangle the size of S) into `target`
  // at width x height by the resize mode; see DrawSkinImageRect.
  void Draw(TBitmap& target, const TRect& r, int width, int height, bool centre) const;
};

// The font every skinned control starts with: "Arial", height 14, no style.
void SetDefaultSkinFont(TFont& font);

// The sizing step of ApplySkin for either base: unskinned, DefaultWidth and
// DefaultHeight apply; skinned, the size CalcSkinSize allows is set (width first).
// True when a skinned control changed its size (SetBounds then repainted it).
template <class TSkinnedControl>
bool ApplySkinSize(TSkinnedControl& c, const TsfSkinImageBinding& image) {
  if (!c.Skinned()) {
    if (image.DefaultWidth > 0) c.SetWidth(image.DefaultWidth);
    if (image.DefaultHeight > 0) c.SetHeight(image.DefaultHeight);
    return false;
  }
  int w = c.Width(), h = c.Height();
  c.CalcSkinSize(w, h);
  bool changed = w != c.Width() || h != c.Height();
  if (w != c.Width()) c.SetWidth(w);
  if (h != c.Height()) c.SetHeight(h);
  return changed;
}

// The first steps of SetBounds for either base: the definition looked up again, the
// size the skin allows, and the top a parent that places its children asks for.
// True when a skinned control is being resized.
template <class TSkinnedControl>
bool SkinnedBounds(TSkinnedControl& c, int& top, int& width, int& height) {
  c.FetchSkin();
  bool resized = c.Skinned() && (width != c.Width() || height != c.Height());
  if (resized) c.CalcSkinSize(width, height);
  if (c.Parent()) c.Parent()->PlaceChildTop(c, height, top);
  return resized;
}
