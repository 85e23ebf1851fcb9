#include <gtest/gtest.h>

#include <map>

#include "skin/data/sfDataSkinControl.h"
#include "skin/data/sfDataSkinExtraControls.h"
#include "skin/data/sfSkinDefinition.h"
#include "ui/Exception.h"

namespace {

// Sections of the controls the main window wears, as far as their values are known.
const char* const kStoredControls =
    "[SKINCONTROLS]\r\ncount=8\r\n0=button:button\r\n1=toolpanel:panel\r\n"
    "2=vscrollbar:scrollbar\r\n3=listbox:listbox\r\n4=combobox:combobox\r\n"
    "5=statusbar:panel\r\n6=vupdown:updown\r\n7=toolbutton:button\r\n"
    "[button]\r\npictureindex=4\r\nskinrect=0,0,75,23\r\nlefttoppoint=3,3\r\n"
    "righttoppoint=72,3\r\nactiveskinrect=75,0,150,23\r\nmorphing=1\r\nmorphkind=mkpush\r\n"
    "[vscrollbar]\r\npictureindex=4\r\nskinrect=300,0,317,68\r\nupbuttonrect=1,51,16,67\r\n"
    "downbuttonrect=1,1,16,17\r\ntrackarea=0,17,17,51\r\nthumbrect=317,0,332,20\r\n"
    "thumbtransparent=1\r\nthumbtransparentcolor=16711935\r\n"
    "[listbox]\r\npictureindex=4\r\nitemtextrect=2,0,100,16\r\nfontname=\xCB\xCE\xCC\xE5\r\n"
    "fontheight=-12\r\nfontstyle=fsbold\r\n"
    "[combobox]\r\npictureindex=4\r\nlistboxname=listbox\r\nbuttonrect=100,2,117,20\r\n"
    "itemstretcheffect=1\r\n"
    "[statusbar]\r\npictureindex=4\r\ngripperrect=504,239,520,256\r\ngrippertransparent=1\r\n"
    "grippertransparentcolor=16711935\r\nalignment=taleftjustify\r\nbgpictureindex=5\r\n"
    "[vupdown]\r\nlefttoppoint=1,2\r\nrighttoppoint=3,4\r\nleftbottompoint=5,6\r\n"
    "rightbottompoint=7,8\r\nclientrect=1,1,5,5\r\nupbuttonrect=0,0,16,10\r\n";

template <class T>
T& As(const TsfSkinControlList& list, size_t index) {
  return dynamic_cast<T&>(*list.at(index));
}

// A section with a non-default value for every key a default definition writes, so
// that a definition read from it differs from the default in every field.
std::string ChangedSection(const TsfDataSkinControl& control) {
  TsfIniFile defaults;
  control.WriteDefinition(defaults);
  std::string text = "[" + control.IDName + "]\n";
  for (const std::string& line : defaults.Lines()) {
    size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    std::string key = line.substr(0, eq), value = line.substr(eq + 1);
    static const std::map<std::string, std::string> kChanged = {
        {"0,0,0,0", "1,2,3,4"}, {"0,0", "5,6"},         {"0", "1"},
        {"-1", "2"},            {"14", "-11"},          {"3", "7"},
        {"25", "40"},           {"16711680", "255"},    {"Arial", "Tahoma"},
        {"tacenter", "taleftjustify"}, {"stfull", "stvert"}, {"mkdefault", "mkgradient"}};
    if (key.ends_with("fontstyle"))
      value = "fsbold,fsitalic";
    else if (auto it = kChanged.find(value); it != kChanged.end())
      value = it->second;
    else
      value = value.empty() ? "x" : value + "x";
    text += key + "=" + value + "\n";
  }
  return text;
}

const char* const kAllKinds[] = {
    "panel",     "expanel",     "menubutton", "button",       "checkradio", "gauge",
    "splitter",  "trackbar",    "label",      "stdlabel",     "updown",     "grid",
    "tab",       "mainmenubar", "controlbar", "memo",         "edit",       "checklistbox",
    "listbox",   "combobox",    "scrollbar",  "spinedit",     "scrollbox",  "treeview",
    "bevel",     "slider",      "listview",   "richedit"};

}  // namespace

