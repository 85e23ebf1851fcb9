// The window's start position and the promotional rotation, as arithmetic; the
// position stored by a window closed minimized or maximized, and where it starts again.
#include "MainWindowFixture.h"

#include "app/CatalogueAccess.h"
#include "app/Promotions.h"
#include "app/WindowPlacement.h"
#include "skin/frame/sfSkinForm.h"
#include "ui/Application.h"
#include "ui/IniFile.h"
#include "ui/Screen.h"

TEST(WindowPlacement, CentresWithoutStoredValuesAndKeepsValidOnes) {
  // 1280 x 1024 screen, 790 x 580 window: dx 490, dy 444.
  EXPECT_EQ(PlaceWindow(1280, 1024, 790, 580, std::nullopt, std::nullopt), (TPoint{245, 222}));
  EXPECT_EQ(PlaceWindow(1280, 1024, 790, 580, 100, 50), (TPoint{100, 50}));
  EXPECT_EQ(PlaceWindow(1280, 1024, 790, 580, 490, 444), (TPoint{490, 444}));  // touches the edges
  EXPECT_EQ(PlaceWindow(1280, 1024, 790, 580, -500, -20), (TPoint{-500, -20}));
}

TEST(WindowPlacement, PastTheRightOrBottomEdgeCentresThatAxisAlone) {
  EXPECT_EQ(PlaceWindow(1280, 1024, 790, 580, 491, 30), (TPoint{245, 30}));
  EXPECT_EQ(PlaceWindow(1280, 1024, 790, 580, 30, 445), (TPoint{30, 222}));
  // A window larger than the screen by an odd amount: -3 div 2 is -1, not -2.
  EXPECT_EQ(PlaceWindow(800, 600, 803, 603, std::nullopt, std::nullopt), (TPoint{-1, -1}));
  EXPECT_EQ(PlaceWindow(800, 600, 803, 603, 0, 0), (TPoint{-1, -1}));
}

TEST(WindowPlacement, APlaceOffEveryWorkAreaGivesWayToTheCentre) {
  // Two monitors side by side, the second one's work area shortened by a task bar.
  const std::vector<TRect> areas{{0, 0, 1280, 1024}, {-1024, 0, 0, 738}};
  const TPoint centre{245, 222};
  // Stored while the window was minimized.
  EXPECT_EQ(PlaceWindow(1280, 1024, 790, 580, -32000, -32000, areas), centre);
  EXPECT_EQ(PlaceWindow(1280, 1024, 790, 580, 100, -32000, areas), centre);
  EXPECT_EQ(PlaceWindow(1280, 1024, 790, 580, -1814, 100, areas), centre);  // right edge at -1024
  EXPECT_EQ(PlaceWindow(1280, 1024, 790, 580, -1500, -600, areas), centre);  // above both
  // Any visible part keeps the place: one pixel column, one pixel row, the other monitor.
  EXPECT_EQ(PlaceWindow(1280, 1024, 790, 580, -1813, 100, areas), (TPoint{-1813, 100}));
  EXPECT_EQ(PlaceWindow(1280, 1024, 790, 580, 100, -579, areas), (TPoint{100, -579}));
  EXPECT_EQ(PlaceWindow(1280, 1024, 790, 580, -900, 400, areas), (TPoint{-900, 400}));
  // The rule of the right and bottom edges comes first, as before.
  EXPECT_EQ(PlaceWindow(1280, 1024, 790, 580, 491, 30, areas), (TPoint{245, 30}));
  // Nothing known of the monitors: nothing to check against.
  EXPECT_EQ(PlaceWindow(1280, 1024, 790, 580, -32000, -32000, {}), (TPoint{-32000, -32000}));
}

namespace {

TPoint StoredPlace() {
  TIniFile ini(ExeFolder() + L"Vexmark.ini");
  return {ini.ReadInteger("MainForm", "Left", 12345), ini.ReadInteger("MainForm", "Top", 12345)};
}

// The frame's minimize of the main window minimizes the program, as the platform does.
void MinimizeAsMainWindow(TForm1& f) {
  TForm* saved = Application->MainForm();
  Application->SetMainForm(&f);
  f.sfSkinForm1->SetWindowState(wsMinimized);
  Application->SetMainForm(saved);
}

}  // namespace

