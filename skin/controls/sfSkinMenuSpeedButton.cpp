#include "sfSkinMenuSpeedButton.h"

#include <windows.h>

#include "sfSkinImage.h"
#include "skin/data/sfDataSkinControl.h"
#include "skin/data/sfSkinData.h"
#include "skin/frame/sfSkinMenu.h"
#include "skin/frame/sfSkinPopupMenu.h"
#include "ui/Bitmap.h"
#include "ui/MessageWindow.h"
#include "ui/Messages.h"

namespace {

// The width of the track strip and of the marker strip of the faces that have no
// track rectangle of their own.
constexpr int kStrip = 15;

bool IsToolFaceName(const std::string& name) {
  return name == "resizebutton" || name == "resizetoolbutton" || name == "toolbutton" ||
         name == "bigtoolbutton";
}

}  // namespace

TsfSkinMenuSpeedButton::TsfSkinMenuSpeedButton(TComponent* AOwner) : TsfSkinSpeedButton(AOwner) {
  SetSkinDataName("toolmenubutton");
  // The menu reports its close to a window; the button has none, so a message-only
  // one hands the report on.
  auto* receiver = new TMessageWindow(this);
  receiver->OnMessage = [this](TMessage& m) {
    if (m.Msg != WM_SKINMENU_CLOSED) return false;
    m.Result = Perform(m.Msg, m.WParam, m.LParam);
    return true;
  };
  FMenuReceiver = receiver;
}

TsfSkinMenuSpeedButton::~TsfSkinMenuSpeedButton() {
  SetSkinPopupMenu(nullptr);
  delete FMenuReceiver;  // the menu, if open, forgets it before the button goes
}

// ---- properties ------------------------------------------------------------------

void TsfSkinMenuSpeedButton::SetSkinPopupMenu(TsfSkinPopupMenu* value) {
  if (value == FSkinPopupMenu) return;
  if (FSkinPopupMenu) RemoveFreeNotification(FSkinPopupMenu);
  FSkinPopupMenu = value;
  if (value) FreeNotification(value);
}

void TsfSkinMenuSpeedButton::Notification(TComponent* AComponent, TOperation Operation) {
  TsfSkinSpeedButton::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FSkinPopupMenu) FSkinPopupMenu = nullptr;
  if (Operation == opRemove && AComponent == FMenuReceiver) FMenuReceiver = nullptr;
}

void TsfSkinMenuSpeedButton::SetTrackButtonMode(bool value) {
  FTrackButtonMode = value;
  if (!Skinned()) Invalidate();
}

void TsfSkinMenuSpeedButton::SetTrackPosition(TsfTrackPosition value) {
  FTrackPosition = value;
  Invalidate();
}

void TsfSkinMenuSpeedButton::SetNewStyle(bool value) {
  FNewStyle = value;
  if (value) SetSkinDataName("resizetoolbutton");
  Invalidate();
}

void TsfSkinMenuSpeedButton::FetchSkin() {
  TsfSkinSpeedButton::FetchSkin();
  auto* def = Skinned() ? dynamic_cast<const TsfDataSkinMenuButtonControl*>(Definition()) : nullptr;
  FTrackButtonRect = def ? def->trackbuttonrect : TRect{};
}

bool TsfSkinMenuSpeedButton::SkinnedWithTrackFace() const {
  return Skinned() && !IsToolFaceName(SkinDataName());
}

bool TsfSkinMenuSpeedButton::ShowsDownLook() const {
  return TsfSkinSpeedButton::ShowsDownLook() || (FMenuOpen && Down());
}

// ---- the menu ------------------------------------------------------------------------

TRect TsfSkinMenuSpeedButton::MenuPart() const {
  if (!FSkinPopupMenu) return {};
  if (!FTrackButtonMode) return {0, 0, Width(), Height()};
  if (SkinnedWithTrackFace()) {
    if (SizingMode() == sfsmHorizontal) return FTrackButtonRect.Offset(Width() - FSkin.SkinWidth(), 0);
    if (SizingMode() == sfsmVertical) return FTrackButtonRect.Offset(0, Height() - FSkin.SkinHeight());
    return FTrackButtonRect;
  }
  return MarkerStrip();
}

