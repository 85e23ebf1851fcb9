#include <windows.h>

#include "sfSkinListBox.h"

#include <algorithm>
#include <utility>

#include "sfPlainDraw.h"
#include "sfSkinImage.h"
#include "sfSkinScrollBar.h"
#include "skin/data/sfSkinData.h"
#include "ui/Bitmap.h"

namespace {

TRect Or(const TRect& r, const TRect& fallback) { return r.IsEmpty() ? fallback : r; }

// The item height a skinned list with UseSkinItemHeight takes from its item image.
int SkinItemHeight(bool skinned, bool useSkin, const TsfListBoxSkin& s, int fallback) {
  return skinned && useSkin && !s.ItemRect.IsEmpty() ? s.ItemRect.Height() : fallback;
}

void CopyListBoxSkin(const TsfDataSkinListBox& d, TsfListBoxSkin& s) {
  s.ItemRect = d.itemrect;
  s.ActiveItemRect = Or(d.activeitemrect, d.itemrect);
  s.FocusItemRect = Or(d.focusitemrect, d.itemrect);
  s.ItemLeftOffset = d.itemleftoffset;
  s.ItemRightOffset = d.itemrightoffset;
  s.ItemTextRect = d.itemtextrect;
  s.Font = d.Font();
  s.ActiveFontColor = d.activefontcolor;
  s.FocusFontColor = d.focusfontcolor;
  s.CaptionRect = d.captionrect;
  s.CaptionFont = d.CaptionFont();
  s.VScrollBarName = d.vscrollbarname;
  s.HScrollBarName = d.hscrollbarname;
  s.BothHScrollBarName = d.bothhscrollbarname;
  s.ShowFocus = d.showfocus;
}

}  // namespace

TsfSkinCustomListBox::TsfSkinCustomListBox(TComponent* AOwner)
    : TsfSkinCustomControl(AOwner), FDefaultCaptionFont(std::make_unique<TFont>()) {
  SetSkinDataName("listbox");
  SetDefaultSkinFont(Font());
  Font().SetColor(clWindowText);
  SetParentFont(false);
  SetDefaultSkinFont(*FDefaultCaptionFont);
  FDefaultCaptionFont->OnChange = [this](TObject*) { Invalidate(); };
  FTabWidths.OnChange = [this](TObject*) { FListBox->Invalidate(); };
  SetSplitBorderPaint(true);
  SetFillClientArea(false);
  FListBox = new TsfListBox(this, this);
  FListBox->SetItemHeight(FDefaultItemHeight);
  FListBox->SetParent(this);
  SetBounds(Left(), Top(), 120, 120);
}

TsfSkinCustomListBox::~TsfSkinCustomListBox() {
  // From here on the inner list and the bars no longer report to us.
  SetDestroying();
  FDefaultCaptionFont->OnChange = nullptr;
  FTabWidths.OnChange = nullptr;
}

// ---- items ----------------------------------------------------------------------------

void TsfSkinCustomListBox::SetItems(const TStrings& value) {
  if (&value == &Items()) return;
  Items().BeginUpdate();
  Items().Clear();
  for (int i = 0; i < value.Count(); ++i) Items().AddObject(value[i], value.Objects(i));
  Items().EndUpdate();
}

void TsfSkinCustomListBox::Clear() { Items().Clear(); }

void TsfSkinCustomListBox::SetItemIndex(int value) {
  FListBox->SetItemIndex(value);
  SyncScrollBars();
}

void TsfSkinCustomListBox::SetTopIndex(int value) {
  FListBox->SetTopIndex(value);
  SyncScrollBars();
}

void TsfSkinCustomListBox::ItemsChanged(int first) {
  if (AppendedBelowView(first)) return;
  SyncScrollBars();
  // Items appended below the last row in view change nothing there but the bar.
  if (first <= FListBox->TopIndex() + FListBox->VisibleRows()) FListBox->Invalidate();
}

