#pragma once
// A skin data component loaded the way the program loads its own: a package with one
// active picture and a definition text whose [SKINCONTROLS] part the test writes.
#include <windows.h>

#include <filesystem>
#include <memory>
#include <string>

#include "skin/data/sfCompressedStoredSkin.h"
#include "skin/data/sfSkinData.h"
#include "skin/data/sfSkinPackage.h"
#include "ui/Bitmap.h"
#include "ui/Control.h"

// `entries` are the [SKINCONTROLS] entries ("name:kind"), one per line; `sections`
// the definitions' sections, lines separated by LF.
inline std::string SkinDefinitionText(const std::string& entries, const std::string& sections) {
  std::string text =
      "[VERSION]\r\nskinname=test\r\n[PICTURES]\r\nactivepictures=1\r\nactivepictures0=p.bmp\r\n"
      "[FORMINFO]\r\n[SKINOBJECTS]\r\ncount=0\r\n[SKINCONTROLS]\r\n";
  int count = 0;
  std::string list;
  size_t start = 0;
  while (start < entries.size()) {
    size_t end = entries.find('\n', start);
    if (end == std::string::npos) end = entries.size();
    std::string entry = entries.substr(start, end - start);
    if (!entry.empty()) list += std::to_string(count++) + "=" + entry + "\r\n";
    start = end + 1;
  }
  text += "count=" + std::to_string(count) + "\r\n" + list;
  for (char c : sections) {
    if (c == '\n') text += '\r';
    text += c;
  }
  return text;
}

// The picture the test skins cut their images from: white, with the panel's client
// piece (2,2)-(57,50) green and its first pixel red, so tiles can be told apart.
inline std::unique_ptr<TBitmap> TestSkinPicture() {
  auto p = std::make_unique<TBitmap>(64, 64);
  p->Canvas().Brush().SetColor(clWhite);
  p->Canvas().FillRect({0, 0, 64, 64});
  p->Canvas().Brush().SetColor(clGreen);
  p->Canvas().FillRect({2, 2, 57, 50});
  p->Canvas().SetPixel(2, 2, clRed);
  return p;
}

// The definitions the tests wear: the tool bar's and status bar's horizontal skins,
// the nine-part panel, a fixed button and a vertical bar.
inline const char* kTestSkinEntries =
    "toolpanel:panel\nstatusbar:panel\npanel:panel\nbutton:button\nvbar:scrollbar\n"
    "framed:panel\nstdlabel:stdlabel\nstretched:panel\n";
inline const char* kTestSkinSections =
    "[toolpanel]\npictureindex=0\nskinrect=0,0,42,29\nlefttoppoint=5,0\nrighttoppoint=37,0\n"
    "clientrect=2,2,40,27\n"
    "[statusbar]\npictureindex=0\nskinrect=0,0,47,24\nlefttoppoint=4,0\nrighttoppoint=43,0\n"
    "clientrect=2,3,45,22\n"
    "[panel]\npictureindex=0\nskinrect=0,0,59,52\nlefttoppoint=5,4\nrighttoppoint=53,6\n"
    "leftbottompoint=6,45\nrightbottompoint=53,46\nclientrect=2,2,57,50\n"
    "[button]\npictureindex=0\nskinrect=0,0,20,10\nclientrect=1,1,19,9\n"
    "[vbar]\npictureindex=0\nskinrect=0,0,17,68\nleftbottompoint=0,51\nlefttoppoint=0,17\n"
    "clientrect=1,17,16,51\n"
    "[framed]\npictureindex=0\nskinrect=0,0,59,52\nlefttoppoint=5,4\nrighttoppoint=53,6\n"
    "leftbottompoint=6,45\nrightbottompoint=53,46\nclientrect=3,4,56,48\n"
    "[stdlabel]\nskinrect=0,0,0,0\n"
    "[stretched]\npictureindex=0\nskinrect=0,0,59,52\nlefttoppoint=5,4\nrighttoppoint=53,6\n"
    "leftbottompoint=6,45\nrightbottompoint=53,46\nclientrect=2,2,57,50\nstretcheffect=1\n";

// Loads the test definitions into `data` (owned by the caller's component tree).
inline void LoadTestSkin(TsfSkinData& data, const std::string& entries = kTestSkinEntries,
                         const std::string& sections = kTestSkinSections) {
  TsfSkinPackage package;
  package.ActivePictures.push_back(TestSkinPicture()->SaveToBytes());
  package.DefinitionText = SkinDefinitionText(entries, sections);
  TsfCompressedStoredSkin stored(nullptr);
  stored.SetCompressedData(PackSkinPackage(package));
  data.LoadStoredSkin(stored);
}

inline TColor PixelAt(TBitmap& b, int x, int y) {
  return static_cast<TColor>(b.Canvas().Pixel(x, y));
}

// The program's own skin definition, from the source tree.
inline std::filesystem::path OurSkinIni() {
  return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "resources" /
         "skin" / "skin.ini";
}

// A control painted onto a bitmap filled with `background`.
inline std::unique_ptr<TBitmap> ImageOf(TControl& c, TColor background) {
  auto image = std::make_unique<TBitmap>(c.Width(), c.Height());
  image->Canvas().Brush().SetColor(background);
  image->Canvas().FillRect({0, 0, c.Width(), c.Height()});
  c.PaintOn(image->DC());
  return image;
}
