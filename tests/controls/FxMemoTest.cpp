// The code view: its lines and text byte for byte, large texts, the wheel, and the
// caret reports.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ControlsTestSupport.h"
#include "controls/FxMemo.h"
#include "ui/Clipboard.h"

namespace {

struct TMemoFixture {
  std::unique_ptr<TForm> Form = MakeSizedForm(600, 300);
  TFxMemo* Memo = new TFxMemo(Form.get());
  TMemoFixture() {
    Memo->SetParent(Form.get());
    Memo->SetBounds(0, 0, 300, 120);
    Memo->SetBorderStyle(bsNone);
    Memo->SetScrollBars(ssBoth);
  }
  HWND Wnd() { return Memo->Handle(); }
  int FirstVisibleLine() { return static_cast<int>(SendMessageW(Wnd(), EM_GETFIRSTVISIBLELINE, 0, 0)); }
  void Wheel(int delta) {
    SendMessageW(Wnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)), PointParam(50, 50));
  }
};

std::string ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const char kCode1[] = "<script language=\"JavaScript\">\r\n// 菜单导航：鼠标经过时变色\r\n</script>";
const char kCode2[] = "<p>表单按钮特效</p>";

}  // namespace

TEST(FxMemoLines, AddedChineseCodeComesBackByteForByteWithCrLf) {
  TMemoFixture f;
  f.Memo->Lines().Add(kCode1);
  f.Memo->Lines().Add(kCode2);
  const std::string expected = std::string(kCode1) + "\r\n" + kCode2 + "\r\n";
  EXPECT_EQ(f.Memo->Text(), expected);
  EXPECT_EQ(f.Memo->Lines().Text(), expected);
  // The window holds the characters, not bytes read through the ANSI code page.
  wchar_t buffer[256] = {};
  GetWindowTextW(f.Wnd(), buffer, 256);
  EXPECT_EQ(std::wstring(buffer), AnsiToWide(expected));

  ASSERT_EQ(f.Memo->Lines().Count(), 4);
  EXPECT_EQ(f.Memo->Lines().Strings(1), "// 菜单导航：鼠标经过时变色");
  EXPECT_EQ(f.Memo->Lines().Strings(3), kCode2);

  auto path = std::filesystem::temp_directory_path() / L"fxmemo_lines.htm";
  f.Memo->Lines().SaveToFile(path.wstring());
  EXPECT_EQ(ReadFileBytes(path), expected);
  std::filesystem::remove(path);

  f.Memo->Clear();
  EXPECT_EQ(f.Memo->Lines().Count(), 0);
  EXPECT_EQ(f.Memo->Text(), "");
}

TEST(FxMemoLines, SelectAllAndCopyPutTheWholeTextOnTheClipboard) {
  TMemoFixture f;
  f.Memo->Lines().Add(kCode1);
  f.Memo->SelectAll();
  f.Memo->CopyToClipboard();
  EXPECT_EQ(Clipboard().AsText(), std::string(kCode1) + "\r\n");
  EXPECT_EQ(f.Memo->SelLength(), static_cast<int>(f.Memo->Text().size()));  // the selection stays
}

TEST(FxMemoLines, WrappedLinesAreStillOneLineEach) {
  TMemoFixture f;
  ASSERT_TRUE(f.Memo->WordWrap());
  std::string longLine;
  for (int i = 0; i < 40; ++i) longLine += "网页特效 effect ";
  f.Memo->SetText(longLine + "\r\nend");
  ASSERT_GT(SendMessageW(f.Wnd(), EM_GETLINECOUNT, 0, 0), 3);  // wrapped on screen
  EXPECT_EQ(f.Memo->Lines().Count(), 2);
  EXPECT_EQ(f.Memo->Lines().Strings(0), longLine);
  // A text whose last line has no break is saved without one.
  EXPECT_EQ(f.Memo->Lines().Text(), longLine + "\r\nend");
  f.Memo->Lines().Add("x");
  EXPECT_EQ(f.Memo->Text(), longLine + "\r\nend\r\nx\r\n");
}

TEST(FxMemoLines, EditingLinesInsideTheText) {
  TMemoFixture f;
  f.Memo->Lines().SetText("一\nthree\r四");
  EXPECT_EQ(f.Memo->Text(), "一\r\nthree\r\n四");
  f.Memo->Lines().Insert(1, "二");
  f.Memo->Lines().SetStrings(2, "三");
  f.Memo->Lines().Delete(0);
  EXPECT_EQ(f.Memo->Text(), "二\r\n三\r\n四");
  EXPECT_THROW(f.Memo->Lines().Strings(3), EListError);
}

