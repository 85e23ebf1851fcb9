#pragma once
// TsfSkinXFormButton: a push button with a picture look of its own for use without a
// skin: up to three face images and a mask given with the form, and their caption
// colours. Skinned, or without DefImage, it is a TsfSkinButton.
#include <memory>

#include "sfSkinButton.h"

class TsfSkinXFormButton : public TsfSkinButton {
 public:
  explicit TsfSkinXFormButton(TComponent* AOwner);
  ~TsfSkinXFormButton() override;

  // The normal face; when not empty the unskinned button takes its size.
  TBitmap& DefImage() { return *FDefImage; }
  void SetDefImage(const TBitmap& value);
  TBitmap& DefActiveImage() { return *FDefActiveImage; }
  void SetDefActiveImage(const TBitmap& value);
  TBitmap& DefDownImage() { return *FDefDownImage; }
  void SetDefDownImage(const TBitmap& value);
  // Its black pixels are the button's shape (the window region) while the picture
  // look applies.
  TBitmap& DefMask() { return *FDefMask; }
  void SetDefMask(const TBitmap& value);
  TColor DefActiveFontColor() const { return FDefActiveFontColor; }
  void SetDefActiveFontColor(TColor value) { FDefActiveFontColor = value; }
  TColor DefDownFontColor() const { return FDefDownFontColor; }
  void SetDefDownFontColor(TColor value) { FDefDownFontColor = value; }

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void ApplySkin() override;
  void UpdateSkinRegion() override;

 protected:
  void Loaded() override;
  void CreateHandleDone() override;
  void DrawDefaultImage(TBitmap& B) override;

 private:
  // Unskinned with a face image: the picture look applies.
  bool UsesOwnImages() const;
  void UpdateMaskRegion();

  std::unique_ptr<TBitmap> FDefImage, FDefActiveImage, FDefDownImage, FDefMask;
  TColor FDefActiveFontColor = clBlack;
  TColor FDefDownFontColor = clBlack;
};
