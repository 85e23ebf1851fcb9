#include <gtest/gtest.h>

#include "skin/data/sfSkinValues.h"
#include "ui/Exception.h"

namespace {

std::string ConvertMessage(void (*f)()) {
  try {
    f();
  } catch (const EConvertError& e) {
    return e.Message();
  }
  return "no error";
}

}  // namespace

TEST(SkinValues, RectAndPointDropEverythingButDigits) {
  EXPECT_EQ(StrToRect("1,2,3,4"), TRect(1, 2, 3, 4));
  EXPECT_EQ(StrToRect("-1,2,3,4"), TRect(1, 2, 3, 4));
  EXPECT_EQ(StrToRect(" 10 , 2x0 ,+30, 40px"), TRect(10, 20, 30, 40));
  EXPECT_EQ(StrToPoint("7,-8"), TPoint(7, 8));
  EXPECT_EQ(StrToRect(RectToStr({5, 29, 147, 120})), TRect(5, 29, 147, 120));
  EXPECT_EQ(RectToStr({5, 29, 147, 120}), "5,29,147,120");
  EXPECT_EQ(PointToStr({3, 4}), "3,4");
}

TEST(SkinValues, RectAndPointWithAWrongNumberOfPiecesAreConversionErrors) {
  EXPECT_EQ(ConvertMessage([] { StrToRect("1,2,3"); }), "'' is not a valid integer value");
  EXPECT_EQ(ConvertMessage([] { StrToRect(""); }), "'' is not a valid integer value");
  EXPECT_EQ(ConvertMessage([] { StrToRect("1,,3,4"); }), "'' is not a valid integer value");
  EXPECT_EQ(ConvertMessage([] { StrToRect("1,2,3,-"); }), "'' is not a valid integer value");
  EXPECT_EQ(ConvertMessage([] { StrToPoint("5"); }), "'' is not a valid integer value");
  // Too many pieces: the excess must not run into the last number.
  EXPECT_EQ(ConvertMessage([] { StrToRect("1,2,3,4,5"); }), "'4,5' is not a valid integer value");
  EXPECT_EQ(ConvertMessage([] { StrToRect("1,2,3,4,"); }), "'4,' is not a valid integer value");
  EXPECT_EQ(ConvertMessage([] { StrToPoint("1,2,3"); }), "'2,3' is not a valid integer value");
  EXPECT_EQ(ConvertMessage([] { StrToPoint("1,99999999999"); }),
            "'99999999999' is not a valid integer value");
}

TEST(SkinValues, ReadersGiveTypeDefaultsForMissingKeysAndReadEmptyValuesAsEmptyText) {
  TsfIniFile ini(
      "[o]\nrect=\npoint=\nalignment=\nstretchtype=\nmorphkind=\ninactiveeffect=\n"
      "command=\nfontstyle=\ncolor=\n");
  EXPECT_EQ(ReadRect(ini, "o", "missing"), TRect());
  EXPECT_EQ(ReadPoint(ini, "o", "missing"), TPoint());
  EXPECT_THROW(ReadRect(ini, "o", "rect"), EConvertError);
  EXPECT_THROW(ReadPoint(ini, "o", "point"), EConvertError);

  EXPECT_EQ(ReadAlignment(ini, "o", "missing"), taCenter);
  EXPECT_EQ(ReadAlignment(ini, "o", "alignment"), taRightJustify);
  EXPECT_EQ(ReadStretchType(ini, "o", "missing"), stFull);
  EXPECT_EQ(ReadStretchType(ini, "o", "stretchtype"), stHorz);
  EXPECT_EQ(ReadMorphKind(ini, "o", "missing"), mkDefault);
  EXPECT_EQ(ReadMorphKind(ini, "o", "morphkind"), mkDefault);
  EXPECT_EQ(ReadInactiveEffect(ini, "o", "missing"), ieBrightness);
  EXPECT_EQ(ReadInactiveEffect(ini, "o", "inactiveeffect"), ieGrayScale);
  EXPECT_EQ(ReadCommand(ini, "o", "missing"), cmDefault);
  EXPECT_EQ(ReadCommand(ini, "o", "command"), cmMinimizeToTray);
  EXPECT_TRUE(ReadFontStyle(ini, "o", "fontstyle").Empty());
  EXPECT_EQ(ReadColor(ini, "o", "color", clBtnFace), clBtnFace);
}

