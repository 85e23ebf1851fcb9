#include <windows.h>

#include "sfSkinComboBox.h"

#include <algorithm>

#include "sfPlainDraw.h"
#include "sfPopupListBox.h"
#include "sfSkinScrollBar.h"
#include "skin/data/sfSkinData.h"
#include "ui/Application.h"
#include "skin/data/sfDataSkinControl.h"
#include "skin/data/sfUtilsNinePart.h"
#include "ui/Bitmap.h"
#include "ui/ImageList.h"
#include "ui/Messages.h"

namespace {

constexpr UINT_PTR kAutoScrollTimer = 1;

TRect Or(const TRect& r, const TRect& fallback) { return r.IsEmpty() ? fallback : r; }

void CopyComboBoxSkin(const TsfDataSkinComboBox& d, TsfComboBoxSkin& s) {
  s.ActiveSkinRect = d.activeskinrect;
  s.ItemRect = d.itemrect;
  s.ActiveItemRect = d.activeitemrect;
  s.FocusItemRect = Or(d.focusitemrect, d.itemrect);
  s.ItemLeftOffset = d.itemleftoffset;
  s.ItemRightOffset = d.itemrightoffset;
  s.ItemTextRect = d.itemtextrect;
  s.Font = d.Font();
  s.ActiveFontColor = d.activefontcolor;
  s.FocusFontColor = d.focusfontcolor;
  s.ButtonRect = d.buttonrect;
  s.ActiveButtonRect = d.activebuttonrect;
  s.DownButtonRect = d.downbuttonrect;
  s.UnEnabledButtonRect = d.unenabledbuttonrect;
  s.ListBoxName = d.listboxname;
  s.ItemStretchEffect = d.itemstretcheffect;
  s.FocusItemStretchEffect = d.focusitemstretcheffect;
  s.ShowFocus = d.showfocus;
}

TRect WorkAreaOf(HWND wnd) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoW(MonitorFromWindow(wnd, MONITOR_DEFAULTTONEAREST), &info))
    return {info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
  return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

TPoint PointOf(LPARAM l) { return {static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))}; }

}  // namespace

TsfComboFaceLayout PlainComboFaceLayout(int width, int height) {
  TsfComboFaceLayout l;
  l.Button = {width - 19, 2, width - 2, height - 2};
  l.TextArea = {2, 2, l.Button.Left - 1, height - 2};
  return l;
}

TsfSkinCustomComboBox::TsfSkinCustomComboBox(TComponent* AOwner) : TsfSkinCustomControl(AOwner) {
  FClickOnRelease = false;  // a click on the face is no choice: OnClick comes with a choice
  SetSkinDataName("combobox");
  SetDefaultSkinFont(Font());
  Font().SetColor(clWindowText);
  SetParentFont(false);
  SetTabStop(true);
  FPopup = new TsfPopupListBox(this);
  FPopup->ListBox().SetTabStop(false);
  FPopup->OnListMessage = [this](TMessage& m, bool& go) { PopupListMessage(m, go); };
  FPopup->OnCloseFromOutside = [this](TObject*) { CloseUp(false); };
  FPopup->SetParent(this);
  SetBounds(Left(), Top(), 120, 20);
}

TsfSkinCustomComboBox::~TsfSkinCustomComboBox() {
  SetDestroying();
  FPopup->OnListMessage = nullptr;
  FPopup->OnCloseFromOutside = nullptr;
  FreeEditor();
  SetImages(nullptr);
}

// ---- items and choice -------------------------------------------------------------------

TStrings& TsfSkinCustomComboBox::Items() { return FPopup->Items(); }

int TsfSkinCustomComboBox::ItemIndex() const { return FPopup->ItemIndex(); }

void TsfSkinCustomComboBox::SetItemIndex(int value) {
  FPopup->SetItemIndex(value);
  int index = FPopup->ItemIndex();
  if (Items().Count() > 0 && index != -1) SetText(Items()[index]);
  FSaveIndex = index;
  if (FStyle == sfcbFixedStyle) Invalidate();
  if (IsLoading() || IsDesigning()) return;
  Click();
  Change();
}

