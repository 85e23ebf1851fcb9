// The dialect mapping and the connection string, apart from the file.
#include <gtest/gtest.h>

#include "db/ConnectionString.h"
#include "db/DatabaseError.h"
#include "db/JetSql.h"

TEST(JetSqlTest, DoubleQuotedTextBecomesParameters) {
  TJetStatement s = TranslateJetSql("SELECT * FROM SPECT Where EffectName=\"a\"\"b\" or x=\"\"");
  EXPECT_EQ(s.Sql, "SELECT * FROM SPECT Where EffectName=?1 or x=?2");
  EXPECT_EQ(s.Params, (std::vector<std::string>{"a\"b", ""}));
  // A parameter number never runs into what follows the literal.
  EXPECT_EQ(TranslateJetSql("select \"x\"1, \"y\"").Sql, "select ?1 1, ?2");
}

TEST(JetSqlTest, QuotesInsideOtherTokensAreLeftAlone) {
  const std::string text =
      "select [a\"b], `c\"d`, 'e\"f''g' -- h\"i\n/* j\"k */ from t where n=\"m\"";
  TJetStatement s = TranslateJetSql(text);
  EXPECT_EQ(s.Sql, "select [a\"b], `c\"d`, 'e\"f''g' -- h\"i\n/* j\"k */ from t where n=?1");
  EXPECT_EQ(s.Params, std::vector<std::string>{"m"});
  // A GBK character whose second byte is ']' or '`' does not end the identifier.
  s = TranslateJetSql("select [\x85\x5D\"x\"], `\x81\x60\"y\"` from t where a=\"v\"");
  EXPECT_EQ(s.Params, std::vector<std::string>{"v"});
  EXPECT_EQ(PlainSelectTable("select * from [\x85\x5D]"), "\x85\x5D");
  EXPECT_EQ(PlainSelectTable("select * from \x85\x5D\x81\x60"), "\x85\x5D\x81\x60");
  // An unterminated single-quoted literal is left for the engine to refuse.
  EXPECT_EQ(TranslateJetSql("where a='x\"y").Params.size(), 0u);
  EXPECT_THROW(TranslateJetSql("where a=\"x\"\""), EDatabaseError);
}

TEST(JetSqlTest, OnlyPlainSelectOfOneTableTakesRows) {
  EXPECT_EQ(PlainSelectTable("select * from spect"), "spect");
  EXPECT_EQ(PlainSelectTable("  SELECT\t*\r\nFROM [My Table] ;\r\n"), "My Table");
  EXPECT_EQ(PlainSelectTable("select*from `t`"), "t");
  EXPECT_EQ(PlainSelectTable("select * from spect where ParentID=1"), "");
  EXPECT_EQ(PlainSelectTable("select * from a, b"), "");
  EXPECT_EQ(PlainSelectTable("select ID from spect"), "");
  EXPECT_EQ(PlainSelectTable("select * fromspect"), "");
  EXPECT_EQ(PlainSelectTable("selects * from spect"), "");
}

TEST(JetSqlTest, ConnectionStringKeysIgnoreCaseAndQuotes) {
  TConnectionString c = ParseConnectionString(
      "Provider=Microsoft.Jet.OLEDB.4.0;Jet OLEDB:Database Password=qorvint482;"
      "Data Source=C:\\网页特效\\spect.nht;Persist Security Info=True");
  EXPECT_EQ(c.DataSource, "C:\\网页特效\\spect.nht");
  EXPECT_EQ(c.Password, "qorvint482");

  c = ParseConnectionString(" data source = 'C:\\a;b''s\\x.nht' ; JET OLEDB:DATABASE PASSWORD=\"p;w\"\"d\"");
  EXPECT_EQ(c.DataSource, "C:\\a;b's\\x.nht");
  EXPECT_EQ(c.Password, "p;w\"d");

  // A value that needs them is quoted; any other stays as it is.
  for (const std::string path : {"C:\\a;b's\\x.nht", " C:\\\"q\"\\x.nht ", "'x", "C:\\网页特效\\a&#x26;b"}) {
    c = ParseConnectionString("Data Source=" + ConnectionStringValue(path) + ";Jet OLEDB:Database Password=p");
    EXPECT_EQ(c.DataSource, path);
    EXPECT_EQ(c.Password, "p");
  }
  EXPECT_EQ(ConnectionStringValue("C:\\网页特效\\spect.nht"), "C:\\网页特效\\spect.nht");
  EXPECT_EQ(ConnectionStringValue("C:\\a;b"), "\"C:\\a;b\"");

  c = ParseConnectionString("junk;Data Source=x;;Data Source=y");
  EXPECT_EQ(c.DataSource, "y");
  EXPECT_EQ(c.Password, "");
}
