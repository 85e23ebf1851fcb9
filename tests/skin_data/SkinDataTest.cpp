// The skin data component: loading a stored skin into decoded pictures and
// definitions, the skin-change messages to the forms, failures and references.
#include <gtest/gtest.h>

#include <functional>
#include <future>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "TestBmp.h"
#include "skin/data/sfCompressedSkinList.h"
#include "skin/data/sfCompressedStoredSkin.h"
#include "skin/data/sfResourceStrData.h"
#include "skin/data/sfSkinData.h"
#include "skin/data/sfSkinPackage.h"
#include "skin/data/sfZLib.h"
#include "ui/Bitmap.h"
#include "ui/Form.h"
#include "ui/GdiObject.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

struct TReceived {
  std::string Form;
  unsigned Msg;
  friend bool operator==(const TReceived&, const TReceived&) = default;
};

void PrintTo(const TReceived& r, std::ostream* os) { *os << r.Form << ":" << r.Msg; }

// Records the skin-change messages its window procedure receives, into a log shared
// by all forms of a test, so the order across forms shows.
class TRecordingForm : public TForm {
 public:
  TRecordingForm(TComponent* owner, std::string name, std::vector<TReceived>& log)
      : TForm(owner), FName(std::move(name)), FLog(log) {}

  void WndProc(TMessage& message) override {
    if (message.Msg >= WM_SD_BEFORECHANGE && message.Msg <= WM_SD_SKINNABLECHANGE) {
      FLog.push_back({FName, message.Msg});
      LastWParam = message.WParam;
      LastLParam = message.LParam;
      if (OnSkinMessage) OnSkinMessage(message.Msg);
    }
    TForm::WndProc(message);
  }

  std::uintptr_t LastWParam = 0;
  std::intptr_t LastLParam = 0;
  std::function<void(unsigned)> OnSkinMessage;

 private:
  std::string FName;
  std::vector<TReceived>& FLog;
};

const char* const kDefinition =
    "[VERSION]\r\nskinname=Tavoro\r\nskinauthor=us\r\n"
    "[PICTURES]\r\npicture=main.bmp\r\ninactivepicture=\r\nmask=mask.bmp\r\n"
    "activepicturescount=2\r\n0=active.BMP\r\n1=controls.bmp\r\n"
    "[FORMINFO]\r\nclientrect=5,29,147,120\r\nbgpictureindex=1\r\n"
    "[POPUPWINDOW]\r\nwindowpictureindex=0\r\n"
    "[SKINCOLORS]\r\ncbtnface=15459040\r\n"
    "[SKINOBJECTS]\r\ncount=2\r\n0=caption:caption\r\n1=closebutton:stdbutton\r\n"
    "[SKINCONTROLS]\r\ncount=4\r\n0=listbox:listbox\r\n1=toolpanel:panel\r\n"
    "2=listbox:combobox\r\n3=odd:gadget\r\n"
    "[listbox]\r\npictureindex=1\r\nskinrect=0,0,20,20\r\n"
    "[toolpanel]\r\npictureindex=1\r\nskinrect=0,20,100,49\r\n";

TsfSkinPackage MakePackage(const std::string& definition = kDefinition) {
  TsfSkinPackage p;
  p.MainPicture = MakeBmp(15, 12, 8, 1);
  p.MaskPicture = MakeBmp(15, 12, 1, 2);
  p.ActivePictures = {MakeBmp(8, 24, 8, 3), MakeBmp(6, 7, 24, 4)};
  p.DefinitionText = definition;
  return p;
}

void SetPackage(TsfCompressedStoredSkin& skin, const TsfSkinPackage& package) {
  skin.SetCompressedData(PackSkinPackage(package));
}

// The messages a load that goes through sends, owner first each time.
std::vector<TReceived> FullLoad(const std::string& owner, const std::string& other) {
  std::vector<TReceived> out;
  for (unsigned m : {WM_SD_BEFORECHANGE, WM_SD_CHANGE, WM_SD_AFTERCHANGE}) {
    out.push_back({owner, m});
    out.push_back({other, m});
  }
  return out;
}

class SkinDataTest : public testing::Test {
 protected:
  void SetUp() override {
    Other = std::make_unique<TRecordingForm>(nullptr, "other", Log);
    Owner = std::make_unique<TRecordingForm>(nullptr, "owner", Log);
    Other->AfterConstruction();
    Owner->AfterConstruction();
    Data = std::make_unique<TsfSkinData>(Owner.get());
    Stored = std::make_unique<TsfCompressedStoredSkin>(Owner.get());
    BitmapsBefore = LiveHandles(THandleKind::Bitmap);
  }
  void TearDown() override {
    Stored.reset();
    Data.reset();
    EXPECT_EQ(LiveHandles(THandleKind::Bitmap), BitmapsBefore);
  }

