// What a build puts into spect.nht, that export gives the sources back, and that the
// file keeps to the program's password.
#include <map>

#include "CatalogueToolFixture.h"
#include "db/ADOQuery.h"
#include "db/Catalogue.h"

namespace {

namespace fs = std::filesystem;

struct Row {
  int ParentID;
  std::string EffectName;
  std::string Code;
  bool operator==(const Row&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Row& row) {
  return out << row.ParentID << " " << row.EffectName << " [" << row.Code << "]";
}

class BuildExportTest : public CatalogueToolFixture {
 protected:
  std::vector<Row> Rows(const std::string& password = CataloguePassword) {
    TADOQuery rs(nullptr);
    rs.SetConnectionString(CatalogueConnectionString(Spect(), password));
    rs.SQL().SetText("select * from spect");
    rs.Open();
    std::vector<Row> rows;
    for (; !rs.Eof(); rs.Next())
      rows.push_back({rs.FieldByName("ParentID").AsInteger(), rs.FieldByName("EffectName").AsString(),
                      rs.FieldByName("Code").AsString()});
    return rows;
  }

  // Every file under the folder, by its path relative to it, with its bytes.
  static std::map<fs::path, std::string> Files(const fs::path& folder) {
    std::map<fs::path, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
      if (entry.is_regular_file()) files[fs::relative(entry.path(), folder)] = Read(entry.path());
    return files;
  }
};

}  // namespace

TEST_F(BuildExportTest, RowsAreCategoriesThenEffectsInFileNameOrder) {
  Put(u8"日期时间/数字时钟.html", U8(u8"<p>时钟</p>\n<script>\n</script>\n"));
  Put(u8"日期时间/Zebra.html", "z");
  Put(u8"日期时间/apple.html", "a");
  Put(u8"菜单导航/下拉菜单.html", U8(u8"<b>菜单</b>"));
  Put(u8"菜单导航/.gitkeep", "");
  Put(u8"README.md", "notes beside the categories");
  ASSERT_EQ(0, Build()) << Errors;
  EXPECT_EQ("", Errors);

  const std::vector<Row> rows = Rows();
  ASSERT_EQ(17u, rows.size());
  EXPECT_EQ((Row{0, "菜单导航", ""}), rows[0]);
  EXPECT_EQ((Row{0, "日期时间", ""}), rows[1]);
  EXPECT_EQ((Row{0, "广告代码", ""}), rows[12]);
  // Code page 936 with CR LF; names in the byte order of UTF-8 (upper case first).
  EXPECT_EQ((Row{1, "下拉菜单", "<b>菜单</b>"}), rows[13]);
  EXPECT_EQ((Row{2, "Zebra", "z"}), rows[14]);
  EXPECT_EQ((Row{2, "apple", "a"}), rows[15]);
  EXPECT_EQ((Row{2, "数字时钟", "<p>时钟</p>\r\n<script>\r\n</script>\r\n"}), rows[16]);
}

TEST_F(BuildExportTest, ExportGivesBackTheLfSourcesByteForByte) {
  const std::map<fs::path, std::string> sources = {
      {fs::path(u8"菜单导航/下拉菜单.html"), U8(u8"<meta charset=\"gbk\">\n<p>菜单「一」€</p>\n")},
      {fs::path(u8"菜单导航/no final line end.html"), "a\n\tb\n\nc"},
      {fs::path(u8"广告代码/空.html"), ""},
      {fs::path(u8"游戏测试/扫雷.html"), U8(u8"\n\n<!-- 游戏 -->\n")},
  };
  for (const auto& [path, bytes] : sources) Put(path.u8string().c_str(), bytes);
  ASSERT_EQ(0, Build()) << Errors;
  ASSERT_EQ(0, Run({L"export", Spect().wstring(), (Folder / "exported").wstring()})) << Errors;
  EXPECT_EQ(sources, Files(Folder / "exported"));
  // Every category has its folder, empty ones too.
  EXPECT_TRUE(fs::is_directory(Folder / "exported" / fs::path(u8"键盘鼠标")));
}

TEST_F(BuildExportTest, CrLfSourcesAreStoredLikeLfOnesAndExportedWithLf) {
  Put(u8"表格色彩/crlf.html", "one\r\ntwo\r\n");
  Put(u8"表格色彩/mixed.html", "one\ntwo\r\n");
  ASSERT_EQ(0, Build()) << Errors;
  const std::vector<Row> rows = Rows();
  ASSERT_EQ(15u, rows.size());
  EXPECT_EQ("one\r\ntwo\r\n", rows[13].Code);
  EXPECT_EQ("one\r\ntwo\r\n", rows[14].Code);
  ASSERT_EQ(0, Run({L"export", Spect().wstring(), (Folder / "exported").wstring()})) << Errors;
  EXPECT_EQ("one\ntwo\n", Read(Folder / "exported" / fs::path(u8"表格色彩/crlf.html")));
}

TEST_F(BuildExportTest, OpensOnlyWithThePassword) {
  Put(u8"菜单导航/下拉菜单.html", "secret");
  ASSERT_EQ(0, Build()) << Errors;
  EXPECT_THROW(Rows("qorvint483"), EDatabaseError);
  EXPECT_THROW(Rows(""), EDatabaseError);
  EXPECT_EQ(14u, Rows().size());
  // The text is not readable in the file's bytes.
  EXPECT_EQ(std::string::npos, Read(Spect()).find("secret"));
  EXPECT_EQ(std::string::npos, Read(Spect()).find("SPECT"));
}

TEST_F(BuildExportTest, EmptySourceFolderGivesTheThirteenCategories) {
  ASSERT_EQ(0, Build()) << Errors;
  EXPECT_EQ(13u, Rows().size());
  ASSERT_EQ(0, Run({L"list", Spect().wstring()})) << Errors;
  EXPECT_EQ(0u, Output.find("1 菜单导航 (0)\n2 日期时间 (0)\n"));
  EXPECT_NE(std::string::npos, Output.find("\n13 广告代码 (0)\n"));
}

TEST_F(BuildExportTest, PreviewPagesHoldTheCodeAsPreviewWritesIt) {
  Put(u8"日期时间/数字时钟.html", U8(u8"<p>时钟</p>\n"));
  Put(u8"图层样式/a.html", "a");
  Put(u8"图层样式/b.html", "b");
  ASSERT_EQ(0, Build()) << Errors;
  ASSERT_EQ(0, Run({L"preview", Spect().wstring(), (Folder / "pages").wstring()})) << Errors;
  EXPECT_EQ("<p>时钟</p>\r\n", Read(Folder / "pages" / "02-001.htm"));
  EXPECT_EQ("b", Read(Folder / "pages" / "04-002.htm"));
  EXPECT_EQ(U8(u8"02-001.htm\t日期时间\t数字时钟\n04-001.htm\t图层样式\ta\n04-002.htm\t图层样式\tb\n"),
            Read(Folder / "pages" / "index.txt"));
}
