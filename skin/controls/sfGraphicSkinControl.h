#pragma once
// TsfGraphicSkinControl: a windowless control bound to one control definition of a
// skin data component; it paints on its parent and draws its plain look unskinned.
#include <string>

#include "sfSkinBinding.h"
#include "ui/GraphicControl.h"
#include "ui/WinControl.h"

class TBitmap;

class TsfGraphicSkinControl : public TGraphicControl {
 public:
  explicit TsfGraphicSkinControl(TComponent* AOwner);
  ~TsfGraphicSkinControl() override;

  TsfSkinData* SkinData() const { return FBinding.SkinData(); }
  // Applies the skin at once when the new skin data holds one.
  virtual void SetSkinData(TsfSkinData* value);
  const std::string& SkinDataName() const { return FBinding.Name(); }
  void SetSkinDataName(const std::string& value) { FBinding.SetName(value); }
  const std::string& HintTitle() const { return FBinding.HintTitle(); }
  void SetHintTitle(const std::string& value) { FBinding.SetHintTitle(value); }
  int HintImageIndex() const { return FBinding.HintImageIndex(); }
  void SetHintImageIndex(int value) { FBinding.SetHintImageIndex(value); }

  int DefinitionIndex() const { return FBinding.DefinitionIndex(); }
  bool Skinned() const { return FBinding.Skinned(); }
  TsfDataSkinControl* Definition() const { return FBinding.Definition(); }

  virtual void FetchSkin() { FBinding.Fetch(); }
  virtual void ApplySkin();
  virtual void ReleaseSkin() { FBinding.Release(); }

 protected:
  const TsfSkinBinding& Binding() const { return FBinding; }
  void Paint() override;
  void PaintOffScreen();
  virtual void DrawDefaultImage(TBitmap& B) { (void)B; }
  virtual void DrawSkinImage(TBitmap& B) { (void)B; }
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  TsfSkinBinding FBinding{*this};
};
