#include <gtest/gtest.h>

#include "ServicesTestSupport.h"
#include "ui/CodePage.h"
#include "ui/Exception.h"
#include "ui/IniFile.h"
#include "ui/Strings.h"

namespace {

std::string WriteErrorOf(TIniFile& ini) {
  try {
    ini.WriteInteger("MainForm", "Left", 10);
  } catch (const EInOutError& e) {
    return e.Message();
  }
  return "(no error)";
}

}  // namespace

TEST(ServicesIniFile, WritesReachTheFileAndReadBack) {
  TScratchFolder folder(L"ini");
  TIniFile ini(folder.File(L"设置.ini"));
  ini.WriteInteger("MainForm", "Left", -500);
  ini.WriteInteger("MainForm", "Top", 120);
  ini.WriteString("名字", "键", "网页特效");
  // Another reader sees the values at once.
  std::string bytes = ReadBytes(ini.FileName());
  EXPECT_NE(bytes.find("Left=-500"), std::string::npos) << bytes;
  EXPECT_NE(bytes.find("Top=120"), std::string::npos) << bytes;

  TIniFile other(ini.FileName());
  EXPECT_EQ(other.ReadInteger("MainForm", "Left", 0), -500);
  EXPECT_EQ(other.ReadInteger("mainform", "TOP", 0), 120);
  EXPECT_EQ(other.ReadString("名字", "键", ""), "网页特效");
  EXPECT_TRUE(other.SectionExists("MainForm"));
  EXPECT_TRUE(other.ValueExists("MainForm", "left"));
  EXPECT_FALSE(other.ValueExists("MainForm", "Width"));

  ini.DeleteKey("MainForm", "Left");
  EXPECT_FALSE(ini.ValueExists("MainForm", "Left"));
  EXPECT_EQ(ini.ReadInteger("MainForm", "Left", 33), 33);
  ini.DeleteKey("MainForm", "NoSuchKey");
  ini.EraseSection("MainForm");
  EXPECT_FALSE(ini.SectionExists("MainForm"));
  TStringList sections;
  ini.ReadSections(sections);
  EXPECT_EQ(sections.Text(), "名字\r\n");
}

TEST(ServicesIniFile, MissingOrNonIntegerValuesGiveTheDefault) {
  TScratchFolder folder(L"ini_defaults");
  TIniFile absent(folder.File(L"absent.ini"));
  EXPECT_EQ(absent.ReadInteger("MainForm", "Left", 41), 41);
  EXPECT_EQ(absent.ReadString("MainForm", "Left", "d"), "d");
  EXPECT_FALSE(absent.SectionExists("MainForm"));

  std::wstring file = folder.File(L"values.ini");
  WriteBytes(file, "[MainForm]\r\nLeft=abc\r\nTop= 0x20 \r\nWidth=\r\nHeight=12px\r\nX=$FF\r\nY=99999999999\r\n");
  TIniFile ini(file);
  EXPECT_EQ(ini.ReadInteger("MainForm", "Left", 5), 5);
  EXPECT_EQ(ini.ReadInteger("MainForm", "Top", 5), 32);
  EXPECT_EQ(ini.ReadInteger("MainForm", "Width", 5), 5);
  EXPECT_EQ(ini.ReadInteger("MainForm", "Height", 5), 5);
  EXPECT_EQ(ini.ReadInteger("MainForm", "X", 5), 255);
  EXPECT_EQ(ini.ReadInteger("MainForm", "Y", 5), 5);
}

TEST(ServicesIniFile, GarbageFilesReadDefaults) {
  TScratchFolder folder(L"ini_garbage");
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 7919) & 0xFF);
  std::string huge(300000, 'x');
  const std::string files[] = {
      binary,
      "no sections at all\r\nLeft=3\r\n=\r\n==\r\n",
      "[MainForm\r\nLeft=4\r\n]]]\r\n[]\r\n;[MainForm]\r\n",
      "[MainForm]\r\n" + huge + "\r\nLeft=" + huge + "\r\n",
      std::string("\xFF\xFE[\0M\0", 6) + binary,
      std::string("[Main\0Form]\r\nLeft\0=1\r\n", 22),
  };
  int index = 0;
  for (const std::string& bytes : files) {
    std::wstring file = folder.File(L"g" + std::to_wstring(index++) + L".ini");
    WriteBytes(file, bytes);
    TIniFile ini(file);
    EXPECT_EQ(ini.ReadInteger("MainForm", "Left", -9), -9) << index;
    EXPECT_EQ(ini.ReadInteger("MainForm", "Top", 8), 8) << index;
    TStringList sections;
    ini.ReadSections(sections);
  }

  // Duplicates: the first section and the first key count.
  std::wstring file = folder.File(L"dup.ini");
  WriteBytes(file, "[MainForm]\r\nLeft=1\r\nLeft=2\r\n[MainForm]\r\nLeft=3\r\nTop=4\r\n");
  TIniFile ini(file);
  EXPECT_EQ(ini.ReadInteger("MainForm", "Left", 0), 1);
  EXPECT_EQ(ini.ReadString("MainForm", "Left", "").size(), 1u);
}

TEST(ServicesIniFile, LongValuesAreReadWhole) {
  TScratchFolder folder(L"ini_long");
  TIniFile ini(folder.File(L"long.ini"));
  std::string value(10000, 'v');
  value += "尾";
  ini.WriteString("S", "K", value);
  EXPECT_EQ(ini.ReadString("S", "K", ""), value);
}

TEST(ServicesIniFile, FailedWriteNamesTheFullPath) {
  TScratchFolder folder(L"ini_locked");
  std::wstring nowhere = folder.File(L"没有\\Vexmark.ini");
  TIniFile missing(nowhere);
  EXPECT_EQ(WriteErrorOf(missing), "Unable to write to " + PathToAnsi(nowhere));

  // Held open without sharing, as by another program.
  std::wstring held = folder.File(L"占用.ini");
  WriteBytes(held, "[MainForm]\r\nLeft=1\r\n");
  HANDLE handle = CreateFileW(held.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(handle, INVALID_HANDLE_VALUE);
  TIniFile locked(held);
  EXPECT_EQ(WriteErrorOf(locked), "Unable to write to " + PathToAnsi(held));
  CloseHandle(handle);
  EXPECT_EQ(locked.ReadInteger("MainForm", "Left", 0), 1);
}

TEST(ServicesIniFile, AFolderOfAnyNameIsReadWrittenAndNamedAsItIs) {
  TScratchFolder folder(L"ini_any");
  const std::wstring any = folder.File(L"a;b&#x41;\\\uD14C\uC2A4\uD2B8\U0001F600");
  std::filesystem::create_directories(any);
  TIniFile ini(any + L"\\Vexmark.ini");
  ini.WriteInteger("MainForm", "Left", -7);
  EXPECT_TRUE(std::filesystem::exists(any + L"\\Vexmark.ini"));
  EXPECT_EQ(ini.ReadInteger("MainForm", "Left", 0), -7);

  const std::wstring nowhere = any + L"\\\u2713\\Vexmark.ini";
  TIniFile missing(nowhere);
  try {
    missing.WriteInteger("MainForm", "Left", 1);
    ADD_FAILURE() << "no error";
  } catch (const EInOutError& e) {
    EXPECT_EQ(e.WideMessage(), L"Unable to write to " + nowhere);
    EXPECT_EQ(e.Message(), "Unable to write to " + PathToAnsi(nowhere));
    EXPECT_NE(e.Message().find("&#x26;#x41;\\&#xD14C;&#xC2A4;&#xD2B8;&#x1F600;\\&#x2713;\\"), std::string::npos);
  }
}
