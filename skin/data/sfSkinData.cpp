#include "sfSkinData.h"

#include <windows.h>

#include <optional>
#include <utility>

#include "sfCompressedSkinList.h"
#include "sfCompressedStoredSkin.h"
#include "sfResourceStrData.h"
#include "sfSkinDefinition.h"
#include "sfSkinPackage.h"
#include "sfSkinRead.h"
#include "ui/Bitmap.h"
#include "ui/Form.h"
#include "ui/Screen.h"

namespace {

// A form whose window is not made yet takes the message all the same: its frame
// and controls are skinned before the window is made, at its final size.
void SendSkinMessage(TForm* form, unsigned message, TsfSkinData* sender) {
  if (form->IsDestroying()) return;  // nothing left to update
  form->SendWindowMessage(message, reinterpret_cast<WPARAM>(sender), kSkinMessageParam);
}

}  // namespace

TsfSkinData::TsfSkinData(TComponent* AOwner)
    : TComponent(AOwner),
      FMainPicture(std::make_unique<TBitmap>()),
      FInactivePicture(std::make_unique<TBitmap>()),
      FMaskPicture(std::make_unique<TBitmap>()) {}

TsfSkinData::~TsfSkinData() {
  FSkinEmpty = true;
  ClearDefinitions();
}

void TsfSkinData::SetSkinnableForm(bool value) {
  if (value == FSkinnableForm) return;
  FSkinnableForm = value;
  if (!IsDesigning() && !IsLoading()) BroadcastSkinMessage(WM_SD_SKINNABLECHANGE);
}

void TsfSkinData::SetCompressedStoredSkin(TsfCompressedStoredSkin* value) {
  if (FCompressedStoredSkin && FCompressedStoredSkin != value)
    RemoveFreeNotification(FCompressedStoredSkin);
  FCompressedStoredSkin = value;
  if (!value) return;
  FreeNotification(value);
  if (!IsDesigning()) LoadStoredSkin(*value);
}

void TsfSkinData::SetResourceStrData(TsfResourceStrData* value) {
  if (FResourceStrData && FResourceStrData != value) RemoveFreeNotification(FResourceStrData);
  FResourceStrData = value;
  if (value) FreeNotification(value);
  if (!IsDesigning()) BroadcastSkinMessage(WM_SD_RESSTRCHANGE);
}

void TsfSkinData::SetSkinList(TsfCompressedSkinList* value) {
  if (FSkinList && FSkinList != value) RemoveFreeNotification(FSkinList);
  FSkinList = value;
  if (!value) return;
  FreeNotification(value);
  if (!IsDesigning() && FSkinIndex >= 0 && FSkinIndex < value->SkinCount())
    LoadSkinListItem(FSkinIndex);
}

void TsfSkinData::SetSkinIndex(int value) {
  if (value == FSkinIndex) return;
  if (!FSkinList) {
    FSkinIndex = value;
    return;
  }
  if (value < 0 || value >= FSkinList->SkinCount()) return;
  FSkinIndex = value;
  if (!IsDesigning()) LoadSkinListItem(value);
}

void TsfSkinData::LoadSkinListItem(int index) {
  LoadStoredSkin(FSkinList->Skins(index).StoredSkin());
}

void TsfSkinData::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  // Only the reference goes: what was loaded from the source stays.
  if (AComponent == FCompressedStoredSkin) FCompressedStoredSkin = nullptr;
  if (AComponent == FResourceStrData) FResourceStrData = nullptr;
  if (AComponent == FSkinList) FSkinList = nullptr;
}

void TsfSkinData::LoadStoredSkin(const TsfCompressedStoredSkin& skin) {
  if (skin.IsEmpty()) return;
  FSkinEmpty = true;
  FLoadInProgress = true;
  // Receivers drop their references to the old definitions here, before they go.
  BroadcastSkinMessage(WM_SD_BEFORECHANGE);
  ClearSkin();
  try {
    ReadSkin(skin);
  } catch (...) {
    // Nothing of a half-read skin stays; the load is left marked as running.
    ClearSkin();
    // The forms let go of the old skin on the before-change message and wait for
    // the new one: they are told there is none, so that frames and controls draw
    // their plain look instead of an empty frame. No after-change message follows.
    BroadcastSkinMessage(WM_SD_CHANGE);
    throw;
  }
  FSkinEmpty = false;
  BroadcastSkinMessage(WM_SD_CHANGE);
  FLoadInProgress = false;
  BroadcastSkinMessage(WM_SD_AFTERCHANGE);
}