  // Loads a package whose reading fails, and checks the state it must leave.
  void ExpectFailedLoad(const Bytes& zlibStream, const std::string& error, bool readAhead = false) {
    Stored->SetCompressedData(zlibStream);
    if (readAhead) Data->ReadAhead(*Stored);
    Log.clear();
    try {
      Data->LoadStoredSkin(*Stored);
      ADD_FAILURE() << "no error";
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message().substr(0, error.size()), error);
    }
    ExpectLeftEmpty();
  }

  void ExpectLeftEmpty() {
    EXPECT_TRUE(Data->SkinEmpty());
    EXPECT_TRUE(Data->LoadInProgress());
    // The forms are told the skin changed (to none), so they show their plain look.
    EXPECT_EQ(Log, (std::vector<TReceived>{{"owner", WM_SD_BEFORECHANGE},
                                           {"other", WM_SD_BEFORECHANGE},
                                           {"owner", WM_SD_CHANGE},
                                           {"other", WM_SD_CHANGE}}));
    EXPECT_TRUE(Data->ControlDefs.empty());
    EXPECT_TRUE(Data->ObjectDefs.empty());
    EXPECT_EQ(Data->ActivePictureCount(), 0);
    EXPECT_TRUE(Data->MainPicture().Empty());
    EXPECT_TRUE(Data->MaskPicture().Empty());
    EXPECT_EQ(LiveHandles(THandleKind::Bitmap), BitmapsBefore);
  }

  std::vector<TReceived> Log;
  std::unique_ptr<TRecordingForm> Other, Owner;
  std::unique_ptr<TsfSkinData> Data;
  std::unique_ptr<TsfCompressedStoredSkin> Stored;
  int BitmapsBefore = 0;
};

}  // namespace

TEST_F(SkinDataTest, ConstructedEmpty) {
  EXPECT_TRUE(Data->SkinEmpty());
  EXPECT_FALSE(Data->LoadInProgress());
  EXPECT_TRUE(Data->SkinnableForm());
  EXPECT_TRUE(Data->EnableSkinEffects());
  EXPECT_EQ(Data->SkinIndex(), 0);
  EXPECT_EQ(Data->CompressedStoredSkin(), nullptr);
  EXPECT_EQ(Data->SkinColors.cbtnface, 0);
  EXPECT_EQ(Data->SkinColors.chighlight, 0);
  EXPECT_EQ(Data->FormInfo.bgpictureindex, -1);
  EXPECT_EQ(Data->PopupWindow.windowpictureindex, -1);
  EXPECT_EQ(Data->ActivePictures(0), nullptr);
  EXPECT_EQ(Data->FindControlDef("listbox"), -1);
  EXPECT_EQ(Data->ControlDef(-1), nullptr);
}

TEST_F(SkinDataTest, LoadDecodesPicturesAndReadsTheDefinition) {
  SetPackage(*Stored, MakePackage());
  Data->SetCompressedStoredSkin(Stored.get());
  EXPECT_FALSE(Data->SkinEmpty());
  EXPECT_FALSE(Data->LoadInProgress());

  EXPECT_EQ(Data->MainPicture().Width(), 15);
  EXPECT_TRUE(Data->InactivePicture().Empty());
  EXPECT_EQ(Data->MaskPicture().Height(), 12);
  ASSERT_EQ(Data->ActivePictureCount(), 2);
  EXPECT_EQ(Data->ActivePictures(0)->Height(), 24);
  EXPECT_EQ(Data->ActivePictures(1)->Width(), 6);
  EXPECT_EQ(Data->ActivePictures(2), nullptr);
  EXPECT_EQ(Data->ActivePictures(-1), nullptr);
  EXPECT_EQ(LiveHandles(THandleKind::Bitmap), BitmapsBefore + 4);

  EXPECT_EQ(Data->Version.skinname, "Tavoro");
  EXPECT_EQ(Data->PictureName, "main.bmp");
  EXPECT_EQ(Data->MaskPictureName, "mask.bmp");
  EXPECT_EQ(Data->PictureNameList, (std::vector<std::string>{"active.BMP", "controls.bmp"}));
  EXPECT_EQ(Data->FormInfo.clientrect, TRect(5, 29, 147, 120));
  EXPECT_EQ(Data->FormInfo.bgpictureindex, 1);
  EXPECT_EQ(Data->PopupWindow.windowpictureindex, 0);
  EXPECT_EQ(Data->SkinColors.cbtnface, 15459040);
  EXPECT_EQ(Data->SkinColors.cwindow, clWindow);

  EXPECT_EQ(Data->FindObjectDef("closebutton"), 1);
  EXPECT_EQ(Data->FindObjectDef("Caption"), -1);
  ASSERT_EQ(Data->ControlDefs.size(), 3u);
  // The first of two definitions of a name wins; names are compared exactly.
  EXPECT_EQ(Data->FindControlDef("listbox"), 0);
  EXPECT_NE(dynamic_cast<TsfDataSkinListBox*>(Data->ControlDef(0)), nullptr);
  EXPECT_EQ(Data->FindControlDef("ListBox"), -1);
  EXPECT_EQ(Data->FindControlDef("toolpanel"), 1);
  EXPECT_EQ(Data->ControlDef(1)->skinrect, TRect(0, 20, 100, 49));
  EXPECT_EQ(Data->FindControlDef("odd"), -1);
  EXPECT_EQ(Data->ControlDef(3), nullptr);
}

