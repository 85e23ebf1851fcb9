// The link label's click: order of events, the target, the shell request, the
// open-with fallback, the visited colour; and its hand cursor.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ControlsTestSupport.h"
#include "controls/FxURLLabel.h"
#include "ui/Screen.h"
#include "ui/Shell.h"

namespace {

const char kOpenWith[] = "RunDLL32.exe Shell32.dll,OpenAs_RunDLL *.htm";

struct TLinkFixture {
  std::unique_ptr<TForm> Form = MakeSizedForm(300, 100);
  TFxURLLabel* Link = new TFxURLLabel(Form.get());
  std::vector<std::string> Log;
  TShellRecorder Shell;

  TLinkFixture() {
    Link->SetParent(Form.get());
    Link->SetBounds(10, 10, 120, 16);
    Link->SetCaption("使用帮助");
    Link->OnClick = [this](TObject*) { Log.push_back("OnClick"); };
    Shell.AnswerShell = [this](const TShellRequest& r) {
      Log.push_back("open " + r.File);
      return Shell.ShellResult();
    };
  }
  // A left click on the label as the user makes it, through the parent window.
  void ClickWithMouse() {
    HWND wnd = Form->Handle();
    SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(15, 15));
    SendMessageW(wnd, WM_LBUTTONUP, 0, PointParam(15, 15));
  }
};

}  // namespace

TEST(FxURLLabel, ClickRunsOnClickThenOpensTheUrlAndBecomesVisited) {
  TLinkFixture f;
  f.Link->SetURL("  http://www.tavoro.com/list.asp?id=103 ");
  f.Link->SetVisitedColor(clRed);
  f.ClickWithMouse();

  ASSERT_EQ(f.Log, (std::vector<std::string>{"OnClick", "open http://www.tavoro.com/list.asp?id=103"}));
  const TShellRequest& r = f.Shell.Requests().at(0);
  EXPECT_EQ(r.Verb, "Open");
  EXPECT_TRUE(r.UseEx);
  EXPECT_EQ(r.Show, 1);
  EXPECT_EQ(r.Mask, 0x540u);
  EXPECT_EQ(r.Owner, nullptr);
  EXPECT_EQ(r.Parameters, "");
  EXPECT_EQ(r.Directory, "");
  EXPECT_TRUE(f.Link->Visited());
  EXPECT_EQ(f.Link->Font().Color(), clRed);
  EXPECT_EQ(f.Link->CurrentColor(), clRed);
  EXPECT_TRUE(f.Shell.CommandLines().empty());
}

TEST(FxURLLabel, ABlankUrlOpensTheCaption) {
  for (const char* url : {"", "   "}) {
    TLinkFixture f;
    f.Link->SetURL(url);
    f.Link->Click();
    EXPECT_EQ(f.Log, (std::vector<std::string>{"OnClick", "open 使用帮助"})) << "URL '" << url << "'";
  }
}

TEST(FxURLLabel, NothingToOpenStopsAfterOnClick) {
  TLinkFixture f;
  f.Link->SetURL(" ");
  f.Link->SetCaption("  ");
  f.Link->Click();
  EXPECT_EQ(f.Log, std::vector<std::string>{"OnClick"});
  EXPECT_FALSE(f.Link->Visited());
}

TEST(FxURLLabel, AFailedOpenOfAWebPageOffersTheOpenWithChoice) {
  for (const char* file : {"C:\\site\\example.htm", "page.HtM"}) {
    TLinkFixture f;
    f.Shell.SetShellResult(false);
    f.Link->SetURL(file);
    f.Link->Click();
    ASSERT_EQ(f.Shell.CommandLines().size(), 1u) << file;
    EXPECT_EQ(f.Shell.CommandLines()[0].CommandLine, kOpenWith);
    EXPECT_EQ(f.Shell.CommandLines()[0].Show, 1);
    EXPECT_FALSE(f.Link->Visited());
  }
}

TEST(FxURLLabel, OtherFailuresAreSilent) {
  for (const char* url : {"", "http://www.tavoro.com/", "page.html", "mailto:a@b.c"}) {
    TLinkFixture f;
    f.Shell.SetShellResult(false);
    f.Link->SetCaption("意见反馈");
    f.Link->SetURL(url);
    f.Link->Click();
    EXPECT_EQ(f.Shell.Requests().size(), 1u) << url;
    EXPECT_TRUE(f.Shell.CommandLines().empty()) << url;
    EXPECT_FALSE(f.Link->Visited()) << url;
  }
}

TEST(FxURLLabel, StartsAsAnUnderlinedUnvisitedLinkUnderTheHandCursor) {
  TLinkFixture f;
  EXPECT_FALSE(f.Link->Visited());
  EXPECT_EQ(f.Link->Font().Color(), clHighlight);
  EXPECT_TRUE(f.Link->Font().Style().Contains(fsUnderline));
  EXPECT_EQ(f.Link->VisitedColor(), RGBColor(128, 0, 128));
  EXPECT_EQ(f.Link->UnvisitedColor(), clHighlight);
  EXPECT_EQ(f.Link->Cursor(), 26000);
  EXPECT_EQ(Screen->Cursors(26000), LoadCursorW(nullptr, MAKEINTRESOURCEW(32649)));

  // The visited colours decide the font colour from then on.
  f.Link->SetUnvisitedColor(clBlue);
  EXPECT_EQ(f.Link->Font().Color(), clBlue);
  f.Link->SetVisited(true);
  EXPECT_EQ(f.Link->Font().Color(), RGBColor(128, 0, 128));
}
