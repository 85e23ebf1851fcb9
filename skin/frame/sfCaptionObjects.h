#pragma once
// The objects on a skinned frame: the caption with its text and the caption buttons.
// The frame (TsfSkinForm) builds one per skin object definition, places them, tracks
// the one under the cursor and draws them; each knows its own states and command.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/data/sfSkinValues.h"
#include "ui/Types.h"

class TBitmap;
class TCanvas;
class TsfSkinForm;
class TsfSkinData;
class TsfDataSkinObject;
class TsfDataSkinButton;
class TsfDataSkinStdButton;
class TsfDataSkinCaption;
class TsfEffectBmp;
class TsfDataSkinAnimate;

using TsfObjectNotifyEvent = std::function<void(const std::string& IDName)>;
using TsfObjectMouseEvent = std::function<void(const std::string& IDName, int X, int Y,
                                               TRect ObjectRect, TMouseButton Button)>;
using TsfObjectMoveEvent =
    std::function<void(const std::string& IDName, int X, int Y, TRect ObjectRect)>;
using TsfObjectPaintEvent =
    std::function<void(const std::string& IDName, TCanvas& Canvas, TRect ObjectRect)>;
using TsfActivateCustomObjectEvent =
    std::function<void(const std::string& IDName, bool& ObjectVisible)>;

class TsfActiveSkinObject {
 public:
  // Without a definition (the plain frame's buttons) every rectangle is (0, 0, 1, 1).
  TsfActiveSkinObject(TsfSkinForm& parent, const TsfDataSkinObject* def);
  virtual ~TsfActiveSkinObject() = default;

  virtual bool MorphUnfinished() const;
  virtual void Draw(TCanvas& canvas, bool update);
  virtual void DblClick() {}
  virtual void MouseDown(int x, int y, TMouseButton button);
  virtual void MouseUp(int x, int y, TMouseButton button);
  virtual void MouseMove(int x, int y);
  virtual void MouseEnter();
  virtual void MouseLeave();

  // Whether transitions run for this object: its morphing on, a skin loaded with
  // effects enabled.
  bool TransitionsRun() const;
  // Starts the morph timer when transitions run; otherwise draws the object at once.
  void StartTransition();

  TsfSkinForm& Parent;
  double MorphFactor = 0;
  bool MouseIn = false;
  TBitmap* Picture = nullptr;
  TBitmap* ActivePicture = nullptr;
  TsfSkinData* SkinData = nullptr;
  std::string IDName;
  std::string Hint;
  TRect SkinRect, ActiveSkinRect, InactiveSkinRect;
  TRect ObjectRect;
  bool Active = false;
  bool Morphing = false;
  TsfMorphKind MorphKind = mkDefault;
  bool Enabled = true;
  bool Visible = true;
  bool InPicture = false;

 protected:
  // `src` of `picture` scaled into ObjectRect.
  void CopyImage(TCanvas& canvas, const TBitmap* picture, const TRect& src) const;
  // The two images blended at MorphFactor, drawn at ObjectRect.
  // The blend of two pictures' rectangles, each scaled to ObjectRect's size, at the
  // morph factor; null when a picture is missing.
  std::unique_ptr<TsfEffectBmp> MorphImage(const TBitmap* from, const TRect& fromRect,
                                           const TBitmap* to, const TRect& toRect) const;
  void DrawMorph(TCanvas& canvas, const TBitmap* from, const TRect& fromRect, const TBitmap* to,
                 const TRect& toRect) const;
  const TBitmap* NormalPicture() const { return InPicture ? ActivePicture : Picture; }
};

class TsfUserObject : public TsfActiveSkinObject {
 public:
  using TsfActiveSkinObject::TsfActiveSkinObject;
  void Draw(TCanvas& canvas, bool update) override;
};

class TsfSkinButtonObject : public TsfActiveSkinObject {
 public:
  TsfSkinButtonObject(TsfSkinForm& parent, const TsfDataSkinObject* def);
  bool MorphUnfinished() const override;
  void Draw(TCanvas& canvas, bool update) override;
  void MouseDown(int x, int y, TMouseButton button) override;
  void MouseUp(int x, int y, TMouseButton button) override;
  void MouseEnter() override;
  void MouseLeave() override;
  // Down state; drawn at once.
  void SetDown(bool value);

