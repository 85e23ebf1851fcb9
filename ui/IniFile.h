#pragma once
// TIniFile: sections and keys of a settings file, read and written through the
// platform's profile functions. Every write reaches the file at once.
#include <string>

#include "Component.h"

class TStrings;

class TIniFile : public TObject {
 public:
  // `fileName` should be a full path: the platform looks for a bare name in the
  // Windows folder.
  explicit TIniFile(std::wstring fileName) : FFileName(std::move(fileName)) {}

  const std::wstring& FileName() const { return FFileName; }

  std::string ReadString(const std::string& section, const std::string& ident,
                         const std::string& defaultValue) const;
  // A missing value, or one that is not an integer (decimal, "$" or "0x" hex),
  // gives `defaultValue`.
  int ReadInteger(const std::string& section, const std::string& ident, int defaultValue) const;
  bool ReadBool(const std::string& section, const std::string& ident, bool defaultValue) const;

  // A failed write raises EInOutError "Unable to write to %s" with the file's path.
  void WriteString(const std::string& section, const std::string& ident, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& ident, int value);
  void WriteBool(const std::string& section, const std::string& ident, bool value);

  // The key names of `section`, or the section names of the file.
  void ReadSection(const std::string& section, TStrings& keys) const;
  void ReadSections(TStrings& sections) const;
  bool SectionExists(const std::string& section) const;
  bool ValueExists(const std::string& section, const std::string& ident) const;
  void DeleteKey(const std::string& section, const std::string& ident);
  void EraseSection(const std::string& section);
  // Makes the platform write out what it holds of the file, so another reader sees it.
  void UpdateFile();

 private:
  [[noreturn]] void WriteError() const;
  void WriteRaw(const wchar_t* section, const wchar_t* ident, const wchar_t* value);
  std::wstring FFileName;
};
