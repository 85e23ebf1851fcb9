// Scroll bars, text fields, combo boxes, buttons, check boxes, gauges, track bars and
// up-down buttons of controls.bmp.
#include "ControlPainter.h"

#include "SkinLook.h"

using namespace look;

namespace {

constexpr TRgb kTrackLine = Rgb(226, 228, 237);
constexpr TRgb kGrooveLine = Rgb(176, 182, 206), kGroove = Rgb(214, 218, 232);

double CentreX(const TRect& r) { return r.Left + r.Width() / 2.0; }
double CentreY(const TRect& r) { return r.Top + r.Height() / 2.0; }
TRect Inset(const TRect& r, int dx, int dy) { return {r.Left + dx, r.Top + dy, r.Right - dx, r.Bottom - dy}; }

// "..." on the button of a button edit.
void Dots(TSkinCanvas& c, const TRect& r, TRgb colour) {
  const int x = r.Left + (r.Width() - 8) / 2, y = r.Top + r.Height() / 2;
  for (int i = 0; i < 3; ++i) c.Fill(TRect(x + 3 * i, y, x + 3 * i + 2, y + 2), colour);
}

}  // namespace

// --- scroll bars

void TControlPainter::ScrollBar(const std::string& section, bool vertical, int cornerWidth) {
  TRect s = Claim(section, "skinrect");
  C.Fill(s, kTrack);
  if (vertical)
    C.VLine(s.Left, s.Top, s.Bottom, kTrackLine);
  else
    C.HLine(s.Left, s.Right, s.Top, kTrackLine);
  if (cornerWidth > 0) {
    // The corner under a vertical bar: its separating line continues down here.
    C.VLine(s.Right - cornerWidth, s.Top, s.Bottom, kTrackLine);
  }
  TRect low = L.Rect(section, "downbuttonrect").Offset(s.Left, s.Top);
  TRect high = L.Rect(section, "upbuttonrect").Offset(s.Left, s.Top);
  Chevron(C, CentreX(low), CentreY(low), vertical ? 3 : 1, 7, kGlyphSoft);
  Chevron(C, CentreX(high), CentreY(high), vertical ? 4 : 2, 7, kGlyphSoft);
}

void TControlPainter::ScrollButtons(const std::string& section, bool vertical) {
  // The low button (left or top) is "down", the high one "up".
  const std::pair<const char*, int> images[] = {
      {"activedownbuttonrect", vertical ? 3 : 1}, {"downdownbuttonrect", vertical ? 3 : 1},
      {"activeupbuttonrect", vertical ? 4 : 2}, {"downupbuttonrect", vertical ? 4 : 2}};
  for (const auto& [key, direction] : images) {
    TRect r = Claim(section, key);
    C.Fill(r, kTrack);
    Plate(C, r, std::string(key).rfind("down", 0) == 0 ? TState::Down : TState::Hot, 2.5);
    Chevron(C, CentreX(r), CentreY(r), direction, 7, kGlyph);
  }
}

void TControlPainter::ScrollThumbs(const std::string& section, bool vertical) {
  Thumb(C, Claim(section, "thumbrect"), TState::Normal);
  Thumb(C, Claim(section, "activethumbrect"), TState::Hot);
  Thumb(C, Claim(section, "downthumbrect"), TState::Down);
  // Three fine grip lines, centred on the thumb.
  TRect g = Claim(section, "glyphrect");
  C.Fill(g, kTransparent);
  for (int i = 0; i < 3; ++i)
    if (vertical)
      C.HLine(g.Left, g.Right, g.Top + 2 * i, Rgb(238, 240, 247));
    else
      C.VLine(g.Left + 2 * i, g.Top, g.Bottom, Rgb(238, 240, 247));
}

void TControlPainter::ScrollBars() {
  ScrollBar("vscrollbar", true, 0);
  ScrollButtons("vscrollbar", true);
  ScrollThumbs("vscrollbar", true);
  ScrollBar("hscrollbar", false, 0);
  ScrollButtons("hscrollbar", false);
  ScrollThumbs("hscrollbar", false);
  // The bar beside a vertical one shares the horizontal bar's buttons and thumbs.
  ScrollBar("bothhscrollbar", false,
            L.Rect("bothhscrollbar", "skinrect").Width() - L.Rect("hscrollbar", "skinrect").Width());
}

