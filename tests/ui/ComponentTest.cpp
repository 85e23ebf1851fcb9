#include <gtest/gtest.h>

#include "ui/Component.h"
#include "ui/Form.h"
#include "ui/WinControl.h"

#include <string>
#include <vector>

TEST(Component, OwnerFreesInReverseOrder) {
  std::vector<std::string> freed;
  struct TTracked : TComponent {
    std::vector<std::string>* Log;
    TTracked(TComponent* owner, const char* name, std::vector<std::string>* log) : TComponent(owner), Log(log) { SetName(name); }
    ~TTracked() override { Log->push_back(Name()); }
  };
  auto* root = new TComponent(nullptr);
  new TTracked(root, "a", &freed);
  new TTracked(root, "b", &freed);
  new TTracked(root, "c", &freed);
  EXPECT_EQ(root->ComponentCount(), 3);
  EXPECT_EQ(root->FindComponent("b")->ComponentIndex(), 1);
  delete root;
  EXPECT_EQ(freed, (std::vector<std::string>{"c", "b", "a"}));
}

namespace {

// A component that, as it goes, looks at the form that owns it: the form's type,
// a member of the form's class, and the form's message hooks.
struct TOwnerProbe : TComponent {
  TForm* Form;
  std::string* Seen;
  TOwnerProbe(TForm* form, std::string* seen) : TComponent(form), Form(form), Seen(seen) {
    Form->InstallMessageHook(this, [](TMessage& m, const std::function<void(TMessage&)>& next) {
      next(m);
    });
  }
  ~TOwnerProbe() override;
};

struct TProbeForm : TForm {
  std::vector<std::string> Items{"one", "two", "three"};
  explicit TProbeForm(TComponent* owner) : TForm(owner) {}
  ~TProbeForm() override { BeginDestroy(); }
};

TOwnerProbe::~TOwnerProbe() {
  Form->RemoveMessageHook(this);
  if (auto* probe = dynamic_cast<TProbeForm*>(Form))
    *Seen = "probe form with " + probe->Items[2];
  else if (dynamic_cast<TForm*>(Form))
    *Seen = "form";
  else
    *Seen = "no form";
}

}  // namespace

TEST(Component, OwnedComponentsGoWhileTheirOwnerIsWhole) {
  std::string seen;
  auto* form = new TForm(nullptr);
  new TOwnerProbe(form, &seen);
  delete form;
  EXPECT_EQ("form", seen);

  auto* probeForm = new TProbeForm(nullptr);
  new TOwnerProbe(probeForm, &seen);
  delete probeForm;
  EXPECT_EQ("probe form with three", seen);

  // A control owning a component is still a control when the component goes.
  bool sawControl = false;
  struct TControlProbe : TComponent {
    TComponent* Owner_;
    bool* Saw;
    TControlProbe(TComponent* owner, bool* saw) : TComponent(owner), Owner_(owner), Saw(saw) {}
    ~TControlProbe() override { *Saw = dynamic_cast<TWinControl*>(Owner_) != nullptr; }
  };
  auto* panel = new TWinControl(nullptr);
  new TControlProbe(panel, &sawControl);
  delete panel;
  EXPECT_TRUE(sawControl);
}
