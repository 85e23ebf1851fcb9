#include "sfSkinFolder.h"

#include <fstream>
#include <system_error>
#include <vector>

#include "sfIniFile.h"
#include "sfSkinValues.h"
#include "sfText.h"

namespace {

struct TFolderFile {
  std::string Role;  // for messages
  std::string Name;
  const char* Data;
  size_t Size;
};

std::string PathText(const std::filesystem::path& path) {
  try {
    return path.string();
  } catch (...) {
    return "?";
  }
}

// A name from the package must not lead out of the folder it is written to.
bool IsPlainFileName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." && sf::ExtractFileName(name) == name;
}

void AddPicture(std::vector<TFolderFile>& files, std::string role, const std::string& name,
                const TsfBmpBytes* bmp) {
  if (!bmp) return;
  if (!IsPlainFileName(name))
    throw EsfSkinFolderError(Format("The %s has no usable file name in [PICTURES] (\"%s\")",
                                    role.c_str(), name.c_str()));
  files.push_back({std::move(role), name, reinterpret_cast<const char*>(bmp->data()), bmp->size()});
}

std::vector<TFolderFile> FolderFiles(const TsfSkinPackage& package, const std::string& iniName) {
  TsfIniFile ini(package.DefinitionText);
  std::vector<std::string> active = ReadNumberedList(ini, "PICTURES", "activepictures");
  if (active.size() < package.ActivePictures.size())
    throw EsfSkinFolderError(Format("The package has %d active pictures but [PICTURES] names %d",
                                    static_cast<int>(package.ActivePictures.size()),
                                    static_cast<int>(active.size())));
  auto optional = [](const std::optional<TsfBmpBytes>& bmp) { return bmp ? &*bmp : nullptr; };
  std::vector<TFolderFile> files;
  AddPicture(files, "main picture", ini.ReadString("PICTURES", "picture", ""),
             optional(package.MainPicture));
  AddPicture(files, "inactive picture", ini.ReadString("PICTURES", "inactivepicture", ""),
             optional(package.InactivePicture));
  AddPicture(files, "mask picture", ini.ReadString("PICTURES", "mask", ""),
             optional(package.MaskPicture));
  for (size_t i = 0; i < package.ActivePictures.size(); ++i)
    AddPicture(files, Format("active picture %d", static_cast<int>(i)), active[i],
               &package.ActivePictures[i]);
  files.push_back({"definition text", iniName, package.DefinitionText.data(),
                   package.DefinitionText.size()});
  return files;
}

}  // namespace

void WriteSkinFolder(const TsfSkinPackage& package, const std::filesystem::path& folder,
                     const std::string& iniName) {
  // Every name is checked before anything is written, so a bad package leaves no
  // half-written folder behind.
  std::vector<TFolderFile> files = FolderFiles(package, iniName);
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  for (const TFolderFile& f : files) {
    std::filesystem::path path = folder / std::filesystem::path(f.Name);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (file) file.write(f.Data, static_cast<std::streamsize>(f.Size));
    if (!file) throw EInOutError(Format("Unable to write to %s", PathText(path).c_str()));
  }
}
