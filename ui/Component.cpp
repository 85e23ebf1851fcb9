#include "Component.h"

#include <algorithm>
#include <vector>

TComponent::TComponent(TComponent* AOwner) {
  // Made while its owner is being built: it is loading too, until the owner's EndLoading.
  if (AOwner && AOwner->IsLoading()) FComponentState << csLoading;
  if (AOwner) AOwner->InsertComponent(this);
}

namespace {

int sHandlerDepth = 0;
std::vector<TComponent*>& WaitingToBeFreed() {
  static std::vector<TComponent*> components;
  return components;
}

void FreeWaiting() {
  auto& waiting = WaitingToBeFreed();
  while (sHandlerDepth == 0 && !waiting.empty()) {
    TComponent* component = waiting.back();
    waiting.pop_back();
    delete component;
  }
}

}  // namespace

THandlerScope::THandlerScope() { ++sHandlerDepth; }

THandlerScope::~THandlerScope() {
  if (--sHandlerDepth == 0) FreeWaiting();
}

void FreeWhenIdle(TComponent* component) {
  if (!component) return;
  auto& waiting = WaitingToBeFreed();
  if (std::find(waiting.begin(), waiting.end(), component) == waiting.end())
    waiting.push_back(component);
  FreeWaiting();
}

TComponent::~TComponent() {
  if (!WaitingToBeFreed().empty()) std::erase(WaitingToBeFreed(), this);
  BeginDestroy();
  if (FOwner) FOwner->RemoveComponent(this);
}

void TComponent::BeginDestroy() {
  FComponentState << csDestroying;
  NotifyFreeNotifiers();
  while (!FComponents.empty()) {
    TComponent* last = FComponents.back();
    FComponents.pop_back();
    last->FOwner = nullptr;
    delete last;
  }
}

void TComponent::NotifyFreeNotifiers() {
  // A notified component may itself drop its link to us while we iterate.
  while (!FFreeNotifies.empty()) {
    TComponent* other = FFreeNotifies.back();
    FFreeNotifies.pop_back();
    auto& back = other->FFreeNotifies;
    back.erase(std::remove(back.begin(), back.end(), this), back.end());
    other->Notification(this, opRemove);
  }
}

int TComponent::ComponentIndex() const {
  if (!FOwner) return -1;
  auto& list = FOwner->FComponents;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

TComponent* TComponent::FindComponent(const std::string& name) const {
  if (name.empty()) return nullptr;
  for (TComponent* c : FComponents)
    if (c->FName == name) return c;
  return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
  if (component->FOwner) component->FOwner->RemoveComponent(component);
  FComponents.push_back(component);
  component->FOwner = this;
  Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  auto it = std::find(FComponents.begin(), FComponents.end(), component);
  if (it == FComponents.end()) return;
  Notification(component, opRemove);
  FComponents.erase(it);
  component->FOwner = nullptr;
}

void TComponent::BeginLoading() {
  FComponentState << csLoading;
  for (TComponent* c : FComponents) c->BeginLoading();
}

void TComponent::EndLoading() {
  for (size_t i = 0; i < FComponents.size(); ++i) FComponents[i]->EndLoading();
  if (!IsLoading()) return;
  FComponentState >> csLoading;
  Loaded();
}

void TComponent::FreeNotification(TComponent* component) {
  if (!component || component == this) return;
  auto add = [](std::vector<TComponent*>& v, TComponent* c) {
    if (std::find(v.begin(), v.end(), c) == v.end()) v.push_back(c);
  };
  add(FFreeNotifies, component);
  add(component->FFreeNotifies, this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  if (!component) return;
  auto drop = [](std::vector<TComponent*>& v, TComponent* c) {
    v.erase(std::remove(v.begin(), v.end(), c), v.end());
  };
  drop(FFreeNotifies, component);
  drop(component->FFreeNotifies, this);
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
  // Owned components hear about each other's insertion and removal, like the
  // platform: a reference held between siblings is cleared either way.
  if (Operation == opRemove && AComponent) RemoveFreeNotification(AComponent);
  if (!IsDestroying())
    for (TComponent* c : FComponents)
      if (c != AComponent) c->Notification(AComponent, Operation);
}
