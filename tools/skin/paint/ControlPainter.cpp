// Bars, panels, lists, tabs and the other framed controls of controls.bmp.
#include "ControlPainter.h"

#include "SkinLook.h"

using namespace look;

namespace {

constexpr TRgb kMenuBar = Rgb(240, 242, 247);
constexpr TRgb kStatusTop = Rgb(240, 241, 247), kStatusBottom = Rgb(228, 230, 239);
constexpr TRgb kHeaderMid = Rgb(242, 244, 249);

TRect Inset(const TRect& r, int dx, int dy) { return {r.Left + dx, r.Top + dy, r.Right - dx, r.Bottom - dy}; }
double CentreX(const TRect& r) { return r.Left + r.Width() / 2.0; }
double CentreY(const TRect& r) { return r.Top + r.Height() / 2.0; }

// A tool bar: a white top edge, a calm fade and a separating line at the bottom.
void Bar(TSkinCanvas& c, const TRect& r) {
  c.HLine(r.Left, r.Right, r.Top, kWhite);
  c.VGradient(TRect(r.Left, r.Top + 1, r.Right, r.Bottom - 1), kBarTop, kBarBottom);
  c.HLine(r.Left, r.Right, r.Bottom - 1, kFaceShadow);
}

TRgb HeaderRow(int row, int band) {
  return Mix(kHeaderTop, kHeaderBottom, band > 2 ? double(row - 1) / (band - 2) : 0);
}

}  // namespace

TSkinCanvas PaintControls(const TSkinLayout& layout) {
  TSkinCanvas canvas = layout.Canvas(layout.Look().ControlsWidth, layout.Look().ControlsHeight, kFace);
  TControlPainter painter(canvas, layout);
  painter.Bars();
  painter.Panels();
  painter.Lists();
  painter.ScrollBars();
  painter.Fields();
  painter.Buttons();
  painter.Checks();
  painter.Others();
  return canvas;
}

TRect TControlPainter::Claim(const std::string& section, const char* key) {
  TRect r = L.Rect(section, key);
  C.Claim(r, "[" + section + "] " + key);
  return r;
}

void TControlPainter::Bars() {
  for (const char* bar : {"toolpanel", "bigtoolpanel", "controlbar"}) Bar(C, Claim(bar, "skinrect"));

  TRect framed = Claim("resizetoolpanel", "skinrect");
  C.RoundBox(framed, 2.5, kOutlineSoft, kBarTop, kBarBottom);

  TRect status = Claim("statusbar", "skinrect");
  C.HLine(status.Left, status.Right, status.Top, kFaceShadow);
  C.HLine(status.Left, status.Right, status.Top + 1, Rgb(247, 248, 251));
  C.VGradient(TRect(status.Left, status.Top + 2, status.Right, status.Bottom), kStatusTop, kStatusBottom);
  TRect grip = Claim("statusbar", "gripperrect");
  C.Fill(grip, kTransparent);
  GripDots(C, grip.Left + 3, grip.Top + 4, 3, 3, true);

  TRect panel = Claim("statuspanel", "skinrect");
  C.Fill(panel, Mix(kStatusTop, kStatusBottom, 0.5));
  C.RoundBox(panel, 2.5, Rgb(208, 211, 224), Rgb(238, 240, 246), Rgb(238, 240, 246));

  TRect menuBar = Claim("mainmenubar", "skinrect");
  C.Fill(menuBar, kMenuBar);
  C.HLine(menuBar.Left, menuBar.Right, menuBar.Bottom - 1, kFaceShadow);

  TRect band = Claim("controlbar", "itemrect");
  C.Fill(band, Mix(kBarTop, kBarBottom, 0.5));
  C.RoundBox(band, 2.5, Rgb(206, 209, 224), Rgb(252, 252, 254), Rgb(238, 240, 246));
  TRect hgrip = Claim("controlbar", "hgriprect");
  C.Fill(hgrip, kTransparent);
  GripDots(C, hgrip.Left + 1, hgrip.Top + 2, 1, 4, false);
  TRect vgrip = Claim("controlbar", "vgriprect");
  C.Fill(vgrip, kTransparent);
  GripDots(C, vgrip.Left + 2, vgrip.Top + 1, 4, 1, false);
}

void TControlPainter::Caption(const TRect& r, int band) {
  C.Fill(r, kFace);
  C.RoundBoxRows(r, 2.5, kOutlineSoft, [band](int row) {
    return row < band ? HeaderRow(row, band) : row == band ? kSeparator : kFace;
  });
}

