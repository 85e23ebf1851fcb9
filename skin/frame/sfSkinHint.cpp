#include "sfSkinHint.h"

#include <windows.h>

#include "sfSkinHintWindow.h"
#include "skin/data/sfSkinData.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Screen.h"

TsfSkinHint::TsfSkinHint(TComponent* AOwner)
    : TComponent(AOwner), FSelf(std::make_shared<TsfSkinHint*>(this)) {
  AssignStatusFont(FDefaultFont);
  FHintWindow = new TsfSkinHintWindow(this);
  if (IsDesigning()) return;
  Application->HintWindowClass = [](TComponent* owner) -> THintWindow* {
    return new TsfSkinHintWindow(owner);
  };
  // The application makes its hint window when hints are switched on: switching them
  // off and on again makes it with the new class.
  Application->SetShowHint(!Application->ShowHint());
  Application->SetShowHint(!Application->ShowHint());
  InstallShowHint();
  Application->SetHintShortPause(100);
}

TsfSkinHint::~TsfSkinHint() {
  *FSelf = nullptr;  // the handler the application holds does nothing from now on
  if (FSkinData) RemoveFreeNotification(FSkinData);
}

void TsfSkinHint::InstallShowHint() {
  std::weak_ptr<TsfSkinHint*> self = FSelf;
  Application->OnShowHint = [self](std::string& text, bool& canShow, THintInfo& info) {
    auto hint = self.lock();
    if (hint && *hint && (*hint)->OnShowHint) (*hint)->OnShowHint(text, canShow, info);
  };
}

void TsfSkinHint::SetActive(bool value) {
  FActive = value;
  if (!value || IsDesigning()) return;
  DeactivateOthers();
  InstallShowHint();
}

namespace {

TComponent* HintHome(TComponent* fallback) {
  TComponent* main = Application->MainForm();
  return main ? main : fallback;
}

}  // namespace

void TsfSkinHint::DeactivateOthers() {
  TComponent* home = HintHome(Owner());
  if (!home) return;
  for (int i = 0; i < home->ComponentCount(); ++i)
    if (auto* other = dynamic_cast<TsfSkinHint*>(home->Components(i)); other && other != this)
      other->FActive = false;
}

TsfSkinHint* TsfSkinHint::FindActive(TComponent* fallbackOwner) {
  TComponent* home = HintHome(fallbackOwner);
  if (!home) return nullptr;
  for (int i = 0; i < home->ComponentCount(); ++i)
    if (auto* hint = dynamic_cast<TsfSkinHint*>(home->Components(i)); hint && hint->Active())
      return hint;
  return nullptr;
}

void TsfSkinHint::SetSkinData(TsfSkinData* value) {
  if (value == FSkinData) return;
  if (FSkinData) RemoveFreeNotification(FSkinData);
  FSkinData = value;
  if (value) FreeNotification(value);
}

void TsfSkinHint::ShowObjectHint(const std::string& hint) {
  if (!FHintWindow || hint.empty()) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  TRect r = FHintWindow->CalcHintRect(Screen->Width(), hint, nullptr);
  r = r.Offset(cursor.x, cursor.y + CursorHeightMargin());
  FHintWindow->ActivateHint(r, hint);
}

void TsfSkinHint::HideObjectHint() {
  if (FHintWindow) FHintWindow->ReleaseHandle();
}

void TsfSkinHint::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FSkinData) FSkinData = nullptr;
  if (AComponent == FHintWindow) FHintWindow = nullptr;
}