void TsfSkinCustomComboBox::TextChanged() {
  TsfSkinCustomControl::TextChanged();
  if (FEditor && !FEditorChanging && FEditor->Text() != Caption()) {
    FEditorChanging = true;
    FEditor->SetText(Caption());
    FEditorChanging = false;
  }
  if (OnChange) OnChange(this);
}

// ---- properties ----------------------------------------------------------------------------

void TsfSkinCustomComboBox::SetDropDownCount(int value) {
  if (value > 0) FDropDownCount = value;
}

void TsfSkinCustomComboBox::SetUseSkinSize(bool value) {
  if (value == FUseSkinSize) return;
  FUseSkinSize = value;
  if (Skinned()) ApplySkin();
}

void TsfSkinCustomComboBox::SetToolButtonStyle(bool value) {
  if (value == FToolButtonStyle) return;
  FToolButtonStyle = value;
  if (value) {
    SetStyle(sfcbFixedStyle);
    SetUseSkinSize(false);
  }
  Invalidate();
}

void TsfSkinCustomComboBox::SetDefaultColor(TColor value) {
  if (value == FDefaultColor) return;
  FDefaultColor = value;
  if (FEditor) FEditor->SetColor(value);
  Invalidate();
}

bool TsfSkinCustomComboBox::Sorted() const { return FPopup->Sorted(); }
void TsfSkinCustomComboBox::SetSorted(bool value) { FPopup->SetSorted(value); }
bool TsfSkinCustomComboBox::HorizontalExtent() const { return FPopup->HorizontalExtent(); }
void TsfSkinCustomComboBox::SetHorizontalExtent(bool value) { FPopup->SetHorizontalExtent(value); }
TStrings& TsfSkinCustomComboBox::TabWidths() { return FPopup->TabWidths(); }
std::string TsfSkinCustomComboBox::ListBoxCaption() const { return FPopup->Caption(); }
void TsfSkinCustomComboBox::SetListBoxCaption(const std::string& value) { FPopup->SetCaption(value); }
bool TsfSkinCustomComboBox::ListBoxCaptionMode() const { return FPopup->CaptionMode(); }
void TsfSkinCustomComboBox::SetListBoxCaptionMode(bool value) { FPopup->SetCaptionMode(value); }
TAlignment TsfSkinCustomComboBox::ListBoxCaptionAlignment() const { return FPopup->Alignment(); }
void TsfSkinCustomComboBox::SetListBoxCaptionAlignment(TAlignment value) { FPopup->SetAlignment(value); }
TFont& TsfSkinCustomComboBox::ListBoxDefaultFont() { return FPopup->DefaultFont(); }
TFont& TsfSkinCustomComboBox::ListBoxDefaultCaptionFont() { return FPopup->DefaultCaptionFont(); }
int TsfSkinCustomComboBox::ListBoxDefaultItemHeight() const { return FPopup->DefaultItemHeight(); }
void TsfSkinCustomComboBox::SetListBoxDefaultItemHeight(int value) { FPopup->SetDefaultItemHeight(value); }
bool TsfSkinCustomComboBox::ListBoxUseSkinFont() const { return FPopup->UseSkinFont(); }
void TsfSkinCustomComboBox::SetListBoxUseSkinFont(bool value) { FPopup->SetUseSkinFont(value); }
bool TsfSkinCustomComboBox::ListBoxUseSkinItemHeight() const { return FPopup->UseSkinItemHeight(); }
void TsfSkinCustomComboBox::SetListBoxUseSkinItemHeight(bool value) {
  FPopup->SetUseSkinItemHeight(value);
}
void TsfSkinCustomComboBox::SetOnListBoxDrawItem(TsfDrawSkinItemEvent value) {
  FPopup->OnDrawItem = std::move(value);
}

// ---- skin and size ----------------------------------------------------------------------------

void TsfSkinCustomComboBox::FetchSkin() {
  TsfSkinCustomControl::FetchSkin();
  if (auto* def = dynamic_cast<TsfDataSkinComboBox*>(Definition())) CopyComboBoxSkin(*def, FComboSkin);
}

void TsfSkinCustomComboBox::ApplySkin() {
  TsfSkinCustomControl::ApplySkin();
  if (Skinned() && !FComboSkin.ListBoxName.empty()) FPopup->SetSkinDataName(FComboSkin.ListBoxName);
  EditorFont();
  LayoutEditor();
}

