#pragma once
// TsfSkinMenuSpeedButton: a speed button that drops a skinned popup menu down below
// itself. The whole button opens the menu, or in track mode only its track part (the
// rest is a plain speed button). The button is down while its menu is open; the
// menu's close report (WM_SKINMENU_CLOSED) puts it back up.
#include "sfSkinSpeedButton.h"

class TsfSkinPopupMenu;
class TWinControl;

enum TsfTrackPosition { sftpRight, sftpBottom };

class TsfSkinMenuSpeedButton : public TsfSkinSpeedButton {
 public:
  explicit TsfSkinMenuSpeedButton(TComponent* AOwner);
  ~TsfSkinMenuSpeedButton() override;

  // The menu to open; cleared when that menu is destroyed.
  TsfSkinPopupMenu* SkinPopupMenu() const { return FSkinPopupMenu; }
  void SetSkinPopupMenu(TsfSkinPopupMenu* value);
  // Only the track part opens the menu.
  bool TrackButtonMode() const { return FTrackButtonMode; }
  void SetTrackButtonMode(bool value);
  // Where the track part lies with NewStyle on.
  TsfTrackPosition TrackPosition() const { return FTrackPosition; }
  void SetTrackPosition(TsfTrackPosition value);
  // Turning it on also switches the definition to "resizetoolbutton".
  bool NewStyle() const { return FNewStyle; }
  void SetNewStyle(bool value);

  // The last left press opened the menu, which has not closed yet.
  bool MenuOpen() const { return FMenuOpen; }
  // The track rectangle of a menubutton-kind definition (empty for others).
  const TRect& TrackButtonRect() const { return FTrackButtonRect; }
  // The part of the button a left press opens the menu from, in client
  // coordinates; empty when no press does.
  TRect MenuPart() const;

  // Just before the menu opens, and after it has closed.
  TNotifyEvent OnShowTrackMenu;
  TNotifyEvent OnHideTrackMenu;

  void FetchSkin() override;
  void WndProc(TMessage& message) override;

 protected:
  void Paint() override;
  void DrawDefaultImage(TBitmap& B) override;
  void DrawButtonImage(TBitmap& B, const TRect& R, bool active, bool down) override;
  bool ShowsDownLook() const override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  // A definition of the track-button faces of the skin (its marker and track part
  // lie where the definition says); the tool and resize faces have neither.
  bool SkinnedWithTrackFace() const;
  TRect MarkerStrip() const;
  void OpenMenu();
  void MenuClosed();
  void PaintIdle();
  void DrawIdleMarker(const TRect& area);
  void DrawPlainTrackFaces(TCanvas& c, bool& pressed);

  TsfSkinPopupMenu* FSkinPopupMenu = nullptr;
  bool FTrackButtonMode = false;
  TsfTrackPosition FTrackPosition = sftpRight;
  bool FNewStyle = false;
  bool FMenuOpen = false;
  TRect FTrackButtonRect;
  // The window the menu tells when it closes: the button has none of its own.
  TWinControl* FMenuReceiver = nullptr;
};
