#pragma once
// TsfSkinStdLabel: the platform's text label drawn in the font and colour of a
// `stdlabel` definition, with an optional ellipsis for text too long for it.
#include <string>

#include "sfSkinBinding.h"
#include "sfSkinnable.h"
#include "ui/Font.h"
#include "ui/Label.h"

enum TsfEllipsType { sfetNone, sfetEndEllips, sfetPathEllips };

class TsfSkinStdLabel : public TCustomLabel, public TsfSkinnable {
 public:
  explicit TsfSkinStdLabel(TComponent* AOwner);
  ~TsfSkinStdLabel() override;

  TsfSkinData* SkinData() const override { return FBinding.SkinData(); }
  // Applies the skin at once when the new skin data holds one.
  void SetSkinData(TsfSkinData* value);
  const std::string& SkinDataName() const { return FBinding.Name(); }
  void SetSkinDataName(const std::string& value) { FBinding.SetName(value); }
  bool UseSkinFont() const { return FUseSkinFont; }
  void SetUseSkinFont(bool value);
  bool UseSkinColor() const { return FUseSkinColor; }
  void SetUseSkinColor(bool value);
  TFont& DefaultFont() { return FDefaultFont; }
  void SetDefaultFont(const TFont& value);
  TsfEllipsType EllipsType() const { return FEllipsType; }
  void SetEllipsType(TsfEllipsType value);

  int DefinitionIndex() const { return FBinding.DefinitionIndex(); }
  bool Skinned() const { return FBinding.Skinned(); }
  void FetchSkin() { FBinding.Fetch(); }
  // The skin-change walk: the definition again, the size of the text, a repaint.
  void ApplySkin() override;
  void ReleaseSkin() override { FBinding.Release(); }

  // The DT_ flags the label adds to the platform's: no prefix without
  // ShowAccelChar, and the ellipsis of EllipsType.
  unsigned ExtraTextFlags() const;
  // The font the text is drawn in, colour and character set included.
  void PrepareFont(TFont& font);

 protected:
  void DoDrawText(TRect& rect, unsigned flags) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void DrawDisabled(TCanvas& canvas, const std::string& text, TRect& rect, unsigned flags);

  TsfSkinBinding FBinding{*this};
  bool FUseSkinFont = true;
  bool FUseSkinColor = true;
  TFont FDefaultFont;
  TsfEllipsType FEllipsType = sfetNone;
};