TEST(SkinControlDefinition, StoredControlSections) {
  TsfSkinControlList list;
  ReadSkinControls(TsfIniFile(kStoredControls), list);
  ASSERT_EQ(list.size(), 8u);

  auto& button = As<TsfDataSkinButtonControl>(list, 0);
  EXPECT_EQ(button.skinrect, TRect(0, 0, 75, 23));
  EXPECT_EQ(button.righttoppoint, TPoint(72, 3));
  EXPECT_EQ(button.leftbottompoint, TPoint());
  EXPECT_TRUE(button.morphing);
  EXPECT_EQ(button.morphkind, mkPush);
  EXPECT_EQ(button.animateinterval, 25);

  auto& vscroll = As<TsfDataSkinScrollBarControl>(list, 2);
  EXPECT_EQ(vscroll.upbuttonrect, TRect(1, 51, 16, 67));
  EXPECT_EQ(vscroll.downbuttonrect, TRect(1, 1, 16, 17));
  EXPECT_EQ(vscroll.trackarea, TRect(0, 17, 17, 51));
  EXPECT_TRUE(vscroll.thumbtransparent);
  EXPECT_EQ(vscroll.thumbtransparentcolor, 16711935);

  auto& listbox = As<TsfDataSkinListBox>(list, 3);
  EXPECT_EQ(listbox.vscrollbarname, "vscrollbar");
  EXPECT_EQ(listbox.bothhscrollbarname, "bothhscrollbar");
  EXPECT_EQ(listbox.Font(), (TsfSkinFont{"\xCB\xCE\xCC\xE5", -12, {TsfFontStyle::fsBold}, 0}));
  EXPECT_EQ(listbox.CaptionFont(), TsfSkinFont());

  auto& combo = As<TsfDataSkinComboBox>(list, 4);
  EXPECT_EQ(combo.listboxname, "listbox");
  EXPECT_EQ(combo.buttonrect, TRect(100, 2, 117, 20));
  EXPECT_TRUE(combo.itemstretcheffect);
  EXPECT_FALSE(combo.focusitemstretcheffect);

  auto& status = As<TsfDataSkinPanelControl>(list, 5);
  EXPECT_EQ(status.gripperrect, TRect(504, 239, 520, 256));
  EXPECT_TRUE(status.grippertransparent);
  EXPECT_EQ(status.grippertransparentcolor, 16711935);
  EXPECT_EQ(status.alignment, taLeftJustify);
  EXPECT_EQ(status.bgpictureindex, 5);

  // An up-down image is never cut into parts, whatever its section says.
  auto& updown = As<TsfDataSkinUpDownControl>(list, 6);
  EXPECT_EQ(updown.lefttoppoint, TPoint());
  EXPECT_EQ(updown.righttoppoint, TPoint());
  EXPECT_EQ(updown.leftbottompoint, TPoint());
  EXPECT_EQ(updown.rightbottompoint, TPoint());
  EXPECT_TRUE(updown.clientrect.IsEmpty());
  EXPECT_EQ(updown.upbuttonrect, TRect(0, 0, 16, 10));

  // No [toolbutton] section: only defaults.
  auto& toolbutton = As<TsfDataSkinButtonControl>(list, 7);
  EXPECT_EQ(toolbutton.pictureindex, -1);
  EXPECT_EQ(toolbutton.skinrect, TRect());
}