// --- text fields and combo boxes

void TControlPainter::EditLike(const std::string& section, int kind) {
  const TRect s = L.Rect(section, "skinrect");
  auto face = [&](const TRect& r, TState state) {
    Field(C, r, state);
    if (kind == 1) {
      TRect b = L.Rect(section, "buttonrect").Offset(r.Left, r.Top);
      C.VLine(b.Left - 1, r.Top + 4, r.Bottom - 4, kSeparator);
      Dots(C, b, kGlyph);
    } else if (kind == 2) {
      TRect up = L.Rect(section, "upbuttonrect").Offset(r.Left, r.Top);
      TRect down = L.Rect(section, "downbuttonrect").Offset(r.Left, r.Top);
      C.VLine(up.Left - 1, r.Top + 4, r.Bottom - 4, kSeparator);
      Chevron(C, CentreX(up), CentreY(up), 3, 5, kGlyph, 1.2);
      Chevron(C, CentreX(down), CentreY(down), 4, 5, kGlyph, 1.2);
    }
  };
  C.Claim(s, "[" + section + "] skinrect");
  face(s, TState::Normal);
  face(Claim(section, "activeskinrect"), TState::Hot);
  if (kind == 1) {
    const std::pair<const char*, TState> buttons[] = {
        {"activebuttonrect", TState::Hot}, {"downbuttonrect", TState::Down}, {"unenabledbuttonrect", TState::Disabled}};
    for (const auto& [key, state] : buttons) {
      TRect r = Claim(section, key);
      C.Fill(r, kWhite);
      Plate(C, r, state, 2.5);
      Dots(C, r, state == TState::Disabled ? kGlyphDim : kGlyph);
    }
  } else if (kind == 2) {
    const std::pair<const char*, int> buttons[] = {{"activeupbuttonrect", 3}, {"downupbuttonrect", 3},
                                                   {"activedownbuttonrect", 4}, {"downdownbuttonrect", 4}};
    for (const auto& [key, direction] : buttons) {
      TRect r = Claim(section, key);
      C.Fill(r, kWhite);
      Plate(C, r, std::string(key).rfind("down", 0) == 0 ? TState::Down : TState::Hot, 2);
      Chevron(C, CentreX(r), CentreY(r), direction, 5, kGlyph, 1.2);
    }
  }
}

void TControlPainter::Combo(const std::string& section) {
  auto face = [&](const TRect& r, TState state) {
    Field(C, r, state);
    TRect b = L.Rect(section, "buttonrect").Offset(r.Left, r.Top);
    C.VLine(b.Left - 1, r.Top + 4, r.Bottom - 4, kSeparator);
    Chevron(C, CentreX(b), CentreY(b), 4, 7, kGlyph);
  };
  face(Claim(section, "skinrect"), TState::Normal);
  face(Claim(section, "activeskinrect"), TState::Hot);
  const std::pair<const char*, TState> buttons[] = {
      {"activebuttonrect", TState::Hot}, {"downbuttonrect", TState::Down}, {"unenabledbuttonrect", TState::Disabled}};
  for (const auto& [key, state] : buttons) {
    TRect r = Claim(section, key);
    C.Fill(r, kWhite);
    Plate(C, r, state, 2.5);
    Chevron(C, CentreX(r), CentreY(r), 4, 7, state == TState::Disabled ? kGlyphDim : kGlyph);
  }
  C.Fill(Claim(section, "itemrect"), kWhite);
  C.Fill(Claim(section, "activeitemrect"), kWhite);
  TRect focus = Claim(section, "focusitemrect");
  C.Fill(focus, kWhite);
  Selection(C, Inset(focus, 0, 1), TState::Normal);
}

void TControlPainter::Fields() {
  EditLike("edit", 0);
  EditLike("buttonedit", 1);
  EditLike("spinedit", 2);
  Combo("combobox");
  Combo("statuscombobox");
}

// --- buttons

