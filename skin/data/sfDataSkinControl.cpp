#include "sfDataSkinControl.h"

#include <string>

void TsfControlKeys::Font(std::string_view prefix, std::string& name, int& height,
                          TsfFontStyles& style, TColor& color) {
  const std::string p(prefix);
  Text(p + "fontname", name, "Arial");
  Integer(p + "fontheight", height, 14);
  FontStyle(p + "fontstyle", style);
  Color(p + "fontcolor", color);
}

namespace {

class TKeyReader : public TsfControlKeys {
 public:
  TKeyReader(const TsfIniFile& ini, const std::string& section) : FIni(ini), FSection(section) {}
  void Integer(std::string_view key, int& value, int defaultValue) override {
    value = FIni.ReadInteger(FSection, key, defaultValue);
  }
  void Color(std::string_view key, TColor& value, TColor defaultValue) override {
    value = ReadColor(FIni, FSection, key, defaultValue);
  }
  void Flag(std::string_view key, bool& value) override {
    value = FIni.ReadBool(FSection, key, false);
  }
  void Text(std::string_view key, std::string& value, std::string_view defaultValue) override {
    value = FIni.ReadString(FSection, key, defaultValue);
  }
  void Rect(std::string_view key, TRect& value) override { value = ReadRect(FIni, FSection, key); }
  void Point(std::string_view key, TPoint& value) override {
    value = ReadPoint(FIni, FSection, key);
  }
  void FontStyle(std::string_view key, TsfFontStyles& value) override {
    value = ReadFontStyle(FIni, FSection, key);
  }
  void Alignment(std::string_view key, TAlignment& value) override {
    value = ReadAlignment(FIni, FSection, key);
  }
  void StretchType(std::string_view key, TsfStretchType& value) override {
    value = ReadStretchType(FIni, FSection, key);
  }
  void MorphKind(std::string_view key, TsfMorphKind& value) override {
    value = ReadMorphKind(FIni, FSection, key);
  }

 private:
  const TsfIniFile& FIni;
  const std::string& FSection;
};

class TKeyWriter : public TsfControlKeys {
 public:
  TKeyWriter(TsfIniFile& ini, const std::string& section) : FIni(ini), FSection(section) {}
  void Integer(std::string_view key, int& value, int) override {
    FIni.WriteInteger(FSection, key, value);
  }
  void Color(std::string_view key, TColor& value, TColor) override {
    WriteColor(FIni, FSection, key, value);
  }
  void Flag(std::string_view key, bool& value) override { FIni.WriteBool(FSection, key, value); }
  void Text(std::string_view key, std::string& value, std::string_view) override {
    FIni.WriteString(FSection, key, value);
  }
  void Rect(std::string_view key, TRect& value) override { WriteRect(FIni, FSection, key, value); }
  void Point(std::string_view key, TPoint& value) override {
    WritePoint(FIni, FSection, key, value);
  }
  void FontStyle(std::string_view key, TsfFontStyles& value) override {
    WriteFontStyle(FIni, FSection, key, value);
  }
  void Alignment(std::string_view key, TAlignment& value) override {
    WriteAlignment(FIni, FSection, key, value);
  }
  void StretchType(std::string_view key, TsfStretchType& value) override {
    WriteStretchType(FIni, FSection, key, value);
  }
  void MorphKind(std::string_view key, TsfMorphKind& value) override {
    WriteMorphKind(FIni, FSection, key, value);
  }

 private:
  TsfIniFile& FIni;
  const std::string& FSection;
};

}  // namespace

void TsfDataSkinControl::ReadDefinition(const TsfIniFile& ini) {
  TKeyReader reader(ini, IDName);
  Keys(reader);
}

void TsfDataSkinControl::WriteDefinition(TsfIniFile& ini) const {
  ini.EraseSection(IDName);
  // The writer only reads the fields; Keys takes them by reference so that one key
  // list serves both directions.
  const std::string section = IDName;
  TKeyWriter writer(ini, section);
  const_cast<TsfDataSkinControl*>(this)->Keys(writer);
}

void TsfDataSkinControl::Keys(TsfControlKeys& k) {
  k.Integer("pictureindex", pictureindex, -1);
  k.Integer("maskpictureindex", maskpictureindex, -1);
  k.Rect("skinrect", skinrect);
}

void TsfDataSkinCustomControl::Keys(TsfControlKeys& k) {
  TsfDataSkinControl::Keys(k);
  k.Point("lefttoppoint", lefttoppoint);
  k.Point("righttoppoint", righttoppoint);
  k.Point("leftbottompoint", leftbottompoint);
  k.Point("rightbottompoint", rightbottompoint);
  k.Rect("clientrect", clientrect);
  k.Flag("leftstretch", leftstretch);
  k.Flag("topstretch", topstretch);
  k.Flag("rightstretch", rightstretch);
  k.Flag("bottomstretch", bottomstretch);
  k.Flag("stretcheffect", stretcheffect);
  k.StretchType("stretchtype", stretchtype);
}