TEST(SkinControlDefinition, EveryKindMakesItsClassInTheTree) {
  for (const char* kind : kAllKinds) {
    auto control = CreateSkinControl(kind, "x");
    ASSERT_NE(control, nullptr) << kind;
    EXPECT_EQ(SkinControlKind(*control), kind);
  }
  auto isCustom = [](const char* kind) {
    return dynamic_cast<TsfDataSkinCustomControl*>(CreateSkinControl(kind, "x").get()) != nullptr;
  };
  for (const char* kind : {"bevel", "treeview", "slider", "listview", "richedit", "mainmenubar",
                           "tab", "grid", "stdlabel"})
    EXPECT_FALSE(isCustom(kind)) << kind;
  for (const char* kind : {"controlbar", "updown", "combobox", "checklistbox", "scrollbar",
                           "spinedit", "memo", "label", "splitter", "gauge", "trackbar",
                           "menubutton", "checkradio", "scrollbox", "panel", "expanel"})
    EXPECT_TRUE(isCustom(kind)) << kind;
  EXPECT_NE(dynamic_cast<TsfDataSkinListBox*>(CreateSkinControl("checklistbox", "x").get()), nullptr);
  EXPECT_NE(dynamic_cast<TsfDataSkinEditControl*>(CreateSkinControl("memo", "x").get()), nullptr);
  EXPECT_NE(dynamic_cast<TsfDataSkinButtonControl*>(CreateSkinControl("menubutton", "x").get()),
            nullptr);
  EXPECT_EQ(CreateSkinControl("Button", "x"), nullptr);
  EXPECT_EQ(CreateSkinControl("toolpanel", "x"), nullptr);
}

TEST(SkinControlDefinition, DefaultsWithoutASection) {
  TsfIniFile empty("");
  auto read = [&](const char* kind) {
    auto control = CreateSkinControl(kind, "x");
    control->ReadDefinition(empty);
    return control;
  };
  for (const char* kind : kAllKinds) {
    auto control = read(kind);
    EXPECT_EQ(control->pictureindex, -1) << kind;
    EXPECT_EQ(control->maskpictureindex, -1) << kind;
  }
  auto panel = read("panel");
  auto& p = dynamic_cast<TsfDataSkinPanelControl&>(*panel);
  EXPECT_EQ(p.bgpictureindex, -1);
  EXPECT_EQ(p.alignment, taCenter);
  EXPECT_EQ(p.stretchtype, stFull);
  EXPECT_EQ(p.Font(), TsfSkinFont());
  auto label = read("stdlabel");
  EXPECT_EQ(dynamic_cast<TsfDataSkinStdLabelControl&>(*label).activefontcolor, 16711680);
  auto bar = read("controlbar");
  auto& b = dynamic_cast<TsfDataSkinControlBar&>(*bar);
  EXPECT_EQ(b.itemoffset1, 3);
  EXPECT_EQ(b.itemoffset2, 3);
  EXPECT_EQ(b.bgpictureindex, -1);
  EXPECT_EQ(dynamic_cast<TsfDataSkinScrollBoxControl&>(*read("scrollbox")).bgpictureindex, -1);
  EXPECT_EQ(dynamic_cast<TsfDataSkinTabControl&>(*read("tab")).bgpictureindex, -1);
  auto grid = read("grid");
  auto& g = dynamic_cast<TsfDataSkinGridControl&>(*grid);
  EXPECT_EQ(g.bgpictureindex, -1);
  EXPECT_EQ(g.fixedfontname, "Arial");
  EXPECT_EQ(g.fixedfontheight, 14);
  EXPECT_EQ(dynamic_cast<TsfDataSkinComboBox&>(*read("combobox")).listboxname, "");
  EXPECT_EQ(dynamic_cast<TsfDataSkinMenuButtonControl&>(*read("menubutton")).animateinterval, 25);
  EXPECT_EQ(dynamic_cast<TsfDataSkinGaugeControl&>(*read("gauge")).animationtimerinterval, 0);
}

