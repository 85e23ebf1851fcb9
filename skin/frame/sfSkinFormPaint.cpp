// The frame's drawing: the window region from the mask, the four border bands from
// the main picture (or the plain frame without a skin), the client background, and
// hit-testing on the same geometry.
#include <windows.h>

#include "sfSkinForm.h"
#include "skin/data/sfEffects.h"
#include "skin/data/sfSkinData.h"
#include "skin/data/sfUtilsNinePart.h"
#include "ui/Canvas.h"
#include "ui/CodePage.h"
#include "ui/GdiObject.h"

namespace {

TsfNinePartGeometry PictureGeometry(const TsfSkinFormInfo& fi, const TRect& client) {
  return {fi.lefttoppoint, fi.righttoppoint, fi.leftbottompoint, fi.rightbottompoint, client};
}

TsfNinePartGeometry SizedGeometry(const TsfFrameGeometry& g, const TRect& client) {
  return {g.LT, g.RT, g.LB, g.RB, client};
}

}  // namespace

void TsfSkinForm::UpdateFrameRegion() {
  HWND wnd = FForm->HandleValue();
  if (!wnd) return;
  FRegionSize = {0, 0};
  if (!FSkinnable || !Bordered()) {
    if (FRegionSet) SetWindowRegion(wnd, {}, true);  // the system frees the old one
    FRegionSet = false;
    return;
  }
  const TRect whole{0, 0, FCachedWidth, FCachedHeight};
  if (!FSkinLoaded || FSkinData->MaskPicture().Empty()) {
    if (!FSkinLoaded)
      for (TBitmap* b : {&FMaskBands.Top, &FMaskBands.Bottom, &FMaskBands.Left, &FMaskBands.Right})
        b->SetSize(0, 0);
    FRegionSet = SetWindowRegion(wnd, CreateRectRegion(whole), true);
    if (FRegionSet && FSkinLoaded) FRegionSize = {FCachedWidth, FCachedHeight};
    return;
  }
  const TsfSkinFormInfo& fi = FSkinData->FormInfo;
  CreateMaskBandImages(FMaskBands, FSkinData->MaskPicture(), PictureGeometry(fi, fi.maskrectarea),
                       SizedGeometry(FGeometry, FGeometry.Mask), FCachedWidth);
  // The window takes the region; a refused one is deleted by SetWindowRegion.
  FRegionSet = SetWindowRegion(
      wnd, CreateRgnFromMaskBands(FMaskBands, SizedGeometry(FGeometry, FGeometry.Mask)), true);
  if (FRegionSet) FRegionSize = {FCachedWidth, FCachedHeight};
}

void TsfSkinForm::PaintFrame(HDC dc) {
  HWND wnd = FForm->HandleValue();
  if (!wnd) return;
  std::optional<TNonClientDC> own;
  if (!dc) {
    own.emplace(wnd);
    dc = own->Get();
  }
  if (!dc) return;
  if (FSkinLoaded)
    PaintSkinnedFrame(dc);
  else if (!FSkinChanging)
    PaintPlainFrame(dc);
}

void TsfSkinForm::PaintSkinnedFrame(HDC dc) {
  if (FCachedWidth == 0 || FCachedHeight == 0) CacheFormSize();
  TsfSizeLimits l = SizeLimits();
  if (FCachedWidth < l.MinWidth || FCachedHeight < l.MinHeight) return;
  UpdateFrameGeometry();
  ArrangeObjects();
  const TsfSkinFormInfo& fi = FSkinData->FormInfo;
  const TBitmap& main = FSkinData->MainPicture();
  const TBitmap& source =
      !FActive && !FSkinData->InactivePicture().Empty() ? FSkinData->InactivePicture() : main;
  TsfNinePartOptions options;
  options.LeftStretch = fi.leftstretch;
  options.RightStretch = fi.rightstretch;
  options.TopStretch = fi.topstretch;
  options.BottomStretch = fi.bottomstretch;
  const TRect& cl = FGeometry.Client;
  TsfBorderImages images;
  CreateBorderImages(images, source, {0, 0, main.Width(), main.Height()},
                     PictureGeometry(fi, fi.clientrect), SizedGeometry(FGeometry, cl), FCachedWidth,
                     FCachedHeight, options);
  DrawObjectsInBands(images);
  const int saved = SaveDC(dc);
  if (cl.Height() > 0) ExcludeClipRect(dc, cl.Left, cl.Top, cl.Right, cl.Bottom);
  const TPoint at[4] = {{0, 0}, {0, cl.Top}, {FCachedWidth - images.Right.Width(), cl.Top},
                        {0, FCachedHeight - images.Bottom.Height()}};
  const TBitmap* parts[4] = {&images.Top, &images.Left, &images.Right, &images.Bottom};
  const bool plain = FActive || !fi.autorenderinginactiveimage;
  for (int i = 0; i < 4; ++i) {
    if (parts[i]->Empty()) continue;
    if (plain) {
      BitBlt(dc, at[i].x, at[i].y, parts[i]->Width(), parts[i]->Height(), parts[i]->DC(), 0, 0,
             SRCCOPY);
    } else {
      TsfEffectBmp effect(*parts[i]);
      effect.InactiveEffect(fi.inactiveeffect);
      effect.Draw(dc, at[i].x, at[i].y);
    }
  }
  RestoreDC(dc, saved);
}

