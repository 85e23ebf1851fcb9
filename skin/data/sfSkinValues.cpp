#include "sfSkinValues.h"

#include <array>

#include "sfText.h"
#include "ui/Exception.h"

namespace {

[[noreturn]] void ConvertError(std::string_view piece) {
  throw EConvertError(Format("'%s' is not a valid integer value", std::string(piece).c_str()));
}

int PieceToInt(std::string_view piece) {
  std::string digits;
  for (char c : piece)
    if (c >= '0' && c <= '9') digits += c;
  int value = 0;
  if (digits.empty() || !sf::TryStrToInt(digits, value)) ConvertError(digits);
  return value;
}

// Cuts `value` into exactly N pieces. The last piece is the rest of the value, so
// a value with too many pieces leaves a comma in it and is rejected whole.
template <size_t N>
std::array<int, N> Pieces(std::string_view value) {
  std::array<int, N> out{};
  for (size_t i = 0; i < N; ++i) {
    size_t comma = i + 1 < N ? value.find(',') : std::string_view::npos;
    std::string_view piece = value.substr(0, comma);
    if (i + 1 == N && piece.find(',') != std::string_view::npos) ConvertError(piece);
    out[i] = PieceToInt(piece);
    value = comma == std::string_view::npos ? std::string_view() : value.substr(comma + 1);
  }
  return out;
}

template <class E, size_t N>
E TokenIndex(std::string_view value, const std::array<const char*, N>& tokens, E unknown) {
  for (size_t i = 0; i < N; ++i)
    if (value == tokens[i]) return static_cast<E>(i);
  return unknown;
}

constexpr std::array<const char*, 3> kStretchTypes = {"stfull", "sthorz", "stvert"};
constexpr std::array<const char*, 7> kMorphKinds = {
    "mkdefault", "mkgradient", "mkleftgradient", "mkrightgradient",
    "mkleftslide", "mkrightslide", "mkpush"};
constexpr std::array<const char*, 6> kInactiveEffects = {
    "iebrightness", "iedarkness", "iegrayscale", "ienoise", "iesplitblur", "ieinvert"};
constexpr std::array<const char*, 7> kCommands = {
    "cmclose", "cmmaximize", "cmminimize", "cmsysmenu", "cmdefault", "cmrollup",
    "cmminimizetotray"};
constexpr std::array<const char*, 4> kFontStyles = {"fsbold", "fsitalic", "fsunderline",
                                                    "fsstrikeout"};

template <size_t N>
std::string TokenName(int value, const std::array<const char*, N>& tokens) {
  return value >= 0 && static_cast<size_t>(value) < N ? tokens[static_cast<size_t>(value)] : "";
}

}  // namespace

TRect StrToRect(std::string_view value) {
  auto v = Pieces<4>(value);
  return {v[0], v[1], v[2], v[3]};
}

TPoint StrToPoint(std::string_view value) {
  auto v = Pieces<2>(value);
  return {v[0], v[1]};
}

std::string RectToStr(const TRect& r) {
  return Format("%d,%d,%d,%d", r.Left, r.Top, r.Right, r.Bottom);
}

std::string PointToStr(const TPoint& p) { return Format("%d,%d", p.x, p.y); }

TsfFontStyles StrToFontStyles(std::string_view value) {
  TsfFontStyles styles;
  for (size_t i = 0; i < kFontStyles.size(); ++i)
    if (value.find(kFontStyles[i]) != std::string_view::npos) styles << static_cast<TsfFontStyle>(i);
  return styles;
}

std::string FontStylesToStr(TsfFontStyles styles) {
  std::string out;
  for (size_t i = 0; i < kFontStyles.size(); ++i) {
    if (!styles.Contains(static_cast<TsfFontStyle>(i))) continue;
    if (!out.empty()) out += ',';
    out += kFontStyles[i];
  }
  return out;
}

TAlignment StrToAlignment(std::string_view value) {
  if (value == "tacenter") return taCenter;
  if (value == "taleftjustify") return taLeftJustify;
  return taRightJustify;
}

std::string AlignmentToStr(TAlignment value) {
  switch (value) {
    case taLeftJustify: return "taleftjustify";
    case taCenter: return "tacenter";
    default: return "tarightjustify";
  }
}

TsfStretchType StrToStretchType(std::string_view value) {
  if (value == "stfull") return stFull;
  if (value == "stvert") return stVert;
  return stHorz;
}

std::string StretchTypeToStr(TsfStretchType value) { return TokenName(value, kStretchTypes); }

TsfMorphKind StrToMorphKind(std::string_view value) {
  return TokenIndex(value, kMorphKinds, mkDefault);
}

std::string MorphKindToStr(TsfMorphKind value) { return TokenName(value, kMorphKinds); }

