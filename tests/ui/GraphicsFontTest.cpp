#include <gtest/gtest.h>

#include "ui/Brush.h"
#include "ui/Font.h"
#include "ui/Pen.h"

#include <windows.h>

TEST(GraphicsFont, DefaultsAndPointSizes) {
  TFont f;
  EXPECT_EQ(f.Name(), "MS Sans Serif");
  EXPECT_EQ(f.Height(), -11);
  EXPECT_EQ(f.Size(), 8);
  EXPECT_EQ(f.Color(), clWindowText);
  EXPECT_EQ(f.Charset(), fcDefaultCharset);
  f.SetSize(9);
  EXPECT_EQ(f.Height(), -12);
  f.SetSize(14);
  EXPECT_EQ(f.Height(), -19);
  EXPECT_EQ(f.Size(), 14);
}

TEST(GraphicsFont, ChangeEventsOnlyForRealChanges) {
  TFont f;
  int changes = 0;
  f.OnChange = [&](TObject* sender) {
    EXPECT_EQ(sender, &f);
    ++changes;
  };
  f.SetHeight(-11);
  f.SetName("MS Sans Serif");
  f.SetStyle({});
  EXPECT_EQ(changes, 0);
  f.SetStyle({fsBold, fsUnderline});
  f.SetColor(clRed);
  f.SetSize(8);  // -11 already
  EXPECT_EQ(changes, 2);

  TFont g;
  g.SetName("宋体");
  g.SetHeight(-14);
  g.SetCharset(fcGB2312Charset);
  g.SetOrientation(900);
  f.Assign(g);
  EXPECT_EQ(changes, 3);
  EXPECT_TRUE(f == g);
  f.Assign(g);
  EXPECT_EQ(changes, 3);
}

TEST(GraphicsFont, ValuesReachThePlatformFont) {
  TFont f;
  f.SetName("宋体");
  f.SetHeight(-15);
  f.SetStyle({fsItalic, fsStrikeOut});
  f.SetOrientation(450);
  LOGFONTW lf{};
  ASSERT_EQ(GetObjectW(f.Handle(), sizeof lf, &lf), static_cast<int>(sizeof lf));
  EXPECT_EQ(std::wstring(lf.lfFaceName), L"\u5b8b\u4f53");
  EXPECT_EQ(lf.lfHeight, -15);
  EXPECT_EQ(lf.lfEscapement, 450);
  EXPECT_TRUE(lf.lfItalic);
  EXPECT_TRUE(lf.lfStrikeOut);
  EXPECT_EQ(lf.lfWeight, FW_NORMAL);
  f.SetStyle({fsBold});
  ASSERT_EQ(GetObjectW(f.Handle(), sizeof lf, &lf), static_cast<int>(sizeof lf));
  EXPECT_EQ(lf.lfWeight, FW_BOLD);
  EXPECT_FALSE(lf.lfItalic);
  f.SetName("Arial");
  EXPECT_TRUE(f.IsTrueType());
}

TEST(GraphicsBrushPen, ClearStylesAndHandleValues) {
  TBrush brush;
  int changes = 0;
  brush.OnChange = [&](TObject*) { ++changes; };
  brush.SetColor(clWhite);
  brush.SetColor(clNone);
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(brush.IsClear());
  LOGBRUSH lb{};
  GetObjectW(brush.Handle(), sizeof lb, &lb);
  EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_NULL));

  TPen pen;
  pen.SetWidth(3);
  pen.SetStyle(psDash);
  LOGPEN lp{};
  GetObjectW(pen.Handle(), sizeof lp, &lp);
  EXPECT_EQ(lp.lopnWidth.x, 3);
  EXPECT_EQ(lp.lopnStyle, static_cast<UINT>(PS_DASH));
}
