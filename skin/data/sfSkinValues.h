#pragma once
// The value types of skin definitions: their syntax, their readers over a parsed
// definition text, and writers that produce the same syntax.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "sfIniFile.h"
#include "ui/Types.h"

enum TsfStretchType { stFull, stHorz, stVert };
enum TsfMorphKind { mkDefault, mkGradient, mkLeftGradient, mkRightGradient, mkLeftSlide,
                    mkRightSlide, mkPush };
enum TsfInactiveEffect { ieBrightness, ieDarkness, ieGrayScale, ieNoise, ieSplitBlur, ieInvert };
enum TsfStdCommand { cmClose, cmMaximize, cmMinimize, cmSysMenu, cmDefault, cmRollUp,
                     cmMinimizeToTray };

// Bit order as the framework's font styles, so the bits carry over unchanged.
enum class TsfFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TsfFontStyles = TSet<TsfFontStyle>;

// A skin font as the definitions give it; the framework's font is made from it.
struct TsfSkinFont {
  std::string Name = "Arial";  // code page 936
  int Height = 14;             // negative: character height, positive: cell height
  TsfFontStyles Style;
  TColor Color = 0;
  std::uint8_t Charset = 1;    // the platform's default character set
  friend bool operator==(const TsfSkinFont&, const TsfSkinFont&) = default;
};

// Four (or two) comma-separated pieces; everything in a piece that is no decimal
// digit is dropped ("-3" reads as 3). An empty piece, a piece out of range, and a
// value with more pieces than the type holds raise EConvertError
// ("'%s' is not a valid integer value").
TRect StrToRect(std::string_view value);
TPoint StrToPoint(std::string_view value);
std::string RectToStr(const TRect& r);
std::string PointToStr(const TPoint& p);

// Each style is set when its word occurs anywhere in the value.
TsfFontStyles StrToFontStyles(std::string_view value);
std::string FontStylesToStr(TsfFontStyles styles);
// "tacenter" and "taleftjustify"; every other value is right alignment.
TAlignment StrToAlignment(std::string_view value);
std::string AlignmentToStr(TAlignment value);
// "stfull" and "stvert"; every other value is horizontal.
TsfStretchType StrToStretchType(std::string_view value);
std::string StretchTypeToStr(TsfStretchType value);
// Unknown words give mkdefault.
TsfMorphKind StrToMorphKind(std::string_view value);
std::string MorphKindToStr(TsfMorphKind value);
// Unknown words give iegrayscale.
TsfInactiveEffect StrToInactiveEffect(std::string_view value);
std::string InactiveEffectToStr(TsfInactiveEffect value);
// Unknown words give cmminimizetotray.
TsfStdCommand StrToCommand(std::string_view value);
std::string CommandToStr(TsfStdCommand value);

// Readers: a missing key reads as the type's default text ("0,0,0,0", "0,0",
// "", "tacenter", "stfull", "mkdefault", "iebrightness", "cmdefault"); a key
// present with an empty value reads as the empty text.
TRect ReadRect(const TsfIniFile& ini, std::string_view section, std::string_view key);
TPoint ReadPoint(const TsfIniFile& ini, std::string_view section, std::string_view key);
TColor ReadColor(const TsfIniFile& ini, std::string_view section, std::string_view key,
                 TColor defaultValue = 0);
TsfFontStyles ReadFontStyle(const TsfIniFile& ini, std::string_view section, std::string_view key);
TAlignment ReadAlignment(const TsfIniFile& ini, std::string_view section, std::string_view key);
TsfStretchType ReadStretchType(const TsfIniFile& ini, std::string_view section,
                               std::string_view key);
TsfMorphKind ReadMorphKind(const TsfIniFile& ini, std::string_view section, std::string_view key);
TsfInactiveEffect ReadInactiveEffect(const TsfIniFile& ini, std::string_view section,
                                     std::string_view key);
TsfStdCommand ReadCommand(const TsfIniFile& ini, std::string_view section, std::string_view key);
// The name list of a numbered group: `group`+"count", then texts "0" .. count-1
// (missing ones empty). Counts beyond kMaxNumberedList are cut there.
constexpr int kMaxNumberedList = 65536;
std::vector<std::string> ReadNumberedList(const TsfIniFile& ini, std::string_view section,
                                          std::string_view group);

void WriteRect(TsfIniFile& ini, std::string_view section, std::string_view key, const TRect& r);
void WritePoint(TsfIniFile& ini, std::string_view section, std::string_view key, const TPoint& p);
void WriteColor(TsfIniFile& ini, std::string_view section, std::string_view key, TColor c);
void WriteFontStyle(TsfIniFile& ini, std::string_view section, std::string_view key,
                    TsfFontStyles s);
void WriteAlignment(TsfIniFile& ini, std::string_view section, std::string_view key, TAlignment a);
void WriteStretchType(TsfIniFile& ini, std::string_view section, std::string_view key,
                      TsfStretchType t);
void WriteMorphKind(TsfIniFile& ini, std::string_view section, std::string_view key,
                    TsfMorphKind k);
void WriteInactiveEffect(TsfIniFile& ini, std::string_view section, std::string_view key,
                         TsfInactiveEffect e);
void WriteCommand(TsfIniFile& ini, std::string_view section, std::string_view key,
                  TsfStdCommand c);
void WriteNumberedList(TsfIniFile& ini, std::string_view section, std::string_view group,
                       const std::vector<std::string>& names);
