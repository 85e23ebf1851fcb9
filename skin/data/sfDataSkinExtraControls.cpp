#include "sfDataSkinExtraControls.h"

void TsfDataSkinSpinEditControl::Keys(TsfControlKeys& k) {
  TsfDataSkinCustomControl::Keys(k);
  k.Rect("activeskinrect", activeskinrect);
  k.Font("", fontname, fontheight, fontstyle, fontcolor);
  k.Color("activefontcolor", activefontcolor);
  k.Color("disabledfontcolor", disabledfontcolor);
  k.Rect("upbuttonrect", upbuttonrect);
  k.Rect("activeupbuttonrect", activeupbuttonrect);
  k.Rect("downupbuttonrect", downupbuttonrect);
  k.Rect("downbuttonrect", downbuttonrect);
  k.Rect("activedownbuttonrect", activedownbuttonrect);
  k.Rect("downdownbuttonrect", downdownbuttonrect);
}

void TsfDataSkinGaugeControl::Keys(TsfControlKeys& k) {
  TsfDataSkinCustomControl::Keys(k);
  k.Rect("progressarea", progressarea);
  k.Rect("progressrect", progressrect);
  k.Integer("beginoffset", beginoffset);
  k.Integer("endoffset", endoffset);
  k.Flag("vertical", vertical);
  k.Font("", fontname, fontheight, fontstyle, fontcolor);
  k.Flag("progresstransparent", progresstransparent);
  k.Color("progresstransparentcolor", progresstransparentcolor);
  k.Flag("progressstretch", progressstretch);
  k.Rect("animationskinrect", animationskinrect);
  k.Integer("animationcountframes", animationcountframes);
  k.Integer("animationtimerinterval", animationtimerinterval);
  k.Rect("progressanimationskinrect", progressanimationskinrect);
  k.Integer("progressanimationcountframes", progressanimationcountframes);
  k.Integer("progressanimationtimerinterval", progressanimationtimerinterval);
  k.Integer("animationbeginoffset", animationbeginoffset);
  k.Integer("animationendoffset", animationendoffset);
}

void TsfDataSkinTrackBarControl::Keys(TsfControlKeys& k) {
  TsfDataSkinCustomControl::Keys(k);
  k.Rect("activeskinrect", activeskinrect);
  k.Rect("trackarea", trackarea);
  k.Rect("buttonrect", buttonrect);
  k.Rect("activebuttonrect", activebuttonrect);
  k.Flag("vertical", vertical);
  k.Flag("buttontransparent", buttontransparent);
  k.Color("buttontransparentcolor", buttontransparentcolor);
}

void TsfDataSkinSplitterControl::Keys(TsfControlKeys& k) {
  TsfDataSkinCustomControl::Keys(k);
  k.Rect("gripperrect", gripperrect);
  k.Flag("grippertransparent", grippertransparent);
  k.Color("grippertransparentcolor", grippertransparentcolor);
}

void TsfDataSkinScrollBoxControl::Keys(TsfControlKeys& k) {
  TsfDataSkinCustomControl::Keys(k);
  k.Integer("bgpictureindex", bgpictureindex, -1);
}

namespace {

// A button image in its normal, hot and pressed states: `name`rect, `name`activerect,
// `name`downrect.
void ButtonStateKeys(TsfControlKeys& k, const std::string& name, TRect& normal, TRect& active,
                     TRect& down) {
  k.Rect(name + "rect", normal);
  k.Rect(name + "activerect", active);
  k.Rect(name + "downrect", down);
}

}  // namespace

void TsfDataSkinExPanelControl::Keys(TsfControlKeys& k) {
  TsfDataSkinCustomControl::Keys(k);
  k.Rect("rollhskinrect", rollhskinrect);
  k.Rect("rollvskinrect", rollvskinrect);
  k.Integer("rollleftoffset", rollleftoffset);
  k.Integer("rollrightoffset", rollrightoffset);
  k.Integer("rolltopoffset", rolltopoffset);
  k.Integer("rollbottomoffset", rollbottomoffset);
  k.Rect("rollvcaptionrect", rollvcaptionrect);
  k.Rect("rollhcaptionrect", rollhcaptionrect);
  ButtonStateKeys(k, "closebutton", closebuttonrect, closebuttonactiverect, closebuttondownrect);
  ButtonStateKeys(k, "hrollbutton", hrollbuttonrect, hrollbuttonactiverect, hrollbuttondownrect);
  ButtonStateKeys(k, "hrestorebutton", hrestorebuttonrect, hrestorebuttonactiverect,
                  hrestorebuttondownrect);
  ButtonStateKeys(k, "vrollbutton", vrollbuttonrect, vrollbuttonactiverect, vrollbuttondownrect);
  ButtonStateKeys(k, "vrestorebutton", vrestorebuttonrect, vrestorebuttonactiverect,
                  vrestorebuttondownrect);
  k.Rect("captionrect", captionrect);
  k.Font("", fontname, fontheight, fontstyle, fontcolor);
  k.Flag("buttonstransparent", buttonstransparent);
  k.Color("buttonstransparentcolor", buttonstransparentcolor);
}

void TsfDataSkinControlBar::Keys(TsfControlKeys& k) {
  TsfDataSkinCustomControl::Keys(k);
  k.Rect("itemrect", itemrect);
  k.Integer("bgpictureindex", bgpictureindex, -1);
  k.Rect("hgriprect", hgriprect);
  k.Rect("vgriprect", vgriprect);
  k.Integer("gripoffset1", gripoffset1);
  k.Integer("gripoffset2", gripoffset2);
  k.Flag("itemstretcheffect", itemstretcheffect);
  k.Integer("itemoffset1", itemoffset1, 3);
  k.Integer("itemoffset2", itemoffset2, 3);
  k.Flag("itemtransparent", itemtransparent);
  k.Color("itemtransparentcolor", itemtransparentcolor);
  k.Flag("griptransparent", griptransparent);
  k.Color("griptransparentcolor", griptransparentcolor);
}

