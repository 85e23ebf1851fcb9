// The frame component carrying skin changes to the form's controls: which controls
// it visits and in what order, the release of every old definition before the old
// pictures go, a second skin of other sizes taken at run time, a cleared skin, and
// handles that come back after many changes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/skin_controls/TestSkin.h"
#include "tests/support/TestForms.h"
#include "skin/controls/sfSkinPanel.h"
#include "skin/controls/sfSkinStdLabel.h"
#include "skin/controls/sfSkinSpeedButton.h"
#include "skin/controls/sfSkinStatusBar.h"
#include "skin/controls/sfSkinToolBar.h"
#include "skin/data/sfCompressedStoredSkin.h"
#include "skin/frame/sfSkinForm.h"
#include "ui/Exception.h"
#include "ui/GdiObject.h"

namespace {

std::vector<std::string>* Visits = nullptr;

// A panel that writes down each ApplySkin and ReleaseSkin it receives.
class TRecordingPanel : public TsfSkinPanel {
 public:
  using TsfSkinPanel::TsfSkinPanel;
  void ApplySkin() override {
    if (Visits) Visits->push_back("apply " + Name());
    TsfSkinPanel::ApplySkin();
  }
  void ReleaseSkin() override {
    if (Visits) Visits->push_back("release " + Name());
    TsfSkinPanel::ReleaseSkin();
  }
};

class TRecordingButton : public TsfSkinSpeedButton {
 public:
  using TsfSkinSpeedButton::TsfSkinSpeedButton;
  void ApplySkin() override {
    if (Visits) Visits->push_back("apply " + Name());
    TsfSkinSpeedButton::ApplySkin();
  }
};

// Our test skin with the tool bar 33 high and the status bar 20 high.
const std::string kOtherSizes = [] {
  std::string s = kTestSkinSections;
  auto swap = [&s](const std::string& from, const std::string& to) {
    s.replace(s.find(from), from.size(), to);
  };
  swap("[toolpanel]\npictureindex=0\nskinrect=0,0,42,29", "[toolpanel]\npictureindex=0\nskinrect=0,0,42,33");
  swap("[statusbar]\npictureindex=0\nskinrect=0,0,47,24", "[statusbar]\npictureindex=0\nskinrect=0,0,47,20");
  return s;
}();

struct TFramedForm {
  std::unique_ptr<TForm> Form = MakeSizedForm(782, 552);
  TsfSkinForm* Frame = new TsfSkinForm(Form.get());
  TsfSkinData* Skin = new TsfSkinData(Form.get());
  TFramedForm() {
    // The skinned frame is thinner than the platform's: the client size is kept.
    Frame->SetClientWidth(782);
    Frame->SetClientHeight(552);
    Frame->SetSkinData(Skin);
  }

  template <class T>
  T* Add(const char* name, TWinControl* parent, const TRect& r, bool bound = true) {
    auto* c = new T(Form.get());
    c->SetName(name);
    c->SetParent(parent);
    c->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    if (bound) c->SetSkinData(Skin);
    return c;
  }
};

void LoadOurSkin(TsfSkinData& data) {
  TsfCompressedStoredSkin stored(nullptr);
  stored.BuildFromIniFile(std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() /
                          "resources/skin/skin.ini");
  data.LoadStoredSkin(stored);
}

}  // namespace

TEST(SkinForm, ItsOwnerMustBeAForm) {
  TComponent owner(nullptr);
  EXPECT_THROW(TsfSkinForm frame(&owner), EInvalidCast);
  EXPECT_THROW(TsfSkinForm frame(nullptr), EInvalidCast);
}

TEST(SkinForm, AChangeVisitsBoundControlsParentFirstInChildOrder) {
  TFramedForm f;
  std::vector<std::string> visits;
  auto* outer = f.Add<TRecordingPanel>("outer", f.Form.get(), Bounds(0, 0, 400, 300));
  auto* inner = f.Add<TRecordingPanel>("inner", outer, Bounds(10, 10, 200, 100));
  f.Add<TRecordingButton>("button", inner, Bounds(5, 5, 25, 25));
  f.Add<TRecordingPanel>("second", outer, Bounds(10, 150, 200, 100));
  f.Add<TRecordingPanel>("unbound", outer, Bounds(220, 10, 100, 100), false);
  auto* elsewhere = new TsfSkinData(f.Form.get());
  f.Add<TRecordingPanel>("other data", f.Form.get(), Bounds(0, 300, 100, 100), false)
      ->SetSkinData(elsewhere);
  Visits = &visits;
  LoadTestSkin(*f.Skin);
  LoadTestSkin(*f.Skin);
  Visits = nullptr;
  // Every load starts with the before-change message, the first one too.
  EXPECT_EQ(visits, (std::vector<std::string>{
                        "release outer", "release inner", "release second",
                        "apply outer", "apply inner", "apply button", "apply second",
                        "release outer", "release inner", "release second",  // windowed only
                        "apply outer", "apply inner", "apply button", "apply second"}));
}