TEST_F(MainWindowTest, ClosedMinimizedOrMaximizedTheWindowStoresWhereItReturnsTo) {
  MakeCatalogue();
  TForm1& f = Open();
  f.Show();
  f.SetBounds(120, 70, f.Width(), f.Height());
  MinimizeAsMainWindow(f);
  ASSERT_TRUE(IsIconic(f.HandleValue()));
  SendMessageW(f.HandleValue(), WM_CLOSE, 0, 0);  // the task bar's "Close window"
  EXPECT_FALSE(f.Visible());
  EXPECT_EQ(StoredPlace(), (TPoint{120, 70}));

  // Maximized by the frame, whose maximize the platform sees as a normal window
  // filling the work area; then minimized as well.
  TForm1& g = Open();
  g.Show();
  g.SetBounds(130, 80, g.Width(), g.Height());
  g.sfSkinForm1->SetWindowState(wsMaximized);
  ASSERT_NE(g.Left(), 130);
  SendMessageW(g.HandleValue(), WM_CLOSE, 0, 0);
  EXPECT_EQ(StoredPlace(), (TPoint{130, 80}));
  TForm1& h = Open();
  h.Show();
  h.SetBounds(140, 90, h.Width(), h.Height());
  h.sfSkinForm1->SetWindowState(wsMaximized);
  MinimizeAsMainWindow(h);
  ASSERT_TRUE(IsIconic(h.HandleValue()));
  SendMessageW(h.HandleValue(), WM_CLOSE, 0, 0);
  EXPECT_EQ(StoredPlace(), (TPoint{140, 90}));
}

TEST_F(MainWindowTest, AStoredPlaceOffTheScreensStartsCentredAPartlyVisibleOneIsKept) {
  MakeCatalogue();
  TIniFile ini(ExeFolder() + L"Vexmark.ini");
  ini.WriteInteger("MainForm", "Left", -32000);
  ini.WriteInteger("MainForm", "Top", -32000);
  TForm1& f = Open();
  EXPECT_EQ(f.Left(), (Screen->Width() - f.Width()) / 2);
  EXPECT_EQ(f.Top(), (Screen->Height() - f.Height()) / 2);
  const int width = f.Width();
  Form.reset();
  ini.WriteInteger("MainForm", "Left", 40 - width);  // 40 pixels of it on the screen
  ini.WriteInteger("MainForm", "Top", 30);
  TForm1& g = Open();
  EXPECT_EQ(g.Left(), 40 - g.Width());
  EXPECT_EQ(g.Top(), 30);
}

TEST(PromotionRotation, RunsSixFiveFiveTicksAndRepeats) {
  std::vector<char> phases;
  int counter = 0;
  for (int tick = 1; tick <= 32; ++tick) {
    counter = NextAdCounter(counter);
    ASSERT_GE(counter, 0);
    ASSERT_LE(counter, 15);
    std::string caption = PromotionPhase(counter).AdsCaption;
    phases.push_back(caption == PromotionPhase(0).AdsCaption    ? 'A'
                     : caption == PromotionPhase(6).AdsCaption  ? 'B'
                                                                : 'C');
  }
  EXPECT_EQ(std::string(phases.begin(), phases.end()), "AAAAABBBBBCCCCCAAAAAABBBBBCCCCCA");
  EXPECT_EQ(PromotionPhase(1).Ads2Url, std::string(kSiteBase) + "/list.asp?id=99");
  EXPECT_EQ(PromotionPhase(1).Ads2Caption, "Photoshop基础教程(视频)");
  EXPECT_EQ(PromotionPhase(7).Ads2Url, std::string(kSiteBase) + "/list.asp?id=5");
  EXPECT_EQ(PromotionPhase(12).Ads2Url, std::string(kSiteBase) + "/list.asp?id=75");
  EXPECT_EQ(PromotionPhase(12).AdsUrl.find(std::string(kSiteBase) + "/ads/"), 0u);
  EXPECT_EQ(PromotionPhase(8).AdsUrl.find(std::string(kSiteBase) + "/tuijian/"), 0u);
  EXPECT_EQ(PromotionPhase(3).AdsUrl, kRecruitmentSite);
}

TEST(CatalogueStatements, AreTheTextsTheStoreExpects) {
  EXPECT_STREQ(kCategoryStatement, "SELECT * FROM SPECT Where ParentID=0");
  EXPECT_EQ(EffectsStatement(12), "SELECT * FROM SPECT Where ParentID=12");
  EXPECT_EQ(LookupStatement("下拉菜单"), "SELECT * FROM SPECT Where EffectName=\"下拉菜单\"");
  EXPECT_EQ(LookupStatement("a\"b"), "SELECT * FROM SPECT Where EffectName=\"a\"\"b\"");
  std::string cs = BuildConnectionString();
  EXPECT_EQ(cs.find("Provider=Microsoft.Jet.OLEDB.4.0;Jet OLEDB:Database Password=qorvint482;Data Source="), 0u);
  EXPECT_NE(cs.find("spect.nht;Persist Security Info=True"), std::string::npos);
}
