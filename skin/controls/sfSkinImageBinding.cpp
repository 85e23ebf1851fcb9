#include "sfSkinImageBinding.h"

#include "sfSkinImage.h"
#include "skin/data/sfSkinData.h"

void SetDefaultSkinFont(TFont& font) {
  font.SetName("Arial");
  font.SetHeight(14);
  font.SetStyle({});
}

TsfSkinImageBinding::TsfSkinImageBinding() : DefaultFont(std::make_unique<TFont>()) {
  SetDefaultSkinFont(*DefaultFont);
}

TsfSkinImageBinding::~TsfSkinImageBinding() { DefaultFont->OnChange = nullptr; }

void TsfSkinImageBinding::Fetch(const TsfSkinBinding& binding, bool withMask) {
  if (!binding.Skinned()) {
    // Nothing reads the copies while unskinned; the pictures may be gone with the skin.
    Picture = Mask = nullptr;
    return;
  }
  TsfSkinPictures pictures =
      FetchSkinGeometry(*binding.SkinData(), binding.DefinitionIndex(), Geometry);
  Picture = pictures.Picture;
  Mask = withMask ? pictures.Mask : nullptr;
}

void TsfSkinImageBinding::Draw(TBitmap& target, const TRect& r, int width, int height,
                               bool centre) const {
  DrawSkinImageRect(target, Picture, Geometry, r, width, height, centre);
}