// The strip the marker (and, in track mode, the track part) takes without a
// definition that places them.
TRect TsfSkinMenuSpeedButton::MarkerStrip() const {
  if (FNewStyle && FTrackPosition == sftpBottom) return {0, Height() - kStrip, Width(), Height()};
  return {Width() - kStrip, 0, Width(), Height()};
}

void TsfSkinMenuSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TRect part = Button == mbLeft ? MenuPart() : TRect{};
  bool opens = !part.IsEmpty() && PointInSkinRect({X, Y}, part);
  if (!opens) {
    if (Button == mbLeft) {
      FMenuOpen = false;
      SetMouseIn(true);
    }
    TsfSkinSpeedButton::MouseDown(Button, Shift, X, Y);
    return;
  }
  TsfGraphicSkinCustomControl::MouseDown(Button, Shift, X, Y);
  // A menu still open from an earlier press reports its close before it opens again.
  if (FSkinPopupMenu->Showing()) FSkinPopupMenu->Close();
  FMenuOpen = true;
  SetMouseIn(true);
  if (!Down()) SetDown(true);
  OpenMenu();
}

void TsfSkinMenuSpeedButton::OpenMenu() {
  if (OnShowTrackMenu) OnShowTrackMenu(this);
  if (FSkinPopupMenu && FMenuReceiver && FMenuOpen) {
    FMenuReceiver->HandleNeeded();
    TPoint topLeft = ClientToScreen({0, 0});
    FSkinPopupMenu->PopupBelow(FMenuReceiver,
                               {topLeft.x, topLeft.y, topLeft.x + Width(), topLeft.y + Height()});
  }
  // A menu with nothing to show never opens and so never reports a close: the
  // button must not stay down waiting for it.
  if (FMenuOpen && !(FSkinPopupMenu && FSkinPopupMenu->Showing())) MenuClosed();
}

void TsfSkinMenuSpeedButton::MenuClosed() {
  FMenuOpen = false;
  SetDown(false);
  SetMouseIn(false);
  if (OnHideTrackMenu) OnHideTrackMenu(this);
  Invalidate();
}

void TsfSkinMenuSpeedButton::WndProc(TMessage& m) {
  if (m.Msg == WM_SKINMENU_CLOSED) {
    MenuClosed();
    m.Result = 0;
    return;
  }
  TsfSkinSpeedButton::WndProc(m);
}

void TsfSkinMenuSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && FMenuOpen) {
    TsfGraphicSkinCustomControl::MouseUp(Button, Shift, X, Y);
    return;
  }
  TsfSkinSpeedButton::MouseUp(Button, Shift, X, Y);
}

void TsfSkinMenuSpeedButton::MouseEnter() {
  if (FMenuOpen && !IsDesigning()) {
    TsfGraphicSkinCustomControl::MouseEnter();
    SetMouseIn(true);
    return;
  }
  TsfSkinSpeedButton::MouseEnter();
}

void TsfSkinMenuSpeedButton::MouseLeave() {
  if (FMenuOpen && !IsDesigning()) {
    TsfGraphicSkinCustomControl::MouseLeave();
    SetMouseIn(false);
    return;
  }
  TsfSkinSpeedButton::MouseLeave();
}

// ---- painting ---------------------------------------------------------------------------

void TsfSkinMenuSpeedButton::Paint() {
  if (Width() <= 0 || Height() <= 0) return;
  FetchSkin();
  int w = Width(), h = Height();
  CalcSkinSize(w, h);
  if (Transparent() && !Down() && !MouseIn() && !FMenuOpen)
    PaintIdle();
  else if (Skinned())
    TsfSkinSpeedButton::Paint();
  else
    PaintOffScreen();
}

// A flat button at rest: no face, only glyph, caption and the drop-down marker on
// the parent's background.
void TsfSkinMenuSpeedButton::PaintIdle() {
  bool placed = SkinnedWithTrackFace();
  const TRect& cl = FSkin.NewClRect;
  TRect strip = MarkerStrip();
  TRect text{0, 0, Width(), Height()};
  if (placed)
    text = cl;
  else if (strip.Top > 0)
    text.Bottom = strip.Top;
  else
    text.Right = strip.Left;
  TColor color = DefaultFont().Color();
  if (!Enabled())
    color = Skinned() ? SkinData()->SkinColors.cbtnshadow : clBtnShadow;
  else if (Skinned() && UseSkinFontColor())
    color = SkinData()->SkinColors.cbtntext;
  PaintCaptionOnly(text, color, Skinned());
  DrawIdleMarker(placed ? TRect{cl.Right, cl.Top, Width(), cl.Bottom} : strip);
}

