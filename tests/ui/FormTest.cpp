// Form creation, closing, modal loops and the default error report.
#include <gtest/gtest.h>

#include "FormTestSupport.h"
#include "ui/Dialogs.h"
#include "ui/Screen.h"

namespace {

class TFailingForm : public TForm {
 public:
  explicit TFailingForm(TComponent* owner) : TForm(owner) {
    SetCaption("stored");
    OnCreate = [this](TObject*) {
      SetCaption("placed");
      throw Exception("Could not find file C:\\spect.nht");
    };
  }
};

}  // namespace

TEST(ErrorReport, AppendsAFullStopOnlyAfterCharactersSortingAfterIt) {
  EXPECT_EQ(ErrorReportText("File not found"), "File not found.");
  EXPECT_EQ(ErrorReportText("Done."), "Done.");
  EXPECT_EQ(ErrorReportText("Really!"), "Really!");   // '!' sorts before '.'
  EXPECT_EQ(ErrorReportText("(x)"), "(x)");
  EXPECT_EQ(ErrorReportText("a/"), "a/.");            // '/' sorts after '.'
  EXPECT_EQ(ErrorReportText("文件不存在"), "文件不存在.");
  EXPECT_EQ(ErrorReportText("完成。"), "完成。.");     // a full-width stop is a Chinese character
  EXPECT_EQ(ErrorReportText(""), "");
}

TEST(ErrorReport, ErrorInOnCreateIsReportedAndCreationCompletes) {
  TMessageBoxRecorder boxes;
  auto form = MakeForm<TFailingForm>();
  ASSERT_EQ(boxes.Count(), 1);
  EXPECT_EQ(boxes.Last().Text, "Could not find file C:\\spect.nht.");
  EXPECT_EQ(boxes.Last().Caption, Application->Title());
  EXPECT_EQ(boxes.Last().Flags & 0xF0u, static_cast<unsigned>(MB_ICONSTOP));
  EXPECT_EQ(boxes.Last().Flags & 0x0Fu, static_cast<unsigned>(MB_OK));
  EXPECT_EQ(form->Caption(), "placed");
  EXPECT_FALSE(form->IsLoading());
}

TEST(ErrorReport, ErrorInAnEventHandlerIsReportedAndTheProgramGoesOn) {
  TMessageBoxRecorder boxes;
  auto form = MakeForm();
  form->OnClick = [](TObject*) { throw Exception("click failed"); };
  SendMessageW(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(5, 5));
  SendMessageW(form->Handle(), WM_LBUTTONUP, 0, PointParam(5, 5));
  ASSERT_EQ(boxes.Count(), 1);
  EXPECT_EQ(boxes.Last().Text, "click failed.");
  Application->OnException = [&](TObject*, const Exception& e) { EXPECT_EQ(e.Message(), "again"); };
  form->OnClick = [](TObject*) { throw Exception("again"); };
  SendMessageW(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(5, 5));
  SendMessageW(form->Handle(), WM_LBUTTONUP, 0, PointParam(5, 5));
  Application->OnException = nullptr;
  EXPECT_EQ(boxes.Count(), 1);
}

