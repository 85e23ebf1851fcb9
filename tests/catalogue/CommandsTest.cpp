// The tool's other commands: import into a built catalogue, list, export's refusals
// and the command line itself.
#include "CatalogueToolFixture.h"
#include "db/Catalogue.h"
#include "ui/CodePage.h"

namespace {

namespace fs = std::filesystem;

class CommandsTest : public CatalogueToolFixture {
 protected:
  void SetUp() override {
    CatalogueToolFixture::SetUp();
    Put(u8"菜单导航/下拉菜单.html", "menu");
    ASSERT_EQ(0, Build()) << Errors;
  }

  // A file to import, outside the source tree.
  fs::path Outside(const char8_t* name, const std::string& bytes) {
    const fs::path file = Folder / "import" / fs::path(name);
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
    return file;
  }

  int Import(const wchar_t* caption, const fs::path& file) {
    return Run({L"import", Spect().wstring(), caption, file.wstring()});
  }

  std::string List() {
    EXPECT_EQ(0, Run({L"list", Spect().wstring()})) << Errors;
    return Output;
  }
};

}  // namespace

TEST_F(CommandsTest, ImportedEffectIsListedInItsCategory) {
  const fs::path file = Outside(u8"提交按钮.html", U8(u8"<input type=submit value=\"提交\">\n"));
  ASSERT_EQ(0, Import(L"表单按钮", file)) << Errors;
  EXPECT_EQ("'提交按钮' added to 表单按钮\n", Output);
  ASSERT_EQ(0, Import(L"表单按钮", Outside(u8"a.html", "a"))) << Errors;

  const std::string list = List();
  EXPECT_EQ(0u, list.find("1 菜单导航 (1)\n    下拉菜单\n2 日期时间 (0)\n"));
  EXPECT_NE(std::string::npos, list.find("\n9 表单按钮 (2)\n    提交按钮\n    a\n10 计数转换 (0)\n"));

  ASSERT_EQ(0, Run({L"export", Spect().wstring(), (Folder / "exported").wstring()})) << Errors;
  EXPECT_EQ(U8(u8"<input type=submit value=\"提交\">\n"),
            Read(Folder / "exported" / fs::path(u8"表单按钮/提交按钮.html")));
}

TEST_F(CommandsTest, ImportRefusals) {
  const std::string before = List();
  EXPECT_EQ(1, Import(L"表单", Outside(u8"b.html", "b")));
  EXPECT_EQ("'表单' is not a category of " + PathToAnsi(Spect().wstring()) + "\n", Errors);

  const fs::path again = Outside(u8"下拉菜单.html", "again");
  EXPECT_EQ(1, Import(L"广告代码", again));
  EXPECT_EQ(PathToAnsi(again.wstring()) + ": the effect name '下拉菜单' is already used by " +
                PathToAnsi(Spect().wstring()) + "\n",
            Errors);

  EXPECT_EQ(1, Import(L"广告代码", Folder / "import" / "missing.html"));
  EXPECT_NE(std::string::npos, Errors.find("File not found: ")) << Errors;
  EXPECT_EQ(1, Import(L"广告代码", Outside(u8"c.htm", "c")));
  EXPECT_NE(std::string::npos, Errors.find("c.htm: not an .html file")) << Errors;
  EXPECT_EQ(1, Import(L"广告代码", Outside(u8"d.html", "\xB0\xA1")));
  EXPECT_NE(std::string::npos, Errors.find("d.html, line 1: not UTF-8 text")) << Errors;

  // Nothing of the refused imports reached the file.
  EXPECT_EQ(before, List());
}

TEST_F(CommandsTest, ExportRefusesNamesThatCannotBeFiles) {
  // The program's admin row can insert any name.
  AppendCatalogueRows(Spect(), CataloguePassword, {{2, "时/分", "x"}});
  EXPECT_EQ(1, Run({L"export", Spect().wstring(), (Folder / "exported").wstring()}));
  EXPECT_EQ("The effect name '时/分' cannot be a file name\n", Errors);
  EXPECT_FALSE(fs::exists(Folder / "exported"));
}

TEST_F(CommandsTest, MissingCatalogueAndCommandLines) {
  EXPECT_EQ(1, Run({L"list", (Folder / "none.nht").wstring()}));
  EXPECT_NE(std::string::npos, Errors.find("Could not find file")) << Errors;
  EXPECT_FALSE(fs::exists(Folder / "none.nht"));

  for (const std::vector<std::wstring>& args :
       {std::vector<std::wstring>{}, {L"list"}, {L"remove", Spect().wstring()},
        {L"build", Source().wstring()}}) {
    EXPECT_EQ(2, Run(args));
    EXPECT_EQ(0u, Errors.find("usage: catalogue_tool build <catalogue folder> <spect.nht>\n"));
  }
}
