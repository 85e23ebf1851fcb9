#include "sfSkinForm.h"

#include <windows.h>

#include <functional>
#include <vector>

#include "sfSkinPopupMenu.h"
#include "sfSystemMenu.h"
#include "sfTrayIcon.h"
#include "sfSkinHint.h"
#include "skin/controls/sfGraphicSkinControl.h"
#include "skin/controls/sfSkinControl.h"
#include "skin/controls/sfSkinnable.h"
#include "skin/controls/sfSkinStatusBar.h"
#include "skin/data/sfSkinData.h"
#include "skin/data/sfUtilsHelpers.h"
#include "ui/Exception.h"

namespace {

// Visits `control` and then its children, depth first. The children are copied: a
// control's ApplySkin may resize or re-create what lies under it.
void WalkControls(TControl& control, const std::function<void(TControl&)>& visit) {
  visit(control);
  auto* parent = dynamic_cast<TWinControl*>(&control);
  if (!parent) return;
  std::vector<TControl*> children;
  for (int i = 0; i < parent->ControlCount(); ++i) children.push_back(parent->Controls(i));
  for (TControl* child : children) WalkControls(*child, visit);
}

void ApplyIf(TControl& c, const std::function<bool(TsfSkinData*)>& bound) {
  if (auto* windowed = dynamic_cast<TsfSkinControl*>(&c)) {
    if (bound(windowed->SkinData())) windowed->ApplySkin();
  } else if (auto* windowless = dynamic_cast<TsfGraphicSkinControl*>(&c)) {
    if (bound(windowless->SkinData())) windowless->ApplySkin();
  } else if (auto* other = dynamic_cast<TsfSkinnable*>(&c)) {
    if (bound(other->SkinData())) other->ApplySkin();
  }
}

void InitCaptionFont(TFont& font, TColor color) {
  font.SetName("Arial");
  font.SetHeight(14);
  font.SetStyle(TFontStyles{fsBold});
  font.SetColor(color);
}

}  // namespace

void ReleaseSkinOfControls(TControl& root, TsfSkinData* data) {
  WalkControls(root, [data](TControl& c) {
    if (!data) return;
    if (auto* skinned = dynamic_cast<TsfSkinControl*>(&c)) {
      if (skinned->SkinData() == data) skinned->ReleaseSkin();
    } else if (auto* other = dynamic_cast<TsfSkinnable*>(&c); other && c.IsWindowed()) {
      if (other->SkinData() == data) other->ReleaseSkin();
    }
  });
}

void ApplySkinToControls(TControl& root, TsfSkinData* data) {
  if (!data) return;
  WalkControls(root, [data](TControl& c) { ApplyIf(c, [data](TsfSkinData* d) { return d == data; }); });
}

void ApplySkinToAllControls(TControl& root) {
  WalkControls(root, [](TControl& c) { ApplyIf(c, [](TsfSkinData*) { return true; }); });
}

TsfSkinForm::TsfSkinForm(TComponent* AOwner) : TComponent(AOwner) {
  FForm = dynamic_cast<TForm*>(AOwner);
  if (!FForm) throw EInvalidCast("Invalid class typecast");
  InitCaptionFont(FDefCaptionFont, clBtnText);
  InitCaptionFont(FDefInActiveCaptionFont, clBtnShadow);
  FDefMenuItemFont.SetName("Arial");
  FDefMenuItemFont.SetHeight(14);
  FForm->SetBorderIcons({});
  if (FForm->OnShortCut) OnShortCut = FForm->OnShortCut;
  FForm->OnShortCut = [this](TObject*, std::uint16_t key, TShiftState shift, bool& handled) {
    ShortCut(key, shift, handled);
  };
  FForm->InstallMessageHook(this, [this](TMessage& m, const std::function<void(TMessage&)>& next) {
    FrameWndProc(m, next);
  });
  FForm->RecreateWnd();
  FTrayMenu = new TsfSkinPopupMenu(this);
  FTrayMenu->SetForm(FForm);
  FillTrayMenu();
}