void TsfDataSkinPanelControl::Keys(TsfControlKeys& k) {
  TsfDataSkinCustomControl::Keys(k);
  k.Integer("bgpictureindex", bgpictureindex, -1);
  k.Rect("captionrect", captionrect);
  k.Alignment("alignment", alignment);
  k.Font("", fontname, fontheight, fontstyle, fontcolor);
  k.Rect("checkimagerect", checkimagerect);
  k.Rect("uncheckimagerect", uncheckimagerect);
  k.Rect("markframerect", markframerect);
  k.Rect("framerect", framerect);
  k.Rect("frametextrect", frametextrect);
  k.Integer("frameleftoffset", frameleftoffset);
  k.Integer("framerightoffset", framerightoffset);
  k.Rect("gripperrect", gripperrect);
  k.Flag("grippertransparent", grippertransparent);
  k.Color("grippertransparentcolor", grippertransparentcolor);
}

void TsfDataSkinButtonControl::Keys(TsfControlKeys& k) {
  TsfDataSkinCustomControl::Keys(k);
  k.Font("", fontname, fontheight, fontstyle, fontcolor);
  k.Color("activefontcolor", activefontcolor);
  k.Color("downfontcolor", downfontcolor);
  k.Color("disabledfontcolor", disabledfontcolor);
  k.Rect("activeskinrect", activeskinrect);
  k.Rect("downskinrect", downskinrect);
  k.Rect("focusedskinrect", focusedskinrect);
  k.Rect("disabledskinrect", disabledskinrect);
  k.Flag("morphing", morphing);
  k.MorphKind("morphkind", morphkind);
  k.Rect("animateskinrect", animateskinrect);
  k.Integer("framecount", framecount);
  k.Integer("animateinterval", animateinterval, 25);
  k.Flag("showfocus", showfocus);
  k.Rect("menumarkerflatrect", menumarkerflatrect);
  k.Rect("menumarkerrect", menumarkerrect);
  k.Rect("menumarkeractiverect", menumarkeractiverect);
  k.Rect("menumarkerdownrect", menumarkerdownrect);
  k.Color("menumarkertransparentcolor", menumarkertransparentcolor);
}

void TsfDataSkinMenuButtonControl::Keys(TsfControlKeys& k) {
  TsfDataSkinButtonControl::Keys(k);
  k.Rect("trackbuttonrect", trackbuttonrect);
}

namespace {

// The place, hot image and pressed image of an up and a down button.
void UpDownButtonKeys(TsfControlKeys& k, TRect& up, TRect& activeUp, TRect& downUp,
                      TRect& down, TRect& activeDown, TRect& downDown) {
  k.Rect("upbuttonrect", up);
  k.Rect("activeupbuttonrect", activeUp);
  k.Rect("downupbuttonrect", downUp);
  k.Rect("downbuttonrect", down);
  k.Rect("activedownbuttonrect", activeDown);
  k.Rect("downdownbuttonrect", downDown);
}

}  // namespace

void TsfDataSkinListBox::Keys(TsfControlKeys& k) {
  TsfDataSkinCustomControl::Keys(k);
  k.Rect("itemrect", itemrect);
  k.Rect("activeitemrect", activeitemrect);
  k.Rect("focusitemrect", focusitemrect);
  k.Integer("itemleftoffset", itemleftoffset);
  k.Integer("itemrightoffset", itemrightoffset);
  k.Rect("itemtextrect", itemtextrect);
  k.Font("", fontname, fontheight, fontstyle, fontcolor);
  k.Color("activefontcolor", activefontcolor);
  k.Color("focusfontcolor", focusfontcolor);
  k.Rect("captionrect", captionrect);
  k.Font("caption", captionfontname, captionfontheight, captionfontstyle, captionfontcolor);
  UpDownButtonKeys(k, upbuttonrect, activeupbuttonrect, downupbuttonrect, downbuttonrect,
                   activedownbuttonrect, downdownbuttonrect);
  k.Rect("checkbuttonrect", checkbuttonrect);
  k.Rect("activecheckbuttonrect", activecheckbuttonrect);
  k.Rect("downcheckbuttonrect", downcheckbuttonrect);
  k.Text("vscrollbarname", vscrollbarname, "vscrollbar");
  k.Text("hscrollbarname", hscrollbarname, "hscrollbar");
  k.Text("bothhscrollbarname", bothhscrollbarname, "bothhscrollbar");
  k.Flag("showfocus", showfocus);
}

void TsfDataSkinCheckListBox::Keys(TsfControlKeys& k) {
  TsfDataSkinListBox::Keys(k);
  k.Rect("itemcheckrect", itemcheckrect);
  k.Rect("checkimagerect", checkimagerect);
  k.Rect("uncheckimagerect", uncheckimagerect);
}

