#include "ADOQuery.h"

#include <cctype>
#include <climits>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <mutex>
#include <set>

#include "ConnectionString.h"
#include "JetSql.h"
#include "Utf8.h"
#include "ui/CodePage.h"
#include "ui/SysUtils.h"

namespace {

const TFieldValue NullValue;

// SQLite quotes a name the way Jet quotes a literal.
std::string QuoteIdentifier(const std::string& name) { return JetQuotedStr(name); }

// Values cross this layer in code page 936; the file holds UTF-8.
TFieldValue ToAnsi(TFieldValue value) {
  if (value.Kind == TFieldValue::fvText) value.Bytes = Utf8ToAnsi(value.Bytes);
  return value;
}

std::string UpperAscii(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

TFieldValue ToUtf8(TFieldValue value) {
  if (value.Kind == TFieldValue::fvText) value.Bytes = AnsiToUtf8(value.Bytes);
  return value;
}

}  // namespace

// ---- TField ----

const TFieldValue& TField::Value() const { return FQuery.Value(FIndex); }

bool TField::IsNull() const { return Value().Kind == TFieldValue::fvNull; }

std::string TField::AsString() const {
  const TFieldValue& value = Value();
  switch (value.Kind) {
    case TFieldValue::fvNull: return {};
    case TFieldValue::fvInteger: return std::to_string(value.Integer);
    case TFieldValue::fvFloat: {
      char text[32];
      std::snprintf(text, sizeof text, "%.15g", value.Float);
      return text;
    }
    default: return value.Bytes;
  }
}

int TField::AsInteger() const {
  const TFieldValue& value = Value();
  switch (value.Kind) {
    case TFieldValue::fvNull: return 0;
    case TFieldValue::fvInteger:
      if (value.Integer < INT_MIN || value.Integer > INT_MAX)
        throw EConvertError(Format("'%s' is not a valid integer value", AsString().c_str()));
      return static_cast<int>(value.Integer);
    case TFieldValue::fvFloat:
      if (!(std::fabs(value.Float) <= INT_MAX))
        throw EConvertError(Format("'%s' is not a valid integer value", AsString().c_str()));
      return static_cast<int>(std::lround(value.Float));
    default: return StrToInt(Trim(value.Bytes));
  }
}

void TField::SetAsString(const std::string& value) { FQuery.SetValue(FIndex, TFieldValue::Text(value)); }

void TField::SetAsInteger(int value) { FQuery.SetValue(FIndex, TFieldValue::Int(value)); }

// ---- TADOQuery ----

TADOQuery::TADOQuery(TComponent* AOwner) : TComponent(AOwner) {
  FSQL.OnChange = [this](TObject*) { Close(); };
}

TADOQuery::~TADOQuery() {
  FSQL.OnChange = nullptr;
  Close();
}

void TADOQuery::SetConnectionString(const std::string& value) {
  if (value == FConnectionString) return;
  Close();
  FConnectionString = value;
}

void TADOQuery::Raise(const std::string& message) const {
  throw EDatabaseError(Name().empty() ? message : Name() + ": " + message);
}

void TADOQuery::CheckActive() const {
  if (!Active()) Raise("Cannot perform this operation on a closed dataset");
}

void TADOQuery::Open() {
  if (Active()) return;
  const TConnectionString connection = ParseConnectionString(FConnectionString);
  FDatabase = std::make_unique<TDatabase>(std::filesystem::path(PathFromAnsi(connection.DataSource)),
                                          connection.Password, TDatabase::omExisting);
  // Every statement outside a transaction takes and gives back the file's lock
  // and looks for a journal to roll back; the result's plan and its rows are read
  // under one.
  try {
    FDatabase->Execute("BEGIN");
    Execute(FSQL.Text());
    FDatabase->Execute("COMMIT");
  } catch (...) {
    if (FDatabase) FDatabase->Rollback();
    Close();
    throw;
  }
}

void TADOQuery::Execute(const std::string& text) {
  const TJetStatement jet = TranslateJetSql(text);
  std::unique_ptr<TStatement> prepared;
  const std::string planned = PlanDeferredColumns(jet.Sql);
  try {
    prepared = std::make_unique<TStatement>(*FDatabase, AnsiToUtf8(planned));
  } catch (const EDatabaseError&) {
    // A table without rowids (or a view) is read as written.
    if (planned == jet.Sql) throw;
    FDeferredTable.clear();
    prepared = std::make_unique<TStatement>(*FDatabase, AnsiToUtf8(jet.Sql));
  }
  TStatement& statement = *prepared;
  if (statement.ParamCount() != static_cast<int>(jet.Params.size()))
    throw EDatabaseError("No value given for one or more required parameters.");
  for (size_t i = 0; i < jet.Params.size(); ++i)
    statement.Bind(static_cast<int>(i) + 1, TFieldValue::Text(AnsiToUtf8(jet.Params[i])));
  // Only statements that return rows are run: anything else would change the
  // file and then fail.
  if (statement.ColumnCount() == 0) throw EDatabaseError("CommandText does not return a result set.");
  Fetch(statement);
  FInsertTable = PlainSelectTable(text);
  FRecNo = 0;
  FState = dsBrowse;
}

namespace {

// Which columns of a table a "select *" leaves in the file: those no index holds
// (the rowid's alias aside).
struct TColumnPlan {
  std::vector<std::string> Names;  // UTF-8, in the table's order
  std::vector<bool> Deferred;
};

TColumnPlan ReadColumnPlan(TDatabase& database, const std::string& quoted) {
  TColumnPlan plan;
  std::vector<bool> key;
  {
    TStatement info(database, "PRAGMA table_info(" + quoted + ")");
    while (info.Step()) {
      plan.Names.push_back(info.Column(1).Bytes);
      key.push_back(info.Column(5).Integer == 1 && UpperAscii(info.Column(2).Bytes) == "INTEGER");
    }
  }
  std::set<std::string> indexed;
  {
    TStatement list(database, "PRAGMA index_list(" + quoted + ")");
    while (list.Step()) {
      TStatement columns(database, "PRAGMA index_info(" + QuoteIdentifier(list.Column(1).Bytes) + ")");
      while (columns.Step())
        if (columns.Column(2).Kind == TFieldValue::fvText) indexed.insert(UpperAscii(columns.Column(2).Bytes));
    }
  }
  for (size_t i = 0; i < plan.Names.size(); ++i)
    plan.Deferred.push_back(!key[i] && !indexed.count(UpperAscii(plan.Names[i])));
  return plan;
}

// The definitions of a table and of its indexes, which its plan follows from
// entirely; empty when the main schema holds no table of that name.
std::string DefinitionsOf(TDatabase& database, const std::string& tableUtf8) {
  TStatement definitions(database,
                         "SELECT type, name, sql FROM sqlite_schema WHERE tbl_name = ?1 COLLATE NOCASE "
                         "AND type IN ('table', 'index') ORDER BY type DESC, name");
  definitions.Bind(1, TFieldValue::Text(tableUtf8));
  std::string text;
  bool table = false;
  while (definitions.Step()) {
    for (int i = 0; i < 3; ++i) text += definitions.Column(i).Bytes + '\0';
    table = table || definitions.Column(0).Bytes == "table";
  }
  return table ? text : std::string();
}

// Each switch of the list opens the catalogue anew; its schema stays the same, so
// the plan read once serves every later result of the same definitions.
TColumnPlan CachedColumnPlan(TDatabase& database, const std::string& tableUtf8) {
  static std::mutex guard;
  static std::map<std::string, TColumnPlan> plans;
  const std::string definitions = DefinitionsOf(database, tableUtf8);
  if (definitions.empty()) return ReadColumnPlan(database, QuoteIdentifier(tableUtf8));
  std::lock_guard<std::mutex> lock(guard);
  auto found = plans.find(definitions);
  if (found != plans.end()) return found->second;
  if (plans.size() >= 16) plans.clear();
  return plans[definitions] = ReadColumnPlan(database, QuoteIdentifier(tableUtf8));
}

}  // namespace

// A result of every column of a table need not read every column: the catalogue
// lists names by category from an index that holds them, and the codes beside
// them (most of the file) are read only for the rows whose code is asked for.
std::string TADOQuery::PlanDeferredColumns(const std::string& sql) {
  std::string table;
  size_t rest = 0;
  if (!SplitSelectStar(sql, table, rest)) return sql;
  TColumnPlan plan = CachedColumnPlan(*FDatabase, AnsiToUtf8(table));
  std::string select = "rowid";
  bool any = false;
  for (size_t i = 0; i < plan.Names.size(); ++i) {
    any = any || plan.Deferred[i];
    if (!plan.Deferred[i]) select += ", " + QuoteIdentifier(plan.Names[i]);
  }
  if (!any) return sql;
  FDeferredTable = AnsiToUtf8(table);
  FColumnNames = std::move(plan.Names);
  FDeferred = std::move(plan.Deferred);
  return "SELECT " + Utf8ToAnsi(select) + " FROM " + QuoteIdentifier(table) + " " + sql.substr(rest);
}

void TADOQuery::LoadDeferred(size_t row, size_t column) const {
  TFieldValue value;
  TStatement statement(*FDatabase, "SELECT " + QuoteIdentifier(FColumnNames[column]) + " FROM " +
                                       QuoteIdentifier(FDeferredTable) + " WHERE rowid = ?");
  statement.Bind(1, TFieldValue::Int(FRowIds[row]));
  if (statement.Step()) value = statement.Column(0);
  FValues[Cell(row, column)] = std::move(value);
  FCellStates[Cell(row, column)] = csFromFile;
}

void TADOQuery::Fetch(TStatement& statement) {
  if (!FDeferredTable.empty()) {
    const size_t columns = FColumnNames.size();
    for (size_t i = 0; i < columns; ++i)
      FFields.push_back(std::unique_ptr<TField>(new TField(*this, static_cast<int>(i), Utf8ToAnsi(FColumnNames[i]))));
    while (statement.Step()) {
      int next = 1;
      for (size_t i = 0; i < columns; ++i) {
        FValues.push_back(FDeferred[i] ? TFieldValue() : statement.Column(next++));
        FCellStates.push_back(FDeferred[i] ? csMissing : csFromFile);
      }
      FRowIds.push_back(statement.Column(0).Integer);
      ++FRowCount;
    }
    return;
  }
  const int columns = statement.ColumnCount();
  for (int i = 0; i < columns; ++i)
    FFields.push_back(std::unique_ptr<TField>(new TField(*this, i, Utf8ToAnsi(statement.ColumnName(i)))));
  while (statement.Step()) {
    for (int i = 0; i < columns; ++i) FValues.push_back(statement.Column(i));
    FCellStates.resize(FValues.size(), csFromFile);
    ++FRowCount;
  }
}

void TADOQuery::AppendRow(TRow row, std::uint8_t state) {
  for (TFieldValue& value : row) FValues.push_back(std::move(value));
  FCellStates.resize(FValues.size(), state);
  ++FRowCount;
}

void TADOQuery::Close() {
  FState = dsInactive;
  FInsertRow.clear();
  FInsertAssigned.clear();
  FInsertTable.clear();
  FValues.clear();
  FCellStates.clear();
  FRowCount = 0;
  FDeferredTable.clear();
  FColumnNames.clear();
  FDeferred.clear();
  FRowIds.clear();
  FRecNo = 0;
  FFields.clear();
  FDatabase.reset();
}

bool TADOQuery::Eof() const {
  if (FState == dsInsert) return false;
  return FState == dsInactive || FRecNo >= FRowCount;
}

void TADOQuery::Next() {
  CheckActive();
  if (FState == dsInsert) Post();
  if (FRecNo < FRowCount) ++FRecNo;
}

TField* TADOQuery::FindField(const std::string& name) const {
  for (const auto& field : FFields)
    if (SameText(field->FieldName(), name)) return field.get();
  return nullptr;
}

TField& TADOQuery::FieldByName(const std::string& name) const {
  TField* field = FindField(name);
  if (!field) Raise("Field '" + name + "' not found");
  return *field;
}

const TFieldValue& TADOQuery::Value(int index) const {
  const auto i = static_cast<size_t>(index);
  if (FState == dsInsert) return FInsertRow[i];
  if (FState != dsBrowse || FRecNo >= FRowCount) return NullValue;
  // Text comes out of the file as UTF-8 and is turned into 936 when first read:
  // a walk over names never pays for the codes beside them.
  const size_t cell = Cell(FRecNo, i);
  if (FCellStates[cell] == csMissing) LoadDeferred(FRecNo, i);
  TFieldValue& value = FValues[cell];
  if (FCellStates[cell] == csFromFile) {
    value = ToAnsi(std::move(value));
    FCellStates[cell] = csConverted;
  }
  return value;
}

void TADOQuery::SetValue(int index, TFieldValue value) {
  if (FState != dsInsert) Raise("Dataset not in edit or insert mode");
  FInsertRow[static_cast<size_t>(index)] = std::move(value);
  FInsertAssigned[static_cast<size_t>(index)] = true;
}

void TADOQuery::Insert() {
  CheckActive();
  if (FInsertTable.empty()) Raise("Cannot modify a read-only dataset");
  if (FState == dsInsert) Post();
  FInsertRow.assign(FFields.size(), TFieldValue());
  FInsertAssigned.assign(FFields.size(), false);
  FState = dsInsert;
}

void TADOQuery::Post() {
  if (FState != dsInsert) Raise("Dataset not in edit or insert mode");
  FDatabase->Execute("BEGIN");
  std::int64_t rowId = 0;
  try {
    WriteInsert();
    rowId = FDatabase->LastInsertRowId();
    FDatabase->Execute("COMMIT");
  } catch (...) {
    FDatabase->Rollback();
    throw;
  }
  AppendPostedRow(rowId);
  FInsertRow.clear();
  FInsertAssigned.clear();
  FState = dsBrowse;
}

// Only the fields that were set are named, so the others take the table's defaults.
void TADOQuery::WriteInsert() {
  std::string columns, params;
  std::vector<TFieldValue> values;
  for (size_t i = 0; i < FFields.size(); ++i) {
    if (!FInsertAssigned[i]) continue;
    if (!values.empty()) {
      columns += ", ";
      params += ", ";
    }
    columns += QuoteIdentifier(AnsiToUtf8(FFields[i]->FieldName()));
    params += "?";
    values.push_back(ToUtf8(FInsertRow[i]));
  }
  const std::string sql =
      "INSERT INTO " + QuoteIdentifier(AnsiToUtf8(FInsertTable)) +
      (values.empty() ? std::string(" DEFAULT VALUES") : " (" + columns + ") VALUES (" + params + ")");
  TStatement statement(*FDatabase, sql);
  for (size_t i = 0; i < values.size(); ++i) statement.Bind(static_cast<int>(i) + 1, values[i]);
  statement.Step();
}

// The posted row joins the result as the file now holds it (defaults and the key
// filled in) and becomes current. Should reading it back fail, the values as set
// serve: the row is committed either way, so Post does not fail for that.
void TADOQuery::AppendPostedRow(std::int64_t rowId) {
  TRow row = FInsertRow;
  try {
    const std::string table = QuoteIdentifier(AnsiToUtf8(FInsertTable));
    TStatement statement(*FDatabase, "SELECT * FROM " + table + " WHERE rowid = ?");
    statement.Bind(1, TFieldValue::Int(rowId));
    if (statement.ColumnCount() == static_cast<int>(FFields.size()) && statement.Step()) {
      for (size_t i = 0; i < row.size(); ++i) row[i] = ToAnsi(statement.Column(static_cast<int>(i)));
    }
  } catch (const EDatabaseError&) {
  }
  AppendRow(std::move(row), csConverted);
  if (!FDeferredTable.empty()) FRowIds.push_back(rowId);
  FRecNo = FRowCount - 1;
}
