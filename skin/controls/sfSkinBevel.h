#pragma once
// TsfSkinBevel: the platform's bevel (lines, boxes, frames, an invisible spacer)
// drawn in the light and dark colours of a `bevel` definition.
#include <string>
#include <vector>

#include "sfSkinBinding.h"
#include "sfSkinnable.h"
#include "ui/GraphicControl.h"

enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum TBevelStyle { bsLowered, bsRaised };

// One pen stroke: a polyline drawn to just before its last point, in the first
// colour (dark when lowered) or the second.
struct TsfBevelStroke {
  std::vector<TPoint> Points;
  bool FirstColor;
};
// The strokes of a shape of the given size.
std::vector<TsfBevelStroke> BevelStrokes(TBevelShape shape, bool dividerMode, int width, int height);

class TsfSkinBevel : public TGraphicControl, public TsfSkinnable {
 public:
  explicit TsfSkinBevel(TComponent* AOwner);
  ~TsfSkinBevel() override;

  TBevelShape Shape() const { return FShape; }
  void SetShape(TBevelShape value);
  TBevelStyle Style() const { return FStyle; }
  void SetStyle(TBevelStyle value);
  bool DividerMode() const { return FDividerMode; }
  void SetDividerMode(bool value);

  TsfSkinData* SkinData() const override { return FBinding.SkinData(); }
  void SetSkinData(TsfSkinData* value);
  const std::string& SkinDataName() const { return FBinding.Name(); }
  void SetSkinDataName(const std::string& value) { FBinding.SetName(value); }
  int DefinitionIndex() const { return FBinding.DefinitionIndex(); }
  TColor LightColor() const { return FLightColor; }
  TColor DarkColor() const { return FDarkColor; }

  // The definition again; the colours from it (a definition of another kind
  // leaves them as they are), the system's without one.
  void FetchSkin();
  // The skin-change walk: FetchSkin and a repaint.
  void ApplySkin() override;
  void ReleaseSkin() override { FBinding.Release(); }

  // Centred vertically on a tool bar that places its children.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

 protected:
  void Paint() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  TsfSkinBinding FBinding{*this};
  TBevelShape FShape = bsBox;
  TBevelStyle FStyle = bsLowered;
  bool FDividerMode = false;
  TColor FLightColor = clBtnHighlight;
  TColor FDarkColor = clBtnShadow;
};
