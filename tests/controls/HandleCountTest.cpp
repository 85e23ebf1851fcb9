// Making, using and freeing many labels, edits and memos gives back every window,
// dc, font and brush.
#include <gtest/gtest.h>

#include <array>

#include "ControlsTestSupport.h"
#include "controls/FxEdit.h"
#include "controls/FxMemo.h"
#include "controls/FxURLLabel.h"
#include "ui/GdiObject.h"

namespace {

std::array<int, static_cast<size_t>(THandleKind::Count_)> Counts() {
  std::array<int, static_cast<size_t>(THandleKind::Count_)> counts{};
  for (size_t i = 0; i < counts.size(); ++i) counts[i] = LiveHandles(static_cast<THandleKind>(i));
  return counts;
}

}  // namespace

TEST(ControlsHandles, AllComeBackAfterManyControlsLivedAndPainted) {
  auto before = Counts();
  for (int round = 0; round < 3; ++round) {
    auto form = MakeSizedForm(640, 480);
    for (int i = 0; i < 10; ++i) {
      auto* edit = new TFxEdit(form.get());
      edit->SetParent(form.get());
      edit->SetBounds(5, 5 + i * 24, 150, 21);
      edit->SetText("名称");
      edit->SetColor(i % 2 ? clAqua : clWindow);
      edit->SetFrameVisible(i % 3 == 0);
      auto* memo = new TFxMemo(form.get());
      memo->SetParent(form.get());
      memo->SetBounds(160, 5 + i * 40, 200, 36);
      memo->Lines().Add("特效代码");
      memo->SetReadOnly(i % 2 == 0);
      auto* link = new TFxURLLabel(form.get());
      link->SetParent(form.get());
      link->SetBounds(380, 5 + i * 20, 100, 13);
      link->SetRotation(roFlat);
      link->SetLayout(tlCenter);
      link->SetCaption("使用帮助");
      auto* count = new TFxLabel(form.get());
      count->SetParent(form.get());
      count->SetBounds(500, 5 + i * 20, 100, 13);
      count->SetCaption("菜单导航特效：12个");
      count->SetBorderOuter(fsLowered);
    }
    form->Show();
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Application->ProcessMessages();
    EXPECT_GT(LiveHandles(THandleKind::Brush), before[static_cast<size_t>(THandleKind::Brush)]);
  }
  EXPECT_EQ(Counts(), before);
}
