#include "Action.h"

#include <algorithm>

#include "Control.h"
#include "ImageList.h"

TBasicAction::TBasicAction(TComponent* AOwner) : TComponent(AOwner) {}

TBasicAction::~TBasicAction() {
  // Linked controls have dropped their links on our removal notice; any link left
  // must not reach back to us.
  SetDestroying();
  for (TActionLink* link : FClients) link->FAction = nullptr;
}

bool TBasicAction::Execute() {
  if (!OnExecute) return false;
  OnExecute(this);
  return true;
}

void TBasicAction::Change() {
  std::vector<TActionLink*> clients = FClients;
  for (TActionLink* link : clients) link->FClient->ActionChange(this, false);
}

TAction::TAction(TComponent* AOwner) : TBasicAction(AOwner) {}

TAction::~TAction() {
  SetDestroying();
  if (FImageList) RemoveFreeNotification(FImageList);
}

bool TAction::Execute() { return FEnabled && TBasicAction::Execute(); }

void TAction::SetCaption(const std::string& value) {
  if (value == FCaption) return;
  FCaption = value;
  Change();
}

void TAction::SetEnabled(bool value) {
  if (value == FEnabled) return;
  FEnabled = value;
  Change();
}

void TAction::SetVisible(bool value) {
  if (value == FVisible) return;
  FVisible = value;
  Change();
}

void TAction::SetImageIndex(int value) {
  if (value == FImageIndex) return;
  FImageIndex = value;
  Change();
}

void TAction::SetImageList(TCustomImageList* value) {
  if (value == FImageList) return;
  if (FImageList) RemoveFreeNotification(FImageList);
  FImageList = value;
  if (value) FreeNotification(value);
  Change();
}

void TAction::Notification(TComponent* AComponent, TOperation Operation) {
  TBasicAction::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImageList) FImageList = nullptr;
}

TActionLink::TActionLink(TControl* client, TBasicAction* action)
    : FClient(client), FAction(action) {
  if (FAction) FAction->FClients.push_back(this);
}

TActionLink::~TActionLink() {
  if (!FAction) return;
  auto& list = FAction->FClients;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
}
