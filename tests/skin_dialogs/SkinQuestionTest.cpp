// The skinned question: owned by the form it is asked over, so it cannot fall
// behind the window it disables, and centred on it.
#include <windows.h>

#include <gtest/gtest.h>

#include "skin/dialogs/sfSkinQuestion.h"
#include "tests/skin_controls/TestSkin.h"
#include "tests/support/TestForms.h"
#include "ui/Dialogs.h"
#include "ui/Screen.h"
#include "ui/Timer.h"

namespace {

struct TAsked {
  HWND Owner = nullptr;
  RECT Rect{};
  bool Answer = false;
};

// Asks with `owner` given (or nullptr) while `active` is the active form, and
// answers with `result` as soon as the question shows.
TAsked Ask(TForm& active, HWND owner, TModalResult result, TsfSkinData* skin = nullptr) {
  TAsked asked;
  TModalSeen seen = AnswerModalOver(active, result, [&] {
    asked.Answer = SkinQuestion(owner, "Do you want to overwrite old file?", "Save file", skin, skin);
  });
  asked.Owner = seen.Owner;
  asked.Rect = seen.Rect;
  return asked;
}

// The real question, not the box every test answers at once.
struct TRealQuestion {
  TMessageBoxHandler Saved = MessageBoxHandler();
  TRealQuestion() { SetMessageBoxHandler(nullptr); }
  ~TRealQuestion() { SetMessageBoxHandler(std::move(Saved)); }
};

POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

}  // namespace

TEST(SkinQuestion, IsOwnedByItsFormAndCentredOnIt) {
  TRealQuestion real;
  auto back = MakeForm();
  back->SetBounds(30, 30, 300, 200);
  back->Show();
  auto front = MakeForm();
  front->SetBounds(360, 250, 460, 330);
  front->Show();
  RECT r{};
  GetWindowRect(front->Handle(), &r);
  ASSERT_EQ(Centre(r).x, 590);
  ASSERT_EQ(Centre(r).y, 415);

  TAsked asked = Ask(*front, nullptr, mrOk);  // no owner given: the active form
  EXPECT_TRUE(asked.Answer);
  EXPECT_EQ(asked.Owner, front->HandleValue());
  EXPECT_NEAR(Centre(asked.Rect).x, 590, 1);
  EXPECT_NEAR(Centre(asked.Rect).y, 415, 1);

  // The form given as owner, even while another one is active; a child window
  // given stands for its form.
  HWND child = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 5, 5, 20, 20,
                               back->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  asked = Ask(*front, child, mrCancel);
  EXPECT_FALSE(asked.Answer);
  EXPECT_EQ(asked.Owner, back->HandleValue());
  EXPECT_NEAR(Centre(asked.Rect).x, 180, 1);
  EXPECT_NEAR(Centre(asked.Rect).y, 130, 1);
  EXPECT_TRUE(IsWindowEnabled(back->HandleValue()));
  EXPECT_TRUE(IsWindowEnabled(front->HandleValue()));
}

// The skinned frame takes over the window's border as it shows: the question is
// centred on its form all the same.
TEST(SkinQuestion, InOurSkinIsCentredOnItsForm) {
  TRealQuestion real;
  auto form = MakeForm();
  form->SetBounds(200, 150, 600, 400);
  form->Show();
  auto* skin = new TsfSkinData(form.get());
  TsfCompressedStoredSkin stored(nullptr);
  stored.BuildFromIniFile(OurSkinIni());
  skin->LoadStoredSkin(stored);
  TAsked asked = Ask(*form, nullptr, mrOk, skin);
  EXPECT_TRUE(asked.Answer);
  EXPECT_EQ(asked.Owner, form->HandleValue());
  EXPECT_NEAR(Centre(asked.Rect).x, 500, 1);
  EXPECT_NEAR(Centre(asked.Rect).y, 350, 1);
}
