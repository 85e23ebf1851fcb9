#include <gtest/gtest.h>

#include "skin/data/sfSkinDefinition.h"
#include "ui/Exception.h"

namespace {

// The form-level part of the stored skin's definition, as far as its values are known.
const char* const kStoredForm =
    "[VERSION]\r\nver=1\r\nskinname=Tavoro\r\n"
    "[PICTURES]\r\npicture=main.bmp\r\ninactivepicture=\r\nmask=mask.bmp\r\n"
    "activepicturescount=6\r\n0=active.BMP\r\n1=pw.bmp\r\n2=menuitems.bmp\r\n3=hw.bmp\r\n"
    "4=controls.bmp\r\n5=mdibg.bmp\r\n"
    "[FORMINFO]\r\nlefttoppoint=20,30\r\nrighttoppoint=130,30\r\nleftbottompoint=20,110\r\n"
    "rightbottompoint=130,110\r\nclientrect=5,29,147,120\r\nmaskrectarea=3,4,149,122\r\n"
    "[SKINCOLORS]\r\ncbtnface=15459040\r\ncbtntext=0\r\ncwindow=16777215\r\n"
    "[SKINOBJECTS]\r\ncount=13\r\n0=menuitem:menuitem\r\n1=caption:caption\r\n"
    "2=closebutton:stdbutton\r\n3=minimizebutton:stdbutton\r\n4=maximizebutton:stdbutton\r\n"
    "5=rollupbutton:stdbutton\r\n6=mainmenubaritem:mainmenubaritem\r\n"
    "7=sysmenubutton:stdbutton\r\n8=menubarsysmenubutton:mainmenubarbutton\r\n"
    "9=menubarclosebutton:mainmenubarbutton\r\n10=menubarmaxbutton:mainmenubarbutton\r\n"
    "11=menubarminbutton:mainmenubarbutton\r\n12=traybutton:stdbutton\r\n"
    "[closebutton]\r\nskinrect=-1,2,3,4\r\ncommand=cmclose\r\nmorphing=true\r\n"
    "[maximizebutton]\r\ncommand=cmmaximize\r\nmorphing=1\r\nmorphkind=mkgradient\r\n"
    "restorerect=1,1,2,2\r\n";

TsfSkinFormInfo ReadFormInfo(const std::string& text) {
  TsfSkinFormInfo info;
  info.ReadDefinition(TsfIniFile(text));
  return info;
}

}  // namespace

TEST(SkinDefinition, StoredSkinFormSectionsRead) {
  TsfSkinDefinition def;
  def.ReadDefinition(TsfIniFile(kStoredForm));
  EXPECT_EQ(def.Version.skinname, "Tavoro");
  EXPECT_EQ(def.Pictures.mask, "mask.bmp");
  EXPECT_EQ(def.Pictures.inactivepicture, "");
  ASSERT_EQ(def.Pictures.activepictures.size(), 6u);
  EXPECT_EQ(def.Pictures.activepictures[4], "controls.bmp");
  // Already inside the client rectangle: unchanged; the mask area already holds it.
  EXPECT_EQ(def.FormInfo.lefttoppoint, TPoint(20, 30));
  EXPECT_EQ(def.FormInfo.rightbottompoint, TPoint(130, 110));
  EXPECT_EQ(def.FormInfo.maskrectarea, TRect(3, 4, 149, 122));
  EXPECT_EQ(def.FormInfo.hittestrighttoppoint, TPoint(130, 30));
  EXPECT_EQ(def.SkinColors.cbtnface, 15459040);
  EXPECT_EQ(def.SkinColors.cwindow, 16777215);
  EXPECT_EQ(def.SkinColors.chighlight, clHighlight);

  const char* names[] = {"menuitem", "caption", "closebutton", "minimizebutton",
                         "maximizebutton", "rollupbutton", "mainmenubaritem", "sysmenubutton",
                         "menubarsysmenubutton", "menubarclosebutton", "menubarmaxbutton",
                         "menubarminbutton", "traybutton"};
  ASSERT_EQ(def.ObjectDefs.size(), 13u);
  for (size_t i = 0; i < 13; ++i) EXPECT_EQ(def.ObjectDefs[i]->IDName, names[i]);
  EXPECT_NE(dynamic_cast<TsfDataSkinMenuItem*>(def.ObjectDefs[0].get()), nullptr);
  EXPECT_NE(dynamic_cast<TsfDataSkinCaption*>(def.ObjectDefs[1].get()), nullptr);
  EXPECT_NE(dynamic_cast<TsfDataSkinMainMenuBarItem*>(def.ObjectDefs[6].get()), nullptr);
  EXPECT_NE(dynamic_cast<TsfDataSkinMainMenuBarButton*>(def.ObjectDefs[9].get()), nullptr);
  EXPECT_EQ(def.FindObjectDef("traybutton"), 12);
  EXPECT_EQ(def.FindObjectDef("CloseButton"), -1);

  auto& close = dynamic_cast<TsfDataSkinStdButton&>(*def.ObjectDefs[2]);
  EXPECT_EQ(close.skinrect, TRect(1, 2, 3, 4));
  EXPECT_EQ(close.command, cmClose);
  EXPECT_FALSE(close.morphing);
  auto& max = dynamic_cast<TsfDataSkinStdButton&>(*def.ObjectDefs[4]);
  EXPECT_TRUE(max.morphing);
  EXPECT_EQ(max.morphkind, mkGradient);
  EXPECT_EQ(max.restorerect, TRect(1, 1, 2, 2));
  EXPECT_EQ(dynamic_cast<TsfDataSkinStdButton&>(*def.ObjectDefs[3]).command, cmDefault);
}

