// What Open refuses, and that the file itself keeps its content from anyone
// without the password.
#include "CatalogueFixture.h"

#include <sqlite3.h>

#include <fstream>

#include "db/KeyDerivation.h"
#include "db/Utf8.h"
#include "ui/CodePage.h"

namespace {

class QueryOpenErrorsTest : public CatalogueFixture {
 protected:
  void SetUp() override {
    CatalogueFixture::SetUp();
    MakeCatalogue({{0, "菜单导航", ""}, {1, "下拉菜单", "menu"}});
  }

  std::string OpenError(const std::string& connection, const std::string& statement) {
    Rs->SetConnectionString(connection);
    Rs->SQL().SetText(statement);
    try {
      Rs->Open();
    } catch (const EDatabaseError& e) {
      EXPECT_FALSE(Rs->Active());
      return e.Message();
    }
    ADD_FAILURE() << "Open did not raise for " << statement;
    return {};
  }

  std::string StatementError(const std::string& statement) { return OpenError(Connection(), statement); }

  int RowCount() {
    Rs->SetConnectionString(Connection());
    Rs->SQL().SetText("select * from spect");
    Rs->Open();
    const int count = Rs->RecordCount();
    Rs->Close();
    return count;
  }
};

// A connection to the file as a standard tool makes it, optionally with the key.
struct RawConnection {
  explicit RawConnection(const std::filesystem::path& file, const char* key = nullptr) {
    sqlite3_open_v2(WideToUtf8(file.wstring()).c_str(), &Handle, SQLITE_OPEN_READONLY, nullptr);
    if (key) sqlite3_key(Handle, key, static_cast<int>(std::string(key).size()));
  }
  ~RawConnection() { sqlite3_close_v2(Handle); }
  sqlite3* Handle = nullptr;
};

std::string ToHex(const std::string& bytes) {
  static const char digits[] = "0123456789abcdef";
  std::string out;
  for (unsigned char c : bytes) {
    out += digits[c >> 4];
    out += digits[c & 15];
  }
  return out;
}

std::string ToHex(const TSha256Digest& d) { return ToHex(std::string(d.begin(), d.end())); }

}  // namespace

TEST_F(QueryOpenErrorsTest, MissingFileIsNamedAndNotCreated) {
  const auto missing = Folder / "nothing.nht";
  const std::string message =
      OpenError(CatalogueConnectionString(missing, CataloguePassword), "select * from spect");
  EXPECT_EQ(message, "Could not find file '" + PathToAnsi(std::filesystem::absolute(missing).wstring()) + "'.");
  EXPECT_FALSE(std::filesystem::exists(missing));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Folder), {}), 1);

  // A relative name is reported with its full path.
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(Folder);
  const std::string relative = OpenError("Data Source=nothing.nht", "select * from spect");
  std::filesystem::current_path(previous);
  EXPECT_EQ(relative, message);
  EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST_F(QueryOpenErrorsTest, WrongOrMissingPasswordIsRefused) {
  const std::string refused =
      "Not a valid password, or not a catalogue file: '" + PathToAnsi(File().wstring()) + "'.";
  EXPECT_EQ(OpenError(CatalogueConnectionString(File(), "qorvint483"), "select * from spect"), refused);
  EXPECT_EQ(OpenError(CatalogueConnectionString(File(), ""), "select * from spect"), refused);
  // The keys of the connection string match in any letter case and order.
  Rs->SetConnectionString("data source=" + PathToAnsi(File().wstring()) +
                          ";JET OLEDB:DATABASE PASSWORD=qorvint482");
  Rs->SQL().SetText("SELECT * FROM SPECT Where ParentID=1");
  Rs->Open();
  EXPECT_EQ(Rs->FieldByName("Code").AsString(), "menu");
}

