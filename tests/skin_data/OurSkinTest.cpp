// Our own skin (resources/skin), built into a package the way the program's build
// does: the pictures, the sections, the skin objects and control definitions in their
// order, and every value the frame and the controls rely on, so that a change to the
// skin cannot drift from them unnoticed. Also the way back from package to folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "skin/data/sfCompressedStoredSkin.h"
#include "skin/data/sfDataSkinExtraControls.h"
#include "skin/data/sfSkinDefinition.h"
#include "skin/data/sfSkinFolder.h"
#include "skin/data/sfSkinPackage.h"
#include "skin/data/sfZLib.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

std::filesystem::path SkinFolder() {
  return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "resources" / "skin";
}

std::uint32_t U32(const Bytes& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

// What the picture table says of a picture, read from its file header.
struct TPictureFacts {
  std::string Name;
  int Width, Height, Bits, Colours;
  std::uint32_t FileSize;
  friend bool operator==(const TPictureFacts&, const TPictureFacts&) = default;
};

void PrintTo(const TPictureFacts& p, std::ostream* os) {
  *os << p.Name << " " << p.Width << "x" << p.Height << " " << p.Bits << " bits " << p.Colours
      << " colours " << p.FileSize << " bytes";
}

TPictureFacts Facts(const std::string& name, const TsfBmpBytes& bmp) {
  const int bits = bmp[28] | bmp[29] << 8;
  return {name, static_cast<int>(U32(bmp, 18)), static_cast<int>(U32(bmp, 22)), bits,
          bits <= 8 ? static_cast<int>(U32(bmp, 46)) : 0, U32(bmp, 2)};
}

class OurSkin : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    auto stored = std::make_unique<TsfCompressedStoredSkin>(nullptr);
    stored->BuildFromIniFile(SkinFolder() / "skin.ini");
    Blob = new Bytes(stored->PackedBytes());
    Inflated = new Bytes(ZDecompress(*Blob));
    Package = new TsfSkinPackage(*ReadSkinPackage(*Inflated));
    Ini = new TsfIniFile(Package->DefinitionText);
    Definition = new TsfSkinDefinition;
    Definition->ReadDefinition(*Ini);
  }
  static void TearDownTestSuite() {
    delete Definition;
    delete Ini;
    delete Package;
    delete Inflated;
    delete Blob;
  }

  template <class T>
  static const T& Control(const char* name) {
    int index = Definition->FindControlDef(name);
    EXPECT_GE(index, 0) << name;
    const T* control = dynamic_cast<const T*>(Definition->ControlDefs.at(static_cast<size_t>(index)).get());
    EXPECT_NE(control, nullptr) << name << " is not of the expected kind";
    return *control;
  }
  template <class T>
  static const T& Object(const char* name) {
    int index = Definition->FindObjectDef(name);
    EXPECT_GE(index, 0) << name;
    return dynamic_cast<const T&>(*Definition->ObjectDefs.at(static_cast<size_t>(index)));
  }

  static inline Bytes* Blob = nullptr;
  static inline Bytes* Inflated = nullptr;
  static inline TsfSkinPackage* Package = nullptr;
  static inline TsfIniFile* Ini = nullptr;
  static inline TsfSkinDefinition* Definition = nullptr;
};

// A resize mode as the controls compute it from the corner points.
enum TMode { mNone, mFixed, mNine, mHorizontal, mVertical };

TMode ModeOf(const TsfDataSkinCustomControl& c) {
  if (c.skinrect.IsEmpty()) return mNone;
  if (c.rightbottompoint.x != 0 && c.rightbottompoint.y != 0) return mNine;
  if (c.righttoppoint.x != 0 || c.righttoppoint.y != 0) return mHorizontal;
  if (c.leftbottompoint.x != 0 || c.leftbottompoint.y != 0) return mVertical;
  return mFixed;
}