TEST(SkinDefinition, FormInfoDefaultsWithoutTheSection) {
  TsfSkinFormInfo info = ReadFormInfo("[PICTURES]\nmask=mask.bmp\n");
  EXPECT_EQ(info.bgpictureindex, -1);
  EXPECT_EQ(info.mdibgpictureindex, -1);
  EXPECT_EQ(info.stretchtype, stFull);
  EXPECT_EQ(info.inactiveeffect, ieBrightness);
  EXPECT_EQ(info.maskrectarea, TRect());
  EXPECT_EQ(info.formminwidth, 0);
  EXPECT_FALSE(info.mainmenupopupup);
}

TEST(SkinDefinition, MaskAdjustmentsOnlyWithAMaskNamed) {
  const std::string form =
      "[FORMINFO]\nlefttoppoint=10,20\nrighttoppoint=90,20\nleftbottompoint=10,80\n"
      "rightbottompoint=90,80\nclientrect=5,6,95,96\nmaskrectarea=0,0,0,0\n"
      "hittestlefttoppoint=3,0\nhittestrighttoppoint=7,8\n";
  TsfSkinFormInfo masked = ReadFormInfo("[PICTURES]\nmask=m.bmp\n" + form);
  EXPECT_EQ(masked.maskrectarea, TRect(5, 6, 95, 96));
  EXPECT_EQ(masked.hittestlefttoppoint, TPoint(10, 20));  // y was 0: unset
  EXPECT_EQ(masked.hittestrighttoppoint, TPoint(7, 8));
  EXPECT_EQ(masked.hittestleftbottompoint, TPoint(10, 80));
  EXPECT_EQ(masked.hittestrightbottompoint, TPoint(90, 80));

  TsfSkinFormInfo widened =
      ReadFormInfo("[PICTURES]\nmask=m.bmp\n[FORMINFO]\nclientrect=5,6,95,96\nmaskrectarea=10,0,50,100\n");
  EXPECT_EQ(widened.maskrectarea, TRect(5, 0, 95, 100));

  TsfSkinFormInfo plain = ReadFormInfo("[PICTURES]\nmask=\n" + form);
  EXPECT_EQ(plain.maskrectarea, TRect());
  EXPECT_EQ(plain.hittestlefttoppoint, TPoint(3, 0));
  EXPECT_EQ(plain.hittestleftbottompoint, TPoint());
}

TEST(SkinDefinition, CornerPointsArePulledIntoTheClientRect) {
  TsfSkinFormInfo info = ReadFormInfo(
      "[FORMINFO]\nclientrect=5,29,147,120\nlefttoppoint=2,3\nrighttoppoint=150,10\n"
      "leftbottompoint=1,200\nrightbottompoint=160,130\n");
  EXPECT_EQ(info.lefttoppoint, TPoint(5, 29));
  EXPECT_EQ(info.righttoppoint, TPoint(147, 29));
  EXPECT_EQ(info.leftbottompoint, TPoint(5, 120));
  EXPECT_EQ(info.rightbottompoint, TPoint(147, 120));
  // A right-bottom point level with the left-top point stops the adjustment.
  TsfSkinFormInfo same = ReadFormInfo(
      "[FORMINFO]\nclientrect=5,29,147,120\nlefttoppoint=2,3\nrighttoppoint=150,10\n"
      "rightbottompoint=2,130\n");
  EXPECT_EQ(same.lefttoppoint, TPoint(2, 3));
  EXPECT_EQ(same.righttoppoint, TPoint(150, 10));
}

