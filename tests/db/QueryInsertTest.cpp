// The admin insert: a new row on the open result of "select * from spect",
// committed by Post, or nothing at all.
#include "CatalogueFixture.h"

#include <sqlite3.h>

#include "db/Utf8.h"

namespace {

class QueryInsertTest : public CatalogueFixture {
 protected:
  void SetUp() override {
    CatalogueFixture::SetUp();
    MakeCatalogue({{0, "菜单导航", ""}, {1, "下拉菜单", "menu"}});
  }

  // Steps 1 to 3 of the program's insert.
  void OpenWholeTable() {
    Rs->SetConnectionString(Connection());
    Rs->Close();
    Rs->SQL().Clear();
    Rs->SQL().Add("select * from spect");
    Rs->Open();
  }

  Strings Names() { return Read("select * from spect", "EffectName"); }
};

}  // namespace

TEST_F(QueryInsertTest, PostedRowIsInTheFileAfterReopening) {
  const std::string code = "<script>\r\nalert('新特效');\r\n</script>";
  OpenWholeTable();
  Rs->Insert();
  EXPECT_EQ(Rs->State(), dsInsert);
  EXPECT_FALSE(Rs->Eof());
  EXPECT_EQ(Rs->FieldByName("effectname").AsString(), "");
  Rs->FieldByName("parentid").SetAsInteger(3);
  Rs->FieldByName("effectname").SetAsString("新特效");
  Rs->FieldByName("code").SetAsString(code);
  Rs->Post();
  // The query stays open on the whole table, on the row as stored.
  EXPECT_TRUE(Rs->Active());
  EXPECT_EQ(Rs->State(), dsBrowse);
  EXPECT_EQ(Rs->FieldByName("ID").AsInteger(), 3);
  EXPECT_EQ(Rs->FieldByName("EffectName").AsString(), "新特效");

  Rs.reset();  // nothing is held back until the query goes
  Rs = std::make_unique<TADOQuery>(nullptr);
  EXPECT_EQ(Read("SELECT * FROM SPECT Where ParentID=3", "EffectName"), Strings{"新特效"});
  EXPECT_EQ(Read("SELECT * FROM SPECT Where EffectName=\"新特效\"", "Code"), Strings{code});
}

TEST_F(QueryInsertTest, RefusedPostLeavesNothingInTheFile) {
  OpenWholeTable();
  Rs->Insert();
  Rs->FieldByName("parentid").SetAsInteger(3);
  Rs->FieldByName("code").SetAsString("no name");  // EffectName is NOT NULL
  try {
    Rs->Post();
    FAIL() << "Post did not raise";
  } catch (const EDatabaseError& e) {
    EXPECT_NE(e.Message().find("NOT NULL"), std::string::npos) << e.Message();
  }
  EXPECT_EQ(Rs->State(), dsInsert);
  // A key that is taken is refused too, and the query is still usable after it.
  Rs->FieldByName("ID").SetAsInteger(1);
  Rs->FieldByName("effectname").SetAsString("重复");
  EXPECT_THROW(Rs->Post(), EDatabaseError);
  Rs->Close();
  EXPECT_EQ(Names(), (Strings{"菜单导航", "下拉菜单"}));
  EXPECT_FALSE(std::filesystem::exists(Folder / "spect.nht-journal"));
}

TEST_F(QueryInsertTest, PostWhileAnotherWriterHoldsTheFileRaises) {
  OpenWholeTable();
  Rs->Insert();
  Rs->FieldByName("parentid").SetAsInteger(1);
  Rs->FieldByName("effectname").SetAsString("被锁");
  {
    sqlite3* other = nullptr;
    sqlite3_open_v2(WideToUtf8(File().wstring()).c_str(), &other, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_key(other, CataloguePassword, 10);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    EXPECT_THROW(Rs->Post(), EDatabaseError);
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close_v2(other);
  }
  // Once the other writer is gone the same row goes in.
  Rs->Post();
  Rs->Close();
  EXPECT_EQ(Names(), (Strings{"菜单导航", "下拉菜单", "被锁"}));
}

TEST_F(QueryInsertTest, CloseDiscardsAnUnpostedRow) {
  OpenWholeTable();
  Rs->Insert();
  Rs->FieldByName("parentid").SetAsInteger(1);
  Rs->FieldByName("effectname").SetAsString("未保存");
  Rs->Close();
  OpenWholeTable();
  Rs->Insert();
  Rs->FieldByName("parentid").SetAsInteger(1);
  Rs->FieldByName("effectname").SetAsString("也未保存");
  Rs->SQL().SetText("SELECT * FROM SPECT Where ParentID=1");  // a statement change closes too
  EXPECT_EQ(Names(), (Strings{"菜单导航", "下拉菜单"}));
}

TEST_F(QueryInsertTest, WritesOutsideInsertStateAreRefused) {
  OpenWholeTable();
  EXPECT_THROW(Rs->Post(), EDatabaseError);
  EXPECT_THROW(Rs->FieldByName("effectname").SetAsString("x"), EDatabaseError);
  EXPECT_THROW(Rs->FieldByName("parentid").SetAsInteger(1), EDatabaseError);
  Rs->Insert();
  Rs->FieldByName("parentid").SetAsInteger(1);
  Rs->FieldByName("effectname").SetAsString("一次");
  Rs->Post();
  EXPECT_THROW(Rs->Post(), EDatabaseError);

  // Only the result of a plain select of one table takes new rows.
  Rs->SQL().SetText("SELECT * FROM SPECT Where ParentID=1");
  Rs->Open();
  EXPECT_THROW(Rs->Insert(), EDatabaseError);
  Rs->Close();
  EXPECT_THROW(Rs->Insert(), EDatabaseError);
  EXPECT_EQ(Names(), (Strings{"菜单导航", "下拉菜单", "一次"}));
}
