#include "sfSkinEdit.h"

#include <windows.h>

#include <algorithm>

#include "sfPlainDraw.h"
#include "sfSkinPanel.h"  // AssignSkinFont
#include "skin/data/sfDataSkinControl.h"
#include "skin/data/sfResourceStrData.h"
#include "skin/data/sfSkinData.h"
#include "skin/data/sfUtilsNinePart.h"
#include "ui/Canvas.h"
#include "ui/Messages.h"

namespace {

constexpr int kButtonCode = HTHSCROLL;  // 6: the button
constexpr int kFrameCode = HTVSCROLL;   // 7: the frame around the text
constexpr TColor kPlainHotFill = 13811126, kPlainDownFill = 11899781;

TRect PieceOf(const TRect& image, const TRect& cl) {
  return {image.Left + cl.Left, image.Top + cl.Top, image.Left + cl.Right, image.Top + cl.Bottom};
}

}  // namespace

TsfEditLayout EditLayout(int w, int h, bool buttonMode, const TsfEditSkin* skin, bool useSkinFont) {
  TsfEditLayout l;
  if (!skin) {
    if (buttonMode) {
      l.Button = {w - h, 0, w, h};
      l.TextArea = {2, 2, l.Button.Left - 2, h - 2};
    } else {
      l.TextArea = {2, 2, w - 2, h - 2};
    }
    return l;
  }
  int ws = skin->S.Width(), hs = skin->S.Height();
  l.TextArea = skin->Cl;
  l.TextArea.Right = w - (ws - skin->Cl.Right);
  if (buttonMode) {
    l.Button = skin->ButtonRect;
    if (l.Button.Left >= skin->RTx) l.Button = l.Button.Offset(w - ws, 0);
  }
  if (!useSkinFont) {
    l.TextArea.Bottom += h - hs;
    l.Button.Bottom += h - hs;
  }
  return l;
}

TsfSkinCustomEdit::TsfSkinCustomEdit(TComponent* AOwner) : TsfCustomEdit(AOwner) {
  FBinding.SetName("edit");
  FDefaultFont.SetName("Arial");
  FDefaultFont.SetHeight(14);
  FDefaultFont.SetColor(clBlack);
  Font().Assign(FDefaultFont);
  SetBorderStyle(bsNone);
  SetTransparent(true);
  TsfCustomEdit::SetBounds(Left(), Top(), Width(), 20);
}

TsfSkinCustomEdit::~TsfSkinCustomEdit() { SetDestroying(); }

void TsfSkinCustomEdit::Notification(TComponent* AComponent, TOperation Operation) {
  TsfCustomEdit::Notification(AComponent, Operation);
  FBinding.Notification(AComponent, Operation);
}

void TsfSkinCustomEdit::SetSkinData(TsfSkinData* value) {
  if (FBinding.SetSkinData(value)) ApplySkin();
}

void TsfSkinCustomEdit::FetchSkin() {
  FBinding.Fetch();
  FSkinned = false;
  if (auto* d = dynamic_cast<TsfDataSkinEditControl*>(FBinding.Definition())) {
    CopyDefinition(*d);
    FSkinned = FSkin.Picture != nullptr && !FSkin.S.IsEmpty();
  }
}

void TsfSkinCustomEdit::CopyDefinition(const TsfDataSkinEditControl& d) {
  FSkin.Picture = SkinData()->ActivePictures(d.pictureindex);
  FSkin.S = d.skinrect;
  FSkin.Hot = d.activeskinrect.IsEmpty() ? d.skinrect : d.activeskinrect;
  FSkin.LeftFixed = d.lefttoppoint.x;
  FSkin.RightFixed = d.skinrect.Width() - d.righttoppoint.x;
  FSkin.RTx = d.righttoppoint.x;
  FSkin.Cl = d.clientrect;
  FSkin.FontName = d.fontname;
  FSkin.FontHeight = d.fontheight;
  FSkin.FontStyle = d.fontstyle;
  FSkin.FontColor = d.fontcolor;
  FSkin.DisabledFontColor = d.disabledfontcolor;
  FSkin.ActiveFontColor = d.activefontcolor;
  FSkin.ButtonRect = d.buttonrect;
  FSkin.ActiveButtonRect = d.activebuttonrect;
  FSkin.DownButtonRect = d.downbuttonrect.IsEmpty() ? d.activebuttonrect : d.downbuttonrect;
  FSkin.UnEnabledButtonRect = d.unenabledbuttonrect;
  FSkin.StretchEffect = d.stretcheffect;
}

