#include "app/CatalogueAccess.h"

#include "db/ConnectionString.h"
#include "db/Database.h"
#include "db/JetSql.h"
#include "ui/CodePage.h"
#include "ui/SysUtils.h"

const char kCategoryStatement[] = "SELECT * FROM SPECT Where ParentID=0";
const char kInsertStatement[] = "select * from spect";

std::string BuildConnectionString() {
  return "Provider=Microsoft.Jet.OLEDB.4.0;Jet OLEDB:Database Password=qorvint482;Data Source=" +
         ConnectionStringValue(PathToAnsi(ExeFolder() + L"spect.nht")) + ";Persist Security Info=True";
}

namespace {

TConnectionString CatalogueConnection() { return ParseConnectionString(BuildConnectionString()); }

}  // namespace

void PrepareCatalogueKey() {
  const TConnectionString c = CatalogueConnection();
  TDatabase::PrepareKey(PathFromAnsi(c.DataSource), c.Password);
}

void DeriveCatalogueKey() {
  const TConnectionString c = CatalogueConnection();
  TDatabase::DeriveKey(PathFromAnsi(c.DataSource), c.Password);
}

std::string EffectsStatement(int category) {
  return "SELECT * FROM SPECT Where ParentID=" + std::to_string(category);
}

std::string LookupStatement(const std::string& name) {
  return "SELECT * FROM SPECT Where EffectName=" + JetQuotedStr(name);
}