TEST_F(OurSkin, PackageHoldsThePictureTableInOrder) {
  ASSERT_GE(Blob->size(), 2u);
  EXPECT_EQ((*Blob)[0], 0x78);
  EXPECT_EQ((*Blob)[1], 0xDA);
  EXPECT_EQ(Package->Version, 3);
  EXPECT_FALSE(Package->InactivePicture);
  // The inactive picture's flag byte carries nothing; the mask's flag follows it.
  EXPECT_EQ((*Inflated)[4], 0);
  EXPECT_EQ((*Inflated)[4 + 1 + 19522], 1);
  EXPECT_EQ((*Inflated)[4 + 1 + 19522 + 1], 0);

  ASSERT_TRUE(Package->MainPicture && Package->MaskPicture);
  ASSERT_EQ(Package->ActivePictures.size(), 6u);
  std::vector<TPictureFacts> facts = {Facts(Ini->ReadString("PICTURES", "picture", ""), *Package->MainPicture),
                                      Facts(Ini->ReadString("PICTURES", "mask", ""), *Package->MaskPicture)};
  for (size_t i = 0; i < 6; ++i)
    facts.push_back(Facts(Ini->ReadString("PICTURES", std::to_string(i), ""), Package->ActivePictures[i]));
  const std::vector<TPictureFacts> table = {
      {"main.bmp", 152, 125, 8, 117, 19522},    {"mask.bmp", 152, 125, 1, 2, 2562},
      {"active.BMP", 84, 246, 8, 256, 21742},   {"pw.bmp", 65, 69, 8, 256, 5770},
      {"menuitems.bmp", 68, 118, 8, 256, 9102}, {"hw.bmp", 38, 16, 24, 0, 1910},
      {"controls.bmp", 558, 290, 24, 0, 486094}, {"mdibg.bmp", 100, 100, 24, 0, 30054}};
  EXPECT_EQ(facts, table);
  EXPECT_EQ(Ini->ReadString("PICTURES", "inactivepicture", "x"), "");
  EXPECT_EQ(Ini->ReadInteger("PICTURES", "activepicturescount", 0), 6);
  EXPECT_EQ(Inflated->size() - Package->DefinitionText.size(), 576767u);
  EXPECT_EQ(Ini->SectionNames().size(), 82u);
}

TEST_F(OurSkin, ObjectsAndControlsInTheirOrderAndKinds) {
  const std::vector<std::string> objects = {
      "menuitem:menuitem", "caption:caption", "closebutton:stdbutton", "minimizebutton:stdbutton",
      "maximizebutton:stdbutton", "rollupbutton:stdbutton", "mainmenubaritem:mainmenubaritem",
      "sysmenubutton:stdbutton", "menubarsysmenubutton:mainmenubarbutton",
      "menubarclosebutton:mainmenubarbutton", "menubarmaxbutton:mainmenubarbutton",
      "menubarminbutton:mainmenubarbutton", "traybutton:stdbutton"};
  const std::vector<std::string> controls = {
      "button:button", "toolpanel:panel", "toolbutton:button", "checkbox:checkradio", "gauge:gauge",
      "vgauge:gauge", "radiobox:checkradio", "panel:panel", "label:label", "trackbar:trackbar",
      "htrackbar:trackbar", "grid:grid", "tab:tab", "edit:edit", "memo:memo", "hscrollbar:scrollbar",
      "vscrollbar:scrollbar", "listbox:listbox", "combobox:combobox", "checklistbox:checklistbox",
      "spinedit:spinedit", "groupbox:panel", "stdlabel:stdlabel", "statuspanel:label", "statusbar:panel",
      "buttonedit:edit", "vupdown:updown", "hupdown:updown", "captionlistbox:listbox",
      "captionchecklistbox:checklistbox", "captioncombobox:combobox", "controlbar:controlbar",
      "mainmenubar:mainmenubar", "vsplitter:splitter", "hsplitter:splitter", "resizebutton:button",
      "bothhscrollbar:scrollbar", "bigtoolpanel:panel", "bigtoolbutton:button", "toolmenubutton:menubutton",
      "toolmenutrackbutton:menubutton", "bigtoolmenubutton:menubutton", "bigtoolmenutrackbutton:menubutton",
      "scrollbox:scrollbox", "listview:listview", "treeview:treeview", "statusgauge:gauge",
      "richedit:richedit", "expanel:expanel", "slider:slider", "bevel:bevel", "statusedit:edit",
      "statusbuttonedit:edit", "statusspinedit:spinedit", "statuscombobox:combobox",
      "toolspinedit:spinedit", "toolcombobox:combobox", "tooledit:edit", "toolbuttonedit:edit",
      "resizetoolpanel:panel", "resizetoolbutton:button"};
  std::vector<std::string> readObjects, readControls;
  for (const auto& o : Definition->ObjectDefs) readObjects.push_back(o->IDName + ":" + SkinObjectKind(*o));
  for (const auto& c : Definition->ControlDefs) readControls.push_back(c->IDName + ":" + SkinControlKind(*c));
  EXPECT_EQ(readObjects, objects);
  EXPECT_EQ(readControls, controls);
  // Every definition has a section of its own; none lives on defaults alone.
  for (const auto& o : Definition->ObjectDefs) EXPECT_TRUE(Ini->SectionExists(o->IDName)) << o->IDName;
  for (const auto& c : Definition->ControlDefs) EXPECT_TRUE(Ini->SectionExists(c->IDName)) << c->IDName;
  EXPECT_EQ(Definition->FindControlDef("ListBox"), -1);
}

