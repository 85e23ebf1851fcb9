#include <windows.h>

#include "sfItemText.h"

#include "skin/data/sfUtilsNinePart.h"
#include "ui/Bitmap.h"
#include "ui/Canvas.h"
#include "ui/CodePage.h"
#include "ui/Strings.h"

void DrawItemText(TCanvas& canvas, const TRect& clip, int x, const std::string& text) {
  if (clip.IsEmpty()) return;
  int y = clip.Top + (clip.Height() - canvas.TextHeight(text.empty() ? " " : text)) / 2;
  canvas.Brush().SetStyle(bsClear);
  canvas.TextRect(clip, x, y, text);
  canvas.Brush().SetStyle(bsSolid);
}

void DrawTabbedItemText(TCanvas& canvas, const TRect& clip, int x, const std::string& text,
                        const std::vector<int>& tabStops) {
  if (clip.IsEmpty()) return;
  int y = clip.Top + (clip.Height() - canvas.TextHeight(text.empty() ? " " : text)) / 2;
  HDC dc = canvas.Handle();
  if (!dc) return;
  std::wstring wide = AnsiToWide(text);
  std::vector<INT> stops(tabStops.begin(), tabStops.end());
  int saved = SaveDC(dc);
  IntersectClipRect(dc, clip.Left, clip.Top, clip.Right, clip.Bottom);
  SelectObject(dc, canvas.Font().Handle());
  SetTextColor(dc, ColorToRGB(canvas.Font().Color()));
  SetBkMode(dc, TRANSPARENT);
  TabbedTextOutW(dc, x, y, wide.c_str(), static_cast<int>(wide.size()),
                 static_cast<int>(stops.size()), stops.empty() ? nullptr : stops.data(), x);
  RestoreDC(dc, saved);
}

void DrawFocusRectangle(TCanvas& canvas, const TRect& r) {
  if (!canvas.Handle() || r.IsEmpty()) return;
  RECT rc{r.Left, r.Top, r.Right, r.Bottom};
  // The focus rectangle takes the text and background colours of the dc.
  int saved = SaveDC(canvas.Handle());
  SetTextColor(canvas.Handle(), RGB(0, 0, 0));
  SetBkColor(canvas.Handle(), RGB(255, 255, 255));
  DrawFocusRect(canvas.Handle(), &rc);
  RestoreDC(canvas.Handle(), saved);
}

std::vector<int> TabStopsFrom(const TStrings& widths) {
  std::vector<int> stops;
  for (int i = 0; i < widths.Count() && i < 10; ++i) {
    std::string text = widths[i];
    int value = 0;
    bool digits = !text.empty();
    for (char c : text) {
      if (c < '0' || c > '9') {
        digits = false;
        break;
      }
      if (value < 1000000) value = value * 10 + (c - '0');
    }
    stops.push_back(digits ? value : 0);
  }
  return stops;
}

void AssignSkinFont(TFont& font, const TsfSkinFont& skinFont) {
  font.SetName(skinFont.Name);
  font.SetHeight(skinFont.Height);
  font.SetStyle(TFontStyles::FromBits(skinFont.Style.Bits()));
  font.SetColor(skinFont.Color);
  font.SetCharset(skinFont.Charset);
}

TsfItemFaces::TsfItemFaces() = default;
TsfItemFaces::~TsfItemFaces() = default;

const TBitmap& TsfItemFaces::Face(const TBitmap& picture, const TRect& image, int leftOffset, int rightOffset,
                                  bool stretch, int width) {
  for (TEntry& e : FEntries)
    if (e.Face && e.Picture == &picture && e.Image == image && e.Left == leftOffset && e.Right == rightOffset &&
        e.Stretch == stretch && e.Width == width)
      return *e.Face;
  TEntry& e = FEntries[FNext];
  FNext = (FNext + 1) % 4;
  if (!e.Face) e.Face = std::make_unique<TBitmap>();
  CreateHThreePartImage(*e.Face, picture, image, leftOffset, rightOffset, width, stretch);
  e = {&picture, image, leftOffset, rightOffset, width, stretch, std::move(e.Face)};
  return *e.Face;
}

void TsfItemFaces::Clear() {
  for (TEntry& e : FEntries) e.Face.reset();
}
