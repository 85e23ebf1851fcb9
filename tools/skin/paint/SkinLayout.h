#pragma once
// Where the generator draws: the rectangles and points of skin.ini, read as the skin
// data reads them, so that the pictures always agree with the definition.
#include <string>
#include <string_view>

#include "skin/data/sfIniFile.h"
#include "skin/data/sfSkinValues.h"
#include "ui/Exception.h"

class TSkinLayout {
 public:
  explicit TSkinLayout(const TsfIniFile& ini) : FIni(ini) {}

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

 private:
  const TsfIniFile& FIni;
};
