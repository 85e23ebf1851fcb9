#include "CatalogueFile.h"

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <memory>

#include "CatalogueError.h"
#include "CatalogueSource.h"
#include "EffectText.h"
#include "db/ADOQuery.h"
#include "db/Utf8.h"
#include "ui/CodePage.h"

namespace fs = std::filesystem;

namespace {

void WriteBytes(const fs::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  if (out) out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (out) out.close();
  if (!out) throw EInOutError(Format("Unable to write to %s", PathText(file).c_str()));
}

void CreateFolder(const fs::path& folder) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (!fs::is_directory(folder))
    throw EInOutError(Format("Unable to create folder %s", PathText(folder).c_str()));
}

void RemoveQuietly(const fs::path& file) {
  std::error_code ec;
  fs::remove(file, ec);
}

// The temporary file and SQLite's journal beside it, left by an interrupted build.
void RemoveTemporary(const fs::path& temp) {
  RemoveQuietly(temp);
  RemoveQuietly(fs::path(temp.wstring() + L"-journal"));
}

std::unique_ptr<TADOQuery> OpenQuery(const fs::path& file, const std::string& statement) {
  auto query = std::make_unique<TADOQuery>(nullptr);
  query->SetConnectionString(CatalogueConnectionString(file, CataloguePassword));
  query->SQL().SetText(statement);
  query->Open();
  return query;
}

void CheckFileName(const std::string& name) {
  const std::wstring wide = AnsiToWide(name);
  const bool reserved = wide.find_first_of(L"<>:\"/\\|?*") != std::wstring::npos ||
                        wide == L"." || wide == L".." || wide.back() == L'.' || wide.back() == L' ';
  bool control = false;
  for (wchar_t c : wide) control = control || c < 0x20;
  if (reserved || control)
    throw ECatalogueError(Format("The effect name '%s' cannot be a file name", name.c_str()));
}

}  // namespace

TCatalogueContent BuildCatalogue(const fs::path& sourceFolder, const fs::path& file) {
  TCatalogueContent content = ReadCatalogueSource(sourceFolder);
  const std::vector<TCatalogueRow> rows = CatalogueRows(content);
  if (file.has_parent_path()) CreateFolder(file.parent_path());
  const fs::path temp(file.wstring() + L".tmp");
  RemoveTemporary(temp);
  try {
    CreateCatalogue(temp, CataloguePassword);
    AppendCatalogueRows(temp, CataloguePassword, rows);
    if (!MoveFileExW(temp.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      throw EInOutError(Format("Unable to write to %s", PathText(file).c_str()));
  } catch (...) {
    RemoveTemporary(temp);
    throw;
  }
  return content;
}

TCatalogueContent ReadCatalogue(const fs::path& file) {
  std::unique_ptr<TADOQuery> rs = OpenQuery(file, "SELECT * FROM SPECT Where ParentID=0");
  TCatalogueContent content;
  for (; !rs->Eof(); rs->Next()) content.push_back({rs->FieldByName("EffectName").AsString(), {}});
  for (size_t i = 0; i < content.size(); ++i) {
    rs->SQL().SetText("SELECT * FROM SPECT Where ParentID=" + std::to_string(i + 1));
    rs->Open();
    for (; !rs->Eof(); rs->Next())
      content[i].Effects.push_back(
          {rs->FieldByName("EffectName").AsString(), rs->FieldByName("Code").AsString(), {}});
  }
  rs->Close();
  return content;
}

void ExportCatalogue(const TCatalogueContent& content, const fs::path& folder) {
  for (const TCatalogueCategory& category : content)
    for (const TCatalogueEffect& effect : category.Effects) CheckFileName(effect.Name);
  CreateFolder(folder);
  for (const TCatalogueCategory& category : content) {
    CheckFileName(category.Caption);
    const fs::path categoryFolder = folder / AnsiToWide(category.Caption);
    CreateFolder(categoryFolder);
    for (const TCatalogueEffect& effect : category.Effects)
      WriteBytes(categoryFolder / (AnsiToWide(effect.Name) + L".html"), CodeToSource(effect.Code));
  }
}

std::string ImportEffect(const fs::path& file, const std::string& caption, const fs::path& html) {
  const TCatalogueContent content = ReadCatalogue(file);
  int number = 0;
  for (size_t i = 0; i < content.size() && number == 0; ++i)
    if (content[i].Caption == caption) number = static_cast<int>(i) + 1;
  if (number == 0)
    throw ECatalogueError(
        Format("'%s' is not a category of %s", caption.c_str(), PathText(file).c_str()));
  TCatalogueEffect effect = ReadEffectFile(html);
  TEffectNames names;
  std::unique_ptr<TADOQuery> rs = OpenQuery(file, "SELECT * FROM SPECT");
  for (; !rs->Eof(); rs->Next())
    names.Remember(rs->FieldByName("EffectName").AsString(), PathText(file));
  rs->Close();
  names.Add(effect.Name, PathText(html));
  AppendCatalogueRows(file, CataloguePassword, {{number, effect.Name, effect.Code}});
  return effect.Name;
}

void WritePreviews(const TCatalogueContent& content, const fs::path& folder) {
  CreateFolder(folder);
  std::string index;
  for (size_t i = 0; i < content.size(); ++i) {
    for (size_t j = 0; j < content[i].Effects.size(); ++j) {
      char name[32];
      std::snprintf(name, sizeof name, "%02d-%03d.htm", static_cast<int>(i + 1), static_cast<int>(j + 1));
      WriteBytes(folder / name, content[i].Effects[j].Code);
      index += std::string(name) + "\t" + AnsiToUtf8(content[i].Caption) + "\t" +
               AnsiToUtf8(content[i].Effects[j].Name) + "\n";
    }
  }
  WriteBytes(folder / "index.txt", index);
}