TEST(SkinForm, EveryBoundControlLetsGoOfItsDefinitionBeforeTheOldSkinIsFreed) {
  TFramedForm f;
  auto* bar = f.Add<TsfSkinToolBar>("bar", f.Form.get(), Bounds(0, 0, 782, 40));
  auto* panel = f.Add<TsfSkinPanel>("panel", f.Form.get(), Bounds(0, 100, 300, 200));
  auto* plain = f.Add<TsfSkinPanel>("plain", f.Form.get(), Bounds(300, 100, 300, 200), false);
  LoadOurSkin(*f.Skin);
  ASSERT_NE(bar->DefinitionIndex(), -1);
  int seen = 0;
  f.Frame->OnBeforeChangeSkinData = [&](TObject*) {
    // The old pictures are still there; nothing refers to them any more.
    EXPECT_EQ(f.Skin->ActivePictureCount(), 6);
    EXPECT_EQ(bar->DefinitionIndex(), -1);
    EXPECT_EQ(panel->DefinitionIndex(), -1);
    EXPECT_TRUE(f.Frame->SkinChanging());
    EXPECT_FALSE(f.Frame->SkinLoaded());
    ++seen;
  };
  LoadTestSkin(*f.Skin);
  EXPECT_EQ(seen, 1);
  EXPECT_FALSE(f.Frame->SkinChanging());
  EXPECT_TRUE(f.Frame->SkinLoaded());
  EXPECT_EQ(plain->DefinitionIndex(), -1);
}

TEST(SkinForm, ASecondSkinOfOtherSizesIsTakenAtRunTime) {
  TFramedForm f;
  auto* bar = f.Add<TsfSkinToolBar>("bar", f.Form.get(), Bounds(0, 0, 782, 40));
  bar->SetAlign(alTop);
  auto* status = f.Add<TsfSkinStatusBar>("status", f.Form.get(), Bounds(0, 531, 782, 21));
  auto* client = f.Add<TsfSkinPanel>("client", f.Form.get(), Bounds(0, 40, 782, 491), false);
  client->SetAlign(alClient);
  LoadOurSkin(*f.Skin);
  EXPECT_EQ(bar->Height(), 29);
  EXPECT_EQ(status->Height(), 24);
  EXPECT_EQ(client->BoundsRect(), Bounds(0, 29, 782, 499));
  LoadTestSkin(*f.Skin, kTestSkinEntries, kOtherSizes);
  EXPECT_EQ(bar->Height(), 33);
  EXPECT_EQ(status->Height(), 20);
  EXPECT_EQ(status->Top(), 532);
  EXPECT_EQ(client->BoundsRect(), Bounds(0, 33, 782, 499));
  // Each repaints from the new pictures: the test picture is white where the bar is.
  TBitmap image(bar->Width(), bar->Height());
  bar->PaintTo(image.DC());
  EXPECT_EQ(PixelAt(image, 0, 0), clWhite);
}

TEST(SkinForm, ControlsOfAClearedOrDestroyedSkinShowTheirPlainLook) {
  TFramedForm f;
  auto* panel = f.Add<TsfSkinPanel>("panel", f.Form.get(), Bounds(0, 0, 300, 200));
  LoadOurSkin(*f.Skin);
  TBitmap image(300, 200);
  panel->PaintTo(image.DC());
  const TColor face = static_cast<TColor>(ColorToRGB(clBtnFace));
  const TColor shadow = static_cast<TColor>(ColorToRGB(clBtnShadow));
  ASSERT_NE(PixelAt(image, 0, 0), shadow);
  f.Skin->ClearSkin();
  panel->PaintTo(image.DC());
  EXPECT_EQ(PixelAt(image, 0, 0), shadow);  // bvFrame
  EXPECT_EQ(PixelAt(image, 10, 10), face);
  LoadOurSkin(*f.Skin);
  delete f.Skin;
  EXPECT_EQ(panel->SkinData(), nullptr);
  EXPECT_EQ(f.Frame->SkinData(), nullptr);
  panel->PaintTo(image.DC());
  EXPECT_EQ(PixelAt(image, 0, 0), shadow);
}

