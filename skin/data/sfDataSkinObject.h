#pragma once
// Skin objects: the named parts of the window frame listed in [SKINOBJECTS] (caption,
// caption buttons, menu items, ...). Each reads its own section, named after its
// IDName; a subclass reads its parent's keys first. Fields are named after the keys.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "sfIniFile.h"
#include "sfSkinValues.h"
#include "ui/Types.h"

class TsfDataSkinObject {
 public:
  explicit TsfDataSkinObject(std::string name) : IDName(std::move(name)) {}
  virtual ~TsfDataSkinObject() = default;

  virtual void ReadDefinition(const TsfIniFile& ini);
  // Erases the section, then writes every key back.
  virtual void WriteDefinition(TsfIniFile& ini) const;

  std::string IDName;
  std::string hint;
  int activepictureindex = -1;
  bool skinrectinapicture = false;
  TRect skinrect, activeskinrect, inactiveskinrect;
  bool morphing = false;
  TsfMorphKind morphkind = mkDefault;
};

// Only skinrect is read; everything else keeps its construction value.
class TsfDataUserObject : public TsfDataSkinObject {
 public:
  using TsfDataSkinObject::TsfDataSkinObject;
  void ReadDefinition(const TsfIniFile& ini) override;
  void WriteDefinition(TsfIniFile& ini) const override;
};

class TsfDataSkinButton : public TsfDataSkinObject {
 public:
  using TsfDataSkinObject::TsfDataSkinObject;
  void ReadDefinition(const TsfIniFile& ini) override;
  void WriteDefinition(TsfIniFile& ini) const override;

  TRect downrect;
  TRect disableskinrsect;  // the key is spelt so
};

class TsfDataSkinStdButton : public TsfDataSkinButton {
 public:
  using TsfDataSkinButton::TsfDataSkinButton;
  void ReadDefinition(const TsfIniFile& ini) override;
  void WriteDefinition(TsfIniFile& ini) const override;

  TsfStdCommand command = cmDefault;
  TRect restorerect, restoreactiverect, restoredownrect, restoreinactiverect;
};

class TsfDataSkinMainMenuBarButton : public TsfDataSkinStdButton {
 public:
  using TsfDataSkinStdButton::TsfDataSkinStdButton;
};

// Ends with morphing off whatever the text says.
class TsfDataSkinAnimate : public TsfDataSkinObject {
 public:
  using TsfDataSkinObject::TsfDataSkinObject;
  void ReadDefinition(const TsfIniFile& ini) override;
  void WriteDefinition(TsfIniFile& ini) const override;

  int countframes = 1;
  bool cycle = false;
  bool buttonstyle = false;
  int timerinterval = 50;  // milliseconds
  TsfStdCommand command = cmDefault;
  TRect downskinrect, restorerect, restoreactiverect, restoredownrect, restoreinactiverect;
};

// Empty active check, radio and arrow images take the normal ones.
class TsfDataSkinMenuItem : public TsfDataSkinObject {
 public:
  using TsfDataSkinObject::TsfDataSkinObject;
  void ReadDefinition(const TsfIniFile& ini) override;
  void WriteDefinition(TsfIniFile& ini) const override;
  TsfSkinFont Font() const { return {fontname, fontheight, fontstyle, fontcolor}; }

  int itemleftoffset = 0, itemrightoffset = 0;
  TRect dividerrect;
  int dividerleftoffset = 0, dividerrightoffset = 0;
  TRect textrect, imagerect;
  std::string fontname = "Arial";
  int fontheight = 14;
  TsfFontStyles fontstyle;
  TColor fontcolor = 0, activefontcolor = 0, unenabledfontcolor = 0;
  bool stretcheffect = false, inactivestretcheffect = false, dividerstretcheffect = false;
  TRect animateskinrect;
  int framecount = 0;
  int animateinterval = 25;
  bool inactiveanimation = false;
  bool useimagecolor = false;
  TColor imagecolor = 0, activeimagecolor = 0;
  bool inactivetransparent = false;
  TRect checkimagerect, activecheckimagerect;
  TRect radioimagerect, activeradioimagerect;
  TRect arrowimagerect, activearrowimagerect;

 private:
  void ReadImages(const TsfIniFile& ini);
};

class TsfDataSkinMainMenuItem : public TsfDataSkinObject {
 public:
  using TsfDataSkinObject::TsfDataSkinObject;
  void ReadDefinition(const TsfIniFile& ini) override;
  void WriteDefinition(TsfIniFile& ini) const override;
  TsfSkinFont Font() const { return {fontname, fontheight, fontstyle, fontcolor}; }

  int itemleftoffset = 0, itemrightoffset = 0;
  TRect downrect, textrect;
  std::string fontname = "Arial";
  int fontheight = 14;
  TsfFontStyles fontstyle;
  TColor fontcolor = 0, activefontcolor = 0, downfontcolor = 0, unenabledfontcolor = 0;
  bool stretcheffect = false;
  TRect animateskinrect;
  int framecount = 0;
  int animateinterval = 25;
  bool inactiveanimation = false;
};

class TsfDataSkinMainMenuBarItem : public TsfDataSkinMainMenuItem {
 public:
  using TsfDataSkinMainMenuItem::TsfDataSkinMainMenuItem;
};

class TsfDataSkinCaption : public TsfDataSkinObject {
 public:
  using TsfDataSkinObject::TsfDataSkinObject;
  void ReadDefinition(const TsfIniFile& ini) override;
  void WriteDefinition(TsfIniFile& ini) const override;
  // The font of the inactive window; the active one differs only in activefontcolor.
  TsfSkinFont Font() const { return {fontname, fontheight, fontstyle, fontcolor}; }

  TRect textrect;
  std::string fontname = "Arial";
  int fontheight = 14;
  TsfFontStyles fontstyle;
  TColor fontcolor = 0, activefontcolor = 0;
  TAlignment alignment = taCenter;
  bool light = false;
  TColor lightcolor = 0, activelightcolor = 0;
  bool shadow = false;
  TColor shadowcolor = 0, activeshadowcolor = 0;
  TRect framerect, activeframerect, frametextrect;
  int frameleftoffset = 0, framerightoffset = 0;
  bool stretcheffect = false;
  TRect animateskinrect;
  int framecount = 0;
  int animateinterval = 25;
  bool inactiveanimation = false;
  bool fullframe = false;
};

using TsfSkinObjectList = std::vector<std::unique_ptr<TsfDataSkinObject>>;

// The object of a [SKINOBJECTS] kind ("menuitem", "caption", "stdbutton", ...), not
// yet read; nullptr for a kind that is not known (kinds are case-sensitive).
std::unique_ptr<TsfDataSkinObject> CreateSkinObject(std::string_view kind, std::string name);
// The kind CreateSkinObject makes this object's class from; empty for the classes
// no kind makes.
std::string SkinObjectKind(const TsfDataSkinObject& object);
// Appends the objects of [SKINOBJECTS] in list order, each read from its section.
// An entry is "name:kind", split at the first ":"; unknown kinds are skipped.
void ReadSkinObjects(const TsfIniFile& ini, TsfSkinObjectList& list);
// Writes [SKINOBJECTS] and each object's section.
void WriteSkinObjects(TsfIniFile& ini, const TsfSkinObjectList& list);