TEST_F(QueryOpenErrorsTest, FileIsUnreadableWithoutTheKey) {
  char header[16] = {};
  std::ifstream(File(), std::ios::binary).read(header, sizeof header);
  EXPECT_NE(std::string(header, sizeof header), std::string("SQLite format 3\0", 16));

  RawConnection plain(File());
  EXPECT_EQ(sqlite3_exec(plain.Handle, "SELECT * FROM sqlite_schema", nullptr, nullptr, nullptr),
            SQLITE_NOTADB);

  // A tool that knows the password reads the text as UTF-8.
  RawConnection keyed(File(), CataloguePassword);
  sqlite3_stmt* statement = nullptr;
  ASSERT_EQ(sqlite3_prepare_v2(keyed.Handle, "SELECT EffectName FROM SPECT WHERE ParentID = 1", -1,
                               &statement, nullptr),
            SQLITE_OK);
  ASSERT_EQ(sqlite3_step(statement), SQLITE_ROW);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0))),
            "\xE4\xB8\x8B\xE6\x8B\x89\xE8\x8F\x9C\xE5\x8D\x95");  // 下拉菜单 in UTF-8
  sqlite3_finalize(statement);
}

TEST_F(QueryOpenErrorsTest, FailedStatementsRaiseAndChangeNothing) {
  EXPECT_NE(StatementError("SELECT * FROM NOPE").find("no such table: NOPE"), std::string::npos);
  EXPECT_NE(StatementError("SELECT * FROM SPECT Where Nope=1").find("no such column: Nope"), std::string::npos);
  EXPECT_EQ(StatementError("SELECT * FROM SPECT Where EffectName=\"abc"),
            "Syntax error in string in query expression '\"abc'.");
  EXPECT_NE(StatementError("SELECT * FROM SPECT Where EffectName='abc").find("SQL error:"), std::string::npos);
  EXPECT_FALSE(StatementError("").empty());
  // Only statements that return rows run: nothing is deleted or dropped.
  EXPECT_EQ(StatementError("DELETE FROM SPECT"), "CommandText does not return a result set.");
  EXPECT_NE(StatementError("SELECT * FROM SPECT; DELETE FROM SPECT").find("SQL error:"), std::string::npos);
  EXPECT_NE(StatementError("SELECT * FROM SPECT Where ParentID=?").find("No value given"), std::string::npos);
  EXPECT_EQ(RowCount(), 2);
}

TEST_F(QueryOpenErrorsTest, UnknownFieldNamesTheQuery) {
  Rs->SetConnectionString(Connection());
  Rs->SQL().SetText("SELECT * FROM SPECT Where ParentID=0");
  Rs->Open();
  try {
    Rs->FieldByName("EffectNam");
    FAIL() << "FieldByName did not raise";
  } catch (const EDatabaseError& e) {
    EXPECT_EQ(e.Message(), "Rs: Field 'EffectNam' not found");
  }
  EXPECT_EQ(Rs->FindField("EffectNam"), nullptr);
  Rs->Close();
  EXPECT_THROW(Rs->FieldByName("EffectName"), EDatabaseError);
}