void TsfDataSkinMainMenuBar::Keys(TsfControlKeys& k) {
  TsfDataSkinControl::Keys(k);
  k.Rect("itemsrect", itemsrect);
  k.Text("menubaritem", menubaritem);
  k.Text("closebutton", closebutton);
  k.Text("minbutton", minbutton);
  k.Text("maxbutton", maxbutton);
  k.Text("sysmenubutton", sysmenubutton);
  k.Color("trackmarkcolor", trackmarkcolor);
  k.Color("trackmarkactivecolor", trackmarkactivecolor);
  k.Flag("stretcheffect", stretcheffect);
  k.Flag("itemtransparent", itemtransparent);
}

void TsfDataSkinTabControl::Keys(TsfControlKeys& k) {
  TsfDataSkinControl::Keys(k);
  k.Rect("tabrect", tabrect);
  k.Rect("activetabrect", activetabrect);
  k.Rect("focustabrect", focustabrect);
  k.Rect("mouseintabrect", mouseintabrect);
  k.Rect("clientrect", clientrect);
  k.Integer("bgpictureindex", bgpictureindex, -1);
  k.Point("lefttoppoint", lefttoppoint);
  k.Point("righttoppoint", righttoppoint);
  k.Point("leftbottompoint", leftbottompoint);
  k.Point("rightbottompoint", rightbottompoint);
  k.Integer("tableftoffset", tableftoffset);
  k.Integer("tabrightoffset", tabrightoffset);
  k.Rect("tabsbgrect", tabsbgrect);
  k.Flag("tabstretcheffect", tabstretcheffect);
  k.Flag("leftstretch", leftstretch);
  k.Flag("topstretch", topstretch);
  k.Flag("rightstretch", rightstretch);
  k.Flag("bottomstretch", bottomstretch);
  k.Flag("stretcheffect", stretcheffect);
  k.StretchType("stretchtype", stretchtype);
  k.Font("", fontname, fontheight, fontstyle, fontcolor);
  k.Color("activefontcolor", activefontcolor);
  k.Color("focusfontcolor", focusfontcolor);
  k.Color("mouseinfontcolor", mouseinfontcolor);
  k.Text("updown", updown);
  k.Flag("showfocus", showfocus);
  k.Integer("focusoffsetx", focusoffsetx);
  k.Integer("focusoffsety", focusoffsety);
  ButtonStateKeys(k, "closebutton", closebuttonrect, closebuttonactiverect, closebuttondownrect);
  k.Flag("buttontransparent", buttontransparent);
  k.Color("buttontransparentcolor", buttontransparentcolor);
}

void TsfDataSkinGridControl::Keys(TsfControlKeys& k) {
  TsfDataSkinControl::Keys(k);
  k.Rect("fixedcellrect", fixedcellrect);
  k.Rect("selectcellrect", selectcellrect);
  k.Rect("focuscellrect", focuscellrect);
  k.Integer("fixedcellleftoffset", fixedcellleftoffset);
  k.Integer("fixedcellrightoffset", fixedcellrightoffset);
  k.Rect("fixedcelltextrect", fixedcelltextrect);
  k.Integer("cellleftoffset", cellleftoffset);
  k.Integer("cellrightoffset", cellrightoffset);
  k.Rect("celltextrect", celltextrect);
  k.Integer("bgpictureindex", bgpictureindex, -1);
  k.Color("linescolor", linescolor);
  k.Color("bgcolor", bgcolor);
  k.Font("", fontname, fontheight, fontstyle, fontcolor);
  k.Color("selectfontcolor", selectfontcolor);
  k.Color("focusfontcolor", focusfontcolor);
  k.Font("fixed", fixedfontname, fixedfontheight, fixedfontstyle, fixedfontcolor);
  k.Flag("cellstretcheffect", cellstretcheffect);
  k.Flag("fixedcellstretcheffect", fixedcellstretcheffect);
  k.Flag("showfocus", showfocus);
}

namespace {

template <class T>
void FontBgKeys(TsfControlKeys& k, T& c) {
  k.Font("", c.fontname, c.fontheight, c.fontstyle, c.fontcolor);
  k.Color("bgcolor", c.bgcolor);
}

}  // namespace

void TsfDataSkinTreeView::Keys(TsfControlKeys& k) {
  TsfDataSkinControl::Keys(k);
  FontBgKeys(k, *this);
}

void TsfDataSkinListView::Keys(TsfControlKeys& k) {
  TsfDataSkinControl::Keys(k);
  FontBgKeys(k, *this);
}

void TsfDataSkinRichEdit::Keys(TsfControlKeys& k) {
  TsfDataSkinControl::Keys(k);
  FontBgKeys(k, *this);
}

void TsfDataSkinBevel::Keys(TsfControlKeys& k) {
  TsfDataSkinControl::Keys(k);
  k.Color("lightcolor", lightcolor);
  k.Color("darkcolor", darkcolor);
}

void TsfDataSkinSlider::Keys(TsfControlKeys& k) {
  TsfDataSkinControl::Keys(k);
  k.Color("bgcolor", bgcolor);
  k.Rect("hrulerrect", hrulerrect);
  k.Rect("hthumbrect", hthumbrect);
  k.Rect("vrulerrect", vrulerrect);
  k.Rect("vthumbrect", vthumbrect);
  k.Integer("edgesize", edgesize);
  k.Color("pointscolor", pointscolor);
}
