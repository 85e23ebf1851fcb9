#pragma once
// The parsed text of a skin definition: sections of keys, looked up without regard
// to the case of ASCII letters, the first section and the first key of a name
// winning. Values are kept as written (trimmed); the typed readers of skin values
// are in sfSkinValues.h.
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Splits at CR LF, a lone CR or a lone LF; a NUL byte ends the text. A final line
// break opens no further line.
std::vector<std::string> SplitSkinLines(std::string_view text);
// The lines, each followed by CR LF.
std::string JoinSkinLines(const std::vector<std::string>& lines);

class TsfIniFile {
 public:
  TsfIniFile() = default;
  explicit TsfIniFile(std::string_view text) { SetText(text); }
  explicit TsfIniFile(const std::vector<std::string>& lines) { SetLines(lines); }

  void SetText(std::string_view text);
  void SetLines(const std::vector<std::string>& lines);
  void Clear();

  bool SectionExists(std::string_view section) const;
  bool ValueExists(std::string_view section, std::string_view key) const;
  // The value of the first key of that name in the first section of that name;
  // nullptr when either is missing.
  const std::string* FindValue(std::string_view section, std::string_view key) const;
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
  // The default for a missing key, an empty value and one that is no integer.
  int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
  // A flag is on exactly when its integer is 1.
  bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;

  // The numbered keys "0" .. count-1 that are present, in number order, as
  // (number, value). Missing numbers are left out, so a huge count costs nothing.
  std::vector<std::pair<int, std::string>> ReadNumberedKeys(std::string_view section,
                                                            int count) const;

  // Sets the first key of that name, or appends the key to the section (creating
  // the section at the end when it is missing).
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int value);
  void WriteBool(std::string_view section, std::string_view key, bool value);
  // Removes every section of that name.
  void EraseSection(std::string_view section);

  std::vector<std::string> SectionNames() const;
  // The text form: each section as "[name]" and its lines, a blank line between sections.
  std::vector<std::string> Lines() const;

 private:
  struct TLine {
    std::string Name;   // the key name, or the whole line when it holds no "="
    std::string Value;
    bool IsKey = false;
  };
  struct TSection {
    std::string Name;
    std::vector<TLine> Lines;
    std::unordered_map<std::string, size_t> Keys;  // folded name -> first line
  };

  const TSection* FindSection(std::string_view section) const;
  // One line of text, a section header or a line of the current section.
  void AddTextLine(std::string_view line, TSection*& current);
  TSection& AddSection(std::string_view name);
  static void AddLine(TSection& section, TLine line);
  void Reindex();

  std::vector<TSection> FSections;
  std::unordered_map<std::string, size_t> FIndex;  // folded name -> first section
};