TEST(FxMemoLines, TextSurvivesTheWindowAndLargeTextsFit) {
  auto form = MakeSizedForm();
  auto* memo = new TFxMemo(form.get());
  memo->Lines().Add("before the window");  // no parent yet, so no window
  memo->SetParent(form.get());
  ASSERT_NE(memo->Handle(), nullptr);
  EXPECT_EQ(memo->Text(), "before the window\r\n");

  std::string big;
  for (int i = 0; big.size() < 120000; ++i) big += "第" + std::to_string(i) + "行 document.write('特效');\r\n";
  memo->Lines().Add(big);  // far more than the platform lets the user type (32767 characters)
  memo->Lines().Add("最后一行");
  const std::string all = "before the window\r\n" + big + "\r\n最后一行\r\n";
  EXPECT_EQ(memo->Text(), all);
  memo->SetWordWrap(false);  // makes the window again
  EXPECT_EQ(memo->Text(), all);
}

namespace {

// Two hundred lines in the view, scrolled to the top.
void ShowTwoHundredLines(TMemoFixture& f) {
  std::string text;
  for (int i = 0; i < 200; ++i) text += "line " + std::to_string(i) + "\r\n";
  f.Memo->SetText(text);
  SendMessageW(f.Wnd(), EM_SETSEL, 0, 0);
  SendMessageW(f.Wnd(), EM_SCROLLCARET, 0, 0);
}

}  // namespace

TEST(FxMemoWheel, ANotchScrollsByTheSystemLinesAndStopsAtTheEnd) {
  TMemoFixture f;
  UINT lines = 0;
  SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  ASSERT_GT(lines, 0u);
  ASSERT_LT(lines, 20u);
  ShowTwoHundredLines(f);
  ASSERT_EQ(f.FirstVisibleLine(), 0);

  f.Wheel(-120);
  EXPECT_EQ(f.FirstVisibleLine(), static_cast<int>(lines));
  f.Wheel(-240);
  EXPECT_EQ(f.FirstVisibleLine(), static_cast<int>(3 * lines));
  f.Wheel(120);
  EXPECT_EQ(f.FirstVisibleLine(), static_cast<int>(2 * lines));
  f.Wheel(-60);  // less than a notch
  EXPECT_EQ(f.FirstVisibleLine(), static_cast<int>(2 * lines));

  f.Wheel(-120 * 200);
  int last = f.FirstVisibleLine();
  EXPECT_GT(last, 150);
  f.Wheel(-120);
  EXPECT_EQ(f.FirstVisibleLine(), last);
  f.Wheel(120 * 200);
  EXPECT_EQ(f.FirstVisibleLine(), 0);
}

// A touch pad or a high-resolution wheel sends parts of a notch: they scroll once
// they add up to whole notches, and a turn the other way drops what was left.
TEST(FxMemoWheel, PartsOfANotchAddUpToWholeOnes) {
  TMemoFixture f;
  UINT lines = 0;
  SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  ASSERT_EQ(lines, 3u);
  ShowTwoHundredLines(f);
  ASSERT_EQ(f.FirstVisibleLine(), 0);

  f.Wheel(-30);
  EXPECT_EQ(f.FirstVisibleLine(), 0);
  for (int i = 0; i < 3; ++i) f.Wheel(-30);
  EXPECT_EQ(f.FirstVisibleLine(), 3);  // four parts: one notch
  for (int i = 0; i < 40; ++i) f.Wheel(-30);
  EXPECT_EQ(f.FirstVisibleLine(), 33);  // as ten notches would
  for (int i = 0; i < 3; ++i) f.Wheel(-30);
  f.Wheel(30);  // back up: the three parts down are dropped, not undone
  EXPECT_EQ(f.FirstVisibleLine(), 33);
  for (int i = 0; i < 3; ++i) f.Wheel(30);
  EXPECT_EQ(f.FirstVisibleLine(), 30);
  f.Wheel(-150);  // a notch and a part
  EXPECT_EQ(f.FirstVisibleLine(), 33);
  f.Wheel(-90);
  EXPECT_EQ(f.FirstVisibleLine(), 36);
}

