// The INI parser and the definition readers (form sections, skin objects, control
// definitions) over any text. Only the conversion error
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
  // An object or control may be named like a form section or a list and write over it.
  auto clashes = [](const std::string& name) {
    for (const char* section : {"FORMINFO", "SKINCOLORS", "PICTURES", "SKINCONTROLS"})
      if (sf::SameText(name, section)) return true;
    return false;
  };
  for (const auto& object : def.ObjectDefs)
    if (clashes(object->IDName)) return 0;
  for (const auto& control : def.ControlDefs)
    if (clashes(control->IDName)) return 0;
  if (back.FormInfo.clientrect != def.FormInfo.clientrect ||
      back.SkinColors.cbtnface != def.SkinColors.cbtnface ||
      back.Pictures.activepictures != def.Pictures.activepictures)
    std::abort();
  // Definitions sharing a section read the same root keys, so those survive any clash
  // between two definitions.
  if (back.ControlDefs.size() != def.ControlDefs.size()) std::abort();
  for (size_t i = 0; i < def.ControlDefs.size(); ++i) {
    const TsfDataSkinControl& a = *def.ControlDefs[i];
    const TsfDataSkinControl& b = *back.ControlDefs[i];
    if (a.IDName != b.IDName || SkinControlKind(a) != SkinControlKind(b) ||
        a.skinrect != b.skinrect || a.pictureindex != b.pictureindex)
      std::abort();
  }
  return 0;
}
