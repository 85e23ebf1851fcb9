#pragma once
// TsfSkinControl: a windowed control bound to one control definition of a skin data
// component. Without a skin (no SkinData, an empty skin, or a name the skin does
// not define) it draws its own plain look; descendants decide what both looks are.
#include <string>

#include "sfSkinBinding.h"
#include "ui/CustomControl.h"
#include "ui/GdiObject.h"

class TBitmap;

// The background behind the receiving control changed (sent by a skinned control
// to its children).
constexpr unsigned WM_SKIN_BGCHANGED = 1284;  // WM_USER + 260

class TsfSkinControl : public TCustomControl {
 public:
  explicit TsfSkinControl(TComponent* AOwner);
  ~TsfSkinControl() override;

  TsfSkinData* SkinData() const { return FBinding.SkinData(); }
  // Applies the skin at once when the new skin data holds one.
  virtual void SetSkinData(TsfSkinData* value);
  // Compared exactly with the definitions' names; picked up by the next paint or resize.
  const std::string& SkinDataName() const { return FBinding.Name(); }
  virtual void SetSkinDataName(const std::string& value) { FBinding.SetName(value); }
  const std::string& HintTitle() const { return FBinding.HintTitle(); }
  void SetHintTitle(const std::string& value) { FBinding.SetHintTitle(value); }
  int HintImageIndex() const { return FBinding.HintImageIndex(); }
  void SetHintImageIndex(int value) { FBinding.SetHintImageIndex(value); }

  // Position of the definition in the skin data's ControlDefs; -1 when unskinned.
  int DefinitionIndex() const { return FBinding.DefinitionIndex(); }
  bool Skinned() const { return FBinding.Skinned(); }
  // The definition found by the last FetchSkin, or nullptr.
  TsfDataSkinControl* Definition() const { return FBinding.Definition(); }
  // The region last handed to the window (the window owns it), or nullptr.
  HRGN SkinRegion() const { return FSkinRegion; }
  bool InWmPaint() const { return FInWmPaint; }

  // Looks the definition up again.
  virtual void FetchSkin() { FBinding.Fetch(); }
  virtual void ApplySkin();
  virtual void ReleaseSkin() { FBinding.Release(); }
  // Sends WM_SKIN_BGCHANGED to every child in child order.
  void RelayBackgroundChanged();
  // Paints the control's whole surface into `dc` (for copies of its image).
  void PaintTo(HDC dc) { PaintWindow(dc); }

  void WndProc(TMessage& message) override;

 protected:
  const TsfSkinBinding& Binding() const { return FBinding; }
  void Paint() override;
  // Builds the image in a fresh bitmap of the control's size and draws it in one go.
  void PaintOffScreen();
  virtual void DrawDefaultImage(TBitmap& B) { (void)B; }
  virtual void DrawSkinImage(TBitmap& B) { (void)B; }
  virtual void ParentBackgroundChanged() {}
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // Hands `region` to the window; an empty one removes the window's region.
  void SetSkinRegion(TRegionHandle region);

 private:
  TsfSkinBinding FBinding{*this};
  HRGN FSkinRegion = nullptr;
  bool FInWmPaint = false;
};