// An item appended to a list that already overflows only lengthens the bar's
// range: the top index and the rows in view stay as they are. Refills of
// thousands of items come this way, so it asks the platform list nothing.
bool TsfSkinCustomListBox::AppendedBelowView(int first) {
  int count = Items().Count();
  if (!FVScrollBar || FHorizontalExtent || FRowCount > 0 || FSyncing || first != count - 1) return false;
  if (FVScrollBar->Max() != first - 1) return false;
  int top = FVScrollBar->Position(), visible = FVScrollBar->PageSize();
  FVScrollBar->SetRange(0, first, visible, top);
  if (first <= top + visible) FListBox->Invalidate();
  return true;
}

// ---- properties -------------------------------------------------------------------------

void TsfSkinCustomListBox::SetUseSkinItemHeight(bool value) {
  if (value == FUseSkinItemHeight) return;
  FUseSkinItemHeight = value;
  FListBox->SetItemHeight(SkinItemHeight(Skinned(), value, FListSkin, FDefaultItemHeight));
  SyncScrollBars();
}

void TsfSkinCustomListBox::SetDefaultItemHeight(int value) {
  if (value < 1 || value == FDefaultItemHeight) return;
  FDefaultItemHeight = value;
  FListBox->SetItemHeight(SkinItemHeight(Skinned(), FUseSkinItemHeight, FListSkin, value));
  if (FRowCount != 0) SetHeight(FittedHeight(FRowCount));
  SyncScrollBars();
}

int TsfSkinCustomListBox::FittedHeight(int rows) {
  int bar = FHScrollBar ? FHScrollBar->Height() : 0;
  int items = rows * ItemHeight();
  if (!Skinned()) return items + 4 + (FCaptionMode ? FDefaultCaptionHeight : 0) + bar;
  const TsfSkinGeometry& g = SkinGeometry();
  return g.SkinHeight() + items + g.ClRect.Top - g.ClRect.Bottom + bar;
}

void TsfSkinCustomListBox::SetRowCount(int value) {
  if (value < 0 || value == FRowCount) return;
  FRowCount = value;
  if (value != 0) SetHeight(FittedHeight(value));
  SyncScrollBars();
}

void TsfSkinCustomListBox::SetHorizontalExtent(bool value) {
  if (value == FHorizontalExtent) return;
  FHorizontalExtent = value;
  SyncScrollBars();
}

void TsfSkinCustomListBox::SetSorted(bool value) {
  if (value == Sorted()) return;
  RemoveVScrollBar();
  FListBox->SetSorted(value);
  SyncScrollBars();
}

void TsfSkinCustomListBox::SetCaptionMode(bool value) {
  if (value == FCaptionMode) return;
  FCaptionMode = value;
  LayoutChildren();
  SyncScrollBars();
  Invalidate();
}

void TsfSkinCustomListBox::SetDefaultCaptionHeight(int value) {
  if (value < 0 || value == FDefaultCaptionHeight) return;
  FDefaultCaptionHeight = value;
  LayoutChildren();
  SyncScrollBars();
  Invalidate();
}

void TsfSkinCustomListBox::SetAlignment(TAlignment value) {
  if (value == FAlignment) return;
  FAlignment = value;
  Invalidate();
}

// ---- skin ---------------------------------------------------------------------------------

void TsfSkinCustomListBox::FetchSkin() {
  TsfSkinCustomControl::FetchSkin();
  if (auto* def = dynamic_cast<TsfDataSkinListBox*>(Definition())) CopyListBoxSkin(*def, FListSkin);
}

