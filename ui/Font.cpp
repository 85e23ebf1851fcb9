#include "Font.h"

#include <windows.h>

#include <algorithm>

#include "CodePage.h"
#include "Exception.h"

namespace {

constexpr int ScreenPixelsPerInch = 96;

BYTE PitchAndFamily(TFontPitch pitch) {
  switch (pitch) {
    case fpVariable:
      return VARIABLE_PITCH;
    case fpFixed:
      return FIXED_PITCH;
    default:
      return DEFAULT_PITCH;
  }
}

}  // namespace

TFont::TFont()
    : FName("MS Sans Serif"), FHeight(-11), FColor(clWindowText), FCharset(fcDefaultCharset) {}

void TFont::Assign(const TFont& source) {
  if (&source == this || source == *this) return;
  bool sameHandle = FName == source.FName && FHeight == source.FHeight && FStyle == source.FStyle &&
                    FCharset == source.FCharset && FPitch == source.FPitch &&
                    FOrientation == source.FOrientation;
  FName = source.FName;
  FHeight = source.FHeight;
  FColor = source.FColor;
  FStyle = source.FStyle;
  FCharset = source.FCharset;
  FPitch = source.FPitch;
  FOrientation = source.FOrientation;
  Changed(!sameHandle);
}

bool operator==(const TFont& a, const TFont& b) {
  return a.FName == b.FName && a.FHeight == b.FHeight && a.FColor == b.FColor &&
         a.FStyle == b.FStyle && a.FCharset == b.FCharset && a.FPitch == b.FPitch &&
         a.FOrientation == b.FOrientation;
}

void TFont::SetName(const std::string& value) {
  if (value == FName) return;
  FName = value;
  Changed();
}

void TFont::SetHeight(int value) {
  if (value == FHeight) return;
  FHeight = value;
  Changed();
}

int TFont::Size() const { return -MulDiv(FHeight, 72, ScreenPixelsPerInch); }

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, ScreenPixelsPerInch, 72)); }

void TFont::SetColor(TColor value) {
  if (value == FColor) return;
  FColor = value;
  Changed(false);
}

void TFont::SetStyle(TFontStyles value) {
  if (value == FStyle) return;
  FStyle = value;
  Changed();
}

void TFont::SetCharset(TFontCharset value) {
  if (value == FCharset) return;
  FCharset = value;
  Changed();
}

void TFont::SetPitch(TFontPitch value) {
  if (value == FPitch) return;
  FPitch = value;
  Changed();
}

void TFont::SetOrientation(int value) {
  if (value == FOrientation) return;
  FOrientation = value;
  Changed();
}

HFONT TFont::Handle() {
  if (FHandle) return FHandle.Get();
  LOGFONTW lf{};
  lf.lfHeight = FHeight;
  lf.lfEscapement = FOrientation;
  lf.lfOrientation = FOrientation;
  lf.lfWeight = FStyle.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = FStyle.Contains(fsItalic);
  lf.lfUnderline = FStyle.Contains(fsUnderline);
  lf.lfStrikeOut = FStyle.Contains(fsStrikeOut);
  lf.lfCharSet = FCharset;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = PitchAndFamily(FPitch);
  std::wstring face = AnsiToWide(FName);
  size_t n = std::min(face.size(), static_cast<size_t>(LF_FACESIZE - 1));
  std::copy_n(face.begin(), n, lf.lfFaceName);
  FHandle.Reset(CreateFontIndirectW(&lf));
  if (!FHandle) throw EOSError(Format("The font \"%s\" could not be created", FName.c_str()));
  return FHandle.Get();
}

bool TFont::IsTrueType() {
  TMemoryDC dc;
  HGDIOBJ previous = SelectObject(dc.Get(), Handle());
  TEXTMETRICW tm{};
  bool ok = GetTextMetricsW(dc.Get(), &tm);
  SelectObject(dc.Get(), previous);
  return ok && (tm.tmPitchAndFamily & TMPF_TRUETYPE) != 0;
}
