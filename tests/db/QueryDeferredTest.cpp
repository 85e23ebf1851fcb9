// A result of every column reads the columns no index holds only for the rows
// whose values are asked for; what the program sees is the same as a full read.
#include "CatalogueFixture.h"

#include "db/Database.h"

namespace {

class QueryDeferredTest : public CatalogueFixture {
 protected:
  void SetUp() override {
    CatalogueFixture::SetUp();
    MakeCatalogue({{1, "甲", "code a"}, {2, "乙", "code b"}, {1, "丙", "code c"}, {1, "丁", ""}});
  }
  void OpenStatement(const std::string& sql) {
    Rs->SetConnectionString(Connection());
    Rs->SQL().SetText(sql);
    Rs->Open();
  }
  void ExecuteInFile(const std::string& sql) {
    TDatabase database(File(), CataloguePassword, TDatabase::omExisting);
    database.Execute(sql);
  }
};

}  // namespace

TEST_F(QueryDeferredTest, CodesOfTheRowsAskedForAreTheirOwn) {
  OpenStatement("SELECT * FROM SPECT Where ParentID=1");
  EXPECT_EQ(Rs->FieldByName("EffectName").AsString(), "甲");
  Rs->Next();  // the second row's code is never asked for
  EXPECT_EQ(Rs->FieldByName("ParentID").AsInteger(), 1);
  Rs->Next();
  EXPECT_EQ(Rs->FieldByName("Code").AsString(), "");
  EXPECT_EQ(Rs->FieldByName("EffectName").AsString(), "丁");
  EXPECT_EQ(Rs->FieldByName("Code").AsString(), "");
  Rs->Next();
  EXPECT_TRUE(Rs->Eof());
  Rs->Close();
  EXPECT_EQ(Read("SELECT * FROM SPECT Where ParentID=1", "Code"), (Strings{"code a", "code c", ""}));
  EXPECT_EQ(Read("select * from [SPECT] where EffectName=\"乙\";", "Code"), (Strings{"code b"}));
}

// Tables of other shapes: no index at all, and no rowid.
TEST_F(QueryDeferredTest, TablesWithoutIndexOrRowidReadInFull) {
  ExecuteInFile("CREATE TABLE Notes (Title TEXT, Body TEXT); INSERT INTO Notes VALUES ('t1', 'b1'), ('t2', NULL)");
  ExecuteInFile("CREATE TABLE Pairs (K TEXT PRIMARY KEY, V TEXT) WITHOUT ROWID; INSERT INTO Pairs VALUES ('k', 'v')");
  EXPECT_EQ(Read("SELECT * FROM Notes", "Body"), (Strings{"b1", ""}));
  EXPECT_EQ(Read("SELECT * FROM Notes WHERE Title='t2'", "Title"), (Strings{"t2"}));
  EXPECT_EQ(Read("SELECT * FROM Pairs", "V"), (Strings{"v"}));
  OpenStatement("SELECT * FROM Notes");
  ASSERT_EQ(Rs->FieldCount(), 2);
  EXPECT_EQ(Rs->Fields(0).FieldName(), "Title");
  EXPECT_EQ(Rs->Fields(1).FieldName(), "Body");
}

TEST_F(QueryDeferredTest, PostedRowReadsBackWhatWasWritten) {
  OpenStatement("select * from spect");
  Rs->Insert();
  Rs->FieldByName("parentid").SetAsInteger(3);
  Rs->FieldByName("effectname").SetAsString("新特效");
  Rs->FieldByName("code").SetAsString("<p>新</p>");
  Rs->Post();
  EXPECT_EQ(Rs->FieldByName("Code").AsString(), "<p>新</p>");
  Rs->Close();
  EXPECT_EQ(Read("SELECT * FROM SPECT Where ParentID=3", "Code"), (Strings{"<p>新</p>"}));
}

// The plan of which columns wait in the file is kept between results; a table
// whose definition changed in the meantime (a column added, an index on the code)
// is read as it is now.
TEST_F(QueryDeferredTest, ChangedDefinitionsAreReadAsTheyAreNow) {
  EXPECT_EQ(Read("SELECT * FROM SPECT Where ParentID=1", "Code"), (Strings{"code a", "code c", ""}));
  ExecuteInFile("ALTER TABLE SPECT ADD COLUMN Note TEXT DEFAULT 'n'");
  EXPECT_EQ(Read("SELECT * FROM SPECT Where ParentID=2", "Note"), (Strings{"n"}));
  ExecuteInFile("CREATE INDEX SPECT_Code ON SPECT (Code)");
  EXPECT_EQ(Read("SELECT * FROM SPECT Where ParentID=1", "Code"), (Strings{"code a", "code c", ""}));
  std::filesystem::remove(File());
  CreateCatalogue(File(), CataloguePassword);
  ExecuteInFile("DROP TABLE SPECT; CREATE TABLE SPECT (ID INTEGER PRIMARY KEY, ParentID INTEGER, Body TEXT)");
  ExecuteInFile("INSERT INTO SPECT (ParentID, Body) VALUES (1, 'b')");
  OpenStatement("SELECT * FROM SPECT Where ParentID=1");
  ASSERT_EQ(Rs->FieldCount(), 3);
  EXPECT_EQ(Rs->Fields(2).FieldName(), "Body");
  EXPECT_EQ(Rs->FieldByName("Body").AsString(), "b");
}
