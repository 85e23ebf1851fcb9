#include "SaveDialog.h"

#include <windows.h>
#include <commdlg.h>

#include <vector>

#include "CodePage.h"

namespace {

std::function<std::wstring(const TSaveDialog&)>& Chooser() {
  static std::function<std::wstring(const TSaveDialog&)> chooser;
  return chooser;
}

std::vector<std::string> SplitFilter(const std::string& filter) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= filter.size()) {
    size_t bar = filter.find('|', start);
    if (bar == std::string::npos) bar = filter.size();
    parts.push_back(filter.substr(start, bar - start));
    start = bar + 1;
  }
  return parts;
}

bool HasExtension(const std::wstring& name) {
  size_t slash = name.find_last_of(L"\\/");
  size_t dot = name.find_last_of(L'.');
  return dot != std::wstring::npos && (slash == std::wstring::npos || dot > slash);
}

// "desc\0mask\0desc\0mask\0\0" with the platform's ";" between patterns.
std::wstring PlatformFilter(const std::string& filter) {
  std::wstring out;
  for (const std::string& part : SplitFilter(filter)) {
    std::wstring w = AnsiToWide(part);
    for (wchar_t& c : w)
      if (c == L',') c = L';';
    out += w;
    out += L'\0';
  }
  out += L'\0';
  return out;
}

}  // namespace

void TSaveDialog::SetChooser(std::function<std::wstring(const TSaveDialog&)> chooser) {
  Chooser() = std::move(chooser);
}

std::string TSaveDialog::MaskExtension(const std::string& mask) {
  if (mask.find(".*") != std::string::npos) return {};
  std::string first = mask.substr(0, mask.find(';'));
  size_t dot = first.find_last_of('.');
  return dot == std::string::npos ? std::string() : first.substr(dot);
}

std::string TSaveDialog::FilterMask(int index) const {
  std::vector<std::string> parts = SplitFilter(Filter);
  size_t i = static_cast<size_t>(index > 0 ? index : 1) * 2 - 1;
  return i < parts.size() ? parts[i] : std::string();
}

std::wstring TSaveDialog::CompleteName(std::wstring name, const std::string& maskExtension,
                                       const std::string& defaultExt) {
  if (!maskExtension.empty() && !HasExtension(name)) name += AnsiToWide(maskExtension);
  if (!defaultExt.empty() && !HasExtension(name)) name += L"." + AnsiToWide(defaultExt);
  return name;
}

bool TSaveDialog::Execute(void* ownerWindow) {
  std::wstring chosen;
  if (Chooser()) {
    chosen = Chooser()(*this);
  } else {
    std::vector<wchar_t> buffer(32768, L'\0');
    FileName.copy(buffer.data(), buffer.size() - 1);
    std::wstring filter = PlatformFilter(Filter);
    std::wstring title = AnsiToWide(Title);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = static_cast<HWND>(ownerWindow);
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = static_cast<DWORD>(FilterIndex);
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = static_cast<DWORD>(buffer.size());
    ofn.lpstrInitialDir = InitialDir.empty() ? nullptr : InitialDir.c_str();
    ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
    ofn.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_EXPLORER | OFN_NOCHANGEDIR;
    if (!GetSaveFileNameW(&ofn)) return false;
    FilterIndex = static_cast<int>(ofn.nFilterIndex);
    chosen = buffer.data();
  }
  if (chosen.empty()) return false;
  FileName = CompleteName(chosen, MaskExtension(FilterMask(FilterIndex)), DefaultExt);
  return true;
}
