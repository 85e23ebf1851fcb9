#pragma once
// A connection to one encrypted catalogue file, and its prepared statements.
// Text passed in and out here is UTF-8, the form the file holds it in; the query
// object converts from and to the system's code page 936.
#include <cstdint>
#include <filesystem>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

// A column's value in a row, as the file holds it.
struct TFieldValue {
  enum TKind { fvNull, fvInteger, fvFloat, fvText, fvBlob };
  TKind Kind = fvNull;
  std::int64_t Integer = 0;
  double Float = 0;
  // fvText: the text (UTF-8 or, once converted by its user, code page 936); fvBlob: the bytes.
  std::string Bytes;

  static TFieldValue Text(std::string text) { return {fvText, 0, 0, std::move(text)}; }
  static TFieldValue Int(std::int64_t value) { return {fvInteger, value, 0, {}}; }
};

class TDatabase {
 public:
  enum TOpenMode { omExisting, omCreateNew };
  // Opens the file under `password` (code page 936; empty: a file without a key).
  // omExisting never creates a file: a missing one raises "Could not find file
  // '<full path>'.", a refused password (which a file that is no catalogue at all
  // looks like) "Not a valid password, or not a catalogue file: '<full path>'.", a
  // cut-short or otherwise damaged file "The catalogue file '<full path>' is
  // damaged.". omCreateNew makes a new file and refuses one that exists.
  TDatabase(const std::filesystem::path& fileName, const std::string& password, TOpenMode mode);
  ~TDatabase();
  // Starts deriving, on a thread of its own, the key the file's first connection
  // under `password` will need; that connection then waits for it instead of
  // deriving it itself. Nothing happens for a file that cannot be read.
  static void PrepareKey(const std::filesystem::path& fileName, const std::string& password);
  // The same derivation here and now, for a caller already on a thread of its own.
  // Should a connection have started the derivation first, this waits for it.
  static void DeriveKey(const std::filesystem::path& fileName, const std::string& password);
  TDatabase(const TDatabase&) = delete;
  TDatabase& operator=(const TDatabase&) = delete;

  // Runs statements that return no rows; raises EDatabaseError.
  void Execute(const std::string& sql);
  // Ends an open transaction without its changes. Never raises: if even that fails,
  // the engine rolls back when the connection closes.
  void Rollback() noexcept;
  std::int64_t LastInsertRowId() const;
  sqlite3* Handle() const { return FHandle; }
  // EDatabaseError with the engine's message for the last failed call and the file's path.
  [[noreturn]] void RaiseLastError() const;

 private:
  void Open(const std::filesystem::path& fileName, int flags);
  void Close() noexcept;
  bool OpenWithDerivedKey(const std::filesystem::path& fileName, const std::string& password, int flags);
  void ApplyKey(const std::string& password);
  void CheckReadable();
  [[noreturn]] void RaiseDamaged() const;
  [[noreturn]] void RaiseRefused() const;

  std::wstring FFilePath;  // the full path, for messages
  sqlite3* FHandle = nullptr;
};

class TStatement {
 public:
  TStatement(TDatabase& database, const std::string& sql);
  ~TStatement();
  TStatement(const TStatement&) = delete;
  TStatement& operator=(const TStatement&) = delete;

  int ParamCount() const;
  // Parameters count from 1.
  void Bind(int index, const TFieldValue& value);
  // True when a row is ready; false when the statement is done. Raises on failure.
  bool Step();
  // Makes the statement ready to run again; the bound values stay.
  void Reset();
  int ColumnCount() const;
  std::string ColumnName(int index) const;
  TFieldValue Column(int index) const;

 private:
  TDatabase& FDatabase;
  sqlite3_stmt* FHandle = nullptr;
};
