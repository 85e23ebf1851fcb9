// The caption buttons' picture: every button of the title bar and of the menu bar in
// its states, and the caption's frame images.
#include <algorithm>
#include <functional>
#include <string>

#include "FrameColours.h"
#include "FramePictures.h"
#include "SkinLook.h"

using namespace look;
using namespace frame;

namespace {

using TGlyph = std::function<void(TSkinCanvas&, const TRect&, TRgb)>;

void CloseGlyph(TSkinCanvas& c, const TRect& r, TRgb colour) {
  Cross(c, r.Left + r.Width() / 2.0, r.Top + r.Height() / 2.0, r.Width() > 17 ? 4 : 3, colour);
}

void MaximizeGlyph(TSkinCanvas& c, const TRect& r, TRgb colour) {
  const int s = r.Width() > 17 ? 9 : 7, x = r.Left + (r.Width() - s) / 2, y = r.Top + (r.Height() - s) / 2;
  c.Frame(TRect(x, y, x + s, y + s), colour);
}

void RestoreGlyph(TSkinCanvas& c, const TRect& r, TRgb colour) {
  const int s = r.Width() > 17 ? 7 : 5, x = r.Left + (r.Width() - s - 2) / 2,
            y = r.Top + (r.Height() - s - 2) / 2 + 2;
  c.HLine(x + 2, x + s + 2, y - 2, colour);
  c.VLine(x + s + 1, y - 2, y + s - 2, colour);
  c.VLine(x + 2, y - 2, y, colour);
  c.HLine(x + s, x + s + 2, y + s - 3, colour);
  c.Frame(TRect(x, y, x + s, y + s), colour);
}

void MinimizeGlyph(TSkinCanvas& c, const TRect& r, TRgb colour) {
  const int s = r.Width() > 17 ? 9 : 7, x = r.Left + (r.Width() - s) / 2;
  c.HLine(x, x + s, r.Top + r.Height() / 2 + 1, colour);
}

void RollUpGlyph(TSkinCanvas& c, const TRect& r, TRgb colour) {
  Chevron(c, r.Left + r.Width() / 2.0, r.Top + r.Height() / 2.0, 3, 8, colour);
}

void RollDownGlyph(TSkinCanvas& c, const TRect& r, TRgb colour) {
  Chevron(c, r.Left + r.Width() / 2.0, r.Top + r.Height() / 2.0, 4, 8, colour);
}

void TrayGlyph(TSkinCanvas& c, const TRect& r, TRgb colour) {
  const double cx = r.Left + r.Width() / 2.0;
  c.HLine(r.Left + 6, r.Right - 6, r.Top + 15, colour);
  c.Line(cx, r.Top + 5.5, cx, r.Top + 12, 1.2, colour);
  Chevron(c, cx, r.Top + 11, 4, 7, colour);
}

// The program's mark, "</>" in white on a lavender-blue tile, for the system menu
// button; the tile itself shows the hot and pressed states.
void AppTile(TSkinCanvas& c, const TRect& r, int state) {
  TRect tile(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
  switch (state) {
    case 1: c.RoundBox(tile, 3, Rgb(92, 102, 180), Rgb(154, 166, 236), Rgb(112, 124, 206)); break;
    case 2: c.RoundBox(tile, 3, Rgb(64, 72, 142), Rgb(98, 108, 184), Rgb(112, 122, 198)); break;
    case 3: c.RoundBox(tile, 3, Rgb(150, 154, 176), Rgb(192, 195, 212), Rgb(170, 174, 194)); break;
    default: c.RoundBox(tile, 3, Rgb(78, 88, 166), Rgb(136, 148, 228), Rgb(94, 105, 190)); break;
  }
  static const char* const kMark[] = {"..#...#..#..", ".#....#...#.", "#....#.....#",
                                      ".#..#.....#.", "..#.#....#.."};
  const int x = tile.Left + (tile.Width() - 12) / 2, y = tile.Top + (tile.Height() - 5) / 2;
  for (int row = 0; row < 5; ++row)
    for (int col = 0; col < 12; ++col)
      if (kMark[row][col] == '#') c.SetPixel(x + col, y + row, kWhite);
}

enum class TCaptionState { Normal, Hot, Down, Inactive };

void CaptionCell(TSkinCanvas& c, const TRect& r, int titleY, const TSkinLayout& layout,
                 TCaptionState state, bool close, const TGlyph& glyph) {
  // An inactive window's buttons stand on its own title bar, when it has one.
  const bool calm = state == TCaptionState::Inactive && HasInactivePicture(layout);
  for (int y = r.Top; y < r.Bottom; ++y) c.HLine(r.Left, r.Right, y, TitleRow(layout, titleY + y - r.Top, calm));
  TRect plate(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
  TRgb colour = state == TCaptionState::Inactive ? kGlyphDim : kGlyph;
  if (close && state != TCaptionState::Normal && state != TCaptionState::Inactive) {
    if (state == TCaptionState::Hot)
      c.RoundBox(plate, 3, kCloseLine, kCloseTop, kCloseBottom);
    else
      c.RoundBox(plate, 3, Rgb(150, 38, 52), Rgb(186, 54, 68), Rgb(170, 46, 60));
    colour = kWhite;
  } else if (state == TCaptionState::Hot) {
    Plate(c, plate, TState::Hot);
  } else if (state == TCaptionState::Down) {
    Plate(c, plate, TState::Down);
  }
  glyph(c, r, colour);
}

// The four state images of a caption button and, when it has them, of its restore
// state, each placed where [section] says.
void CaptionButton(TSkinCanvas& c, const TSkinLayout& layout, const std::string& section,
                   int titleY, const TGlyph& glyph, const TGlyph& restore = nullptr) {
  const bool close = section == "closebutton" || section == "menubarclosebutton";
  struct TImage {
    const char* Key;
    TCaptionState State;
  };
  const TImage images[] = {{"skinrect", TCaptionState::Normal}, {"activeskinrect", TCaptionState::Hot},
                           {"downrect", TCaptionState::Down}, {"inactiveskinrect", TCaptionState::Inactive}};
  const TImage restores[] = {{"restorerect", TCaptionState::Normal}, {"restoreactiverect", TCaptionState::Hot},
                             {"restoredownrect", TCaptionState::Down}, {"restoreinactiverect", TCaptionState::Inactive}};
  for (const TImage& image : images) {
    TRect r = layout.Rect(section, image.Key);
    c.Claim(r, "[" + section + "] " + image.Key);
    CaptionCell(c, r, titleY, layout, image.State, close, glyph);
  }
  if (!restore) return;
  for (const TImage& image : restores) {
    TRect r = layout.Rect(section, image.Key);
    c.Claim(r, "[" + section + "] " + image.Key);
    CaptionCell(c, r, titleY, layout, image.State, close, restore);
  }
}

void SysMenuButton(TSkinCanvas& c, const TSkinLayout& layout, const std::string& section, int titleY) {
  const std::pair<const char*, TCaptionState> images[] = {
      {"skinrect", TCaptionState::Normal}, {"activeskinrect", TCaptionState::Hot},
      {"downrect", TCaptionState::Down}, {"inactiveskinrect", TCaptionState::Inactive}};
  for (const auto& [key, state] : images) {
    TRect r = layout.Rect(section, key);
    c.Claim(r, "[" + section + "] " + key);
    CaptionCell(c, r, titleY, layout, TCaptionState::Normal, false, [](TSkinCanvas&, const TRect&, TRgb) {});
    AppTile(c, r, static_cast<int>(state));
  }
}

// Menu bar buttons sit on the menu bar, not on the title bar.
void MenuBarButton(TSkinCanvas& c, const TSkinLayout& layout, const std::string& section,
                   const TGlyph& glyph, const TGlyph& restore = nullptr) {
  const bool close = section == "menubarclosebutton";
  auto cell = [&](const char* key, TCaptionState state, const TGlyph& g) {
    TRect r = layout.Rect(section, key);
    c.Claim(r, "[" + section + "] " + key);
    c.Fill(r, kMenuBar);
    TRect plate(r.Left + 1, r.Top, r.Right - 1, r.Bottom);
    TRgb colour = state == TCaptionState::Inactive ? kGlyphDim : kGlyph;
    if (close && (state == TCaptionState::Hot || state == TCaptionState::Down)) {
      c.RoundBox(plate, 2.5, kCloseLine, state == TCaptionState::Hot ? kCloseTop : Rgb(186, 54, 68),
                 state == TCaptionState::Hot ? kCloseBottom : Rgb(170, 46, 60));
      colour = kWhite;
    } else if (state == TCaptionState::Hot || state == TCaptionState::Down) {
      Plate(c, plate, state == TCaptionState::Hot ? TState::Hot : TState::Down, 2.5);
    }
    g(c, r, colour);
  };
  cell("skinrect", TCaptionState::Normal, glyph);
  cell("activeskinrect", TCaptionState::Hot, glyph);
  cell("downrect", TCaptionState::Down, glyph);
  cell("inactiveskinrect", TCaptionState::Inactive, glyph);
  if (!restore) return;
  cell("restorerect", TCaptionState::Normal, restore);
  cell("restoreactiverect", TCaptionState::Hot, restore);
  cell("restoredownrect", TCaptionState::Down, restore);
  cell("restoreinactiverect", TCaptionState::Inactive, restore);
}

TRect Claimed(TSkinCanvas& c, const TSkinLayout& layout, const std::string& section, const char* key) {
  TRect r = layout.Rect(section, key);
  c.Claim(r, "[" + section + "] " + key);
  return r;
}


// The caption's frame images, when it has them: a calm rounded tag behind the title
// text, on the title bar where the text centres it; the active one is lit by the
// accent. Its ends (frameleftoffset, framerightoffset) hold the corners, the middle
// columns repeat.
void CaptionFrames(TSkinCanvas& c, const TSkinLayout& layout) {
  const std::string caption = "caption";
  if (ReadRect(layout.Ini(), caption, "framerect").IsEmpty()) return;
  const TRect text = layout.Rect(caption, "textrect");
  const int radius = std::min(layout.Ini().ReadInteger(caption, "frameleftoffset", 0),
                              layout.Ini().ReadInteger(caption, "framerightoffset", 0)) / 2;
  for (bool active : {false, true}) {
    TRect r = Claimed(c, layout, caption, active ? "activeframerect" : "framerect");
    const int top = layout.Rect(caption, "skinrect").Top + text.Top + (text.Height() - r.Height()) / 2;
    for (int y = r.Top; y < r.Bottom; ++y) c.HLine(r.Left, r.Right, y, TitleRow(layout, top + y - r.Top, !active));
    if (active)
      c.RoundBox(r, radius, Rgb(168, 176, 228), Rgb(246, 247, 255), Rgb(232, 235, 250));
    else
      c.RoundBoxRows(r, radius, kOutlineSoft, [&](int row) { return TitleRow(layout, top + row, true); });
  }
}

}  // namespace

TSkinCanvas PaintCaptionButtons(const TSkinLayout& layout) {
  TSkinCanvas c = layout.Canvas(layout.Look().CaptionWidth, layout.Look().CaptionHeight, kWhite);
  // The buttons are placed at the top of the caption rectangle, the system menu
  // button centred on it; their normal images must match the title bar there.
  const TRect caption = layout.Rect("FORMINFO", "captionrect");
  const int top = caption.Top;
  const int sysTop = caption.Top + caption.Height() / 2 - layout.Rect("sysmenubutton", "skinrect").Height() / 2;
  CaptionButton(c, layout, "closebutton", top, CloseGlyph);
  CaptionButton(c, layout, "maximizebutton", top, MaximizeGlyph, RestoreGlyph);
  CaptionButton(c, layout, "minimizebutton", top, MinimizeGlyph, RestoreGlyph);
  CaptionButton(c, layout, "rollupbutton", top, RollUpGlyph, RollDownGlyph);
  CaptionButton(c, layout, "traybutton", top, TrayGlyph);
  SysMenuButton(c, layout, "sysmenubutton", sysTop);
  MenuBarButton(c, layout, "menubarclosebutton", CloseGlyph);
  MenuBarButton(c, layout, "menubarminbutton", MinimizeGlyph);
  MenuBarButton(c, layout, "menubarmaxbutton", MaximizeGlyph, RestoreGlyph);
  CaptionFrames(c, layout);
  return c;
}

