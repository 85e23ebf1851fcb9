#include <gtest/gtest.h>

#include <windows.h>

#include "ServicesTestSupport.h"
#include "ui/Application.h"
#include "ui/CodePage.h"
#include "ui/Exception.h"
#include "ui/Dialogs.h"
#include "ui/Shell.h"
#include "ui/SysUtils.h"

TEST(ServicesDialogs, RecorderCatchesEveryBoxAndRestoresThePreviousOne) {
  TMessageBoxRecorder outer(IDYES);
  EXPECT_EQ(ShowMessageBox(nullptr, "保存成功！", "系统提示", 0x20), IDYES);
  {
    TMessageBoxRecorder inner;
    inner.Answer = [](const TMessageBoxCall& call) { return call.Flags == 0x10 ? IDCANCEL : IDOK; };
    EXPECT_EQ(ShowMessageBox(nullptr, "保存失败！", "系统提示", 0x10), IDCANCEL);
    EXPECT_EQ(inner.Count(), 1);
    EXPECT_EQ(inner.Last().Text, "保存失败！");
  }
  outer.SetResult(IDNO);
  EXPECT_EQ(ShowMessageBox(nullptr, "again", "c", 0), IDNO);
  ASSERT_EQ(outer.Count(), 2);
  EXPECT_EQ(outer.Calls()[0].Text, "保存成功！");
  EXPECT_EQ(outer.Calls()[0].Caption, "系统提示");
  EXPECT_EQ(outer.Calls()[0].Flags, 0x20u);
  EXPECT_EQ(outer.Last().Text, "again");
}

TEST(ServicesDialogs, MessageDlgAndShowMessageCaptionsAndIcons) {
  TMessageBoxRecorder boxes(IDCANCEL);
  EXPECT_EQ(MessageDlg("成功将“特效代码”复制到剪贴板！", mtInformation), mrOk);
  EXPECT_EQ(MessageDlg("请填写网页特效名称！", mtWarning), mrOk);
  ASSERT_EQ(boxes.Count(), 2);
  EXPECT_EQ(boxes.Calls()[0].Caption, "Information");
  EXPECT_EQ(boxes.Calls()[0].Flags, unsigned(MB_OK | MB_ICONINFORMATION));
  EXPECT_EQ(boxes.Calls()[1].Caption, "Warning");
  EXPECT_EQ(boxes.Calls()[1].Text, "请填写网页特效名称！");
  EXPECT_EQ(boxes.Calls()[1].Flags, unsigned(MB_OK | MB_ICONWARNING));

  auto applicationTitle = ApplicationTitleProvider();
  SetApplicationTitleProvider(nullptr);
  ShowMessage("hello");
  EXPECT_EQ(boxes.Last().Caption, "ui_tests");
  EXPECT_EQ(boxes.Last().Flags, unsigned(MB_OK));
  SetApplicationTitleProvider([] { return std::string("Tavoro网页特效集"); });
  ShowMessage("hello");
  MessageDlg("custom", mtCustom);
  SetApplicationTitleProvider(applicationTitle);
  EXPECT_EQ(boxes.Calls()[3].Caption, "Tavoro网页特效集");
  EXPECT_EQ(boxes.Calls()[4].Caption, "Tavoro网页特效集");
  EXPECT_EQ(boxes.Calls()[4].Flags, unsigned(MB_OK));
}