void TsfDataSkinComboBox::Keys(TsfControlKeys& k) {
  TsfDataSkinCustomControl::Keys(k);
  k.Rect("activeskinrect", activeskinrect);
  k.Rect("itemrect", itemrect);
  k.Rect("activeitemrect", activeitemrect);
  k.Rect("focusitemrect", focusitemrect);
  k.Integer("itemleftoffset", itemleftoffset);
  k.Integer("itemrightoffset", itemrightoffset);
  k.Rect("itemtextrect", itemtextrect);
  k.Font("", fontname, fontheight, fontstyle, fontcolor);
  k.Color("focusfontcolor", focusfontcolor);
  k.Color("activefontcolor", activefontcolor);
  k.Text("listboxname", listboxname);
  k.Rect("buttonrect", buttonrect);
  k.Rect("activebuttonrect", activebuttonrect);
  k.Rect("downbuttonrect", downbuttonrect);
  k.Rect("unenabledbuttonrect", unenabledbuttonrect);
  k.Flag("itemstretcheffect", itemstretcheffect);
  k.Flag("focusitemstretcheffect", focusitemstretcheffect);
  k.Flag("showfocus", showfocus);
}

void TsfDataSkinScrollBarControl::Keys(TsfControlKeys& k) {
  TsfDataSkinCustomControl::Keys(k);
  k.Rect("trackarea", trackarea);
  UpDownButtonKeys(k, upbuttonrect, activeupbuttonrect, downupbuttonrect, downbuttonrect,
                   activedownbuttonrect, downdownbuttonrect);
  k.Rect("thumbrect", thumbrect);
  k.Rect("activethumbrect", activethumbrect);
  k.Rect("downthumbrect", downthumbrect);
  k.Integer("thumboffset1", thumboffset1);
  k.Integer("thumboffset2", thumboffset2);
  k.Flag("thumbtransparent", thumbtransparent);
  k.Color("thumbtransparentcolor", thumbtransparentcolor);
  k.Flag("thumbstretcheffect", thumbstretcheffect);
  k.Integer("thumbminsize", thumbminsize);
  k.Integer("thumbminpagesize", thumbminpagesize);
  k.Rect("glyphrect", glyphrect);
  k.Rect("activeglyphrect", activeglyphrect);
  k.Rect("downglyphrect", downglyphrect);
  k.Flag("glyphtransparent", glyphtransparent);
  k.Color("glyphtransparentcolor", glyphtransparentcolor);
}

void TsfDataSkinEditControl::Keys(TsfControlKeys& k) {
  TsfDataSkinCustomControl::Keys(k);
  k.Rect("activeskinrect", activeskinrect);
  k.Font("", fontname, fontheight, fontstyle, fontcolor);
  k.Color("disabledfontcolor", disabledfontcolor);
  k.Color("activefontcolor", activefontcolor);
  k.Rect("buttonrect", buttonrect);
  k.Rect("activebuttonrect", activebuttonrect);
  k.Rect("downbuttonrect", downbuttonrect);
  k.Rect("unenabledbuttonrect", unenabledbuttonrect);
}

void TsfDataSkinMemoControl::Keys(TsfControlKeys& k) {
  TsfDataSkinEditControl::Keys(k);
  k.Color("bgcolor", bgcolor);
  k.Color("activebgcolor", activebgcolor);
}

void TsfDataSkinStdLabelControl::Keys(TsfControlKeys& k) {
  TsfDataSkinControl::Keys(k);
  k.Font("", fontname, fontheight, fontstyle, fontcolor);
  k.Color("activefontcolor", activefontcolor, 16711680);
}

void TsfDataSkinLabelControl::Keys(TsfControlKeys& k) {
  TsfDataSkinCustomControl::Keys(k);
  k.Font("", fontname, fontheight, fontstyle, fontcolor);
}

void TsfDataSkinCheckRadioControl::Keys(TsfControlKeys& k) {
  TsfDataSkinCustomControl::Keys(k);
  k.Font("", fontname, fontheight, fontstyle, fontcolor);
  k.Color("activefontcolor", activefontcolor);
  k.Color("unenabledfontcolor", unenabledfontcolor);
  k.Color("framefontcolor", framefontcolor);
  k.Rect("activeskinrect", activeskinrect);
  k.Rect("checkimagearea", checkimagearea);
  k.Rect("textarea", textarea);
  k.Rect("checkimagerect", checkimagerect);
  k.Rect("uncheckimagerect", uncheckimagerect);
  k.Rect("activecheckimagerect", activecheckimagerect);
  k.Rect("activeuncheckimagerect", activeuncheckimagerect);
  k.Rect("unenabledcheckimagerect", unenabledcheckimagerect);
  k.Rect("unenableduncheckimagerect", unenableduncheckimagerect);
  k.Rect("grayedcheckimagerect", grayedcheckimagerect);
  k.Rect("activegrayedcheckimagerect", activegrayedcheckimagerect);
  k.Flag("morphing", morphing);
  k.MorphKind("morphkind", morphkind);
}

void TsfDataSkinUpDownControl::ReadDefinition(const TsfIniFile& ini) {
  TsfDataSkinCustomControl::ReadDefinition(ini);
  lefttoppoint = righttoppoint = leftbottompoint = rightbottompoint = TPoint{};
  clientrect = TRect{};
}

void TsfDataSkinUpDownControl::Keys(TsfControlKeys& k) {
  TsfDataSkinCustomControl::Keys(k);
  UpDownButtonKeys(k, upbuttonrect, activeupbuttonrect, downupbuttonrect, downbuttonrect,
                   activedownbuttonrect, downdownbuttonrect);
}
