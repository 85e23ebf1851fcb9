#pragma once
// TsfGraphicSkinControl: a windowless control bound to one control definition of a
// skin data component; it paints on its parent and draws its plain look unskinned.
#include <string>

#include "ui/GraphicControl.h"

class TBitmap;
class TsfSkinData;
class TsfDataSkinControl;

class TsfGraphicSkinControl : public TGraphicControl {
 public:
  explicit TsfGraphicSkinControl(TComponent* AOwner);
  ~TsfGraphicSkinControl() override;

  TsfSkinData* SkinData() const { return FSkinData; }
  // Applies the skin at once when the new skin data holds one.
  virtual void SetSkinData(TsfSkinData* value);
  const std::string& SkinDataName() const { return FSkinDataName; }
  void SetSkinDataName(const std::string& value) { FSkinDataName = value; }
  const std::string& HintTitle() const { return FHintTitle; }
  void SetHintTitle(const std::string& value) { FHintTitle = value; }
  int HintImageIndex() const { return FHintImageIndex; }
  void SetHintImageIndex(int value) { FHintImageIndex = value; }

  int DefinitionIndex() const { return FDefinitionIndex; }
  bool Skinned() const { return FDefinitionIndex != -1; }
  TsfDataSkinControl* Definition() const;

  virtual void FetchSkin();
  virtual void ApplySkin();
  virtual void ReleaseSkin() { FDefinitionIndex = -1; }

 protected:
  void Paint() override;
  void PaintOffScreen();
  virtual void DrawDefaultImage(TBitmap& B) { (void)B; }
  virtual void DrawSkinImage(TBitmap& B) { (void)B; }
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  TsfSkinData* FSkinData = nullptr;
  std::string FSkinDataName;
  std::string FHintTitle;
  int FHintImageIndex = 0;
  int FDefinitionIndex = -1;
};
