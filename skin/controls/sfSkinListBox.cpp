#include <windows.h>

#include "sfSkinListBox.h"

#include <algorithm>
#include <utility>

#include "sfPlainDraw.h"
#include "sfSkinImage.h"
#include "sfSkinScrollBar.h"
#include "skin/data/sfSkinData.h"
#include "skin/data/sfUtilsNinePart.h"
#include "ui/Bitmap.h"
#include "ui/ImageList.h"
#include "ui/Screen.h"
#include "ui/ScopeGuard.h"

namespace {

constexpr UINT_PTR kCaptionTimer = 1;

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
  CopyListCaptionSkin(d, s.Caption);
  s.CaptionFont = d.CaptionFont();
  s.VScrollBarName = d.vscrollbarname;
  s.HScrollBarName = d.hscrollbarname;
  s.BothHScrollBarName = d.bothhscrollbarname;
  s.ShowFocus = d.showfocus;
}

}  // namespace

TsfSkinCustomListBox::TsfSkinCustomListBox(TComponent* AOwner)
    : TsfSkinCustomControl(AOwner),
      FDefaultCaptionFont(std::make_unique<TFont>()),
      FGlyph(std::make_unique<TBitmap>()) {
  SetSkinDataName("listbox");
  SetDefaultSkinFont(Font());
  Font().SetColor(clWindowText);
  SetParentFont(false);
  SetDefaultSkinFont(*FDefaultCaptionFont);
  FDefaultCaptionFont->OnChange = [this](TObject*) { Invalidate(); };
  FTabWidths.OnChange = [this](TObject*) { FListBox->Invalidate(); };
  SetSplitBorderPaint(true);
  SetFillClientArea(false);
  FCaptionButtons.StartTimer = [this](unsigned ms) {
    if (HandleAllocated()) SetTimer(HandleValue(), kCaptionTimer, ms, nullptr);
  };
  FCaptionButtons.StopTimer = [this] {
    if (HandleAllocated()) KillTimer(HandleValue(), kCaptionTimer);
  };
  FCaptionButtons.Step = [this](int button) { CaptionButtonStep(button); };
  FCaptionButtons.Changed = [this] { Invalidate(); };
  WireDrag();
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
  FCaptionButtons.Changed = nullptr;
  FCaptionButtons.Cancel();
  SetImages(nullptr);
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

void TsfSkinCustomListBox::SetGlyph(const TBitmap& value) {
  FGlyph->Assign(value);
  Invalidate();
}

void TsfSkinCustomListBox::SetNumGlyphs(int value) {
  if (value < 1 || value == FNumGlyphs) return;
  FNumGlyphs = value;
  Invalidate();
}

void TsfSkinCustomListBox::SetSpacing(int value) {
  if (value == FSpacing) return;
  FSpacing = value;
  Invalidate();
}

void TsfSkinCustomListBox::SetColumns(int value) {
  value = std::max(value, 0);
  if (value == Columns()) return;
  FListBox->SetColumns(value);
  SyncScrollBars();
}

void TsfSkinCustomListBox::SetImages(TCustomImageList* value) {
  if (value == FImages) return;
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = value;
  if (FImages) FImages->FreeNotification(this);
  if (IsDestroying()) return;
  SyncScrollBars();
  FListBox->Invalidate();
}

void TsfSkinCustomListBox::SetImageIndex(int value) {
  if (value == FImageIndex) return;
  FImageIndex = value;
  FListBox->Invalidate();
}

void TsfSkinCustomListBox::Notification(TComponent* AComponent, TOperation Operation) {
  TsfSkinCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages) {
    FImages = nullptr;
    if (!IsDestroying()) FListBox->Invalidate();
  }
}

int TsfSkinCustomListBox::ImageRoom() const { return FImages ? FImages->Width() + 4 : 0; }

// ---- skin ---------------------------------------------------------------------------------

void TsfSkinCustomListBox::FetchSkin() {
  TsfSkinCustomControl::FetchSkin();
  if (auto* def = dynamic_cast<TsfDataSkinListBox*>(Definition())) CopyListBoxSkin(*def, FListSkin);
}

