#include "Database.h"

#include <sqlite3.h>

#include <fstream>
#include <future>
#include <map>
#include <mutex>
#include <optional>
#include <system_error>

#include "DatabaseError.h"
#include "KeyDerivation.h"
#include "Utf8.h"
#include "ui/CodePage.h"

namespace {

// The catalogue's cipher (ChaCha20): a 32-byte key derived in 64007 rounds from the
// password and the 16-byte salt at the start of the file.
constexpr size_t kSaltLength = 16;
constexpr size_t kKeyLength = 32;
constexpr int kKeyRounds = 64007;
// The salt and one page of the smallest page size: no catalogue file is shorter.
constexpr std::uintmax_t kSmallestFile = kSaltLength + 512;

std::wstring FullPath(const std::filesystem::path& fileName) {
  std::error_code ec;
  const std::filesystem::path full = std::filesystem::absolute(fileName, ec);
  return (ec ? fileName : full).wstring();
}

}  // namespace

TDatabase::TDatabase(const std::filesystem::path& fileName, const std::string& password,
                     TOpenMode mode)
    : FFilePath(FullPath(fileName)) {
  std::error_code ec;
  int flags = SQLITE_OPEN_READWRITE;
  if (mode == omExisting) {
    if (!std::filesystem::is_regular_file(fileName, ec))
      RaisePathError<EDatabaseError>("Could not find file '", FFilePath, "'.");
    // An empty or cut-short file would read as a new, empty database.
    if (std::filesystem::file_size(fileName, ec) < kSmallestFile || ec) RaiseDamaged();
  } else {
    if (std::filesystem::exists(fileName, ec) || ec)
      RaisePathError<EDatabaseError>("Could not create file '", FFilePath, "': it already exists.");
    flags |= SQLITE_OPEN_CREATE;
  }
  if (mode == omExisting && !password.empty() && OpenWithDerivedKey(fileName, password, flags)) return;
  Open(fileName, flags);
  try {
    ApplyKey(password);
    if (mode == omExisting) CheckReadable();
  } catch (...) {
    Close();
    throw;
  }
}

void TDatabase::Open(const std::filesystem::path& fileName, int flags) {
  // The engine turns the UTF-8 name into the wide form and opens it with the W API.
  const int rc = sqlite3_open_v2(WideToUtf8(fileName.wstring()).c_str(), &FHandle, flags, nullptr);
  if (rc != SQLITE_OK) {
    try {
      RaiseLastError();
    } catch (...) {
      Close();
      throw;
    }
  }
  sqlite3_busy_timeout(FHandle, 2000);
}

void TDatabase::Close() noexcept {
  sqlite3_close_v2(FHandle);
  FHandle = nullptr;
}

