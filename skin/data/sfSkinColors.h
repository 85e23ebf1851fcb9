#pragma once
// [SKINCOLORS]: the eight colours controls use where the skin has no picture.
#include "sfIniFile.h"
#include "ui/Types.h"

class TsfSkinColors {
 public:
  // 0 in all eight until SetDefaults or a read.
  TColor cbtnface = 0, cbtntext = 0, cwindow = 0, cwindowtext = 0, chighlight = 0,
         chighlighttext = 0, cbtnhighlight = 0, cbtnshadow = 0;

  // The system colours of the same meaning.
  void SetDefaults();
  // Missing keys give the system colours.
  void ReadDefinition(const TsfIniFile& ini);
  void WriteDefinition(TsfIniFile& ini) const;
};