void TsfSkinCustomComboBox::CalcSkinSize(int& w, int& h) {
  if (FUseSkinSize) {
    TsfSkinCustomControl::CalcSkinSize(w, h);
    return;
  }
  // The size stays; the right-hand corner and the client area follow the width.
  int dW = w - FSkin.SkinWidth();
  FSkin.NewLTPoint = FSkin.LTPoint;
  FSkin.NewRTPoint = {FSkin.RTPoint.x + dW, FSkin.RTPoint.y};
  FSkin.NewClRect = FSkin.ClRect;
  FSkin.NewClRect.Right += dW;
}

void TsfSkinCustomComboBox::UpdateSkinRegion() {
  if (FUseSkinSize)
    TsfSkinCustomControl::UpdateSkinRegion();
  else if (SkinRegion())
    SetSkinRegion({});
}

TsfComboFaceLayout TsfSkinCustomComboBox::FaceLayout() const {
  if (!Skinned() || FToolButtonStyle) return PlainComboFaceLayout(Width(), Height());
  const TsfSkinGeometry& g = SkinGeometry();
  int dW = Width() - g.SkinWidth(), dH = Height() - g.SkinHeight();
  TsfComboFaceLayout l;
  l.Button = FComboSkin.ButtonRect;
  if (l.Button.Left >= g.SkinWidth() - g.RTPoint.x) l.Button = l.Button.Offset(dW, 0);
  l.TextArea = g.ClRect;
  l.TextArea.Right += dW;
  if (!FUseSkinSize) {
    l.Button.Bottom += dH;
    l.TextArea.Bottom += dH;
  }
  return l;
}

// ---- drop-down and close-up ---------------------------------------------------------------------

void TsfSkinCustomComboBox::DropDown() {
  int count = Items().Count();
  if (count == 0) return;
  StopAutoScroll();
  if (OnDropDown) OnDropDown(this);
  int rows = std::min(count, FDropDownCount);
  FPopup->SetWidth(FListBoxWidth > 0 ? FListBoxWidth : Width());
  FPopup->SetRowCount(rows);
  FPopup->SetHeight(FPopup->FittedHeight(rows));
  TPoint at = ClientToScreen({0, Height()});
  if (at.y + FPopup->Height() > WorkAreaOf(Handle()).Bottom)
    at.y = ClientToScreen({0, 0}).y - FPopup->Height();
  FSaveIndex = FPopup->ItemIndex();
  if (FSaveIndex == 0 && count > 1) {
    // Moving the selection away and back makes the platform list show it.
    FPopup->SetItemIndex(1);
    FPopup->SetItemIndex(0);
  }
  if (FEditor && FEditor->CanFocus() && !FEditor->Focused()) FEditor->SetFocus();
  FDroppedDown = true;
  if (FToolButtonStyle) Invalidate();
  FPopup->SetTopIndex(FPopup->ItemIndex());
  FPopup->SetSkinData(SkinData());
  ShowPopup(at);
}

void TsfSkinCustomComboBox::ShowPopup(TPoint at) {
  FPopup->SetLayered(FAlphaBlend);
  bool fade = FAlphaBlend && FAlphaBlendAnimation && FPopup->LastAlpha() != FAlphaBlendValue;
  if (FAlphaBlend && FPopup->LastAlpha() != FAlphaBlendValue)
    FPopup->SetAlpha(FAlphaBlendAnimation ? 0 : FAlphaBlendValue);
  FPopup->ShowAt(at);
  if (!fade) return;
  Application->ProcessMessages();
  DWORD last = GetTickCount();
  while (FPopup->LastAlpha() < FAlphaBlendValue && FPopup->Visible()) {
    if (GetTickCount() - last > 5) {
      FPopup->SetAlpha(std::min(FPopup->LastAlpha() + 10, FAlphaBlendValue));
      last = GetTickCount();
    }
    Application->ProcessMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
  }
}