namespace {

// The salt that opens the file: its first bytes. Empty when they cannot be read.
std::string ReadSaltFromFile(const std::filesystem::path& fileName) {
  std::string salt(kSaltLength, '\0');
  std::ifstream file(fileName, std::ios::binary);
  if (!file.read(salt.data(), static_cast<std::streamsize>(salt.size()))) return {};
  return salt;
}

// Opening a file costs several times what asking after its size and time does, and
// the program connects to the same file for every list it shows. A file of the same
// size and time of its last write keeps the salt read last; should it have changed
// all the same, the derived key does not open it and the password is given as usual.
struct TSeenSalt {
  std::uintmax_t Size;
  std::filesystem::file_time_type Written;
  std::string Salt;
};
std::mutex SeenSaltsGuard;
std::map<std::filesystem::path, TSeenSalt> SeenSalts;

std::string ReadSalt(const std::filesystem::path& fileName) {
  std::error_code ec;
  const std::uintmax_t size = std::filesystem::file_size(fileName, ec);
  const auto written = ec ? std::filesystem::file_time_type() : std::filesystem::last_write_time(fileName, ec);
  if (ec) return ReadSaltFromFile(fileName);
  {
    std::lock_guard<std::mutex> lock(SeenSaltsGuard);
    auto found = SeenSalts.find(fileName);
    if (found != SeenSalts.end() && found->second.Size == size && found->second.Written == written)
      return found->second.Salt;
  }
  std::string salt = ReadSaltFromFile(fileName);
  if (salt.empty()) return salt;
  std::lock_guard<std::mutex> lock(SeenSaltsGuard);
  if (SeenSalts.size() >= 16) SeenSalts.clear();
  SeenSalts[fileName] = {size, written, salt};
  return salt;
}

// A salt kept for a file that the derived key then did not open is read again next time.
void ForgetSalt(const std::filesystem::path& fileName) {
  std::lock_guard<std::mutex> lock(SeenSaltsGuard);
  SeenSalts.erase(fileName);
}

// The cipher derives the file's key from the password and the salt. A key is
// derived once per process: the first to ask starts it (on a thread of its own
// when asked ahead of time), and everyone after waits for that one result.
std::shared_future<std::string> DerivedKey(const std::string& salt, const std::string& utf8,
                                           std::launch policy) {
  static std::mutex guard;
  static std::map<std::string, std::shared_future<std::string>> derived;
  std::lock_guard<std::mutex> lock(guard);
  std::shared_future<std::string>& slot = derived[salt + utf8];
  if (!slot.valid())
    slot = std::async(policy, [salt, utf8] { return Pbkdf2HmacSha256(utf8, salt, kKeyRounds, kKeyLength); })
               .share();
  return slot;
}

// The key of the file under `password`, started by `policy`; none for a file that
// cannot be read.
std::optional<std::shared_future<std::string>> KeyOf(const std::filesystem::path& fileName,
                                                     const std::string& password, std::launch policy) {
  const std::string salt = ReadSalt(fileName);
  if (salt.empty() || password.empty()) return std::nullopt;
  return DerivedKey(salt, AnsiToUtf8(password), policy);
}

}  // namespace

void TDatabase::PrepareKey(const std::filesystem::path& fileName, const std::string& password) {
  try {
    KeyOf(fileName, password, std::launch::async);
  } catch (const std::system_error&) {
    // No thread to be had: the first connection derives the key itself.
  }
}

void TDatabase::DeriveKey(const std::filesystem::path& fileName, const std::string& password) {
  if (auto key = KeyOf(fileName, password, std::launch::deferred)) key->wait();
}

// Should the file not open with the derived key, the password is given to the
// engine as usual.
bool TDatabase::OpenWithDerivedKey(const std::filesystem::path& fileName, const std::string& password,
                                   int flags) {
  const std::string salt = ReadSalt(fileName);
  if (salt.empty()) return false;
  const std::string key = DerivedKey(salt, AnsiToUtf8(password), std::launch::deferred).get();
  Open(fileName, flags);
  const std::string raw = "raw:" + key;
  if (sqlite3_key(FHandle, raw.data(), static_cast<int>(raw.size())) == SQLITE_OK &&
      sqlite3_exec(FHandle, "SELECT count(*) FROM sqlite_schema", nullptr, nullptr, nullptr) == SQLITE_OK)
    return true;
  Close();
  ForgetSalt(fileName);
  return false;
}

TDatabase::~TDatabase() { Close(); }

void TDatabase::ApplyKey(const std::string& password) {
  if (password.empty()) return;
  const std::string key = AnsiToUtf8(password);
  if (sqlite3_key(FHandle, key.data(), static_cast<int>(key.size())) != SQLITE_OK)
    RaiseRefused();
}

// The key is only tried when the first page is read: a wrong key (or a key given
// for a file without one, or none for a file with one) makes the file unreadable.
void TDatabase::CheckReadable() {
  const int rc = sqlite3_exec(FHandle, "SELECT count(*) FROM sqlite_schema", nullptr, nullptr, nullptr);
  if (rc == SQLITE_NOTADB)
    RaiseRefused();
  if (rc != SQLITE_OK) RaiseLastError();
}

void TDatabase::RaiseDamaged() const {
  RaisePathError<EDatabaseError>("The catalogue file '", FFilePath, "' is damaged.");
}

void TDatabase::RaiseRefused() const {
  RaisePathError<EDatabaseError>("Not a valid password, or not a catalogue file: '", FFilePath, "'.");
}

