// The menu speed button: which press opens its menu, down while the menu is open
// and up on its close report, the plain looks with the track part, and our skin's
// view-menu button.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "SkinControlTestSupport.h"
#include "TestSkin.h"
#include "skin/controls/sfSkinMenuSpeedButton.h"
#include "skin/controls/sfSkinToolBar.h"
#include "skin/frame/sfSkinMenu.h"
#include "skin/frame/sfSkinPopupMenu.h"
#include "skin/frame/sfSkinPopupWindow.h"
#include "ui/Bitmap.h"
#include "ui/Menus.h"

namespace {

TColor Sys(TColor c) { return static_cast<TColor>(ColorToRGB(c)); }

// A form with a tool bar holding one menu button, the button's popup menu of four
// items, and a log of the button's events.
struct TMenuButtonForm {
  std::unique_ptr<TForm> Form = MakeForm();
  TsfSkinToolBar* Bar = nullptr;
  TsfSkinMenuSpeedButton* Button = nullptr;
  TsfSkinPopupMenu* Menu = nullptr;
  TsfSkinData* Skin = nullptr;
  std::vector<std::string> Log;

  explicit TMenuButtonForm(int width = 37, bool withItems = true) {
    Form->SetBounds(100, 100, 400, 300);
    Bar = new TsfSkinToolBar(Form.get());
    Bar->SetParent(Form.get());
    Bar->SetBounds(0, 0, 380, 29);
    Button = new TsfSkinMenuSpeedButton(Form.get());
    Button->SetParent(Bar);
    Button->SetBounds(200, 2, width, 25);
    Button->SetCaption("");
    Menu = new TsfSkinPopupMenu(Form.get());
    Menu->SetForm(Form.get());
    if (withItems)
      for (const char* caption : {"Large icons", "Small icons", "List", "Details"}) {
        auto* item = new TMenuItem(Form.get());
        item->SetCaption(caption);
        Menu->Items().Add(item);
      }
    Button->SetSkinPopupMenu(Menu);
    Button->OnClick = [this](TObject*) { Log.push_back("click"); };
    Button->OnShowTrackMenu = [this](TObject*) { Log.push_back("show"); };
    Button->OnHideTrackMenu = [this](TObject*) { Log.push_back("hide"); };
    Form->Show();
  }
  ~TMenuButtonForm() { Menu->Close(); }
  void UseOurSkin() {
    Skin = new TsfSkinData(Form.get());
    TsfCompressedStoredSkin stored(nullptr);
    stored.BuildFromIniFile(OurSkinIni());
    Skin->LoadStoredSkin(stored);
    Button->SetSkinData(Skin);
    Menu->SetSkinData(Skin);
  }
  // Mouse messages at a point of the button.
  void Press(int x, int y) {
    SendMessageW(Bar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(200 + x, 2 + y));
  }
  // The pointer over a point of the tool bar.
  void MoveTo(int x, int y) {
    TPoint p = Bar->ClientToScreen({x, y});
    SetCursorPos(p.x, p.y);
    SendMessageW(Bar->Handle(), WM_MOUSEMOVE, 0, PointParam(x, y));
  }
  void Release(int x, int y) {
    SendMessageW(Bar->Handle(), WM_LBUTTONUP, 0, PointParam(200 + x, 2 + y));
  }
  void Click(int x, int y) {
    Press(x, y);
    Release(x, y);
  }
  RECT MenuWindow() {
    RECT r{};
    GetWindowRect(Menu->SkinMenu().Level(0)->Handle(), &r);
    return r;
  }
};

}  // namespace

TEST(MenuSpeedButton, APressOpensTheMenuBelowAndTheButtonStaysDownUntilItCloses) {
  TMenuButtonForm f;
  f.UseOurSkin();
  TsfSkinMenuSpeedButton made(nullptr);
  EXPECT_EQ(made.SkinDataName(), "toolmenubutton");
  EXPECT_FALSE(made.TrackButtonMode());
  EXPECT_EQ(made.TrackPosition(), sftpRight);
  f.Press(10, 10);
  EXPECT_TRUE(f.Menu->Showing());
  EXPECT_TRUE(f.Button->Down());
  EXPECT_EQ(f.Log, (std::vector<std::string>{"show"}));  // raised before the menu opens
  RECT menu = f.MenuWindow();
  TPoint button = f.Button->ClientToScreen({0, 0});
  EXPECT_EQ(menu.left, button.x);
  EXPECT_EQ(menu.top, button.y + 25);
  // Neither the release nor the pointer going away and back changes anything.
  f.Release(10, 10);
  f.MoveTo(5, 5);
  f.MoveTo(210, 12);
  EXPECT_TRUE(f.Button->Down());
  f.Menu->Close();
  EXPECT_FALSE(f.Button->Down());
  EXPECT_FALSE(f.Button->MouseIn());
  EXPECT_EQ(f.Log, (std::vector<std::string>{"show", "hide"}));  // and never a click

  // Without a menu it is a plain speed button; its menu's removal clears the reference.
  delete f.Menu;
  EXPECT_EQ(f.Button->SkinPopupMenu(), nullptr);
  f.Menu = new TsfSkinPopupMenu(f.Form.get());
  f.Click(5, 5);
  EXPECT_EQ(f.Log.back(), "click");
}

TEST(MenuSpeedButton, AMenuWithoutItemsDoesNotLeaveTheButtonDown) {
  TMenuButtonForm f(37, false);
  f.Click(10, 10);
  EXPECT_FALSE(f.Button->Down());
  EXPECT_EQ(f.Log, (std::vector<std::string>{"show", "hide"}));
}

