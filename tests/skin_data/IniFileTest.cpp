#include <gtest/gtest.h>

#include "skin/data/sfIniFile.h"

TEST(IniFile, LinesAreTrimmedAndCommentsAndStrayLinesSkipped) {
  TsfIniFile ini(
      "key=before any section\r\n"
      "  [ FormInfo ]  \r\n"
      "\t; lefttoppoint=9,9\r\n"
      "  lefttoppoint  =  5 , 6  \r\n"
      "no equals sign here\r\n"
      "a=b=c\r\n"
      "=nameless\r\n"
      "empty=\r\n");
  EXPECT_EQ(ini.SectionNames(), std::vector<std::string>{"FormInfo"});
  EXPECT_EQ(ini.ReadString("forminfo", "lefttoppoint", "?"), "5 , 6");
  EXPECT_EQ(ini.ReadString("FORMINFO", "a", "?"), "b=c");
  EXPECT_EQ(ini.ReadString("forminfo", "", "?"), "nameless");
  EXPECT_FALSE(ini.ValueExists("forminfo", "no equals sign here"));
  EXPECT_FALSE(ini.ValueExists("forminfo", "key"));
  // Present but empty is not missing: readers see the empty text.
  EXPECT_EQ(ini.ReadString("forminfo", "empty", "?"), "");
  EXPECT_EQ(ini.ReadString("forminfo", "absent", "?"), "?");
  EXPECT_EQ(ini.ReadString("nosuchsection", "a", "?"), "?");
}

TEST(IniFile, FirstSectionAndFirstKeyOfANameWin) {
  TsfIniFile ini(
      "[caption]\nfontheight=12\nFontHeight=20\n"
      "[CAPTION]\nfontheight=30\ntextrect=1,2,3,4\n");
  EXPECT_EQ(ini.ReadInteger("Caption", "FONTHEIGHT", 0), 12);
  // A later section of the same name is not merged in.
  EXPECT_FALSE(ini.ValueExists("caption", "textrect"));
}

TEST(IniFile, CaseFoldingLeavesTwoByteCharactersAlone) {
  // The trail bytes 0x41 ('A') and 0x61 ('a') make two different characters.
  TsfIniFile ini("[s]\n\x81\x41=upper\n\x81\x61=lower\nKey\xB0\xA1=x\n");
  EXPECT_EQ(ini.ReadString("s", "\x81\x41", ""), "upper");
  EXPECT_EQ(ini.ReadString("s", "\x81\x61", ""), "lower");
  EXPECT_EQ(ini.ReadString("S", "kEY\xB0\xA1", ""), "x");
}

TEST(IniFile, LineBreaksOfEveryKindAndNulEndTheText) {
  TsfIniFile ini(std::string("[a]\rx=1\ny=2\r\nz=3\r\n") + '\0' + "[b]\r\nw=4\r\n");
  EXPECT_EQ(ini.ReadInteger("a", "x", 0), 1);
  EXPECT_EQ(ini.ReadInteger("a", "y", 0), 2);
  EXPECT_EQ(ini.ReadInteger("a", "z", 0), 3);
  EXPECT_FALSE(ini.SectionExists("b"));

  EXPECT_EQ(SplitSkinLines("a\r\nb"), SplitSkinLines("a\r\nb\r\n"));
  EXPECT_EQ(SplitSkinLines("a\r\n\r\nb\n\rc"), (std::vector<std::string>{"a", "", "b", "", "c"}));
  EXPECT_TRUE(SplitSkinLines("").empty());
}

TEST(IniFile, IntegersFlagsAndTheirDefaults) {
  TsfIniFile ini(
      "[n]\ndec=-42\nplus=+7\nhex=$1F\nhex0x=0x1f\nbare0x=0x\nall=$FFFFFFFF\n"
      "max=2147483647\nmin=-2147483648\nover=2147483648\njunk=12abc\nempty=\nspace=1 2\n"
      "[f]\none=1\ntrue=true\ntwo=2\nhexone=$1\nzero=0\n");
  EXPECT_EQ(ini.ReadInteger("n", "dec", 0), -42);
  EXPECT_EQ(ini.ReadInteger("n", "plus", 0), 7);
  EXPECT_EQ(ini.ReadInteger("n", "hex", 0), 31);
  EXPECT_EQ(ini.ReadInteger("n", "hex0x", 0), 31);
  EXPECT_EQ(ini.ReadInteger("n", "bare0x", 5), 5);
  EXPECT_EQ(ini.ReadInteger("n", "all", 0), -1);
  EXPECT_EQ(ini.ReadInteger("n", "max", 0), 2147483647);
  EXPECT_EQ(ini.ReadInteger("n", "min", 0), -2147483647 - 1);
  EXPECT_EQ(ini.ReadInteger("n", "over", 5), 5);
  EXPECT_EQ(ini.ReadInteger("n", "junk", 5), 5);
  EXPECT_EQ(ini.ReadInteger("n", "empty", 5), 5);
  EXPECT_EQ(ini.ReadInteger("n", "space", 5), 5);
  EXPECT_EQ(ini.ReadInteger("n", "missing", -1), -1);

  EXPECT_TRUE(ini.ReadBool("f", "one", false));
  EXPECT_TRUE(ini.ReadBool("f", "hexone", false));
  EXPECT_FALSE(ini.ReadBool("f", "true", false));
  EXPECT_FALSE(ini.ReadBool("f", "two", true));
  EXPECT_FALSE(ini.ReadBool("f", "zero", true));
  EXPECT_FALSE(ini.ReadBool("f", "missing", false));
}

TEST(IniFile, NumberedKeysTakeOnlyPlainNumbersBelowTheCount) {
  TsfIniFile ini("[list]\n2=two\n0=zero\n00=not zero\n01=not one\n-1=minus\n5=five\n");
  auto keys = ini.ReadNumberedKeys("list", 5);
  ASSERT_EQ(keys.size(), 2u);
  EXPECT_EQ(keys[0], (std::pair<int, std::string>{0, "zero"}));
  EXPECT_EQ(keys[1], (std::pair<int, std::string>{2, "two"}));
  EXPECT_EQ(ini.ReadNumberedKeys("list", 2147483647).size(), 3u);
  EXPECT_TRUE(ini.ReadNumberedKeys("list", -3).empty());
}

TEST(IniFile, WritingUpdatesTheFirstKeyAndTheTextReadsBack) {
  TsfIniFile ini("[a]\nx=1\nX=2\nplain line\n[a]\nx=3\n");
  ini.WriteString("A", "X", "9");
  ini.WriteInteger("a", "y", -5);
  ini.WriteBool("new", "flag", true);
  TsfIniFile again(ini.Lines());
  EXPECT_EQ(again.ReadInteger("a", "x", 0), 9);
  EXPECT_EQ(again.ReadInteger("a", "y", 0), -5);
  EXPECT_TRUE(again.ReadBool("new", "flag", false));

  ini.EraseSection("A");
  EXPECT_FALSE(ini.SectionExists("a"));  // every section of the name goes
  EXPECT_EQ(ini.SectionNames(), std::vector<std::string>{"new"});
}
