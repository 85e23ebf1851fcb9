#pragma once
// Control definitions: the named looks listed in [SKINCONTROLS] (tool panel, button,
// list box, scroll bar, ...). Each reads its own section, named after its IDName; a
// subclass reads its parent's keys first, then its own. Fields are named after the
// keys. The kinds no control of the program draws are in sfDataSkinExtraControls.h.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "sfIniFile.h"
#include "sfSkinValues.h"
#include "ui/Types.h"

// The keys of a definition in reading order. Reading and writing walk the same list,
// so the two can never disagree about a key's name or type.
class TsfControlKeys {
 public:
  virtual ~TsfControlKeys() = default;
  virtual void Integer(std::string_view key, int& value, int defaultValue = 0) = 0;
  virtual void Color(std::string_view key, TColor& value, TColor defaultValue = 0) = 0;
  virtual void Flag(std::string_view key, bool& value) = 0;
  virtual void Text(std::string_view key, std::string& value, std::string_view defaultValue = "") = 0;
  virtual void Rect(std::string_view key, TRect& value) = 0;
  virtual void Point(std::string_view key, TPoint& value) = 0;
  virtual void FontStyle(std::string_view key, TsfFontStyles& value) = 0;
  virtual void Alignment(std::string_view key, TAlignment& value) = 0;
  virtual void StretchType(std::string_view key, TsfStretchType& value) = 0;
  virtual void MorphKind(std::string_view key, TsfMorphKind& value) = 0;

  // `prefix`fontname ("Arial"), `prefix`fontheight (14), `prefix`fontstyle, and
  // `prefix`fontcolor (0), in that order.
  void Font(std::string_view prefix, std::string& name, int& height, TsfFontStyles& style,
            TColor& color);
};

class TsfDataSkinControl {
 public:
  explicit TsfDataSkinControl(std::string name) : IDName(std::move(name)) {}
  virtual ~TsfDataSkinControl() = default;

  // A missing key gives its default; a malformed rect or point raises EConvertError.
  virtual void ReadDefinition(const TsfIniFile& ini);
  // Erases the section, then writes every key back.
  virtual void WriteDefinition(TsfIniFile& ini) const;

  std::string IDName;
  int pictureindex = -1;
  int maskpictureindex = -1;
  TRect skinrect;

 protected:
  // Visits the keys of the class, the parent's first.
  virtual void Keys(TsfControlKeys& keys);
};

// A rectangular skin image cut into nine parts by its four inner corner points.
class TsfDataSkinCustomControl : public TsfDataSkinControl {
 public:
  using TsfDataSkinControl::TsfDataSkinControl;

  TPoint lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint;
  TRect clientrect;
  bool leftstretch = false, topstretch = false, rightstretch = false, bottomstretch = false;
  bool stretcheffect = false;
  TsfStretchType stretchtype = stFull;

 protected:
  void Keys(TsfControlKeys& keys) override;
};

class TsfDataSkinPanelControl : public TsfDataSkinCustomControl {
 public:
  using TsfDataSkinCustomControl::TsfDataSkinCustomControl;
  TsfSkinFont Font() const { return {fontname, fontheight, fontstyle, fontcolor}; }

  int bgpictureindex = -1;
  TRect captionrect;
  TAlignment alignment = taCenter;
  std::string fontname = "Arial";
  int fontheight = 14;
  TsfFontStyles fontstyle;
  TColor fontcolor = 0;
  TRect checkimagerect, uncheckimagerect;
  TRect markframerect;
  TRect framerect, frametextrect;
  int frameleftoffset = 0, framerightoffset = 0;
  TRect gripperrect;
  bool grippertransparent = false;
  TColor grippertransparentcolor = 0;

 protected:
  void Keys(TsfControlKeys& keys) override;
};

class TsfDataSkinButtonControl : public TsfDataSkinCustomControl {
 public:
  using TsfDataSkinCustomControl::TsfDataSkinCustomControl;
  TsfSkinFont Font() const { return {fontname, fontheight, fontstyle, fontcolor}; }

  std::string fontname = "Arial";
  int fontheight = 14;
  TsfFontStyles fontstyle;
  TColor fontcolor = 0, activefontcolor = 0, downfontcolor = 0, disabledfontcolor = 0;
  TRect activeskinrect, downskinrect, focusedskinrect, disabledskinrect;
  bool morphing = false;
  TsfMorphKind morphkind = mkDefault;
  TRect animateskinrect;
  int framecount = 0;
  int animateinterval = 25;  // milliseconds per frame
  bool showfocus = false;
  TRect menumarkerflatrect, menumarkerrect, menumarkeractiverect, menumarkerdownrect;
  TColor menumarkertransparentcolor = 0;

