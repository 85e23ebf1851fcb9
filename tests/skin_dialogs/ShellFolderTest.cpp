// The shell folder model over a real folder the test fills: names, attributes,
// children, item-ID lists, details and renaming, as Wine's shell namespace gives them.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>

#include "skin/dialogs/sfShellFolder.h"
#include "ui/CodePage.h"
#include "ui/Exception.h"

namespace fs = std::filesystem;

namespace {

struct TFilledFolder {
  fs::path Dir;
  TFilledFolder() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    Dir = fs::path(temp) / ("sfshell" + std::to_string(GetCurrentProcessId()));
    fs::remove_all(Dir);
    fs::create_directories(Dir / "sub" / "deeper");
    Write("a.txt", "hello");
    Write("b.html", "<p>x</p>");
    Write("pack.zip", "PK");
    Write(AnsiToWide("中文.txt"), "z");
  }
  ~TFilledFolder() {
    std::error_code ec;
    fs::remove_all(Dir, ec);
  }
  void Write(const fs::path& name, const char* bytes) { std::ofstream(Dir / name, std::ios::binary) << bytes; }
  std::string Path() const { return PathToAnsi(Dir.wstring()); }
};

std::map<std::string, std::unique_ptr<TsfShellFolder>> ByName(TsfShellFolder& folder, int types) {
  std::map<std::string, std::unique_ptr<TsfShellFolder>> out;
  for (auto& child : folder.Children(types)) {
    std::string name = PathToAnsi(fs::path(child->PathW()).filename().wstring());
    out[name] = std::move(child);
  }
  return out;
}

std::string ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const Exception& e) {
    return e.what();
  }
  return {};
}

}  // namespace

TEST(ShellFolder, ChildrenOfARealFolder) {
  TFilledFolder f;
  auto folder = TsfShellFolder::FromAbsolute(TsfShellFolder::ParsePath(f.Path()));
  EXPECT_EQ(folder->Level(), 0);
  EXPECT_EQ(folder->Path(), f.Path());
  EXPECT_EQ(folder->ParsingPath(), f.Path());
  EXPECT_TRUE(folder->IsFolder());
  EXPECT_TRUE(folder->IsFileSystem());
  EXPECT_TRUE(folder->HasSubFolders());

  auto all = ByName(*folder, otFolders | otNonFolders);
  ASSERT_EQ(all.size(), 5u);
  ASSERT_TRUE(all.count("sub") && all.count("a.txt") && all.count("pack.zip") && all.count("中文.txt"));
  EXPECT_TRUE(all["sub"]->IsFolder());
  EXPECT_FALSE(all["a.txt"]->IsFolder());
  EXPECT_FALSE(all["pack.zip"]->IsFolder());  // an archive is a file here
  EXPECT_EQ(all["a.txt"]->Level(), 1);
  EXPECT_EQ(all["a.txt"]->Parent(), folder.get());
  EXPECT_EQ(all["中文.txt"]->Path(), f.Path() + "\\中文.txt");
  EXPECT_NE(all["a.txt"]->DisplayName().find("a"), std::string::npos);
  EXPECT_GE(all["a.txt"]->ImageIndex(false), 0);
  EXPECT_GE(all["sub"]->ImageIndex(true, true), 0);
  EXPECT_TRUE(all["a.txt"]->CanRename());
  EXPECT_LT(all["a.txt"]->CompareNames(*all["b.html"]), 0);
  EXPECT_LT(all["sub"]->CompareNames(*all["b.html"]), 0);  // the shell puts folders first

  auto folders = ByName(*folder, otFolders);
  ASSERT_EQ(folders.size(), 1u);
  auto below = ByName(*folders["sub"], otFolders);
  ASSERT_EQ(below.size(), 1u);
  EXPECT_EQ(below["deeper"]->Level(), 2);
}

TEST(ShellFolder, ItemIDListsNameTheSameItems) {
  TFilledFolder f;
  TsfItemIDList dir = TsfShellFolder::ParsePath(f.Path());
  TsfItemIDList file = TsfShellFolder::ParsePath(f.Path() + "\\a.txt");
  EXPECT_EQ(file.Count(), dir.Count() + 1);
  EXPECT_TRUE(TsfShellFolder::SameItem(file.Parent(), dir));
  EXPECT_TRUE(TsfShellFolder::SameItem(dir.Concat(file.Last()), file));
  EXPECT_FALSE(TsfShellFolder::SameItem(file, dir));
  TsfItemIDList copy = file;
  EXPECT_TRUE(TsfShellFolder::SameItem(copy, file));
  EXPECT_NE(copy.Get(), file.Get());
  // The ancestors from the desktop down, the drive first below it.
  EXPECT_EQ(dir.Prefix(0).Count(), 0);
  EXPECT_TRUE(TsfShellFolder::SameItem(dir.Prefix(0), TsfShellFolder::ResolveRoot("rfDesktop")));
  auto drive = TsfShellFolder::FromAbsolute(dir.Prefix(dir.Count() - 1));
  EXPECT_TRUE(drive->IsFolder());
  EXPECT_TRUE(TsfShellFolder::SameItem(TsfShellFolder::ResolveRoot("C:"),
                                       TsfShellFolder::ParsePath("C:\\")));
  EXPECT_EQ(TsfShellFolder::ResolveRoot("rfMyComputer").Count(), 1);
  EXPECT_TRUE(TsfShellFolder::Desktop().IsDesktop());
}

TEST(ShellFolder, UnresolvablePathsAndRefusedRenamesRaise) {
  EXPECT_EQ(ErrorOf([] { TsfShellFolder::ParsePath("C:\\no such folder\\x"); }),
            "Error setting path: \"C:\\no such folder\\x\"");
  EXPECT_EQ(ErrorOf([] { TsfShellFolder::ResolveRoot(""); }), "Error setting path: \"\"");

  TFilledFolder f;
  auto folder = TsfShellFolder::FromAbsolute(TsfShellFolder::ParsePath(f.Path()));
  auto all = ByName(*folder, otFolders | otNonFolders);
  TsfShellFolder& a = *all["a.txt"];
  a.Rename("c.txt");
  EXPECT_TRUE(fs::exists(f.Dir / "c.txt"));
  EXPECT_FALSE(fs::exists(f.Dir / "a.txt"));
  EXPECT_EQ(a.Path(), f.Path() + "\\c.txt");
  EXPECT_EQ(ErrorOf([&] { a.Rename("b.html"); }), "Rename to b.html failed");  // taken
}

TEST(ShellFolder, DetailsComeFromTheCacheOnceLoaded) {
  TFilledFolder f;
  auto folder = TsfShellFolder::FromAbsolute(TsfShellFolder::ParsePath(f.Path()));
  auto columns = folder->Columns();
  ASSERT_GE(columns.size(), 1u);
  auto all = ByName(*folder, otNonFolders);
  TsfShellFolder& a = *all["a.txt"];
  EXPECT_EQ(ErrorOf([&] { a.Details(1); }), a.DisplayName() + ": Missing call to LoadColumnDetails");
  a.LoadColumnDetails(static_cast<int>(columns.size()));
  EXPECT_EQ(a.Details(0), a.DisplayName());
  EXPECT_FALSE(columns[0].Caption.empty());
  if (columns.size() > 1) {
    EXPECT_FALSE(a.Details(1).empty());
  }
  EXPECT_EQ(a.Details(99), "");
}