TsfInactiveEffect StrToInactiveEffect(std::string_view value) {
  return TokenIndex(value, kInactiveEffects, ieGrayScale);
}

std::string InactiveEffectToStr(TsfInactiveEffect value) {
  return TokenName(value, kInactiveEffects);
}

TsfStdCommand StrToCommand(std::string_view value) {
  return TokenIndex(value, kCommands, cmMinimizeToTray);
}

std::string CommandToStr(TsfStdCommand value) { return TokenName(value, kCommands); }

TRect ReadRect(const TsfIniFile& ini, std::string_view section, std::string_view key) {
  const std::string* v = ini.FindValue(section, key);
  return v ? StrToRect(*v) : TRect();
}

TPoint ReadPoint(const TsfIniFile& ini, std::string_view section, std::string_view key) {
  const std::string* v = ini.FindValue(section, key);
  return v ? StrToPoint(*v) : TPoint();
}

TColor ReadColor(const TsfIniFile& ini, std::string_view section, std::string_view key,
                 TColor defaultValue) {
  return ini.ReadInteger(section, key, defaultValue);
}

TsfFontStyles ReadFontStyle(const TsfIniFile& ini, std::string_view section,
                            std::string_view key) {
  return StrToFontStyles(ini.ReadString(section, key, ""));
}

TAlignment ReadAlignment(const TsfIniFile& ini, std::string_view section, std::string_view key) {
  return StrToAlignment(ini.ReadString(section, key, "tacenter"));
}

TsfStretchType ReadStretchType(const TsfIniFile& ini, std::string_view section,
                               std::string_view key) {
  return StrToStretchType(ini.ReadString(section, key, "stfull"));
}

TsfMorphKind ReadMorphKind(const TsfIniFile& ini, std::string_view section,
                           std::string_view key) {
  return StrToMorphKind(ini.ReadString(section, key, "mkdefault"));
}

TsfInactiveEffect ReadInactiveEffect(const TsfIniFile& ini, std::string_view section,
                                     std::string_view key) {
  return StrToInactiveEffect(ini.ReadString(section, key, "iebrightness"));
}

TsfStdCommand ReadCommand(const TsfIniFile& ini, std::string_view section,
                          std::string_view key) {
  return StrToCommand(ini.ReadString(section, key, "cmdefault"));
}

std::vector<std::string> ReadNumberedList(const TsfIniFile& ini, std::string_view section,
                                          std::string_view group) {
  int count = ini.ReadInteger(section, std::string(group) + "count", 0);
  if (count <= 0) return {};
  if (count > kMaxNumberedList) count = kMaxNumberedList;
  std::vector<std::string> names(static_cast<size_t>(count));
  for (auto& [index, value] : ini.ReadNumberedKeys(section, count))
    names[static_cast<size_t>(index)] = std::move(value);
  return names;
}

void WriteRect(TsfIniFile& ini, std::string_view section, std::string_view key, const TRect& r) {
  ini.WriteString(section, key, RectToStr(r));
}

void WritePoint(TsfIniFile& ini, std::string_view section, std::string_view key,
                const TPoint& p) {
  ini.WriteString(section, key, PointToStr(p));
}

void WriteColor(TsfIniFile& ini, std::string_view section, std::string_view key, TColor c) {
  ini.WriteInteger(section, key, c);
}

void WriteFontStyle(TsfIniFile& ini, std::string_view section, std::string_view key,
                    TsfFontStyles s) {
  ini.WriteString(section, key, FontStylesToStr(s));
}

void WriteAlignment(TsfIniFile& ini, std::string_view section, std::string_view key,
                    TAlignment a) {
  ini.WriteString(section, key, AlignmentToStr(a));
}

void WriteStretchType(TsfIniFile& ini, std::string_view section, std::string_view key,
                      TsfStretchType t) {
  ini.WriteString(section, key, StretchTypeToStr(t));
}

void WriteMorphKind(TsfIniFile& ini, std::string_view section, std::string_view key,
                    TsfMorphKind k) {
  ini.WriteString(section, key, MorphKindToStr(k));
}

void WriteInactiveEffect(TsfIniFile& ini, std::string_view section, std::string_view key,
                         TsfInactiveEffect e) {
  ini.WriteString(section, key, InactiveEffectToStr(e));
}

void WriteCommand(TsfIniFile& ini, std::string_view section, std::string_view key,
                  TsfStdCommand c) {
  ini.WriteString(section, key, CommandToStr(c));
}

void WriteNumberedList(TsfIniFile& ini, std::string_view section, std::string_view group,
                       const std::vector<std::string>& names) {
  ini.WriteInteger(section, std::string(group) + "count", static_cast<int>(names.size()));
  for (size_t i = 0; i < names.size(); ++i) ini.WriteString(section, std::to_string(i), names[i]);
}