TEST(SkinControlDefinition, ParentKeysComeFirstInTableOrder) {
  TsfDataSkinMemoControl memo("memo");
  TsfIniFile out;
  memo.WriteDefinition(out);
  std::string keys;
  for (const std::string& line : out.Lines())
    if (size_t eq = line.find('='); eq != std::string::npos) keys += line.substr(0, eq) + " ";
  EXPECT_EQ(keys,
            "pictureindex maskpictureindex skinrect lefttoppoint righttoppoint leftbottompoint "
            "rightbottompoint clientrect leftstretch topstretch rightstretch bottomstretch "
            "stretcheffect stretchtype activeskinrect fontname fontheight fontstyle fontcolor "
            "disabledfontcolor activefontcolor buttonrect activebuttonrect downbuttonrect "
            "unenabledbuttonrect bgcolor activebgcolor ");
}

TEST(SkinControlDefinition, ListSkipsWhatItCannotMakeAndKeepsDuplicates) {
  TsfIniFile ini(
      "[SKINCONTROLS]\ncount=7\n0=a:Panel\n1=b:panel\n2=nocolon\n3=b:label\n5=c:gadget\n"
      "6=d:button:extra\n[b]\nskinrect=1,2,3,4\n");
  TsfSkinDefinition def;
  def.ReadDefinition(ini);
  ASSERT_EQ(def.ControlDefs.size(), 2u);
  EXPECT_EQ(SkinControlKind(*def.ControlDefs[0]), "panel");
  EXPECT_EQ(SkinControlKind(*def.ControlDefs[1]), "label");
  // Both read the same section.
  EXPECT_EQ(def.ControlDefs[1]->skinrect, TRect(1, 2, 3, 4));
  EXPECT_EQ(def.FindControlDef("b"), 0);
  EXPECT_EQ(def.FindControlDef("B"), -1);
  EXPECT_EQ(def.FindControlDef("b "), -1);
  EXPECT_EQ(def.FindControlDef("d"), -1);
}

TEST(SkinControlDefinition, MalformedRectOrPointStopsTheRead) {
  for (const char* value : {"skinrect=1,,3,4", "lefttoppoint=1,", "thumbrect=1,2,3"}) {
    TsfIniFile ini(std::string("[SKINCONTROLS]\ncount=2\n0=ok:button\n1=bad:scrollbar\n[bad]\n") +
                   value + "\n");
    TsfSkinControlList list;
    try {
      ReadSkinControls(ini, list);
      ADD_FAILURE() << value;
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), "'' is not a valid integer value") << value;
    }
    EXPECT_EQ(list.size(), 1u) << value;
  }
}

TEST(SkinControlDefinition, EveryKindWritesWhatItReads) {
  TsfSkinDefinition def;
  for (const char* kind : kAllKinds) {
    auto control = CreateSkinControl(kind, std::string("c") + kind);
    TsfIniFile changed(ChangedSection(*control));
    control->ReadDefinition(changed);
    TsfIniFile written;
    control->WriteDefinition(written);
    // Every key kept the changed value it was read with (up-down corner points and
    // client rect are reset by design).
    for (const std::string& line : changed.Lines()) {
      size_t eq = line.find('=');
      if (eq == std::string::npos) continue;
      std::string key = line.substr(0, eq);
      if (std::string(kind) == "updown" && (key.ends_with("point") || key == "clientrect")) continue;
      const std::string* value = written.FindValue(control->IDName, key);
      ASSERT_NE(value, nullptr) << kind << " " << key;
      EXPECT_EQ(*value, line.substr(eq + 1)) << kind << " " << key;
    }
    def.ControlDefs.push_back(std::move(control));
  }
  TsfIniFile out;
  def.WriteDefinition(out);
  TsfSkinDefinition back;
  back.ReadDefinition(TsfIniFile(out.Lines()));
  ASSERT_EQ(back.ControlDefs.size(), std::size(kAllKinds));
  for (size_t i = 0; i < back.ControlDefs.size(); ++i) {
    EXPECT_EQ(SkinControlKind(*back.ControlDefs[i]), kAllKinds[i]);
    EXPECT_EQ(back.ControlDefs[i]->IDName, def.ControlDefs[i]->IDName);
    EXPECT_EQ(back.ControlDefs[i]->skinrect, TRect(1, 2, 3, 4));
  }
}