TEST_F(OurSkin, FormValues) {
  const TsfSkinFormInfo& f = Definition->FormInfo;
  EXPECT_EQ(f.clientrect, TRect(5, 29, 147, 120));
  EXPECT_EQ(f.maskrectarea, TRect(3, 4, 149, 122));
  EXPECT_EQ(f.borderwidth, 4);
  EXPECT_EQ(f.hittestlefttoppoint, TPoint(5, 6));
  EXPECT_EQ(f.hittestrighttoppoint, TPoint(145, 5));
  EXPECT_EQ(f.hittestleftbottompoint, TPoint(6, 120));
  EXPECT_EQ(f.hittestrightbottompoint, TPoint(146, 118));
  EXPECT_TRUE(f.buttonsrect.IsEmpty());
  EXPECT_EQ(f.captionrect, TRect(5, 5, 147, 25));
  EXPECT_EQ(f.bgpictureindex, -1);
  // The smallest window is the main picture's width and its two frame bands high.
  EXPECT_EQ(f.formminwidth, 0);
  EXPECT_EQ(125 - f.clientrect.Height(), 34);
  // The corner points already lie in the client rectangle: the reader changes nothing.
  const std::pair<const char*, TPoint> corners[] = {{"lefttoppoint", f.lefttoppoint},
                                                    {"righttoppoint", f.righttoppoint},
                                                    {"leftbottompoint", f.leftbottompoint},
                                                    {"rightbottompoint", f.rightbottompoint}};
  for (const auto& [key, read] : corners) EXPECT_EQ(read, ReadPoint(*Ini, "FORMINFO", key)) << key;

  const TsfSkinColors& c = Definition->SkinColors;
  EXPECT_EQ(std::vector<TColor>({c.cbtnface, c.cbtntext, c.cwindow, c.cwindowtext, c.chighlight,
                                 c.chighlighttext, c.cbtnhighlight, c.cbtnshadow}),
            std::vector<TColor>({15459040, 0, 16777215, 0, 13611952, 16777215, 16051950, 14601161}));
}

TEST_F(OurSkin, CaptionAndItsButtons) {
  const auto& caption = Object<TsfDataSkinCaption>("caption");
  const TsfSkinFormInfo& f = Definition->FormInfo;
  EXPECT_FALSE(caption.skinrectinapicture);
  EXPECT_EQ(caption.skinrect, TRect(5, 5, 147, 28));
  // It spans the top-left and top-right zones of the frame, so it stretches with it.
  EXPECT_TRUE(caption.skinrect.Left < f.lefttoppoint.x && caption.skinrect.Top < f.lefttoppoint.y);
  EXPECT_TRUE(caption.skinrect.Right >= f.righttoppoint.x && caption.skinrect.Right < 152 &&
              caption.skinrect.Bottom < f.righttoppoint.y);
  EXPECT_TRUE(caption.activeskinrect.IsEmpty());
  EXPECT_EQ(caption.fontname, "Arial");
  EXPECT_EQ(caption.fontheight, 16);
  EXPECT_EQ(caption.fontstyle, TsfFontStyles{TsfFontStyle::fsBold});
  EXPECT_EQ(caption.activefontcolor, 0);
  EXPECT_EQ(caption.fontcolor, 8421504);
  EXPECT_EQ(caption.alignment, taLeftJustify);
  EXPECT_TRUE(caption.shadow);
  EXPECT_EQ(caption.activeshadowcolor, 12171705);
  EXPECT_EQ(caption.shadowcolor, 16777215);

  // In an 800-wide window the buttons line up from x 795 leftwards, 2 pixels apart.
  int x = f.captionrect.Right + 800 - 152;
  const std::pair<const char*, TRect> placed[] = {{"closebutton", {774, 5, 795, 26}},
                                                  {"maximizebutton", {751, 5, 772, 26}},
                                                  {"minimizebutton", {728, 5, 749, 26}},
                                                  {"rollupbutton", {705, 5, 726, 26}},
                                                  {"traybutton", {682, 5, 703, 26}}};
  for (const auto& [name, expected] : placed) {
    const auto& b = Object<TsfDataSkinStdButton>(name);
    EXPECT_TRUE(b.skinrectinapicture) << name;
    EXPECT_FALSE(b.morphing) << name;
    EXPECT_EQ(b.activepictureindex, 0) << name;
    TRect r(x - b.skinrect.Width(), f.captionrect.Top, x, f.captionrect.Top + b.skinrect.Height());
    EXPECT_EQ(r, expected) << name;
    x = r.Left - f.buttonsoffset;
  }
  const auto& sys = Object<TsfDataSkinStdButton>("sysmenubutton");
  const int top = f.captionrect.Top + f.captionrect.Height() / 2 - sys.skinrect.Height() / 2;
  EXPECT_EQ(TRect(5, top, 5 + sys.skinrect.Width(), top + sys.skinrect.Height()), TRect(5, 7, 22, 23));
  EXPECT_TRUE(sys.skinrectinapicture);
  EXPECT_EQ(Object<TsfDataSkinStdButton>("maximizebutton").restorerect, TRect(0, 63, 21, 84));
  EXPECT_EQ(Object<TsfDataSkinStdButton>("traybutton").command, cmMinimizeToTray);
}