 protected:
  void Keys(TsfControlKeys& keys) override;
};

class TsfDataSkinMenuButtonControl : public TsfDataSkinButtonControl {
 public:
  using TsfDataSkinButtonControl::TsfDataSkinButtonControl;

  TRect trackbuttonrect;

 protected:
  void Keys(TsfControlKeys& keys) override;
};

class TsfDataSkinListBox : public TsfDataSkinCustomControl {
 public:
  using TsfDataSkinCustomControl::TsfDataSkinCustomControl;
  TsfSkinFont Font() const { return {fontname, fontheight, fontstyle, fontcolor}; }
  TsfSkinFont CaptionFont() const {
    return {captionfontname, captionfontheight, captionfontstyle, captionfontcolor};
  }

  TRect itemrect, activeitemrect, focusitemrect;
  int itemleftoffset = 0, itemrightoffset = 0;
  TRect itemtextrect;
  std::string fontname = "Arial";
  int fontheight = 14;
  TsfFontStyles fontstyle;
  TColor fontcolor = 0, activefontcolor = 0, focusfontcolor = 0;
  TRect captionrect;
  std::string captionfontname = "Arial";
  int captionfontheight = 14;
  TsfFontStyles captionfontstyle;
  TColor captionfontcolor = 0;
  TRect upbuttonrect, activeupbuttonrect, downupbuttonrect;
  TRect downbuttonrect, activedownbuttonrect, downdownbuttonrect;
  TRect checkbuttonrect, activecheckbuttonrect, downcheckbuttonrect;
  std::string vscrollbarname = "vscrollbar";
  std::string hscrollbarname = "hscrollbar";
  std::string bothhscrollbarname = "bothhscrollbar";
  bool showfocus = false;

 protected:
  void Keys(TsfControlKeys& keys) override;
};

class TsfDataSkinCheckListBox : public TsfDataSkinListBox {
 public:
  using TsfDataSkinListBox::TsfDataSkinListBox;

  TRect itemcheckrect, checkimagerect, uncheckimagerect;

 protected:
  void Keys(TsfControlKeys& keys) override;
};

class TsfDataSkinComboBox : public TsfDataSkinCustomControl {
 public:
  using TsfDataSkinCustomControl::TsfDataSkinCustomControl;
  TsfSkinFont Font() const { return {fontname, fontheight, fontstyle, fontcolor}; }

  TRect activeskinrect;
  TRect itemrect, activeitemrect, focusitemrect;
  int itemleftoffset = 0, itemrightoffset = 0;
  TRect itemtextrect;
  std::string fontname = "Arial";
  int fontheight = 14;
  TsfFontStyles fontstyle;
  TColor fontcolor = 0, focusfontcolor = 0, activefontcolor = 0;
  std::string listboxname;
  TRect buttonrect, activebuttonrect, downbuttonrect, unenabledbuttonrect;
  bool itemstretcheffect = false, focusitemstretcheffect = false;
  bool showfocus = false;

 protected:
  void Keys(TsfControlKeys& keys) override;
};

// upbuttonrect is the button at the high end (right or bottom), downbuttonrect the
// one at the low end.
class TsfDataSkinScrollBarControl : public TsfDataSkinCustomControl {
 public:
  using TsfDataSkinCustomControl::TsfDataSkinCustomControl;

  TRect trackarea;
  TRect upbuttonrect, activeupbuttonrect, downupbuttonrect;
  TRect downbuttonrect, activedownbuttonrect, downdownbuttonrect;
  TRect thumbrect, activethumbrect, downthumbrect;
  int thumboffset1 = 0, thumboffset2 = 0;
  bool thumbtransparent = false;
  TColor thumbtransparentcolor = 0;
  bool thumbstretcheffect = false;
  int thumbminsize = 0;
  int thumbminpagesize = 0;
  TRect glyphrect, activeglyphrect, downglyphrect;
  bool glyphtransparent = false;
  TColor glyphtransparentcolor = 0;

 protected:
  void Keys(TsfControlKeys& keys) override;
};

