// The skinned label (font and colour from the skin, ellipsis, disabled look) and the
// skinned bevel (its shapes, dividers, the skin's colours, centring on a tool bar).
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <utility>

#include "SkinControlTestSupport.h"
#include "TestSkin.h"
#include "skin/controls/sfSkinBevel.h"
#include "skin/controls/sfSkinStdLabel.h"
#include "skin/controls/sfSkinToolBar.h"
#include "ui/Bitmap.h"

namespace {

void LoadOurSkin(TsfSkinData& data) {
  TsfCompressedStoredSkin stored(nullptr);
  stored.BuildFromIniFile(std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() /
                          "resources" / "skin" / "skin.ini");
  data.LoadStoredSkin(stored);
}

std::unique_ptr<TBitmap> Blank(int w, int h, TColor fill) {
  auto b = std::make_unique<TBitmap>(w, h);
  b->Canvas().Brush().SetColor(fill);
  b->Canvas().FillRect({0, 0, w, h});
  return b;
}

// The points of `b` that are not `fill`, with their colours.
std::set<std::pair<int, int>> Inked(TBitmap& b, int w, int h, TColor fill) {
  std::set<std::pair<int, int>> out;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (PixelAt(b, x, y) != fill) out.insert({x, y});
  return out;
}

constexpr TColor kFill = 0x00FF00;

}  // namespace

TEST(SkinBevel, ShapesDrawTheirEdgesInTwoColours) {
  auto form = MakeSizedForm(200, 100);
  auto* bevel = new TsfSkinBevel(form.get());
  bevel->SetParent(form.get());
  bevel->SetBounds(0, 0, 10, 8);
  auto paint = [&](TBevelShape shape, bool divider) {
    bevel->SetShape(shape);
    bevel->SetDividerMode(divider);
    auto b = Blank(10, 8, kFill);
    bevel->PaintOn(b->DC());
    return b;
  };
  // Unskinned: the system's button highlight and shadow.
  ASSERT_EQ(bevel->LightColor(), clBtnHighlight);
  ASSERT_EQ(bevel->DarkColor(), clBtnShadow);
  TColor shadow = static_cast<TColor>(ColorToRGB(clBtnShadow));
  TColor highlight = static_cast<TColor>(ColorToRGB(clBtnHighlight));

  auto box = paint(bsBox, false);  // lowered: left and top dark, right and bottom light
  EXPECT_EQ(PixelAt(*box, 0, 7), shadow);
  EXPECT_EQ(PixelAt(*box, 0, 0), shadow);
  EXPECT_EQ(PixelAt(*box, 8, 0), shadow);
  EXPECT_EQ(PixelAt(*box, 9, 0), highlight);
  EXPECT_EQ(PixelAt(*box, 9, 7), highlight);
  EXPECT_EQ(PixelAt(*box, 1, 7), highlight);
  EXPECT_EQ(PixelAt(*box, 4, 4), kFill);
  EXPECT_EQ(Inked(*box, 10, 8, kFill).size(), 2u * 10 + 2u * 6);

  auto top = paint(bsTopLine, false);
  EXPECT_EQ(PixelAt(*top, 9, 0), shadow);
  EXPECT_EQ(PixelAt(*top, 9, 1), highlight);
  EXPECT_EQ(Inked(*top, 10, 8, kFill).size(), 20u);

  auto right = paint(bsRightLine, false);
  EXPECT_EQ(PixelAt(*right, 8, 7), shadow);
  EXPECT_EQ(PixelAt(*right, 9, 7), highlight);
  EXPECT_EQ(Inked(*right, 10, 8, kFill).size(), 16u);

  auto frame = paint(bsFrame, false);  // the light outline one pixel in, the dark on top
  EXPECT_EQ(PixelAt(*frame, 0, 0), shadow);
  EXPECT_EQ(PixelAt(*frame, 9, 7), highlight);
  EXPECT_EQ(PixelAt(*frame, 1, 1), highlight);
  EXPECT_EQ(PixelAt(*frame, 8, 6), shadow);

  // Dividers: a vertical one around the middle column, from y 2 to 6.
  auto vdiv = paint(bsBox, true);
  EXPECT_EQ(Inked(*vdiv, 10, 8, kFill),
            (std::set<std::pair<int, int>>{{4, 2}, {4, 3}, {4, 4}, {4, 5}, {4, 6},
                                           {5, 2}, {5, 3}, {5, 4}, {5, 5}, {5, 6}}));
  EXPECT_EQ(PixelAt(*vdiv, 4, 3), shadow);
  EXPECT_EQ(PixelAt(*vdiv, 5, 3), highlight);
  auto hdiv = paint(bsBottomLine, true);
  EXPECT_EQ(PixelAt(*hdiv, 2, 3), shadow);
  EXPECT_EQ(PixelAt(*hdiv, 3, 4), highlight);
  EXPECT_EQ(PixelAt(*hdiv, 8, 3), highlight);
  EXPECT_EQ(PixelAt(*hdiv, 1, 3), kFill);

  auto spacer = paint(bsSpacer, false);
  EXPECT_TRUE(Inked(*spacer, 10, 8, kFill).empty());

  bevel->SetStyle(bsRaised);
  auto raised = paint(bsLeftLine, false);
  EXPECT_EQ(PixelAt(*raised, 0, 3), highlight);
  EXPECT_EQ(PixelAt(*raised, 1, 3), shadow);
}