TEST_F(SkinDataTest, MessagesGoToTheOwnerFirstThenEveryOtherFormOnce) {
  SetPackage(*Stored, MakePackage());
  std::vector<std::string> seen;
  Owner->OnSkinMessage = [&](unsigned msg) {
    seen.push_back(std::to_string(msg) + (Data->SkinEmpty() ? " empty" : " loaded") +
                   (Data->LoadInProgress() ? " changing" : "") + " " +
                   std::to_string(Data->ControlDefs.size()));
  };
  Data->LoadStoredSkin(*Stored);
  EXPECT_EQ(Log, FullLoad("owner", "other"));
  EXPECT_EQ(Owner->LastWParam, reinterpret_cast<std::uintptr_t>(Data.get()));
  EXPECT_EQ(Other->LastWParam, reinterpret_cast<std::uintptr_t>(Data.get()));
  EXPECT_EQ(Other->LastLParam, 1000);

  // A second load: receivers see the old definitions on before-change, before they go.
  Log.clear();
  seen.clear();
  SetPackage(*Stored, MakePackage("[SKINCONTROLS]\r\ncount=1\r\n0=panel:panel\r\n"));
  Data->LoadStoredSkin(*Stored);
  EXPECT_EQ(Log, FullLoad("owner", "other"));
  EXPECT_EQ(seen, (std::vector<std::string>{"1225 empty changing 3", "1226 loaded changing 1",
                                            "1227 loaded 1"}));
  EXPECT_EQ(Data->FindControlDef("listbox"), -1);
  EXPECT_EQ(Data->FindControlDef("panel"), 0);
  EXPECT_EQ(Data->SkinColors.cbtnface, clBtnFace);
}

TEST_F(SkinDataTest, WithoutAFormOwnerEveryFormReceivesOnce) {
  TsfSkinData free(nullptr);
  SetPackage(*Stored, MakePackage());
  free.LoadStoredSkin(*Stored);
  // Forms in the order they were made.
  EXPECT_EQ(Log, FullLoad("other", "owner"));
}

TEST_F(SkinDataTest, SourceWithoutDataChangesNothing) {
  SetPackage(*Stored, MakePackage());
  Data->LoadStoredSkin(*Stored);
  Log.clear();
  TsfCompressedStoredSkin empty(nullptr);
  Data->LoadStoredSkin(empty);
  Data->SetCompressedStoredSkin(&empty);
  EXPECT_TRUE(Log.empty());
  EXPECT_FALSE(Data->SkinEmpty());
  EXPECT_EQ(Data->ControlDefs.size(), 3u);
  Data->SetCompressedStoredSkin(nullptr);
}

TEST_F(SkinDataTest, PackageOfALaterVersionIsReportedAndLeavesTheSkinEmpty) {
  SetPackage(*Stored, MakePackage());
  Data->LoadStoredSkin(*Stored);
  Bytes raw = WriteSkinPackage(MakePackage());
  raw[0] = 4;
  ExpectFailedLoad(ZCompress(raw), "The skin package is of a version above 3, which is not supported");
}

TEST_F(SkinDataTest, CorruptDataLeavesTheSkinEmpty) {
  SetPackage(*Stored, MakePackage());
  Data->LoadStoredSkin(*Stored);
  Bytes stream = PackSkinPackage(MakePackage());
  stream[stream.size() / 2] ^= 0x5A;
  stream[stream.size() / 2 + 1] ^= 0xA5;
  ExpectFailedLoad(stream, "compression error");
  ExpectFailedLoad(ZCompress(Bytes{3, 0, 0, 0, 0}), "Stream read error");
}