bool TsfSkinData::ReadAhead(const TsfCompressedStoredSkin& skin, std::function<void()> afterwards) {
  FReadAhead.reset();
  if (skin.IsEmpty()) return false;
  FReadAhead = std::make_unique<TsfSkinReadAhead>(skin.PackedBytes(), std::move(afterwards));
  return FReadAhead->Started();
}

void TsfSkinData::ReadSkin(const TsfCompressedStoredSkin& skin) {
  std::unique_ptr<TsfReadSkin> read;
  // Taking leaves the read-ahead's thread running: it may still be at the work
  // given to it after the read, and the load does not wait for that work.
  if (FReadAhead) read = FReadAhead->Take(skin.PackedBytes());
  if (!read) read = ReadPackedSkin(skin.PackedBytes());
  FMainPicture = std::move(read->Main);
  FInactivePicture = std::move(read->Inactive);
  FMaskPicture = std::move(read->Mask);
  FActivePictureList = std::move(read->Active);
  TsfSkinDefinition& def = read->Definition;
  Version = std::move(def.Version);
  PictureName = std::move(def.Pictures.picture);
  InactivePictureName = std::move(def.Pictures.inactivepicture);
  MaskPictureName = std::move(def.Pictures.mask);
  PictureNameList = std::move(def.Pictures.activepictures);
  FormInfo = def.FormInfo;
  PopupWindow = def.PopupWindow;
  HintWindow = std::move(def.HintWindow);
  SkinColors = def.SkinColors;
  ObjectDefs = std::move(def.ObjectDefs);
  ControlDefs = std::move(def.ControlDefs);
}

int TsfSkinData::FindObjectDef(std::string_view name) const {
  for (size_t i = 0; i < ObjectDefs.size(); ++i)
    if (ObjectDefs[i]->IDName == name) return static_cast<int>(i);
  return -1;
}

int TsfSkinData::FindControlDef(std::string_view name) const {
  for (size_t i = 0; i < ControlDefs.size(); ++i)
    if (ControlDefs[i]->IDName == name) return static_cast<int>(i);
  return -1;
}

TsfDataSkinObject* TsfSkinData::ObjectDef(int index) const {
  if (index < 0 || static_cast<size_t>(index) >= ObjectDefs.size()) return nullptr;
  return ObjectDefs[static_cast<size_t>(index)].get();
}

TsfDataSkinControl* TsfSkinData::ControlDef(int index) const {
  if (index < 0 || static_cast<size_t>(index) >= ControlDefs.size()) return nullptr;
  return ControlDefs[static_cast<size_t>(index)].get();
}

TBitmap* TsfSkinData::ActivePictures(int index) const {
  if (index < 0 || static_cast<size_t>(index) >= FActivePictureList.size()) return nullptr;
  return FActivePictureList[static_cast<size_t>(index)].get();
}

void TsfSkinData::BroadcastSkinMessage(unsigned message) {
  TForm* owner = dynamic_cast<TForm*>(Owner());
  if (owner) SendSkinMessage(owner, message, this);
  if (!Screen) return;
  // A receiver may create or free forms; the index is checked against the current count.
  for (int i = 0; i < Screen->FormCount(); ++i) {
    TForm* form = Screen->Forms(i);
    if (form != owner) SendSkinMessage(form, message, this);
  }
}

void TsfSkinData::ClearDefinitions() {
  ObjectDefs.clear();
  ControlDefs.clear();
  FActivePictureList.clear();
  PictureNameList.clear();
  PopupWindow.windowpictureindex = -1;
  HintWindow.windowpictureindex = -1;
  SkinColors.SetDefaults();
}

void TsfSkinData::ClearSkin() {
  ClearDefinitions();
  FMainPicture->SetSize(0, 0);
  FInactivePicture->SetSize(0, 0);
  FMaskPicture->SetSize(0, 0);
  PictureName.clear();
  MaskPictureName.clear();
  FSkinEmpty = true;
}