void TsfSkinCustomListBox::ApplySkin() {
  TsfSkinCustomControl::ApplySkin();
  FApplying = true;
  if (!Skinned()) {
    FListBox->SetItemHeight(FDefaultItemHeight);
    Font().Assign(DefaultFont());
  } else if (FUseSkinItemHeight && !FListSkin.ItemRect.IsEmpty()) {
    FListBox->SetItemHeight(FListSkin.ItemRect.Height());
  }
  if (FVScrollBar) {
    FVScrollBar->SetSkinDataName(Skinned() ? FListSkin.VScrollBarName : "");
    FVScrollBar->SetSkinData(SkinData());
  }
  if (FHScrollBar) {
    ConfigureHScrollBar();
    FHScrollBar->SetSkinData(SkinData());
  }
  if (FRowCount != 0) SetHeight(FittedHeight(FRowCount));
  LayoutChildren();
  FApplying = false;
  SyncScrollBars();
  FListBox->Invalidate();
}

// ---- layout and scroll bars ------------------------------------------------------------------

void TsfSkinCustomListBox::Resize() {
  TsfSkinCustomControl::Resize();
  if (!FListBox || IsDestroying()) return;
  LayoutChildren();
  SyncScrollBars();
}

TRect TsfSkinCustomListBox::ContentRect() {
  int w = Width(), h = Height();
  CalcSkinSize(w, h);
  return SkinGeometry().NewClRect;
}

void TsfSkinCustomListBox::LayoutChildren() {
  if (!FListBox || IsDestroying()) return;
  bool skinned = Skinned();
  TRect r = skinned ? ContentRect() : TRect(2, CaptionHeight() + 1, Width() - 2, Height() - 2);
  int c = CaptionHeight(), h = 0;
  if (FHScrollBar) {
    if (skinned) {
      h = FHScrollBar->Height();
      FHScrollBar->SetBounds(r.Left, r.Bottom - h, r.Width(), h);
    } else {
      FHScrollBar->SetBounds(1, Height() - 20, Width() - 2, 19);
      h = 18;
    }
  }
  TRect list{r.Left, r.Top, r.Right, r.Bottom - h};
  if (FVScrollBar) {
    if (skinned) {
      int w = FVScrollBar->Width();
      FVScrollBar->SetBounds(r.Right - w, r.Top, w, r.Height() - h);
      list.Right -= w;
    } else {
      FVScrollBar->SetBounds(Width() - 20, c, 19, Height() - c - h - 1);
      list.Right = FVScrollBar->Left();
    }
  }
  FListBox->SetBounds(list.Left, list.Top, std::max(list.Width(), 0), std::max(list.Height(), 0));
}

void TsfSkinCustomListBox::SyncScrollBars() {
  if (!FListBox || IsDestroying() || FSyncing || Items().UpdateCount() > 0) return;
  FSyncing = true;
  try {
    SyncHorizontalBar();
    SyncVerticalBar();
  } catch (...) {
    FSyncing = false;
    throw;
  }
  FSyncing = false;
}

void TsfSkinCustomListBox::SyncHorizontalBar() {
  if (!FHorizontalExtent || FApplying) {
    RemoveHScrollBar();
    return;
  }
  TBitmap probe(1, 1);
  TCanvas& canvas = probe.Canvas();
  canvas.Font().Assign(FListBox->Font());
  if (Skinned() && UseSkinFont()) AssignSkinFont(canvas.Font(), FListSkin.Font);
  int widest = 0;
  for (int i = 0, n = Items().Count(); i < n; ++i)
    widest = std::max(widest, GetItemTextWidth(i, canvas));
  int room = Skinned() ? FListBox->Width() + FListSkin.ItemTextRect.Width() - FListSkin.ItemRect.Width()
                       : FListBox->Width() - 4;
  if (room >= widest) {
    RemoveHScrollBar();
    return;
  }
  if (!FHScrollBar) CreateHScrollBar();
  FHScrollBar->SetRange(0, widest, room, FHScrollBar->Position());
  int step = canvas.TextWidth("0");
  FHScrollBar->SetSmallChange(step);
  FHScrollBar->SetLargeChange(step);
}

