#include "sfSkinForm.h"

#include <functional>
#include <vector>

#include "skin/controls/sfGraphicSkinControl.h"
#include "skin/controls/sfSkinControl.h"
#include "skin/data/sfSkinData.h"
#include "ui/Exception.h"
#include "ui/Form.h"

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

}  // namespace

void ReleaseSkinOfControls(TControl& root, TsfSkinData* data) {
  WalkControls(root, [data](TControl& c) {
    auto* skinned = dynamic_cast<TsfSkinControl*>(&c);
    if (skinned && data && skinned->SkinData() == data) skinned->ReleaseSkin();
  });
}

void ApplySkinToControls(TControl& root, TsfSkinData* data) {
  WalkControls(root, [data](TControl& c) {
    if (!data) return;
    if (auto* windowed = dynamic_cast<TsfSkinControl*>(&c)) {
      if (windowed->SkinData() == data) windowed->ApplySkin();
    } else if (auto* windowless = dynamic_cast<TsfGraphicSkinControl*>(&c)) {
      if (windowless->SkinData() == data) windowless->ApplySkin();
    }
  });
}

TsfSkinForm::TsfSkinForm(TComponent* AOwner) : TComponent(AOwner) {
  FForm = dynamic_cast<TForm*>(AOwner);
  if (!FForm) throw EInvalidCast("Invalid class typecast");
  FForm->InstallMessageHook(this, [this](TMessage& m, const std::function<void(TMessage&)>& next) {
    FrameWndProc(m, next);
  });
}

TsfSkinForm::~TsfSkinForm() {
  SetDestroying();
  if (FSkinData) RemoveFreeNotification(FSkinData);
  FForm->RemoveMessageHook(this);
}

void TsfSkinForm::SetSkinData(TsfSkinData* value) {
  if (FSkinData) RemoveFreeNotification(FSkinData);
  FSkinData = value;
  if (value) FreeNotification(value);
  FSkinLoaded = value && !value->SkinEmpty();
}

void TsfSkinForm::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && FSkinData && AComponent == FSkinData) {
    FSkinData = nullptr;
    FSkinLoaded = false;
  }
}

void TsfSkinForm::FrameWndProc(TMessage& m, const std::function<void(TMessage&)>& next) {
  next(m);
  if (m.LParam != kSkinMessageParam) return;
  auto* sender = reinterpret_cast<TsfSkinData*>(m.WParam);
  switch (m.Msg) {
    case WM_SD_BEFORECHANGE: BeforeChange(sender); break;
    case WM_SD_CHANGE: Change(sender); break;
    case WM_SD_AFTERCHANGE:
      if (OnAfterChangeSkinData) OnAfterChangeSkinData(this);
      break;
  }
}

void TsfSkinForm::BeforeChange(TsfSkinData* sender) {
  if (sender != FSkinData) return;
  FSkinChanging = true;
  FSkinLoaded = false;
  ReleaseSkinOfControls(*FForm, sender);
  if (OnBeforeChangeSkinData) OnBeforeChangeSkinData(this);
}

void TsfSkinForm::Change(TsfSkinData* sender) {
  FSkinChanging = false;
  if (sender == FSkinData) {
    FSkinLoaded = FSkinData && !FSkinData->SkinEmpty();
    if (OnChangeSkinData) OnChangeSkinData(this);
  }
  ApplySkinToControls(*FForm, sender);
}
