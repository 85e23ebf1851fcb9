#include <windows.h>

#include <gtest/gtest.h>

#include "skin/data/sfUtilsHelpers.h"

TEST(UtilsHelpers, VersionTestsDrawTheirLinesWhereTheyShould) {
  EXPECT_FALSE(IsXPOrLater({5, 0}));
  EXPECT_TRUE(IsXPOrLater({5, 1}));
  EXPECT_FALSE(IsXPOrLater({5, 2})) << "5.2 counts for the third test only";
  EXPECT_TRUE(IsW2KOrLater({5, 2}));
  EXPECT_FALSE(IsW2KOrLater({4, 10}));
  EXPECT_FALSE(IsVistaOrLater({5, 2}));
  EXPECT_TRUE(IsVistaOrLater({6, 0}));
  EXPECT_GE(GetOSVersion().Major, 5);
}

TEST(UtilsHelpers, WindowAlphaAndWorkArea) {
  HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 10, 10, 50, 40, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  SetWindowAlpha(window, 300);  // taken as 255
  SetWindowAlpha(window, 128);
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(window, nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 128);
  EXPECT_TRUE(flags & LWA_ALPHA);

  const TRect whole = GetWindowWorkArea(window, false);
  const TRect work = GetWindowWorkArea(window, true);
  EXPECT_FALSE(work.IsEmpty());
  EXPECT_TRUE(work.Left >= whole.Left && work.Right <= whole.Right && work.Top >= whole.Top &&
              work.Bottom <= whole.Bottom);
  DestroyWindow(window);
}