TEST(FormClose, OnCloseDecidesWhatHappens) {
  auto form = MakeForm();
  form->Show();
  int closes = 0;
  TCloseAction answer = caNone;
  form->OnClose = [&](TObject* sender, TCloseAction& action) {
    EXPECT_EQ(sender, form.get());
    EXPECT_EQ(action, caHide);
    ++closes;
    action = answer;
  };
  SendMessageW(form->Handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(form->Visible());
  EXPECT_TRUE(IsWindow(form->HandleValue()));
  answer = caHide;
  form->Close();
  EXPECT_FALSE(form->Visible());
  EXPECT_FALSE(IsWindowVisible(form->HandleValue()));
  EXPECT_EQ(closes, 2);
}

// A form released from inside its own message hook, which then runs a nested message
// loop (as a modal box or a menu does), is still there when the loop returns to the
// hook; it goes once the hook has returned.
TEST(FormRelease, AReleasedFormOutlivesTheHandlerThatReleasedIt) {
  struct TGoneFlag : TComponent {
    bool* Gone;
    TGoneFlag(TComponent* owner, bool* gone) : TComponent(owner), Gone(gone) {}
    ~TGoneFlag() override { *Gone = true; }
  };
  constexpr unsigned kReleaseNow = WM_APP + 7;
  bool gone = false, goneInsideHook = true;
  TForm* form = MakeForm().release();
  new TGoneFlag(form, &gone);
  form->Handle();
  int owner = 0;
  form->InstallMessageHook(&owner, [&](TMessage& m, const std::function<void(TMessage&)>& next) {
    next(m);
    if (m.Msg != kReleaseNow) return;
    form->Release();
    Application->ProcessMessages();
    goneInsideHook = gone;
  });
  SendMessageW(form->HandleValue(), kReleaseNow, 0, 0);
  EXPECT_FALSE(goneInsideHook);
  EXPECT_TRUE(gone);
}

TEST(FormClose, FailingOnCloseKeepsTheWindowOpen) {
  TMessageBoxRecorder boxes;
  auto form = MakeForm();
  form->Show();
  form->OnClose = [](TObject*, TCloseAction&) { throw Exception("Unable to write to C:\\x.ini"); };
  SendMessageW(form->Handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(form->Visible());
  ASSERT_EQ(boxes.Count(), 1);
  EXPECT_EQ(boxes.Last().Text, "Unable to write to C:\\x.ini.");
}

TEST(FormModal, ShowModalRunsUntilAResultIsSet) {
  auto form = MakeForm();
  auto owner = MakeForm();
  owner->Show();
  form->OnShow = [&](TObject*) {
    EXPECT_FALSE(IsWindowEnabled(owner->HandleValue()));  // the rest of the program waits
    PostMessageW(form->Handle(), WM_CLOSE, 0, 0);
  };
  int closes = 0;
  form->OnClose = [&](TObject*, TCloseAction&) { ++closes; };
  EXPECT_EQ(form->ShowModal(), mrCancel);
  EXPECT_EQ(closes, 1);
  EXPECT_FALSE(form->Visible());
  EXPECT_TRUE(IsWindowEnabled(owner->HandleValue()));

  form->OnShow = [&](TObject*) { form->SetModalResult(mrOk); };
  EXPECT_EQ(form->ShowModal(), mrOk);
  EXPECT_THROW(
      {
        form->Show();
        form->ShowModal();
      },
      Exception);
}

TEST(FormScreen, KnowsTheFormsInCreationOrderAndTheScreenSize) {
  int before = Screen->FormCount();
  auto first = MakeForm();
  auto second = MakeForm();
  ASSERT_EQ(Screen->FormCount(), before + 2);
  EXPECT_EQ(Screen->Forms(before), first.get());
  EXPECT_EQ(Screen->Forms(before + 1), second.get());
  first.reset();
  EXPECT_EQ(Screen->Forms(before), second.get());
  EXPECT_EQ(Screen->Width(), GetSystemMetrics(SM_CXSCREEN));
  EXPECT_GT(Screen->Height(), 0);
  EXPECT_EQ(Screen->Cursors(crHandPoint), LoadCursorW(nullptr, MAKEINTRESOURCEW(32649)));
  HCURSOR hand = Screen->Cursors(crHandPoint);
  Screen->SetCursors(26000, hand);
  EXPECT_EQ(Screen->Cursors(26000), hand);
}

TEST(FormFocus, TabMovesThroughFocusableControlsInTabOrder) {
  auto form = MakeForm();
  form->Show();
  std::vector<TWinControl*> edits;
  for (int i = 0; i < 3; ++i) {
    auto* c = new TCustomControl(form.get());
    c->SetBounds(10, 10 + 30 * i, 50, 20);
    c->SetTabStop(true);
    c->SetParent(form.get());
    edits.push_back(c);
  }
  edits[2]->SetTabOrder(0);
  EXPECT_EQ(form->FindNextControl(nullptr, true), edits[2]);
  EXPECT_EQ(form->FindNextControl(edits[2], true), edits[0]);
  EXPECT_EQ(form->FindNextControl(edits[1], true), edits[2]);  // wraps round
  EXPECT_EQ(form->FindNextControl(edits[2], false), edits[1]);
  edits[0]->SetEnabled(false);
  EXPECT_EQ(form->FindNextControl(edits[2], true), edits[1]);
}
