// The looks of our three skins.
#include <string>

#include "SkinLook.h"
#include "SkinTone.h"
#include "ui/Exception.h"

namespace look {

namespace {

const TLook kLooks[] = {
    {"Tavoro Light", nullptr, 6, 3, 2.5, 84, 246, 68, 118, 558, 290, 117, Rgb(70, 78, 100)},
    {"Tavoro Night", tone::Night, 7, 4, 2.5, 76, 264, 68, 198, 558, 290, 256, Rgb(150, 156, 166)},
    {"Tavoro Paper", tone::Paper, 5, 5, 4, 84, 246, 68, 118, 558, 360, 256, Rgb(118, 110, 98)},
};

}  // namespace

const TLook& LookOf(const TsfIniFile& ini) {
  const std::string name = ini.ReadString("VERSION", "skinname", "");
  for (const TLook& look : kLooks)
    if (name == look.SkinName) return look;
  throw Exception("[VERSION] skinname=" + name + " names no look this generator draws");
}

}  // namespace look