void TControlPainter::ToolFace(const TRect& r, const TRect& bar, int state, int markerX, int dividerX) {
  // The button stands on the tool bar's client area, which starts two rows down.
  for (int x = r.Left; x < r.Right; ++x)
    C.Copy(C, TRect(bar.Left + bar.Width() / 2, bar.Top + 2, bar.Left + bar.Width() / 2 + 1,
                    bar.Top + 2 + r.Height()), x, r.Top);
  TState look = state == 1 ? TState::Hot : state == 2 ? TState::Down : TState::Normal;
  Plate(C, r, look, 3);
  if (dividerX > 0 && look != TState::Normal)
    C.VLine(r.Left + dividerX, r.Top + 4, r.Bottom - 4, look == TState::Hot ? Rgb(182, 189, 232) : Rgb(132, 140, 200));
  if (markerX > 0) DropMarker(C, r.Left + markerX, r.Top + r.Height() / 2 - 1, state == 3 ? kGlyphDim : kGlyph);
}

void TControlPainter::ToolButton(const std::string& section, const std::string& bar, int markerX, int dividerX) {
  const TRect b = L.Rect(bar, "skinrect");
  const char* keys[] = {"skinrect", "activeskinrect", "downskinrect", "disabledskinrect"};
  for (int state = 0; state < 4; ++state) ToolFace(Claim(section, keys[state]), b, state, markerX, dividerX);
}

void TControlPainter::Buttons() {
  const std::pair<const char*, TState> faces[] = {{"skinrect", TState::Normal}, {"activeskinrect", TState::Hot},
                                                  {"downskinrect", TState::Down}, {"focusedskinrect", TState::Focused},
                                                  {"disabledskinrect", TState::Disabled}};
  for (const auto& [key, state] : faces) ButtonFace(C, Claim("button", key), state, L.Look().ButtonRadius);

  ToolButton("toolbutton", "toolpanel", 0, 0);
  ToolButton("resizetoolbutton", "toolpanel", 0, 0);
  ToolButton("bigtoolbutton", "bigtoolpanel", 0, 0);
  const int track = L.Rect("toolmenubutton", "trackbuttonrect").Left;
  const int bigTrack = L.Rect("bigtoolmenubutton", "trackbuttonrect").Left;
  const int marker = (track + L.Rect("toolmenubutton", "skinrect").Width()) / 2;
  const int bigMarker = (bigTrack + L.Rect("bigtoolmenubutton", "skinrect").Width()) / 2;
  ToolButton("toolmenubutton", "toolpanel", marker, 0);
  ToolButton("toolmenutrackbutton", "toolpanel", marker, track);
  ToolButton("bigtoolmenubutton", "bigtoolpanel", bigMarker, 0);
  ToolButton("bigtoolmenutrackbutton", "bigtoolpanel", bigMarker, bigTrack);
  for (const char* key : {"menumarkerflatrect", "menumarkerrect", "menumarkeractiverect", "menumarkerdownrect"}) {
    TRect r = Claim("toolmenubutton", key);
    C.Fill(r, kTransparent);
    DropMarker(C, r.Left + 3, r.Top, kGlyph);
  }

  // Header sections: every part stretches, so the face is a plain fade.
  const std::pair<const char*, std::pair<TRgb, TRgb>> headers[] = {
      {"skinrect", {kHeaderTop, kHeaderBottom}},
      {"activeskinrect", {Rgb(246, 247, 255), Rgb(228, 231, 250)}},
      {"downskinrect", {Rgb(220, 224, 244), Rgb(234, 237, 249)}}};
  for (const auto& [key, colours] : headers) {
    TRect r = Claim("resizebutton", key);
    C.VGradient(r, colours.first, colours.second);
    C.VLine(r.Right - 1, r.Top + 3, r.Bottom - 3, kSeparator);
    C.HLine(r.Left, r.Right, r.Bottom - 1, kFaceShadow);
  }
}

// --- check boxes, gauges, track bars, up-down buttons

