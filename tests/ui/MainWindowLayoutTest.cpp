// The main window's tree of bars, panels and columns, built with plain
// containers: alignment must give every control the bounds the window is
// designed with, keep them when the skin fixes the bar heights, and follow a resize.
#include <gtest/gtest.h>

#include <map>

#include "FormTestSupport.h"
#include "ui/CustomControl.h"
#include "ui/GraphicControl.h"

namespace {

// A plain container; a framed one keeps a one-pixel border out of its client area.
class TBox : public TCustomControl {
 public:
  TBox(TComponent* owner, bool framed) : TCustomControl(owner), FFramed(framed) {}
  void AdjustClientRect(TRect& r) const override {
    if (FFramed) r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
  }

 private:
  bool FFramed;
};

class TLabelStub : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
};

struct TRow {
  const char* Name;
  const char* Parent;
  TAlign Align;
  TRect Stored;  // left, top, width, height as stored
  bool Framed;
  bool Windowless;
};

const TRow kTree[] = {
    {"sfTb", "Form1", alTop, {0, 0, 782, 40}, false, false},
    {"sfPanel_Bottom", "Form1", alBottom, {0, 488, 782, 43}, false, false},
    {"UrlAds2", "sfPanel_Bottom", alNone, {9, 15, 159, 13}, false, true},
    {"UrlAds", "sfPanel_Bottom", alNone, {188, 15, 159, 13}, false, true},
    {"sfCbb", "sfPanel_Bottom", alNone, {6, 8, 91, 27}, false, false},
    {"sfFrmBtn", "sfPanel_Bottom", alNone, {280, 8, 75, 27}, false, false},
    {"sfEdt", "sfPanel_Bottom", alNone, {104, 8, 169, 21}, false, false},
    {"sfSkinXFormButton2", "sfPanel_Bottom", alNone, {542, 8, 75, 27}, false, false},
    {"sfSkinXFormButton3", "sfPanel_Bottom", alNone, {622, 8, 75, 27}, false, false},
    {"sfSkinXFormButton4", "sfPanel_Bottom", alNone, {702, 8, 75, 27}, false, false},
    {"sfSkinPanel3", "Form1", alClient, {0, 40, 782, 448}, true, false},
    {"sfPanel_MidMid", "sfSkinPanel3", alClient, {202, 1, 579, 446}, true, false},
    {"sfMemo", "sfPanel_MidMid", alClient, {1, 1, 577, 444}, false, false},
    {"sfSkinPanel4", "sfSkinPanel3", alLeft, {193, 1, 9, 446}, false, false},
    {"sfPanel_MidLeft", "sfSkinPanel3", alLeft, {1, 1, 192, 446}, true, false},
    {"sfLB", "sfPanel_MidLeft", alClient, {1, 33, 190, 412}, false, false},
    {"sfSkinPanel1", "sfPanel_MidLeft", alTop, {1, 1, 190, 32}, false, false},
    {"FxLab_Qty", "sfSkinPanel1", alNone, {4, 9, 78, 13}, false, true},
    {"sfSkinStatusBar1", "Form1", alBottom, {0, 531, 782, 21}, false, false},
    {"FxURLLabel1", "sfSkinStatusBar1", alNone, {725, 5, 48, 13}, false, true},
    {"FxURLLabel2", "sfSkinStatusBar1", alNone, {667, 5, 48, 13}, false, true},
    {"FxURLLabel3", "sfSkinStatusBar1", alNone, {9, 4, 196, 13}, false, true},
};

class TLayoutForm : public TForm {
 public:
  explicit TLayoutForm(TComponent* owner) : TForm(owner) {
    SetName("Form1");
    SetClientWidth(782);
    SetClientHeight(552);
    for (const TRow& row : kTree) {
      TControl* c = row.Windowless ? static_cast<TControl*>(new TLabelStub(this))
                                   : new TBox(this, row.Framed);
      c->SetName(row.Name);
      c->SetBounds(row.Stored.Left, row.Stored.Top, row.Stored.Right, row.Stored.Bottom);
      c->SetAlign(row.Align);
      TComponent* parent = std::string(row.Parent) == "Form1" ? this : FindComponent(row.Parent);
      c->SetParent(static_cast<TWinControl*>(parent));
    }
  }
  TControl* Get(const char* name) { return static_cast<TControl*>(FindComponent(name)); }
};

