#include "FramePictures.h"

#include "FrameColours.h"
#include "SkinLook.h"

using namespace look;
using namespace frame;

namespace {

struct TMainSize {
  int Width, Height;
};

TMainSize MainSize(const TSkinLayout& layout) {
  const TRect client = layout.Rect("FORMINFO", "clientrect");
  return {client.Right + client.Left, client.Bottom + client.Left};
}

// Whether a pixel of the main picture belongs to the window: everything but the
// rounded corners.
bool InWindow(const TSkinLayout& layout, int x, int y) {
  const auto [w, h] = MainSize(layout);
  const int top = layout.Look().TopRadius, bottom = layout.Look().BottomRadius;
  auto corner = [](double dx, double dy, int radius) {
    return dx * dx + dy * dy <= double(radius) * radius;
  };
  const double px = x + 0.5, py = y + 0.5;
  if (py < top && px < top) return corner(top - px, top - py, top);
  if (py < top && px > w - top) return corner(px - (w - top), top - py, top);
  if (py > h - bottom && px < bottom) return corner(bottom - px, py - (h - bottom), bottom);
  if (py > h - bottom && px > w - bottom) return corner(px - (w - bottom), py - (h - bottom), bottom);
  return true;
}

bool OnWindowEdge(const TSkinLayout& layout, int x, int y) {
  const auto [w, h] = MainSize(layout);
  auto outside = [&](int px, int py) {
    return px < 0 || py < 0 || px >= w || py >= h || !InWindow(layout, px, py);
  };
  return InWindow(layout, x, y) &&
         (outside(x - 1, y) || outside(x + 1, y) || outside(x, y - 1) || outside(x, y + 1));
}

TSkinCanvas MainPicture(const TSkinLayout& layout, bool inactive) {
  const TRect client = layout.Rect("FORMINFO", "clientrect");
  const auto [w, h] = MainSize(layout);
  const TRgb border = TitleRow(layout, client.Top, inactive);
  TSkinCanvas c = layout.Canvas(w, h, kFace);
  for (int y = 0; y < client.Top - 1; ++y) c.HLine(0, w, y, TitleRow(layout, y, inactive));
  c.Fill(TRect(0, client.Top - 1, client.Left, h), border);
  c.Fill(TRect(client.Right, client.Top - 1, w, h), border);
  c.Fill(TRect(0, client.Bottom, w, h), border);
  // A fine line sets the client area off from the frame.
  c.Frame(TRect(client.Left - 1, client.Top - 1, client.Right + 1, client.Bottom + 1), kInnerLine);
  const TRgb outline = inactive ? Mix(kWindowLine, kTitleBottom, 0.45) : kWindowLine;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (!InWindow(layout, x, y)) c.SetPixel(x, y, kWhite);
      else if (OnWindowEdge(layout, x, y)) c.SetPixel(x, y, outline);
    }
  return c;
}

// A speck of grain for pixel (x, y): a fixed hash, so the picture is the same on
// every run.
double Grain(int x, int y) {
  unsigned v = static_cast<unsigned>(x) * 73856093u ^ static_cast<unsigned>(y) * 19349663u;
  v = (v ^ (v >> 13)) * 1274126177u;
  return ((v >> 8) & 0xFF) / 255.0;
}

}  // namespace

namespace frame {

TRgb TitleRow(const TSkinLayout& layout, int y, bool inactive) {
  const int last = layout.Rect("FORMINFO", "clientrect").Top - 2;
  TRgb row = y <= 1 ? kWhite : y >= last ? kTitleBottom : Mix(kTitleTop, kTitleBottom, double(y - 2) / (last - 2));
  return inactive ? Mix(row, kTitleBottom, 0.7) : row;
}

}  // namespace frame

std::vector<TRgb> TitleBarColours(const TSkinLayout& layout) {
  const TTone tone = layout.Look().Tone;
  auto stored = [tone](TRgb c) { return tone ? tone(c) : c; };
  std::vector<TRgb> colours;
  const int rows = layout.Rect("FORMINFO", "clientrect").Top;
  for (int y = 0; y < rows; ++y) colours.push_back(stored(TitleRow(layout, y)));
  colours.push_back(stored(kMenuBar));
  if (HasInactivePicture(layout))
    for (int y = 0; y < rows; ++y) colours.push_back(stored(TitleRow(layout, y, true)));
  return colours;
}

TSkinCanvas PaintMainPicture(const TSkinLayout& layout) { return MainPicture(layout, false); }

TSkinCanvas PaintInactivePicture(const TSkinLayout& layout) { return MainPicture(layout, true); }

TSkinCanvas PaintMaskPicture(const TSkinLayout& layout) {
  const auto [w, h] = MainSize(layout);
  TSkinCanvas c(w, h, 0x000000);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (!InWindow(layout, x, y)) c.SetPixel(x, y, kWhite);
  return c;
}

TSkinCanvas PaintPopupWindow(const TSkinLayout& layout) {
  const TRect items = layout.Rect("POPUPWINDOW", "itemsrect");
  TSkinCanvas c = layout.Canvas(items.Right + items.Left, items.Bottom + items.Top, kWhite);
  c.Frame(TRect(0, 0, c.Width(), c.Height()), Rgb(150, 156, 184));
  c.Frame(TRect(items.Left - 1, items.Top - 1, items.Right + 1, items.Bottom + 1), Rgb(252, 252, 254));
  return c;
}

TSkinCanvas PaintHintWindow(const TSkinLayout& layout) {
  const TRect client = layout.Rect("HINTWINDOW", "clientrect");
  const int w = client.Right + client.Left, h = client.Bottom + client.Top;
  TSkinCanvas c = layout.Canvas(w, h, kFace);
  c.RoundBox(TRect(0, 0, w, h), 1.5, Rgb(150, 156, 184), Rgb(253, 253, 255), Rgb(243, 244, 250));
  return c;
}

TSkinCanvas PaintMdiBackground(const TSkinLayout& layout) {
  TSkinCanvas c = layout.Canvas(100, 100, Rgb(214, 217, 229));
  // A quiet staggered dot grid; 100 is a multiple of its period, so it tiles.
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 100; ++x)
      if ((x % 10 == 0 && y % 10 == 0) || (x % 10 == 5 && y % 10 == 5)) c.SetPixel(x, y, Rgb(203, 207, 222));
  return c;
}

TSkinCanvas PaintClientBackground(const TSkinLayout& layout) {
  TSkinCanvas c = layout.Canvas(16, 160, kFace);
  c.VGradient(TRect(0, 0, 16, 160), kTitleBottom, kFace);
  // Faint vertical threads every fourth column; 16 is a multiple, so it repeats.
  for (int x = 0; x < 16; x += 4) c.VGradient(TRect(x, 0, x + 1, 160), Mix(kTitleBottom, kFaceShadow, 0.3), kFaceShadow);
  return c;
}

TSkinCanvas PaintToolBarBackground(const TSkinLayout& layout) {
  const int h = layout.Rect("toolpanel", "skinrect").Height(), w = 64;
  TSkinCanvas c = layout.Canvas(w, h, kFace);
  c.HLine(0, w, 0, kWhite);
  for (int y = 1; y < h - 1; ++y)
    for (int x = 0; x < w; ++x) {
      const TRgb row = Mix(kBarTop, kBarBottom, double(y - 1) / (h - 3));
      const double g = Grain(x, y);
      c.SetPixel(x, y, g > 0.93 ? Mix(row, kFaceShadow, 0.5) : g < 0.05 ? Mix(row, kWhite, 0.6) : row);
    }
  c.HLine(0, w, h - 1, kFaceShadow);
  return c;
}
