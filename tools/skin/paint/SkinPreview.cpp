#include "SkinPreview.h"

#include <algorithm>
#include <string>

#include "SkinLook.h"

namespace {

// Copies `from` of `src` over `to`, repeating it (or scaling it, when `stretch`).
void Tile(TSkinCanvas& dst, const TSkinCanvas& src, const TRect& from, const TRect& to, bool stretch,
          bool transparent = false) {
  if (from.IsEmpty() || to.IsEmpty()) return;
  for (int y = to.Top; y < to.Bottom; ++y)
    for (int x = to.Left; x < to.Right; ++x) {
      int sx = stretch ? from.Left + (x - to.Left) * from.Width() / to.Width() : from.Left + (x - to.Left) % from.Width();
      int sy = stretch ? from.Top + (y - to.Top) * from.Height() / to.Height() : from.Top + (y - to.Top) % from.Height();
      TRgb c = src.Pixel(sx, sy);
      if (!transparent || c != look::kTransparent) dst.SetPixel(x, y, c);
    }
}

struct TNine {
  TRect S, Cl;
  TPoint LT, RT, LB, RB;
  bool Left = false, Top = false, Right = false, Bottom = false;
};

TNine NineOf(const TSkinLayout& l, const std::string& section, const char* skin = "skinrect") {
  TNine n;
  n.S = l.Rect(section, skin);
  n.Cl = ReadRect(l.Ini(), section, "clientrect");
  n.LT = l.Point(section, "lefttoppoint");
  n.RT = l.Point(section, "righttoppoint");
  n.LB = l.Point(section, "leftbottompoint");
  n.RB = l.Point(section, "rightbottompoint");
  n.Left = l.Ini().ReadBool(section, "leftstretch", false);
  n.Top = l.Ini().ReadBool(section, "topstretch", false);
  n.Right = l.Ini().ReadBool(section, "rightstretch", false);
  n.Bottom = l.Ini().ReadBool(section, "bottomstretch", false);
  return n;
}

// The nine-part resize: corners copied, edges and centre repeated.
void NinePart(TSkinCanvas& dst, const TSkinCanvas& src, const TNine& n, const TRect& t) {
  const int W = n.S.Width(), H = n.S.Height(), Wn = t.Width(), Hn = t.Height();
  const int dW = Wn - W, dH = Hn - H;
  const TPoint RT{n.RT.x + dW, n.RT.y}, LB{n.LB.x, n.LB.y + dH}, RB{n.RB.x + dW, n.RB.y + dH};
  const TRect Cl(n.Cl.Left, n.Cl.Top, n.Cl.Right + dW, n.Cl.Bottom + dH);
  auto part = [&](int sl, int st, int sr, int sb, int dl, int dt, int dr, int db, bool stretch) {
    TRect from(n.S.Left + sl, n.S.Top + st, n.S.Left + sr, n.S.Top + sb);
    TRect to(t.Left + dl, t.Top + dt, t.Left + dr, t.Top + db);
    Tile(dst, src, from, to, stretch);
  };
  part(n.LT.x, 0, n.RT.x, n.Cl.Top, n.LT.x, 0, RT.x, Cl.Top, n.Top);
  part(n.LB.x, n.Cl.Bottom, n.RB.x, H, LB.x, Cl.Bottom, RB.x, Hn, n.Bottom);
  part(0, n.LT.y, n.Cl.Left, n.LB.y, 0, n.LT.y, Cl.Left, LB.y, n.Left);
  part(n.Cl.Right, n.RT.y, W, n.RB.y, Cl.Right, RT.y, Wn, RB.y, n.Right);
  part(0, 0, n.LT.x, n.Cl.Top, 0, 0, n.LT.x, n.Cl.Top, false);
  part(0, n.Cl.Top, n.Cl.Left, n.LT.y, 0, n.Cl.Top, n.Cl.Left, n.LT.y, false);
  part(n.RT.x, 0, W, n.Cl.Top, RT.x, 0, Wn, Cl.Top, false);
  part(n.Cl.Right, n.Cl.Top, W, n.RT.y, Cl.Right, Cl.Top, Wn, RT.y, false);
  part(0, n.LB.y, n.Cl.Left, H, 0, LB.y, Cl.Left, Hn, false);
  part(n.Cl.Left, n.Cl.Bottom, n.LB.x, H, Cl.Left, Cl.Bottom, LB.x, Hn, false);
  part(n.RB.x, n.Cl.Bottom, W, H, RB.x, Cl.Bottom, Wn, Hn, false);
  part(n.Cl.Right, n.RB.y, W, n.Cl.Bottom, Cl.Right, RB.y, Wn, Cl.Bottom, false);
  part(n.Cl.Left, n.Cl.Top, n.Cl.Right, n.Cl.Bottom, Cl.Left, Cl.Top, Cl.Right, Cl.Bottom, false);
}

void ThreeH(TSkinCanvas& dst, const TSkinCanvas& src, const TRect& s, int a, int b, int x, int y, int width,
            bool transparent = false) {
  Tile(dst, src, TRect(s.Left, s.Top, s.Left + a, s.Bottom), TRect(x, y, x + a, y + s.Height()), false, transparent);
  Tile(dst, src, TRect(s.Left + a, s.Top, s.Right - b, s.Bottom),
       TRect(x + a, y, x + width - b, y + s.Height()), false, transparent);
  Tile(dst, src, TRect(s.Right - b, s.Top, s.Right, s.Bottom), TRect(x + width - b, y, x + width, y + s.Height()),
       false, transparent);
}

void ThreeV(TSkinCanvas& dst, const TSkinCanvas& src, const TRect& s, int a, int b, int x, int y, int height) {
  Tile(dst, src, TRect(s.Left, s.Top, s.Right, s.Top + a), TRect(x, y, x + s.Width(), y + a), false);
  Tile(dst, src, TRect(s.Left, s.Top + a, s.Right, s.Bottom - b),
       TRect(x, y + a, x + s.Width(), y + height - b), false);
  Tile(dst, src, TRect(s.Left, s.Bottom - b, s.Right, s.Bottom), TRect(x, y + height - b, x + s.Width(), y + height),
       false);
}

// A horizontal control of `section` (fixed left LT.x, fixed right W - RT.x) in one state.
void Horizontal(TSkinCanvas& dst, const TSkinPictures& p, const TSkinLayout& l, const std::string& section,
                const char* key, int x, int y, int width) {
  TRect s = l.Rect(section, key);
  int a = l.Point(section, "lefttoppoint").x, b = l.Rect(section, "skinrect").Width() - l.Point(section, "righttoppoint").x;
  ThreeH(dst, p.Controls, s, a, b, x, y, width);
}

// A background picture over `to` by its stretch type: stfull scales it to the area,
// sthorz to the area's height repeating it across, stvert to its width repeating it down.
void Backdrop(TSkinCanvas& dst, const TSkinCanvas& src, const TRect& to, int stretchType) {
  const int w = stretchType == 2 ? to.Width() : src.Width(), h = stretchType == 1 ? to.Height() : src.Height();
  const int sw = stretchType == 0 ? to.Width() : w, sh = stretchType == 0 ? to.Height() : h;
  for (int y = to.Top; y < to.Bottom; ++y)
    for (int x = to.Left; x < to.Right; ++x) {
      const int ix = (x - to.Left) % sw, iy = (y - to.Top) % sh;
      dst.SetPixel(x, y, src.Pixel(ix * src.Width() / sw, iy * src.Height() / sh));
    }
}

void Copy(TSkinCanvas& dst, const TSkinCanvas& src, const TRect& from, int x, int y, bool transparent = false) {
  Tile(dst, src, from, TRect(x, y, x + from.Width(), y + from.Height()), false, transparent);
}

void Frame(TSkinCanvas& d, const TSkinPictures& p, const TSkinLayout& l, const TRect& win) {
  TNine n;
  n.S = TRect(0, 0, p.Main.Width(), p.Main.Height());
  n.Cl = l.Rect("FORMINFO", "clientrect");
  n.LT = l.Point("FORMINFO", "lefttoppoint");
  n.RT = l.Point("FORMINFO", "righttoppoint");
  n.LB = l.Point("FORMINFO", "leftbottompoint");
  n.RB = l.Point("FORMINFO", "rightbottompoint");
  TSkinCanvas mask(win.Right + 1, win.Bottom + 1, look::kWhite);
  const int captionIndex = l.Ini().ReadInteger("caption", "activepictureindex", -1);
  NinePart(d, p.Main, n, win);
  TNine m = n;
  m.Cl = l.Rect("FORMINFO", "maskrectarea");
  NinePart(mask, p.Mask, m, win);
  for (int y = win.Top; y < win.Bottom; ++y)
    for (int x = win.Left; x < win.Right; ++x)
      if (mask.Pixel(x, y) != 0) d.SetPixel(x, y, l.Look().Desk);
  // Caption buttons from the right edge of the caption rectangle, as the frame lays
  // them out; the maximize button is shown hot and the minimize button pressed.
  const TRect caption = l.Rect("FORMINFO", "captionrect");
  int x = win.Left + caption.Right + win.Width() - p.Main.Width();
  const std::pair<const char*, const char*> buttons[] = {
      {"closebutton", "skinrect"}, {"maximizebutton", "activeskinrect"}, {"minimizebutton", "downrect"},
      {"rollupbutton", "skinrect"}};
  for (const auto& [section, key] : buttons) {
    TRect r = l.Rect(section, key);
    x -= r.Width();
    Copy(d, p.Caption, r, x, win.Top + caption.Top);
    x -= l.Ini().ReadInteger("FORMINFO", "buttonsoffset", 0);
  }
  TRect sys = l.Rect("sysmenubutton", "skinrect");
  Copy(d, p.Caption, sys, win.Left + caption.Left, win.Top + caption.Top + caption.Height() / 2 - sys.Height() / 2);
  // The caption's frame behind a title of some 120 pixels, centred on the text rectangle
  // of the caption, which begins after the system menu button.
  const TRect frame = ReadRect(l.Ini(), "caption", "activeframerect");
  if (!frame.IsEmpty() && captionIndex >= 0) {
    const TRect object = l.Rect("caption", "skinrect"), text = l.Rect("caption", "textrect");
    const TRect inner = ReadRect(l.Ini(), "caption", "frametextrect");
    ThreeH(d, p.Caption, frame, l.Ini().ReadInteger("caption", "frameleftoffset", 0),
           l.Ini().ReadInteger("caption", "framerightoffset", 0), win.Left + caption.Left + sys.Width() + text.Left,
           win.Top + object.Top + text.Top + (text.Height() - frame.Height()) / 2,
           frame.Width() - inner.Width() + 120);
  }
}

void List(TSkinCanvas& d, const TSkinPictures& p, const TSkinLayout& l, const TRect& r) {
  TNine n = NineOf(l, "listbox");
  NinePart(d, p.Controls, n, r);
  const TRect inner(r.Left + n.Cl.Left, r.Top + n.Cl.Top, r.Right - (n.S.Width() - n.Cl.Right),
                    r.Bottom - (n.S.Height() - n.Cl.Bottom));
  TRect bar = l.Rect("vscrollbar", "skinrect");
  const int itemWidth = inner.Width() - bar.Width();
  const int a = l.Ini().ReadInteger("listbox", "itemleftoffset", 0), b = l.Ini().ReadInteger("listbox", "itemrightoffset", 0);
  const int itemHeight = l.Rect("listbox", "itemrect").Height();
  for (int i = 0; (i + 1) * itemHeight <= inner.Height(); ++i) {
    const char* key = i == 2 ? "activeitemrect" : i == 5 ? "focusitemrect" : "itemrect";
    ThreeH(d, p.Controls, l.Rect("listbox", key), a, b, inner.Left, inner.Top + itemHeight * i, itemWidth);
  }
  const int bx = inner.Right - bar.Width();
  const int top = l.Point("vscrollbar", "lefttoppoint").y, bottom = bar.Height() - l.Point("vscrollbar", "leftbottompoint").y;
  ThreeV(d, p.Controls, bar, top, bottom, bx, inner.Top, inner.Height());
  Copy(d, p.Controls, l.Rect("vscrollbar", "activedownbuttonrect"), bx + 1, inner.Top + 1);
  TRect thumb = l.Rect("vscrollbar", "thumbrect");
  ThreeV(d, p.Controls, thumb, 5, 5, bx + 2, inner.Top + 60, 80);
  TRect glyph = l.Rect("vscrollbar", "glyphrect");
  Copy(d, p.Controls, glyph, bx + 2 + (thumb.Width() - glyph.Width()) / 2, inner.Top + 60 + 40 - glyph.Height() / 2, true);
}

void Fields(TSkinCanvas& d, const TSkinPictures& p, const TSkinLayout& l, const TRect& r) {
  NinePart(d, p.Controls, NineOf(l, "panel"), r);
  const int x = r.Left + 12, x2 = r.Left + r.Width() / 2 + 6, w = r.Width() / 2 - 18;
  NinePart(d, p.Controls, NineOf(l, "memo"), TRect(x, r.Top + 12, r.Right - 12, r.Top + 110));
  NinePart(d, p.Controls, NineOf(l, "memo", "activeskinrect"), TRect(x + 20, r.Top + 30, x + 150, r.Top + 90));
  Horizontal(d, p, l, "combobox", "skinrect", x, r.Top + 122, w);
  Horizontal(d, p, l, "combobox", "activeskinrect", x2, r.Top + 122, w);
  Horizontal(d, p, l, "edit", "skinrect", x, r.Top + 154, w);
  Horizontal(d, p, l, "edit", "activeskinrect", x2, r.Top + 154, w);
  const char* states[] = {"skinrect", "activeskinrect", "downskinrect", "focusedskinrect", "disabledskinrect"};
  for (int i = 0; i < 5; ++i) Horizontal(d, p, l, "button", states[i], x + i * 66, r.Top + 188, 60);
  const char* boxes[] = {"checkimagerect", "uncheckimagerect", "activecheckimagerect", "activeuncheckimagerect",
                         "unenabledcheckimagerect", "grayedcheckimagerect"};
  for (int i = 0; i < 6; ++i) {
    Copy(d, p.Controls, l.Rect("checkbox", boxes[i]), x + i * 22, r.Top + 222);
    Copy(d, p.Controls, l.Rect("radiobox", boxes[i]), x + 150 + i * 22, r.Top + 222);
  }
  Horizontal(d, p, l, "gauge", "skinrect", x, r.Top + 250, w);
  TRect area = l.Rect("gauge", "progressarea");
  ThreeH(d, p.Controls, l.Rect("gauge", "progressrect"), 3, 3, x + area.Left, r.Top + 250 + area.Top, w * 3 / 5);
  Horizontal(d, p, l, "htrackbar", "skinrect", x2, r.Top + 248, w);
  Copy(d, p.Controls, l.Rect("htrackbar", "buttonrect"), x2 + w / 3, r.Top + 250, true);
}

void Menu(TSkinCanvas& d, const TSkinPictures& p, const TSkinLayout& l, int x, int y) {
  TNine n;
  n.S = TRect(0, 0, p.Popup.Width(), p.Popup.Height());
  n.Cl = l.Rect("POPUPWINDOW", "itemsrect");
  n.LT = l.Point("POPUPWINDOW", "lefttoppoint");
  n.RT = l.Point("POPUPWINDOW", "righttoppoint");
  n.LB = l.Point("POPUPWINDOW", "leftbottompoint");
  n.RB = l.Point("POPUPWINDOW", "rightbottompoint");
  const int itemHeight = l.Rect("menuitem", "skinrect").Height(), dividerHeight = l.Rect("menuitem", "dividerrect").Height();
  const int width = 150, height = p.Popup.Height() - n.Cl.Height() + 4 * itemHeight + dividerHeight;
  NinePart(d, p.Popup, n, TRect(x, y, x + width, y + height));
  const int a = l.Ini().ReadInteger("menuitem", "itemleftoffset", 0), b = l.Ini().ReadInteger("menuitem", "itemrightoffset", 0);
  int iy = y + n.Cl.Top;
  for (int i = 0; i < 5; ++i) {
    if (i == 3) {
      ThreeH(d, p.MenuItems, l.Rect("menuitem", "dividerrect"), 4, 4, x + n.Cl.Left, iy, n.Cl.Width() + width - p.Popup.Width());
      iy += dividerHeight;
      continue;
    }
    ThreeH(d, p.MenuItems, l.Rect("menuitem", i == 1 ? "activeskinrect" : "skinrect"), a, b, x + n.Cl.Left, iy,
           n.Cl.Width() + width - p.Popup.Width());
    iy += itemHeight;
  }
  const TRect check = l.Rect("menuitem", "activecheckimagerect");
  Copy(d, p.MenuItems, check, x + n.Cl.Left + 3, y + n.Cl.Top + itemHeight + (itemHeight - check.Height()) / 2);
}

}  // namespace

