// The plain message dialog: its caption, text and one "OK" button, closed by a
// click on the button.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "FormTestSupport.h"
#include "ui/CodePage.h"
#include "ui/MessageDialog.h"
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
