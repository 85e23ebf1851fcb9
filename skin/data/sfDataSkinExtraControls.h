#pragma once
// The control definitions of kinds that no control of the program draws. They are
// read all the same, so that a skin keeps every definition it carries and writes
// them back unchanged.
#include "sfDataSkinControl.h"

class TsfDataSkinSpinEditControl : public TsfDataSkinCustomControl {
 public:
  using TsfDataSkinCustomControl::TsfDataSkinCustomControl;

  TRect activeskinrect;
  std::string fontname = "Arial";
  int fontheight = 14;
  TsfFontStyles fontstyle;
  TColor fontcolor = 0, activefontcolor = 0, disabledfontcolor = 0;
  TRect upbuttonrect, activeupbuttonrect, downupbuttonrect;
  TRect downbuttonrect, activedownbuttonrect, downdownbuttonrect;

 protected:
  void Keys(TsfControlKeys& keys) override;
};

class TsfDataSkinGaugeControl : public TsfDataSkinCustomControl {
 public:
  using TsfDataSkinCustomControl::TsfDataSkinCustomControl;

  TRect progressarea, progressrect;
  int beginoffset = 0, endoffset = 0;
  bool vertical = false;
  std::string fontname = "Arial";
  int fontheight = 14;
  TsfFontStyles fontstyle;
  TColor fontcolor = 0;
  bool progresstransparent = false;
  TColor progresstransparentcolor = 0;
  bool progressstretch = false;
  TRect animationskinrect;
  int animationcountframes = 0, animationtimerinterval = 0;
  TRect progressanimationskinrect;
  int progressanimationcountframes = 0, progressanimationtimerinterval = 0;
  int animationbeginoffset = 0, animationendoffset = 0;

 protected:
  void Keys(TsfControlKeys& keys) override;
};

class TsfDataSkinTrackBarControl : public TsfDataSkinCustomControl {
 public:
  using TsfDataSkinCustomControl::TsfDataSkinCustomControl;

  TRect activeskinrect, trackarea, buttonrect, activebuttonrect;
  bool vertical = false;
  bool buttontransparent = false;
  TColor buttontransparentcolor = 0;

 protected:
  void Keys(TsfControlKeys& keys) override;
};

class TsfDataSkinSplitterControl : public TsfDataSkinCustomControl {
 public:
  using TsfDataSkinCustomControl::TsfDataSkinCustomControl;

  TRect gripperrect;
  bool grippertransparent = false;
  TColor grippertransparentcolor = 0;

 protected:
  void Keys(TsfControlKeys& keys) override;
};

class TsfDataSkinScrollBoxControl : public TsfDataSkinCustomControl {
 public:
  using TsfDataSkinCustomControl::TsfDataSkinCustomControl;

  int bgpictureindex = -1;

 protected:
  void Keys(TsfControlKeys& keys) override;
};

class TsfDataSkinExPanelControl : public TsfDataSkinCustomControl {
 public:
  using TsfDataSkinCustomControl::TsfDataSkinCustomControl;

  TRect rollhskinrect, rollvskinrect;
  int rollleftoffset = 0, rollrightoffset = 0, rolltopoffset = 0, rollbottomoffset = 0;
  TRect rollvcaptionrect, rollhcaptionrect;
  TRect closebuttonrect, closebuttonactiverect, closebuttondownrect;
  TRect hrollbuttonrect, hrollbuttonactiverect, hrollbuttondownrect;
  TRect hrestorebuttonrect, hrestorebuttonactiverect, hrestorebuttondownrect;
  TRect vrollbuttonrect, vrollbuttonactiverect, vrollbuttondownrect;
  TRect vrestorebuttonrect, vrestorebuttonactiverect, vrestorebuttondownrect;
  TRect captionrect;
  std::string fontname = "Arial";
  int fontheight = 14;
  TsfFontStyles fontstyle;
  TColor fontcolor = 0;
  bool buttonstransparent = false;
  TColor buttonstransparentcolor = 0;

 protected:
  void Keys(TsfControlKeys& keys) override;
};

class TsfDataSkinControlBar : public TsfDataSkinCustomControl {
 public:
  using TsfDataSkinCustomControl::TsfDataSkinCustomControl;

  TRect itemrect;
  int bgpictureindex = -1;
  TRect hgriprect, vgriprect;
  int gripoffset1 = 0, gripoffset2 = 0;
  bool itemstretcheffect = false;
  int itemoffset1 = 3, itemoffset2 = 3;
  bool itemtransparent = false;
  TColor itemtransparentcolor = 0;
  bool griptransparent = false;
  TColor griptransparentcolor = 0;

 protected:
  void Keys(TsfControlKeys& keys) override;
};

// Root keys only: the bar has no nine-part image of its own.
class TsfDataSkinMainMenuBar : public TsfDataSkinControl {
 public:
  using TsfDataSkinControl::TsfDataSkinControl;

