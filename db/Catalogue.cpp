#include "Catalogue.h"

#include "ConnectionString.h"
#include "Database.h"
#include "Utf8.h"
#include "ui/CodePage.h"

const char* const CataloguePassword = "qorvint482";

void CreateCatalogue(const std::filesystem::path& fileName, const std::string& password) {
  TDatabase database(fileName, password, TDatabase::omCreateNew);
  database.Execute(
      "CREATE TABLE SPECT (ID INTEGER PRIMARY KEY, ParentID INTEGER NOT NULL, "
      "EffectName TEXT NOT NULL COLLATE NOCASE, Code TEXT COLLATE NOCASE)");
  // The program looks rows up by category and by name: without these every
  // query would decrypt the whole file. A category's names come from its index
  // alone, in the order the rows were added, without reading the codes. Text compares as the program's original
  // store compared it: the case of the Latin letters A to Z is ignored, every other
  // character must match exactly; the name index follows the column.
  database.Execute("CREATE INDEX SPECT_ParentID ON SPECT (ParentID, ID, EffectName)");
  database.Execute("CREATE INDEX SPECT_EffectName ON SPECT (EffectName)");
}

void AppendCatalogueRows(const std::filesystem::path& fileName, const std::string& password,
                         const std::vector<TCatalogueRow>& rows) {
  TDatabase database(fileName, password, TDatabase::omExisting);
  database.Execute("BEGIN");
  try {
    TStatement statement(database, "INSERT INTO SPECT (ParentID, EffectName, Code) VALUES (?, ?, ?)");
    for (const TCatalogueRow& row : rows) {
      statement.Bind(1, TFieldValue::Int(row.ParentID));
      statement.Bind(2, TFieldValue::Text(AnsiToUtf8(row.EffectName)));
      statement.Bind(3, TFieldValue::Text(AnsiToUtf8(row.Code)));
      statement.Step();
      statement.Reset();
    }
    database.Execute("COMMIT");
  } catch (...) {
    database.Rollback();
    throw;
  }
}

std::string CatalogueConnectionString(const std::filesystem::path& fileName,
                                      const std::string& password) {
  return "Provider=Microsoft.Jet.OLEDB.4.0;Jet OLEDB:Database Password=" + password +
         ";Data Source=" + ConnectionStringValue(PathToAnsi(fileName.wstring())) +
         ";Persist Security Info=True";
}