TEST(MenuSpeedButton, TrackPartsUnskinnedRightmostOrBottom15Pixels) {
  TMenuButtonForm f(60);
  f.Button->SetTrackButtonMode(true);
  f.Click(44, 10);  // just left of the strip: a speed button
  EXPECT_FALSE(f.Menu->Showing());
  f.Press(45, 10);
  EXPECT_TRUE(f.Menu->Showing());
  EXPECT_TRUE(f.Button->Down());
  f.Button->Perform(1228);  // the menu's close report
  EXPECT_FALSE(f.Button->Down());
  EXPECT_EQ(f.Log, (std::vector<std::string>{"click", "show", "hide"}));
  f.Menu->Close();

  f.Button->SetNewStyle(true);
  EXPECT_EQ(f.Button->SkinDataName(), "resizetoolbutton");
  f.Button->SetTrackPosition(sftpBottom);
  f.Click(55, 9);
  EXPECT_FALSE(f.Menu->Showing());
  f.Press(5, 10);  // 25 high: the strip starts at 10
  EXPECT_TRUE(f.Menu->Showing());
}

TEST(MenuSpeedButton, SkinnedTrackPartFollowsTheWidthAndShowsThePressedImage) {
  TMenuButtonForm f(50);
  f.Button->SetSkinDataName("toolmenutrackbutton");
  f.Button->SetTrackButtonMode(true);
  f.UseOurSkin();
  EXPECT_EQ(f.Button->MenuPart(), TRect(39, 0, 50, 25));  // trackbuttonrect 26,0,37,25 moved by 13
  f.Click(37, 10);
  EXPECT_FALSE(f.Menu->Showing());
  f.Press(39, 10);
  EXPECT_TRUE(f.Menu->Showing());
  // The normal image, its track part taken from the pressed image.
  TBitmap* picture = f.Skin->ActivePictures(4);
  ASSERT_NE(picture, nullptr);
  auto image = ImageOf(*f.Button, clYellow);
  EXPECT_EQ(PixelAt(*image, 1, 1), PixelAt(*picture, 309, 151));
  EXPECT_EQ(PixelAt(*image, 40, 0), PixelAt(*picture, 382 + 27, 150));
  EXPECT_EQ(PixelAt(*image, 49, 24), PixelAt(*picture, 382 + 36, 174));
}

TEST(MenuSpeedButtonPlainLook, FacesAndTheTriangle) {
  TMenuButtonForm f(60);
  auto up = ImageOf(*f.Button, clYellow);
  EXPECT_EQ(PixelAt(*up, 0, 0), Sys(clBtnShadow));
  EXPECT_EQ(PixelAt(*up, 5, 5), Sys(clBtnFace));
  // The triangle in the strip (45, 0, 60, 25): rows of 5, 3 and 1 from the centre (52, 12).
  TColor text = Sys(clBtnText);
  for (TPoint p : {TPoint{50, 12}, TPoint{54, 12}, TPoint{51, 13}, TPoint{53, 13}, TPoint{52, 14}})
    EXPECT_EQ(PixelAt(*up, p.x, p.y), text) << p.x << "," << p.y;
  for (TPoint p : {TPoint{49, 12}, TPoint{55, 12}, TPoint{50, 13}, TPoint{51, 14}, TPoint{52, 11}})
    EXPECT_NE(PixelAt(*up, p.x, p.y), text) << p.x << "," << p.y;
  f.Press(10, 10);
  auto open = ImageOf(*f.Button, clYellow);
  EXPECT_EQ(PixelAt(*open, 0, 0), 0x800000);
  EXPECT_EQ(PixelAt(*open, 5, 5), 11899781);
  EXPECT_EQ(PixelAt(*open, 51, 13), text);  // sunk: the strip is (47, 2, 60, 25)
  f.Menu->Close();

  // Track mode with the menu open: main part hot, track part pressed.
  f.Button->SetTrackButtonMode(true);
  f.Press(50, 10);
  auto track = ImageOf(*f.Button, clYellow);
  EXPECT_EQ(PixelAt(*track, 44, 24), 0x800000);
  EXPECT_EQ(PixelAt(*track, 5, 5), 13811126);
  EXPECT_EQ(PixelAt(*track, 45, 0), 0x800000);
  EXPECT_EQ(PixelAt(*track, 46, 3), 11899781);
  f.Menu->Close();
  f.Button->SetFlat(true);
  f.MoveTo(5, 5);
  auto idle = ImageOf(*f.Button, clYellow);
  EXPECT_EQ(PixelAt(*idle, 5, 5), clYellow);
  EXPECT_EQ(PixelAt(*idle, 52, 14), text);
}

TEST(MenuSpeedButtonOurSkin, FlatViewMenuButtonAtRestShowsTheFlatMarkerImage) {
  TMenuButtonForm f;
  f.Button->SetFlat(true);
  f.UseOurSkin();
  TBitmap* picture = f.Skin->ActivePictures(4);
  ASSERT_NE(picture, nullptr);
  auto image = ImageOf(*f.Button, clYellow);
  EXPECT_EQ(PixelAt(*image, 2, 2), clYellow);  // no face
  // The 7 x 4 image at (293, 150), centred in (24, 2, 37, 23): its top-left at (27, 10),
  // its magenta left out.
  int inked = 0;
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 7; ++x) {
      TColor source = PixelAt(*picture, 293 + x, 150 + y);
      bool clear = source == 0xFF00FF;
      EXPECT_EQ(PixelAt(*image, 27 + x, 10 + y), clear ? clYellow : source) << x << "," << y;
      inked += clear ? 0 : 1;
    }
  EXPECT_GT(inked, 0);
  // Pressed: the skin's own pressed face, marker included.
  f.Press(10, 10);
  auto down = ImageOf(*f.Button, clYellow);
  EXPECT_EQ(PixelAt(*down, 30, 12), PixelAt(*picture, 219 + 30, 150 + 12));
}
