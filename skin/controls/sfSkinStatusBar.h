#pragma once
// TsfSkinStatusBar: a panel docked at the bottom of its form, with an optional size
// grip at its right end.
#include "sfSkinPanel.h"

class TsfSkinStatusBar : public TsfSkinPanel {
 public:
  explicit TsfSkinStatusBar(TComponent* AOwner);

  bool SizeGrip() const { return FSizeGrip; }
  void SetSizeGrip(bool value);

  // Also given to every skinned windowed child.
  void SetSkinData(TsfSkinData* value) override;
  void AdjustClientRect(TRect& rect) const override;
  // Where the grip lies, just right of the narrowed client area.
  TRect GripRect() const;

  void WndProc(TMessage& message) override;

 protected:
  void DrawPlainFace(TCanvas& C) override;
  void DrawSkinImage(TBitmap& B) override;

 private:
  bool HasSkinGripper() const;
  void DrawGrip(TCanvas& C);

  bool FSizeGrip = false;
  bool FGripShown = true;
};