void TsfSkinCustomListBox::ApplySkin() {
  TsfSkinCustomControl::ApplySkin();
  FFaces.Clear();
  FApplying = true;
  if (!Skinned()) {
    FListBox->SetItemHeight(FDefaultItemHeight);
    Font().Assign(DefaultFont());
  } else if (FUseSkinItemHeight && !FListSkin.ItemRect.IsEmpty()) {
    FListBox->SetItemHeight(FListSkin.ItemRect.Height());
  }
  if (FVScrollBar) {
    FVScrollBar->SetSkinDataName(!Skinned() ? "" : Columns() > 0 ? FListSkin.HScrollBarName : FListSkin.VScrollBarName);
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
  if (FVScrollBar && Columns() > 0) {
    // With columns the one bar runs along the bottom.
    if (skinned) {
      int bh = FVScrollBar->Height();
      FVScrollBar->SetBounds(r.Left, r.Bottom - bh, r.Width(), bh);
      list.Bottom = r.Bottom - bh;
    } else {
      FVScrollBar->SetBounds(1, Height() - 20, Width() - 2, 19);
      list = {2, c + 1, Width() - 2, FVScrollBar->Top()};
    }
  } else if (FVScrollBar) {
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
  TScopeExit synced([this] { FSyncing = false; });
  SyncHorizontalBar();
  SyncVerticalBar();
}

void TsfSkinCustomListBox::SyncHorizontalBar() {
  if (!FHorizontalExtent || FApplying || Columns() > 0) {
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
  room -= ImageRoom();
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
  // The bar runs along the bottom with columns, at the right without.
  if (FVScrollBar && (FVScrollBar->Kind() == sbVertical) != (Columns() == 0)) RemoveVScrollBar();
  if (Columns() > 0) {
    SyncColumnBar();
    return;
  }
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

// With columns the bar's range counts columns: 0 .. columns needed - 1, the
// first column in view as position and the columns shown as page.
void TsfSkinCustomListBox::SyncColumnBar() {
  int count = Items().Count(), rows = FListBox->WholeRows(), columns = Columns();
  int max = (count + rows - 1) / rows - 1, position = FListBox->TopIndex() / rows;
  if (0 < max && max >= position && max >= columns && rows * columns < count) {
    if (!FVScrollBar) {
      // The bar takes rows from the list.
      CreateVScrollBar();
      rows = FListBox->WholeRows();
      max = (count + rows - 1) / rows - 1;
      position = FListBox->TopIndex() / rows;
    }
    FVScrollBar->SetRange(0, max, columns, position);
    FVScrollBar->SetLargeChange(columns);
    return;
  }
  RemoveVScrollBar();
}

void TsfSkinCustomListBox::CreateVScrollBar() {
  auto* bar = new TsfSkinScrollBar(this);
  bool columns = Columns() > 0;
  bar->SetKind(columns ? sbHorizontal : sbVertical);
  bar->SetBounds(0, 0, 20, 100);
  bar->SetRange(0, bar->Max(), 0, 0);
  bar->SetSkinDataName(!Skinned() ? "" : columns ? FListSkin.HScrollBarName : FListSkin.VScrollBarName);
  bar->OnChange = [this, bar](TObject*) {
    FListBox->SetTopIndex(Columns() > 0 ? bar->Position() * FListBox->WholeRows() : bar->Position());
  };
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

// Each whole notch scrolls one line more than the platform list did; the
// accumulator counts parts of a notch toward the next whole one.
void TsfSkinCustomListBox::ListWheel(int delta) {
  int notches = FWheel.Add(delta);
  if (notches == 0) return;
  if (FVScrollBar) {
    int line = Columns() > 0 ? FListBox->WholeRows() : 1;
    FListBox->SetTopIndex(FListBox->TopIndex() - notches * line);
    SyncScrollBars();
  } else if (FHScrollBar) {
    FHScrollBar->SetPosition(FHScrollBar->Position() - notches * FHScrollBar->SmallChange());
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
  if (!FCaptionMode) return;
  c.Font().Assign(*FDefaultCaptionFont);
  DrawPlainListCaption(c, CaptionLayout(), CaptionLook());
}

void TsfSkinCustomListBox::DrawSkinImage(TBitmap& B) {
  TsfSkinCustomControl::DrawSkinImage(B);
  TBitmap* picture = SkinPicture();
  if (!FCaptionMode || !picture || FListSkin.Caption.CaptionRect.IsEmpty()) return;
  TCanvas& c = B.Canvas();
  if (UseSkinFont())
    AssignSkinFont(c.Font(), FListSkin.CaptionFont);
  else
    c.Font().Assign(*FDefaultCaptionFont);
  DrawSkinListCaption(c, *picture, CaptionLayout(), FListSkin.Caption, CaptionLook());
}

// ---- caption strip ----------------------------------------------------------------------------

TsfListCaptionLayout TsfSkinCustomListBox::CaptionLayout() {
  if (!FCaptionMode) return {};
  if (!Skinned() || !SkinPicture()) return PlainListCaptionLayout(Width(), FDefaultCaptionHeight);
  int w = Width(), h = Height();
  CalcSkinSize(w, h);
  return SkinListCaptionLayout(FListSkin.Caption, [this](const TRect& r) { return MapSkinRect(r); });
}

TsfListCaptionLook TsfSkinCustomListBox::CaptionLook() {
  TsfListCaptionLook look;
  look.Caption = Caption();
  look.Alignment = FAlignment;
  look.Glyph = FGlyph.get();
  look.NumGlyphs = FNumGlyphs;
  look.Spacing = FSpacing;
  look.Enabled = Enabled();
  look.Hot = FCaptionButtons.Hot();
  look.Pressed = FCaptionButtons.Pressed();
  return look;
}

void TsfSkinCustomListBox::MoveItemIndex(int delta) {
  int count = Items().Count();
  if (count == 0) return;
  int index = std::clamp(ItemIndex() + delta, 0, count - 1);
  if (index == ItemIndex()) return;
  SetItemIndex(index);
}

// A held up or down button steps while the mouse stays on it.
void TsfSkinCustomListBox::CaptionButtonStep(int button) {
  if (button == sflcUp) MoveItemIndex(-1);
  if (button == sflcDown) MoveItemIndex(1);
}

void TsfSkinCustomListBox::CaptionButtonAction(int button) {
  const TNotifyEvent& event = button == sflcUp ? OnUpButtonClick : button == sflcDown ? OnDownButtonClick : OnCheckButtonClick;
  if (event) {
    event(this);
    return;
  }
  if (button == sflcCheck)
    FListBox->Click();
  else
    CaptionButtonStep(button);
}

void TsfSkinCustomListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TsfSkinCustomControl::MouseDown(Button, Shift, X, Y);
  if (!FCaptionMode || Button != mbLeft) return;
  int button = ListCaptionButtonAt(CaptionLayout(), {X, Y});
  if (button == sflcNone) return;
  bool evented = button == sflcUp ? bool(OnUpButtonClick) : button == sflcDown ? bool(OnDownButtonClick) : true;
  FCaptionButtons.Press(button, !evented);
}

void TsfSkinCustomListBox::MouseMove(TShiftState Shift, int X, int Y) {
  if (FCaptionMode) FCaptionButtons.Move(ListCaptionButtonAt(CaptionLayout(), {X, Y}));
  TsfSkinCustomControl::MouseMove(Shift, X, Y);
}

void TsfSkinCustomListBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TsfSkinCustomControl::MouseUp(Button, Shift, X, Y);
  if (!FCaptionMode || Button != mbLeft) return;
  int button = ListCaptionButtonAt(CaptionLayout(), {X, Y});
  if (FCaptionButtons.Release(button)) CaptionButtonAction(button);
}

void TsfSkinCustomListBox::MouseLeave() {
  TsfSkinCustomControl::MouseLeave();
  FCaptionButtons.Leave();
}

void TsfSkinCustomListBox::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_TIMER:
      if (m.WParam == kCaptionTimer) {
        FCaptionButtons.Tick();
        return;
      }
      break;
    case WM_CANCELMODE:
      FCaptionButtons.Cancel();
      break;
    case WM_CAPTURECHANGED:
      // The release itself lets the capture go before it is handled.
      if (!FReleasing && reinterpret_cast<HWND>(m.LParam) != HandleValue()) FCaptionButtons.Cancel();
      break;
    case WM_DESTROY:
      FCaptionButtons.Cancel();
      break;
    case WM_LBUTTONUP: {
      FReleasing = true;
      struct TReset {
        bool& Flag;
        ~TReset() { Flag = false; }
      } reset{FReleasing};
      TsfSkinCustomControl::WndProc(m);
      return;
    }
  }
  TsfSkinCustomControl::WndProc(m);
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

void TsfSkinCustomListBox::PaintListItems(HDC dc, const TRect& area) {
  TRect client = FListBox->ClientRect();
  int count = Items().Count(), top = FListBox->TopIndex(), ih = ItemHeight();
  if (Columns() > 0) {
    TCanvas canvas(dc);
    FillListBackground(canvas, client);
    int rows = FListBox->WholeRows();
    // The columns in view and a part of the next one.
    int last = std::min(count - 1, top + rows * (Columns() + 1) - 1);
    for (int i = top; i <= last; ++i) DrawListItem(dc, i, FListBox->ItemRect(i));
    return;
  }
  int last = std::min(count - 1, top + client.Height() / ih);
  // Only the rows under the paint are drawn: a scroll by a few lines leaves those to
  // paint, not the whole list. Rows are ih tall from the top row down, so the range
  // follows from the area alone.
  int first = top + std::max(area.Top, 0) / ih;
  int through = std::min(last, top + (area.Bottom - 1) / ih);
  for (int i = first; i <= through; ++i) DrawListItem(dc, i, FListBox->ItemRect(i));
  int bottom = last >= top ? (last - top + 1) * ih : 0;
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
  if (!FItemImage) FItemImage = std::make_unique<TBitmap>();
  TBitmap& image = *FItemImage;
  if (image.Width() != r.Width() || image.Height() != r.Height()) image.SetSize(r.Width(), r.Height());
  if (Skinned() && !FListSkin.ItemRect.IsEmpty()) {
    // Where the item has no picture the list's background shows.
    if (!SkinPicture() || ItemImage(state).IsEmpty()) {
      TCanvas& c = image.Canvas();
      TPoint saved = c.SetOrigin({-r.Left, -r.Top});
      FillListBackground(c, r);
      c.SetOrigin(saved);
    }
    DrawSkinItem(image, index, state);
  } else {
    DrawPlainItem(image, index, state);
  }
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

// The item picture for a state: with the skin's item height the focused look is
// the normal picture with a focus rectangle; at another height it has its own.
const TRect& TsfSkinCustomListBox::ItemImage(TOwnerDrawState state) const {
  const TsfListBoxSkin& s = FListSkin;
  bool selected = (state & odSelected) != 0, focused = (state & odFocused) != 0;
  if (FUseSkinItemHeight) return selected && focused ? s.FocusItemRect : selected ? s.ActiveItemRect : s.ItemRect;
  return focused ? s.FocusItemRect : selected ? s.ActiveItemRect : s.ItemRect;
}

void TsfSkinCustomListBox::DrawSkinItem(TBitmap& B, int index, TOwnerDrawState state) {
  TCanvas& c = B.Canvas();
  TRect all{0, 0, B.Width(), B.Height()};
  const TsfListBoxSkin& s = FListSkin;
  bool selected = (state & odSelected) != 0, focused = (state & odFocused) != 0;
  const TRect& image = ItemImage(state);
  TBitmap* picture = SkinPicture();
  TRect text = s.ItemTextRect;
  text.Right += B.Width() - s.ItemRect.Width();
  if (picture && !image.IsEmpty()) {
    if (FUseSkinItemHeight) {
      // The normal item tiles its middle; the others stretch it when the skin says so.
      bool stretch = (selected || focused) && SkinGeometry().StretchEffect;
      c.Draw(0, 0, FFaces.Face(*picture, image, s.ItemLeftOffset, s.ItemRightOffset, stretch, B.Width()));
    } else {
      TBitmap face;
      TRect inner = s.ItemTextRect;
      inner = {inner.Left + 1, inner.Top + 1, inner.Right - 1, inner.Bottom - 1};
      RescaleKeepingBorder(face, *picture, image, inner, B.Width(), B.Height(), true);
      c.Draw(0, 0, face);
    }
    if (FUseSkinItemHeight && focused && !selected) DrawFocusRectangle(c, all);
  }
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
  if (focused && s.ShowFocus) {
    if (SkinData()) c.Brush().SetColor(SkinData()->SkinColors.cbtnface);
    DrawFocusRectangle(c, all);
  }
  DrawItemContent(c, index, text);
}

void TsfSkinCustomListBox::DrawItemContent(TCanvas& c, int index, const TRect& text) {
  std::string line = Items()[index];
  int shift = FListBox->HorizontalOffset(), offset = 0;
  if (FImages) {
    int image = FImageIndex >= 0 ? FImageIndex : index;
    int saved = c.SaveState();
    c.IntersectClip(text);
    FImages->Draw(c, text.Left - shift, text.Top + (text.Height() - FImages->Height()) / 2, image, Enabled());
    c.RestoreState(saved);
    offset = FImages->Width() + 2;
  }
  std::vector<int> tabs = TabStopsFrom(FTabWidths);
  if (!tabs.empty() && Columns() == 0)
    DrawTabbedItemText(c, text, text.Left + offset + 2, line, tabs);
  else
    DrawItemText(c, text, text.Left + offset - shift + 2, line);
}

int TsfSkinCustomListBox::GetItemTextWidth(int index, TCanvas& canvas) {
  return canvas.TextWidth(Items()[index]);
}

// ---- the inner list's events ------------------------------------------------------------------

void TsfSkinCustomListBox::ListMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnListBoxMouseDown) OnListBoxMouseDown(this, Button, Shift, X, Y);
  FDrag.MouseDown(Button == mbLeft && ItemAtPos({X, Y}, true) >= 0, {X, Y});
}

void TsfSkinCustomListBox::ListMouseMove(TShiftState Shift, int X, int Y) {
  if (OnListBoxMouseMove) OnListBoxMouseMove(this, Shift, X, Y);
  FDrag.MouseMove({X, Y});
}

void TsfSkinCustomListBox::ListMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnListBoxMouseUp) OnListBoxMouseUp(this, Button, Shift, X, Y);
  if (Button == mbLeft) FDrag.MouseUp({X, Y});
}

