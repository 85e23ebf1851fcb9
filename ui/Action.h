#pragma once
// Actions: a command (its caption, state and handler) that several controls share.
// A control whose Action is set shows the action's caption and state and executes
// it when clicked; the link between them is a TActionLink.
#include <string>
#include <vector>

#include "Component.h"

class TActionLink;
class TControl;
class TCustomImageList;

class TBasicAction : public TComponent {
 public:
  explicit TBasicAction(TComponent* AOwner);
  ~TBasicAction() override;

  // Calls OnExecute; false when there is nothing to call.
  virtual bool Execute();
  TNotifyEvent OnExecute;

 protected:
  // Tells every linked control that a property changed.
  void Change();

 private:
  friend class TActionLink;
  std::vector<TActionLink*> FClients;
};

class TAction : public TBasicAction {
 public:
  explicit TAction(TComponent* AOwner);
  ~TAction() override;

  // A disabled action does not execute.
  bool Execute() override;

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int value);
  TCustomImageList* ImageList() const { return FImageList; }
  void SetImageList(TCustomImageList* value);

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  std::string FCaption;
  bool FEnabled = true;
  bool FVisible = true;
  int FImageIndex = -1;
  TCustomImageList* FImageList = nullptr;
};

// Binds one control to one action for as long as both live; made and freed by the
// control (TControl::SetAction).
class TActionLink {
 public:
  TActionLink(TControl* client, TBasicAction* action);
  TActionLink(const TActionLink&) = delete;
  TActionLink& operator=(const TActionLink&) = delete;
  ~TActionLink();

  TBasicAction* Action() const { return FAction; }
  TControl* Client() const { return FClient; }
  bool Execute() { return FAction && FAction->Execute(); }

 private:
  friend class TBasicAction;
  TControl* FClient;
  TBasicAction* FAction;
};