void TDatabase::Execute(const std::string& sql) {
  if (sqlite3_exec(FHandle, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) RaiseLastError();
}

void TDatabase::Rollback() noexcept {
  if (!sqlite3_get_autocommit(FHandle)) sqlite3_exec(FHandle, "ROLLBACK", nullptr, nullptr, nullptr);
}

std::int64_t TDatabase::LastInsertRowId() const { return sqlite3_last_insert_rowid(FHandle); }

// Every failure names the file it happened in. Pages that do not decrypt or do not
// hang together once the file is open mean a damaged file, not a wrong password.
void TDatabase::RaiseLastError() const {
  if (!FHandle) throw EDatabaseError("SQL error: out of memory");
  const int code = sqlite3_errcode(FHandle) & 0xFF;
  if (code == SQLITE_CORRUPT || code == SQLITE_NOTADB) RaiseDamaged();
  RaisePathError<EDatabaseError>("SQL error: " + Utf8ToAnsi(sqlite3_errmsg(FHandle)) + " (", FFilePath, ")");
}

TStatement::TStatement(TDatabase& database, const std::string& sql) : FDatabase(database) {
  const char* tail = nullptr;
  if (sqlite3_prepare_v2(database.Handle(), sql.c_str(), static_cast<int>(sql.size()), &FHandle,
                         &tail) != SQLITE_OK)
    database.RaiseLastError();
  if (!FHandle) throw EDatabaseError("SQL error: the statement is empty");
  // A second statement after the first would silently be dropped.
  for (; tail && *tail; ++tail) {
    if (static_cast<unsigned char>(*tail) > ' ') {
      sqlite3_finalize(FHandle);
      throw EDatabaseError("SQL error: characters found after end of SQL statement");
    }
  }
}

TStatement::~TStatement() { sqlite3_finalize(FHandle); }

int TStatement::ParamCount() const { return sqlite3_bind_parameter_count(FHandle); }

void TStatement::Bind(int index, const TFieldValue& value) {
  int rc = SQLITE_OK;
  switch (value.Kind) {
    case TFieldValue::fvNull: rc = sqlite3_bind_null(FHandle, index); break;
    case TFieldValue::fvInteger: rc = sqlite3_bind_int64(FHandle, index, value.Integer); break;
    case TFieldValue::fvFloat: rc = sqlite3_bind_double(FHandle, index, value.Float); break;
    case TFieldValue::fvText:
      rc = sqlite3_bind_text(FHandle, index, value.Bytes.data(), static_cast<int>(value.Bytes.size()),
                             SQLITE_TRANSIENT);
      break;
    case TFieldValue::fvBlob:
      rc = sqlite3_bind_blob(FHandle, index, value.Bytes.data(), static_cast<int>(value.Bytes.size()),
                             SQLITE_TRANSIENT);
      break;
  }
  if (rc != SQLITE_OK) FDatabase.RaiseLastError();
}

bool TStatement::Step() {
  const int rc = sqlite3_step(FHandle);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  FDatabase.RaiseLastError();
}

void TStatement::Reset() { sqlite3_reset(FHandle); }

int TStatement::ColumnCount() const { return sqlite3_column_count(FHandle); }

std::string TStatement::ColumnName(int index) const {
  const char* name = sqlite3_column_name(FHandle, index);
  return name ? name : "";
}

TFieldValue TStatement::Column(int index) const {
  switch (sqlite3_column_type(FHandle, index)) {
    case SQLITE_INTEGER: return TFieldValue::Int(sqlite3_column_int64(FHandle, index));
    case SQLITE_FLOAT: return {TFieldValue::fvFloat, 0, sqlite3_column_double(FHandle, index), {}};
    case SQLITE_NULL: return {};
    default: break;
  }
  const bool text = sqlite3_column_type(FHandle, index) == SQLITE_TEXT;
  const void* data = text ? static_cast<const void*>(sqlite3_column_text(FHandle, index))
                          : sqlite3_column_blob(FHandle, index);
  const int size = sqlite3_column_bytes(FHandle, index);
  std::string bytes(data ? static_cast<const char*>(data) : "", data ? static_cast<size_t>(size) : 0);
  return {text ? TFieldValue::fvText : TFieldValue::fvBlob, 0, 0, std::move(bytes)};
}