TSkinCanvas PaintPreview(const TSkinLayout& l, const TSkinPictures& p) {
  TSkinCanvas d(680, 500, l.Look().Desk);
  const TRect win(20, 20, 660, 480);
  Frame(d, p, l, win);
  const TRect cl = l.Rect("FORMINFO", "clientrect");
  const TRect client(win.Left + cl.Left, win.Top + cl.Top, win.Right - (p.Main.Width() - cl.Right),
                     win.Bottom - (p.Main.Height() - cl.Bottom));
  d.Fill(client, l.Look().Tone ? l.Look().Tone(look::kFace) : look::kFace);
  if (p.ClientBackground) Backdrop(d, *p.ClientBackground, client, ReadStretchType(l.Ini(), "FORMINFO", "stretchtype"));
  const TRect bar = l.Rect("toolpanel", "skinrect");
  if (p.ToolBarBackground)
    Backdrop(d, *p.ToolBarBackground, TRect(client.Left, client.Top, client.Right, client.Top + bar.Height()),
             ReadStretchType(l.Ini(), "toolpanel", "stretchtype"));
  else
    Horizontal(d, p, l, "toolpanel", "skinrect", client.Left, client.Top, client.Width());
  // Tool buttons: normal, hot, pressed, normal. Over a tool bar background the normal
  // ones are transparent: the bar shows through them.
  const char* tools[] = {"skinrect", "activeskinrect", "downskinrect", "skinrect"};
  const int toolTop = client.Top + ReadRect(l.Ini(), "toolpanel", "clientrect").Top;
  for (int i = 0; i < 4; ++i)
    if (!p.ToolBarBackground || i == 1 || i == 2)
      Horizontal(d, p, l, "toolbutton", tools[i], client.Left + 6 + i * 66, toolTop, 62);
  const int top = client.Top + bar.Height() + 6;
  TRect status = l.Rect("statusbar", "skinrect");
  Horizontal(d, p, l, "statusbar", "skinrect", client.Left, client.Bottom - status.Height(), client.Width());
  TRect grip = l.Rect("statusbar", "gripperrect");
  Copy(d, p.Controls, grip, client.Right - 2 - grip.Width(), client.Bottom - 1 - grip.Height(), true);
  List(d, p, l, TRect(client.Left + 6, top, client.Left + 216, client.Bottom - status.Height() - 6));
  Fields(d, p, l, TRect(client.Left + 222, top, client.Right - 6, client.Bottom - status.Height() - 6));
  Menu(d, p, l, win.Left + 8, win.Top + 26);
  return d;
}
