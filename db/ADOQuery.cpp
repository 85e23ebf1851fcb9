#include "ADOQuery.h"

#include <cctype>
#include <climits>
#include <cmath>
#include <cstdio>
#include <filesystem>
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
  try {
    Execute(FSQL.Text());
  } catch (...) {
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

// A result of every column of a table need not read every column: the catalogue
// lists names by category from an index that holds them, and the codes beside
// them (most of the file) are read only for the rows whose code is asked for.
std::string TADOQuery::PlanDeferredColumns(const std::string& sql) {
  std::string table;
  size_t rest = 0;
  if (!SplitSelectStar(sql, table, rest)) return sql;
  const std::string quoted = QuoteIdentifier(AnsiToUtf8(table));
  std::vector<std::string> names;
  std::vector<bool> key;
  {
    TStatement info(*FDatabase, "PRAGMA table_info(" + quoted + ")");
    while (info.Step()) {
      names.push_back(info.Column(1).Bytes);
      key.push_back(info.Column(5).Integer == 1 && UpperAscii(info.Column(2).Bytes) == "INTEGER");
    }
  }
  std::set<std::string> indexed;
  {
    TStatement list(*FDatabase, "PRAGMA index_list(" + quoted + ")");
    while (list.Step()) {
      TStatement columns(*FDatabase, "PRAGMA index_info(" + QuoteIdentifier(list.Column(1).Bytes) + ")");
      while (columns.Step())
        if (columns.Column(2).Kind == TFieldValue::fvText) indexed.insert(UpperAscii(columns.Column(2).Bytes));
    }
  }
  std::vector<bool> deferred(names.size());
  std::string select = "rowid";
  bool any = false;
  for (size_t i = 0; i < names.size(); ++i) {
    deferred[i] = !key[i] && !indexed.count(UpperAscii(names[i]));
    any = any || deferred[i];
    if (!deferred[i]) select += ", " + QuoteIdentifier(names[i]);
  }
  if (!any) return sql;
  FDeferredTable = AnsiToUtf8(table);
  FColumnNames = std::move(names);
  FDeferred = std::move(deferred);
  return "SELECT " + Utf8ToAnsi(select) + " FROM " + QuoteIdentifier(table) + " " + sql.substr(rest);
}

void TADOQuery::LoadDeferred(size_t row, size_t column) const {
  TFieldValue value;
  TStatement statement(*FDatabase, "SELECT " + QuoteIdentifier(FColumnNames[column]) + " FROM " +
                                       QuoteIdentifier(FDeferredTable) + " WHERE rowid = ?");
  statement.Bind(1, TFieldValue::Int(FRowIds[row]));
  if (statement.Step()) value = statement.Column(0);
  FRows[row][column] = std::move(value);
  FMissing[row][column] = false;
}

void TADOQuery::Fetch(TStatement& statement) {
  if (!FDeferredTable.empty()) {
    const size_t columns = FColumnNames.size();
    for (size_t i = 0; i < columns; ++i)
      FFields.push_back(std::unique_ptr<TField>(new TField(*this, static_cast<int>(i), Utf8ToAnsi(FColumnNames[i]))));
    while (statement.Step()) {
      TRow row(columns);
      int next = 1;
      for (size_t i = 0; i < columns; ++i)
        if (!FDeferred[i]) row[i] = statement.Column(next++);
      FRowIds.push_back(statement.Column(0).Integer);
      FRows.push_back(std::move(row));
      FConverted.emplace_back(columns, false);
      FMissing.push_back(FDeferred);
    }
    return;
  }
  const int columns = statement.ColumnCount();
  for (int i = 0; i < columns; ++i)
    FFields.push_back(std::unique_ptr<TField>(new TField(*this, i, Utf8ToAnsi(statement.ColumnName(i)))));
  while (statement.Step()) {
    TRow row;
    row.reserve(static_cast<size_t>(columns));
    for (int i = 0; i < columns; ++i) row.push_back(statement.Column(i));
    FRows.push_back(std::move(row));
    FConverted.emplace_back(static_cast<size_t>(columns), false);
  }
}

void TADOQuery::Close() {
  FState = dsInactive;
  FInsertRow.clear();
  FInsertAssigned.clear();
  FInsertTable.clear();
  FRows.clear();
  FConverted.clear();
  FDeferredTable.clear();
  FColumnNames.clear();
  FDeferred.clear();
  FRowIds.clear();
  FMissing.clear();
  FRecNo = 0;
  FFields.clear();
  FDatabase.reset();
}

bool TADOQuery::Eof() const {
  if (FState == dsInsert) return false;
  return FState == dsInactive || FRecNo >= FRows.size();
}

void TADOQuery::Next() {
  CheckActive();
  if (FState == dsInsert) Post();
  if (FRecNo < FRows.size()) ++FRecNo;
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
  if (FState != dsBrowse || FRecNo >= FRows.size()) return NullValue;
  // Text comes out of the file as UTF-8 and is turned into 936 when first read:
  // a walk over names never pays for the codes beside them.
  if (!FMissing.empty() && FMissing[FRecNo][i]) LoadDeferred(FRecNo, i);
  TFieldValue& value = FRows[FRecNo][i];
  if (!FConverted[FRecNo][i]) {
    value = ToAnsi(std::move(value));
    FConverted[FRecNo][i] = true;
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
  FRows.push_back(std::move(row));
  FConverted.emplace_back(FFields.size(), true);
  if (!FDeferredTable.empty()) {
    FRowIds.push_back(rowId);
    FMissing.emplace_back(FFields.size(), false);
  }
  FRecNo = FRows.size() - 1;
}