std::map<std::string, TRect> Bounds(TLayoutForm& form) {
  std::map<std::string, TRect> out;
  for (const TRow& row : kTree) {
    TControl* c = form.Get(row.Name);
    out[row.Name] = {c->Left(), c->Top(), c->Width(), c->Height()};
  }
  return out;
}

void ExpectBounds(TLayoutForm& form, std::map<std::string, TRect> expected) {
  auto actual = Bounds(form);
  for (auto& [name, r] : expected) {
    const TRect& a = actual[name];
    EXPECT_EQ(a, r) << name << " is " << a.Left << "," << a.Top << "," << a.Right << ","
                    << a.Bottom << " (left, top, width, height)";
  }
}

std::map<std::string, TRect> Stored() {
  std::map<std::string, TRect> out;
  for (const TRow& row : kTree) out[row.Name] = row.Stored;
  return out;
}

}  // namespace

TEST(MainWindowLayout, StoredTreeAlignsToItsOwnBounds) {
  auto form = MakeForm<TLayoutForm>();
  EXPECT_EQ(form->ClientWidth(), 782);
  EXPECT_EQ(form->ClientHeight(), 552);
  ExpectBounds(*form, Stored());
  // Parents and creation order are as built.
  EXPECT_EQ(form->Get("sfLB")->Parent(), form->Get("sfPanel_MidLeft"));
  EXPECT_EQ(form->ControlCount(), 4);
  EXPECT_EQ(form->Controls(3)->Name(), "sfSkinStatusBar1");
}

TEST(MainWindowLayout, SkinHeightsCloseUpTheBarsAndFollowResizing) {
  auto form = MakeForm<TLayoutForm>();
  form->Handle();  // the same arithmetic must hold with real windows
  form->Get("sfTb")->SetHeight(29);
  form->Get("sfSkinStatusBar1")->SetHeight(24);
  auto expected = Stored();
  expected["sfTb"] = {0, 0, 782, 29};
  expected["sfPanel_Bottom"] = {0, 485, 782, 43};
  expected["sfSkinStatusBar1"] = {0, 528, 782, 24};
  expected["sfSkinPanel3"] = {0, 29, 782, 456};
  expected["sfPanel_MidMid"] = {202, 1, 579, 454};
  expected["sfMemo"] = {1, 1, 577, 452};
  expected["sfSkinPanel4"] = {193, 1, 9, 454};
  expected["sfPanel_MidLeft"] = {1, 1, 192, 454};
  expected["sfLB"] = {1, 33, 190, 420};
  ExpectBounds(*form, expected);

  form->SetClientWidth(1000);
  form->SetClientHeight(700);
  EXPECT_EQ(form->ClientWidth(), 1000);
  EXPECT_EQ(form->ClientHeight(), 700);
  expected["sfTb"] = {0, 0, 1000, 29};
  expected["sfPanel_Bottom"] = {0, 633, 1000, 43};
  expected["sfSkinStatusBar1"] = {0, 676, 1000, 24};
  expected["sfSkinPanel3"] = {0, 29, 1000, 604};
  expected["sfPanel_MidMid"] = {202, 1, 797, 602};
  expected["sfMemo"] = {1, 1, 795, 600};
  expected["sfSkinPanel4"] = {193, 1, 9, 602};
  expected["sfPanel_MidLeft"] = {1, 1, 192, 602};
  expected["sfLB"] = {1, 33, 190, 568};
  ExpectBounds(*form, expected);

  // The child windows really are where the objects say.
  auto* memo = static_cast<TWinControl*>(form->Get("sfMemo"));
  RECT r;
  GetWindowRect(memo->Handle(), &r);
  MapWindowPoints(nullptr, GetParent(memo->Handle()), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ((TRect{r.left, r.top, r.right, r.bottom}), (TRect{1, 1, 796, 601}));
}

TEST(MainWindowLayout, HiddenAlignedControlGivesUpItsStrip) {
  auto form = MakeForm<TLayoutForm>();
  form->Get("sfSkinStatusBar1")->Hide();
  EXPECT_EQ(form->Get("sfPanel_Bottom")->Top(), 552 - 43);
  EXPECT_EQ(form->Get("sfSkinPanel3")->Height(), 552 - 43 - 40);
}
