#pragma once
// TCanvas: drawing on a device context it does not own, with its own font, brush and
// pen. Those are selected into the DC by the calls that need them, so a change made
// between two calls is picked up by the second.
#include <cstdint>
#include <string>
#include <vector>

#include "Brush.h"
#include "Exception.h"
#include "Font.h"
#include "Pen.h"

// <windows.h> maps DrawText and TextOut to DrawTextA/W and TextOutA/W with macros.
// Taken away here when it came first; the aliases at the end of TCanvas serve files
// that include it later.
#ifdef DrawText
#undef DrawText
#endif
#ifdef TextOut
#undef TextOut
#endif

class TBitmap;

// Drawing was asked of a canvas that has no device context.
class ECanvasError : public Exception {
  using Exception::Exception;
};

class TCanvas : public TObject {
 public:
  TCanvas();
  explicit TCanvas(HDC dc);
  ~TCanvas() override;

  HDC Handle() const { return FHandle; }
  // nullptr detaches; our objects are taken out of the previous DC first.
  void SetHandle(HDC dc);
  bool HandleAllocated() const { return FHandle != nullptr; }
  // Takes our font, brush and pen out of the DC; the next call selects them again.
  void Refresh();

  TFont& Font() { return FFont; }
  TBrush& Brush() { return FBrush; }
  TPen& Pen() { return FPen; }

  // With the brush; nothing for a clear brush.
  void FillRect(const TRect& rect);
  // A one-pixel frame just inside `rect`, in the brush's colour.
  void FrameRect(const TRect& rect);
  // Outlined with the pen and filled with the brush.
  void Rectangle(const TRect& rect);
  void Rectangle(int left, int top, int right, int bottom) {
    Rectangle(TRect(left, top, right, bottom));
  }
  void Ellipse(const TRect& rect);
  void MoveTo(int x, int y);
  // The end point is not drawn.
  void LineTo(int x, int y);
  TPoint PenPos() const;
  void Polyline(const std::vector<TPoint>& points);
  void Polygon(const std::vector<TPoint>& points);
  // An opaque brush gives text an opaque background in the brush's colour; a clear
  // brush, or SetTransparentText(true), leaves what is behind the glyphs.
  bool TransparentText() const { return FTransparentText; }
  void SetTransparentText(bool value) { FTransparentText = value; }

  // Text is code page 936.
  void TextOut(int x, int y, const std::string& text);
  // The text at (x, y), clipped to `rect`; an opaque brush fills `rect` first.
  void TextRect(const TRect& rect, int x, int y, const std::string& text);
  void TextRect(const TRect& rect, int x, int y, const std::wstring& text);
  // DrawTextW with the platform's DT_ flags; returns the text's height. With
  // DT_CALCRECT nothing is drawn and `rect` receives the measured size.
  int DrawText(const std::string& text, TRect& rect, unsigned flags);
  TPoint TextExtent(const std::string& text);
  int TextWidth(const std::string& text) { return TextExtent(text).x; }
  int TextHeight(const std::string& text) { return TextExtent(text).y; }

  // The whole bitmap at (x, y); a transparent bitmap leaves its transparent colour out.
  void Draw(int x, int y, const TBitmap& bitmap);
  void StretchDraw(const TRect& dest, const TBitmap& bitmap);
  // `src` of `source` scaled into `dest`.
  void CopyRect(const TRect& dest, TCanvas& source, const TRect& src);

  // SaveDC / RestoreDC: origin, clipping, colours and selections come back together.
  int SaveState();
  void RestoreState(int savedState);
  void IntersectClip(const TRect& rect);
  void ExcludeClip(const TRect& rect);
  // The bounding box of what may be drawn, in logical coordinates.
  TRect ClipRect() const;
  // The viewport origin: logical (0, 0) lands at `origin`. Returns the previous one.
  TPoint SetOrigin(TPoint origin);
  TPoint Origin() const;

  // 0x00BBGGRR; 0xFFFFFFFF where the platform cannot read (outside the clip on Windows).
  std::uint32_t Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor color);

  // For files that include <windows.h> after this header (see above).
  int DrawTextA(const std::string& text, TRect& rect, unsigned flags) {
    return DrawText(text, rect, flags);
  }
  int DrawTextW(const std::string& text, TRect& rect, unsigned flags) {
    return DrawText(text, rect, flags);
  }
  void TextOutA(int x, int y, const std::string& text) { TextOut(x, y, text); }
  void TextOutW(int x, int y, const std::string& text) { TextOut(x, y, text); }

 private:
  HDC RequireHandle() const;
  void RequireFont();
  void RequireBrush();
  void RequirePen();
  void PrepareText();
  void DeselectFont();
  void DeselectBrush();
  void DeselectPen();

  HDC FHandle = nullptr;
  TFont FFont;
  TBrush FBrush;
  TPen FPen;
  // Our handles as selected into FHandle, and what they replaced there.
  HFONT FSelectedFont = nullptr;
  HBRUSH FSelectedBrush = nullptr;
  HPEN FSelectedPen = nullptr;
  void* FOriginalFont = nullptr;
  void* FOriginalBrush = nullptr;
  void* FOriginalPen = nullptr;
  bool FTransparentText = false;
};
