// The list view's skinned scroll bars: kept in step with the platform list's own
// scrolling state, and scrolling it when the user moves them.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdlib>

#include "sfSkinCustomListView.h"
#include "sfSkinScrollBar.h"

TsfSkinCustomListView::TRangeInfo TsfSkinCustomListView::PlatformRange(bool vertical) const {
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_ALL;
  if (!GetScrollInfo(HandleValue(), vertical ? SB_VERT : SB_HORZ, &info)) return {};
  return {info.nMin, info.nMax, info.nPos};
}

TRect TsfSkinCustomListView::FirstItemBounds() const {
  RECT r{LVIR_BOUNDS, 0, 0, 0};
  if (ItemCount() == 0 || !SendMessageW(HandleValue(), LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r)))
    return {};
  return {r.left, r.top, r.right, r.bottom};
}

int TsfSkinCustomListView::CountPerPage() const {
  return static_cast<int>(SendMessageW(HandleValue(), LVM_GETCOUNTPERPAGE, 0, 0));
}

bool TsfSkinCustomListView::ShowBar(TsfSkinScrollBar* bar, bool visible) {
  if (bar->Visible() == visible) return false;
  bool was = FUpdating;
  FUpdating = true;
  bar->SetVisible(visible);
  FUpdating = was;
  return true;
}

bool TsfSkinCustomListView::UpdateVertical() {
  if (!FVScrollBar) return false;
  TRangeInfo r = PlatformRange(true);
  bool visible = false;
  if (FViewStyle == vsIcon || FViewStyle == vsSmallIcon) {
    visible = Height() < r.Max && Visible();
    if (visible) {
      int step = std::max(1, FirstItemBounds().Height() / 2);
      FVScrollBar->SetSmallChange(step);
      FVScrollBar->SetLargeChange(step);
      FVScrollBar->SetRange(r.Min, r.Max, Height(), r.Position);
    }
  } else if (FViewStyle == vsReport) {
    int perPage = CountPerPage();
    visible = perPage < r.Max + 1 && Visible();
    if (visible) {
      FVScrollBar->SetRange(r.Min, r.Max, perPage, r.Position);
      FVScrollBar->SetSmallChange(1);
      FVScrollBar->SetLargeChange(std::max(1, perPage));
    }
  }
  if (visible) FLastVPos = r.Position;
  return ShowBar(FVScrollBar, visible);
}

bool TsfSkinCustomListView::UpdateHorizontal() {
  if (!FHScrollBar) return false;
  TRangeInfo r = PlatformRange(false);
  bool visible = false;
  if (FViewStyle == vsList) {
    int column = FirstItemBounds().Width();
    if (column <= 0) column = 1;
    visible = CountPerPage() < ItemCount() && Visible();
    if (visible) {
      FHScrollBar->SetRange(r.Min, r.Max, Width() / column, r.Position);
      FHScrollBar->SetSmallChange(1);
      FHScrollBar->SetLargeChange(1);
    }
  } else {
    visible = Width() < r.Max && Visible();
    if (visible) {
      if (FViewStyle != vsReport) {
        int step = std::max(1, FirstItemBounds().Height() / 2);
        FHScrollBar->SetSmallChange(step);
        FHScrollBar->SetLargeChange(step);
      }
      FHScrollBar->SetRange(r.Min, r.Max, Width(), r.Position);
    }
  }
  if (visible) FLastHPos = r.Position;
  return ShowBar(FHScrollBar, visible);
}

void TsfSkinCustomListView::UpdateScrollBars() {
  if (!HandleAllocated() || FScrolling || Width() <= 5 || Height() <= 5) return;
  bool changed = UpdateVertical();
  changed = UpdateHorizontal() || changed;
  if (FVScrollBar && FHScrollBar) FHScrollBar->SetBoth(FVScrollBar->Visible());
  if (changed && Align() != alNone && Parent()) {
    bool was = FUpdating;
    FUpdating = true;
    Parent()->Realign();
    FUpdating = was;
  }
}

void TsfSkinCustomListView::VScrollStep() {
  if (!FVScrollBar || !HandleAllocated()) return;
  FScrolling = true;
  int d = FVScrollBar->Position() - FLastVPos;
  if (FViewStyle == vsList || FViewStyle == vsReport) d *= FirstItemBounds().Height();
  SendMessageW(HandleValue(), LVM_SCROLL, 0, d);
  FLastVPos = FVScrollBar->Position();
  FScrolling = false;
}

void TsfSkinCustomListView::HScrollStep() {
  if (!FHScrollBar || !HandleAllocated()) return;
  FScrolling = true;
  int d = FHScrollBar->Position() - FLastHPos;
  if (FViewStyle == vsList) {
    WPARAM code = d < 0 ? SB_LINELEFT : SB_LINERIGHT;
    for (int i = 0; i < std::abs(d); ++i) SendMessageW(HandleValue(), WM_HSCROLL, code, 0);
  } else {
    SendMessageW(HandleValue(), LVM_SCROLL, static_cast<WPARAM>(d), 0);
  }
  FLastHPos = FHScrollBar->Position();
  FScrolling = false;
}