TEST(SkinValues, EnumerationWords) {
  EXPECT_EQ(StrToAlignment("taright"), taRightJustify);
  EXPECT_EQ(StrToAlignment("taleftjustify"), taLeftJustify);
  EXPECT_EQ(StrToAlignment("tacenter"), taCenter);
  EXPECT_EQ(StrToStretchType("stvert"), stVert);
  EXPECT_EQ(StrToStretchType("stfull"), stFull);
  EXPECT_EQ(StrToStretchType("diagonal"), stHorz);
  EXPECT_EQ(StrToMorphKind("mkpush"), mkPush);
  EXPECT_EQ(StrToMorphKind("mkleftslide"), mkLeftSlide);
  EXPECT_EQ(StrToMorphKind("mkfancy"), mkDefault);
  EXPECT_EQ(StrToInactiveEffect("ieinvert"), ieInvert);
  EXPECT_EQ(StrToInactiveEffect("iedarkness"), ieDarkness);
  EXPECT_EQ(StrToInactiveEffect("iesepia"), ieGrayScale);
  EXPECT_EQ(StrToCommand("cmclose"), cmClose);
  EXPECT_EQ(StrToCommand("cmrollup"), cmRollUp);
  EXPECT_EQ(StrToCommand("cmminimizetotray"), cmMinimizeToTray);
  EXPECT_EQ(StrToCommand("cmhelp"), cmMinimizeToTray);
  // Every writer's word reads back as the value written.
  for (int i = 0; i <= stVert; ++i)
    EXPECT_EQ(StrToStretchType(StretchTypeToStr(TsfStretchType(i))), i);
  for (int i = 0; i <= mkPush; ++i) EXPECT_EQ(StrToMorphKind(MorphKindToStr(TsfMorphKind(i))), i);
  for (int i = 0; i <= ieInvert; ++i)
    EXPECT_EQ(StrToInactiveEffect(InactiveEffectToStr(TsfInactiveEffect(i))), i);
  for (int i = 0; i <= cmMinimizeToTray; ++i)
    EXPECT_EQ(StrToCommand(CommandToStr(TsfStdCommand(i))), i);
  for (TAlignment a : {taLeftJustify, taRightJustify, taCenter})
    EXPECT_EQ(StrToAlignment(AlignmentToStr(a)), a);
}

TEST(SkinValues, FontStyleWordsAnywhereInTheValue) {
  using S = TsfFontStyle;
  EXPECT_EQ(StrToFontStyles("fsbold,fsunderline"), (TsfFontStyles{S::fsBold, S::fsUnderline}));
  EXPECT_EQ(StrToFontStyles("[fsitalicfsstrikeout]"),
            (TsfFontStyles{S::fsItalic, S::fsStrikeOut}));
  EXPECT_TRUE(StrToFontStyles("bold").Empty());
  EXPECT_EQ(FontStylesToStr({S::fsStrikeOut, S::fsBold, S::fsItalic}), "fsbold,fsitalic,fsstrikeout");
  // The framework's font styles use the same bit order.
  EXPECT_EQ((TsfFontStyles{S::fsBold, S::fsUnderline}).Bits(), 5u);
}

TEST(SkinValues, ColoursAreIntegersIncludingSystemColours) {
  TsfIniFile ini("[c]\ngrey=8421504\nface=-16777201\nhex=$FF000005\n");
  EXPECT_EQ(ReadColor(ini, "c", "grey"), RGBColor(128, 128, 128));
  EXPECT_EQ(ReadColor(ini, "c", "face"), clBtnFace);
  EXPECT_EQ(ReadColor(ini, "c", "hex"), clWindow);
}

TEST(SkinValues, NumberedListKeepsGapsAndCutsHugeCounts) {
  TsfIniFile ini("[PICTURES]\nactivepicturescount=3\n0=active.BMP\n2=hw.bmp\n"
                 "[BIG]\nxcount=2147483647\n0=a\n");
  EXPECT_EQ(ReadNumberedList(ini, "pictures", "activepictures"),
            (std::vector<std::string>{"active.BMP", "", "hw.bmp"}));
  EXPECT_EQ(ReadNumberedList(ini, "BIG", "x").size(), static_cast<size_t>(kMaxNumberedList));
  EXPECT_TRUE(ReadNumberedList(ini, "BIG", "y").empty());

  TsfIniFile out;
  WriteNumberedList(out, "PICTURES", "activepictures", {"a.bmp", "b.bmp"});
  EXPECT_EQ(ReadNumberedList(TsfIniFile(out.Lines()), "PICTURES", "activepictures"),
            (std::vector<std::string>{"a.bmp", "b.bmp"}));
}
