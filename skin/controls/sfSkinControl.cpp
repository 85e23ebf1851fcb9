#include <windows.h>

#include "sfSkinControl.h"

#include "skin/data/sfSkinData.h"
#include "ui/Bitmap.h"
#include "ui/OffScreen.h"
#include "ui/ScopeGuard.h"

TsfSkinControl::TsfSkinControl(TComponent* AOwner) : TCustomControl(AOwner) {}

TsfSkinControl::~TsfSkinControl() {
  SetDestroying();
  // The region the window accepted is the system's: it goes with the window.
}

void TsfSkinControl::SetSkinData(TsfSkinData* value) {
  if (FBinding.SetSkinData(value)) ApplySkin();
}

void TsfSkinControl::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  FBinding.Notification(AComponent, Operation);
}

void TsfSkinControl::ApplySkin() {
  FetchSkin();
  Invalidate();
}

void TsfSkinControl::Paint() {
  if (Width() <= 0 || Height() <= 0) return;
  FetchSkin();
  PaintOffScreen();
}

void TsfSkinControl::PaintOffScreen() {
  TOffScreenBitmap image(Width(), Height());
  if (Skinned())
    DrawSkinImage(*image);
  else
    DrawDefaultImage(*image);
  Canvas().Draw(0, 0, *image);
}

void TsfSkinControl::RelayBackgroundChanged() {
  // A copy: a child may change the list while it handles the message.
  std::vector<TControl*> children = FControls;
  for (TControl* c : children) {
    if (c->IsWindowed()) {
      // A child's window can only exist once ours does.
      if (HandleAllocated())
        SendMessageW(static_cast<TWinControl*>(c)->Handle(), WM_SKIN_BGCHANGED, 0, 0);
    } else
      c->Perform(WM_SKIN_BGCHANGED);
  }
}

void TsfSkinControl::SetSkinRegion(TRegionHandle region) {
  if (!HandleAllocated() || (!region && !FSkinRegion)) return;
  HRGN raw = region.Get();
  FSkinRegion = SetWindowRegion(HandleValue(), std::move(region), true) ? raw : nullptr;
}

void TsfSkinControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT: {
      FInWmPaint = true;
      TScopeExit painted([this] { FInWmPaint = false; });
      TCustomControl::WndProc(m);
      return;
    }
    case WM_ERASEBKGND: m.Result = 1; return;
    case WM_SKIN_BGCHANGED: ParentBackgroundChanged(); return;
  }
  TCustomControl::WndProc(m);
}