  bool Down = false;
  bool PopupUpward = false;
  TRect DisabledRect, DownRect;
  // A menu the button opens: its entries are the frame's (the system menu button).
  bool HasMenu = false;
};

class TsfSkinStdButtonObject : public TsfSkinButtonObject {
 public:
  // With `def` nullptr a plain-frame button of `command` named `name`.
  TsfSkinStdButtonObject(TsfSkinForm& parent, const TsfDataSkinObject* def,
                         TsfStdCommand command = cmDefault, const std::string& name = {});
  bool MorphUnfinished() const override;
  void Draw(TCanvas& canvas, bool update) override;
  void DblClick() override;
  void MouseDown(int x, int y, TMouseButton button) override;
  void MouseUp(int x, int y, TMouseButton button) override;

  // The window command the button stands for.
  void RunCommand();
  // Whether the button shows its restore images now.
  bool InRestoreState() const;

  bool SkinSupported = false;
  TsfStdCommand Command = cmDefault;
  TRect RestoreRect, RestoreActiveRect, RestoreInactiveRect, RestoreDownRect;

 private:
  void DrawPlain(TCanvas& canvas);
  bool DrawRestore(TCanvas& canvas);
  bool ShowsIcon() const;
};

class TsfSkinCaptionObject : public TsfActiveSkinObject {
 public:
  TsfSkinCaptionObject(TsfSkinForm& parent, const TsfDataSkinObject* def);
  void Draw(TCanvas& canvas, bool update) override;
  void MouseDown(int x, int y, TMouseButton button) override;
  void MouseUp(int x, int y, TMouseButton button) override;
  void MouseEnter() override;
  void MouseLeave() override;

  // The caption plays its animation frames: effects on and an animation strip.
  bool Animates() const;
  // The text rectangle for the current ObjectRect, relative to its top-left.
  TRect TextRect() const;
  // Draws the caption text with the skin's font, light and shadow.
  void DrawCaptionText(TCanvas& canvas, bool active);


  const TsfDataSkinCaption* Def = nullptr;
  int AnimationFrame = 0;
  int AnimationClock = 0;

 private:
  // The picture's rectangle resized to ObjectRect's width, its ends kept.
  void SizedImage(TBitmap& image, const TBitmap& picture, const TRect& src) const;
  // An inactive window with autorenderinginactiveimage shows its caption images
  // through the skin's inactive effect.
  bool InactiveLook() const;
  void DrawImage(TCanvas& canvas, TsfEffectBmp& image) const;
};

class TsfSkinAnimateObject : public TsfActiveSkinObject {
 public:
  TsfSkinAnimateObject(TsfSkinForm& parent, const TsfDataSkinObject* def);
  void Draw(TCanvas& canvas, bool update) override;
  void DblClick() override {}
  void MouseDown(int x, int y, TMouseButton button) override;
  void MouseUp(int x, int y, TMouseButton button) override;
  void MouseEnter() override;
  void MouseLeave() override;

  TsfStdCommand Command = cmDefault;
  int Frame = 1;
  int FrameCount = 1;
  bool Down = false;
};

using TsfObjectList = std::vector<std::unique_ptr<TsfActiveSkinObject>>;

// The object a skin object definition makes; nullptr for the kinds the frame does
// not use (menu items, main menu items and bar buttons).
std::unique_ptr<TsfActiveSkinObject> CreateFrameObject(TsfSkinForm& parent,
                                                       const TsfDataSkinObject& def);
// The plain frame's six buttons: close, maximize, minimize, roll-up, system menu,
// minimize to tray.
void CreateDefaultButtons(TsfSkinForm& parent, TsfObjectList& list);

// The glyph origin and colours of a plain caption button of size w x h.
TPoint PlainGlyphOrigin(int w, int h, bool pressed);