TEST_F(OurSkin, MenuFrameAndItems) {
  const TsfDataSkinPopupWindow& popup = Definition->PopupWindow;
  ASSERT_EQ(popup.windowpictureindex, 1);
  EXPECT_EQ(Facts("", Package->ActivePictures[1]).Width, 65);
  EXPECT_EQ(Facts("", Package->ActivePictures[1]).Height, 69);
  EXPECT_EQ(popup.itemsrect, TRect(2, 2, 63, 67));
  const auto& item = Object<TsfDataSkinMenuItem>("menuitem");
  EXPECT_EQ(item.skinrect.Width(), 63);
  EXPECT_EQ(item.skinrect.Height(), 20);
  EXPECT_EQ(item.dividerrect.Width(), 63);
  EXPECT_EQ(item.dividerrect.Height(), 7);
  EXPECT_EQ(item.textrect, TRect(2, 2, 60, 18));
}

TEST_F(OurSkin, ControlSizesAndResizeModes) {
  const auto& toolpanel = Control<TsfDataSkinPanelControl>("toolpanel");
  EXPECT_EQ(toolpanel.skinrect.Width(), 42);
  EXPECT_EQ(toolpanel.skinrect.Height(), 29);
  // The tool bar's client area runs from y 2 to 27 and 2 pixels in from each side.
  EXPECT_EQ(toolpanel.clientrect, TRect(2, 2, 40, 27));

  const auto& statusbar = Control<TsfDataSkinPanelControl>("statusbar");
  EXPECT_EQ(statusbar.skinrect.Width(), 47);
  EXPECT_EQ(statusbar.skinrect.Height(), 24);
  EXPECT_EQ(statusbar.gripperrect, TRect(504, 239, 520, 256));
  EXPECT_TRUE(statusbar.grippertransparent);
  EXPECT_EQ(statusbar.grippertransparentcolor, 16711935);

  const auto& panel = Control<TsfDataSkinPanelControl>("panel");
  EXPECT_EQ(panel.skinrect.Width(), 59);
  EXPECT_EQ(panel.skinrect.Height(), 52);
  EXPECT_EQ(panel.lefttoppoint, TPoint(5, 4));
  EXPECT_EQ(panel.righttoppoint, TPoint(53, 6));
  EXPECT_EQ(panel.leftbottompoint, TPoint(6, 45));
  EXPECT_EQ(panel.rightbottompoint, TPoint(53, 46));
  // The bottom panel shows its client piece: 55 x 48 from (143, 6) of the picture.
  EXPECT_EQ(panel.clientrect.Offset(panel.skinrect.Left, panel.skinrect.Top), TRect(143, 6, 198, 54));

  const auto& button = Control<TsfDataSkinButtonControl>("button");
  EXPECT_EQ(button.skinrect.Width(), 24);
  EXPECT_EQ(button.skinrect.Height(), 21);
  EXPECT_EQ(button.lefttoppoint, TPoint(4, 8));
  EXPECT_EQ(button.righttoppoint, TPoint(18, 9));
  const auto& toolbutton = Control<TsfDataSkinButtonControl>("toolbutton");
  EXPECT_EQ(toolbutton.leftbottompoint, TPoint());
  EXPECT_EQ(toolbutton.rightbottompoint, TPoint());

  const auto& edit = Control<TsfDataSkinEditControl>("edit");
  EXPECT_EQ(edit.skinrect.Width(), 57);
  EXPECT_EQ(edit.skinrect.Height(), 21);
  EXPECT_EQ(edit.lefttoppoint, TPoint(4, 10));
  EXPECT_EQ(edit.righttoppoint, TPoint(51, 11));
  EXPECT_EQ(edit.clientrect, TRect(3, 3, 54, 18));

  EXPECT_EQ(Control<TsfDataSkinComboBox>("combobox").skinrect.Height(), 22);
  const std::pair<const char*, TMode> modes[] = {
      {"panel", mNine},          {"listbox", mNine},         {"toolpanel", mHorizontal},
      {"statusbar", mHorizontal}, {"button", mHorizontal},   {"toolbutton", mHorizontal},
      {"combobox", mHorizontal}, {"hscrollbar", mHorizontal}, {"bothhscrollbar", mHorizontal},
      {"vscrollbar", mVertical}};
  for (const auto& [name, mode] : modes) EXPECT_EQ(ModeOf(Control<TsfDataSkinCustomControl>(name)), mode) << name;
}