void TsfSkinCustomListBox::SyncVerticalBar() {
  int count = Items().Count();
  if (!(FRowCount > 0 && FRowCount == count)) {
    // The platform list's range: 0 .. count - 1 with the top index as position.
    int min = 0, max = count - 1, position = FListBox->TopIndex();
    int visible = FListBox->ClientHeight() / ItemHeight();
    if (min < max && max >= position && visible < count) {
      if (!FVScrollBar) CreateVScrollBar();
      FVScrollBar->SetRange(min, max, visible, position);
      FVScrollBar->SetLargeChange(visible);
      return;
    }
  }
  RemoveVScrollBar();
}

void TsfSkinCustomListBox::CreateVScrollBar() {
  auto* bar = new TsfSkinScrollBar(this);
  bar->SetKind(sbVertical);
  bar->SetBounds(0, 0, 20, 100);
  bar->SetRange(0, bar->Max(), 0, 0);
  bar->SetSkinDataName(Skinned() ? FListSkin.VScrollBarName : "");
  bar->OnChange = [this, bar](TObject*) { FListBox->SetTopIndex(bar->Position()); };
  FVScrollBar = bar;
  bar->SetParent(this);
  bar->SetSkinData(SkinData());
  if (FHScrollBar) ConfigureHScrollBar();
  LayoutChildren();
}

void TsfSkinCustomListBox::CreateHScrollBar() {
  auto* bar = new TsfSkinScrollBar(this);
  bar->SetKind(sbHorizontal);
  bar->SetBounds(0, 0, 20, 100);
  bar->SetRange(0, bar->Max(), 0, 0);
  bar->OnChange = [this, bar](TObject*) { FListBox->SetHorizontalOffset(bar->Position()); };
  FHScrollBar = bar;
  ConfigureHScrollBar();
  bar->SetParent(this);
  bar->SetSkinData(SkinData());
  LayoutChildren();
}

// The horizontal bar takes its corner form while a vertical bar is there.
void TsfSkinCustomListBox::ConfigureHScrollBar() {
  bool skinned = Skinned();
  FHScrollBar->SetBoth(false);
  FHScrollBar->SetSkinDataName(skinned ? FListSkin.HScrollBarName : "");
  FHScrollBar->SetBothSkinDataName(skinned ? FListSkin.BothHScrollBarName : "");
  FHScrollBar->SetBothMarkerWidth(19);
  FHScrollBar->SetBoth(FVScrollBar != nullptr);
}

void TsfSkinCustomListBox::RemoveVScrollBar() {
  if (!FVScrollBar) return;
  delete std::exchange(FVScrollBar, nullptr);
  if (FHScrollBar) ConfigureHScrollBar();
  LayoutChildren();
}

void TsfSkinCustomListBox::RemoveHScrollBar() {
  if (!FHScrollBar) return;
  delete std::exchange(FHScrollBar, nullptr);
  FListBox->SetHorizontalOffset(0);
  LayoutChildren();
}

void TsfSkinCustomListBox::ListWheel(int delta) {
  if (FVScrollBar) {
    FListBox->SetTopIndex(FListBox->TopIndex() + (delta <= 0 ? 1 : -1));
    SyncScrollBars();
  } else if (FHScrollBar) {
    int step = FHScrollBar->SmallChange();
    FHScrollBar->SetPosition(FHScrollBar->Position() + (delta <= 0 ? step : -step));
  }
}

bool TsfSkinCustomListBox::StepHorizontalBar(bool forward) {
  if (!FHScrollBar) return false;
  int step = FHScrollBar->SmallChange();
  FHScrollBar->SetPosition(FHScrollBar->Position() + (forward ? step : -step));
  return true;
}

// ---- painting ------------------------------------------------------------------------------------

void TsfSkinCustomListBox::DrawDefaultImage(TBitmap& B) {
  TCanvas& c = B.Canvas();
  FrameAndFill(c, {0, 0, B.Width(), B.Height()}, clBtnShadow, clWindow);
  if (FCaptionMode) DrawPlainCaption(c);
}