void TsfSkinCustomComboBox::CloseUp(bool accept) {
  StopAutoScroll();
  if (!FPopup->Visible()) return;
  FPopup->HidePopup();
  FPressDrag = false;
  if (GetCapture() == HandleValue() && HandleAllocated()) ReleaseCapture();
  int index = FPopup->ItemIndex();
  if (index == -1) {
    FPopup->SetItemIndex(FSaveIndex);
  } else if (accept && index < Items().Count()) {
    SetText(Items()[index]);
    if (FEditor) FEditor->SelectAll();
    Invalidate();
    Click();
    Change();
  } else if (!accept) {
    FPopup->SetItemIndex(FSaveIndex);
  }
  FDroppedDown = false;
  Invalidate();
  if (accept && OnCloseUp) OnCloseUp(this);
  ClosedUp();
}

// ---- mouse ---------------------------------------------------------------------------------------

void TsfSkinCustomComboBox::SetButtonHot(bool value) {
  if (value == FButtonHot) return;
  FButtonHot = value;
  Invalidate();
}

void TsfSkinCustomComboBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TsfSkinCustomControl::MouseDown(Button, Shift, X, Y);
  if (!FEditor && !Focused() && CanFocus()) SetFocus();
  if (Button != mbLeft) return;
  bool onButton = FaceLayout().Button.Contains({X, Y});
  if (!(FButtonHot || (FStyle == sfcbFixedStyle && onButton) || FToolButtonStyle)) {
    if (FPopup->Visible()) CloseUp(false);
    return;
  }
  if (onButton) SetButtonHot(true);
  FButtonPressed = true;
  Invalidate();
  if (FPopup->Visible()) {
    CloseUp(false);
    return;
  }
  FEnteredList = false;
  FPressDrag = true;
  DropDown();
}

void TsfSkinCustomComboBox::MouseMove(TShiftState Shift, int X, int Y) {
  TsfSkinCustomControl::MouseMove(Shift, X, Y);
  if (FPressDrag)
    TrackIntoList({X, Y});
  else
    SetButtonHot(FaceLayout().Button.Contains({X, Y}));
}

void TsfSkinCustomComboBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (FPressDrag && FEnteredList) {
    if (GetCapture() == HandleValue()) ReleaseCapture();
    FPressDrag = false;
    TPoint at = ClientToScreen({X, Y});
    bool overList = WindowFromPoint(POINT{at.x, at.y}) == FPopup->ListBox().HandleValue();
    CloseUp(overList);
  } else {
    FPressDrag = false;
  }
  TsfSkinCustomControl::MouseUp(Button, Shift, X, Y);
  if (FButtonPressed) {
    FButtonPressed = false;
    Invalidate();
  }
}

void TsfSkinCustomComboBox::TrackIntoList(TPoint p) {
  if (!FPopup->Visible()) return;
  TsfListBox& list = FPopup->ListBox();
  TPoint local = list.ScreenToClient(ClientToScreen(p));
  bool scrolls = FPopup->VScrollBar() != nullptr;
  if (local.y < 0) {
    if (scrolls && FEnteredList) StartAutoScroll(1);
  } else if (local.y >= list.Height()) {
    if (scrolls && FEnteredList) StartAutoScroll(2);
  } else {
    StopAutoScroll();
    int index = list.ItemAtPos({1, local.y}, true);
    if (index >= 0 && index != FPopup->ItemIndex()) FPopup->SetItemIndex(index);
    FEnteredList = true;
  }
}

// Over the open popup the inner list's mouse is ours: moves track the item under the
// pointer, a press starts a press-drag held by the combo, other buttons do nothing.
void TsfSkinCustomComboBox::PopupListMessage(TMessage& m, bool& Continue) {
  switch (m.Msg) {
    case WM_MOUSEMOVE: {
      int index = FPopup->ListBox().ItemAtPos(PointOf(m.LParam), true);
      if (index >= 0 && index != FPopup->ItemIndex()) FPopup->SetItemIndex(index);
      break;
    }
    case WM_LBUTTONDOWN:
      FPressDrag = true;
      FEnteredList = true;
      SetCapture(Handle());
      Continue = false;
      break;
    case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP:
    case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
      Continue = false;
      break;
  }
}

void TsfSkinCustomComboBox::StartAutoScroll(int mode) {
  if (mode == FAutoScroll || !HandleAllocated()) return;
  FAutoScroll = mode;
  SetTimer(HandleValue(), kAutoScrollTimer, 25, nullptr);
}