TEST(SkinForm, FiftySkinChangesLeaveNoHandleBehind) {
  TFramedForm f;
  f.Add<TsfSkinToolBar>("bar", f.Form.get(), Bounds(0, 0, 782, 40))->SetAlign(alTop);
  auto* panel = f.Add<TsfSkinPanel>("panel", f.Form.get(), Bounds(0, 40, 400, 300));
  f.Add<TsfSkinPanel>("inner", panel, Bounds(10, 10, 200, 100));
  f.Add<TsfSkinStatusBar>("status", f.Form.get(), Bounds(0, 531, 782, 21));
  f.Form->Show();
  LoadOurSkin(*f.Skin);
  LoadTestSkin(*f.Skin);
  Application->ProcessMessages();
  const THandleKind kinds[] = {THandleKind::Bitmap, THandleKind::DC, THandleKind::Region,
                               THandleKind::Font, THandleKind::Brush, THandleKind::Pen,
                               THandleKind::Window};
  std::vector<int> before;
  for (THandleKind k : kinds) before.push_back(LiveHandles(k));
  for (int i = 0; i < 25; ++i) {
    LoadOurSkin(*f.Skin);
    f.Form->Repaint();
    LoadTestSkin(*f.Skin);
    f.Form->Repaint();
  }
  Application->ProcessMessages();
  for (size_t i = 0; i < std::size(kinds); ++i) EXPECT_EQ(LiveHandles(kinds[i]), before[i]) << i;
}

TEST(SkinForm, AChangeReachesSkinnedControlsOffTheControlBases) {
  TFramedForm f;
  auto* panel = f.Add<TsfSkinPanel>("panel", f.Form.get(), Bounds(0, 0, 300, 200));
  auto* label = new TsfSkinStdLabel(f.Form.get());
  label->SetParent(panel);
  label->SetSkinData(f.Skin);  // still empty: nothing applied
  EXPECT_EQ(label->DefinitionIndex(), -1);
  LoadTestSkin(*f.Skin);  // the test skin defines "stdlabel"
  EXPECT_NE(label->DefinitionIndex(), -1);
}

TEST(SkinForm, ASkinLoadedBeforeTheWindowIsMadeDressesTheWindowWhenItIsMade) {
  TFramedForm f;
  auto* bar = f.Add<TsfSkinToolBar>("bar", f.Form.get(), Bounds(0, 0, 782, 40));
  bar->SetAlign(alTop);
  LoadOurSkin(*f.Skin);
  // Skinned, sized and laid out with no window made for it.
  EXPECT_FALSE(f.Form->HandleAllocated());
  EXPECT_FALSE(bar->HandleAllocated());
  EXPECT_TRUE(f.Frame->SkinLoaded());
  EXPECT_EQ(bar->Height(), 29);
  EXPECT_EQ(f.Form->Width(), 792);
  EXPECT_EQ(f.Form->Height(), 586);

  HWND wnd = f.Form->Handle();
  RECT window, client;
  GetWindowRect(wnd, &window);
  GetClientRect(wnd, &client);
  EXPECT_EQ(window.right - window.left, 792);
  EXPECT_EQ(window.bottom - window.top, 586);
  EXPECT_EQ(client.right, 782);
  EXPECT_EQ(client.bottom, 552);
  // The window wears the skin's region from its making: the rounded corner is cut.
  TRegionHandle region = CreateRectRegion({0, 0, 0, 0});
  ASSERT_EQ(GetWindowRgn(wnd, region.Get()), COMPLEXREGION);
  EXPECT_FALSE(PtInRegion(region.Get(), 0, 0));
  EXPECT_TRUE(PtInRegion(region.Get(), 396, 293));
  // The caption buttons' hover polling, asked for by the load, runs.
  EXPECT_TRUE(KillTimer(wnd, 0x5F01));
}