void TsfSkinCustomListBox::DrawPlainCaption(TCanvas& c) {
  int w = Width(), strip = FDefaultCaptionHeight;
  c.Brush().SetColor(clBtnFace);
  c.FillRect({1, 1, w - 1, strip + 1});
  int a = std::min(strip - 3, 17);
  int top = 1 + (strip - a) / 2, right = w - 2;
  TRect buttons[3];
  for (TRect& b : buttons) {
    b = {right - a, top, right, top + a};
    right -= a;
  }
  for (const TRect& b : buttons) FrameAndFill(c, b, clBtnShadow, clBtnFace);
  TRect inner0{buttons[0].Left + 1, buttons[0].Top + 1, buttons[0].Right - 1, buttons[0].Bottom - 1};
  TRect inner1{buttons[1].Left + 1, buttons[1].Top + 1, buttons[1].Right - 1, buttons[1].Bottom - 1};
  DrawArrow(c, inner0, clBlack, adUp);
  DrawArrow(c, inner1, clBlack, adDown);
  DrawSmallGlyph(c, sgCheckMark, buttons[2].Left + (a - 8) / 2, buttons[2].Top + (a - 8) / 2,
                 clBlack);
  c.Font().Assign(*FDefaultCaptionFont);
  TRect text{4, 1, buttons[2].Left - 2, strip + 1};
  unsigned align = FAlignment == taCenter ? DT_CENTER : FAlignment == taRightJustify ? DT_RIGHT : DT_LEFT;
  c.Brush().SetStyle(bsClear);
  c.DrawText(Caption(), text, align | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
  c.Brush().SetStyle(bsSolid);
}

TOwnerDrawState TsfSkinCustomListBox::ItemState(int index) const {
  TOwnerDrawState state = 0;
  if (index == ItemIndex()) {
    state |= odSelected;
    if (FListBox->Focused()) state |= odFocused;
  } else if (MultiSelect() && Selected(index)) {
    state |= odSelected;
  }
  return state;
}

void TsfSkinCustomListBox::PaintListItems(HDC dc) {
  TRect client = FListBox->ClientRect();
  int count = Items().Count(), top = FListBox->TopIndex(), ih = ItemHeight();
  int last = std::min(count - 1, top + client.Height() / ih);
  int bottom = 0;
  for (int i = top; i <= last; ++i) {
    TRect r = FListBox->ItemRect(i);
    DrawListItem(dc, i, r);
    bottom = r.Bottom;
  }
  if (bottom >= client.Bottom) return;
  TCanvas canvas(dc);
  FillListBackground(canvas, {0, bottom, client.Right, client.Bottom});
}

void TsfSkinCustomListBox::FillListBackground(TCanvas& canvas, const TRect& r) {
  TBitmap* picture = SkinPicture();
  if (!Skinned() || !picture) {
    canvas.Brush().SetColor(clWindow);
    canvas.FillRect(r);
    return;
  }
  // The client piece of the frame's picture, tiled from the list's top-left corner.
  const TsfSkinGeometry& g = SkinGeometry();
  TRect piece = g.ClRect.Offset(g.SkinRect.Left, g.SkinRect.Top);
  int saved = canvas.SaveState();
  canvas.IntersectClip(r);
  FillWithPiece(canvas, {0, 0, FListBox->Width(), FListBox->Height()}, *picture, piece, false, stFull);
  canvas.RestoreState(saved);
}

void TsfSkinCustomListBox::DrawListItem(HDC dc, int index, const TRect& r) {
  if (index < 0 || index >= Items().Count() || r.IsEmpty()) return;
  TOwnerDrawState state = ItemState(index);
  TBitmap image(r.Width(), r.Height());
  if (Skinned() && !FListSkin.ItemRect.IsEmpty())
    DrawSkinItem(image, index, state);
  else
    DrawPlainItem(image, index, state);
  TCanvas target(dc);
  target.Draw(r.Left, r.Top, image);
}

void TsfSkinCustomListBox::DrawPlainItem(TBitmap& B, int index, TOwnerDrawState state) {
  TCanvas& c = B.Canvas();
  TRect all{0, 0, B.Width(), B.Height()};
  bool selected = (state & odSelected) != 0;
  c.Font().Assign(Font());
  c.Font().SetCharset(DefaultFont().Charset());
  c.Font().SetColor(selected ? clHighlightText : Font().Color());
  c.Brush().SetColor(selected ? clHighlight : clWindow);
  c.FillRect(all);
  TRect text{2, 0, B.Width() - 2, B.Height()};
  if (OnDrawItem)
    OnDrawItem(this, c, index, B.Width(), B.Height(), text, state);
  else
    DrawItemContent(c, index, text);
  if (state & odFocused) DrawFocusRectangle(c, all);
}

void TsfSkinCustomListBox::DrawSkinItem(TBitmap& B, int index, TOwnerDrawState state) {
  TCanvas& c = B.Canvas();
  TRect all{0, 0, B.Width(), B.Height()};
  const TsfListBoxSkin& s = FListSkin;
  bool selected = (state & odSelected) != 0, focused = (state & odFocused) != 0;
  c.Brush().SetColor(clWindow);
  c.FillRect(all);
  // The item's image (itemrect, activeitemrect or focusitemrect in three parts at
  // the item's width) comes from the skin drawing routines.
  TRect text = s.ItemTextRect;
  text.Right += B.Width() - s.ItemRect.Width();
  if (!FUseSkinItemHeight) text.Bottom += B.Height() - s.ItemRect.Height();
  if (UseSkinFont())
    AssignSkinFont(c.Font(), s.Font);
  else
    c.Font().Assign(DefaultFont());
  c.Font().SetColor(selected && focused ? s.FocusFontColor : selected ? s.ActiveFontColor : s.Font.Color);
  if (OnDrawItem) {
    OnDrawItem(this, c, index, B.Width(), B.Height(), text, state);
    return;
  }
  if (focused && s.ShowFocus) DrawFocusRectangle(c, all);
  DrawItemContent(c, index, text);
}

void TsfSkinCustomListBox::DrawItemContent(TCanvas& c, int index, const TRect& text) {
  std::string line = Items()[index];
  std::vector<int> tabs = TabStopsFrom(FTabWidths);
  if (!tabs.empty())
    DrawTabbedItemText(c, text, text.Left + 2, line, tabs);
  else
    DrawItemText(c, text, text.Left - FListBox->HorizontalOffset() + 2, line);
}

int TsfSkinCustomListBox::GetItemTextWidth(int index, TCanvas& canvas) {
  return canvas.TextWidth(Items()[index]);
}

// ---- the inner list's events ------------------------------------------------------------------

void TsfSkinCustomListBox::ListMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnListBoxMouseDown) OnListBoxMouseDown(this, Button, Shift, X, Y);
}

void TsfSkinCustomListBox::ListMouseMove(TShiftState Shift, int X, int Y) {
  if (OnListBoxMouseMove) OnListBoxMouseMove(this, Shift, X, Y);
}

void TsfSkinCustomListBox::ListMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnListBoxMouseUp) OnListBoxMouseUp(this, Button, Shift, X, Y);
}

void TsfSkinCustomListBox::ListClick() {
  if (OnListBoxClick) OnListBoxClick(this);
}

void TsfSkinCustomListBox::ListDblClick() {
  if (OnListBoxDblClick) OnListBoxDblClick(this);
}

void TsfSkinCustomListBox::ListKeyDown(std::uint16_t& Key, TShiftState Shift) {
  if (OnListBoxKeyDown) OnListBoxKeyDown(this, Key, Shift);
}

void TsfSkinCustomListBox::ListKeyUp(std::uint16_t& Key, TShiftState Shift) {
  if (OnListBoxKeyUp) OnListBoxKeyUp(this, Key, Shift);
}

void TsfSkinCustomListBox::ListKeyPress(char& Key) {
  if (OnListBoxKeyPress) OnListBoxKeyPress(this, Key);
}