  TRect itemsrect;
  // Names of skin objects.
  std::string menubaritem, closebutton, minbutton, maxbutton, sysmenubutton;
  TColor trackmarkcolor = 0, trackmarkactivecolor = 0;
  bool stretcheffect = false;
  bool itemtransparent = false;

 protected:
  void Keys(TsfControlKeys& keys) override;
};

// Under the root, with corner points of its own in its own reading order.
class TsfDataSkinTabControl : public TsfDataSkinControl {
 public:
  using TsfDataSkinControl::TsfDataSkinControl;

  TRect tabrect, activetabrect, focustabrect, mouseintabrect, clientrect;
  int bgpictureindex = -1;
  TPoint lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint;
  int tableftoffset = 0, tabrightoffset = 0;
  TRect tabsbgrect;
  bool tabstretcheffect = false;
  bool leftstretch = false, topstretch = false, rightstretch = false, bottomstretch = false;
  bool stretcheffect = false;
  TsfStretchType stretchtype = stFull;
  std::string fontname = "Arial";
  int fontheight = 14;
  TsfFontStyles fontstyle;
  TColor fontcolor = 0, activefontcolor = 0, focusfontcolor = 0, mouseinfontcolor = 0;
  std::string updown;
  bool showfocus = false;
  int focusoffsetx = 0, focusoffsety = 0;
  TRect closebuttonrect, closebuttonactiverect, closebuttondownrect;
  bool buttontransparent = false;
  TColor buttontransparentcolor = 0;

 protected:
  void Keys(TsfControlKeys& keys) override;
};

class TsfDataSkinGridControl : public TsfDataSkinControl {
 public:
  using TsfDataSkinControl::TsfDataSkinControl;

  TRect fixedcellrect, selectcellrect, focuscellrect;
  int fixedcellleftoffset = 0, fixedcellrightoffset = 0;
  TRect fixedcelltextrect;
  int cellleftoffset = 0, cellrightoffset = 0;
  TRect celltextrect;
  int bgpictureindex = -1;
  TColor linescolor = 0, bgcolor = 0;
  std::string fontname = "Arial";
  int fontheight = 14;
  TsfFontStyles fontstyle;
  TColor fontcolor = 0, selectfontcolor = 0, focusfontcolor = 0;
  std::string fixedfontname = "Arial";
  int fixedfontheight = 14;
  TsfFontStyles fixedfontstyle;
  TColor fixedfontcolor = 0;
  bool cellstretcheffect = false, fixedcellstretcheffect = false;
  bool showfocus = false;

 protected:
  void Keys(TsfControlKeys& keys) override;
};

class TsfDataSkinTreeView : public TsfDataSkinControl {
 public:
  using TsfDataSkinControl::TsfDataSkinControl;
  TsfSkinFont Font() const { return {fontname, fontheight, fontstyle, fontcolor}; }

  std::string fontname = "Arial";
  int fontheight = 14;
  TsfFontStyles fontstyle;
  TColor fontcolor = 0;
  TColor bgcolor = 0;

 protected:
  void Keys(TsfControlKeys& keys) override;
};

class TsfDataSkinListView : public TsfDataSkinControl {
 public:
  using TsfDataSkinControl::TsfDataSkinControl;
  TsfSkinFont Font() const { return {fontname, fontheight, fontstyle, fontcolor}; }

  std::string fontname = "Arial";
  int fontheight = 14;
  TsfFontStyles fontstyle;
  TColor fontcolor = 0;
  TColor bgcolor = 0;

 protected:
  void Keys(TsfControlKeys& keys) override;
};

class TsfDataSkinRichEdit : public TsfDataSkinControl {
 public:
  using TsfDataSkinControl::TsfDataSkinControl;
  TsfSkinFont Font() const { return {fontname, fontheight, fontstyle, fontcolor}; }

  std::string fontname = "Arial";
  int fontheight = 14;
  TsfFontStyles fontstyle;
  TColor fontcolor = 0;
  TColor bgcolor = 0;

 protected:
  void Keys(TsfControlKeys& keys) override;
};

class TsfDataSkinBevel : public TsfDataSkinControl {
 public:
  using TsfDataSkinControl::TsfDataSkinControl;

  TColor lightcolor = 0, darkcolor = 0;

 protected:
  void Keys(TsfControlKeys& keys) override;
};

class TsfDataSkinSlider : public TsfDataSkinControl {
 public:
  using TsfDataSkinControl::TsfDataSkinControl;

  TColor bgcolor = 0;
  TRect hrulerrect, hthumbrect, vrulerrect, vthumbrect;
  int edgesize = 0;
  TColor pointscolor = 0;

 protected:
  void Keys(TsfControlKeys& keys) override;
};