class TsfDataSkinEditControl : public TsfDataSkinCustomControl {
 public:
  using TsfDataSkinCustomControl::TsfDataSkinCustomControl;
  TsfSkinFont Font() const { return {fontname, fontheight, fontstyle, fontcolor}; }

  TRect activeskinrect;
  std::string fontname = "Arial";
  int fontheight = 14;
  TsfFontStyles fontstyle;
  TColor fontcolor = 0, disabledfontcolor = 0, activefontcolor = 0;
  TRect buttonrect, activebuttonrect, downbuttonrect, unenabledbuttonrect;

 protected:
  void Keys(TsfControlKeys& keys) override;
};

class TsfDataSkinMemoControl : public TsfDataSkinEditControl {
 public:
  using TsfDataSkinEditControl::TsfDataSkinEditControl;

  TColor bgcolor = 0, activebgcolor = 0;

 protected:
  void Keys(TsfControlKeys& keys) override;
};

// Directly under the root: a label without an image of its own.
class TsfDataSkinStdLabelControl : public TsfDataSkinControl {
 public:
  using TsfDataSkinControl::TsfDataSkinControl;
  TsfSkinFont Font() const { return {fontname, fontheight, fontstyle, fontcolor}; }

  std::string fontname = "Arial";
  int fontheight = 14;
  TsfFontStyles fontstyle;
  TColor fontcolor = 0;
  TColor activefontcolor = 16711680;  // blue

 protected:
  void Keys(TsfControlKeys& keys) override;
};

class TsfDataSkinLabelControl : public TsfDataSkinCustomControl {
 public:
  using TsfDataSkinCustomControl::TsfDataSkinCustomControl;
  TsfSkinFont Font() const { return {fontname, fontheight, fontstyle, fontcolor}; }

  std::string fontname = "Arial";
  int fontheight = 14;
  TsfFontStyles fontstyle;
  TColor fontcolor = 0;

 protected:
  void Keys(TsfControlKeys& keys) override;
};

class TsfDataSkinCheckRadioControl : public TsfDataSkinCustomControl {
 public:
  using TsfDataSkinCustomControl::TsfDataSkinCustomControl;
  TsfSkinFont Font() const { return {fontname, fontheight, fontstyle, fontcolor}; }

  std::string fontname = "Arial";
  int fontheight = 14;
  TsfFontStyles fontstyle;
  TColor fontcolor = 0, activefontcolor = 0, unenabledfontcolor = 0, framefontcolor = 0;
  TRect activeskinrect, checkimagearea, textarea;
  TRect checkimagerect, uncheckimagerect, activecheckimagerect, activeuncheckimagerect;
  TRect unenabledcheckimagerect, unenableduncheckimagerect;
  TRect grayedcheckimagerect, activegrayedcheckimagerect;
  bool morphing = false;
  TsfMorphKind morphkind = mkDefault;

 protected:
  void Keys(TsfControlKeys& keys) override;
};

// Its image is never cut into parts: the corner points and clientrect end empty
// whatever the section says.
class TsfDataSkinUpDownControl : public TsfDataSkinCustomControl {
 public:
  using TsfDataSkinCustomControl::TsfDataSkinCustomControl;
  void ReadDefinition(const TsfIniFile& ini) override;

  TRect upbuttonrect, activeupbuttonrect, downupbuttonrect;
  TRect downbuttonrect, activedownbuttonrect, downdownbuttonrect;

 protected:
  void Keys(TsfControlKeys& keys) override;
};

using TsfSkinControlList = std::vector<std::unique_ptr<TsfDataSkinControl>>;

// The definition of a [SKINCONTROLS] kind ("panel", "button", ...), not yet read;
// nullptr for a kind that is not known (kinds are case-sensitive).
std::unique_ptr<TsfDataSkinControl> CreateSkinControl(std::string_view kind, std::string name);
// The kind CreateSkinControl makes this definition's class from; empty for the
// classes no kind makes.
std::string SkinControlKind(const TsfDataSkinControl& control);
// Appends the definitions of [SKINCONTROLS] in list order, each read from its section.
// An entry is "name:kind", split at the first ":"; entries without ":" and unknown
// kinds are skipped.
void ReadSkinControls(const TsfIniFile& ini, TsfSkinControlList& list);
// Writes [SKINCONTROLS] and each definition's section.
void WriteSkinControls(TsfIniFile& ini, const TsfSkinControlList& list);
