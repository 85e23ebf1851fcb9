// Our skin through the platform: the embedded-resource loader the program takes its
// stored skin from, and our package loaded by the skin data component, whose pictures
// the platform's bitmaps decode.
#include <gtest/gtest.h>

#include <filesystem>

#include "skin/data/sfCompressedStoredSkin.h"
#include "skin/data/sfEmbeddedSkin.h"
#include "skin/data/sfSkinData.h"
#include "ui/Bitmap.h"

namespace {

std::filesystem::path Source(const char* relative) {
  return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / relative;
}

TEST(OurSkinResource, LoadsTheBytesOfANamedResource) {
  EXPECT_EQ(LoadEmbeddedSkinResource(L"OURSKINTEST"), LoadSkinFileBytes(Source("tests/skin_data/data/seed.zpkg")));
  try {
    LoadEmbeddedSkinResource(L"NOSUCHSKIN");
    FAIL() << "no error for a missing resource";
  } catch (const EResNotFound& e) {
    EXPECT_EQ(e.Message(), "Resource NOSUCHSKIN not found");
  }
}

TEST(OurSkinResource, SkinDataLoadsOurSkin) {
  TsfCompressedStoredSkin stored(nullptr);
  stored.BuildFromIniFile(Source("resources/skin/skin.ini"));
  TsfSkinData data(nullptr);
  data.LoadStoredSkin(stored);
  ASSERT_FALSE(data.SkinEmpty());
  EXPECT_EQ(data.MainPicture().Width(), 152);
  EXPECT_EQ(data.MainPicture().Height(), 125);
  EXPECT_EQ(data.MainPicture().SourceBitCount(), 8);
  EXPECT_TRUE(data.InactivePicture().Empty());
  EXPECT_EQ(data.MaskPicture().SourceBitCount(), 1);
  ASSERT_EQ(data.ActivePictureCount(), 6);
  const int sizes[6][2] = {{84, 246}, {65, 69}, {68, 118}, {38, 16}, {558, 290}, {100, 100}};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(data.ActivePictures(i)->Width(), sizes[i][0]) << i;
    EXPECT_EQ(data.ActivePictures(i)->Height(), sizes[i][1]) << i;
  }
  EXPECT_EQ(data.ActivePictures(6), nullptr);
  EXPECT_EQ(data.PictureNameList, (std::vector<std::string>{"active.BMP", "pw.bmp", "menuitems.bmp", "hw.bmp",
                                                            "controls.bmp", "mdibg.bmp"}));
  EXPECT_EQ(data.FindControlDef("listbox"), 17);
  EXPECT_EQ(data.FindControlDef("ListBox"), -1);
  EXPECT_EQ(data.FindObjectDef("traybutton"), 12);
  // The grip's transparent colour is the magenta of the picture around it.
  const auto* bar = dynamic_cast<const TsfDataSkinPanelControl*>(data.ControlDef(data.FindControlDef("statusbar")));
  ASSERT_NE(bar, nullptr);
  const std::uint8_t* row = data.ActivePictures(bar->pictureindex)->ScanLine(bar->gripperrect.Top);
  const std::uint8_t* pixel = row + 3 * bar->gripperrect.Left;
  EXPECT_EQ(pixel[0] | pixel[1] << 8 | pixel[2] << 16, bar->grippertransparentcolor);
}

}  // namespace