// Objects below the top band's bottom go into the bottom band, the others into the top.
void TsfSkinForm::DrawObjectsInBands(TsfBorderImages& images) {
  const TRect& cl = FGeometry.Client;
  for (auto& o : FObjects) {
    if (!o->Visible) continue;
    if (o->ObjectRect.Bottom > cl.Top && !images.Bottom.Empty()) {
      TRect keep = o->ObjectRect;
      o->ObjectRect = keep.Offset(0, -cl.Bottom);
      o->Draw(images.Bottom.Canvas(), false);
      o->ObjectRect = keep;
    } else if (!images.Top.Empty()) {
      o->Draw(images.Top.Canvas(), false);
    }
  }
}

void TsfSkinForm::PaintPlainFrame(HDC dc) {
  CacheFormSize();
  const int w = FCachedWidth, h = FCachedHeight, ch = PlainCaptionHeight();
  ArrangeObjects();
  if (w <= 2 * kPlainBorder || ch <= 0) return;
  TBitmap caption(w - 2 * kPlainBorder, ch);
  DrawPlainCaption(caption.Canvas(), ch);
  const int saved = SaveDC(dc);
  ExcludeClipRect(dc, kPlainBorder, ch + kPlainBorder, w - kPlainBorder, h - kPlainBorder);
  BitBlt(dc, kPlainBorder, kPlainBorder, caption.Width(), caption.Height(), caption.DC(), 0, 0,
         SRCCOPY);
  TCanvas frame(dc);
  const TColor rings[3][2] = {
      {cl3DLight, cl3DDkShadow}, {clBtnHighlight, clBtnShadow}, {clBtnFace, clBtnFace}};
  for (int i = 0; i < 3; ++i) {
    const TRect r{i, i, w - i, h - i};
    frame.Pen().SetColor(rings[i][1]);
    frame.Polyline({{r.Left, r.Bottom - 1}, {r.Right - 1, r.Bottom - 1}, {r.Right - 1, r.Top - 1}});
    frame.Pen().SetColor(rings[i][0]);
    frame.Polyline({{r.Left, r.Bottom - 1}, {r.Left, r.Top}, {r.Right - 1, r.Top}});
  }
  frame.SetHandle(nullptr);
  RestoreDC(dc, saved);
}