void TControlPainter::Panels() {
  // A quiet frame round the window face, whose inside tiles without a seam.
  TRect panel = Claim("panel", "skinrect");
  C.Fill(panel, kFace);
  C.Frame(panel, kOutlineSoft);
  C.Frame(Inset(panel, 1, 1), Rgb(236, 238, 245));
  for (TPoint p : {TPoint{panel.Left, panel.Top}, TPoint{panel.Right - 1, panel.Top},
                   TPoint{panel.Left, panel.Bottom - 1}, TPoint{panel.Right - 1, panel.Bottom - 1}})
    C.SetPixel(p.x, p.y, Mix(kOutlineSoft, kFace, 0.5));

  TRect group = Claim("groupbox", "skinrect");
  Caption(group, L.Rect("groupbox", "clientrect").Top - 1);

  TRect box = Claim("scrollbox", "skinrect");
  C.Fill(box, kFace);
  C.Frame(box, kOutline);

  ExPanel();

  TRect memo = Claim("memo", "skinrect");
  Field(C, memo, TState::Normal);
  Field(C, Claim("memo", "activeskinrect"), TState::Hot);
}

void TControlPainter::ExPanel() {
  const std::string ex = "expanel";
  TRect s = Claim(ex, "skinrect");
  Caption(s, L.Rect(ex, "clientrect").Top - 1);
  TRect close = L.Rect(ex, "closebuttonrect").Offset(s.Left, s.Top);
  TRect roll = L.Rect(ex, "hrollbuttonrect").Offset(s.Left, s.Top);
  Cross(C, CentreX(close), CentreY(close), 3, kGlyph);
  Chevron(C, CentreX(roll), CentreY(roll), 3, 7, kGlyph);

  TRect h = Claim(ex, "rollhskinrect");
  Caption(h, h.Height() - 1);
  TRect restore = L.Rect(ex, "hrestorebuttonrect").Offset(h.Left, h.Top);
  Cross(C, CentreX(close) - s.Left + h.Left, CentreY(close) - s.Top + h.Top, 3, kGlyph);
  Chevron(C, CentreX(restore), CentreY(restore), 4, 7, kGlyph);

  TRect v = Claim(ex, "rollvskinrect");
  C.Fill(v, kFace);
  C.RoundBoxRows(v, 2.5, kOutlineSoft, [](int) { return kHeaderMid; });
  TRect vrestore = L.Rect(ex, "vrestorebuttonrect").Offset(v.Left, v.Top);
  Chevron(C, CentreX(vrestore), CentreY(vrestore), 2, 7, kGlyph);

  // Hot and pressed images of the five buttons.
  const std::pair<const char*, int> buttons[] = {
      {"closebutton", 0}, {"hrollbutton", 3}, {"hrestorebutton", 4}, {"vrollbutton", 1}, {"vrestorebutton", 2}};
  for (const auto& [name, direction] : buttons)
    for (int down = 0; down < 2; ++down) {
      TRect r = Claim(ex, (std::string(name) + (down ? "downrect" : "activerect")).c_str());
      C.Fill(r, kHeaderMid);
      Plate(C, r, down ? TState::Down : TState::Hot, 2.5);
      if (direction == 0)
        Cross(C, CentreX(r), CentreY(r), 3, kGlyph);
      else
        Chevron(C, CentreX(r), CentreY(r), direction, 7, kGlyph);
    }
}

void TControlPainter::Lists() {
  TRect list = Claim("listbox", "skinrect");
  Field(C, list, TState::Normal);
  TRect item = Claim("listbox", "itemrect");
  C.Fill(item, kWhite);
  TRect selected = Claim("listbox", "activeitemrect");
  C.Fill(selected, kWhite);
  Selection(C, Inset(selected, 1, 0), TState::Normal);
  TRect focused = Claim("listbox", "focusitemrect");
  C.Fill(focused, kWhite);
  Selection(C, Inset(focused, 1, 0), TState::Focused);

  const std::string cap = "captionlistbox";
  TRect s = Claim(cap, "skinrect");
  const int band = L.Rect(cap, "clientrect").Top - 1;
  C.Fill(s, kFace);
  C.RoundBoxRows(s, 2.5, kOutline, [band](int row) {
    return row < band ? HeaderRow(row, band) : row == band ? kSeparator : kWhite;
  });
  auto glyph = [&](const TRect& r, int which, TRgb colour) {
    if (which == 2)
      CheckMark(C, r.Left + 2, r.Top + 2, 1.0, colour, 1.4);
    else
      Chevron(C, CentreX(r), CentreY(r), which == 0 ? 3 : 4, 6, colour);
  };
  const char* places[] = {"upbuttonrect", "downbuttonrect", "checkbuttonrect"};
  const char* hot[] = {"activeupbuttonrect", "activedownbuttonrect", "activecheckbuttonrect"};
  const char* pressed[] = {"downupbuttonrect", "downdownbuttonrect", "downcheckbuttonrect"};
  for (int i = 0; i < 3; ++i) {
    glyph(L.Rect(cap, places[i]).Offset(s.Left, s.Top), i, kGlyph);
    for (int down = 0; down < 2; ++down) {
      TRect r = Claim(cap, down ? pressed[i] : hot[i]);
      C.Fill(r, kHeaderMid);
      Plate(C, r, down ? TState::Down : TState::Hot, 2.5);
      glyph(r, i, kGlyph);
    }
  }
}

