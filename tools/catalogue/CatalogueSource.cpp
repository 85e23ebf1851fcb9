#include "CatalogueSource.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <utility>
#include <vector>

#include "CatalogueError.h"
#include "EffectText.h"
#include "db/Utf8.h"
#include "ui/CodePage.h"

namespace fs = std::filesystem;

namespace {

const wchar_t EffectExtension[] = L".html";

bool EndsWith(const std::wstring& text, std::wstring_view end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

bool PassedOver(const std::wstring& name) {
  return name.starts_with(L".") && !EndsWith(name, EffectExtension);
}

std::string ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw ECatalogueError(Format("Unable to read %s", PathText(file).c_str()));
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw ECatalogueError(Format("Unable to read %s", PathText(file).c_str()));
  return bytes;
}

std::string CategoryList() {
  std::string list;
  for (const std::string& caption : CategoryCaptions()) list += (list.empty() ? "" : ", ") + caption;
  return list;
}

// The name an effect file gives, checked: not blank and every character in 936.
std::string EffectName(const fs::path& file) {
  const std::wstring fileName = file.filename().wstring();
  const std::wstring wide = fileName.substr(0, fileName.size() - std::size(EffectExtension) + 1);
  if (wide.find_first_not_of(L" \t") == std::wstring::npos)
    throw ECatalogueError(Format("%s: the effect name is empty", PathText(file).c_str()));
  char32_t missing = 0;
  const std::optional<std::string> name = WideTo936(wide, &missing);
  if (!name)
    throw ECatalogueError(Format("%s: the effect name holds U+%04X, which code page 936 cannot hold",
                                 PathText(file).c_str(), static_cast<unsigned>(missing)));
  return *name;
}

// The effect files of a category folder, in the byte order of their UTF-8 names.
std::vector<fs::path> EffectFiles(const fs::path& folder) {
  std::vector<std::pair<std::string, fs::path>> files;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    const std::wstring name = entry.path().filename().wstring();
    if (PassedOver(name)) continue;
    if (!entry.is_regular_file() || !EndsWith(name, EffectExtension))
      throw ECatalogueError(Format("%s: not an effect (a category folder holds only .html files)",
                                   PathText(entry.path()).c_str()));
    files.emplace_back(WideToUtf8(name), entry.path());
  }
  std::sort(files.begin(), files.end());
  std::vector<fs::path> paths;
  for (auto& file : files) paths.push_back(std::move(file.second));
  return paths;
}

}  // namespace

std::string PathText(const fs::path& path) { return PathToAnsi(path.wstring()); }

TCatalogueEffect ReadEffectFile(const fs::path& file) {
  if (!EndsWith(file.filename().wstring(), EffectExtension))
    throw ECatalogueError(Format("%s: not an .html file", PathText(file).c_str()));
  std::error_code ec;
  if (!fs::is_regular_file(file, ec))
    throw ECatalogueError(Format("File not found: %s", PathText(file).c_str()));
  std::string name = EffectName(file);
  return {std::move(name), SourceToCode(ReadBytes(file), PathText(file)), file};
}

TCatalogueContent ReadCatalogueSource(const fs::path& folder) {
  std::error_code ec;
  if (!fs::is_directory(folder, ec))
    throw ECatalogueError(Format("Catalogue folder not found: %s", PathText(folder).c_str()));
  TCatalogueContent content = EmptyCatalogue();
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    const std::wstring name = entry.path().filename().wstring();
    if (PassedOver(name)) continue;
    if (!entry.is_directory()) {
      if (!EndsWith(name, EffectExtension)) continue;  // a README beside the categories
      throw ECatalogueError(Format("%s: an effect outside the category folders",
                                   PathText(entry.path()).c_str()));
    }
    const int index = CategoryIndex(WideToAnsi(name));
    if (index < 0)
      throw ECatalogueError(Format("%s: not a category folder (the categories are %s)",
                                   PathText(entry.path()).c_str(), CategoryList().c_str()));
    for (const fs::path& file : EffectFiles(entry.path()))
      content[static_cast<size_t>(index)].Effects.push_back(ReadEffectFile(file));
  }
  TEffectNames names;
  for (const TCatalogueCategory& category : content)
    names.Add(category.Caption, "the category " + category.Caption);
  for (const TCatalogueCategory& category : content)
    for (const TCatalogueEffect& effect : category.Effects)
      names.Add(effect.Name, PathText(effect.File));
  return content;
}

std::wstring TEffectNames::Key(const std::string& name) {
  std::wstring key = AnsiToWide(name);
  for (wchar_t& c : key)
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
  return key;
}

void TEffectNames::Remember(const std::string& name, const std::string& holder) {
  FHolders.emplace(Key(name), holder);
}

void TEffectNames::Add(const std::string& name, const std::string& holder) {
  const auto [it, added] = FHolders.emplace(Key(name), holder);
  if (!added)
    throw ECatalogueError(Format("%s: the effect name '%s' is already used by %s", holder.c_str(),
                                 name.c_str(), it->second.c_str()));
}
