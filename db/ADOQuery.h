#pragma once
// TADOQuery: the one query object through which the program reads and extends
// its catalogue. It speaks Jet's statement dialect over an encrypted SQLite file:
// double-quoted text is a string literal, and names match without regard to case.
//
// Open runs the statement and keeps the whole result in memory (the catalogue is
// small), positioned on the first row. The result of a plain "select * from <table>"
// also takes new rows: Insert, set the fields, Post.
//
// Text in and out is code page 936; the file holds it as UTF-8 so that standard
// tools that know the password read it.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Database.h"
#include "DatabaseError.h"
#include "ui/Component.h"
#include "ui/Strings.h"

class TADOQuery;

// A column of the open result. The values it reads and writes are those of the
// query's current row (in insert state: the new row).
class TField {
 public:
  const std::string& FieldName() const { return FFieldName; }
  bool IsNull() const;
  // Empty for a null; numbers in decimal.
  std::string AsString() const;
  // 0 for a null; text must be a decimal integer (EConvertError otherwise).
  int AsInteger() const;
  // Only in insert state (EDatabaseError otherwise).
  void SetAsString(const std::string& value);
  void SetAsInteger(int value);

 private:
  friend class TADOQuery;
  TField(TADOQuery& query, int index, std::string fieldName)
      : FQuery(query), FIndex(index), FFieldName(std::move(fieldName)) {}
  const TFieldValue& Value() const;

  TADOQuery& FQuery;
  int FIndex;
  std::string FFieldName;
};

enum TDataSetState { dsInactive, dsBrowse, dsInsert };

class TADOQuery : public TComponent {
 public:
  explicit TADOQuery(TComponent* AOwner);
  ~TADOQuery() override;

  // "Data Source=<file>;Jet OLEDB:Database Password=<password>;..." (other keys are
  // ignored). The same text again changes nothing, even while a result is open;
  // another text closes the result.
  const std::string& ConnectionString() const { return FConnectionString; }
  void SetConnectionString(const std::string& value);

  // The statement. Any change to it closes an open result.
  TStrings& SQL() { return FSQL; }

  // Opens the file, runs the statement and positions on the first row. Nothing
  // happens when a result is already open.
  void Open();
  // Releases the result and the file; an insert not yet posted is discarded.
  void Close();
  bool Active() const { return FState != dsInactive; }
  TDataSetState State() const { return FState; }

  // True when there is no current row: at once for an empty result, after Next
  // has passed the last row, and while closed.
  bool Eof() const;
  void Next();
  int RecordCount() const { return static_cast<int>(FRowCount); }
  // Columns of the result, in its order.
  int FieldCount() const { return static_cast<int>(FFields.size()); }
  TField& Fields(int index) const { return *FFields.at(static_cast<size_t>(index)); }
  // The column of that name, letter case ignored. Raises "<Name>: Field '<name>' not
  // found" for a name the result does not have.
  TField& FieldByName(const std::string& name) const;
  TField* FindField(const std::string& name) const;

  // Adds an empty row to the open result of a plain "select * from <table>" and
  // makes it current, in insert state. A pending insert is posted first.
  void Insert();
  // Writes the new row to the file in one transaction and returns to browsing,
  // positioned on it. On failure nothing of the row is in the file, the query stays
  // in insert state and the error is raised.
  void Post();

 private:
  friend class TField;
  using TRow = std::vector<TFieldValue>;

  [[noreturn]] void Raise(const std::string& message) const;
  void CheckActive() const;
  void Execute(const std::string& statement);
  void Fetch(TStatement& statement);
  // For "select * from <table> [where ...]": the columns no index holds are left
  // in the file until a row's value is asked for (see Execute). Returns the
  // statement to run: `sql`, or the one that reads the other columns.
  std::string PlanDeferredColumns(const std::string& sql);
  void LoadDeferred(size_t row, size_t column) const;
  size_t Cell(size_t row, size_t column) const { return row * FFields.size() + column; }
  void AppendRow(TRow row, std::uint8_t state);
  void SetValue(int index, TFieldValue value);
  const TFieldValue& Value(int index) const;
  void WriteInsert();
  void AppendPostedRow(std::int64_t rowId);

  std::string FConnectionString;
  TStringList FSQL;
  TDataSetState FState = dsInactive;
  std::unique_ptr<TDatabase> FDatabase;
  std::vector<std::unique_ptr<TField>> FFields;
  // The rows' values one after the other, as the file holds them until read; each
  // value's state says whether it is turned into 936 yet or still waits in the file.
  enum : std::uint8_t { csFromFile = 0, csConverted = 1, csMissing = 2 };
  mutable std::vector<TFieldValue> FValues;
  mutable std::vector<std::uint8_t> FCellStates;
  size_t FRowCount = 0;
  // With deferred columns: the table (UTF-8), its column names (UTF-8), which
  // columns wait in the file and each row's rowid.
  std::string FDeferredTable;
  std::vector<std::string> FColumnNames;
  std::vector<bool> FDeferred;
  std::vector<std::int64_t> FRowIds;
  size_t FRecNo = 0;
  // The table of a plain "select * from <table>"; empty when the result takes no rows.
  std::string FInsertTable;
  TRow FInsertRow;
  std::vector<bool> FInsertAssigned;
};