TEST(SkinDefinition, PopupHintAndColourSections) {
  TsfIniFile ini(
      "[POPUPWINDOW]\nwindowpictureindex=1\nitemsrect=3,3,62,66\nscrollmarkercolor=255\n"
      "stretchtype=stvert\n"
      "[HINTWINDOW]\nwindowpictureindex=3\nfontname=\xCB\xCE\xCC\xE5\nfontstyle=fsbold\n"
      "[SKINCOLORS]\ncbtnshadow=14601161\n");
  TsfDataSkinPopupWindow popup;
  popup.ReadDefinition(ini);
  EXPECT_EQ(popup.windowpictureindex, 1);
  EXPECT_EQ(popup.maskpictureindex, -1);
  EXPECT_EQ(popup.itemsrect, TRect(3, 3, 62, 66));
  EXPECT_EQ(popup.scrollmarkercolor, clRed);
  EXPECT_EQ(popup.stretchtype, stVert);

  TsfDataSkinHintWindow hint;
  hint.ReadDefinition(ini);
  TsfSkinFont font = hint.Font();
  EXPECT_EQ(font.Name, "\xCB\xCE\xCC\xE5");
  EXPECT_EQ(font.Height, 14);
  EXPECT_TRUE(font.Style.Contains(TsfFontStyle::fsBold));
  EXPECT_EQ(hint.stretchtype, stFull);

  TsfSkinColors colors;
  EXPECT_EQ(colors.cbtnface, 0);
  colors.SetDefaults();
  EXPECT_EQ(colors.cbtntext, clBtnText);
  EXPECT_EQ(colors.chighlighttext, clHighlightText);
  colors.ReadDefinition(ini);
  EXPECT_EQ(colors.cbtnshadow, 14601161);
  EXPECT_EQ(colors.cbtnhighlight, clBtnHighlight);
}

TEST(SkinDefinition, ObjectListSkipsUnknownKindsAndKeepsDuplicates) {
  TsfIniFile ini(
      "[SKINOBJECTS]\ncount=7\n0=a:Button\n1=b:userobject\n2=nocolon\n3=b:button\n"
      "5=c:animate\n6=d:stdbutton:extra\n"
      "[b]\nskinrect=1,2,3,4\nhint=ignored\nactivepictureindex=2\n"
      "[c]\nmorphing=1\ncountframes=4\n");
  TsfSkinObjectList list;
  ReadSkinObjects(ini, list);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0]->IDName, "b");
  EXPECT_EQ(SkinObjectKind(*list[0]), "userobject");
  EXPECT_EQ(list[0]->skinrect, TRect(1, 2, 3, 4));
  EXPECT_EQ(list[0]->hint, "");
  EXPECT_EQ(list[0]->activepictureindex, -1);
  EXPECT_EQ(SkinObjectKind(*list[1]), "button");
  EXPECT_EQ(list[1]->activepictureindex, 2);
  auto& animate = dynamic_cast<TsfDataSkinAnimate&>(*list[2]);
  EXPECT_FALSE(animate.morphing);
  EXPECT_EQ(animate.countframes, 4);
  EXPECT_EQ(animate.timerinterval, 50);

  TsfSkinObjectList none;
  ReadSkinObjects(TsfIniFile("[SKINOBJECTS]\ncount=0\n0=a:button\n"), none);
  ReadSkinObjects(TsfIniFile("[OTHER]\ncount=1\n0=a:button\n"), none);
  ReadSkinObjects(TsfIniFile("[SKINOBJECTS]\ncount=2147483647\n"), none);
  EXPECT_TRUE(none.empty());
}

