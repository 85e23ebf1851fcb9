#include "sfSkinPopupWindow.h"

#include <windows.h>

#include <algorithm>

#include "sfSkinMenu.h"
#include "skin/controls/sfSkinPanel.h"  // AssignSkinFont
#include "skin/data/sfDataSkinObject.h"
#include "skin/data/sfResourceStrData.h"
#include "skin/data/sfSkinData.h"
#include "skin/data/sfUtilsGlyphs.h"
#include "skin/data/sfUtilsHelpers.h"
#include "skin/data/sfUtilsNinePart.h"
#include "skin/data/sfUtilsRegion.h"
#include "ui/GdiObject.h"
#include "ui/ImageList.h"
#include "ui/Menus.h"
#include "ui/OpenPopups.h"
#include "ui/ShortCut.h"

namespace {

constexpr UINT_PTR kMouseTimer = 1;
constexpr UINT_PTR kScrollTimer = 2;
constexpr UINT_PTR kWaitTimer = 3;

TPoint LParamPoint(std::intptr_t l) { return {static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))}; }

}  // namespace

TsfSkinPopupWindow::TsfSkinPopupWindow(TsfSkinMenu* menu, TMenuItem* source, int firstIndex)
    : TCustomControl(nullptr), FMenu(menu), FSource(source), FFirstIndex(firstIndex) {
  SetVisible(false);
}

TsfSkinPopupWindow::~TsfSkinPopupWindow() { HideWindow(); }

void TsfSkinPopupWindow::CreateParams(TCreateParams& p) {
  TCustomControl::CreateParams(p);
  p.Style = WS_POPUP;
  p.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  p.ClassStyle = CS_SAVEBITS | (IsXPOrLater(GetOSVersion()) ? CS_DROPSHADOW : 0);
  TWinControl* form = FMenu->Form();
  p.WndParent = form && form->HandleAllocated() ? form->HandleValue() : nullptr;
}

void TsfSkinPopupWindow::CreateWnd() {
  TCustomControl::CreateWnd();
  SetRegion();
}

// ---- filling ------------------------------------------------------------------------

void TsfSkinPopupWindow::FindDefinitions() {
  TsfSkinData* data = FMenu->SkinData();
  FWindowPicture = FMaskPicture = nullptr;
  FItemDef = nullptr;
  FItemPicture = nullptr;
  if (!data || data->SkinEmpty()) return;
  const TsfDataSkinPopupWindow& pw = data->PopupWindow;
  if (pw.windowpictureindex != -1) {
    FWindowPicture = data->ActivePictures(pw.windowpictureindex);
    FMaskPicture = data->ActivePictures(pw.maskpictureindex);
    if (FWindowPicture && FWindowPicture->Width() == 0) FWindowPicture = nullptr;
  }
  for (const auto& def : data->ObjectDefs)
    if (auto* item = dynamic_cast<const TsfDataSkinMenuItem*>(def.get())) {
      FItemDef = item;
      FItemPicture = data->ActivePictures(item->activepictureindex);
      break;
    }
  if (FWindowPicture) {
    FGeometry = {pw.lefttoppoint, pw.righttoppoint, pw.leftbottompoint, pw.rightbottompoint, pw.itemsrect};
  }
}

void TsfSkinPopupWindow::MakeItems() {
  FItems.clear();
  TMenu* menu = FSource->Menu();
  if (!menu || menu->AutoLineReduction()) FSource->RethinkLines();
  for (int i = FFirstIndex; i < FSource->Count(); ++i) {
    TMenuItem* child = FSource->Items(i);
    if (!child->Shown()) continue;
    FItems.push_back(std::make_unique<TsfSkinMenuItem>(child, FItemDef, FItemPicture));
  }
}

int TsfSkinPopupWindow::ItemHeight(const TsfSkinMenuItem& item) const {
  if (FItemDef) return item.IsDivider() ? FItemDef->dividerrect.Height() : FItemDef->skinrect.Height();
  return item.IsDivider() ? 4 : FMenu->DefaultItemHeight();
}

