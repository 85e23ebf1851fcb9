#pragma once
// TsfSkinForm: the frame component dropped on a form. It puts its own window
// procedure in front of the form's and, when the skin data it is bound to changes,
// releases and re-applies the skin of every skinned control on the form.
#include "ui/Component.h"
#include "ui/Types.h"

class TForm;
class TControl;
class TsfSkinData;
struct TMessage;

class TsfSkinForm : public TComponent {
 public:
  // The owner must be a form: anything else is an invalid cast.
  explicit TsfSkinForm(TComponent* AOwner);
  ~TsfSkinForm() override;

  TsfSkinData* SkinData() const { return FSkinData; }
  void SetSkinData(TsfSkinData* value);
  TForm& Form() const { return *FForm; }
  // The skin of the frame's skin data is loaded (set by a change, cleared before one).
  bool SkinLoaded() const { return FSkinLoaded; }
  // Between the before-change and the change messages of its skin data.
  bool SkinChanging() const { return FSkinChanging; }

  TNotifyEvent OnBeforeChangeSkinData;
  TNotifyEvent OnChangeSkinData;
  TNotifyEvent OnAfterChangeSkinData;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  // The frame's window procedure: the form's handling first, then the frame's work.
  void FrameWndProc(TMessage& m, const std::function<void(TMessage&)>& next);
  void BeforeChange(TsfSkinData* sender);
  void Change(TsfSkinData* sender);

  TForm* FForm = nullptr;
  TsfSkinData* FSkinData = nullptr;
  bool FSkinLoaded = false;
  bool FSkinChanging = false;
};

// The walks of a skin change over `root`'s control tree, a parent before its
// children and children in child order, visiting only controls bound to `data`:
// ReleaseSkin on the windowed skinned controls, ApplySkin on all skinned ones.
void ReleaseSkinOfControls(TControl& root, TsfSkinData* data);
void ApplySkinToControls(TControl& root, TsfSkinData* data);