TEST(SkinDefinition, MenuItemsFallBackToNormalImagesAndReadKeysCaseInsensitively) {
  TsfIniFile ini(
      "[SKINOBJECTS]\ncount=2\n0=menuitem:menuitem\n1=bar:mainmenubaritem\n"
      "[menuitem]\ncheckimagerect=1,2,3,4\nactivecheckimagerect=5,6,7,8\n"
      "radioimagerect=1,1,9,9\narrowimagerect=2,2,4,4\nactivearrowimagerect=0,0,0,9\n"
      "animateinterval=x\n"
      "[bar]\nunenabledfontColor=255\nfontheight=-12\n");
  TsfSkinObjectList list;
  ReadSkinObjects(ini, list);
  ASSERT_EQ(list.size(), 2u);
  auto& item = dynamic_cast<TsfDataSkinMenuItem&>(*list[0]);
  EXPECT_EQ(item.activecheckimagerect, TRect(5, 6, 7, 8));
  EXPECT_EQ(item.activeradioimagerect, TRect(1, 1, 9, 9));
  EXPECT_EQ(item.activearrowimagerect, TRect(2, 2, 4, 4));
  EXPECT_EQ(item.animateinterval, 25);
  EXPECT_EQ(item.Font(), TsfSkinFont());
  auto& bar = dynamic_cast<TsfDataSkinMainMenuBarItem&>(*list[1]);
  EXPECT_EQ(bar.unenabledfontcolor, clRed);
  EXPECT_EQ(bar.Font().Height, -12);
}

TEST(SkinDefinition, CaptionKeysAndAMalformedRectStopsTheRead) {
  TsfIniFile ini(
      "[SKINOBJECTS]\ncount=2\n0=caption:caption\n1=later:button\n"
      "[caption]\nalignment=taright\nshadow=1\nfontstyle=fsbold,fsitalic\nframerect=1,2,3\n");
  TsfSkinObjectList list;
  try {
    ReadSkinObjects(ini, list);
    FAIL() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'' is not a valid integer value");
  }
  EXPECT_TRUE(list.empty());

  TsfDataSkinCaption caption("caption");
  caption.ReadDefinition(TsfIniFile("[caption]\nshadow=1\nlightcolor=8421504\n"));
  EXPECT_EQ(caption.alignment, taCenter);
  EXPECT_TRUE(caption.shadow);
  EXPECT_EQ(caption.lightcolor, clGray);
  EXPECT_EQ(caption.animateinterval, 25);
}

TEST(SkinDefinition, WrittenDefinitionReadsBackTheSame) {
  TsfSkinDefinition def;
  def.ReadDefinition(TsfIniFile(kStoredForm));
  def.FormInfo.stretchtype = stVert;
  def.FormInfo.inactiveeffect = ieNoise;
  def.HintWindow.fontstyle = TsfFontStyles{TsfFontStyle::fsUnderline};
  auto caption = std::make_unique<TsfDataSkinCaption>("title");
  caption->alignment = taLeftJustify;
  caption->frametextrect = {1, 2, 3, 4};
  def.ObjectDefs.push_back(std::move(caption));
  auto user = std::make_unique<TsfDataUserObject>("logo");
  user->skinrect = {4, 3, 2, 1};
  def.ObjectDefs.push_back(std::move(user));

  TsfIniFile out;
  def.WriteDefinition(out);
  TsfSkinDefinition back;
  back.ReadDefinition(TsfIniFile(out.Lines()));
  EXPECT_EQ(back.FormInfo.maskrectarea, def.FormInfo.maskrectarea);
  EXPECT_EQ(back.FormInfo.stretchtype, stVert);
  EXPECT_EQ(back.FormInfo.inactiveeffect, ieNoise);
  EXPECT_EQ(back.Pictures.activepictures, def.Pictures.activepictures);
  EXPECT_EQ(back.HintWindow.Font(), def.HintWindow.Font());
  EXPECT_EQ(back.SkinColors.cbtnface, 15459040);
  ASSERT_EQ(back.ObjectDefs.size(), 15u);
  auto& title = dynamic_cast<TsfDataSkinCaption&>(*back.ObjectDefs[13]);
  EXPECT_EQ(title.alignment, taLeftJustify);
  EXPECT_EQ(title.frametextrect, TRect(1, 2, 3, 4));
  EXPECT_EQ(back.ObjectDefs[14]->skinrect, TRect(4, 3, 2, 1));
  auto& max = dynamic_cast<TsfDataSkinStdButton&>(*back.ObjectDefs[4]);
  EXPECT_EQ(max.command, cmMaximize);
  EXPECT_TRUE(max.morphing);
}
