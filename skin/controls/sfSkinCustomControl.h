#pragma once
// TsfSkinCustomControl: a windowed skinned control whose skin is a rectangular image.
// It copies the image's geometry from its definition, takes the size the image's
// resize mode allows, cuts its window to the mask and paints the image at any size.
#include "sfSkinControl.h"
#include "sfSkinImageBinding.h"

class TsfSkinCustomControl : public TsfSkinControl {
 public:
  explicit TsfSkinCustomControl(TComponent* AOwner);
  ~TsfSkinCustomControl() override;

  // Size the control takes while unskinned (0 keeps the current one).
  int DefaultWidth() const { return FImage.DefaultWidth; }
  void SetDefaultWidth(int value);
  int DefaultHeight() const { return FImage.DefaultHeight; }
  void SetDefaultHeight(int value);
  // Font of the plain look, and of the skinned one when UseSkinFont is off.
  TFont& DefaultFont() { return *FImage.DefaultFont; }
  const TFont& DefaultFont() const { return *FImage.DefaultFont; }
  void SetDefaultFont(const TFont& value) { FImage.DefaultFont->Assign(value); }
  bool UseSkinFont() const { return FImage.UseSkinFont; }
  void SetUseSkinFont(bool value);
  // The skinned frame is painted as four border images and the client area is
  // filled straight on the canvas.
  bool SplitBorderPaint() const { return FSplitBorderPaint; }
  void SetSplitBorderPaint(bool value);
  bool FillClientArea() const { return FFillClientArea; }
  void SetFillClientArea(bool value);

  TsfSizingMode SizingMode() const { return FSkin.SizingMode; }
  // The definition's geometry as last fetched, and the one for the last size asked.
  const TsfSkinGeometry& SkinGeometry() const { return FSkin; }
  TBitmap* SkinPicture() const { return FImage.Picture; }
  TBitmap* SkinMaskPicture() const { return FImage.Mask; }
  // Where a rectangle given relative to the skin image lies in the control as sized.
  TRect MapSkinRect(const TRect& r) const { return FSkin.MapSkinRect(r, Width(), Height()); }

  void FetchSkin() override;
  void ApplySkin() override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  virtual void CalcSkinSize(int& w, int& h);
  virtual void UpdateSkinRegion();

 protected:
  void Paint() override;
  void DrawDefaultImage(TBitmap& B) override;
  void DrawSkinImage(TBitmap& B) override;
  virtual void DefaultFontChanged() {}
  void CreateHandleDone() override;
  // The skin image `r` (a state image the size of S) at the control's size.
  void DrawSkinImageRect(TBitmap& B, const TRect& r);
  // The split paint of a skinned nine-part control, straight on the canvas.
  void PaintSplitBorders();
  // Fills `area` of the canvas with the definition's client piece.
  void FillClientPiece(const TRect& area);

 private:
  TsfSkinImageBinding FImage;
  bool FSplitBorderPaint = false;
  bool FFillClientArea = true;

 protected:
  // The image's geometry, as descendants read it.
  TsfSkinGeometry& FSkin = FImage.Geometry;
};
