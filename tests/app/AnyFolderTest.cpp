// The program started from a folder whose name holds characters GBK lacks, a ';'
// and what reads like a reference: the test program copies itself there and runs,
// in the copy, the test that works the window from its own folder.
#include "MainWindowFixture.h"

#include "controls/FxEdit.h"
#include "controls/FxMemo.h"
#include "skin/controls/sfListBox.h"
#include "skin/controls/sfSkinButton.h"
#include "skin/controls/sfSkinComboBox.h"
#include "skin/controls/sfSkinEdit.h"
#include "skin/controls/sfSkinListBox.h"
#include "skin/controls/sfSkinXFormButton.h"
#include "skin/dialogs/sfSkinFileListView.h"
#include "tests/skin_dialogs/DialogDriver.h"
#include "ui/IniFile.h"

namespace {

const wchar_t kAnyFolder[] = L"tavoro any;&#x41;\\\uD14C\uC2A4\uD2B8\U0001F600";
const wchar_t kSavedName[] = L"\uD14C\U0001F600.html";
const char kPage[] = "<p>&#x1F600;</p>";

bool RunningInAnyFolder() { return ExeFolder().find(L"\U0001F600") != std::wstring::npos; }

}  // namespace

TEST_F(MainWindowTest, FromAFolderOfAnyNameItStartsBrowsesPreviewsSavesAndInserts) {
  if (!RunningInAnyFolder()) GTEST_SKIP() << "run in a copy of the program by the test below";
  std::filesystem::current_path(Folder);  // the preview is written beside the program
  MakeCatalogue();
  TForm1& f = Open();
  f.Show();
  ASSERT_EQ(Boxes.Count(), 0) << Boxes.Last().Text;
  ASSERT_EQ(f.sfLB->Items().Count(), 2);
  HWND list = f.sfLB->ListBox().Handle();
  SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 30));
  SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(20, 30));
  EXPECT_EQ(f.sfMemo->Text(), "<div>滑动</div>\r\n");

  f.sfMemo->SetWideText(L"<p>\U0001F600</p>");
  f.sfSkinXFormButton2->Click();
  EXPECT_EQ(Shell.Requests().size(), 1u);
  // The dialog opens in the program's folder; a name GBK cannot hold is kept too.
  WhenDialogShows([&](TsfOpenDlgForm& d) {
    EXPECT_EQ(d.FileList->CurrentFolder()->PathW() + L"\\", ExeFolder());
    d.FileNameEdit->SetWideText(kSavedName);
    d.AcceptButton->Click();
  });
  f.sfSkinXFormButton4->Click();

  f.sfEdt->SetText("新特效");
  f.sfCbb->SetItemIndex(1);
  f.sfFrmBtn->Click();
  ASSERT_EQ(Boxes.Count(), 1);
  EXPECT_EQ(Boxes.Last().Text, "保存成功！");

  f.SetLeft(123);
  f.Close();
  EXPECT_EQ(TIniFile(ExeFolder() + L"Vexmark.ini").ReadInteger("MainForm", "Left", 0), 123);
  Form.reset();
  EXPECT_EQ(Open().Left(), 123);
  EXPECT_EQ(Boxes.Count(), 1);
}

TEST(MainWindowAnyFolder, TheProgramWorksFromAFolderOfAnyName) {
  if (RunningInAnyFolder()) GTEST_SKIP() << "the copy itself";
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / kAnyFolder;
  std::filesystem::remove_all(folder.parent_path());
  std::filesystem::create_directories(folder);
  const std::filesystem::path exe = folder / L"app_tests.exe";
  std::filesystem::copy_file(ExeFileName(), exe);
  std::wstring command = L"\"" + exe.wstring() + L"\" --gtest_filter=MainWindowTest.FromAFolderOfAnyName*";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                             &startup, &process));
  const DWORD waited = WaitForSingleObject(process.hProcess, 120000);
  DWORD exitCode = 1;
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  EXPECT_EQ(waited, WAIT_OBJECT_0);
  EXPECT_EQ(exitCode, 0u);
  auto read = [](const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  EXPECT_EQ(read(folder / L"example.htm"), kPage);
  EXPECT_EQ(read(folder / kSavedName), kPage);
  std::error_code ec;
  std::filesystem::remove_all(folder.parent_path(), ec);
}