// ---- dragging items ------------------------------------------------------------------------------
//
// A drag starts from the inner list and is offered back to the list itself: while
// it moves, OnListBoxDragOver says whether a drop would be taken there; a release
// where it was accepted raises OnListBoxDragDrop; every drag ends with
// OnListBoxEndDrag, its target the list or none.

void TsfSkinCustomListBox::WireDrag() {
  FDrag.Start = [this] {
    if (OnListBoxStartDrag) OnListBoxStartDrag(this);
  };
  FDrag.Over = [this](TPoint p, TDragState state) {
    bool inside = p.x >= 0 && p.y >= 0 && p.x < FListBox->Width() && p.y < FListBox->Height();
    bool accept = false;
    if (inside && OnListBoxDragOver) OnListBoxDragOver(this, this, p.x, p.y, state, accept);
    ::SetCursor(Screen->Cursors(accept ? FDrag.Cursor : crNo));
    return accept;
  };
  FDrag.Drop = [this](TPoint p) {
    if (OnListBoxDragDrop) OnListBoxDragDrop(this, this, p.x, p.y);
  };
  FDrag.End = [this](bool dropped, TPoint p) {
    if (OnListBoxEndDrag) OnListBoxEndDrag(this, dropped ? this : nullptr, p.x, p.y);
    ::SetCursor(Screen->Cursors(crDefault));
  };
}

void TsfSkinCustomListBox::BeginDrag(bool immediate) {
  POINT p{};
  GetCursorPos(&p);
  if (FListBox->HandleAllocated()) ::ScreenToClient(FListBox->HandleValue(), &p);
  FDrag.Arm({p.x, p.y}, immediate);
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