void TControlPainter::Tabs() {
  const std::string tab = "tab";
  TRect page = Claim(tab, "skinrect");
  C.Fill(page, kFace);
  C.RoundBox(page, 2.5, kOutlineSoft, kPage, kPage);
  // A tab is a box whose bottom runs on below its image: only the chosen tab joins
  // the page; the others stand on the strip's base line.
  auto tabImage = [&](const char* key, bool chosen, TRgb fill) {
    TRect r = Claim(tab, key);
    C.Fill(r, kFace);
    C.SetClip(r);
    TRect shape(r.Left, r.Top + (chosen ? 0 : 2), r.Right, r.Bottom + 4);
    C.RoundBoxRows(shape, 2.5, kOutlineSoft, [chosen, fill](int row) {
      return chosen && row <= 2 ? Rgb(132, 140, 200) : fill;
    });
    C.ResetClip();
    if (!chosen) C.HLine(r.Left, r.Right, r.Bottom - 1, kOutlineSoft);
  };
  tabImage("tabrect", false, Rgb(232, 234, 242));
  tabImage("activetabrect", true, kPage);
  tabImage("focustabrect", true, kPage);
  tabImage("mouseintabrect", false, Rgb(241, 243, 251));
  TRect strip = Claim(tab, "tabsbgrect");
  C.Fill(strip, kFace);
  C.HLine(strip.Left, strip.Right, strip.Bottom - 1, kOutlineSoft);
  const std::pair<const char*, TState> closes[] = {
      {"closebuttonrect", TState::Normal}, {"closebuttonactiverect", TState::Hot}, {"closebuttondownrect", TState::Down}};
  for (const auto& [key, state] : closes) {
    TRect r = Claim(tab, key);
    C.Fill(r, kTransparent);
    if (state != TState::Normal)
      C.RoundFill(r, 2, state == TState::Hot ? Rgb(222, 226, 246) : Rgb(196, 202, 236),
                  state == TState::Hot ? Rgb(222, 226, 246) : Rgb(196, 202, 236), TEdge::Crisp);
    C.Line(r.Left + 2.5, r.Top + 2.5, r.Right - 2.5, r.Bottom - 2.5, 1, state == TState::Normal ? kGlyphSoft : kGlyph, TEdge::Crisp);
    C.Line(r.Right - 2.5, r.Top + 2.5, r.Left + 2.5, r.Bottom - 2.5, 1, state == TState::Normal ? kGlyphSoft : kGlyph, TEdge::Crisp);
  }
}

void TControlPainter::Others() {
  Tabs();
  UpDown("vupdown", true);
  UpDown("hupdown", false);

  // Grid cells: a header cell, a chosen one and the focused one.
  TRect fixed = Claim("grid", "fixedcellrect");
  C.VGradient(fixed, kHeaderTop, kHeaderBottom);
  C.VLine(fixed.Right - 1, fixed.Top, fixed.Bottom, kSeparator);
  C.HLine(fixed.Left, fixed.Right, fixed.Bottom - 1, kFaceShadow);
  C.Fill(Claim("grid", "selectcellrect"), Rgb(222, 227, 250));
  TRect focus = Claim("grid", "focuscellrect");
  C.Fill(focus, Rgb(206, 213, 245));
  C.Frame(focus, kAccentDeep);

  // Splitters: the window face with a column or row of grip dots.
  for (const char* s : {"vsplitter", "hsplitter"}) C.Fill(Claim(s, "skinrect"), kFace);
  TRect vgrip = Claim("vsplitter", "gripperrect");
  C.Fill(vgrip, kTransparent);
  GripDots(C, vgrip.Left + 1, vgrip.Top + 1, 1, 4, false);
  TRect hgrip = Claim("hsplitter", "gripperrect");
  C.Fill(hgrip, kTransparent);
  GripDots(C, hgrip.Left + 1, hgrip.Top + 1, 4, 1, false);

  // Slider: a groove and a thumb each way.
  TRect hruler = Claim("slider", "hrulerrect");
  C.Fill(hruler, kFace);
  C.RoundBox(TRect(hruler.Left, hruler.Top + 2, hruler.Right, hruler.Bottom - 2), 2, Rgb(176, 182, 206),
             Rgb(214, 218, 232), Rgb(214, 218, 232));
  TRect vruler = Claim("slider", "vrulerrect");
  C.Fill(vruler, kFace);
  C.RoundBox(TRect(vruler.Left + 2, vruler.Top, vruler.Right - 2, vruler.Bottom), 2, Rgb(176, 182, 206),
             Rgb(214, 218, 232), Rgb(214, 218, 232));
  for (const char* key : {"hthumbrect", "vthumbrect"}) {
    TRect r = Claim("slider", key);
    C.Fill(r, kFace);
    C.RoundBox(r, 2.5, Rgb(132, 140, 200), kWhite, Rgb(232, 235, 250));
  }
}