void TsfSkinCustomComboBox::StopAutoScroll() {
  if (FAutoScroll == 0) return;
  FAutoScroll = 0;
  if (HandleAllocated()) KillTimer(HandleValue(), kAutoScrollTimer);
}

void TsfSkinCustomComboBox::AutoScrollTick() {
  int index = FPopup->ItemIndex(), last = Items().Count() - 1;
  if (FAutoScroll == 1 && index >= 1)
    FPopup->SetItemIndex(index - 1);
  else if (FAutoScroll == 2 && index < last)
    FPopup->SetItemIndex(index + 1);
  else
    StopAutoScroll();
}

void TsfSkinCustomComboBox::MouseEnter() {
  TsfSkinCustomControl::MouseEnter();
  FMouseOver = true;
  EditorFont();
  if (FToolButtonStyle || (Skinned() && !FComboSkin.ActiveSkinRect.IsEmpty())) Invalidate();
}

void TsfSkinCustomComboBox::MouseLeave() {
  TsfSkinCustomControl::MouseLeave();
  FMouseOver = false;
  SetButtonHot(false);
  EditorFont();
  if (FToolButtonStyle || (Skinned() && !FComboSkin.ActiveSkinRect.IsEmpty())) Invalidate();
}

// ---- keyboard, wheel and focus --------------------------------------------------------------

void TsfSkinCustomComboBox::KeyDown(std::uint16_t& Key, TShiftState Shift) {
  TsfSkinCustomControl::KeyDown(Key, Shift);
  int count = Items().Count();
  int index = FPopup->ItemIndex(), last = count - 1;
  bool alt = Shift.Contains(ssAlt);
  switch (Key) {
    case VK_RETURN:
      if (FDroppedDown) CloseUp(true);
      break;
    case VK_ESCAPE:
      if (FDroppedDown) CloseUp(false);
      break;
    case VK_PRIOR:
      if (count > 0) SetItemIndex(std::max(index - (FDropDownCount + 1), 0));
      break;
    case VK_NEXT:
      if (count > 0) SetItemIndex(std::min(index + FDropDownCount - 1, last));
      break;
    case VK_LEFT: case VK_UP:
      if (alt) {
        if (FDroppedDown) CloseUp(false);
      } else if (index > 0) {
        SetItemIndex(index - 1);
      }
      break;
    case VK_RIGHT: case VK_DOWN:
      if (alt) {
        if (!FDroppedDown) DropDown();
      } else if (index < last) {
        SetItemIndex(index + 1);
      }
      break;
  }
}

void TsfSkinCustomComboBox::KeyPress(char& Key) {
  TsfSkinCustomControl::KeyPress(Key);
  if (FStyle == sfcbFixedStyle && static_cast<unsigned char>(Key) >= ' ') TypeKey(Key);
}

void TsfSkinCustomComboBox::TypeKey(char key) {
  DWORD now = GetTickCount();
  if (!FAutoComplete || now - FLastKeyTime > 499) FPrefix.clear();
  FPrefix += key;
  FLastKeyTime = now;
  // One letter steps through the items that start with it; more search from the top.
  int start = FPrefix.size() == 1 ? ItemIndex() : -1;
  int found = FPopup->ListBox().Items().FindPrefix(start, FPrefix);
  if (found >= 0) SetItemIndex(found);
}

// An item a whole notch: parts of a notch (touch pads, fine wheels) add up first.
void TsfSkinCustomComboBox::WheelStep(int delta) {
  for (int steps = FWheel.Add(delta); steps != 0; steps += steps > 0 ? -1 : 1) {
    int index = FPopup->ItemIndex();
    int target = steps < 0 ? index + 1 : index - 1;
    if (target < 0 || target >= Items().Count()) return;
    if (FDroppedDown)
      FPopup->SetItemIndex(target);
    else
      SetItemIndex(target);
  }
}

void TsfSkinCustomComboBox::DoEnter() {
  Invalidate();
  TsfSkinCustomControl::DoEnter();
  if (FEditor && FEditor->CanFocus()) FEditor->SetFocus();
}