int TsfSkinPopupWindow::ItemTextWidth(TsfSkinMenuItem& item) {
  if (item.IsDivider()) return 0;
  TMenuItem* mi = item.MenuItem();
  std::string text = mi->Caption();
  if (!mi->ShortCutText().empty()) text += "  " + mi->ShortCutText();
  TBitmap probe(1, 1);
  probe.Canvas().Font().Assign(FItemFont);
  if (mi->Default()) probe.Canvas().Font().SetStyle(FItemFont.Style() << fsBold);
  TRect r{0, 0, 0, 0};
  probe.Canvas().DrawText(text, r, DT_CALCRECT | DT_SINGLELINE);
  return r.Width() + 2;
}

void TsfSkinPopupWindow::ComputeSize(int& width, int& height) {
  int widest = 0, sum = 0;
  for (auto& item : FItems) {
    widest = std::max(widest, ItemTextWidth(*item));
    sum += ItemHeight(*item);
  }
  width = widest + FGlyphColumn + 19;
  int frameHeight = 4;
  if (FWindowPicture) {
    const TRect& items = FGeometry.Cl;
    width += FWindowPicture->Width() - items.Width();
    if (FItemDef) width += FItemDef->skinrect.Width() - FItemDef->textrect.Width();
    frameHeight = FWindowPicture->Height() - items.Height();
  } else {
    width += 10;
  }
  height = sum + frameHeight;
  FNeedsScroll = FScrollLimited = false;
  int limit = FMenu->MaxMenuItemsInWindow();
  if (limit != 0 && ItemCount() > limit) {
    int itemHeight = FItemDef ? FItemDef->skinrect.Height() : FMenu->DefaultItemHeight();
    height = limit * itemHeight + frameHeight + 20;
    FNeedsScroll = FScrollLimited = true;
  }
  TRect wa = FMenu->WorkArea();
  if (height > wa.Height()) {
    height = wa.Height();
    FNeedsScroll = true;
  }
}

void TsfSkinPopupWindow::Fill() {
  FindDefinitions();
  TsfSkinData* data = FMenu->SkinData();
  if (FWindowPicture && FItemDef && FMenu->UseSkinFont())
    AssignSkinFont(FItemFont, FItemDef->fontname, FItemDef->fontheight, FItemDef->fontstyle, FItemDef->fontcolor);
  else
    FItemFont.Assign(FMenu->DefaultItemFont());
  if (data && data->ResourceStrData()) FItemFont.SetCharset(static_cast<TFontCharset>(data->ResourceStrData()->CharSet));
  TMenu* menu = FSource->Menu();
  TCustomImageList* images = menu ? menu->Images() : nullptr;
  FGlyphColumn = images ? images->Width() + 5 : 19;
  MakeItems();
  int w = 0, h = 0;
  ComputeSize(w, h);
  SetBounds(Left(), Top(), w, h);
  if (FWindowPicture)
    FItemsRect = ResizedGeometry(FGeometry, FWindowPicture->Width(), FWindowPicture->Height(), w, h).Cl;
  else
    FItemsRect = {2, 2, w - 2, h - 2};
  FVisibleStart = 0;
  Layout();
  MakeBackground();
}

void TsfSkinPopupWindow::Layout() {
  std::vector<int> heights;
  for (auto& item : FItems) heights.push_back(ItemHeight(*item));
  std::vector<TRect> rects;
  std::vector<bool> visible;
  LayoutMenuItems(heights, FItemsRect, FVisibleStart, FNeedsScroll, rects, visible);
  for (size_t i = 0; i < FItems.size(); ++i) {
    TsfSkinMenuItem& item = *FItems[i];
    item.Rect = rects[i];
    item.Visible = visible[i];
    if (!item.Visible) item.MorphFactor = 0;
  }
}

