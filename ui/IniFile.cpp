#include "IniFile.h"

#include <windows.h>

#include "CodePage.h"
#include "Exception.h"
#include "Strings.h"
#include "SysUtils.h"

namespace {

// The profile functions cut a value off at the buffer's size without saying so;
// a result that fills the buffer (less `reserve` terminators) is read again in a
// larger one.
std::wstring ReadProfile(const wchar_t* section, const wchar_t* key, const wchar_t* defaultValue,
                         const std::wstring& fileName, DWORD reserve) {
  std::wstring buffer(2048, L'\0');
  for (;;) {
    DWORD size = static_cast<DWORD>(buffer.size());
    DWORD n = GetPrivateProfileStringW(section, key, defaultValue, buffer.data(), size, fileName.c_str());
    if (n + reserve < size || size >= (1u << 26)) {
      buffer.resize(n);
      return buffer;
    }
    buffer.assign(buffer.size() * 4, L'\0');
  }
}

// A list of zero-terminated names, as the profile functions return key and section names.
void SplitNames(const std::wstring& names, TStrings& out) {
  out.BeginUpdate();
  try {
    out.Clear();
    size_t pos = 0;
    while (pos < names.size()) {
      size_t end = names.find(L'\0', pos);
      if (end == std::wstring::npos) end = names.size();
      if (end > pos) out.Add(WideToAnsi(std::wstring_view(names).substr(pos, end - pos)));
      pos = end + 1;
    }
  } catch (...) {
    out.EndUpdate();
    throw;
  }
  out.EndUpdate();
}

}  // namespace

std::string TIniFile::ReadString(const std::string& section, const std::string& ident,
                                 const std::string& defaultValue) const {
  std::wstring value = ReadProfile(AnsiToWide(section).c_str(), AnsiToWide(ident).c_str(),
                                   AnsiToWide(defaultValue).c_str(), FFileName, 1);
  return WideToAnsi(value);
}

int TIniFile::ReadInteger(const std::string& section, const std::string& ident, int defaultValue) const {
  return StrToIntDef(ReadString(section, ident, ""), defaultValue);
}

bool TIniFile::ReadBool(const std::string& section, const std::string& ident, bool defaultValue) const {
  return ReadInteger(section, ident, defaultValue ? 1 : 0) != 0;
}

void TIniFile::WriteError() const { RaisePathError<EInOutError>("Unable to write to ", FFileName); }

void TIniFile::WriteRaw(const wchar_t* section, const wchar_t* ident, const wchar_t* value) {
  if (!WritePrivateProfileStringW(section, ident, value, FFileName.c_str())) WriteError();
  UpdateFile();
}

void TIniFile::WriteString(const std::string& section, const std::string& ident, const std::string& value) {
  WriteRaw(AnsiToWide(section).c_str(), AnsiToWide(ident).c_str(), AnsiToWide(value).c_str());
}

void TIniFile::WriteInteger(const std::string& section, const std::string& ident, int value) {
  WriteString(section, ident, IntToStr(value));
}

void TIniFile::WriteBool(const std::string& section, const std::string& ident, bool value) {
  WriteString(section, ident, value ? "1" : "0");
}

void TIniFile::ReadSection(const std::string& section, TStrings& keys) const {
  SplitNames(ReadProfile(AnsiToWide(section).c_str(), nullptr, L"", FFileName, 2), keys);
}

void TIniFile::ReadSections(TStrings& sections) const {
  SplitNames(ReadProfile(nullptr, nullptr, L"", FFileName, 2), sections);
}

bool TIniFile::SectionExists(const std::string& section) const {
  TStringList keys;
  ReadSection(section, keys);
  return keys.Count() > 0;
}

// Key names are compared as the platform does: ignoring case.
bool TIniFile::ValueExists(const std::string& section, const std::string& ident) const {
  TStringList keys;
  keys.SetCaseSensitive(false);
  ReadSection(section, keys);
  return keys.IndexOf(ident) >= 0;
}

void TIniFile::DeleteKey(const std::string& section, const std::string& ident) {
  WriteRaw(AnsiToWide(section).c_str(), AnsiToWide(ident).c_str(), nullptr);
}

void TIniFile::EraseSection(const std::string& section) {
  WriteRaw(AnsiToWide(section).c_str(), nullptr, nullptr);
}

// The flush call reports failure even when it has nothing to write, so its
// result says nothing.
void TIniFile::UpdateFile() { WritePrivateProfileStringW(nullptr, nullptr, nullptr, FFileName.c_str()); }
