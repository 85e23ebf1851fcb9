#include "sfSkinHintWindow.h"

#include <windows.h>

#include <algorithm>

#include "sfSkinHint.h"
#include "skin/controls/sfSkinPanel.h"  // AssignSkinFont
#include "skin/data/sfResourceStrData.h"
#include "skin/data/sfSkinData.h"
#include "skin/data/sfUtilsHelpers.h"
#include "skin/data/sfUtilsNinePart.h"
#include "ui/Application.h"
#include "ui/Bitmap.h"
#include "ui/Form.h"
#include "ui/Screen.h"

namespace {

constexpr unsigned kLineFlags = DT_LEFT | DT_SINGLELINE | DT_NOPREFIX;

}  // namespace

TRect MoveHintIntoWorkArea(TRect r, const TRect& wa) {
  if (r.Right > wa.Right) r = r.Offset(-(r.Width() + 2), 0);
  if (r.Bottom > wa.Bottom) r = r.Offset(0, -(r.Height() + 2));
  return r;
}

std::vector<std::string> SplitHintLines(const std::string& text, const std::string& separator) {
  std::vector<std::string> lines;
  if (separator.empty()) return {text};
  size_t from = 0;
  for (size_t at; (at = text.find(separator, from)) != std::string::npos; from = at + separator.size())
    lines.push_back(text.substr(from, at - from));
  lines.push_back(text.substr(from));
  return lines;
}

TsfSkinHintWindow::TsfSkinHintWindow(TComponent* AOwner) : THintWindow(AOwner) {}

TsfSkinHintWindow::~TsfSkinHintWindow() = default;

TsfSkinHint* TsfSkinHintWindow::SkinHint() const {
  if (auto* own = dynamic_cast<TsfSkinHint*>(Owner())) return own;
  return TsfSkinHint::FindActive();
}

void TsfSkinHintWindow::FindDefinition() {
  FDef = nullptr;
  FPicture = nullptr;
  TsfSkinHint* hint = SkinHint();
  TsfSkinData* data = hint ? hint->SkinData() : nullptr;
  if (!data || data->SkinEmpty() || data->HintWindow.windowpictureindex == -1) return;
  TBitmap* picture = data->ActivePictures(data->HintWindow.windowpictureindex);
  if (!picture || picture->Width() <= 0 || picture->Height() <= 0) return;
  FDef = &data->HintWindow;
  FPicture = picture;
  FGeometry = {FDef->lefttoppoint, FDef->righttoppoint, FDef->leftbottompoint,
               FDef->rightbottompoint, FDef->clientrect};
}

void TsfSkinHintWindow::Prepare() {
  FindDefinition();
  TsfSkinHint* hint = SkinHint();
  TsfSkinData* data = hint ? hint->SkinData() : nullptr;
  if (FDef && hint->UseSkinFont())
    AssignSkinFont(Font(), FDef->fontname, FDef->fontheight, FDef->fontstyle, FDef->fontcolor);
  else if (hint)
    Font().Assign(hint->DefaultFont());
  if (data && data->ResourceStrData())
    Font().SetCharset(static_cast<TFontCharset>(data->ResourceStrData()->CharSet));
  else if (hint)
    Font().SetCharset(hint->DefaultFont().Charset());
}

std::vector<std::string> TsfSkinHintWindow::Lines(const std::string& text) const {
  TsfSkinHint* hint = SkinHint();
  return SplitHintLines(text, hint ? hint->LineSeparator() : std::string("@"));
}

TRect TsfSkinHintWindow::CalcHintRect(int MaxWidth, const std::string& AHint, void* AData) {
  (void)AData;
  Prepare();
  TBitmap probe(1, 1);
  probe.Canvas().Font().Assign(Font());
  int w = 0, h = 0;
  for (const std::string& line : Lines(AHint)) {
    TRect r{0, 0, 0, 0};
    probe.Canvas().DrawText(line.empty() ? " " : line, r, kLineFlags | DT_CALCRECT);
    w = std::max(w, r.Width());
    h += r.Height();
  }
  if (MaxWidth > 0) w = std::min(w, MaxWidth);
  if (!FPicture) return {0, 0, w + 6, h + 4};
  const int pw = FPicture->Width(), ph = FPicture->Height();
  const TRect& cl = FGeometry.Cl;
  // Never smaller than the picture's corners.
  w = std::max(w + pw - cl.Width(), FGeometry.LT.x + pw - FGeometry.RT.x);
  h = std::max(h + ph - cl.Height(), FGeometry.LT.y + ph - FGeometry.LB.y);
  return {0, 0, w, h};
}

