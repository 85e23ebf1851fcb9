#pragma once
// TsfGraphicSkinCustomControl: a windowless skinned control whose skin is a
// rectangular image; as TsfSkinCustomControl, without a window region.
#include "sfGraphicSkinControl.h"
#include "sfSkinImageBinding.h"

class TsfGraphicSkinCustomControl : public TsfGraphicSkinControl {
 public:
  explicit TsfGraphicSkinCustomControl(TComponent* AOwner);
  ~TsfGraphicSkinCustomControl() override;

  int DefaultWidth() const { return FImage.DefaultWidth; }
  void SetDefaultWidth(int value);
  int DefaultHeight() const { return FImage.DefaultHeight; }
  void SetDefaultHeight(int value);
  TFont& DefaultFont() { return *FImage.DefaultFont; }
  const TFont& DefaultFont() const { return *FImage.DefaultFont; }
  void SetDefaultFont(const TFont& value) { FImage.DefaultFont->Assign(value); }
  bool UseSkinFont() const { return FImage.UseSkinFont; }
  void SetUseSkinFont(bool value);

  TsfSizingMode SizingMode() const { return FSkin.SizingMode; }
  const TsfSkinGeometry& SkinGeometry() const { return FSkin; }
  TBitmap* SkinPicture() const { return FImage.Picture; }
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

 private:
  TsfSkinImageBinding FImage;

 protected:
  TsfSkinGeometry& FSkin = FImage.Geometry;
};
