#include "SkinLook.h"

namespace look {

namespace {

struct TFace {
  TRgb Line, Top, Bottom;
};

TFace ButtonColours(TState state) {
  switch (state) {
    case TState::Hot: return {Rgb(120, 130, 198), Rgb(245, 247, 255), Rgb(219, 224, 249)};
    case TState::Down: return {kAccentDeep, Rgb(200, 206, 236), Rgb(218, 222, 244)};
    case TState::Focused: return {kAccentDeep, Rgb(253, 253, 255), Rgb(233, 235, 243)};
    case TState::Disabled: return {Rgb(206, 208, 220), Rgb(240, 241, 245), Rgb(236, 237, 242)};
    case TState::Normal: break;
  }
  return {kOutline, Rgb(253, 253, 255), Rgb(233, 235, 243)};
}

TRect Inset(const TRect& r, int d) { return {r.Left + d, r.Top + d, r.Right - d, r.Bottom - d}; }

}  // namespace

void ButtonFace(TSkinCanvas& c, const TRect& r, TState state, double radius) {
  TFace f = ButtonColours(state);
  c.Fill(r, kFace);
  c.RoundBox(r, radius, f.Line, f.Top, f.Bottom);
  if (state == TState::Focused) c.RoundBox(Inset(r, 1), radius - 1, Rgb(196, 203, 240), f.Top, f.Bottom);
  // A light top edge inside the outline lifts the face a little.
  if (state == TState::Normal || state == TState::Hot || state == TState::Focused)
    c.HLine(r.Left + 3, r.Right - 3, r.Top + 1, kWhite);
}

void Plate(TSkinCanvas& c, const TRect& r, TState state, double radius) {
  if (state == TState::Hot)
    c.RoundBox(r, radius, Rgb(168, 176, 228), Rgb(240, 242, 254), Rgb(219, 224, 249));
  else if (state == TState::Down)
    c.RoundBox(r, radius, Rgb(132, 140, 200), Rgb(198, 204, 236), Rgb(214, 219, 243));
}

void Field(TSkinCanvas& c, const TRect& r, TState state, TRgb outside) {
  c.Fill(r, outside);
  if (state == TState::Disabled) {
    c.RoundBox(r, 2.5, Rgb(206, 208, 220), Rgb(244, 245, 248), Rgb(244, 245, 248));
  } else if (state == TState::Hot) {
    c.RoundBox(r, 2.5, kAccentDeep, kWhite, kWhite);
    c.RoundBox(Inset(r, 1), 1.5, kFocusRing, kWhite, kWhite);
  } else {
    c.RoundBox(r, 2.5, kOutline, kWhite, kWhite);
  }
}

void Selection(TSkinCanvas& c, const TRect& r, TState state) {
  if (state == TState::Focused)
    c.RoundBox(r, 2.5, Rgb(116, 124, 190), Rgb(208, 215, 247), Rgb(194, 202, 242));
  else
    c.RoundBox(r, 2.5, Rgb(176, 184, 232), Rgb(232, 236, 252), Rgb(218, 224, 249));
}

void CheckBox(TSkinCanvas& c, const TRect& r, TState state, bool checked, bool round) {
  const double radius = round ? r.Width() / 2.0 : 2.5;
  const double cx = (r.Left + r.Right) / 2.0, cy = (r.Top + r.Bottom) / 2.0;
  if (state == TState::Disabled) {
    c.RoundBox(r, radius, Rgb(206, 208, 220), Rgb(240, 241, 245), Rgb(236, 237, 242));
  } else if (checked) {
    bool hot = state == TState::Hot;
    c.RoundBox(r, radius, hot ? Rgb(100, 110, 186) : Rgb(86, 96, 172),
               hot ? Rgb(148, 160, 232) : Rgb(132, 144, 222), hot ? Rgb(116, 127, 208) : Rgb(100, 111, 194));
  } else {
    c.RoundBox(r, radius, state == TState::Hot ? kAccentDeep : kOutline,
               state == TState::Hot ? Rgb(248, 249, 255) : kWhite,
               state == TState::Hot ? Rgb(232, 235, 252) : Rgb(245, 246, 250));
  }
  if (!checked) return;
  TRgb mark = state == TState::Disabled ? Rgb(172, 175, 192) : kWhite;
  if (round)
    c.RoundFill(TRect(static_cast<int>(cx) - 2, static_cast<int>(cy) - 2, static_cast<int>(cx) + 3,
                      static_cast<int>(cy) + 3), 2.5, mark, mark);
  else
    CheckMark(c, r.Left + 3, r.Top + 3, (r.Width() - 6) / 7.0, mark);
}

void AccentBar(TSkinCanvas& c, const TRect& r, bool vertical) {
  if (vertical)
    c.HGradient(r, Rgb(140, 151, 226), Rgb(104, 114, 196));
  else
    c.VGradient(r, Rgb(150, 161, 230), Rgb(104, 114, 196));
  if (vertical)
    c.VLine(r.Left, r.Top, r.Bottom, Rgb(176, 184, 238));
  else
    c.HLine(r.Left, r.Right, r.Top, Rgb(176, 184, 238));
}

void Thumb(TSkinCanvas& c, const TRect& r, TState state) {
  TRgb fill = state == TState::Hot ? Rgb(168, 175, 212)
              : state == TState::Down ? Rgb(136, 144, 196)
                                      : Rgb(196, 200, 222);
  c.Fill(r, kTrack);
  c.RoundFill(r, 3, fill, fill);
}

void Chevron(TSkinCanvas& c, double cx, double cy, int direction, double size, TRgb colour,
             double width) {
  const double s = size / 2, h = size / 4;
  switch (direction) {
    case 1: c.Polyline({cx + h, cy - s, cx - h, cy, cx + h, cy + s}, width, colour); break;
    case 2: c.Polyline({cx - h, cy - s, cx + h, cy, cx - h, cy + s}, width, colour); break;
    case 3: c.Polyline({cx - s, cy + h, cx, cy - h, cx + s, cy + h}, width, colour); break;
    default: c.Polyline({cx - s, cy - h, cx, cy + h, cx + s, cy - h}, width, colour); break;
  }
}

void Cross(TSkinCanvas& c, double cx, double cy, double half, TRgb colour, double width) {
  c.Line(cx - half, cy - half, cx + half, cy + half, width, colour);
  c.Line(cx + half, cy - half, cx - half, cy + half, width, colour);
}

void CheckMark(TSkinCanvas& c, double x, double y, double scale, TRgb colour, double width) {
  c.Polyline({x + 0.5 * scale, y + 3.8 * scale, x + 2.6 * scale, y + 6.0 * scale, x + 6.6 * scale,
              y + 1.2 * scale},
             width, colour);
}

void DropMarker(TSkinCanvas& c, int cx, int y, TRgb colour) {
  c.HLine(cx - 2, cx + 3, y, colour);
  c.HLine(cx - 1, cx + 2, y + 1, colour);
  c.SetPixel(cx, y + 2, colour);
}

void GripDots(TSkinCanvas& c, int x, int y, int columns, int rows, bool triangle) {
  for (int j = 0; j < rows; ++j)
    for (int i = 0; i < columns; ++i) {
      if (triangle && i + j < columns - 1) continue;
      c.Fill(TRect(x + 4 * i, y + 4 * j, x + 4 * i + 2, y + 4 * j + 2), Rgb(150, 156, 184));
      c.SetPixel(x + 4 * i + 2, y + 4 * j + 2, kWhite);
    }
}

}  // namespace look