TEST_F(SkinDataTest, PictureThatDoesNotDecodeLeavesTheSkinEmpty) {
  TsfSkinPackage package = MakePackage();
  // The last picture fails after the others were decoded: they must all go.
  package.ActivePictures.push_back(MakeBmp(4, 4, 24, 9));
  package.ActivePictures.back()[28] = 7;  // bits per pixel
  ExpectFailedLoad(PackSkinPackage(package), "Bitmap image is not valid");
}

// A package read ahead on a thread of its own loads as one read by the load itself;
// one changed after it was read ahead is read again.
TEST_F(SkinDataTest, APackageReadAheadIsTakenByTheLoadOfTheSameBytes) {
  SetPackage(*Stored, MakePackage());
  Data->ReadAhead(*Stored);
  Data->LoadStoredSkin(*Stored);
  EXPECT_EQ(Log, FullLoad("owner", "other"));
  EXPECT_FALSE(Data->SkinEmpty());
  EXPECT_EQ(Data->MainPicture().Width(), 15);
  ASSERT_EQ(Data->ActivePictureCount(), 2);
  EXPECT_EQ(Data->ActivePictures(1)->Width(), 6);
  EXPECT_EQ(Data->FindControlDef("toolpanel"), 1);
  EXPECT_EQ(Data->SkinColors.cbtnface, 15459040);
  EXPECT_EQ(LiveHandles(THandleKind::Bitmap), BitmapsBefore + 4);

  Data->ReadAhead(*Stored);
  SetPackage(*Stored, MakePackage("[SKINCONTROLS]\r\ncount=1\r\n0=panel:panel\r\n"));
  Data->LoadStoredSkin(*Stored);
  EXPECT_EQ(Data->FindControlDef("toolpanel"), -1);
  EXPECT_EQ(Data->FindControlDef("panel"), 0);
  // The stale read is gone with its pictures.
  EXPECT_EQ(LiveHandles(THandleKind::Bitmap), BitmapsBefore + 4);
}

// The work given to run after the read runs on the reading thread, and the load
// takes what was read without waiting for that work to end.
TEST_F(SkinDataTest, WorkAfterAReadAheadRunsOnItsThreadWithoutHoldingTheLoad) {
  SetPackage(*Stored, MakePackage());
  std::promise<void> loaded;
  std::future<void> loadedSeen = loaded.get_future();
  std::thread::id worker;
  ASSERT_TRUE(Data->ReadAhead(*Stored, [&] {
    worker = std::this_thread::get_id();
    loadedSeen.wait();
  }));
  Data->LoadStoredSkin(*Stored);
  EXPECT_EQ(Data->FindControlDef("toolpanel"), 1);
  loaded.set_value();
  Data.reset();  // waits for the thread
  EXPECT_NE(worker, std::thread::id());
  EXPECT_NE(worker, std::this_thread::get_id());

  // With nothing to read no thread is started, and the work is left to the caller.
  Data = std::make_unique<TsfSkinData>(Owner.get());
  TsfCompressedStoredSkin empty(Owner.get());
  bool ran = false;
  EXPECT_FALSE(Data->ReadAhead(empty, [&] { ran = true; }));
  Data.reset();
  EXPECT_FALSE(ran);
}

TEST_F(SkinDataTest, AReadAheadThatFailedReportsItsErrorAtTheLoad) {
  Bytes stream = PackSkinPackage(MakePackage());
  stream[stream.size() / 2] ^= 0x5A;
  stream[stream.size() / 2 + 1] ^= 0xA5;
  ExpectFailedLoad(stream, "compression error", true);
  TsfSkinPackage package = MakePackage();
  package.ActivePictures.push_back(MakeBmp(4, 4, 24, 9));
  package.ActivePictures.back()[28] = 7;  // bits per pixel
  ExpectFailedLoad(PackSkinPackage(package), "Bitmap image is not valid", true);
}

TEST_F(SkinDataTest, MalformedRectInAControlStopsTheLoad) {
  std::string definition = kDefinition;
  definition.replace(definition.find("skinrect=0,20,100,49"), 20, "skinrect=0,20,,49");
  ExpectFailedLoad(PackSkinPackage(MakePackage(definition)), "'' is not a valid integer value");
  // The next good load goes through.
  SetPackage(*Stored, MakePackage());
  Log.clear();
  Data->LoadStoredSkin(*Stored);
  EXPECT_EQ(Log, FullLoad("owner", "other"));
  EXPECT_FALSE(Data->LoadInProgress());
}

