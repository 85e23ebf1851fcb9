// The skin list's items and the resource strings.
#include <gtest/gtest.h>

#include "skin/data/sfCompressedSkinList.h"
#include "skin/data/sfResourceStrData.h"

TEST(SkinList, ItemsAreNamedByPositionAndStoreACompressedSkinStream) {
  TsfCompressedSkinList list(nullptr);
  TsfSkinListItem& first = list.AddSkin();
  TsfSkinListItem& second = list.AddSkin();
  EXPECT_EQ(first.Name(), "sfSkin0");
  EXPECT_EQ(second.DisplayName(), "sfSkin1");
  second.SetName("blue");
  EXPECT_EQ(list.Skins(1).DisplayName(), "blue");
  // Outside design time a path is only stored.
  second.SetFileName("C:\\skins\\blue\\skin.ini");
  EXPECT_EQ(second.FileName(), "C:\\skins\\blue\\skin.ini");
  EXPECT_TRUE(second.StoredSkin().IsEmpty());

  first.StoredSkin().SetCompressedData({0x78, 0xDA, 1, 2, 3});
  std::vector<std::uint8_t> stream = first.Skin();
  EXPECT_EQ(stream, (std::vector<std::uint8_t>{3, 0, 0, 0, 5, 0, 0, 0, 0x78, 0xDA, 1, 2, 3}));
  second.SetSkin(stream);
  EXPECT_EQ(second.StoredSkin().PackedBytes(), first.StoredSkin().PackedBytes());
  // A stream of a later version is not understood: the skin ends empty.
  stream[0] = 4;
  second.SetSkin(stream);
  EXPECT_TRUE(second.StoredSkin().IsEmpty());

  list.DeleteSkin(0);
  list.DeleteSkin(5);
  ASSERT_EQ(list.SkinCount(), 1);
  EXPECT_EQ(list.Skins(0).Name(), "blue");
}

TEST(ResourceStrData, FindsTheFirstNameWithoutRegardToCase) {
  TsfResourceStrData strings(nullptr);
  EXPECT_EQ(strings.CharSet, 1);
  EXPECT_FALSE(strings.ResStrings.empty());
  EXPECT_EQ(strings.FindResString("mi_closecaption"), "Close");
  strings.ResStrings = {"noequals", "A=x=y", "a=second", "B=", "=nameless"};
  EXPECT_EQ(strings.FindResString("a"), "x=y");
  EXPECT_EQ(strings.FindResString("b"), "");
  EXPECT_EQ(strings.FindResString(""), "nameless");
  EXPECT_EQ(strings.FindResString("noequals"), "");
  EXPECT_EQ(strings.FindResString("c"), "");
}
