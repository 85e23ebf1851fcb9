#pragma once
// What binds a control, windowed or windowless, to one control definition of a skin
// data component: the reference to the skin data (cleared when that component goes),
// the definition's name and its position once looked up, and the hint texts the
// skinned hint window shows. Both control bases hold one and forward to it.
#include <string>

#include "ui/Component.h"

class TsfSkinData;
class TsfDataSkinControl;

class TsfSkinBinding {
 public:
  // `control` asks for the skin data's removal notice.
  explicit TsfSkinBinding(TComponent& control) : FControl(control) {}
  TsfSkinBinding(const TsfSkinBinding&) = delete;
  TsfSkinBinding& operator=(const TsfSkinBinding&) = delete;
  ~TsfSkinBinding();

  TsfSkinData* SkinData() const { return FSkinData; }
  // Stores the reference; true when the new skin data holds a skin that the control
  // should apply now (outside design mode).
  bool SetSkinData(TsfSkinData* value);
  const std::string& Name() const { return FName; }
  void SetName(const std::string& value) { FName = value; }
  const std::string& HintTitle() const { return FHintTitle; }
  void SetHintTitle(const std::string& value) { FHintTitle = value; }
  int HintImageIndex() const { return FHintImageIndex; }
  void SetHintImageIndex(int value) { FHintImageIndex = value; }

  int DefinitionIndex() const { return FDefinitionIndex; }
  bool Skinned() const { return FDefinitionIndex != -1; }
  TsfDataSkinControl* Definition() const;
  // Looks the name up in the skin data: -1 without skin data, with an empty skin or
  // for a name the skin does not define.
  void Fetch();
  void Release() { FDefinitionIndex = -1; }
  // The control's removal notice: forgets the skin data when it is the one going.
  void Notification(TComponent* component, TOperation operation);

 private:
  TComponent& FControl;
  TsfSkinData* FSkinData = nullptr;
  std::string FName;
  std::string FHintTitle;
  int FHintImageIndex = 0;
  int FDefinitionIndex = -1;
};

// The definition index `name` has in `data`: -1 when data is unset or its skin empty.
int FindSkinDefinition(TsfSkinData* data, const std::string& name);
