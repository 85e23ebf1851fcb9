// The list view's column header: its window procedure replaced by the list's, which
// paints the sections from the header definition (or the plain look), keeps the
// pressed section, and widens the header by 4 pixels.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "sfSkinCustomListView.h"
#include "skin/data/sfText.h"
#include "skin/data/sfDataSkinControl.h"
#include "skin/data/sfSkinData.h"
#include "skin/data/sfUtilsNinePart.h"
#include "ui/Bitmap.h"
#include "ui/CodePage.h"

namespace {

const wchar_t kListProp[] = L"sfSkinListView";

}  // namespace

TsfHeaderCaptionLayout LayoutHeaderCaption(const TRect& area, const std::string& caption,
                                           TAlignment alignment, int imageWidth,
                                           const std::function<int(const std::string&)>& textWidth) {
  TsfHeaderCaptionLayout out;
  bool image = imageWidth >= 0;
  int room = image ? area.Width() - imageWidth - 10 : area.Width();
  out.Text = sf::ShortenWithEllipsis(caption, [&](const std::string& t) { return textWidth(t) <= room; });
  bool shortened = out.Text != caption;
  int w = textWidth(out.Text);
  if (image) {
    out.ImageX = area.Left;
    if (!shortened && alignment == taRightJustify) out.ImageX = area.Right - w - imageWidth - 10;
    if (!shortened && alignment == taCenter)
      out.ImageX = area.Left + area.Width() / 2 - (w + imageWidth + 10) / 2;
    out.TextX = out.ImageX + imageWidth + 10;
    return out;
  }
  out.TextX = alignment == taRightJustify ? area.Right - w
              : alignment == taCenter     ? area.Left + area.Width() / 2 - w / 2
                                          : area.Left;
  return out;
}

void TsfSkinCustomListView::HookHeader(HWND header) {
  if (FHeader == header) return;
  UnhookHeader();
  FHeader = header;
  SetPropW(header, kListProp, this);
  FHeaderProc = reinterpret_cast<void*>(
      SetWindowLongPtrW(header, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HeaderProc)));
}

void TsfSkinCustomListView::UnhookHeader() {
  if (!FHeader) return;
  if (IsWindow(FHeader)) {
    SetWindowLongPtrW(FHeader, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FHeaderProc));
    RemovePropW(FHeader, kListProp);
  }
  FHeader = nullptr;
  FHeaderProc = nullptr;
}

std::intptr_t __stdcall TsfSkinCustomListView::HeaderProc(HWND wnd, unsigned msg,
                                                         std::uintptr_t wParam,
                                                         std::intptr_t lParam) {
  auto* list = static_cast<TsfSkinCustomListView*>(GetPropW(wnd, kListProp));
  if (!list || list->FHeader != wnd) return DefWindowProcW(wnd, msg, wParam, lParam);
  return list->HeaderMessage(msg, wParam, lParam);
}

std::intptr_t TsfSkinCustomListView::HeaderMessage(unsigned msg, std::uintptr_t wParam,
                                                   std::intptr_t lParam) {
  HWND header = FHeader;
  auto own = reinterpret_cast<WNDPROC>(FHeaderProc);
  switch (msg) {
    case WM_WINDOWPOSCHANGING:
      reinterpret_cast<WINDOWPOS*>(lParam)->cx += 4;
      return 0;
    case WM_PAINT:
      if (wParam) {
        PaintHeader(reinterpret_cast<HDC>(wParam));
      } else {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(header, &ps);
        PaintHeader(dc);
        EndPaint(header, &ps);
      }
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_NCDESTROY: {
      LRESULT r = CallWindowProcW(own, header, msg, wParam, lParam);
      UnhookHeader();
      return r;
    }
  }
  LRESULT r = CallWindowProcW(own, header, msg, wParam, lParam);
  if (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONUP) HeaderMouse(msg, lParam);
  return r;
}

