// Reading the catalogue with the statements the program sends, in the order and
// form it sends them.
#include "CatalogueFixture.h"

#include "db/JetSql.h"

namespace {

const std::vector<TCatalogueRow> SampleRows = {
    {0, "菜单导航", ""},
    {1, "下拉菜单", "<script>menu()</script>"},
    {0, "日期时间", ""},
    {2, "数字时钟", "<b>12:00</b>\r\n<i>clock</i>"},
    {1, "滑动菜单", "slide"},
    {0, "图片背景", ""},
    {2, "数字时钟", "second clock"},
};

class QueryReadTest : public CatalogueFixture {
 protected:
  void SetUp() override {
    CatalogueFixture::SetUp();
    MakeCatalogue(SampleRows);
  }
};

}  // namespace

TEST_F(QueryReadTest, ProgramStatementsReturnRowsInInsertionOrder) {
  EXPECT_EQ(Read("SELECT * FROM SPECT Where ParentID=0", "EffectName"),
            (Strings{"菜单导航", "日期时间", "图片背景"}));
  EXPECT_EQ(Read("SELECT * FROM SPECT Where ParentID=1", "EffectName"), (Strings{"下拉菜单", "滑动菜单"}));
  EXPECT_EQ(Read("SELECT * FROM SPECT Where ParentID=" + std::to_string(2), "EffectName"),
            (Strings{"数字时钟", "数字时钟"}));
  // Every row of the name contributes, one after the other; the code keeps its CR LF.
  EXPECT_EQ(Read("SELECT * FROM SPECT Where EffectName=\"数字时钟\"", "Code"),
            (Strings{"<b>12:00</b>\r\n<i>clock</i>", "second clock"}));
  // A category row matches its caption too; its empty code comes back empty.
  EXPECT_EQ(Read("SELECT * FROM SPECT Where EffectName=\"菜单导航\"", "Code"), (Strings{""}));
}

TEST_F(QueryReadTest, EmptyResultIsEofAtOnce) {
  Rs->SetConnectionString(Connection());
  Rs->SQL().SetText("SELECT * FROM SPECT Where ParentID=9");
  Rs->Open();
  EXPECT_TRUE(Rs->Active());
  EXPECT_TRUE(Rs->Eof());
  EXPECT_EQ(Rs->RecordCount(), 0);
  // The columns are known even without a row; reading one gives nothing.
  EXPECT_EQ(Rs->FieldByName("Code").AsString(), "");
  EXPECT_EQ(Read("SELECT * FROM SPECT Where EffectName=\"无此特效\"", "Code"), Strings{});
}

TEST_F(QueryReadTest, FieldNamesAndTableNamesIgnoreCase) {
  EXPECT_EQ(Read("select * from spect where parentid=1", "effectname"), (Strings{"下拉菜单", "滑动菜单"}));
  Rs->SQL().SetText("SELECT * FROM SPECT Where ParentID=2");
  Rs->Open();
  EXPECT_EQ(Rs->FieldByName("PARENTID").AsInteger(), 2);
  EXPECT_EQ(Rs->FieldByName("parentid").AsString(), "2");
  EXPECT_EQ(&Rs->FieldByName("code"), &Rs->FieldByName("Code"));
}

TEST_F(QueryReadTest, NullReadsAsEmptyAndZero) {
  Rs->SetConnectionString(Connection());
  Rs->SQL().SetText("SELECT NULL AS Missing, 42 AS Answer, \"17\" AS Text17");
  Rs->Open();
  EXPECT_TRUE(Rs->FieldByName("Missing").IsNull());
  EXPECT_EQ(Rs->FieldByName("Missing").AsString(), "");
  EXPECT_EQ(Rs->FieldByName("Missing").AsInteger(), 0);
  EXPECT_EQ(Rs->FieldByName("Answer").AsInteger(), 42);
  EXPECT_EQ(Rs->FieldByName("Text17").AsInteger(), 17);
}

TEST_F(QueryReadTest, ChangingTheStatementClosesTheResult) {
  Rs->SetConnectionString(Connection());
  Rs->SQL().SetText("SELECT * FROM SPECT Where ParentID=0");
  Rs->Open();
  ASSERT_TRUE(Rs->Active());
  // The start-up sequence: the second statement replaces the first without Close.
  Rs->SQL().SetText("SELECT * FROM SPECT Where ParentID=1");
  EXPECT_FALSE(Rs->Active());
  Rs->Open();
  EXPECT_EQ(Rs->FieldByName("EffectName").AsString(), "下拉菜单");

  Rs->SQL().Clear();
  EXPECT_FALSE(Rs->Active());
  Rs->SQL().Add("select * from spect");
  Rs->Open();
  EXPECT_EQ(Rs->RecordCount(), 7);
  Rs->SQL().Add("where ParentID=0");
  EXPECT_FALSE(Rs->Active());
  Rs->Open();
  EXPECT_EQ(Rs->RecordCount(), 3);
}