void TsfSkinMenuSpeedButton::DrawIdleMarker(const TRect& area) {
  TCanvas& c = Canvas();
  if (!Skinned()) {
    DrawDropDownMark(c, area, clBtnText);
    return;
  }
  TRect a = area;
  if (SizingMode() != sfsmNinePart) a.Left -= 2;
  const TsfButtonSkinValues& s = ButtonSkin();
  TRect image = s.menumarkerflatrect.IsEmpty() ? s.menumarkerrect : s.menumarkerflatrect;
  if (image.IsEmpty() || !SkinPicture()) {
    DrawDropDownMark(c, a, SkinData()->SkinColors.cbtntext);
    return;
  }
  DrawPictureImage(c, a.Left + (a.Width() - image.Width()) / 2, a.Top + (a.Height() - image.Height()) / 2,
                   *SkinPicture(), image, true, s.menumarkertransparentcolor);
}

// In track mode with the menu open the face is the normal image lit, with the track
// part taken from the pressed image.
void TsfSkinMenuSpeedButton::DrawButtonImage(TBitmap& B, const TRect& R, bool active, bool down) {
  const TRect& pressedImage = ButtonSkin().downskinrect;
  if (!(FTrackButtonMode && FMenuOpen && !FTrackButtonRect.IsEmpty() && !pressedImage.IsEmpty())) {
    TsfSkinSpeedButton::DrawButtonImage(B, R, active, down);
    return;
  }
  TsfSkinSpeedButton::DrawButtonImage(B, FSkin.SkinRect, true, false);
  if (TBitmap* picture = SkinPicture())
    B.Canvas().CopyRect(MapSkinRect(FTrackButtonRect), picture->Canvas(),
                        FTrackButtonRect.Offset(pressedImage.Left, pressedImage.Top));
}

// The plain look: the face (or the main and track parts), then glyph and caption
// left of the marker strip, then the marker.
void TsfSkinMenuSpeedButton::DrawDefaultImage(TBitmap& B) {
  TCanvas& c = B.Canvas();
  int w = B.Width(), h = B.Height();
  bool pressed = false;
  if (FTrackButtonMode) {
    DrawPlainTrackFaces(c, pressed);
  } else {
    pressed = ShowsDownLook();
    TsfPlainFace face = TsfPlainFace::Framed;
    if (pressed)
      face = TsfPlainFace::Down;
    else if (MouseIn())
      face = TsfPlainFace::Hot;
    else if (Flat() && !IsDesigning())
      face = TsfPlainFace::Filled;
    DrawPlainFace(c, {0, 0, w, h}, face);
  }
  c.Font().Assign(DefaultFont());
  if (!Enabled()) c.Font().SetColor(clBtnShadow);
  DrawGlyphAndCaption(c, {0, 0, w - kStrip, h}, GlyphCaption(pressed));
  bool sunk = (Down() && MouseIn()) || FMenuOpen;
  DrawDropDownMark(c, sunk ? TRect{w - 13, 2, w, h} : TRect{w - kStrip, 0, w, h}, clBtnText);
}

void TsfSkinMenuSpeedButton::DrawPlainTrackFaces(TCanvas& c, bool& pressed) {
  int w = Width(), h = Height();
  TRect main{0, 0, w - kStrip, h}, track{w - kStrip, 0, w, h};
  TsfPlainFace mainFace = TsfPlainFace::Framed, trackFace = TsfPlainFace::Framed;
  pressed = false;
  if (FMenuOpen) {
    mainFace = TsfPlainFace::Hot;
    trackFace = TsfPlainFace::Down;
  } else if (Down() && MouseIn()) {
    mainFace = trackFace = TsfPlainFace::Down;
    pressed = true;
  } else if (MouseIn()) {
    mainFace = trackFace = TsfPlainFace::Hot;
  } else if (Flat()) {
    mainFace = trackFace = TsfPlainFace::Filled;
  }
  DrawPlainFace(c, main, mainFace);
  DrawPlainFace(c, track, trackFace);
}
