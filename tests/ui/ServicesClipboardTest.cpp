#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <thread>

#include "ui/Clipboard.h"
#include "ui/Exception.h"

TEST(ServicesClipboard, ChineseTextRoundTripsByteForByte) {
  const std::string text = "成功将“特效代码”复制到剪贴板！\r\n<script>alert('乤乗')</script>";
  Clipboard().SetAsText(text);
  EXPECT_TRUE(Clipboard().HasFormat(CF_UNICODETEXT));
  EXPECT_EQ(Clipboard().AsText(), text);

  // What other programs read is the Unicode text.
  ASSERT_TRUE(OpenClipboard(nullptr));
  auto* wide = static_cast<const wchar_t*>(GlobalLock(GetClipboardData(CF_UNICODETEXT)));
  ASSERT_NE(wide, nullptr);
  EXPECT_EQ(std::wstring(wide).substr(0, 4), L"成功将“");
  GlobalUnlock(GetClipboardData(CF_UNICODETEXT));
  CloseClipboard();

  Clipboard().SetAsText("");
  EXPECT_EQ(Clipboard().AsText(), "");
  Clipboard().Clear();
  EXPECT_FALSE(Clipboard().HasFormat(CF_UNICODETEXT));
  EXPECT_EQ(Clipboard().AsText(), "");
}

namespace {

// Another thread with a window of its own stands in for another program.
void HoldClipboard(HANDLE opened, const std::function<void()>& whileOpen) {
  HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  OpenClipboard(window);
  SetEvent(opened);
  whileOpen();
  CloseClipboard();
  DestroyWindow(window);
}

}  // namespace

TEST(ServicesClipboard, HeldClipboardIsWaitedForThenRefused) {
  HANDLE opened = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::thread holder([&] { HoldClipboard(opened, [&] { WaitForSingleObject(release, 10000); }); });
  WaitForSingleObject(opened, 10000);
  try {
    Clipboard().SetAsText("x");
    ADD_FAILURE() << "no error";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "Cannot open clipboard");
  }
  SetEvent(release);
  holder.join();

  ResetEvent(opened);
  std::thread briefHolder([&] { HoldClipboard(opened, [] { Sleep(30); }); });
  WaitForSingleObject(opened, 10000);
  EXPECT_NO_THROW(Clipboard().SetAsText("after the wait"));
  briefHolder.join();
  EXPECT_EQ(Clipboard().AsText(), "after the wait");
  CloseHandle(opened);
  CloseHandle(release);
}
