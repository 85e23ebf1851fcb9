#include "FramePictures.h"

#include <functional>
#include <string>

#include "SkinLook.h"

using namespace look;

namespace {

constexpr TRgb kWindowLine = Rgb(112, 118, 152);
constexpr TRgb kInnerLine = Rgb(184, 189, 212);
constexpr TRgb kTitleTop = Rgb(250, 251, 254);
constexpr TRgb kTitleBottom = Rgb(227, 230, 239);
constexpr TRgb kMenuBar = Rgb(240, 242, 247);
constexpr TRgb kCloseLine = Rgb(178, 52, 66), kCloseTop = Rgb(228, 94, 106),
               kCloseBottom = Rgb(206, 68, 82);
constexpr int kTopRadius = 6, kBottomRadius = 3;

// Row y of the title bar: white under the outline, then a calm fade into the colour
// of the borders, which ends one row above the client area's line.
TRgb TitleRow(const TSkinLayout& layout, int y) {
  const int last = layout.Rect("FORMINFO", "clientrect").Top - 2;
  if (y <= 1) return kWhite;
  if (y >= last) return kTitleBottom;
  return Mix(kTitleTop, kTitleBottom, double(y - 2) / (last - 2));
}

// Whether a pixel of the main picture belongs to the window: everything but the
// rounded corners.
bool InWindow(int x, int y) {
  auto corner = [](double dx, double dy, int radius) {
    return dx * dx + dy * dy <= double(radius) * radius;
  };
  const double px = x + 0.5, py = y + 0.5;
  if (py < kTopRadius && px < kTopRadius) return corner(kTopRadius - px, kTopRadius - py, kTopRadius);
  if (py < kTopRadius && px > kMainWidth - kTopRadius)
    return corner(px - (kMainWidth - kTopRadius), kTopRadius - py, kTopRadius);
  if (py > kMainHeight - kBottomRadius && px < kBottomRadius)
    return corner(kBottomRadius - px, py - (kMainHeight - kBottomRadius), kBottomRadius);
  if (py > kMainHeight - kBottomRadius && px > kMainWidth - kBottomRadius)
    return corner(px - (kMainWidth - kBottomRadius), py - (kMainHeight - kBottomRadius), kBottomRadius);
  return true;
}

bool OnWindowEdge(int x, int y) {
  auto outside = [](int px, int py) {
    return px < 0 || py < 0 || px >= kMainWidth || py >= kMainHeight || !InWindow(px, py);
  };
  return InWindow(x, y) &&
         (outside(x - 1, y) || outside(x + 1, y) || outside(x, y - 1) || outside(x, y + 1));
}

// --- caption buttons

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
  for (int y = r.Top; y < r.Bottom; ++y) c.HLine(r.Left, r.Right, y, TitleRow(layout, titleY + y - r.Top));
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

}  // namespace

std::vector<TRgb> TitleBarColours(const TSkinLayout& layout) {
  std::vector<TRgb> colours;
  for (int y = 0; y < layout.Rect("FORMINFO", "clientrect").Top; ++y) colours.push_back(TitleRow(layout, y));
  colours.push_back(kMenuBar);
  return colours;
}

TSkinCanvas PaintMainPicture(const TSkinLayout& layout) {
  const TRect client = layout.Rect("FORMINFO", "clientrect");
  TSkinCanvas c(kMainWidth, kMainHeight, kFace);
  for (int y = 0; y < client.Top - 1; ++y) c.HLine(0, kMainWidth, y, TitleRow(layout, y));
  c.Fill(TRect(0, client.Top - 1, client.Left, kMainHeight), kTitleBottom);
  c.Fill(TRect(client.Right, client.Top - 1, kMainWidth, kMainHeight), kTitleBottom);
  c.Fill(TRect(0, client.Bottom, kMainWidth, kMainHeight), kTitleBottom);
  // A fine line sets the client area off from the frame.
  c.Frame(TRect(client.Left - 1, client.Top - 1, client.Right + 1, client.Bottom + 1), kInnerLine);
  for (int y = 0; y < kMainHeight; ++y)
    for (int x = 0; x < kMainWidth; ++x) {
      if (!InWindow(x, y)) c.SetPixel(x, y, kWhite);
      else if (OnWindowEdge(x, y)) c.SetPixel(x, y, kWindowLine);
    }
  return c;
}