TEST_F(SkinDataTest, SkinnableFormAndResourceStringsBroadcast) {
  Data->SetSkinnableForm(true);
  EXPECT_TRUE(Log.empty());
  Data->SetSkinnableForm(false);
  EXPECT_EQ(Log, (std::vector<TReceived>{{"owner", WM_SD_SKINNABLECHANGE},
                                         {"other", WM_SD_SKINNABLECHANGE}}));
  Log.clear();
  Data->BeginLoading();
  Data->SetSkinnableForm(true);
  Data->EndLoading();
  EXPECT_TRUE(Log.empty());
  EXPECT_TRUE(Data->SkinnableForm());

  TsfResourceStrData strings(nullptr);
  Data->SetResourceStrData(&strings);
  EXPECT_EQ(Log, (std::vector<TReceived>{{"owner", WM_SD_RESSTRCHANGE},
                                         {"other", WM_SD_RESSTRCHANGE}}));
  Log.clear();
  Data->SetEnableSkinEffects(false);
  EXPECT_FALSE(Data->EnableSkinEffects());
  EXPECT_TRUE(Log.empty());
}

TEST_F(SkinDataTest, SkinListAndSkinIndex) {
  Data->SetSkinIndex(5);
  EXPECT_EQ(Data->SkinIndex(), 5);
  EXPECT_TRUE(Log.empty());

  TsfCompressedSkinList list(nullptr);
  SetPackage(list.AddSkin().StoredSkin(), MakePackage("[SKINCONTROLS]\r\ncount=1\r\n0=first:panel\r\n"));
  SetPackage(list.AddSkin().StoredSkin(), MakePackage("[SKINCONTROLS]\r\ncount=1\r\n0=second:edit\r\n"));
  // Index 5 is beyond the list: nothing is loaded.
  Data->SetSkinList(&list);
  EXPECT_TRUE(Data->SkinEmpty());
  Data->SetSkinIndex(7);
  EXPECT_EQ(Data->SkinIndex(), 5);
  EXPECT_TRUE(Log.empty());

  Data->SetSkinIndex(1);
  EXPECT_EQ(Data->SkinIndex(), 1);
  EXPECT_EQ(Data->FindControlDef("second"), 0);
  Data->SetSkinIndex(0);
  EXPECT_EQ(Data->FindControlDef("first"), 0);
  Log.clear();
  Data->SetSkinIndex(0);
  EXPECT_TRUE(Log.empty());
  Data->SetSkinList(nullptr);
  Data->SetSkinList(&list);
  EXPECT_EQ(Log, FullLoad("owner", "other"));
}

TEST_F(SkinDataTest, RemovedSourcesClearTheReferencesAndTheSkinStays) {
  SetPackage(*Stored, MakePackage());
  Data->SetCompressedStoredSkin(Stored.get());
  auto strings = std::make_unique<TsfResourceStrData>(nullptr);
  auto list = std::make_unique<TsfCompressedSkinList>(nullptr);
  Data->SetResourceStrData(strings.get());
  Data->SetSkinList(list.get());
  Log.clear();
  Stored.reset();
  strings.reset();
  list.reset();
  EXPECT_EQ(Data->CompressedStoredSkin(), nullptr);
  EXPECT_EQ(Data->ResourceStrData(), nullptr);
  EXPECT_EQ(Data->SkinList(), nullptr);
  EXPECT_TRUE(Log.empty());
  EXPECT_FALSE(Data->SkinEmpty());
  EXPECT_EQ(Data->ActivePictureCount(), 2);
  EXPECT_EQ(Data->FindControlDef("toolpanel"), 1);
}

TEST_F(SkinDataTest, ClearingFreesPicturesAndResetsColours) {
  SetPackage(*Stored, MakePackage());
  Data->LoadStoredSkin(*Stored);
  Data->ClearDefinitions();
  EXPECT_FALSE(Data->SkinEmpty());
  EXPECT_EQ(Data->ActivePictureCount(), 0);
  EXPECT_TRUE(Data->PictureNameList.empty());
  EXPECT_EQ(Data->PopupWindow.windowpictureindex, -1);
  EXPECT_EQ(Data->SkinColors.cbtnface, clBtnFace);
  EXPECT_EQ(Data->MainPicture().Width(), 15);
  EXPECT_EQ(Data->PictureName, "main.bmp");
  Data->ClearSkin();
  EXPECT_TRUE(Data->SkinEmpty());
  EXPECT_TRUE(Data->MainPicture().Empty());
  EXPECT_EQ(Data->PictureName, "");
  EXPECT_EQ(LiveHandles(THandleKind::Bitmap), BitmapsBefore);
}
