// The folder combo's entries under the desktop: its folders, the drives under the
// computer, and a deep folder's ancestors inserted after its drive.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "skin/dialogs/sfShellComboEntries.h"
#include "ui/CodePage.h"

namespace fs = std::filesystem;

TEST(ShellComboEntries, DesktopDrivesAndTheChainDownToAFolder) {
  TsfShellComboEntries entries;
  entries.SetRoot("rfDesktop");
  ASSERT_GT(entries.Count(), 2);
  EXPECT_EQ(entries.Entries(0).Depth, 0);
  EXPECT_TRUE(entries.Entries(0).Folder->IsDesktop());
  int computer = entries.IndexOf(TsfShellFolder::SpecialFolder(rfMyComputer));
  ASSERT_GT(computer, 0);
  EXPECT_EQ(entries.Entries(computer).Depth, 1);
  int drive = entries.IndexOf(TsfShellFolder::ParsePath("C:\\"));
  ASSERT_GT(drive, computer);
  EXPECT_EQ(entries.Entries(drive).Depth, 2);
  int base = entries.Count();

  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  fs::path deep = fs::path(temp) / ("sfcombo" + std::to_string(GetCurrentProcessId())) / "one" / "two";
  fs::create_directories(deep);
  TsfItemIDList target = TsfShellFolder::ParsePath(PathToAnsi(deep.wstring()));
  int chosen = entries.ShowFolder(target);
  EXPECT_EQ(chosen, entries.ItemIndex());
  EXPECT_TRUE(TsfShellFolder::SameItem(entries.Entries(chosen).Folder->AbsoluteID(), target));
  // Every level between the drive and the folder, one step deeper each, right after the drive.
  int levels = target.Count() - TsfShellFolder::ParsePath("C:\\").Count();
  EXPECT_EQ(entries.Count(), base + levels);
  EXPECT_EQ(chosen, drive + levels);
  for (int i = 1; i <= levels; ++i) EXPECT_EQ(entries.Entries(drive + i).Depth, 2 + i);
  EXPECT_EQ(entries.Entries(chosen).Caption, "two");
  EXPECT_EQ(entries.Entries(chosen - 1).Caption, "one");

  // Shown again: nothing is rebuilt. Another folder drops the old chain.
  const TsfShellFolder* same = entries.Entries(chosen).Folder.get();
  EXPECT_EQ(entries.ShowFolder(target), chosen);
  EXPECT_EQ(entries.Entries(chosen).Folder.get(), same);
  EXPECT_EQ(entries.ShowFolder(TsfShellFolder::ParsePath("C:\\")), drive);
  EXPECT_EQ(entries.Count(), base);
  fs::remove_all(deep.parent_path().parent_path());
}
