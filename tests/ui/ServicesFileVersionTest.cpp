#include <gtest/gtest.h>

#include "ServicesTestSupport.h"
#include "ui/FileVersion.h"

// The test program carries tests/ui/version.rc.
TEST(ServicesFileVersion, ReadsTheStringTableOfTheExecutable) {
  std::wstring exe = ExeFileName();
  EXPECT_EQ(ReadVersionString(exe, "StringFileInfo\\080403A8\\FileVersion"), "2.3.4.5");
  EXPECT_EQ(ReadVersionString(exe, "StringFileInfo\\080403A8\\FileDescription"), "界面测试程序");
  EXPECT_EQ(ReadVersionString(exe, "StringFileInfo\\080403A8\\Comments"), "");
  EXPECT_EQ(ReadVersionString(exe, "StringFileInfo\\040904E4\\FileVersion"), "");
  EXPECT_EQ(ReadVersionString(exe, "\\StringFileInfo\\080403A8\\FileVersion"), "2.3.4.5");
  // Binary parts of the resource are not text.
  EXPECT_EQ(ReadVersionString(exe, ""), "");
  EXPECT_EQ(ReadVersionString(exe, "\\VarFileInfo\\Translation"), "");
}

TEST(ServicesFileVersion, FilesWithoutAResourceGiveEmpty) {
  TScratchFolder folder(L"version");
  std::wstring text = folder.File(L"plain.exe");
  WriteBytes(text, "MZ not really a program");
  EXPECT_EQ(ReadVersionString(text, "StringFileInfo\\080403A8\\FileVersion"), "");
  EXPECT_EQ(ReadVersionString(folder.File(L"missing.exe"), "StringFileInfo\\080403A8\\FileVersion"), "");
}