void TsfSkinCustomListView::HeaderMouse(unsigned msg, std::intptr_t lParam) {
  if (msg == WM_LBUTTONUP) {
    FPressed = false;
    FPressedIndex = -1;
  } else {
    POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    int count = static_cast<int>(SendMessageW(FHeader, HDM_GETITEMCOUNT, 0, 0));
    FPressedIndex = -1;
    for (int i = 0; i < count && FPressedIndex < 0; ++i)
      if (SectionRect(i).Contains({p.x, p.y})) FPressedIndex = i;
    HDHITTESTINFO hit{};
    hit.pt = p;
    SendMessageW(FHeader, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    // Starting a column resize shows no pressed section.
    FPressed = !(hit.flags & (HHT_ONDIVIDER | HHT_ONDIVOPEN));
  }
  InvalidateRect(FHeader, nullptr, FALSE);
}

TRect TsfSkinCustomListView::SectionRect(int position) const {
  int item = position;
  if (FFullDrag) {
    int count = static_cast<int>(SendMessageW(FHeader, HDM_GETITEMCOUNT, 0, 0));
    std::vector<int> order(static_cast<size_t>(std::max(count, 1)));
    if (SendMessageW(FHeader, HDM_GETORDERARRAY, count, reinterpret_cast<LPARAM>(order.data())))
      item = order[static_cast<size_t>(position)];
  }
  RECT r{};
  SendMessageW(FHeader, HDM_GETITEMRECT, item, reinterpret_cast<LPARAM>(&r));
  return {r.left, r.top, r.right, r.bottom};
}

void TsfSkinCustomListView::PaintHeader(HDC dc) {
  if (!FHeader || !dc) return;
  RECT client;
  GetClientRect(FHeader, &client);
  int count = static_cast<int>(SendMessageW(FHeader, HDM_GETITEMCOUNT, 0, 0));
  int right = 0;
  for (int i = 0; i < count; ++i) {
    TRect r = SectionRect(i);
    right = std::max(right, r.Right);
    if (r.Width() <= 0 || r.Height() <= 0) continue;
    TBitmap b(r.Width(), r.Height());
    PaintSection(b.Canvas(), {0, 0, r.Width(), r.Height()}, i, i == FPressedIndex && FPressed);
    BitBlt(dc, r.Left, r.Top, r.Width(), r.Height(), b.DC(), 0, 0, SRCCOPY);
  }
  TRect rest{right, 0, client.right + 1, client.bottom};
  if (rest.Width() > 0 && rest.Height() > 0) {
    TBitmap b(rest.Width(), rest.Height());
    PaintHeaderRest(b.Canvas(), {0, 0, rest.Width(), rest.Height()});
    BitBlt(dc, rest.Left, rest.Top, rest.Width(), rest.Height(), b.DC(), 0, 0, SRCCOPY);
  }
}

bool TsfSkinCustomListView::HeaderImage(TBitmap& target, bool pressed, int w, int h, bool noRight) {
  TsfSkinData* data = SkinData();
  int index = FindSkinDefinition(data, FHeaderSkinDataName);
  if (index < 0) return false;
  auto* def = dynamic_cast<TsfDataSkinButtonControl*>(data->ControlDef(index));
  TBitmap* picture = def ? data->ActivePictures(def->pictureindex) : nullptr;
  TRect s = def ? def->skinrect : TRect{};
  if (pressed && def) {
    TRect active = def->activeskinrect.IsEmpty() ? def->skinrect : def->activeskinrect;
    s = def->downskinrect.IsEmpty() ? active : def->downskinrect;
  }
  target.SetSize(w, h);
  if (!picture || s.IsEmpty()) return true;  // skinned, but nothing to draw
  TsfNinePartGeometry g{def->lefttoppoint, def->righttoppoint, def->leftbottompoint,
                        def->rightbottompoint, def->clientrect};
  TsfNinePartOptions options{def->leftstretch, def->topstretch, def->rightstretch,
                             def->bottomstretch, def->stretcheffect, def->stretchtype};
  if (def->leftbottompoint.x != 0 || def->leftbottompoint.y != 0) {
    TsfNinePartGeometry ng = ResizedGeometry(g, s.Width(), s.Height(), w, h);
    if (noRight)
      CreateNinePartImageNoRight(target, *picture, s, g, ng, w, h, options, true);
    else
      CreateNinePartImage(target, *picture, s, g, ng, w, h, options, true);
    return true;
  }
  TBitmap strip;
  CreateHThreePartImage(strip, *picture, s, def->lefttoppoint.x, s.Width() - def->righttoppoint.x, w,
                        def->stretcheffect, noRight ? tpNoEnd : tpFull);
  target.Canvas().StretchDraw({0, 0, w, h}, strip);
  return true;
}

void TsfSkinCustomListView::PaintSection(TCanvas& canvas, const TRect& rect, int column, bool pressed) {
  TBitmap image;
  if (HeaderImage(image, pressed, rect.Width(), rect.Height(), false)) {
    canvas.Draw(0, 0, image);
    int index = FindSkinDefinition(SkinData(), FHeaderSkinDataName);
    auto* def = dynamic_cast<TsfDataSkinButtonControl*>(SkinData()->ControlDef(index));
    canvas.Font().Assign(Font());
    if (def) canvas.Font().SetColor(pressed ? def->downfontcolor : def->fontcolor);
  } else {
    canvas.Brush().SetColor(pressed ? TColor{11899781} : clBtnFace);
    canvas.FillRect(rect);
    canvas.Brush().SetColor(pressed ? TColor{0x800000} : clBtnShadow);
    canvas.FrameRect(rect);
    canvas.Font().Assign(Font());
    canvas.Font().SetColor(clBtnText);
  }
  PaintSectionCaption(canvas, {rect.Left + 5, rect.Top, rect.Right - 5, rect.Bottom}, column);
}

void TsfSkinCustomListView::PaintSectionCaption(TCanvas& canvas, const TRect& area, int column) {
  wchar_t text[256] = {};
  HDITEMW item{};
  item.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
  item.pszText = text;
  item.cchTextMax = 255;
  SendMessageW(FHeader, HDM_GETITEMW, column, reinterpret_cast<LPARAM>(&item));
  TAlignment alignment = (item.fmt & HDF_JUSTIFYMASK) == HDF_RIGHT    ? taRightJustify
                         : (item.fmt & HDF_JUSTIFYMASK) == HDF_CENTER ? taCenter
                                                                      : taLeftJustify;
  auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(HandleValue(), LVM_GETIMAGELIST, LVSIL_SMALL, 0));
  int imageWidth = -1, imageHeight = 0;
  if (images && (item.fmt & HDF_IMAGE) && item.iImage >= 0 && item.iImage < ImageList_GetImageCount(images))
    ImageList_GetIconSize(images, &imageWidth, &imageHeight);
  TsfHeaderCaptionLayout layout = LayoutHeaderCaption(
      area, WideToAnsi(text), alignment, imageWidth, [&](const std::string& t) { return canvas.TextWidth(t); });
  if (imageWidth >= 0)
    ImageList_Draw(images, item.iImage, canvas.Handle(), layout.ImageX,
                   area.Top + area.Height() / 2 - imageHeight / 2, ILD_TRANSPARENT);
  int y = area.Top + area.Height() / 2 - canvas.TextHeight(layout.Text) / 2;
  canvas.SetTransparentText(true);
  canvas.TextRect(area, layout.TextX, y, layout.Text);
}

void TsfSkinCustomListView::PaintHeaderRest(TCanvas& canvas, const TRect& rect) {
  TBitmap image;
  if (HeaderImage(image, false, rect.Width(), rect.Height(), true)) {
    canvas.Draw(0, 0, image);
    return;
  }
  canvas.Brush().SetColor(clBtnFace);
  canvas.FillRect(rect);
  canvas.Brush().SetColor(clBtnShadow);
  canvas.FrameRect(rect);
}
