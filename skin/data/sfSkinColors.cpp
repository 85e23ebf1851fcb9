#include "sfSkinColors.h"

#include "sfSkinValues.h"

namespace {
constexpr const char* kSkinColors = "SKINCOLORS";
}

void TsfSkinColors::SetDefaults() {
  cbtnface = clBtnFace;
  cbtntext = clBtnText;
  cwindow = clWindow;
  cwindowtext = clWindowText;
  chighlight = clHighlight;
  chighlighttext = clHighlightText;
  cbtnhighlight = clBtnHighlight;
  cbtnshadow = clBtnShadow;
}

void TsfSkinColors::ReadDefinition(const TsfIniFile& ini) {
  const char* s = kSkinColors;
  cbtnface = ReadColor(ini, s, "cbtnface", clBtnFace);
  cbtntext = ReadColor(ini, s, "cbtntext", clBtnText);
  cwindow = ReadColor(ini, s, "cwindow", clWindow);
  cwindowtext = ReadColor(ini, s, "cwindowtext", clWindowText);
  chighlight = ReadColor(ini, s, "chighlight", clHighlight);
  chighlighttext = ReadColor(ini, s, "chighlighttext", clHighlightText);
  cbtnhighlight = ReadColor(ini, s, "cbtnhighlight", clBtnHighlight);
  cbtnshadow = ReadColor(ini, s, "cbtnshadow", clBtnShadow);
}

void TsfSkinColors::WriteDefinition(TsfIniFile& ini) const {
  const char* s = kSkinColors;
  ini.EraseSection(s);
  WriteColor(ini, s, "cbtnface", cbtnface);
  WriteColor(ini, s, "cbtntext", cbtntext);
  WriteColor(ini, s, "cwindow", cwindow);
  WriteColor(ini, s, "cwindowtext", cwindowtext);
  WriteColor(ini, s, "chighlight", chighlight);
  WriteColor(ini, s, "chighlighttext", chighlighttext);
  WriteColor(ini, s, "cbtnhighlight", cbtnhighlight);
  WriteColor(ini, s, "cbtnshadow", cbtnshadow);
}