TEST_F(OurSkin, ListsScrollBarsAndTheirLinks) {
  const auto& list = Control<TsfDataSkinListBox>("listbox");
  EXPECT_EQ(list.itemrect.Height(), 21);
  EXPECT_EQ(list.vscrollbarname, "vscrollbar");
  EXPECT_EQ(list.hscrollbarname, "hscrollbar");
  EXPECT_EQ(list.bothhscrollbarname, "bothhscrollbar");
  EXPECT_EQ(Control<TsfDataSkinComboBox>("combobox").listboxname, "listbox");

  const auto& bar = Control<TsfDataSkinScrollBarControl>("vscrollbar");
  EXPECT_EQ(bar.skinrect.Width(), 17);
  EXPECT_EQ(bar.skinrect.Height(), 68);
  EXPECT_EQ(bar.leftbottompoint, TPoint(8, 45));
  EXPECT_EQ(bar.upbuttonrect, TRect(1, 51, 16, 67));
  EXPECT_EQ(bar.downbuttonrect, TRect(1, 1, 16, 17));
  // On a bar 412 high the track runs from y 18 to y 394.
  EXPECT_EQ(bar.trackarea.Top, 18);
  EXPECT_EQ(bar.trackarea.Bottom + 412 - 68, 394);

  const auto& bevel = Control<TsfDataSkinBevel>("bevel");
  EXPECT_EQ(bevel.lightcolor, 16777215);
  EXPECT_EQ(bevel.darkcolor, 12632256);
}

// Folder -> package -> folder: the pictures come back byte for byte, the definition
// line for line, and the folder builds the very same package again.
TEST_F(OurSkin, RoundTripThroughAFolder) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "ourskin-round-trip";
  std::filesystem::remove_all(folder);
  WriteSkinFolder(*Package, folder);
  for (const auto& entry : std::filesystem::directory_iterator(SkinFolder())) {
    const std::string name = entry.path().filename().string();
    if (name == "skin.ini" || entry.path().extension() == ".md") continue;
    EXPECT_EQ(LoadSkinFileBytes(folder / name), LoadSkinFileBytes(entry.path())) << name;
  }
  auto lines = [](const std::filesystem::path& path) {
    Bytes raw = LoadSkinFileBytes(path);
    return SplitSkinLines(std::string_view(reinterpret_cast<const char*>(raw.data()), raw.size()));
  };
  EXPECT_EQ(lines(folder / "skin.ini"), lines(SkinFolder() / "skin.ini"));
  TsfCompressedStoredSkin again(nullptr);
  again.BuildFromIniFile(folder / "skin.ini");
  EXPECT_EQ(again.PackedBytes(), *Blob);
  std::filesystem::remove_all(folder);
}

}  // namespace
