#pragma once
// Where the generator draws: the rectangles and points of skin.ini, read as the skin
// data reads them, so that the pictures always agree with the definition; and the
// look the skin is drawn in.
#include <string>
#include <string_view>

#include "SkinLook.h"
#include "skin/data/sfIniFile.h"
#include "skin/data/sfSkinValues.h"
#include "ui/Exception.h"

class TSkinLayout {
 public:
  TSkinLayout(const TsfIniFile& ini, const look::TLook& look) : FIni(ini), FLook(look) {}

  // A rectangle that must be there: an empty one is an error in the definition.
  TRect Rect(std::string_view section, std::string_view key) const {
    TRect r = ReadRect(FIni, section, key);
    if (r.IsEmpty())
      throw Exception(Format("[%s] %s is empty, but the pictures draw there",
                             std::string(section).c_str(), std::string(key).c_str()));
    return r;
  }
  TPoint Point(std::string_view section, std::string_view key) const {
    return ReadPoint(FIni, section, key);
  }
  const TsfIniFile& Ini() const { return FIni; }
  const look::TLook& Look() const { return FLook; }
  // A canvas drawn in the skin's tone.
  TSkinCanvas Canvas(int width, int height, TRgb fill) const { return TSkinCanvas(width, height, fill, FLook.Tone); }

 private:
  const TsfIniFile& FIni;
  const look::TLook& FLook;
};
