// Sources a build refuses, with the message that names the file, and that a failed
// build leaves the previous catalogue as it was.
#include "CatalogueToolFixture.h"
#include "ui/CodePage.h"

namespace {

namespace fs = std::filesystem;

class BuildErrorsTest : public CatalogueToolFixture {
 protected:
  // The source file as the message names it.
  std::string Named(const char8_t* relative) const {
    return PathToAnsi((Source() / fs::path(relative)).make_preferred().wstring());
  }

  void ExpectRefused(const std::vector<std::string>& parts) {
    EXPECT_EQ(1, Build());
    for (const std::string& part : parts) EXPECT_NE(std::string::npos, Errors.find(part)) << Errors;
    EXPECT_FALSE(fs::exists(Spect()));
  }
};

struct RefusedCase {
  const char* Title;
  const char8_t* File;
  std::string Bytes;
  std::string Message;
};

}  // namespace

TEST_F(BuildErrorsTest, MissingSourceFolder) {
  const fs::path missing = Folder / "nothing";
  EXPECT_EQ(1, Run({L"build", missing.wstring(), Spect().wstring()}));
  EXPECT_EQ("Catalogue folder not found: " + PathToAnsi(missing.wstring()) + "\n", Errors);
}

TEST_F(BuildErrorsTest, FoldersAndFilesOutOfPlace) {
  Put(u8"菜单/x.html", "x");
  ExpectRefused({Named(u8"菜单") + ": not a category folder (the categories are 菜单导航, 日期时间, "
                 "图片背景, 图层样式, 键盘鼠标, 页面窗口, 表格色彩, 链接文字, 表单按钮, 计数转换, "
                 "游戏测试, 综合实例, 广告代码)\n"});
  fs::remove_all(Source() / fs::path(u8"菜单"));

  Put(u8"x.html", "x");
  ExpectRefused({Named(u8"x.html") + ": an effect outside the category folders"});
  fs::remove(Source() / "x.html");

  Put(u8"图片背景/pic.gif", "GIF89a");
  ExpectRefused({Named(u8"图片背景/pic.gif") + ": not an effect (a category folder holds only .html files)"});
  fs::remove(Source() / fs::path(u8"图片背景/pic.gif"));

  fs::create_directories(Source() / fs::path(u8"图片背景/more.html"));
  ExpectRefused({Named(u8"图片背景/more.html") + ": not an effect"});
}

TEST_F(BuildErrorsTest, EmptyNames) {
  Put(u8"菜单导航/.html", "x");
  ExpectRefused({Named(u8"菜单导航/.html") + ": the effect name is empty"});
  fs::remove(Source() / fs::path(u8"菜单导航/.html"));
  Put(u8"菜单导航/  .html", "x");
  ExpectRefused({Named(u8"菜单导航/  .html") + ": the effect name is empty"});
}

TEST_F(BuildErrorsTest, DuplicateNamesAcrossTheCatalogue) {
  Put(u8"菜单导航/同名.html", "1");
  Put(u8"广告代码/同名.html", "2");
  ExpectRefused({Named(u8"广告代码/同名.html") + ": the effect name '同名' is already used by " +
                 Named(u8"菜单导航/同名.html")});
  fs::remove(Source() / fs::path(u8"广告代码/同名.html"));

  // Latin letters differing only in case would collide on a Windows checkout.
  Put(u8"日期时间/Clock.html", "1");
  Put(u8"键盘鼠标/clock.html", "2");
  ExpectRefused({"the effect name 'clock' is already used by " + Named(u8"日期时间/Clock.html")});
  fs::remove(Source() / fs::path(u8"键盘鼠标/clock.html"));

  // The program's code look-up would also return the category row.
  Put(u8"日期时间/菜单导航.html", "1");
  ExpectRefused({"the effect name '菜单导航' is already used by the category 菜单导航"});
}

TEST_F(BuildErrorsTest, TextThatIsNotUtf8OrNotIn936) {
  const std::string file = Named(u8"表单按钮/x.html");
  const RefusedCase cases[] = {
      {"GBK bytes", u8"x.html", "ok\n\xC4\xE3\xBA\xC3\n", file + ", line 2: not UTF-8 text\n"},
      {"truncated", u8"x.html", "a\nb\nc\xE4\xB8", file + ", line 3: not UTF-8 text\n"},
      {"surrogate", u8"x.html", "\xED\xA0\x80", file + ", line 1: not UTF-8 text\n"},
      {"hangul", u8"x.html", U8(u8"<p>中文</p>\r\n<p>한</p>\r\n"),
       file + ", line 2: U+D55C cannot be written in code page 936\n"},
      {"emoji", u8"x.html", U8(u8"1\n2\n3\n<p>😀</p>"),
       file + ", line 4: U+1F600 cannot be written in code page 936\n"},
      {"name", u8"한.html", "x", ": the effect name holds U+D55C, which code page 936 cannot hold\n"},
      {"bom", u8"x.html", "\xEF\xBB\xBFx", file + ": starts with a byte-order mark\n"},
      {"lone CR", u8"x.html", "a\r\nb\rc\n",
       file + ", line 2: a carriage return that does not end the line\n"},
  };
  for (const RefusedCase& refused : cases) {
    SCOPED_TRACE(refused.Title);
    fs::remove_all(Source());
    Put((std::u8string(u8"表单按钮/") + refused.File).c_str(), refused.Bytes);
    ExpectRefused({refused.Message});
  }
}

TEST_F(BuildErrorsTest, FailedBuildKeepsThePreviousCatalogue) {
  Put(u8"菜单导航/good.html", "good");
  ASSERT_EQ(0, Build()) << Errors;
  const std::string before = Read(Spect());
  const fs::path temp = Spect().wstring() + L".tmp";

  Put(u8"菜单导航/bad.html", "\xFF");
  EXPECT_EQ(1, Build());
  EXPECT_EQ(before, Read(Spect()));
  EXPECT_FALSE(fs::exists(temp));

  // A temporary file left by an interrupted build does not stand in the way.
  fs::remove(Source() / fs::path(u8"菜单导航/bad.html"));
  Put(u8"菜单导航/more.html", "more");
  std::ofstream(temp, std::ios::binary) << "half a catalogue";
  ASSERT_EQ(0, Build()) << Errors;
  EXPECT_FALSE(fs::exists(temp));
  EXPECT_NE(before, Read(Spect()));
}

TEST_F(BuildErrorsTest, FailureAfterWritingRemovesTheTemporaryFile) {
  // The complete file cannot take the place of a folder.
  fs::create_directories(Spect());
  EXPECT_EQ(1, Build());
  EXPECT_EQ("Unable to write to " + PathToAnsi(Spect().wstring()) + "\n", Errors);
  EXPECT_TRUE(fs::is_directory(Spect()));
  EXPECT_EQ(1, std::distance(fs::directory_iterator(Spect().parent_path()), fs::directory_iterator()));
}