void TControlPainter::Checks() {
  for (const char* section : {"checkbox", "radiobox"}) {
    const bool round = std::string(section) == "radiobox";
    C.Fill(Claim(section, "skinrect"), kFace);
    const struct {
      const char* Key;
      TState State;
      bool Checked;
    } boxes[] = {{"checkimagerect", TState::Normal, true},        {"uncheckimagerect", TState::Normal, false},
                 {"activecheckimagerect", TState::Hot, true},     {"activeuncheckimagerect", TState::Hot, false},
                 {"unenabledcheckimagerect", TState::Disabled, true},
                 {"unenableduncheckimagerect", TState::Disabled, false},
                 {"grayedcheckimagerect", TState::Normal, false}, {"activegrayedcheckimagerect", TState::Hot, false}};
    for (const auto& b : boxes) {
      TRect r = Claim(section, b.Key);
      C.Fill(r, kFace);
      CheckBox(C, r, b.State, b.Checked, round);
      // The grayed (third) state: a small square in the accent colour.
      if (std::string(b.Key).find("grayed") != std::string::npos)
        C.RoundFill(Inset(r, 4, 4), round ? 2.5 : 1, Rgb(120, 132, 212), Rgb(120, 132, 212));
    }
  }
  Gauge("gauge", false);
  Gauge("vgauge", true);
  Gauge("statusgauge", false);
  TrackBar("htrackbar", false);
  TrackBar("trackbar", true);
}

void TControlPainter::Gauge(const std::string& section, bool vertical) {
  TRect s = Claim(section, "skinrect");
  C.Fill(s, kFace);
  C.RoundBox(s, 2.5, Rgb(190, 194, 214), Rgb(244, 245, 249), Rgb(244, 245, 249));
  AccentBar(C, Claim(section, "progressrect"), vertical);
}

void TControlPainter::TrackBar(const std::string& section, bool vertical) {
  TRect s = Claim(section, "skinrect");
  C.Fill(s, kFace);
  const int mid = vertical ? s.Left + s.Width() / 2 : s.Top + s.Height() / 2;
  TRect groove = vertical ? TRect(mid - 2, s.Top + 2, mid + 2, s.Bottom - 2)
                          : TRect(s.Left + 2, mid - 2, s.Right - 2, mid + 2);
  C.RoundBox(groove, 2, kGrooveLine, kGroove, kGroove);
  // The thumbs keep their corners out by the transparent colour.
  TRect normal = Claim(section, "buttonrect");
  C.Fill(normal, kTransparent);
  C.RoundBox(normal, 2.5, Rgb(132, 140, 200), kWhite, Rgb(232, 235, 250), TEdge::Crisp);
  TRect hot = Claim(section, "activebuttonrect");
  C.Fill(hot, kTransparent);
  C.RoundBox(hot, 2.5, kAccentDeep, Rgb(246, 247, 255), Rgb(214, 220, 250), TEdge::Crisp);
}

void TControlPainter::UpDown(const std::string& section, bool vertical) {
  TRect s = Claim(section, "skinrect");
  C.Fill(s, kFace);
  C.RoundBox(s, 2.5, kOutline, Rgb(253, 253, 255), Rgb(236, 238, 244));
  TRect up = L.Rect(section, "upbuttonrect").Offset(s.Left, s.Top);
  TRect down = L.Rect(section, "downbuttonrect").Offset(s.Left, s.Top);
  if (vertical)
    C.HLine(s.Left + 1, s.Right - 1, up.Bottom, kSeparator);
  else
    C.VLine(up.Left, s.Top + 1, s.Bottom - 1, kSeparator);
  const int upward = vertical ? 3 : 2, downward = vertical ? 4 : 1;
  Chevron(C, CentreX(up), CentreY(up), upward, 5, kGlyph, 1.2);
  Chevron(C, CentreX(down), CentreY(down), downward, 5, kGlyph, 1.2);
  const std::pair<const char*, int> images[] = {{"activeupbuttonrect", upward}, {"downupbuttonrect", upward},
                                                {"activedownbuttonrect", downward}, {"downdownbuttonrect", downward}};
  for (const auto& [key, direction] : images) {
    TRect r = Claim(section, key);
    C.Fill(r, kFace);
    bool pressed = std::string(key).rfind("down", 0) == 0;
    C.RoundBox(r, 2.5, pressed ? kAccentDeep : Rgb(132, 140, 200), pressed ? Rgb(200, 206, 236) : Rgb(248, 249, 255),
               pressed ? Rgb(218, 222, 244) : Rgb(226, 230, 250));
    Chevron(C, CentreX(r), CentreY(r), direction, 5, kGlyph, 1.2);
  }
}
