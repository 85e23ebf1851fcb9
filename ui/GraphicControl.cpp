#include "GraphicControl.h"
#include "ScopeGuard.h"

TGraphicControl::TGraphicControl(TComponent* AOwner)
    : TControl(AOwner), FCanvas(std::make_unique<TCanvas>()) {}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::PaintOn(HDC dc) {
  FCanvas->SetHandle(dc);
  TScopeExit release([this] { FCanvas->SetHandle(nullptr); });
  Paint();
}
