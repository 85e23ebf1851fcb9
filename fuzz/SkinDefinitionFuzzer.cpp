// The INI parser and the definition readers over any text. Only the conversion error
// of a malformed rect or point may escape a read, and a definition that was read
// writes out to a text that reads without one.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "skin/data/sfSkinDefinition.h"
#include "skin/data/sfText.h"
#include "ui/Exception.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  TsfIniFile ini(text);
  TsfSkinDefinition def;
  try {
    def.ReadDefinition(ini);
  } catch (const EConvertError&) {
    return 0;
  }
  TsfIniFile out;
  def.WriteDefinition(out);
  TsfSkinDefinition back;
  try {
    back.ReadDefinition(TsfIniFile(out.Lines()));
  } catch (const EConvertError&) {
    std::abort();
  }
  // An object may be named like a form section and write over it.
  for (const auto& object : def.ObjectDefs)
    for (const char* section : {"FORMINFO", "SKINCOLORS", "PICTURES"})
      if (sf::SameText(object->IDName, section)) return 0;
  if (back.FormInfo.clientrect != def.FormInfo.clientrect ||
      back.SkinColors.cbtnface != def.SkinColors.cbtnface ||
      back.Pictures.activepictures != def.Pictures.activepictures)
    std::abort();
  return 0;
}