TEST_F(QueryOpenErrorsTest, PathsOutsideTheAnsiCodePageReachTheFile) {
  // Hangul is not in code page 936: only the wide path names this folder.
  const auto folder = Folder / L"\uD55C\uAE00 目录";
  std::filesystem::create_directories(folder);
  CreateCatalogue(folder / "spect.nht", CataloguePassword);
  EXPECT_TRUE(std::filesystem::is_regular_file(folder / "spect.nht"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
  EXPECT_THROW(CreateCatalogue(folder / "spect.nht", CataloguePassword), EDatabaseError);

  // A Chinese folder name through the connection string's 936 text.
  const auto chinese = Folder / L"网页特效";
  std::filesystem::create_directories(chinese);
  CreateCatalogue(chinese / "spect.nht", CataloguePassword);
  AppendCatalogueRows(chinese / "spect.nht", CataloguePassword, {{0, "菜单导航", ""}});
  Rs->SetConnectionString(CatalogueConnectionString(chinese / "spect.nht", CataloguePassword));
  Rs->SQL().SetText("SELECT * FROM SPECT Where ParentID=0");
  Rs->Open();
  EXPECT_EQ(Rs->FieldByName("EffectName").AsString(), "菜单导航");
}

// Connections after the first hand the engine the derived key: it must be the key
// the cipher itself derives from the password and the file's salt.
TEST_F(QueryOpenErrorsTest, DerivedKeyOpensTheFileAsThePasswordDoes) {
  EXPECT_EQ(ToHex(Sha256("abc")), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  EXPECT_EQ(ToHex(Pbkdf2HmacSha256("passwd", "salt", 1, 16)), "55ac046e56e3089fec1691c22544b605");
  std::string salt(16, '\0');
  std::ifstream(File(), std::ios::binary).read(salt.data(), 16);
  const std::string raw = "raw:" + Pbkdf2HmacSha256(CataloguePassword, salt, 64007, 32);
  RawConnection keyed(File());
  sqlite3_key(keyed.Handle, raw.data(), static_cast<int>(raw.size()));
  EXPECT_EQ(sqlite3_exec(keyed.Handle, "SELECT count(*) FROM SPECT", nullptr, nullptr, nullptr), SQLITE_OK);
  EXPECT_EQ(RowCount(), 2);
  EXPECT_EQ(RowCount(), 2);
}

// Where the processor has SHA extensions the blocks are hashed on them; the portable
// code must give the same answers, and both the published ones.
TEST(KeyDerivation, ProcessorExtensionsAndPortableCodeGiveThePublishedAnswers) {
  const bool had = Sha256ExtensionsInUse();
  for (bool extensions : {true, false}) {
    UseSha256Extensions(extensions);
    SCOPED_TRACE(Sha256ExtensionsInUse() ? "extensions" : "portable");
    EXPECT_EQ(ToHex(Sha256("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq")),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
    EXPECT_EQ(ToHex(Pbkdf2HmacSha256("password", "salt", 1, 32)),
              "120fb6cffcf8b32c43e7225256c4f837a86548c92ccc35480805987cb70be17b");
    EXPECT_EQ(ToHex(Pbkdf2HmacSha256("password", "salt", 2, 32)),
              "ae4d0c95af6b46d32d0adff928f06dd02a303f8ef3c251dfd6e2d85a95474c43");
    EXPECT_EQ(ToHex(Pbkdf2HmacSha256("password", "salt", 4096, 32)),
              "c5e478d59288c841aa530db6845c4c8d962893a001ce4e11a4963873aa98134a");
  }
  UseSha256Extensions(had);
}

// A key prepared ahead of the first connection opens the file under its password
// only: a wrong one prepared the same way is still refused, and a file that is
// not there is neither read nor made.
TEST_F(QueryOpenErrorsTest, KeyPreparedAheadOpensOnlyUnderItsPassword) {
  TDatabase::PrepareKey(File(), CataloguePassword);
  TDatabase::PrepareKey(File(), "qorvint483");
  EXPECT_EQ(RowCount(), 2);
  EXPECT_EQ(OpenError(CatalogueConnectionString(File(), "qorvint483"), "select * from spect"),
            "Not a valid password, or not a catalogue file: '" + PathToAnsi(File().wstring()) + "'.");
  const auto missing = Folder / "none.nht";
  TDatabase::PrepareKey(missing, CataloguePassword);
  TDatabase::DeriveKey(missing, CataloguePassword);
  EXPECT_FALSE(std::filesystem::exists(missing));
}

// Derived on the caller's thread, the key serves a connection made from another one.
TEST_F(QueryOpenErrorsTest, KeyDerivedOnAnotherThreadOpensTheFile) {
  std::thread([this] { TDatabase::DeriveKey(File(), CataloguePassword); }).join();
  EXPECT_EQ(RowCount(), 2);
}

// Another catalogue copied over the file, of the same size and with the time of the
// last write put back, has a salt of its own: it opens and shows its own rows, and
// the next connection opens it too.
TEST_F(QueryOpenErrorsTest, ACatalogueReplacedUnderTheSameSizeAndTimeShowsItsOwnRows) {
  ASSERT_EQ(Read("select * from spect where ParentID=1", "EffectName"), Strings{"下拉菜单"});
  const std::filesystem::path other = Folder / "other.nht";
  CreateCatalogue(other, CataloguePassword);
  AppendCatalogueRows(other, CataloguePassword, {{0, "菜单导航", ""}, {1, "上拉菜单", "menu"}});
  ASSERT_EQ(std::filesystem::file_size(other), std::filesystem::file_size(File()));
  const auto written = std::filesystem::last_write_time(File());
  std::filesystem::remove(File());
  std::filesystem::copy_file(other, File());
  std::filesystem::last_write_time(File(), written);
  EXPECT_EQ(Read("select * from spect where ParentID=1", "EffectName"), Strings{"上拉菜单"});
  EXPECT_EQ(Read("select * from spect where ParentID=1", "EffectName"), Strings{"上拉菜单"});
}
