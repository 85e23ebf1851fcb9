// The files the program writes (the preview, a saved effect) are replaced only
// whole: a write that fails on the way leaves the old file as it was.
#include "MainWindowFixture.h"

#include "app/WholeFileWrite.h"
#include "controls/FxMemo.h"
#include "skin/controls/sfSkinXFormButton.h"

namespace {

void Click(TWinControl* control) {
  SendMessageW(control->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(control->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
}

std::wstring SystemText(DWORD code) {
  wchar_t* text = nullptr;
  FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                 nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring out = text ? text : L"";
  LocalFree(text);
  while (!out.empty() && (out.back() == L'\n' || out.back() == L'\r' || out.back() == L' ')) out.pop_back();
  return out;
}

void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary) << bytes;
}

size_t FilesIn(const std::filesystem::path& folder) {
  return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

}  // namespace

TEST_F(MainWindowTest, AFailedWriteLeavesTheOldFileAsItWasAndSaysWhy) {
  MakeCatalogue();
  TForm1& f = Open();
  WriteBytes(Scratch / "example.htm", "old page");
  std::string big;
  while (big.size() < 100 * 1024) big += std::string(78, 'x') + "\r\n";  // lines: a wrap is cheap
  f.sfMemo->SetText(big);
  std::vector<std::uint64_t> offsets;
  WholeFileWriteFault = [&](std::uint64_t offset) -> unsigned long {
    offsets.push_back(offset);
    return offset >= 65536 ? ERROR_DISK_FULL : 0;
  };
  Click(f.sfSkinXFormButton2);
  WholeFileWriteFault = nullptr;
  EXPECT_EQ(offsets, (std::vector<std::uint64_t>{0, 65536}));  // part of it was written
  EXPECT_EQ(ReadFile(Scratch / "example.htm"), "old page");
  EXPECT_EQ(FilesIn(Scratch), 1u);  // nothing left beside it
  EXPECT_TRUE(Shell.Requests().empty());
  ASSERT_EQ(Boxes.Count(), 1);
  const std::wstring full = (Scratch / "example.htm").wstring();
  EXPECT_EQ(Boxes.Last().WideText, L"Unable to write to " + full + L" (" + SystemText(ERROR_DISK_FULL) + L")");
  EXPECT_EQ(Boxes.Last().Caption, "Tavoro网页特效集");

  // Once the write goes through, the file is replaced whole.
  Click(f.sfSkinXFormButton2);
  EXPECT_TRUE(ReadFile(Scratch / "example.htm") == big);
  EXPECT_EQ(FilesIn(Scratch), 1u);
  EXPECT_EQ(Shell.Requests().size(), 1u);

  // A file that may not be replaced stays as it is, and so does the folder.
  WriteBytes(Scratch / "example.htm", "read-only page");
  SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_READONLY);
  Click(f.sfSkinXFormButton2);
  SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(ReadFile(Scratch / "example.htm"), "read-only page");
  EXPECT_EQ(FilesIn(Scratch), 1u);
  ASSERT_EQ(Boxes.Count(), 2);
  EXPECT_EQ(Boxes.Last().WideText.find(L"Cannot create file \"" + full + L"\" ("), 0u);
}
