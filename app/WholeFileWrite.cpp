#include <windows.h>

#include "app/WholeFileWrite.h"

#include <algorithm>
#include <string>

#include "ui/CodePage.h"
#include "ui/Exception.h"

namespace {

constexpr DWORD kBlockSize = 64 * 1024;

// The platform's text for an error code, without its line break.
std::wstring SystemMessage(DWORD code) {
  wchar_t* text = nullptr;
  const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                     FORMAT_MESSAGE_IGNORE_INSERTS,
                                 nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring message = n && text ? std::wstring(text, n) : L"error " + std::to_wstring(code);
  LocalFree(text);
  while (!message.empty() && (message.back() == L'\r' || message.back() == L'\n' || message.back() == L' '))
    message.pop_back();
  return message;
}

[[noreturn]] void RaiseFileError(const std::string& before, const std::wstring& target,
                                 const std::string& after, DWORD code) {
  RaisePathError<EInOutError>(before, target, after + " (" + WideToAnsi(SystemMessage(code)) + ")");
}

// An open file that is closed, and deleted unless kept, when it goes.
class TNewFile {
 public:
  TNewFile(std::wstring path, HANDLE handle) : FPath(std::move(path)), FHandle(handle) {}
  ~TNewFile() {
    if (FHandle != INVALID_HANDLE_VALUE) CloseHandle(FHandle);
    if (!FKept) DeleteFileW(FPath.c_str());
  }
  TNewFile(const TNewFile&) = delete;
  TNewFile& operator=(const TNewFile&) = delete;

  HANDLE Handle() const { return FHandle; }
  const std::wstring& Path() const { return FPath; }
  // Closes the file; false when the platform reports that the data did not reach it.
  bool Close() {
    const bool closed = CloseHandle(FHandle) != FALSE;
    FHandle = INVALID_HANDLE_VALUE;
    return closed;
  }
  void Keep() { FKept = true; }

 private:
  std::wstring FPath;
  HANDLE FHandle;
  bool FKept = false;
};

// A file of a name no other file has in `folder`, made now.
TNewFile CreateBeside(const std::filesystem::path& folder, const std::wstring& target) {
  DWORD seed = GetTickCount() ^ (GetCurrentProcessId() << 16);
  for (int attempt = 0;; ++attempt) {
    wchar_t name[32];
    swprintf(name, 32, L"~tav%08lX.tmp", static_cast<unsigned long>(seed + attempt));
    const std::wstring path = (folder / name).wstring();
    HANDLE handle = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                                nullptr);
    if (handle != INVALID_HANDLE_VALUE) return TNewFile(path, handle);
    const DWORD code = GetLastError();
    if ((code != ERROR_FILE_EXISTS && code != ERROR_ALREADY_EXISTS) || attempt == 100)
      RaiseFileError("Cannot create file \"", target, "\"", code);
  }
}

void WriteBlocks(TNewFile& file, std::string_view bytes, const std::wstring& target) {
  for (std::uint64_t offset = 0; offset < bytes.size();) {
    const DWORD size = static_cast<DWORD>(std::min<std::uint64_t>(kBlockSize, bytes.size() - offset));
    DWORD written = 0;
    DWORD fault = WholeFileWriteFault ? WholeFileWriteFault(offset) : 0;
    if (!fault && !WriteFile(file.Handle(), bytes.data() + offset, size, &written, nullptr)) fault = GetLastError();
    if (!fault && written != size) fault = ERROR_DISK_FULL;
    if (fault) RaiseFileError("Unable to write to ", target, "", fault);
    offset += written;
  }
}

}  // namespace

void WriteWholeFile(const std::filesystem::path& target, std::string_view bytes) {
  std::error_code ec;
  std::filesystem::path full = std::filesystem::absolute(target, ec);
  if (ec) full = target;
  const std::wstring name = full.wstring();
  // A read-only file is not the user's to replace; the move would replace it all the same.
  const DWORD attributes = GetFileAttributesW(name.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
    RaiseFileError("Cannot create file \"", name, "\"", ERROR_ACCESS_DENIED);
  TNewFile file = CreateBeside(full.parent_path(), name);
  WriteBlocks(file, bytes, name);
  // Data the platform holds back may still fail to reach the disk.
  if (!FlushFileBuffers(file.Handle()) || !file.Close()) RaiseFileError("Unable to write to ", name, "", GetLastError());
  if (!MoveFileExW(file.Path().c_str(), name.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    RaiseFileError("Cannot create file \"", name, "\"", GetLastError());
  file.Keep();
}
