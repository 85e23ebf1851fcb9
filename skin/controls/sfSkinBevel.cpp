#include "sfSkinBevel.h"

#include <windows.h>

#include "skin/data/sfDataSkinExtraControls.h"
#include "skin/data/sfSkinData.h"
#include "ui/WinControl.h"

namespace {

using TStrokes = std::vector<TsfBevelStroke>;

// Left and top edges in the first colour, right and bottom in the second, or all
// in one colour when `only` is given (0 first, 1 second).
void Outline(TStrokes& out, int l, int t, int r, int b, int only = -1) {
  out.push_back({{{l, b}, {l, t}, {r, t}}, only == -1 ? true : only == 0});
  out.push_back({{{r, t}, {r, b}, {l, b}}, only == -1 ? false : only == 0});
}

void Line(TStrokes& out, int x0, int y0, int x1, int y1, bool first) {
  out.push_back({{{x0, y0}, {x1, y1}}, first});
}

bool Vertical(TBevelShape shape) { return shape != bsTopLine && shape != bsBottomLine; }

}  // namespace

std::vector<TsfBevelStroke> BevelStrokes(TBevelShape shape, bool dividerMode, int width, int height) {
  TStrokes out;
  if (shape == bsSpacer) return out;
  int w = width, h = height;
  if (dividerMode) {
    if (Vertical(shape))
      Outline(out, w / 2 - 1, 2, w / 2, h - 2);
    else
      Outline(out, 2, h / 2 - 1, w - 2, h / 2);
    return out;
  }
  switch (shape) {
    case bsBox:
      Outline(out, 0, 0, w - 1, h - 1);
      break;
    case bsFrame:
      Outline(out, 1, 1, w - 1, h - 1, 1);
      Outline(out, 0, 0, w - 2, h - 2, 0);
      break;
    case bsTopLine:
      Line(out, 0, 0, w, 0, true);
      Line(out, 0, 1, w, 1, false);
      break;
    case bsBottomLine:
      Line(out, 0, h - 2, w, h - 2, true);
      Line(out, 0, h - 1, w, h - 1, false);
      break;
    case bsLeftLine:
      Line(out, 0, 0, 0, h, true);
      Line(out, 1, 0, 1, h, false);
      break;
    case bsRightLine:
      Line(out, w - 2, 0, w - 2, h, true);
      Line(out, w - 1, 0, w - 1, h, false);
      break;
    case bsSpacer:
      break;
  }
  return out;
}

TsfSkinBevel::TsfSkinBevel(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetSkinDataName("bevel");
  SetOpaque(false);
}

TsfSkinBevel::~TsfSkinBevel() = default;

void TsfSkinBevel::SetShape(TBevelShape value) {
  if (value == FShape) return;
  FShape = value;
  Invalidate();
}

void TsfSkinBevel::SetStyle(TBevelStyle value) {
  if (value == FStyle) return;
  FStyle = value;
  Invalidate();
}

void TsfSkinBevel::SetDividerMode(bool value) {
  FDividerMode = value;
  Invalidate();
}

void TsfSkinBevel::SetSkinData(TsfSkinData* value) {
  FBinding.SetSkinData(value);
  ApplySkin();
}

void TsfSkinBevel::ApplySkin() {
  FetchSkin();
  Invalidate();
}

void TsfSkinBevel::FetchSkin() {
  FBinding.Fetch();
  if (!FBinding.Skinned()) {
    FLightColor = clBtnHighlight;
    FDarkColor = clBtnShadow;
  } else if (auto* def = dynamic_cast<TsfDataSkinBevel*>(FBinding.Definition())) {
    FLightColor = def->lightcolor;
    FDarkColor = def->darkcolor;
  }
}

void TsfSkinBevel::Notification(TComponent* AComponent, TOperation Operation) {
  TGraphicControl::Notification(AComponent, Operation);
  FBinding.Notification(AComponent, Operation);
}

void TsfSkinBevel::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (Parent()) Parent()->PlaceChildTop(*this, AHeight, ATop);
  TGraphicControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TsfSkinBevel::Paint() {
  TCanvas& canvas = Canvas();
  TColor c1 = FStyle == bsLowered ? FDarkColor : FLightColor;
  TColor c2 = FStyle == bsLowered ? FLightColor : FDarkColor;
  canvas.Pen().SetWidth(1);
  for (const TsfBevelStroke& s : BevelStrokes(FShape, FDividerMode, Width(), Height())) {
    canvas.Pen().SetColor(s.FirstColor ? c1 : c2);
    canvas.Polyline(s.Points);
  }
}
