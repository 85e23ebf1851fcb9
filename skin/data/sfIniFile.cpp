#include "sfIniFile.h"

#include <algorithm>
#include <string>

#include "sfText.h"

namespace {

// Calls `line` for each line of the text up to its first NUL; a line ends at CR,
// LF or CR LF.
template <class TLineFunction>
void ForEachSkinLine(std::string_view text, TLineFunction line) {
  size_t end = text.find('\0');
  if (end != std::string_view::npos) text = text.substr(0, end);
  size_t start = 0;
  while (start < text.size()) {
    size_t eol = text.find_first_of("\r\n", start);
    if (eol == std::string_view::npos) {
      line(text.substr(start));
      break;
    }
    line(text.substr(start, eol - start));
    start = eol + 1;
    if (text[eol] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
}

}  // namespace

std::vector<std::string> SplitSkinLines(std::string_view text) {
  std::vector<std::string> lines;
  ForEachSkinLine(text, [&lines](std::string_view line) { lines.emplace_back(line); });
  return lines;
}

std::string JoinSkinLines(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) {
    out += line;
    out += "\r\n";
  }
  return out;
}

void TsfIniFile::Clear() {
  FSections.clear();
  FIndex.clear();
}

void TsfIniFile::SetText(std::string_view text) {
  Clear();
  TSection* current = nullptr;
  ForEachSkinLine(text, [this, &current](std::string_view line) { AddTextLine(line, current); });
}

void TsfIniFile::SetLines(const std::vector<std::string>& lines) {
  Clear();
  TSection* current = nullptr;
  for (const std::string& line : lines) AddTextLine(line, current);
}

void TsfIniFile::AddTextLine(std::string_view raw, TSection*& current) {
  std::string_view line = sf::Trim(raw);
  if (line.empty() || line[0] == ';') return;
  if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
    current = &AddSection(sf::Trim(line.substr(1, line.size() - 2)));
    return;
  }
  if (!current) return;
  size_t eq = line.find('=');
  if (eq == std::string_view::npos)
    AddLine(*current, {std::string(line), {}, false});
  else
    AddLine(*current, {std::string(sf::Trim(line.substr(0, eq))),
                       std::string(sf::Trim(line.substr(eq + 1))), true});
}

TsfIniFile::TSection& TsfIniFile::AddSection(std::string_view name) {
  FIndex.emplace(sf::FoldCase(name), FSections.size());
  FSections.push_back({std::string(name), {}, {}});
  return FSections.back();
}

void TsfIniFile::AddLine(TSection& section, TLine line) {
  if (line.IsKey) section.Keys.emplace(sf::FoldCase(line.Name), section.Lines.size());
  section.Lines.push_back(std::move(line));
}

void TsfIniFile::Reindex() {
  FIndex.clear();
  for (size_t i = 0; i < FSections.size(); ++i) FIndex.emplace(sf::FoldCase(FSections[i].Name), i);
}

const TsfIniFile::TSection* TsfIniFile::FindSection(std::string_view section) const {
  auto it = FIndex.find(sf::FoldCase(section));
  return it == FIndex.end() ? nullptr : &FSections[it->second];
}

bool TsfIniFile::SectionExists(std::string_view section) const {
  return FindSection(section) != nullptr;
}

const std::string* TsfIniFile::FindValue(std::string_view section, std::string_view key) const {
  const TSection* s = FindSection(section);
  if (!s) return nullptr;
  auto it = s->Keys.find(sf::FoldCase(key));
  return it == s->Keys.end() ? nullptr : &s->Lines[it->second].Value;
}

bool TsfIniFile::ValueExists(std::string_view section, std::string_view key) const {
  return FindValue(section, key) != nullptr;
}

std::string TsfIniFile::ReadString(std::string_view section, std::string_view key,
                                   std::string_view defaultValue) const {
  const std::string* v = FindValue(section, key);
  return v ? *v : std::string(defaultValue);
}

int TsfIniFile::ReadInteger(std::string_view section, std::string_view key,
                            int defaultValue) const {
  const std::string* v = FindValue(section, key);
  int value = 0;
  return v && sf::TryStrToInt(*v, value) ? value : defaultValue;
}

bool TsfIniFile::ReadBool(std::string_view section, std::string_view key,
                          bool defaultValue) const {
  return ReadInteger(section, key, defaultValue ? 1 : 0) == 1;
}

std::vector<std::pair<int, std::string>> TsfIniFile::ReadNumberedKeys(std::string_view section,
                                                                      int count) const {
  std::vector<std::pair<int, std::string>> found;
  const TSection* s = FindSection(section);
  if (!s) return found;
  for (const auto& [name, index] : s->Keys) {
    // Only the plain decimal spelling of a number is that number's key.
    if (name.empty() || name.size() > 10 || (name.size() > 1 && name[0] == '0')) continue;
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    long long n = std::stoll(name);
    if (n < count) found.emplace_back(static_cast<int>(n), s->Lines[index].Value);
  }
  std::sort(found.begin(), found.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  return found;
}

void TsfIniFile::WriteString(std::string_view section, std::string_view key,
                             std::string_view value) {
  auto it = FIndex.find(sf::FoldCase(section));
  TSection& s = it == FIndex.end() ? AddSection(section) : FSections[it->second];
  auto k = s.Keys.find(sf::FoldCase(key));
  if (k != s.Keys.end())
    s.Lines[k->second].Value = std::string(value);
  else
    AddLine(s, {std::string(key), std::string(value), true});
}

void TsfIniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

void TsfIniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void TsfIniFile::EraseSection(std::string_view section) {
  std::string folded = sf::FoldCase(section);
  std::erase_if(FSections, [&](const TSection& s) { return sf::FoldCase(s.Name) == folded; });
  Reindex();
}

std::vector<std::string> TsfIniFile::SectionNames() const {
  std::vector<std::string> names;
  for (const TSection& s : FSections) names.push_back(s.Name);
  return names;
}

std::vector<std::string> TsfIniFile::Lines() const {
  std::vector<std::string> out;
  for (const TSection& s : FSections) {
    if (!out.empty()) out.emplace_back();
    out.push_back("[" + s.Name + "]");
    for (const TLine& line : s.Lines) out.push_back(line.IsKey ? line.Name + "=" + line.Value : line.Name);
  }
  return out;
}