TEST(ServicesDialogs, AMessageNamingAPathGbkLacksShowsThePathAsItIs) {
  const std::wstring path = L"Z:\\\uD14C\uC2A4\uD2B8\U0001F600\\spect.nht";
  {
    TMessageBoxRecorder boxes;
    Application->ShowException(
        Exception("Could not find file '" + PathToAnsi(path) + "'", L"Could not find file '" + path + L"'"));
    Application->ShowException(Exception("没有文件", L"没有文件\U0001F600"));
    ASSERT_EQ(boxes.Count(), 2);
    EXPECT_EQ(boxes.Calls()[0].WideText, L"Could not find file '" + path + L"'");
    EXPECT_EQ(boxes.Calls()[0].Text, "Could not find file 'Z:\\&#xD14C;&#xC2A4;&#xD2B8;&#x1F600;\\spect.nht'");
    EXPECT_EQ(boxes.Calls()[0].Caption, "UiTests");
    EXPECT_EQ(boxes.Calls()[0].Flags, unsigned(MB_OK | MB_ICONSTOP));
    EXPECT_EQ(boxes.Calls()[1].WideText, L"没有文件\U0001F600.");  // as the 936 text, a full stop
    EXPECT_EQ(boxes.Calls()[1].Text, "没有文件.");
  }
  // Where only a handler of 936 text is set, it is given the 936 form.
  std::vector<std::string> seen;
  TMessageBoxHandler saved = MessageBoxHandler();
  SetMessageBoxHandler([&](HWND, const std::string& text, const std::string&, unsigned) {
    seen.push_back(text);
    return IDOK;
  });
  EXPECT_EQ(ShowMessageBox(nullptr, "936 form", L"wide form", "c", 0), IDOK);
  SetMessageBoxHandler(saved);
  EXPECT_EQ(seen, std::vector<std::string>{"936 form"});
}

namespace {

TShellRequest Open(const std::string& file, bool useEx = false, unsigned mask = 0) {
  TShellRequest request;
  request.Verb = "open";
  request.File = file;
  request.UseEx = useEx;
  request.Mask = mask;
  return request;
}

}  // namespace

TEST(ServicesShell, RecorderCatchesRequestsAndCommandLines) {
  TShellRecorder outer;
  {
    TShellRecorder shell(false, true);
    TShellRequest request;
    request.Verb = "Open";
    request.File = "Mailto:a@b?subject=“Tavoro网页特效集”用户意见或建议&cc=";
    request.Mask = 0x540;
    request.UseEx = true;
    EXPECT_FALSE(ShellOpen(request));
    EXPECT_TRUE(RunCommandLine("RunDLL32.exe Shell32.dll,OpenAs_RunDLL *.htm", SW_SHOWNORMAL));
    ASSERT_EQ(shell.Requests().size(), 1u);
    EXPECT_EQ(shell.Requests()[0].File, request.File);
    EXPECT_EQ(shell.Requests()[0].Mask, 0x540u);
    EXPECT_TRUE(shell.Requests()[0].UseEx);
    ASSERT_EQ(shell.CommandLines().size(), 1u);
    EXPECT_EQ(shell.CommandLines()[0].CommandLine, "RunDLL32.exe Shell32.dll,OpenAs_RunDLL *.htm");
    EXPECT_EQ(shell.CommandLines()[0].Show, SW_SHOWNORMAL);
  }
  outer.AnswerShell = [](const TShellRequest& r) { return r.File == "example.htm"; };
  EXPECT_TRUE(ShellOpen(Open("example.htm")));
  EXPECT_FALSE(ShellOpen(Open("other.htm")));
  EXPECT_EQ(outer.Requests().size(), 2u);
  EXPECT_TRUE(outer.CommandLines().empty());
}

// The real calls, with targets that start nothing visible.
TEST(ServicesShell, RealCallsReportFailureAndSuccess) {
  TScratchFolder folder(L"shell");
  std::string missing = PathToAnsi(folder.File(L"不存在.qqq"));
  EXPECT_FALSE(ShellOpen(Open(missing, true, 0x540)));
  EXPECT_FALSE(ShellOpen(Open(missing)));
  EXPECT_FALSE(RunCommandLine("\"" + missing + "\" /x", SW_HIDE));

  std::string self = PathToAnsi(ExeFileName());
  EXPECT_TRUE(RunCommandLine("\"" + self + "\" --gtest_list_tests --gtest_filter=None", SW_HIDE));
}