void TsfSkinPopupWindow::SetRegion() {
  if (!FMaskPicture || !FWindowPicture || !HandleAllocated()) return;
  int pw = FWindowPicture->Width(), ph = FWindowPicture->Height();
  TsfNinePartGeometry ng = ResizedGeometry(FGeometry, pw, ph, Width(), Height());
  TRegionHandle rgn = CreateRgnFromResizedMask(*FMaskPicture, FGeometry, ng, Width(), Height());
  // The window owns the region once it takes it; a region it refuses stays ours.
  if (rgn) SetWindowRegion(HandleValue(), std::move(rgn), true);
}

// ---- showing ------------------------------------------------------------------------

TPoint TsfSkinPopupWindow::Place(const TRect& anchor, TsfMenuPlacement kind, bool topLevel) const {
  TsfMenuPlaceInput in;
  in.Anchor = anchor;
  in.WorkArea = FMenu->WorkArea();
  in.Width = Width();
  in.Height = Height();
  in.Kind = kind;
  in.TopLevel = topLevel;
  in.ItemsTop = FItemsRect.Top;
  in.ScrolledByWorkArea = FNeedsScroll && !FScrollLimited;
  return PlaceMenuWindow(in);
}

void TsfSkinPopupWindow::Open(TPoint pos) {
  SetBounds(pos.x, pos.y, Width(), Height());
  HWND wnd = Handle();
  bool fade = FMenu->AlphaBlend() && FMenu->AlphaBlendAnimation() && FMenu->FirstOpening();
  if (FMenu->AlphaBlend()) SetWindowAlpha(wnd, fade ? 0 : FMenu->AlphaBlendValue());
  SetWindowPos(wnd, HWND_TOPMOST, pos.x, pos.y, 0, 0, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
  if (fade) FadeIn();
  SetTimer(wnd, kMouseTimer, 50, nullptr);
  std::vector<bool> selectable;
  for (auto& item : FItems) selectable.push_back(item->Selectable());
  int first = NextSelectableItem(selectable, -1, true);
  if (first >= 0) {
    FActiveItem = first;
    FItems[static_cast<size_t>(first)]->Active = true;
    FItems[static_cast<size_t>(first)]->SelectedAtOpen = true;
  }
  UpdateWindow(wnd);
}

void TsfSkinPopupWindow::FadeIn() {
  HWND wnd = HandleValue();
  UpdateWindow(wnd);
  int alpha = 0, target = FMenu->AlphaBlendValue();
  DWORD last = GetTickCount();
  while (alpha < target) {
    if (GetTickCount() - last > 5) {
      alpha = std::min(alpha + 10, target);
      SetWindowAlpha(wnd, alpha);
      last = GetTickCount();
    }
    Sleep(1);
  }
}

void TsfSkinPopupWindow::HideWindow() {
  if (!HandleAllocated()) return;
  HWND wnd = HandleValue();
  KillTimer(wnd, kMouseTimer);
  KillTimer(wnd, kScrollTimer);
  KillTimer(wnd, kWaitTimer);
  SetWindowPos(wnd, nullptr, 0, 0, 0, 0,
               SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
}

// ---- painting -----------------------------------------------------------------------

void TsfSkinPopupWindow::MakeBackground() {
  int w = Width(), h = Height();
  FBackground.SetSize(w, h);
  TCanvas& c = FBackground.Canvas();
  c.Brush().SetColor(clWindow);
  c.FillRect({0, 0, w, h});
  if (FWindowPicture) {
    const TsfDataSkinPopupWindow& pw = FMenu->SkinData()->PopupWindow;
    TsfNinePartOptions o{pw.leftstretch, pw.topstretch, pw.rightstretch, pw.bottomstretch, pw.stretcheffect, pw.stretchtype};
    int pW = FWindowPicture->Width(), pH = FWindowPicture->Height();
    TsfNinePartGeometry ng = ResizedGeometry(FGeometry, pW, pH, w, h);
    CreateNinePartImageStretchOnly(FBackground, *FWindowPicture, {0, 0, pW, pH}, FGeometry, ng, w, h, o, true);
  } else {
    c.Brush().SetColor(clBtnFace);
    c.FillRect({0, 0, FSource->Menu() && FSource->Menu()->Images() ? FGlyphColumn + 2 : 21, h});
    c.Brush().SetColor(clBtnShadow);
    c.FrameRect({0, 0, w, h});
    c.Brush().SetColor(clWindow);
    c.FrameRect({1, 1, w - 1, h - 1});
  }
  FKeepBackground = FItemDef && FItemDef->inactivetransparent;
}

void TsfSkinPopupWindow::PaintTo(TBitmap& image) {
  image.SetSize(Width(), Height());
  image.Canvas().Draw(0, 0, FBackground);
  TMenu* menu = FSource->Menu();
  TsfMenuItemPaint paint{&FItemFont, menu ? menu->Images() : nullptr, FGlyphColumn,
                         FKeepBackground ? &FBackground : nullptr};
  TBitmap itemImage;
  for (auto& item : FItems) {
    if (!item->Visible) continue;
    DrawMenuItem(itemImage, *item, paint);
    image.Canvas().Draw(item->Rect.Left, item->Rect.Top, itemImage);
  }
  if (FNeedsScroll) DrawMarkers(image.Canvas());
}

TRect TsfSkinPopupWindow::TopMarker() const {
  return FWindowPicture ? TopScrollMarker(FItemsRect) : PlainTopScrollMarker(Width());
}
TRect TsfSkinPopupWindow::BottomMarker() const {
  return FWindowPicture ? BottomScrollMarker(FItemsRect) : PlainBottomScrollMarker(Width(), Height());
}

void TsfSkinPopupWindow::DrawMarkers(TCanvas& c) {
  TRect top = TopMarker(), bottom = BottomMarker();
  int lastBottom = top.Bottom;
  for (auto& item : FItems)
    if (item->Visible) lastBottom = item->Rect.Bottom;
  TColor normal = clBtnShadow, active = clBtnText;
  if (FWindowPicture) {
    normal = FMenu->SkinData()->PopupWindow.scrollmarkercolor;
    active = FMenu->SkinData()->PopupWindow.scrollmarkeractivecolor;
  }
  auto fill = [&](const TRect& r) {
    if (r.IsEmpty()) return;
    if (FItemDef && FItemPicture) {
      TBitmap piece;
      CreateHThreePartImage(piece, *FItemPicture, FItemDef->skinrect, FItemDef->itemleftoffset,
                            FItemDef->itemrightoffset, r.Width(), FItemDef->inactivestretcheffect);
      c.StretchDraw(r, piece);
    } else {
      c.Brush().SetColor(clWindow);
      c.FillRect(r);
    }
  };
  fill(top);
  fill(bottom);
  fill({top.Left, lastBottom, top.Right, bottom.Top});
  DrawArrow(c, top, FScrollDirection == 1 ? active : normal, adUp);
  DrawArrow(c, bottom, FScrollDirection == 2 ? active : normal, adDown);
}

void TsfSkinPopupWindow::Paint() {
  TBitmap image;
  PaintTo(image);
  Canvas().Draw(0, 0, image);
}

void TsfSkinPopupWindow::RedrawItem(int index) {
  if (index < 0 || index >= ItemCount() || !HandleAllocated()) return;
  const TRect& r = FItems[static_cast<size_t>(index)]->Rect;
  RECT rc{r.Left, r.Top, r.Right, r.Bottom};
  InvalidateRect(HandleValue(), &rc, FALSE);
}

// ---- mouse --------------------------------------------------------------------------

int TsfSkinPopupWindow::ItemAt(TPoint p) const {
  for (size_t i = 0; i < FItems.size(); ++i)
    if (FItems[i]->Visible && FItems[i]->Rect.Contains(p)) return static_cast<int>(i);
  return -1;
}

bool TsfSkinPopupWindow::LastItemVisible() const { return FItems.empty() || FItems.back()->Visible; }

void TsfSkinPopupWindow::MouseAt(TPoint screen) {
  if (screen == FLastCursor || !HandleAllocated()) return;
  FLastCursor = screen;
  POINT sp{screen.x, screen.y};
  if (WindowFromPoint(sp) != HandleValue()) {
    if (FScrollDirection) StopScroll();
    return;
  }
  ::ScreenToClient(HandleValue(), &sp);
  TPoint p{sp.x, sp.y};
  if (FNeedsScroll) {
    if (TopMarker().Contains(p) && FVisibleStart > 0) {
      if (FScrollDirection != 1) StartScroll(1);
    } else if (BottomMarker().Contains(p) && !LastItemVisible()) {
      if (FScrollDirection != 2) StartScroll(2);
    } else if (FScrollDirection) {
      StopScroll();
    }
  }
  int index = ItemAt(p);
  if (index < 0) return;
  if (index == FActiveItem) {
    TsfSkinMenuItem& item = *FItems[static_cast<size_t>(index)];
    if (item.SelectedAtOpen) {
      item.SelectedAtOpen = false;
      if (item.HasChildren()) EnterItem(index, false);
    }
    return;
  }
  Activate(index, false);
}

void TsfSkinPopupWindow::Activate(int index, bool byKeyboard) {
  if (FActiveItem >= 0 && FActiveItem < ItemCount()) LeaveItem(FActiveItem);
  FActiveItem = -1;
  if (index < 0 || index >= ItemCount() || !FItems[static_cast<size_t>(index)]->Selectable()) return;
  FActiveItem = index;
  EnterItem(index, byKeyboard);
}

void TsfSkinPopupWindow::EnterItem(int index, bool byKeyboard) {
  TsfSkinMenuItem& item = *FItems[static_cast<size_t>(index)];
  item.Active = true;
  for (int i = 0; i < ItemCount(); ++i)
    if (i != index && FItems[static_cast<size_t>(i)]->Down) {
      FItems[static_cast<size_t>(i)]->Down = false;
      RedrawItem(i);
    }
  int level = FMenu->LevelOf(this);
  if (item.Down && FMenu->LevelCount() > level + 2) {
    FMenu->CloseLevels(level + 2);
    FMenu->Level(level + 1)->SetUpDownItems();
    return;
  }
  RedrawItem(index);
  if (item.Down) return;
  FMenu->CloseLevels(level + 1);
  if (item.HasChildren() && !byKeyboard) FMenu->StartWait(this, index);
}

void TsfSkinPopupWindow::LeaveItem(int index) {
  TsfSkinMenuItem& item = *FItems[static_cast<size_t>(index)];
  item.Active = false;
  item.SelectedAtOpen = false;
  if (!item.Down) RedrawItem(index);
  FMenu->StopWaitFor(this, index);
}

void TsfSkinPopupWindow::SetUpDownItems() {
  for (int i = 0; i < ItemCount(); ++i)
    if (FItems[static_cast<size_t>(i)]->Down) {
      FItems[static_cast<size_t>(i)]->Down = false;
      RedrawItem(i);
    }
}

void TsfSkinPopupWindow::MouseUpAt(TPoint p) {
  int index = ItemAt(p);
  if (index < 0 || FActiveItem < 0 || FItems[static_cast<size_t>(index)]->IsDivider()) return;
  FMenu->ClickItem(this, index);
}

// ---- scrolling ----------------------------------------------------------------------

void TsfSkinPopupWindow::StartScroll(int direction) {
  FMenu->CloseLevels(FMenu->LevelOf(this) + 1);
  FScrollDirection = direction;
  Invalidate();
  SetTimer(Handle(), kScrollTimer, 100, nullptr);
}

void TsfSkinPopupWindow::StopScroll() {
  FScrollDirection = 0;
  if (HandleAllocated()) KillTimer(HandleValue(), kScrollTimer);
  Invalidate();
}

void TsfSkinPopupWindow::ScrollStep() {
  if (FScrollDirection == 1 && FVisibleStart > 0)
    --FVisibleStart;
  else if (FScrollDirection == 2 && !LastItemVisible())
    ++FVisibleStart;
  else
    return StopScroll();
  Layout();
  Invalidate();
}

void TsfSkinPopupWindow::ScrollIntoView(int index) {
  if (!FNeedsScroll || FItems[static_cast<size_t>(index)]->Visible) return;
  std::vector<int> heights;
  for (auto& item : FItems) heights.push_back(ItemHeight(*item));
  if (index < FVisibleStart) {
    FVisibleStart = index;
  } else {
    int lastPage = LastPageStart(heights, FItemsRect, FNeedsScroll);
    while (FVisibleStart < lastPage && !FItems[static_cast<size_t>(index)]->Visible) {
      ++FVisibleStart;
      Layout();
    }
  }
  Layout();
  Invalidate();
}

// ---- keyboard -----------------------------------------------------------------------

void TsfSkinPopupWindow::MoveActive(bool forward) {
  std::vector<bool> selectable;
  for (auto& item : FItems) selectable.push_back(item->Selectable());
  int next = NextSelectableItem(selectable, FActiveItem, forward);
  if (next < 0) return Activate(-1, true);
  if (next == FActiveItem) return;
  if (FNeedsScroll) {
    // Past the first or the last item the visible range wraps round with the choice.
    if (forward && next < FActiveItem) FVisibleStart = 0;
    if (!forward && next > FActiveItem) {
      std::vector<int> heights;
      for (auto& item : FItems) heights.push_back(ItemHeight(*item));
      FVisibleStart = LastPageStart(heights, FItemsRect, FNeedsScroll);
    }
    Layout();
    ScrollIntoView(next);
  }
  Activate(next, true);
}

bool TsfSkinPopupWindow::KeyDown(unsigned key) {
  int level = FMenu->LevelOf(this);
  switch (key) {
    case VK_RETURN:
      if (FActiveItem >= 0) FMenu->ClickItem(this, FActiveItem);
      return true;
    case VK_DOWN: MoveActive(true); return true;
    case VK_UP: MoveActive(false); return true;
    case VK_RIGHT:
      if (FActiveItem >= 0 && FItems[static_cast<size_t>(FActiveItem)]->HasChildren())
        FMenu->ClickItem(this, FActiveItem);
      return true;
    case VK_LEFT:
      if (level > 0) {
        FMenu->CloseLevels(level);
        FMenu->Level(level - 1)->SetUpDownItems();
      }
      return true;
    case VK_ESCAPE:
      if (level > 0) {
        FMenu->CloseLevels(level);
        FMenu->Level(level - 1)->SetUpDownItems();
      } else {
        FMenu->HideMenu();
      }
      return true;
  }
  if (key > 0xFF) return false;
  for (int i = 0; i < ItemCount(); ++i) {
    TsfSkinMenuItem& item = *FItems[static_cast<size_t>(i)];
    if (!item.IsDivider() && IsAccel(static_cast<char>(key), item.MenuItem()->Caption())) {
      Activate(i, true);
      if (FActiveItem == i) FMenu->ClickItem(this, i);
      return true;
    }
  }
  return false;
}

// ---- messages -----------------------------------------------------------------------

void TsfSkinPopupWindow::WndProc(TMessage& m) {
  OpenPopups().WindowMessage(m.Msg, m.WParam);
  switch (m.Msg) {
    case WM_MOUSEACTIVATE:
      m.Result = MA_NOACTIVATE;
      return;
    case WM_TIMER:
      if (m.WParam == kMouseTimer) {
        TPoint p = FMenu->CursorPos ? FMenu->CursorPos() : TPoint{};
        MouseAt(p);
      } else if (m.WParam == kScrollTimer) {
        ScrollStep();
      } else if (m.WParam == kWaitTimer) {
        FMenu->WaitElapsed(this);
      }
      return;
    case WM_MOUSEMOVE: {
      POINT p{LParamPoint(m.LParam).x, LParamPoint(m.LParam).y};
      ::ClientToScreen(HandleValue(), &p);
      MouseAt({p.x, p.y});
      return;
    }
    case WM_LBUTTONUP:
      MouseUpAt(LParamPoint(m.LParam));
      return;
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_MBUTTONDOWN:
    case WM_MBUTTONUP: case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK:
      return;
  }
  TCustomControl::WndProc(m);
}
