#include <gtest/gtest.h>

#include "ui/Exception.h"
#include "ui/SysUtils.h"

TEST(ServicesSysUtils, StrToIntTakesSignsAndBothHexPrefixes) {
  EXPECT_EQ(StrToInt("0"), 0);
  EXPECT_EQ(StrToInt("-500"), -500);
  EXPECT_EQ(StrToInt("+17"), 17);
  EXPECT_EQ(StrToInt("007"), 7);
  EXPECT_EQ(StrToInt("$1F"), 31);
  EXPECT_EQ(StrToInt("0x1f"), 31);
  EXPECT_EQ(StrToInt("0X10"), 16);
  EXPECT_EQ(StrToInt("-$10"), -16);
  EXPECT_EQ(StrToInt("$FFFFFFFF"), -1);
  EXPECT_EQ(StrToInt("2147483647"), 2147483647);
  EXPECT_EQ(StrToInt("-2147483648"), -2147483647 - 1);
}

TEST(ServicesSysUtils, StrToIntRefusesBlanksJunkAndOverflow) {
  for (const char* text : {"", " 1", "1 ", "-", "$", "0x", "1.5", "12a", "--1", "2147483648",
                           "-2147483649", "$100000000", "99999999999999999999", "１"}) {
    int value = 0;
    EXPECT_FALSE(TryStrToInt(text, value)) << text;
    EXPECT_EQ(StrToIntDef(text, -7), -7) << text;
  }
  try {
    StrToInt("12a");
    FAIL() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'12a' is not a valid integer value");
  }
}

// "乤" is 81 61 and "乗" 81 5C: their trail bytes are an ASCII letter and a backslash.
TEST(ServicesSysUtils, TextHelpersLeaveTrailBytesAlone) {
  EXPECT_EQ(UpperCase("a乤b.htm"), "A乤B.HTM");
  EXPECT_EQ(LowerCase("X乤Y"), "x乤y");
  EXPECT_TRUE(SameText("Abc乤", "aBC乤"));
  EXPECT_FALSE(SameText("abc", "abcd"));
  EXPECT_EQ(Trim(" \t\r\n 名称 \x01"), "名称");
  EXPECT_EQ(Trim("   "), "");

  EXPECT_EQ(ExtractFilePath("C:\\目录\\乗"), "C:\\目录\\");
  EXPECT_EQ(ExtractFileName("C:\\目录\\乗"), "乗");
  EXPECT_EQ(ExtractFileExt("C:\\a.b\\乗"), "");
  EXPECT_EQ(ExtractFileExt("C:\\a.b\\例子.htm"), ".htm");
  EXPECT_EQ(ExtractFileExt("mailto:x@y"), "");
  EXPECT_EQ(ExtractFilePath("name.txt"), "");
}

TEST(ServicesSysUtils, ExeFolderIsTheExecutablesFolderWithSeparator) {
  std::wstring exe = ExeFileName(), folder = ExeFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), L'\\');
  EXPECT_EQ(exe.rfind(folder, 0), 0u);
  EXPECT_EQ(exe.substr(folder.size()), L"ui_tests.exe");
}