TEST(FxMemoWheel, AWheelHandlerTakesOver) {
  TMemoFixture f;
  std::string text;
  for (int i = 0; i < 100; ++i) text += "line\r\n";
  f.Memo->SetText(text);
  SendMessageW(f.Wnd(), EM_SETSEL, 0, 0);
  SendMessageW(f.Wnd(), EM_SCROLLCARET, 0, 0);
  std::vector<std::string> log;
  f.Memo->OnMouseWheel = [&](TObject*, TShiftState, int delta, TPoint, bool& handled) {
    log.push_back("wheel " + std::to_string(delta));
    handled = true;
  };
  f.Memo->OnMouseWheelDown = [&](TObject*, TShiftState, TPoint, bool&) { log.push_back("down"); };
  f.Wheel(-120);
  EXPECT_EQ(f.FirstVisibleLine(), 0);
  f.Memo->OnMouseWheel = [&](TObject*, TShiftState, int, TPoint, bool&) { log.push_back("unhandled"); };
  f.Wheel(-120);
  EXPECT_EQ(log, (std::vector<std::string>{"wheel -120", "unhandled", "down"}));
}

TEST(FxMemoCaret, LineAndColumnAreReportedFromOne) {
  TMemoFixture f;
  std::vector<std::pair<int, int>> reports;
  f.Memo->OnLineColChange = [&](TObject*, int line, int column) { reports.push_back({line, column}); };
  f.Wnd();
  f.Memo->Lines().Add("ab");
  f.Memo->Lines().Add("cdef");
  ASSERT_FALSE(reports.empty());
  EXPECT_EQ(reports.back(), std::make_pair(3, 1));  // after the last line break

  SendMessageW(f.Wnd(), EM_SETSEL, 6, 6);  // between "d" and "e"
  SendMessageW(f.Wnd(), WM_KEYUP, VK_RIGHT, 0);
  EXPECT_EQ(reports.back(), std::make_pair(2, 3));

  f.Memo->SetFocus();
  ASSERT_TRUE(f.Memo->Focused());
  SendMessageW(f.Wnd(), EM_SETSEL, 1, 7);  // caret at the end of the selection
  SendMessageW(f.Wnd(), WM_KEYUP, VK_SHIFT, 0);
  EXPECT_EQ(reports.back(), std::make_pair(2, 4));
  EXPECT_EQ(f.Memo->CurrentLine(), 2);
  EXPECT_EQ(f.Memo->CurrentColumn(), 4);

  bool selection = false;
  f.Memo->OnClipboardChange = [&](TObject*, bool hasSelection, bool) { selection = hasSelection; };
  SendMessageW(f.Wnd(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(2, 2));
  SendMessageW(f.Wnd(), WM_LBUTTONUP, 0, PointParam(2, 2));
  EXPECT_EQ(reports.back(), std::make_pair(1, 1));
  EXPECT_FALSE(selection);
  f.Memo->SelectAll();
  SendMessageW(f.Wnd(), WM_KEYUP, VK_CONTROL, 0);
  EXPECT_TRUE(selection);
}

// A batch of changes keeps the memo out of sight until it ends, then shows it with
// the text complete; a memo that has the focus keeps it, and stays in view.
TEST(FxMemoLines, BatchOfChangesEndsShownWithTheWholeText) {
  TMemoFixture f;
  f.Form->Show();
  f.Memo->Lines().Add("old");
  f.Memo->Lines().BeginUpdate();
  f.Memo->Clear();
  EXPECT_FALSE(IsWindowVisible(f.Wnd()));
  f.Memo->Lines().Add(kCode1);
  f.Memo->Lines().Add(kCode2);
  f.Memo->Lines().EndUpdate();
  EXPECT_TRUE(IsWindowVisible(f.Wnd()));
  EXPECT_EQ(f.Memo->Text(), std::string(kCode1) + "\r\n" + kCode2 + "\r\n");

  f.Memo->SetFocus();
  ASSERT_EQ(GetFocus(), f.Wnd());
  f.Memo->Lines().BeginUpdate();
  f.Memo->Lines().Add("more");
  EXPECT_TRUE(IsWindowVisible(f.Wnd()));
  f.Memo->Lines().EndUpdate();
  EXPECT_EQ(GetFocus(), f.Wnd());
  EXPECT_EQ(f.Memo->Lines().Count(), 5);
}
