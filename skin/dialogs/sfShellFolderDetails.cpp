// The details view's columns and the detail texts of one item.
#include <windows.h>
#include <shlobj.h>
#include <shlwapi.h>

#include "sfShellFolder.h"
#include "ui/CodePage.h"
#include "ui/Exception.h"

namespace {

std::string DetailText(SHELLDETAILS& details, const ITEMIDLIST* item) {
  LPWSTR text = nullptr;
  if (FAILED(StrRetToStrW(&details.str, item, &text)) || !text) return {};
  std::string out = WideToAnsi(text);
  CoTaskMemFree(text);
  return out;
}

int AlignmentOf(int fmt) {
  switch (fmt & LVCFMT_JUSTIFYMASK) {
    case LVCFMT_RIGHT: return 1;
    case LVCFMT_CENTER: return 2;
    default: return 0;
  }
}

std::string LocalTime(const FILETIME& utc) {
  FILETIME local;
  SYSTEMTIME t;
  if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &t)) return {};
  return Format("%04u-%02u-%02u %02u:%02u", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute);
}

}  // namespace

IShellFolder2* TsfShellFolder::Details2() const {
  IShellFolder* parent = ParentShellFolder();
  void* details = nullptr;
  if (!parent || FAILED(parent->QueryInterface(IID_IShellFolder2, &details))) return nullptr;
  return static_cast<IShellFolder2*>(details);
}

std::vector<TsfShellFolder::TColumn> TsfShellFolder::Columns() {
  std::vector<TColumn> out;
  IShellFolder* folder = ShellFolder();
  void* raw = nullptr;
  if (folder && SUCCEEDED(folder->QueryInterface(IID_IShellFolder2, &raw))) {
    auto* provider = static_cast<IShellFolder2*>(raw);
    for (UINT col = 0;; ++col) {
      SHCOLSTATEF state = 0;
      SHELLDETAILS details{};
      if (FAILED(provider->GetDefaultColumnState(col, &state))) break;
      if (!(state & SHCOLSTATE_ONBYDEFAULT)) {
        if (!out.empty()) break;
        continue;
      }
      if (FAILED(provider->GetDetailsOf(nullptr, col, &details))) break;
      out.push_back({DetailText(details, nullptr), details.cxChar, AlignmentOf(details.fmt)});
    }
    provider->Release();
  }
  if (!out.empty()) return out;
  if (!PathW().empty())
    return {{"Name", 25, 0}, {"Size", 10, 1}, {"Type", 10, 0}, {"Modified", 14, 0}};
  return {{"Name", 25, 0}};
}

void TsfShellFolder::LoadColumnDetails(int count) {
  FDetails.assign(count > 0 ? count : 0, std::string());
  FDetailsLoaded = true;
  if (count <= 0) return;
  FDetails[0] = DisplayName();
  if (IShellFolder2* provider = Details2()) {
    for (int col = 1; col < count; ++col) {
      SHELLDETAILS details{};
      if (SUCCEEDED(provider->GetDetailsOf(InHost().Get(), col, &details)))
        FDetails[col] = DetailText(details, InHost().Get());
    }
    provider->Release();
    return;
  }
  LoadBuiltInDetails();
}

// Size, extension and modification time from the item's directory entry.
void TsfShellFolder::LoadBuiltInDetails() {
  std::wstring path = PathW();
  if (path.empty() || FDetails.size() < 2) return;
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data))
    throw Exception(Format("Unable to retrieve folder details for \"%s\". Error code $%x",
                           PathToAnsi(path).c_str(), static_cast<unsigned>(GetLastError())));
  bool folder = data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
  unsigned long long size = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  std::string name = FDetails[0];
  size_t dot = name.rfind('.');
  const std::string texts[] = {folder ? std::string() : std::to_string(size),
                               dot == std::string::npos || folder ? std::string() : name.substr(dot + 1),
                               LocalTime(data.ftLastWriteTime)};
  for (size_t col = 1; col < FDetails.size() && col <= 3; ++col) FDetails[col] = texts[col - 1];
}

const std::string& TsfShellFolder::Details(int column) const {
  if (!FDetailsLoaded)
    throw Exception(Format("%s: Missing call to LoadColumnDetails", DisplayName().c_str()));
  static const std::string empty;
  return column >= 0 && column < static_cast<int>(FDetails.size()) ? FDetails[column] : empty;
}