TRect TsfSkinHintWindow::WorkArea() const {
  HWND active = GetActiveWindow();
  if (dynamic_cast<TForm*>(TWinControl::FromHandle(active))) return GetWindowWorkArea(active);
  TForm* main = Application->MainForm();
  if (main && main->HandleAllocated() && IsWindowVisible(main->HandleValue()))
    return GetWindowWorkArea(main->HandleValue());
  return {0, 0, Screen->Width(), Screen->Height()};
}

void TsfSkinHintWindow::ActivateHint(TRect Rect, const std::string& AHint) {
  Prepare();
  SetCaption(AHint);
  Rect = MoveHintIntoWorkArea(Rect, WorkArea());
  SetBounds(Rect.Left, Rect.Top, Rect.Width(), Rect.Height());
  HWND wnd = Handle();
  TsfSkinHint* hint = SkinHint();
  const bool layered = hint && hint->AlphaBlend();
  const bool animate = layered && hint->AlphaBlendAnimation();
  const LONG_PTR ex = GetWindowLongPtrW(wnd, GWL_EXSTYLE);
  if (layered != ((ex & WS_EX_LAYERED) != 0)) {
    SetWindowLongPtrW(wnd, GWL_EXSTYLE, layered ? ex | WS_EX_LAYERED : ex & ~WS_EX_LAYERED);
    // A layered window without an alpha of its own is invisible: mark the alpha
    // unset so that it is given one below.
    FAlpha = layered ? -1 : 255;
  }
  if (animate) {
    FAlpha = 0;
    SetWindowAlpha(wnd, 0);
  } else if (layered && FAlpha != hint->AlphaBlendValue()) {
    FAlpha = hint->AlphaBlendValue();
    SetWindowAlpha(wnd, FAlpha);
  }
  ShowAt(Rect);
  if (animate) ApplyAlpha();
}

// Fades the window in: 20 more every time more than 3 ms have passed.
void TsfSkinHintWindow::ApplyAlpha() {
  HWND wnd = HandleValue();
  const int target = SkinHint() ? SkinHint()->AlphaBlendValue() : 255;
  DWORD last = GetTickCount();
  while (FAlpha < target) {
    if (GetTickCount() - last > 3) {
      FAlpha = std::min(FAlpha + 20, target);
      SetWindowAlpha(wnd, FAlpha);
      RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
      last = GetTickCount();
    } else {
      Sleep(1);
    }
  }
}

TRect TsfSkinHintWindow::TextRect() const {
  const int w = Width(), h = Height();
  if (!FPicture) return {2, 2, w - 4, h - 2};
  return ResizedGeometry(FGeometry, FPicture->Width(), FPicture->Height(), w, h).Cl;
}

void TsfSkinHintWindow::PaintTo(TBitmap& image) {
  // Looked up again: the skin may have changed, or gone, since the hint was shown.
  FindDefinition();
  const int w = Width(), h = Height();
  image.SetSize(w, h);
  TCanvas& c = image.Canvas();
  if (FPicture) {
    const int pw = FPicture->Width(), ph = FPicture->Height();
    // The centre is left to the background unless the skin stretches it: the
    // background is the picture's own colour in the middle of its client area.
    const TRect& cl = FGeometry.Cl;
    c.Brush().SetColor(static_cast<TColor>(FPicture->Canvas().Pixel((cl.Left + cl.Right) / 2,
                                                                    (cl.Top + cl.Bottom) / 2)));
    c.FillRect({0, 0, w, h});
    TsfNinePartOptions o{FDef->leftstretch, FDef->topstretch, FDef->rightstretch,
                         FDef->bottomstretch, FDef->stretcheffect, FDef->stretchtype};
    TsfNinePartGeometry ng = ResizedGeometry(FGeometry, pw, ph, w, h);
    CreateNinePartImageStretchOnly(image, *FPicture, {0, 0, pw, ph}, FGeometry, ng, w, h, o, true);
  } else {
    c.Brush().SetColor(Color());
    c.FillRect({0, 0, w, h});
    c.Brush().SetColor(clBtnShadow);
    c.FrameRect({0, 0, w, h});
  }
  c.Font().Assign(Font());
  c.SetTransparentText(true);
  TRect line = TextRect();
  for (const std::string& text : Lines(Caption())) {
    TRect r = line;
    c.DrawText(text, r, kLineFlags);
    line.Top += c.TextHeight(text.empty() ? " " : text);
  }
}

void TsfSkinHintWindow::Paint() {
  TBitmap image;
  PaintTo(image);
  Canvas().Draw(0, 0, image);
}