void TsfSkinCustomEdit::ApplySkin() {
  FetchSkin();
  FBackground.Reset();
  if (!FSkinned) {
    Font().Assign(FDefaultFont);
    if (FDefaultWidth > 0) SetWidth(FDefaultWidth);
    if (FDefaultHeight > 0) SetHeight(FDefaultHeight);
  } else if (FUseSkinFont) {
    AssignSkinFont(Font(), FSkin.FontName, FSkin.FontHeight, FSkin.FontStyle, FSkin.FontColor);
    SetHeight(FSkin.S.Height());
  } else {
    Font().Assign(FDefaultFont);
  }
  if (FSkinned) Font().SetColor(Focused() ? FSkin.ActiveFontColor : FSkin.FontColor);
  TsfResourceStrData* strings = SkinData() ? SkinData()->ResourceStrData() : nullptr;
  Font().SetCharset(strings ? static_cast<TFontCharset>(strings->CharSet) : FDefaultFont.Charset());
  if (!FUseSkinFont) SetHeight(MetricHeight());
  FrameChanged();
}

void TsfSkinCustomEdit::Loaded() {
  TsfCustomEdit::Loaded();
  if (SkinData() && SkinData()->ResourceStrData())
    Font().SetCharset(static_cast<TFontCharset>(SkinData()->ResourceStrData()->CharSet));
}

void TsfSkinCustomEdit::SetDefaultColor(TColor value) {
  FDefaultColor = value;
  if (!FSkinned) {
    FBackground.Reset();
    RepaintAll();
  }
}

void TsfSkinCustomEdit::SetDefaultFont(const TFont& value) {
  FDefaultFont.Assign(value);
  if (!FSkinned || !FUseSkinFont) {
    Font().Assign(FDefaultFont);
    if (!FUseSkinFont) SetHeight(MetricHeight());
  }
}

void TsfSkinCustomEdit::SetUseSkinFont(bool value) {
  if (value == FUseSkinFont) return;
  FUseSkinFont = value;
  ApplySkin();
}

void TsfSkinCustomEdit::SetDefaultWidth(int value) {
  FDefaultWidth = value;
  if (!FSkinned && value > 0) SetWidth(value);
}

void TsfSkinCustomEdit::SetDefaultHeight(int value) {
  FDefaultHeight = value;
  if (!FSkinned && value > 0 && FUseSkinFont)
    SetHeight(value);
  else
    SetHeight(MetricHeight());
}

void TsfSkinCustomEdit::SetButtonMode(bool value) {
  if (value == FButtonMode) return;
  FButtonMode = value;
  FBackground.Reset();
  FrameChanged();
}

int TsfSkinCustomEdit::MetricHeight() {
  TBitmap probe(1, 1);
  probe.Canvas().Font().Assign(Font());
  TEXTMETRICW tm{};
  GetTextMetricsW(probe.Canvas().Handle(), &tm);
  FetchSkin();
  return tm.tmHeight + (FSkinned ? FSkin.S.Height() - FSkin.Cl.Height() : 4);
}

TsfEditLayout TsfSkinCustomEdit::Layout() {
  FetchSkin();
  return EditLayout(Width(), Height(), FButtonMode, FSkinned ? &FSkin : nullptr, FUseSkinFont);
}

void TsfSkinCustomEdit::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  FetchSkin();
  bool sized = AWidth != Width() || AHeight != Height();
  if (sized && (FSkinned || !FUseSkinFont))
    AHeight = FSkinned && FUseSkinFont ? FSkin.S.Height() : MetricHeight();
  bool widthChanged = AWidth != Width();
  TsfCustomEdit::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (widthChanged) FBackground.Reset();
  FrameChanged();
}

