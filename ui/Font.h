#pragma once
// TFont: the description of a font and its platform font, made when first needed.
#include <cstdint>
#include <string>

#include "GdiObject.h"
#include "GraphicsObject.h"

enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
constexpr auto fsBold = TFontStyle::fsBold;
constexpr auto fsItalic = TFontStyle::fsItalic;
constexpr auto fsUnderline = TFontStyle::fsUnderline;
constexpr auto fsStrikeOut = TFontStyle::fsStrikeOut;

enum TFontPitch { fpDefault, fpVariable, fpFixed };

// Character sets as the platform numbers them (LOGFONT lfCharSet).
using TFontCharset = std::uint8_t;
constexpr TFontCharset fcAnsiCharset = 0, fcDefaultCharset = 1, fcSymbolCharset = 2,
                       fcGB2312Charset = 134;

class TFont : public TGraphicsObject {
 public:
  TFont();

  // Copies every value of `source` (not its handle or OnChange); one OnChange at most.
  void Assign(const TFont& source);

  // Code page 936 text, as the font's face name.
  const std::string& Name() const { return FName; }
  void SetName(const std::string& value);
  // Negative: character height in pixels; positive: cell height.
  int Height() const { return FHeight; }
  void SetHeight(int value);
  // Points at 96 pixels per inch.
  int Size() const;
  void SetSize(int points);
  TColor Color() const { return FColor; }
  void SetColor(TColor value);
  TFontStyles Style() const { return FStyle; }
  void SetStyle(TFontStyles value);
  TFontCharset Charset() const { return FCharset; }
  void SetCharset(TFontCharset value);
  TFontPitch Pitch() const { return FPitch; }
  void SetPitch(TFontPitch value);
  // Escapement and orientation of the text, in tenths of a degree.
  int Orientation() const { return FOrientation; }
  void SetOrientation(int value);

  // The platform font for these values; owned and cached until the next change.
  HFONT Handle();
  // Whether the platform matched these values to an outline (TrueType) font.
  bool IsTrueType();

  friend bool operator==(const TFont& a, const TFont& b);

 protected:
  void FreeHandle() override { FHandle.Reset(); }
  bool HasHandle() const override { return static_cast<bool>(FHandle); }

 private:
  std::string FName;
  int FHeight;
  TColor FColor;
  TFontStyles FStyle;
  TFontCharset FCharset;
  TFontPitch FPitch = fpDefault;
  int FOrientation = 0;
  TFontHandle FHandle;
};