void TsfSkinCustomComboBox::DoExit() {
  Invalidate();
  if (!FEditor) CloseUp(false);
  TsfSkinCustomControl::DoExit();
}

void TsfSkinCustomComboBox::VisibleChanged() {
  if (!Visible()) CloseUp(false);
  TsfSkinCustomControl::VisibleChanged();
}

void TsfSkinCustomComboBox::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_GETDLGCODE:
      // While the list is open, Enter and Escape close it rather than pressing the
      // form's default or Cancel button.
      m.Result = DLGC_WANTARROWS | (FDroppedDown ? DLGC_WANTMESSAGE : 0);
      return;
    case WM_TIMER:
      if (m.WParam == kAutoScrollTimer) {
        AutoScrollTick();
        return;
      }
      break;
    case WM_MOUSEWHEEL:
      if (FStyle == sfcbFixedStyle) {
        WheelStep(static_cast<short>(HIWORD(m.WParam)));
        return;
      }
      break;
    case WM_CANCELMODE:
      CancelMode(this);
      break;
    case CM_CANCELMODE:
      CancelMode(reinterpret_cast<TObject*>(m.LParam));
      return;
  }
  TsfSkinCustomControl::WndProc(m);
}

// ---- painting -------------------------------------------------------------------------------

void TsfSkinCustomComboBox::DrawPlainButton(TCanvas& c, const TRect& r) {
  if (FButtonPressed && FButtonHot)
    FrameAndFill(c, r, kPlainFrameColor, kPlainDownColor);
  else if (FButtonHot)
    FrameAndFill(c, r, kPlainFrameColor, kPlainHotColor);
  else
    FrameAndFill(c, r, clBtnShadow, clBtnFace);
  DrawArrow(c, {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1}, Enabled() ? clBlack : clBtnShadow,
            adDown);
}

void TsfSkinCustomComboBox::DrawDefaultImage(TBitmap& B) {
  TCanvas& c = B.Canvas();
  TRect all{0, 0, B.Width(), B.Height()};
  c.Brush().SetColor(clBtnFace);
  c.FillRect(all);
  FrameAndFill(c, all, clBtnShadow, FDefaultColor);
  TsfComboFaceLayout l = FaceLayout();
  DrawPlainButton(c, l.Button);
  if (FStyle == sfcbFixedStyle) DrawFaceItem(B, l.TextArea, false);
}

void TsfSkinCustomComboBox::DrawSkinImage(TBitmap& B) {
  const TsfComboBoxSkin& s = FComboSkin;
  bool focused = Focused() || (FEditor && FEditor->Focused());
  bool active = !s.ActiveSkinRect.IsEmpty() && (FMouseOver || focused);
  if (!FUseSkinSize && SkinPicture()) {
    // The face's size is its own: the image grows keeping its border.
    RescaleKeepingBorder(B, *SkinPicture(), active ? s.ActiveSkinRect : SkinGeometry().SkinRect,
                         SkinGeometry().ClRect, Width(), Height(), true);
  } else if (active) {
    DrawSkinImageRect(B, s.ActiveSkinRect);
  } else {
    TsfSkinCustomControl::DrawSkinImage(B);
  }
  TsfComboFaceLayout l = FaceLayout();
  const TRect* image = nullptr;
  if (!Enabled() && !s.UnEnabledButtonRect.IsEmpty())
    image = &s.UnEnabledButtonRect;
  else if (FButtonPressed && FButtonHot)
    image = &s.DownButtonRect;
  else if (FButtonHot)
    image = &s.ActiveButtonRect;
  if (image && !image->IsEmpty() && SkinPicture())
    B.Canvas().CopyRect({l.Button.Left, l.Button.Top, l.Button.Left + image->Width(),
                         l.Button.Top + image->Height()},
                        SkinPicture()->Canvas(), *image);
  if (FStyle == sfcbFixedStyle) DrawFaceItem(B, l.TextArea, true);
}

