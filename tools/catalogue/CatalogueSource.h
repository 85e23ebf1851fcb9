#pragma once
// Reading the catalogue's sources: <folder>/<category caption>/<effect name>.html.
//
// The folder holds one sub-folder per category, named with its caption exactly; a
// category without a folder is empty. A category folder holds only .html files,
// taken in the byte order of their UTF-8 names. Names starting with "." (.gitkeep)
// are passed over, except "*.html" ones, which are effects like any other.
// Everything is checked before anything is returned, so a build either has the
// whole catalogue or fails without writing.
#include <filesystem>
#include <map>
#include <string>

#include "CatalogueContent.h"

TCatalogueContent ReadCatalogueSource(const std::filesystem::path& folder);

// One effect file: its name (the file name without ".html") and its Code.
TCatalogueEffect ReadEffectFile(const std::filesystem::path& file);

// The names in use, each with what holds it (for messages), so that a new name that
// only differs in the letter case of Latin letters counts as taken too: the sources
// must also check out on a file system that ignores case.
class TEffectNames {
 public:
  // Refuses (naming `holder`) a name already taken.
  void Add(const std::string& name, const std::string& holder);
  // Takes the name without a check (names of a file that already holds the same
  // name twice).
  void Remember(const std::string& name, const std::string& holder);

 private:
  static std::wstring Key(const std::string& name);

  std::map<std::wstring, std::string> FHolders;
};

// A path as message text.
std::string PathText(const std::filesystem::path& path);
