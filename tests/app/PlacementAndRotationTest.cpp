// The window's start position and the promotional rotation, as arithmetic.
#include <gtest/gtest.h>

#include "app/CatalogueAccess.h"
#include "app/Promotions.h"
#include "app/WindowPlacement.h"

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