TEST(SkinBevel, TakesTheSkinColoursAndCentresOnAToolBar) {
  auto form = MakeSizedForm(300, 100);
  auto* data = new TsfSkinData(form.get());
  LoadOurSkin(*data);
  auto* bevel = new TsfSkinBevel(form.get());
  bevel->SetSkinData(data);
  EXPECT_EQ(bevel->LightColor(), 16777215);
  EXPECT_EQ(bevel->DarkColor(), 12632256);
  // Another kind of definition leaves the colours alone.
  bevel->SetSkinDataName("stdlabel");
  bevel->ApplySkin();
  EXPECT_EQ(bevel->DarkColor(), 12632256);
  bevel->SetSkinData(nullptr);
  EXPECT_EQ(bevel->DarkColor(), clBtnShadow);

  auto* bar = new TsfSkinToolBar(form.get());
  bar->SetParent(form.get());
  bar->SetBounds(0, 0, 300, 25);
  auto* spacer = new TsfSkinBevel(form.get());
  spacer->SetShape(bsSpacer);
  spacer->SetParent(bar);
  spacer->SetBounds(0, 0, 10, 9);
  EXPECT_EQ(spacer->Top(), 8);  // 25 high bar without border: 12 - 4
  bar->SetAdjustControls(false);
  spacer->SetBounds(0, 0, 10, 9);
  EXPECT_EQ(spacer->Top(), 0);
}

TEST(SkinStdLabel, EllipsisAndPrefixFlags) {
  auto form = MakeSizedForm(200, 100);
  auto* label = new TsfSkinStdLabel(form.get());
  EXPECT_EQ(label->ExtraTextFlags(), 0u);
  label->SetEllipsType(sfetEndEllips);
  EXPECT_EQ(label->ExtraTextFlags(), 0x8000u);
  label->SetEllipsType(sfetPathEllips);
  label->SetShowAccelChar(false);
  EXPECT_EQ(label->ExtraTextFlags(), 0x4000u | 0x800u);
}

TEST(SkinStdLabel, ShortensTextThatDoesNotFit) {
  auto form = MakeSizedForm(200, 100);
  auto* label = new TsfSkinStdLabel(form.get());
  label->SetParent(form.get());
  label->SetCaption("abcdefghijklmnopqrstuvwxyz");
  label->SetAutoSize(false);
  label->SetBounds(0, 0, 60, 20);
  auto paint = [&](TsfEllipsType type) {
    label->SetEllipsType(type);
    auto b = Blank(60, 20, kFill);
    label->PaintOn(b->DC());
    return Inked(*b, 60, 20, kFill);
  };
  auto cut = paint(sfetNone);
  auto dotted = paint(sfetEndEllips);
  ASSERT_FALSE(cut.empty());
  EXPECT_NE(cut, dotted);
  // The dots sit at the baseline, at the right: the last columns hold only low ink.
  int rightmost = 0;
  for (auto [x, y] : dotted) rightmost = std::max(rightmost, x);
  int top = 20;
  for (auto [x, y] : dotted)
    if (x >= rightmost - 1) top = std::min(top, y);
  int topOfLetters = 20;
  for (auto [x, y] : dotted) topOfLetters = std::min(topOfLetters, y);
  EXPECT_GT(top, topOfLetters + 3);
}

TEST(SkinStdLabel, DisabledTextIsDrawnTwice) {
  auto form = MakeSizedForm(200, 100);
  auto* label = new TsfSkinStdLabel(form.get());
  label->SetParent(form.get());
  label->SetCaption("IIII");
  label->SetEnabled(false);
  int w = label->Width() + 2, h = label->Height() + 2;
  auto b = Blank(w, h, kFill);
  label->PaintOn(b->DC());
  // On green, smoothed white ink keeps full green and smoothed grey ink lowers it:
  // the white copy reaches one pixel further right and down than the grey one.
  int maxWhiteX = -1, maxWhiteY = -1, maxGreyX = -1, maxGreyY = -1;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      TColor c = PixelAt(*b, x, y);
      int red = c & 0xFF, green = (c >> 8) & 0xFF;
      if (green == 0xFF && red > 0) maxWhiteX = std::max(maxWhiteX, x), maxWhiteY = std::max(maxWhiteY, y);
      if (green < 0xFF) maxGreyX = std::max(maxGreyX, x), maxGreyY = std::max(maxGreyY, y);
    }
  ASSERT_GE(maxGreyX, 0);
  EXPECT_EQ(maxWhiteX, maxGreyX + 1);
  EXPECT_EQ(maxWhiteY, maxGreyY + 1);
}

TEST(SkinStdLabel, WearsTheSkinFontAndColour) {
  auto form = MakeSizedForm(200, 100);
  auto* data = new TsfSkinData(form.get());
  LoadOurSkin(*data);
  auto* label = new TsfSkinStdLabel(form.get());
  label->SetParent(form.get());
  label->Font().SetColor(clRed);
  label->SetSkinData(data);
  ASSERT_TRUE(label->Skinned());
  TFont f;
  label->PrepareFont(f);
  EXPECT_EQ(f.Name(), "Arial");
  EXPECT_EQ(f.Height(), 14);
  EXPECT_EQ(f.Color(), 3153948);
  label->SetUseSkinColor(false);
  label->PrepareFont(f);
  EXPECT_EQ(f.Color(), clRed);
  label->SetSkinData(nullptr);
  label->DefaultFont().SetColor(clBlue);
  label->PrepareFont(f);
  EXPECT_EQ(f.Color(), clBlue);  // unskinned with UseSkinFont: the default font
}