TSkinCanvas PaintMaskPicture(const TSkinLayout&) {
  TSkinCanvas c(kMainWidth, kMainHeight, 0x000000);
  for (int y = 0; y < kMainHeight; ++y)
    for (int x = 0; x < kMainWidth; ++x)
      if (!InWindow(x, y)) c.SetPixel(x, y, kWhite);
  return c;
}

TSkinCanvas PaintCaptionButtons(const TSkinLayout& layout) {
  TSkinCanvas c(84, 246, kWhite);
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
  return c;
}

TSkinCanvas PaintPopupWindow(const TSkinLayout& layout) {
  TSkinCanvas c(65, 69, kWhite);
  const TRect items = layout.Rect("POPUPWINDOW", "itemsrect");
  c.Frame(TRect(0, 0, c.Width(), c.Height()), Rgb(150, 156, 184));
  c.Frame(TRect(items.Left - 1, items.Top - 1, items.Right + 1, items.Bottom + 1), Rgb(252, 252, 254));
  return c;
}

TSkinCanvas PaintMenuItems(const TSkinLayout& layout) {
  TSkinCanvas c(68, 118, kWhite);
  const std::string item = "menuitem";
  Claimed(c, layout, item, "skinrect");
  TRect hot = Claimed(c, layout, item, "activeskinrect");
  c.RoundBox(TRect(hot.Left + 1, hot.Top + 1, hot.Right - 1, hot.Bottom - 1), 3, Rgb(190, 197, 238),
             Rgb(237, 240, 254), Rgb(225, 230, 252));
  TRect divider = Claimed(c, layout, item, "dividerrect");
  c.HLine(divider.Left + 4, divider.Right - 4, divider.Top + divider.Height() / 2, kSeparator);
  const TRgb hotBack = Rgb(231, 235, 253);
  auto mark = [&](const char* key, bool active, const std::function<void(const TRect&, TRgb)>& draw) {
    TRect r = Claimed(c, layout, item, key);
    if (active) c.Fill(r, hotBack);
    draw(r, active ? Rgb(24, 30, 64) : kGlyph);
  };
  auto check = [&](const TRect& r, TRgb colour) { CheckMark(c, r.Left + 2, r.Top + 2.5, 1.1, colour, 1.5); };
  auto radio = [&](const TRect& r, TRgb colour) {
    c.RoundFill(TRect(r.Left + 3, r.Top + 3, r.Left + 9, r.Top + 9), 3, colour, colour);
  };
  auto arrow = [&](const TRect& r, TRgb colour) {
    Chevron(c, r.Left + r.Width() / 2.0, r.Top + r.Height() / 2.0, 2, 7, colour);
  };
  mark("checkimagerect", false, check);
  mark("activecheckimagerect", true, check);
  mark("radioimagerect", false, radio);
  mark("activeradioimagerect", true, radio);
  mark("arrowimagerect", false, arrow);
  mark("activearrowimagerect", true, arrow);
  const std::string bar = "mainmenubaritem";
  c.Fill(Claimed(c, layout, bar, "skinrect"), kMenuBar);
  TRect barHot = Claimed(c, layout, bar, "activeskinrect");
  c.Fill(barHot, kMenuBar);
  Plate(c, TRect(barHot.Left + 1, barHot.Top + 1, barHot.Right - 1, barHot.Bottom - 1), TState::Hot);
  TRect barDown = Claimed(c, layout, bar, "downrect");
  c.Fill(barDown, kMenuBar);
  Plate(c, TRect(barDown.Left + 1, barDown.Top + 1, barDown.Right - 1, barDown.Bottom - 1), TState::Down);
  return c;
}

TSkinCanvas PaintHintWindow(const TSkinLayout&) {
  TSkinCanvas c(38, 16, kFace);
  c.RoundBox(TRect(0, 0, 38, 16), 1.5, Rgb(150, 156, 184), Rgb(253, 253, 255), Rgb(243, 244, 250));
  return c;
}

TSkinCanvas PaintMdiBackground() {
  TSkinCanvas c(100, 100, Rgb(214, 217, 229));
  // A quiet staggered dot grid; 100 is a multiple of its period, so it tiles.
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 100; ++x)
      if ((x % 10 == 0 && y % 10 == 0) || (x % 10 == 5 && y % 10 == 5)) c.SetPixel(x, y, Rgb(203, 207, 222));
  return c;
}
