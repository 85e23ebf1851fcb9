#include "CustomControl.h"

TCustomControl::TCustomControl(TComponent* AOwner)
    : TWinControl(AOwner), FCanvas(std::make_unique<TCanvas>()) {}

TCustomControl::~TCustomControl() = default;

void TCustomControl::Paint() {
  FCanvas->Brush().SetColor(Color());
  FCanvas->FillRect(ClientRect());
}

void TCustomControl::PaintWindow(HDC dc) {
  FCanvas->SetHandle(dc);
  try {
    Paint();
  } catch (...) {
    FCanvas->SetHandle(nullptr);
    throw;
  }
  FCanvas->SetHandle(nullptr);
}