TsfSkinForm::~TsfSkinForm() {
  SetDestroying();
  if (FForm->HandleValue()) StopTimers();
  FObjects.clear();
  if (FSkinData) RemoveFreeNotification(FSkinData);
  if (FMenusSkinData) RemoveFreeNotification(FMenusSkinData);
  if (FStatusBar) RemoveFreeNotification(FStatusBar);
  if (FTrayIcon) RemoveFreeNotification(FTrayIcon);
  if (FSkinHint) {
    HideObjectHint();  // a hint component of another form outlives this frame
    RemoveFreeNotification(FSkinHint);
  }
  FForm->RemoveMessageHook(this);
  FForm->OnShortCut = OnShortCut;
  // A region the window wears is the window's: the system frees it with the window.
  // The icon goes with FIcon.
}

void TsfSkinForm::SetSkinData(TsfSkinData* value) {
  if (FSkinData) RemoveFreeNotification(FSkinData);
  FSkinData = value;
  if (value) {
    FreeNotification(value);
    FSkinnable = value->SkinnableForm();
  }
  if (!IsDesigning()) ApplyFrameSkin();
  FTrayMenu->SetSkinData(value);
  FillTrayMenu();
}

void TsfSkinForm::FillTrayMenu() {
  BuildTrayMenu(FTrayMenu->Items(), [this] { TrayRestore(); }, [this] { FForm->Close(); },
                FSkinData ? FSkinData->ResourceStrData() : nullptr);
}

void TsfSkinForm::SetMenusSkinData(TsfSkinData* value) {
  if (FMenusSkinData) RemoveFreeNotification(FMenusSkinData);
  FMenusSkinData = value;
  if (value) FreeNotification(value);
}

void TsfSkinForm::SetStatusBar(TsfSkinStatusBar* value) {
  if (FStatusBar) RemoveFreeNotification(FStatusBar);
  FStatusBar = value;
  if (value) FreeNotification(value);
}

void TsfSkinForm::SetSkinHint(TsfSkinHint* value) {
  if (value == FSkinHint) return;
  HideObjectHint();
  if (FSkinHint) RemoveFreeNotification(FSkinHint);
  FSkinHint = value;
  if (value) FreeNotification(value);
}

void TsfSkinForm::SetBorderIcons(TBorderIcons value) {
  FBorderIcons = value;
  if (IsLoading() || IsDesigning()) return;
  EvaluateButtons();
  if (FForm->HandleValue()) SendMessageW(FForm->HandleValue(), WM_NCPAINT, 1, 0);
}

void TsfSkinForm::SetDisableSystemMenu(bool value) {
  FDisableSystemMenu = value;
  if (!IsLoading()) EvaluateButtons();
}

void TsfSkinForm::SetHideCaptionButtons(bool value) {
  FHideCaptionButtons = value;
  if (!IsLoading()) EvaluateButtons();
}

void TsfSkinForm::SetShowIcon(bool value) {
  FShowIcon = value;
  if (IsLoading() || IsDesigning() || !FForm->HandleValue()) return;
  SendMessageW(FForm->HandleValue(), WM_NCPAINT, 1, 0);
}

void TsfSkinForm::SetAlphaBlend(bool value) {
  FAlphaBlend = value;
  if (IsLoading() || IsDesigning() || !FForm->HandleValue()) return;
  HWND wnd = FForm->HandleValue();
  LONG_PTR ex = GetWindowLongPtrW(wnd, GWL_EXSTYLE);
  if (value) {
    SetWindowLongPtrW(wnd, GWL_EXSTYLE, ex | WS_EX_LAYERED);
    SetWindowAlpha(wnd, FAlphaBlendValue);
  } else {
    SetWindowLongPtrW(wnd, GWL_EXSTYLE, ex & ~WS_EX_LAYERED);
  }
}

void TsfSkinForm::SetAlphaBlendValue(int value) {
  FAlphaBlendValue = value & 0xFF;
  if (FAlphaBlend && FForm->HandleValue() && !IsLoading())
    SetWindowAlpha(FForm->HandleValue(), FAlphaBlendValue);
}

void TsfSkinForm::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FSkinData) {
    FSkinData = nullptr;
    FSkinLoaded = false;
    FObjects.clear();
    FHot = FPrevHot = FCaptured = -1;
  }
  if (AComponent == FMenusSkinData) FMenusSkinData = nullptr;
  if (AComponent == FStatusBar) FStatusBar = nullptr;
  if (AComponent == FTrayIcon) FTrayIcon = nullptr;
  if (AComponent == FSkinHint) FSkinHint = nullptr;
}

bool TsfSkinForm::Bordered() const { return FForm->BorderStyle() != bsNone; }

