#pragma once
// TObject and TComponent: the ownership tree every part of the system is built on.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "Types.h"

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;
};

class TComponent;

using TNotifyEvent = std::function<void(TObject* Sender)>;
using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject* Sender, std::uint16_t& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, char& Key)>;

enum TOperation { opInsert, opRemove };
enum class TComponentStateItem { csLoading, csReading, csWriting, csDestroying, csDesigning };
using TComponentState = TSet<TComponentStateItem>;
constexpr auto csLoading = TComponentStateItem::csLoading;
constexpr auto csDestroying = TComponentStateItem::csDestroying;
constexpr auto csDesigning = TComponentStateItem::csDesigning;

// A component is freed by its owner; the owner frees what it owns in reverse order
// of insertion, before its own members go (BeginDestroy). A component that keeps a pointer to another asks for that one's
// removal notice (FreeNotification) and clears the pointer in Notification.
class TComponent : public TObject {
 public:
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;

  const std::string& Name() const { return FName; }
  void SetName(const std::string& value) { FName = value; }
  TComponent* Owner() const { return FOwner; }
  std::intptr_t Tag() const { return FTag; }
  void SetTag(std::intptr_t value) { FTag = value; }

  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* Components(int index) const { return FComponents.at(static_cast<size_t>(index)); }
  int ComponentIndex() const;
  TComponent* FindComponent(const std::string& name) const;

  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);

  TComponentState ComponentState() const { return FComponentState; }
  bool IsLoading() const { return FComponentState.Contains(csLoading); }
  bool IsDestroying() const { return FComponentState.Contains(csDestroying); }
  bool IsDesigning() const { return FComponentState.Contains(csDesigning); }
  // Brackets the setting of stored properties; EndLoading calls Loaded on this
  // component and, first, on everything it owns. Components created with a
  // loading owner start out loading.
  void BeginLoading();
  void EndLoading();

  // Asks `component` to send Notification(this-side, opRemove) when it goes away.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

 protected:
  virtual void Notification(TComponent* AComponent, TOperation Operation);
  virtual void Loaded() {}
  void SetDestroying() { FComponentState << csDestroying; }
  // Marks the component as going, tells those that asked for its removal, and frees
  // what it owns while the object is still whole: every destructor of a class whose
  // owned components may reach their owner calls it first (a base class destructor
  // would run after the derived members are gone). Later calls do nothing.
  void BeginDestroy();

 private:
  void NotifyFreeNotifiers();

  std::string FName;
  TComponent* FOwner = nullptr;
  std::intptr_t FTag = 0;
  TComponentState FComponentState;
  std::vector<TComponent*> FComponents;
  std::vector<TComponent*> FFreeNotifies;
};

// While any handler of ours runs (a window procedure, a menu's keyboard handling),
// components handed to FreeWhenIdle wait: a handler further up the stack may still
// use them (a form released from its own frame's hook, a menu closed by its own
// item). They are freed when the outermost handler has returned, at once when none
// runs; one freed otherwise meanwhile leaves the queue.
class THandlerScope {
 public:
  THandlerScope();
  ~THandlerScope();
  THandlerScope(const THandlerScope&) = delete;
  THandlerScope& operator=(const THandlerScope&) = delete;
};
void FreeWhenIdle(TComponent* component);
