#pragma once
// TsfSkinData: the loaded skin every skinned frame, control, menu and dialog refers
// to: the package's pictures, the definition objects and the form-level values. It
// tells all forms, by the WM_SD_* messages, before and after it replaces them.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "sfDataSkinControl.h"
#include "sfDataSkinObject.h"
#include "sfDataSkinPopupWindow.h"
#include "sfSkinColors.h"
#include "sfSkinFormInfo.h"
#include "ui/Component.h"

class TBitmap;
class TsfCompressedStoredSkin;
class TsfCompressedSkinList;
class TsfResourceStrData;
class TsfSkinReadAhead;

// Sent (never posted) with wParam = the sending TsfSkinData and lParam = 1000.
constexpr unsigned WM_SD_BEFORECHANGE = 1225;     // a load starts; nothing is freed yet
constexpr unsigned WM_SD_CHANGE = 1226;           // the new skin is loaded
constexpr unsigned WM_SD_AFTERCHANGE = 1227;      // the load is over
constexpr unsigned WM_SD_RESSTRCHANGE = 1274;     // ResourceStrData was assigned
constexpr unsigned WM_SD_SKINNABLECHANGE = 1294;  // SkinnableForm changed
constexpr long kSkinMessageParam = 1000;

class TsfSkinData : public TComponent {
 public:
  explicit TsfSkinData(TComponent* AOwner);
  ~TsfSkinData() override;

  // Whether forms using this skin data draw their frame skinned.
  bool SkinnableForm() const { return FSkinnableForm; }
  void SetSkinnableForm(bool value);
  // Whether transitions and other effects run; read by the elements that animate.
  bool EnableSkinEffects() const { return FEnableSkinEffects; }
  void SetEnableSkinEffects(bool value) { FEnableSkinEffects = value; }
  // The skin source; setting a source outside design time loads it at once.
  TsfCompressedStoredSkin* CompressedStoredSkin() const { return FCompressedStoredSkin; }
  void SetCompressedStoredSkin(TsfCompressedStoredSkin* value);
  TsfResourceStrData* ResourceStrData() const { return FResourceStrData; }
  void SetResourceStrData(TsfResourceStrData* value);
  // A source of several skins; SkinIndex picks the one loaded.
  TsfCompressedSkinList* SkinList() const { return FSkinList; }
  void SetSkinList(TsfCompressedSkinList* value);
  int SkinIndex() const { return FSkinIndex; }
  void SetSkinIndex(int value);

  // True when no skin is loaded: at construction, while a load runs, after a failed one.
  bool SkinEmpty() const { return FSkinEmpty; }
  // True from the start of a load until just before WM_SD_AFTERCHANGE; a failed
  // load leaves it set.
  bool LoadInProgress() const { return FLoadInProgress; }

  // Replaces the whole skin with the package of `skin`. A source without data changes
  // nothing. Errors (corrupt or cut-off data, a package of a version above 3, a bad
  // picture, a malformed rect or point) pass to the caller and leave the skin empty,
  // still marked as loading; the forms get the change message all the same, so that
  // they draw their plain look, but no after-change message.
  void LoadStoredSkin(const TsfCompressedStoredSkin& skin);
  // Starts reading the package of `skin` (inflating it, decoding its pictures,
  // reading its definition) on a thread of its own; the next load of the same
  // package takes what it read, or the error it met, instead of reading it again.
  // `afterwards` runs on that thread after the read. False when no thread took
  // the work (an empty skin, or no thread to be had): `afterwards` does not run.
  bool ReadAhead(const TsfCompressedStoredSkin& skin, std::function<void()> afterwards = {});

  // The position of the first definition whose IDName equals `name` exactly; -1 when
  // none does.
  int FindObjectDef(std::string_view name) const;
  int FindControlDef(std::string_view name) const;
  // The definition at a position; nullptr for -1 or a position beyond the list.
  TsfDataSkinObject* ObjectDef(int index) const;
  TsfDataSkinControl* ControlDef(int index) const;

  // Active picture `index` of the package; nullptr (no picture) for -1 or an index
  // not below ActivePictureCount.
  TBitmap* ActivePictures(int index) const;
  int ActivePictureCount() const { return static_cast<int>(FActivePictureList.size()); }
  // The three flagged pictures; each may be empty.
  TBitmap& MainPicture() const { return *FMainPicture; }
  TBitmap& InactivePicture() const { return *FInactivePicture; }
  TBitmap& MaskPicture() const { return *FMaskPicture; }

  // Sends `message` to the owner when it is a form, then to every other form.
  void BroadcastSkinMessage(unsigned message);
  // Frees every definition and active picture; the popup and hint windows lose their
  // picture and the skin colours go back to the system colours.
  void ClearDefinitions();
  // ClearDefinitions, the three pictures and their names, and SkinEmpty set.
  void ClearSkin();

  // The loaded contents, read directly by frames and controls.
  TsfSkinObjectList ObjectDefs;     // [SKINOBJECTS] order
  TsfSkinControlList ControlDefs;   // [SKINCONTROLS] order
  std::vector<std::string> PictureNameList;  // file names of the active pictures
  std::string PictureName, InactivePictureName, MaskPictureName;
  TsfDataSkinPopupWindow PopupWindow;
  TsfDataSkinHintWindow HintWindow;
  TsfSkinColors SkinColors;  // 0 in all eight until the first clear
  TsfSkinFormInfo FormInfo;
  TsfSkinVersionInfo Version;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void LoadSkinListItem(int index);
  void ReadSkin(const TsfCompressedStoredSkin& skin);

  bool FSkinnableForm = true;
  bool FEnableSkinEffects = true;
  TsfCompressedStoredSkin* FCompressedStoredSkin = nullptr;
  TsfResourceStrData* FResourceStrData = nullptr;
  TsfCompressedSkinList* FSkinList = nullptr;
  int FSkinIndex = 0;
  bool FSkinEmpty = true;
  bool FLoadInProgress = false;
  std::unique_ptr<TBitmap> FMainPicture, FInactivePicture, FMaskPicture;
  std::vector<std::unique_ptr<TBitmap>> FActivePictureList;
  std::unique_ptr<TsfSkinReadAhead> FReadAhead;
};