bool TsfSkinForm::Resizable() const {
  return FAlwaysResize || FForm->BorderStyle() == bsSizeable ||
         FForm->BorderStyle() == bsSizeToolWin;
}

int TsfSkinForm::PlainCaptionHeight() const {
  TBorderStyle s = FForm->BorderStyle();
  return s == bsToolWindow || s == bsSizeToolWin ? kPlainToolCaptionHeight : kPlainCaptionHeight;
}

TsfSizeLimits TsfSkinForm::SizeLimits() const {
  TsfSizeLimitInput in;
  in.SkinLoaded = FSkinLoaded;
  if (FSkinLoaded) {
    in.PictureWidth = FSkinData->MainPicture().Width();
    in.PictureHeight = FSkinData->MainPicture().Height();
    in.ClientRect = FSkinData->FormInfo.clientrect;
    in.FormMinWidth = FSkinData->FormInfo.formminwidth;
  }
  in.CaptionHeight = PlainCaptionHeight();
  in.MinWidth = FMinWidth;
  in.MinHeight = FMinHeight;
  in.MaxWidth = FMaxWidth;
  in.MaxHeight = FMaxHeight;
  in.Minimized = FWindowState == wsMinimized;
  in.RolledUp = FRollUpState;
  in.Monitor = GetWindowWorkArea(FForm->HandleValue(), !FMaximizeOnFullScreen);
  return FrameSizeLimits(in);
}

TRect TsfSkinForm::FormBounds() const {
  return Bounds(FForm->Left(), FForm->Top(), FForm->Width(), FForm->Height());
}

void TsfSkinForm::SetFormBounds(const TRect& r) {
  FForm->SetBounds(r.Left, r.Top, r.Width(), r.Height());
}

TPoint TsfSkinForm::WindowPoint(std::intptr_t lParam) const {
  auto x = static_cast<std::int16_t>(lParam & 0xFFFF);
  auto y = static_cast<std::int16_t>((lParam >> 16) & 0xFFFF);
  RECT w{};
  if (FForm->HandleValue()) GetWindowRect(FForm->HandleValue(), &w);
  return {x - w.left, y - w.top};
}

void TsfSkinForm::CacheFormSize() {
  if (FForm->HandleValue()) {
    RECT w;
    GetWindowRect(FForm->HandleValue(), &w);
    FCachedWidth = w.right - w.left;
    FCachedHeight = w.bottom - w.top;
  } else {
    FCachedWidth = FForm->Width();
    FCachedHeight = FForm->Height();
  }
}

void TsfSkinForm::UpdateFrameGeometry() {
  if (!FSkinLoaded) return;
  if (FCachedWidth == 0 || FCachedHeight == 0) CacheFormSize();
  const TBitmap& main = FSkinData->MainPicture();
  FGeometry = SizedFrameGeometry(FSkinData->FormInfo, main.Width(), main.Height(), FCachedWidth,
                                 FCachedHeight);
}

void TsfSkinForm::NudgeSize() {
  if (!FForm->HandleValue()) return;
  TRect b = FormBounds();
  int w = b.Width();
  int step = w - 1 < SizeLimits().MinWidth ? 1 : -1;
  // The form's controls are aligned once, for the final size: the pixel between
  // is never shown, and aligning them to it would move every one of them twice.
  // Nor is the frame built for it while the window is not on screen: it comes back
  // to the size the frame was built for before anything is shown.
  FForm->DisableAlign();
  FNudgingHidden = !IsWindowVisible(FForm->HandleValue());
  SetWindowPos(FForm->HandleValue(), nullptr, 0, 0, w + step, b.Height(),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  FNudgingHidden = false;
  SetWindowPos(FForm->HandleValue(), nullptr, 0, 0, w, b.Height(),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  FForm->EnableAlign();
}

void TsfSkinForm::UpdateActiveState(bool animate) {
  for (auto& o : FObjects) {
    auto* caption = dynamic_cast<TsfSkinCaptionObject*>(o.get());
    if (!caption || caption->Active == FActive) continue;
    caption->Active = FActive;
    if (animate && caption->Animates()) {
      StartCaptionAnimation(*caption);
    } else if (animate && caption->TransitionsRun()) {
      caption->StartTransition();
    } else {
      caption->MorphFactor = FActive ? 1 : 0;
    }
    break;
  }
  if (FActive ? static_cast<bool>(OnActivate) : static_cast<bool>(OnDeActivate))
    (FActive ? OnActivate : OnDeActivate)(this);
}