void TsfSkinCustomEdit::FrameChanged() {
  if (!HandleAllocated()) return;
  SetWindowPos(HandleValue(), nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  RepaintAll();
}

void TsfSkinCustomEdit::RepaintAll() {
  if (!HandleAllocated()) return;
  RedrawWindow(HandleValue(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
}

// ---- painting -----------------------------------------------------------------------

HBRUSH TsfSkinCustomEdit::BackgroundBrush() {
  if (FBackground) return FBackground.Get();
  TsfEditLayout l = Layout();
  int w = l.TextArea.Width(), h = l.TextArea.Height();
  if (w <= 0 || h <= 0) return nullptr;
  if (!FSkinned) {
    FBackground.Reset(CreateSolidBrush(ColorToRGB(FDefaultColor)));
    return FBackground.Get();
  }
  const TRect& image = (FHot || Focused()) ? FSkin.Hot : FSkin.S;
  TRect piece = PieceOf(image, FSkin.Cl);
  int a = std::max(0, FSkin.LeftFixed - FSkin.Cl.Left);
  int b = std::max(0, FSkin.Cl.Right - FSkin.RTx);
  TBitmap strip;
  CreateHThreePartImage(strip, *FSkin.Picture, piece, a, b, w, FSkin.StretchEffect);
  FBackgroundImage.SetSize(w, h);
  if (FUseSkinFont)
    FBackgroundImage.Canvas().Draw(0, 0, strip);
  else
    FBackgroundImage.Canvas().StretchDraw({0, 0, w, h}, strip);
  FBackground.Reset(CreatePatternBrush(FBackgroundImage.Handle()));
  return FBackground.Get();
}

void TsfSkinCustomEdit::DrawPlainFrame(TBitmap& image, const TsfEditLayout& l) {
  TCanvas& c = image.Canvas();
  int w = image.Width(), h = image.Height();
  TRect box{0, 0, w - l.Button.Width(), h};
  c.Brush().SetColor(FDefaultColor);
  c.FillRect(box);
  c.Brush().SetColor(clBtnShadow);
  c.FrameRect(box);
  c.Brush().SetColor(clBtnFace);
  c.FrameRect({1, 1, box.Right - 1, h - 1});
  if (!FButtonMode) return;
  bool down = FButtonPressed && FButtonHot;
  c.Brush().SetColor(down ? kPlainDownFill : FButtonHot ? kPlainHotFill : clBtnFace);
  c.FillRect(l.Button);
  c.Brush().SetColor(down || FButtonHot ? clNavy : clBtnShadow);
  c.FrameRect(l.Button);
}

void TsfSkinCustomEdit::DrawSkinButton(TBitmap& image, const TsfEditLayout& l) {
  TRect src;
  if (!Enabled() && !FSkin.UnEnabledButtonRect.IsEmpty())
    src = FSkin.UnEnabledButtonRect;
  else if (FButtonPressed && FButtonHot)
    src = FSkin.DownButtonRect;
  else if (FButtonHot)
    src = FSkin.ActiveButtonRect;
  if (src.IsEmpty() || l.Button.IsEmpty()) return;
  image.Canvas().CopyRect({l.Button.Left, l.Button.Top, l.Button.Left + src.Width(), l.Button.Top + src.Height()},
                          FSkin.Picture->Canvas(), src);
}

void TsfSkinCustomEdit::PaintFrame(TBitmap& image) {
  TsfEditLayout l = Layout();
  int w = Width(), h = Height();
  image.SetSize(w, h);
  if (!FSkinned) return DrawPlainFrame(image, l);
  const TRect& src = (FHot || Focused()) ? FSkin.Hot : FSkin.S;
  TBitmap frame;
  if (FUseSkinFont)
    CreateHThreePartImage(frame, *FSkin.Picture, src, FSkin.LeftFixed, FSkin.RightFixed, w, FSkin.StretchEffect);
  else
    RescaleKeepingBorder(frame, *FSkin.Picture, src, FSkin.Cl, w, h, false);
  image.Canvas().Draw(0, 0, frame);
  if (FButtonMode) DrawSkinButton(image, l);
}

void TsfSkinCustomEdit::PaintNonClient() {
  HWND wnd = HandleValue();
  TsfEditLayout l = Layout();
  TBitmap image;
  PaintFrame(image);
  TNonClientDC dc(wnd);
  if (!dc.Get()) return;
  ExcludeClipRect(dc.Get(), l.TextArea.Left, l.TextArea.Top, l.TextArea.Right, l.TextArea.Bottom);
  TCanvas canvas(dc.Get());
  canvas.Draw(0, 0, image);
  canvas.SetHandle(nullptr);
}

void TsfSkinCustomEdit::PaintDisabled() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(HandleValue(), &ps);
  RECT client;
  GetClientRect(HandleValue(), &client);
  if (HBRUSH brush = BackgroundBrush()) FillRect(dc, &client, brush);
  TCanvas c(dc);
  if (FSkinned && FUseSkinFont)
    AssignSkinFont(c.Font(), FSkin.FontName, FSkin.FontHeight, FSkin.FontStyle, FSkin.DisabledFontColor);
  else
    c.Font().Assign(FDefaultFont);
  c.Font().SetColor(FSkinned ? FSkin.DisabledFontColor : clGrayText);
  c.SetTransparentText(true);
  std::string text = Text();
  int tw = c.TextWidth(text), aw = client.right;
  int x = Alignment() == taRightJustify ? aw - tw - 1 : Alignment() == taCenter ? aw / 2 - tw / 2 : 2;
  c.TextRect({0, 0, client.right, client.bottom}, x, 0, text);
  c.SetHandle(nullptr);
  EndPaint(HandleValue(), &ps);
}

// ---- state --------------------------------------------------------------------------

void TsfSkinCustomEdit::FollowHotColour() {
  if (!FSkinned) return;
  Font().SetColor((FHot || Focused()) ? FSkin.ActiveFontColor : FSkin.FontColor);
  FBackground.Reset();
  RepaintAll();
}

void TsfSkinCustomEdit::MouseEnter() {
  FHot = true;
  FollowHotColour();
  TsfCustomEdit::MouseEnter();
}

void TsfSkinCustomEdit::MouseLeave() {
  FHot = false;
  FButtonHot = FButtonPressed = false;
  FollowHotColour();
  if (!FSkinned) RepaintAll();
  TsfCustomEdit::MouseLeave();
}

void TsfSkinCustomEdit::DoEnter() {
  TsfCustomEdit::DoEnter();
  FollowHotColour();
}

void TsfSkinCustomEdit::DoExit() {
  TsfCustomEdit::DoExit();
  FollowHotColour();
}

void TsfSkinCustomEdit::EnabledChanged() {
  TsfCustomEdit::EnabledChanged();
  RepaintAll();
}

void TsfSkinCustomEdit::SetButtonHot(bool value) {
  if (value == FButtonHot) return;
  FButtonHot = value;
  if (HandleAllocated()) RedrawWindow(HandleValue(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

TsfSkinData* TsfSkinCustomEdit::MenuSkinData() {
  TsfSkinData* data = TsfCustomEdit::MenuSkinData();
  return data ? data : SkinData();
}

// ---- messages -----------------------------------------------------------------------

bool TsfSkinCustomEdit::HandleNonClient(TMessage& m) {
  switch (m.Msg) {
    case WM_NCCALCSIZE: {
      TsfEditLayout l = Layout();
      auto* r = reinterpret_cast<RECT*>(m.LParam);  // the first rectangle either way
      int right = Width() - l.TextArea.Right, bottom = Height() - l.TextArea.Bottom;
      r->left += l.TextArea.Left;
      r->top += l.TextArea.Top;
      r->right -= right;
      r->bottom -= bottom;
      if (r->right < r->left) r->right = r->left;
      if (r->bottom < r->top) r->bottom = r->top;
      m.Result = 0;
      return true;
    }
    case WM_NCPAINT:
      PaintNonClient();
      m.Result = 0;
      return true;
    case WM_NCHITTEST: {
      if (!FButtonMode || IsDesigning()) return false;
      RECT w;
      GetWindowRect(HandleValue(), &w);
      TPoint p{static_cast<short>(LOWORD(m.LParam)) - w.left, static_cast<short>(HIWORD(m.LParam)) - w.top};
      TsfEditLayout l = Layout();
      if (l.Button.Contains(p))
        m.Result = kButtonCode;
      else if (!l.TextArea.Contains(p))
        m.Result = kFrameCode;
      else
        return false;
      return true;
    }
    case WM_NCMOUSEMOVE:
      SetButtonHot(m.WParam == kButtonCode);
      return m.WParam == kButtonCode || m.WParam == kFrameCode;
    case WM_NCLBUTTONDOWN: case WM_NCLBUTTONDBLCLK:
      if (m.WParam != kButtonCode) return m.WParam == kFrameCode;
      FButtonPressed = true;
      FButtonHot = true;
      RedrawWindow(HandleValue(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
      return true;
    case WM_NCLBUTTONUP:
      if (!FButtonPressed) return m.WParam == kButtonCode || m.WParam == kFrameCode;
      FButtonPressed = false;
      RedrawWindow(HandleValue(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
      if (!Focused() && CanFocus()) SetFocus();
      if (m.WParam == kButtonCode && OnButtonClick) OnButtonClick(this);
      return true;
  }
  return false;
}

void TsfSkinCustomEdit::WndProc(TMessage& m) {
  if (HandleAllocated() && HandleNonClient(m)) return;
  switch (m.Msg) {
    case WM_PAINT:
      if (!Enabled()) return PaintDisabled();
      break;
    case WM_MOUSEMOVE:
      SetButtonHot(false);
      break;
    case WM_SIZE:
      FBackground.Reset();
      break;
  }
  TsfCustomEdit::WndProc(m);
}
