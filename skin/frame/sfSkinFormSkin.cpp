// Taking a skin on and off: ApplyFrameSkin, the skin-change messages, the skinnable
// switch, the size correction, and what happens when the form is first shown.
#include <windows.h>

#include "sfSkinForm.h"
#include "skin/data/sfSkinData.h"
#include "skin/data/sfUtilsHelpers.h"

void TsfSkinForm::ApplyFrameSkin() {
  FHot = FPrevHot = FCaptured = -1;
  FSkinLoaded = FSkinData && !FSkinData->SkinEmpty();
  if (FSkinLoaded && FSkinnable) {
    RebuildObjects();
  } else {
    FObjects.clear();
    CacheFormSize();
    ArrangeObjects();
    UpdateFrameRegion();
  }
  ApplyBorderIcons();
  FApplying = true;
  FCorrectingSkinSize = FSkinLoaded;
  CorrectSize();
  FCorrectingSkinSize = false;
  CacheFormSize();
  HWND wnd = FForm->HandleValue();
  if (FSkinLoaded) {
    UpdateFrameGeometry();
    ArrangeObjects();
    UpdateFrameRegion();
    if (!FRegionSet && FSkinnable && Bordered() && wnd) SendMessageW(wnd, WM_NCPAINT, 1, 0);
  }
  // The new frame size takes effect before the repaint; a form without its window
  // yet takes it in its bounds.
  if (wnd)
    SetWindowPos(wnd, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  FForm->FrameChanged();
  if (wnd)
    RedrawWindow(wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  UpdateActiveState(true);
  SetTimerOn(0x5F01, true);  // the hover polling
  if (OnChangeSkinData) OnChangeSkinData(this);
  FApplying = false;
  if (!FRollUpState) {
    if (FClientWidth > 0) FForm->SetClientWidth(FClientWidth);
    if (FClientHeight > 0) FForm->SetClientHeight(FClientHeight);
  }
}

// The platform draws no caption buttons of its own while the frame is skinned.
void TsfSkinForm::ApplyBorderIcons() {
  if (FSkinnable) {
    if (!FForm->BorderIcons().Empty()) FForm->SetBorderIcons({});
    return;
  }
  TBorderIcons icons;
  if (!FHideCaptionButtons) icons << biSystemMenu;
  if (FBorderIcons.Contains(biMinimize)) icons << biMinimize;
  if (FBorderIcons.Contains(biMaximize)) icons << biMaximize;
  FForm->SetBorderIcons(icons);
}

// The form is made at least the minimum size; a rolled-up or minimized frame keeps
// exactly the frame's height.
void TsfSkinForm::CorrectSize() {
  TsfSizeLimits l = SizeLimits();
  TRect b = FormBounds();
  const bool narrow = b.Width() < l.MinWidth, low = b.Height() < l.MinHeight;
  if (narrow || low) {
    SetFormBounds(Bounds(b.Left, b.Top, narrow ? l.MinWidth : b.Width(),
                         low ? l.MinHeight : b.Height()));
  } else {
    NudgeSize();
  }
  b = FormBounds();
  if ((FRollUpState || FWindowState == wsMinimized) && b.Height() != l.MinHeight)
    SetFormBounds(Bounds(b.Left, b.Top, b.Width(), l.MinHeight));
  b = FormBounds();
  if (FWindowState == wsMinimized && b.Width() != l.MinWidth)
    SetFormBounds(Bounds(b.Left, b.Top, l.MinWidth, b.Height()));
}

void TsfSkinForm::BeforeChange(TsfSkinData* sender) {
  if (!sender || sender != FSkinData) return;
  FSkinChanging = true;
  FSkinLoaded = false;
  if (FForm->HandleValue()) StopTimers();
  FObjects.clear();
  FHot = FPrevHot = FCaptured = -1;
  ReleaseSkinOfControls(*FForm, sender);
  if (OnBeforeChangeSkinData) OnBeforeChangeSkinData(this);
}

void TsfSkinForm::Change(TsfSkinData* sender) {
  FSkinChanging = false;
  if (sender && sender == FSkinData) ApplyFrameSkin();
  ApplySkinToControls(*FForm, sender);
}

void TsfSkinForm::SkinnableSwitch(bool value) {
  if (IsDesigning()) return;
  HWND wnd = FForm->HandleValue();
  const bool wasMaximized = FWindowState == wsMaximized && FSkinnable;
  if (wasMaximized) {
    if (wnd) ShowWindow(wnd, SW_HIDE);
    SetWindowState(wsNormal);
  }
  FSkinnable = value;
  ApplyFrameSkin();
  ApplySkinToAllControls(*FForm);
  if (wnd) RedrawWindow(wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
  if (wasMaximized) {
    SetWindowState(wsMaximized);
    if (wnd) ShowWindow(wnd, SW_SHOW);
  }
}

void TsfSkinForm::ShortCut(std::uint16_t key, TShiftState shift, bool& handled) {
  if (OnShortCut) {
    OnShortCut(this, key, shift, handled);
    if (handled) return;
  }
  if (key == VK_SPACE && shift == TShiftState{ssAlt}) {
    TsfActiveSkinObject* button = nullptr;
    for (auto& o : FObjects) {
      auto* b = dynamic_cast<TsfSkinStdButtonObject*>(o.get());
      if (b && b->Command == cmSysMenu && b->Enabled && b->Visible) button = b;
      if (button) break;
    }
    RECT w{};
    GetWindowRect(FForm->Handle(), &w);
    TRect anchor = button ? button->ObjectRect.Offset(w.left, w.top)
                          : TRect(w.left, w.top, w.left, w.top);
    if (!FDisableSystemMenu) PopupSystemMenu(anchor);
    handled = true;
  }
}

void TsfSkinForm::OnShowWindow(bool showing) {
  HWND wnd = FForm->HandleValue();
  if (!showing) {
    if (FSkinnable && FAlphaBlend && wnd)
      SetWindowLongPtrW(wnd, GWL_EXSTYLE, GetWindowLongPtrW(wnd, GWL_EXSTYLE) & ~WS_EX_LAYERED);
    return;
  }
  PlaceOnFirstShow();
  StartFadeIn();
  if (FSkinnable) NudgeSize();
}

void TsfSkinForm::PlaceOnFirstShow() {
  if (!FPlacementPending) return;
  if (FWindowState != wsNormal) return;  // placed at the first restore
  FPlacementPending = false;
  if (FPositionInMonitor == sfpDefault) return;
  TRect area = GetWindowWorkArea(FForm->HandleValue(), FPositionInMonitor == sfpDesktopCenter);
  TRect b = FormBounds();
  SetFormBounds(Bounds(area.Left + area.Width() / 2 - b.Width() / 2,
                       area.Top + area.Height() / 2 - b.Height() / 2, b.Width(), b.Height()));
}

void TsfSkinForm::StartFadeIn() {
  HWND wnd = FForm->HandleValue();
  if (!wnd || !(FAlphaBlend || FAlphaBlendAnimation)) return;
  SetWindowLongPtrW(wnd, GWL_EXSTYLE, GetWindowLongPtrW(wnd, GWL_EXSTYLE) | WS_EX_LAYERED);
  SetWindowAlpha(wnd, 0);
  SetTimer(wnd, 1, 1, nullptr);
}

void TsfSkinForm::FadeInStep() {
  HWND wnd = FForm->HandleValue();
  KillTimer(wnd, 1);
  const int target = FAlphaBlendAnimation && !FAlphaBlend ? 255 : FAlphaBlendValue;
  if (FAlphaBlendAnimation) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        // The end was asked of the loop that runs this one: it is posted again for it.
        PostQuitMessage(static_cast<int>(msg.wParam));
        break;
      }
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    int alpha = 0;
    DWORD last = 0;
    while (alpha < target) {
      DWORD now = GetTickCount();
      if (last != 0 && now - last <= 5) continue;
      last = now;
      alpha = std::min(alpha + 10, target);
      SetWindowAlpha(wnd, alpha);
    }
  } else if (target != 255) {
    SetWindowAlpha(wnd, target);
  }
  if (target == 255)
    SetWindowLongPtrW(wnd, GWL_EXSTYLE, GetWindowLongPtrW(wnd, GWL_EXSTYLE) & ~WS_EX_LAYERED);
}
