// What a component on a form can do with the form's window: put its procedure in
// front of the form's, have the window re-created, see keys first; and the
// application's minimize and restore.
#include <gtest/gtest.h>

#include <string>

#include "FormTestSupport.h"
#include "ui/Edit.h"

namespace {

constexpr unsigned kProbe = WM_APP + 7;

// Installs a hook that writes its name down and passes the message on.
void Hook(TForm& form, const void* owner, std::string& log, const char* name) {
  form.InstallMessageHook(owner, [&log, name](TMessage& m, const std::function<void(TMessage&)>& next) {
    if (m.Msg == kProbe) log += name;
    next(m);
  });
}

class TLoggingForm : public TForm {
 public:
  using TForm::TForm;
  std::string* Log = nullptr;
  void WndProc(TMessage& m) override {
    if (m.Msg == kProbe && Log) *Log += "form";
    TForm::WndProc(m);
  }
};

}  // namespace

TEST(FormHooks, NewestFirstAndRemovableInAnyOrder) {
  auto form = MakeForm<TLoggingForm>();
  std::string log;
  form->Log = &log;
  int a = 0, b = 0, c = 0;
  Hook(*form, &a, log, "a ");
  Hook(*form, &b, log, "b ");
  Hook(*form, &c, log, "c ");
  SendMessageW(form->Handle(), kProbe, 0, 0);
  EXPECT_EQ(log, "c b a form");
  log.clear();
  form->RemoveMessageHook(&b);
  SendMessageW(form->Handle(), kProbe, 0, 0);
  EXPECT_EQ(log, "c a form");
  log.clear();
  form->RemoveMessageHook(&c);
  Hook(*form, &b, log, "b ");
  SendMessageW(form->Handle(), kProbe, 0, 0);
  EXPECT_EQ(log, "b a form");
  log.clear();
  form->RemoveMessageHook(&a);
  form->RemoveMessageHook(&b);
  SendMessageW(form->Handle(), kProbe, 0, 0);
  EXPECT_EQ(log, "form");
}

TEST(FormHooks, AMessageSentBeforeTheWindowIsMadeTakesTheHooksAndMakesNoWindow) {
  auto form = MakeForm<TLoggingForm>();
  std::string log;
  form->Log = &log;
  int owner = 0;
  form->InstallMessageHook(&owner, [&log](TMessage& m, const std::function<void(TMessage&)>& next) {
    if (m.Msg != kProbe) return next(m);
    log += "hook ";
    next(m);
    m.Result = 42;
  });
  EXPECT_EQ(form->SendWindowMessage(kProbe, 0, 0), 42);
  EXPECT_EQ(log, "hook form");
  EXPECT_FALSE(form->HandleAllocated());
  log.clear();
  form->HandleNeeded();
  EXPECT_EQ(form->SendWindowMessage(kProbe, 0, 0), 42);
  EXPECT_EQ(log, "hook form");
}

TEST(FormHooks, ARecreatedWindowKeepsHooksChildrenAndBounds) {
  auto form = MakeForm<TLoggingForm>();
  std::string log;
  int owner = 0;
  Hook(*form, &owner, log, "hook ");
  auto* edit = new TEdit(form.get());
  edit->SetParent(form.get());
  edit->SetBounds(10, 10, 100, 21);
  form->SetBounds(40, 30, 400, 300);
  form->Show();
  edit->SetText("typed");
  HWND oldWindow = form->Handle();
  HWND oldEdit = edit->Handle();
  form->RecreateWnd();
  EXPECT_NE(form->Handle(), oldWindow);
  EXPECT_FALSE(IsWindow(oldWindow));
  EXPECT_NE(edit->Handle(), oldEdit);
  EXPECT_EQ(GetParent(edit->Handle()), form->Handle());
  EXPECT_EQ(edit->Text(), "typed");
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  RECT r;
  GetWindowRect(form->Handle(), &r);
  EXPECT_EQ(r.left, 40);
  EXPECT_EQ(r.right - r.left, 400);
  SendMessageW(form->Handle(), kProbe, 0, 0);
  EXPECT_EQ(log, "hook ");
}

TEST(FormShortCut, KeysReachTheFormBeforeTheFocusedControl) {
  auto form = MakeForm();
  auto* edit = new TEdit(form.get());
  edit->SetParent(form.get());
  form->Show();
  edit->SetFocus();
  int controlKeys = 0;
  edit->OnKeyDown = [&](TObject*, std::uint16_t&, TShiftState) { ++controlKeys; };
  std::uint16_t seen = 0;
  form->OnShortCut = [&](TObject*, std::uint16_t key, TShiftState, bool& handled) {
    seen = key;
    handled = key == VK_F5;
  };
  PostMessageW(edit->Handle(), WM_KEYDOWN, VK_F5, 0);
  Application->ProcessMessages();
  EXPECT_EQ(seen, VK_F5);
  EXPECT_EQ(controlKeys, 0);
  PostMessageW(edit->Handle(), WM_KEYDOWN, VK_F6, 0);
  Application->ProcessMessages();
  EXPECT_EQ(seen, VK_F6);
  EXPECT_EQ(controlKeys, 1);
}

TEST(ApplicationState, MinimizeAndRestoreTheMainForm) {
  auto form = MakeForm();
  form->Show();
  TForm* oldMain = Application->MainForm();
  Application->SetMainForm(form.get());
  int minimized = 0, restored = 0;
  Application->OnMinimize = [&](TObject*) { ++minimized; };
  Application->OnRestore = [&](TObject*) { ++restored; };
  Application->Minimize();
  Application->Minimize();
  EXPECT_TRUE(Application->Minimized());
  EXPECT_TRUE(IsIconic(form->Handle()));
  EXPECT_EQ(minimized, 1);
  Application->Restore();
  Application->Restore();
  EXPECT_FALSE(Application->Minimized());
  EXPECT_EQ(restored, 1);
  Application->OnMinimize = nullptr;
  Application->OnRestore = nullptr;
  Application->SetMainForm(oldMain);
}
