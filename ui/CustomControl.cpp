#include "CustomControl.h"
#include "ScopeGuard.h"

TCustomControl::TCustomControl(TComponent* AOwner)
    : TWinControl(AOwner), FCanvas(std::make_unique<TCanvas>()) {}

TCustomControl::~TCustomControl() = default;

void TCustomControl::Paint() {
  FCanvas->Brush().SetColor(Color());
  FCanvas->FillRect(ClientRect());
}

void TCustomControl::PaintWindow(HDC dc) {
  FCanvas->SetHandle(dc);
  TScopeExit release([this] { FCanvas->SetHandle(nullptr); });
  Paint();
}
