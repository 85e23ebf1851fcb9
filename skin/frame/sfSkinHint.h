#pragma once
// TsfSkinHint: dropped on a form, it makes the application show its hints in a
// TsfSkinHintWindow drawn from the skin's hint window picture, and it shows the hints
// of the frame's caption buttons through a window of its own.
#include <memory>
#include <string>

#include "ui/Component.h"
#include "ui/Font.h"
#include "ui/HintInfo.h"

class TsfSkinData;
class TsfSkinHintWindow;

class TsfSkinHint : public TComponent {
 public:
  explicit TsfSkinHint(TComponent* AOwner);
  ~TsfSkinHint() override;

  // Only one TsfSkinHint of the main form is active: turning one on turns the others
  // off and makes its OnShowHint the application's again.
  bool Active() const { return FActive; }
  void SetActive(bool value);
  TsfSkinData* SkinData() const { return FSkinData; }
  void SetSkinData(TsfSkinData* value);
  // The font without a skin, or with UseSkinFont off.
  TFont& DefaultFont() { return FDefaultFont; }
  bool UseSkinFont() const { return FUseSkinFont; }
  void SetUseSkinFont(bool value) { FUseSkinFont = value; }
  bool AlphaBlend() const { return FAlphaBlend; }
  void SetAlphaBlend(bool value) { FAlphaBlend = value; }
  int AlphaBlendValue() const { return FAlphaBlendValue; }
  void SetAlphaBlendValue(int value) { FAlphaBlendValue = value & 0xFF; }
  bool AlphaBlendAnimation() const { return FAlphaBlendAnimation; }
  void SetAlphaBlendAnimation(bool value) { FAlphaBlendAnimation = value; }
  // Splits a hint into lines.
  const std::string& LineSeparator() const { return FLineSeparator; }
  void SetLineSeparator(const std::string& value) { FLineSeparator = value; }
  // Raised, when set, for every hint the application is about to show.
  TShowHintEvent OnShowHint;

  // The hint of a frame object at the mouse, in the component's own window.
  void ShowObjectHint(const std::string& hint);
  void HideObjectHint();
  TsfSkinHintWindow& ObjectHintWindow() const { return *FHintWindow; }

  // The active TsfSkinHint among the main form's components (or, with no main form,
  // among `fallbackOwner`'s), or nullptr.
  static TsfSkinHint* FindActive(TComponent* fallbackOwner = nullptr);

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void InstallShowHint();
  void DeactivateOthers();

  bool FActive = true;
  TsfSkinData* FSkinData = nullptr;
  TFont FDefaultFont;
  bool FUseSkinFont = true;
  bool FAlphaBlend = false;
  int FAlphaBlendValue = 200;
  bool FAlphaBlendAnimation = false;
  std::string FLineSeparator = "@";
  TsfSkinHintWindow* FHintWindow = nullptr;  // owned through the component tree
  // Shared with the handler given to the application, which outlives nothing of ours:
  // cleared when this component goes.
  std::shared_ptr<TsfSkinHint*> FSelf;
};
