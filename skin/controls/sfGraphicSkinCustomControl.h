#pragma once
// TsfGraphicSkinCustomControl: a windowless skinned control whose skin is a
// rectangular image; as TsfSkinCustomControl, without a window region.
#include <memory>

#include "sfGraphicSkinControl.h"
#include "sfSkinGeometry.h"
#include "ui/Font.h"

class TsfGraphicSkinCustomControl : public TsfGraphicSkinControl {
 public:
  explicit TsfGraphicSkinCustomControl(TComponent* AOwner);
  ~TsfGraphicSkinCustomControl() override;

  int DefaultWidth() const { return FDefaultWidth; }
  void SetDefaultWidth(int value);
  int DefaultHeight() const { return FDefaultHeight; }
  void SetDefaultHeight(int value);
  TFont& DefaultFont() { return *FDefaultFont; }
  void SetDefaultFont(const TFont& value) { FDefaultFont->Assign(value); }
  bool UseSkinFont() const { return FUseSkinFont; }
  void SetUseSkinFont(bool value);

  int SizingMode() const { return FSkin.SizingMode; }
  const TsfSkinGeometry& SkinGeometry() const { return FSkin; }
  TBitmap* SkinPicture() const { return FPicture; }
  TRect MapSkinRect(const TRect& r) const { return FSkin.MapSkinRect(r, Width(), Height()); }

  void FetchSkin() override;
  void ApplySkin() override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  virtual void CalcSkinSize(int& w, int& h);

 protected:
  void DrawDefaultImage(TBitmap& B) override;
  void DrawSkinImage(TBitmap& B) override;
  virtual void DefaultFontChanged() {}
  void DrawSkinImageRect(TBitmap& B, const TRect& r);

  TsfSkinGeometry FSkin;

 private:
  int FDefaultWidth = 0;
  int FDefaultHeight = 0;
  std::unique_ptr<TFont> FDefaultFont;
  bool FUseSkinFont = true;
  TBitmap* FPicture = nullptr;
};