TEST_F(QueryReadTest, SameConnectionStringWhileOpenChangesNothing) {
  Rs->SetConnectionString(Connection());
  Rs->SQL().SetText("SELECT * FROM SPECT Where ParentID=0");
  Rs->Open();
  Rs->Next();
  EXPECT_NO_THROW(Rs->SetConnectionString(Connection()));
  EXPECT_TRUE(Rs->Active());
  EXPECT_EQ(Rs->FieldByName("EffectName").AsString(), "日期时间");
  // Opening an open result does nothing either: the position stays.
  Rs->Open();
  EXPECT_EQ(Rs->FieldByName("EffectName").AsString(), "日期时间");
  // Another file is another connection: the result goes.
  Rs->SetConnectionString(CatalogueConnectionString(Folder / "other.nht", CataloguePassword));
  EXPECT_FALSE(Rs->Active());
}

TEST_F(QueryReadTest, ChineseTextRoundTripsByteForByte) {
  // Every lead byte range, trail bytes that are ASCII brackets and backslashes
  // (0x5B, 0x5C, 0x5D), and the euro sign at 0x80.
  const std::string name = "匸[表\x81\x40\xFE\xFE\x85\x5D\x80\x95\x5C";
  const std::string code = "<p>网页特效</p>\r\n'单引号' \"双引号\"\r\n";
  AppendCatalogueRows(File(), CataloguePassword, {{5, name, code}});
  EXPECT_EQ(Read("SELECT * FROM SPECT Where ParentID=5", "EffectName"), Strings{name});
  EXPECT_EQ(Read("SELECT * FROM SPECT Where EffectName=\"" + name + "\"", "Code"), Strings{code});
}

// The lookup puts the chosen name between double quotes. With every quote inside
// the name doubled, as the caller does, any name finds exactly its own row, and an
// ordinary name gives the statement text unchanged.
TEST_F(QueryReadTest, LookupOfNamesWithQuotesMatchesOnlyTheirOwnRow) {
  const Strings names = {"a\"b", "a\"\"b", "trail\"", "\"lead", "\" OR \"\"=\"", "\" OR 1=1 --",
                         "it's", "a", "b", "", "\"", "匸\"\x85\x5B"};
  std::vector<TCatalogueRow> rows;
  for (size_t i = 0; i < names.size(); ++i) rows.push_back({7, names[i], "code " + std::to_string(i)});
  AppendCatalogueRows(File(), CataloguePassword, rows);

  EXPECT_EQ(JetQuotedStr("下拉菜单"), "\"下拉菜单\"");
  for (size_t i = 0; i < names.size(); ++i) {
    SCOPED_TRACE(names[i]);
    EXPECT_EQ(Read("SELECT * FROM SPECT Where EffectName=" + JetQuotedStr(names[i]), "Code"),
              Strings{"code " + std::to_string(i)});
  }
}

// The name look-up ignores the case of the Latin letters, as the store the
// statements were written for did; every other character, Chinese and full-width
// letters included, must match exactly. Quotes still stay inside the name.
TEST_F(QueryReadTest, LookupIgnoresTheCaseOfLatinLettersOnly) {
  AppendCatalogueRows(File(), CataloguePassword,
                      {{1, "Flash菜单", "one"}, {2, "ＡＢＣ", "full"}, {3, "Say \"Hi\"", "quoted"}});
  auto lookup = [&](const std::string& name) {
    return Read("SELECT * FROM SPECT Where EffectName=" + JetQuotedStr(name), "Code");
  };
  EXPECT_EQ(lookup("FLASH菜单"), Strings{"one"});
  EXPECT_EQ(lookup("flash菜单"), Strings{"one"});
  EXPECT_EQ(lookup("ＡＢＣ"), Strings{"full"});
  EXPECT_EQ(lookup("ａｂｃ"), Strings{});
  EXPECT_EQ(lookup("say \"hi\""), Strings{"quoted"});
  EXPECT_EQ(lookup("say \"hi"), Strings{});
}