// The caption image of the plain frame (window x = image x + 3): the grooves, the
// text and the buttons.
void TsfSkinForm::DrawPlainCaption(TCanvas& c, int ch) {
  c.Brush().SetColor(clBtnFace);
  c.FillRect({0, 0, FCachedWidth - 2 * kPlainBorder, ch});
  const int L = FPlainCaption.Left, R = FPlainCaption.Right;
  for (int i = 0; i < ch - 5; ++i) {
    c.Pen().SetColor(i % 2 == 0 ? clBtnHighlight : clBtnShadow);
    c.MoveTo(L - 1, 2 + i);
    c.LineTo(R - 6 + 1, 2 + i);
  }
  TFont& font = FActive ? FDefCaptionFont : FDefInActiveCaptionFont;
  c.Font().Assign(font);
  if (OnCaptionPaint) {
    OnCaptionPaint(c, {L - 3, 0, R - 3, ch}, FActive);
  } else if (!FForm->Caption().empty()) {
    std::string text = EllipsisCaption(FForm->Caption(), R - L + 3,
                                       [&c](const std::string& s) { return c.TextWidth(s); });
    TPoint size = c.TextExtent(text);
    const int x = (L - 3) + (R - L + 3) / 2 - (size.x + 5) / 2;
    const int y = ch / 2 - size.y / 2;
    c.Brush().SetColor(clBtnFace);
    c.FillRect({x - 2, y - 2, x + size.x + 2, y + size.y + 2});
    c.SetTransparentText(true);
    c.TextOut(x, y, text);
  }
  for (auto& o : FObjects) {
    if (!o->Visible) continue;
    TRect keep = o->ObjectRect;
    o->ObjectRect = keep.Offset(-kPlainBorder, -kPlainBorder);
    o->Draw(c, true);
    o->ObjectRect = keep;
  }
}

void TsfSkinForm::PaintClientBackground(HDC dc) {
  if (!dc) return;
  TCanvas canvas(dc);
  const TRect client = FForm->ClientRect();
  const TsfSkinFormInfo* fi = FSkinLoaded ? &FSkinData->FormInfo : nullptr;
  if (!fi || fi->clientrect.IsEmpty() || fi->bgpictureindex >= 0 ||
      FSkinData->MainPicture().Empty()) {
    canvas.Brush().SetColor(clBtnFace);
    canvas.FillRect(client);
  } else {
    const TBitmap& main = FSkinData->MainPicture();
    const TRect& tile = fi->clientrect;
    if (fi->stretcheffect && !client.IsEmpty()) {
      StretchBlt(dc, 0, 0, client.Width(), client.Height(), main.DC(), tile.Left, tile.Top,
                 tile.Width(), tile.Height(), SRCCOPY);
    } else {
      for (int y = 0; y < client.Height(); y += tile.Height())
        for (int x = 0; x < client.Width(); x += tile.Width())
          BitBlt(dc, x, y, tile.Width(), tile.Height(), main.DC(), tile.Left, tile.Top, SRCCOPY);
    }
  }
  if (!FLogoBitMap.Empty()) {
    FLogoBitMap.SetTransparent(FLogoBitMapTransparent);
    canvas.Draw(std::max(0, client.Width() / 2 - FLogoBitMap.Width() / 2),
                std::max(0, client.Height() / 2 - FLogoBitMap.Height() / 2), FLogoBitMap);
  }
  canvas.SetHandle(nullptr);
}

int TsfSkinForm::FrameHitTest(TPoint p) const {
  TsfHitTestState st;
  st.RolledUp = FRollUpState;
  st.Minimized = FWindowState == wsMinimized || FormIconic();
  st.Maximized = FWindowState == wsMaximized;
  st.Resizable = Resizable();
  st.HotObject = FHot >= 0;
  st.MovingOrSizing = FMovingOrSizing;
  auto inCaption = [this](TPoint q) {
    for (const auto& o : FObjects)
      if (dynamic_cast<const TsfSkinCaptionObject*>(o.get()) && o->ObjectRect.Contains(q))
        return true;
    return false;
  };
  if (!FSkinLoaded)
    return PlainFrameHitTest(FCachedWidth, FCachedHeight, PlainCaptionHeight(), FPlainCaption, p,
                             st);
  st.BorderWidth = FSkinData->FormInfo.borderwidth;
  st.HasMask = !FSkinData->MaskPicture().Empty();
  auto pixel = [this](TsfMaskBandKind kind, int x, int y) {
    const TBitmap& b = kind == mbkTop      ? FMaskBands.Top
                       : kind == mbkBottom ? FMaskBands.Bottom
                       : kind == mbkLeft   ? FMaskBands.Left
                                          : FMaskBands.Right;
    if (x < 0 || y < 0 || x >= b.Width() || y >= b.Height()) return false;
    const std::uint8_t* px = b.ScanLine(y) + x * b.BytesPerPixel();
    return px[0] == 0 && px[1] == 0 && px[2] == 0;
  };
  return SkinnedFrameHitTest(FGeometry, p, st, pixel, inCaption);
}