// The chosen item in the face's text area: the plain look in system colours, or
// the definition's item look.
void TsfSkinCustomComboBox::DrawFaceItem(TBitmap& B, const TRect& area, bool skinned) {
  if (area.IsEmpty()) return;
  TRect itemImage = Or(FComboSkin.ItemRect, FComboSkin.FocusItemRect);
  int height = skinned && !itemImage.IsEmpty() ? itemImage.Height() : area.Height();
  int top = area.Top + (area.Height() - height) / 2;
  TBitmap item(area.Width(), height);
  TRect text = skinned ? PrepareSkinItem(item, B, {area.Left, top, area.Right, top + height})
                       : PreparePlainItem(item);
  TCanvas& c = item.Canvas();
  bool focused = Focused();
  if (OnComboBoxDrawItem) {
    OnComboBoxDrawItem(this, c, ShownIndex(), item.Width(), item.Height(), text,
                       focused ? odFocused : 0);
  } else {
    DrawItemImage(c, text);
    std::vector<int> tabs = TabStopsFrom(TabWidths());
    if (tabs.empty())
      DrawItemText(c, text, text.Left, Text());
    else
      DrawTabbedItemText(c, text, text.Left, Text(), tabs);
    if (focused && (!skinned || FComboSkin.ShowFocus))
      DrawFocusRectangle(c, {0, 0, item.Width(), item.Height()});
  }
  B.Canvas().Draw(area.Left, top, item);
}

// Background and font of the plain item; returns where its text goes.
TRect TsfSkinCustomComboBox::PreparePlainItem(TBitmap& item) {
  TCanvas& c = item.Canvas();
  bool focused = Focused();
  c.Font().Assign(Font());
  c.Font().SetColor(focused ? clHighlightText : DefaultFont().Color());
  c.Brush().SetColor(focused ? clHighlight : FDefaultColor);
  c.FillRect({0, 0, item.Width(), item.Height()});
  return {2, 0, item.Width() - 2, item.Height()};
}

// The same from the definition; `place` is where the item lies on the face.
TRect TsfSkinCustomComboBox::PrepareSkinItem(TBitmap& item, TBitmap& face, const TRect& place) {
  const TsfComboBoxSkin& s = FComboSkin;
  TCanvas& c = item.Canvas();
  bool focused = Focused();
  bool activeFace = FMouseOver && !s.ActiveSkinRect.IsEmpty();
  const TRect* image = &s.ItemRect;
  int a = s.ItemLeftOffset, b = s.ItemRightOffset;
  bool stretch = s.ItemStretchEffect;
  if (focused) {
    image = &s.FocusItemRect;
    stretch = s.FocusItemStretchEffect;
  } else if (activeFace && !s.ActiveItemRect.IsEmpty()) {
    image = &s.ActiveItemRect;
  }
  if (image->IsEmpty() || !SkinPicture()) {
    c.CopyRect({0, 0, item.Width(), item.Height()}, face.Canvas(), place);
  } else {
    TBitmap piece;
    CreateHThreePartImage(piece, *SkinPicture(), *image, a, b, item.Width(), stretch);
    c.Draw(0, 0, piece);
  }
  TRect text = s.ItemTextRect;
  text.Right += place.Width() - Or(s.ItemRect, SkinGeometry().ClRect).Width();
  if (UseSkinFont())
    AssignSkinFont(c.Font(), s.Font);
  else
    c.Font().Assign(DefaultFont());
  c.Font().SetColor(focused ? s.FocusFontColor : activeFace ? s.ActiveFontColor : s.Font.Color);
  if (!Enabled()) c.Font().SetColor(DisabledTextColor());
  return text;
}

// The skin's edit definition gives disabled text its colour.
TColor TsfSkinCustomComboBox::DisabledTextColor() {
  if (!Skinned() || !SkinData()) return clGrayText;
  auto* edit = dynamic_cast<TsfDataSkinEditControl*>(SkinData()->ControlDef(SkinData()->FindControlDef("edit")));
  return edit ? edit->disabledfontcolor : clGrayText;
}

// The image of Images before the text: ImageIndex, or the shown item's index.
void TsfSkinCustomComboBox::DrawItemImage(TCanvas& c, TRect& text) {
  if (!FImages) return;
  int index = FImageIndex >= 0 ? FImageIndex : ShownIndex();
  if (index < 0 || index >= FImages->Count()) return;
  FImages->Draw(c, text.Left, (text.Top + text.Bottom - FImages->Height()) / 2, index, Enabled());
  text.Left += FImages->Width() + 2;
}
