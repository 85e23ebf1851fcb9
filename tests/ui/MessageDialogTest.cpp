// The plain message dialog: its caption, text and one "OK" button, closed by a
// click on the button.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "FormTestSupport.h"
#include "ui/CodePage.h"
#include "ui/MessageDialog.h"
#include "ui/Screen.h"
#include "ui/Timer.h"

namespace {

struct TFoundDialog {
  std::wstring Caption, Button;
  bool Clicked = false;
};

BOOL CALLBACK FindButton(HWND child, LPARAM param) {
  auto* found = reinterpret_cast<TFoundDialog*>(param);
  wchar_t cls[32];
  GetClassNameW(child, cls, 32);
  if (std::wstring(cls) == L"Button") {
    wchar_t text[32];
    GetWindowTextW(child, text, 32);
    found->Button = text;
    SendMessageW(child, BM_CLICK, 0, 0);
    found->Clicked = true;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

TEST(MessageDialog, ShowsTheTextWithOneOkButtonAndClosesOnIt) {
  TFoundDialog found;
  TTimer timer(nullptr);
  timer.SetInterval(50);
  timer.SetOnTimer([&](TObject*) {
    HWND dialog = GetActiveWindow();
    if (!dialog || found.Clicked) return;
    wchar_t caption[64];
    GetWindowTextW(dialog, caption, 64);
    found.Caption = caption;
    EnumChildWindows(dialog, FindButton, reinterpret_cast<LPARAM>(&found));
  });
  ULONGLONG start = GetTickCount64();
  ShowMessageDialogForm("成功将“特效代码”复制到剪贴板！", "Information", MB_ICONINFORMATION);
  EXPECT_LT(GetTickCount64() - start, 5000u);
  EXPECT_TRUE(found.Clicked);
  EXPECT_EQ(found.Caption, L"Information");
  EXPECT_EQ(found.Button, L"OK");
}

namespace {

// Shows the message while `owner` is the active form and reads where it opened.
TModalSeen ShowOver(TForm& owner) {
  return AnswerModalOver(owner, mrOk, [] {
    ShowMessageDialogForm("请填写网页特效名称！", "Warning", MB_ICONWARNING);
  });
}

}  // namespace

// A dialog has the active form as its owner, so it stays above the form it
// disables, and opens with its centre on the form's centre.
TEST(MessageDialog, IsOwnedByTheActiveFormAndCentredOnIt) {
  auto left = MakeForm();
  left->SetBounds(40, 40, 300, 200);
  left->Show();
  auto right = MakeForm();
  right->SetBounds(420, 300, 360, 240);
  right->Show();
  RECT r{};
  GetWindowRect(right->Handle(), &r);
  ASSERT_EQ(r.left + r.right, 1200);
  ASSERT_EQ(r.top + r.bottom, 840);

  for (TForm* form : {right.get(), left.get()}) {
    TModalSeen shown = ShowOver(*form);
    EXPECT_EQ(shown.Owner, form->HandleValue());
    int centreX = (shown.Rect.left + shown.Rect.right) / 2;
    int centreY = (shown.Rect.top + shown.Rect.bottom) / 2;
    bool isRight = form == right.get();
    EXPECT_NEAR(centreX, isRight ? 600 : 190, 1);
    EXPECT_NEAR(centreY, isRight ? 420 : 140, 1);
    EXPECT_TRUE(IsWindowEnabled(form->HandleValue()));  // given back after the dialog
  }
  // Near the screen's edge the dialog stays whole inside the work area.
  right->SetBounds(GetSystemMetrics(SM_CXSCREEN) - 100, 300, 360, 240);
  TModalSeen shown = ShowOver(*right);
  EXPECT_EQ(shown.Owner, right->HandleValue());
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_LE(shown.Rect.right, work.right);
  EXPECT_GT(shown.Rect.left, GetSystemMetrics(SM_CXSCREEN) / 2);
}
