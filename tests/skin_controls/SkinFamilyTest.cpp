// How skinned containers pass things on: the background-changed message to their
// children, the skin data and flat look a tool bar or status bar hands out, and the
// handles every kind of control gives back.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "SkinControlTestSupport.h"
#include "TestSkin.h"
#include "skin/controls/sfSkinButton.h"
#include "skin/controls/sfSkinPanel.h"
#include "skin/controls/sfSkinSpeedButton.h"
#include "skin/controls/sfSkinStatusBar.h"
#include "skin/controls/sfSkinToolBar.h"
#include "skin/controls/sfSkinXFormButton.h"
#include "ui/OffScreen.h"
#include "ui/Bitmap.h"
#include "ui/GdiObject.h"

namespace {

class TRecordingPanel : public TsfSkinPanel {
 public:
  TRecordingPanel(TComponent* owner, std::vector<std::string>* log)
      : TsfSkinPanel(owner), FLog(log) {}

 protected:
  void ParentBackgroundChanged() override { FLog->push_back(Name()); }

 private:
  std::vector<std::string>* FLog;
};

class TRecordingSpot : public TGraphicControl {
 public:
  TRecordingSpot(TComponent* owner, std::vector<std::string>* log)
      : TGraphicControl(owner), FLog(log) {}
  void WndProc(TMessage& m) override {
    if (m.Msg == WM_SKIN_BGCHANGED) FLog->push_back(Name());
    TGraphicControl::WndProc(m);
  }

 private:
  std::vector<std::string>* FLog;
};

// The live handles of each kind, without the idle off-screen bitmaps paints keep.
std::array<int, static_cast<size_t>(THandleKind::Count_)> Counts() {
  ClearOffScreenPool();
  std::array<int, static_cast<size_t>(THandleKind::Count_)> out{};
  for (size_t i = 0; i < out.size(); ++i) out[i] = LiveHandles(static_cast<THandleKind>(i));
  return out;
}

}  // namespace

TEST(BackgroundChanged, GoesToEveryChildInOrderAndFollowsAStretchedSkinsResize) {
  auto form = MakeForm();
  auto* skin = new TsfSkinData(form.get());
  LoadTestSkin(*skin);
  std::vector<std::string> log;
  auto* parent = new TsfSkinPanel(form.get());
  parent->SetParent(form.get());
  parent->SetSkinDataName("stretched");
  for (const char* name : {"first", "second", "third"}) {
    TControl* child = std::string(name) == "second"
                          ? static_cast<TControl*>(new TRecordingSpot(form.get(), &log))
                          : new TRecordingPanel(form.get(), &log);
    child->SetName(name);
    child->SetParent(parent);
  }
  form->Show();
  parent->RelayBackgroundChanged();
  EXPECT_EQ(log, (std::vector<std::string>{"first", "second", "third"}));
  log.clear();
  parent->SetBounds(0, 0, 100, 100);  // unskinned: no relay
  EXPECT_TRUE(log.empty());
  parent->SetSkinData(skin);
  log.clear();
  parent->SetBounds(0, 0, 120, 110);
  EXPECT_EQ(log, (std::vector<std::string>{"first", "second", "third"}));
}

TEST(SkinHandOut, ToolBarAndStatusBarPassSkinDataAndFlatToTheChildrenTheyHaveNow) {
  auto form = MakeForm();
  auto* skin = new TsfSkinData(form.get());
  LoadTestSkin(*skin);
  auto* bar = new TsfSkinToolBar(form.get());
  bar->SetParent(form.get());
  auto* early = new TsfSkinSpeedButton(bar);
  early->SetParent(bar);
  bar->SetFlat(true);
  bar->SetSkinData(skin);
  auto* late = new TsfSkinSpeedButton(bar);
  late->SetParent(bar);
  EXPECT_TRUE(early->Flat());
  EXPECT_EQ(early->SkinData(), skin);
  EXPECT_FALSE(late->Flat());  // buttons made later keep their own settings
  EXPECT_EQ(late->SkinData(), nullptr);

  auto* status = new TsfSkinStatusBar(form.get());
  status->SetParent(form.get());
  auto* inner = new TsfSkinPanel(status);
  inner->SetParent(status);
  status->SetSkinData(skin);
  EXPECT_EQ(inner->SkinData(), skin);
}

TEST(SkinHandles, ComeBackToTheStartAfterManyControlsOfEveryKind) {
  auto before = Counts();
  for (int round = 0; round < 2; ++round) {
    auto form = MakeForm();
    form->SetClientWidth(600);
    form->SetClientHeight(400);
    auto* skin = new TsfSkinData(form.get());
    LoadTestSkin(*skin);
    form->Show();
    for (int i = 0; i < 20; ++i) {
      auto* bar = new TsfSkinToolBar(form.get());
      bar->SetParent(form.get());
      bar->SetBounds(0, i * 20, 600, 20);
      if (i % 2) bar->SetSkinData(skin);
      auto* button = new TsfSkinSpeedButton(bar);
      button->SetParent(bar);
      button->SetBounds(2, 0, 60, 18);
      button->SetCaption("菜单导航");
      button->SetDown(i % 3 == 0);
      auto* panel = new TsfSkinPanel(bar);
      panel->SetParent(bar);
      panel->SetBounds(70, 0, 100, 18);
      panel->SetCaptionMode(i % 4 == 0);
      panel->SetCheckedMode(true);
      if (i % 2) panel->SetSkinData(skin);
      auto* push = new TsfSkinXFormButton(bar);
      push->SetParent(bar);
      push->SetBounds(180, 0, 75, 18);
      push->SetCaption("保存特效");
      auto* status = new TsfSkinStatusBar(bar);
      status->SetParent(bar);
      status->SetSizeGrip(true);
    }
    form->Repaint();
    for (int i = 0; i < form->ControlCount(); ++i) {
      auto* bar = static_cast<TWinControl*>(form->Controls(i));
      bar->Update();
      for (int j = 0; j < bar->ControlCount(); ++j) bar->Controls(j)->Update();
    }
    if (round == 1) delete skin;  // controls outlive their skin data
  }
  EXPECT_EQ(Counts(), before);
}
