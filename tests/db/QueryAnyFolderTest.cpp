// A catalogue in a folder whose name holds what 936 text cannot (Hangul, an emoji,
// ';', a reference), and catalogue text that GBK cannot hold.
#include "CatalogueFixture.h"

#include "db/ConnectionString.h"
#include "db/Database.h"
#include "ui/CodePage.h"

namespace {

class QueryAnyFolderTest : public CatalogueFixture {
 protected:
  void SetUp() override {
    CatalogueFixture::SetUp();
    Folder /= L"x; &#x41;\\\uD14C\uC2A4\uD2B8\U0001F600";
    std::filesystem::create_directories(Folder);
  }
};

}  // namespace

TEST_F(QueryAnyFolderTest, TheCatalogueOpensReadsAndTakesRows) {
  MakeCatalogue({{0, "菜单导航", ""}, {1, "下拉菜单", "menu"}});
  EXPECT_EQ(Read("SELECT * FROM SPECT Where ParentID=1", "Code"), Strings{"menu"});
  Rs->SetConnectionString(Connection());
  Rs->SQL().SetText("select * from spect");
  Rs->Open();
  Rs->Insert();
  Rs->FieldByName("ParentID").SetAsInteger(1);
  Rs->FieldByName("EffectName").SetAsString("新特效");
  Rs->Post();
  Rs->Close();
  EXPECT_EQ(Read("SELECT * FROM SPECT Where ParentID=1", "EffectName"), (Strings{"下拉菜单", "新特效"}));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Folder), {}), 1);  // no stray file
}

TEST_F(QueryAnyFolderTest, AMissingFileIsNamedAsItIs) {
  Rs->SetConnectionString(Connection());
  Rs->SQL().SetText("select * from spect");
  try {
    Rs->Open();
    ADD_FAILURE() << "no error";
  } catch (const EDatabaseError& e) {
    EXPECT_EQ(e.WideMessage(), L"Could not find file '" + File().wstring() + L"'.");
    EXPECT_EQ(e.Message(), "Could not find file '" + PathToAnsi(File().wstring()) + "'.");
  }
  EXPECT_FALSE(std::filesystem::exists(File()));
}

TEST_F(QueryAnyFolderTest, TextGbkCannotHoldIsReadAsReferences) {
  MakeCatalogue({{0, "菜单导航", ""}});
  {
    // Written by another tool: UTF-8 the program never wrote.
    TDatabase db(File(), CataloguePassword, TDatabase::omExisting);
    db.Execute("INSERT INTO SPECT (ParentID, EffectName, Code) VALUES "
               "(1, 'smile', '<b>\xE7\xAC\x91\xF0\x9F\x98\x80 \xE2\x9C\x93</b>')");
  }
  EXPECT_EQ(Read("SELECT * FROM SPECT Where ParentID=1", "Code"), Strings{"<b>\xD0\xA6&#x1F600; &#x2713;</b>"});
}
