#include "sfUtilsPieces.h"

#include <algorithm>
#include <cstring>

TsfNinePartGeometry ResizedGeometry(const TsfNinePartGeometry& g, int width, int height,
                                    int newWidth, int newHeight) {
  const int dw = newWidth - width, dh = newHeight - height;
  TsfNinePartGeometry n = g;
  n.RT = {g.RT.x + dw, g.RT.y};
  n.LB = {g.LB.x, g.LB.y + dh};
  n.RB = {g.RB.x + dw, g.RB.y + dh};
  n.Cl = {g.Cl.Left, g.Cl.Top, g.Cl.Right + dw, g.Cl.Bottom + dh};
  return n;
}

void AddCopied(TsfBlits& blits, const TRect& src, TPoint at) {
  if (src.IsEmpty()) return;
  blits.push_back({src, Bounds(at.x, at.y, src.Width(), src.Height())});
}

void AddStretched(TsfBlits& blits, const TRect& src, const TRect& dst) {
  if (src.IsEmpty() || dst.IsEmpty()) return;
  blits.push_back({src, dst});
}

namespace {

// Tile k of a source of length `len` over [from, to): its start and its length,
// cut at `to` (0 or less when nothing of it is left).
struct TTile {
  int Start;
  int Length;
};

std::vector<TTile> Tiles(int len, int from, int to) {
  std::vector<TTile> tiles;
  if (len <= 0 || to < from) return tiles;
  const int count = (to - from) / len + 1;
  for (int k = 0; k < count; ++k) {
    const int start = from + k * len;
    const int length = std::min(len, to - start);
    if (length > 0) tiles.push_back({start, length});
  }
  return tiles;
}

TRect Transposed(const TRect& r) { return {r.Top, r.Left, r.Bottom, r.Right}; }

TRect Intersection(const TRect& a, const TRect& b) {
  return {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
          std::min(a.Bottom, b.Bottom)};
}

}  // namespace

void AddTiled(TsfBlits& blits, const TRect& src, const TRect& dst) {
  const auto columns = Tiles(src.Width(), dst.Left, dst.Right);
  const auto rows = Tiles(src.Height(), dst.Top, dst.Bottom);
  for (const TTile& row : rows)
    for (const TTile& col : columns)
      blits.push_back({Bounds(src.Left, src.Top, col.Length, row.Length),
                       Bounds(col.Start, row.Start, col.Length, row.Length)});
}

void AddCentre(TsfBlits& blits, const TRect& cl, const TRect& ncl, bool stretchEffect,
               TsfStretchType type) {
  if (ncl.IsEmpty() || cl.IsEmpty()) return;
  if (!stretchEffect) {
    AddTiled(blits, cl, ncl);
    return;
  }
  switch (type) {
    case stFull:
      AddStretched(blits, cl, ncl);
      break;
    case stHorz:
      // The strip is scaled in height only, so a cut tile is the same strip of fewer
      // source columns.
      for (const TTile& t : Tiles(cl.Width(), ncl.Left, ncl.Right))
        blits.push_back({Bounds(cl.Left, cl.Top, t.Length, cl.Height()),
                         {t.Start, ncl.Top, t.Start + t.Length, ncl.Bottom}});
      break;
    case stVert:
      for (const TTile& t : Tiles(cl.Height(), ncl.Top, ncl.Bottom))
        blits.push_back({Bounds(cl.Left, cl.Top, cl.Width(), t.Length),
                         {ncl.Left, t.Start, ncl.Right, t.Start + t.Length}});
      break;
  }
}

namespace {

void AddBand(TsfBlits& blits, const TRect& src, const TRect& dst, bool stretch) {
  if (stretch)
    AddStretched(blits, src, dst);
  else
    AddTiled(blits, src, dst);
}

TsfBlits Moved(TsfBlits blits, int dx, int dy) {
  for (TsfBlit& b : blits) b.Src = b.Src.Offset(dx, dy);
  return blits;
}

}  // namespace

TsfBlits NinePartBlits(const TRect& skinRect, const TsfNinePartGeometry& g,
                       const TsfNinePartGeometry& ng, int newWidth, int newHeight,
                       const TsfNinePartOptions& o, bool centre, TsfNinePartKind kind) {
  TsfBlits b;
  if (g.RB.x == g.LT.x || g.RB.y == g.LT.y) return b;
  const int w = skinRect.Width(), h = skinRect.Height();
  const bool right = kind != npNoRight;
  const TRect& c = g.Cl;
  const TRect& nc = ng.Cl;
  AddBand(b, {g.LT.x, 0, g.RT.x, c.Top}, {ng.LT.x, 0, right ? ng.RT.x : newWidth, nc.Top},
          o.TopStretch);
  AddBand(b, {g.LB.x, c.Bottom, g.RB.x, h},
          {ng.LB.x, nc.Bottom, right ? ng.RB.x : newWidth, newHeight}, o.BottomStretch);
  AddBand(b, {0, g.LT.y, c.Left, g.LB.y}, {0, ng.LT.y, nc.Left, ng.LB.y}, o.LeftStretch);
  if (right)
    AddBand(b, {c.Right, g.RT.y, w, g.RB.y}, {nc.Right, ng.RT.y, newWidth, ng.RB.y},
            o.RightStretch);
  AddCopied(b, {0, 0, g.LT.x, c.Top}, {0, 0});
  AddCopied(b, {0, c.Top, c.Left, g.LT.y}, {0, c.Top});
  if (right) {
    AddCopied(b, {g.RT.x, 0, w, c.Top}, {ng.RT.x, 0});
    AddCopied(b, {c.Right, c.Top, w, g.RT.y}, {nc.Right, nc.Top});
  }
  AddCopied(b, {0, g.LB.y, c.Left, h}, {0, ng.LB.y});
  AddCopied(b, {c.Left, c.Bottom, g.LB.x, h}, {nc.Left, nc.Bottom});
  if (right) {
    AddCopied(b, {g.RB.x, c.Bottom, w, h}, {ng.RB.x, nc.Bottom});
    AddCopied(b, {c.Right, g.RB.y, w, c.Bottom}, {nc.Right, ng.RB.y});
  }
  if (centre && (kind != npStretchOnly || o.StretchEffect)) {
    const TRect target = right ? nc : TRect(nc.Left, nc.Top, newWidth, nc.Bottom);
    AddCentre(b, c, target, o.StretchEffect, o.StretchType);
  }
  return Moved(std::move(b), skinRect.Left, skinRect.Top);
}

TsfBorderBands BorderBands(const TRect& ncl, int newWidth, int newHeight) {
  TsfBorderBands bands;
  bands.Top = {newWidth, ncl.Top, {0, 0}};
  bands.Bottom = {newWidth, newHeight - ncl.Bottom, {0, ncl.Bottom}};
  bands.Left = {ncl.Left, ncl.Height(), {0, ncl.Top}};
  bands.Right = {newWidth - ncl.Right, ncl.Height(), {ncl.Right, ncl.Top}};
  return bands;
}

TsfBlits ClipBlits(const TsfBlits& blits, TPoint offset, int width, int height) {
  TsfBlits out;
  const TRect area(0, 0, width, height);
  for (const TsfBlit& b : blits) {
    TsfBlit m{b.Src, b.Dst.Offset(-offset.x, -offset.y)};
    const TRect cut = Intersection(m.Dst, area);
    if (cut.IsEmpty()) continue;
    if (m.Src.Width() == m.Dst.Width() && m.Src.Height() == m.Dst.Height()) {
      m.Src = {m.Src.Left + cut.Left - m.Dst.Left, m.Src.Top + cut.Top - m.Dst.Top,
               m.Src.Right - (m.Dst.Right - cut.Right), m.Src.Bottom - (m.Dst.Bottom - cut.Bottom)};
      m.Dst = cut;
    }
    // A scaled blit keeps its whole target; the bitmap's edges clip it.
    out.push_back(m);
  }
  return out;
}

TsfBlits HThreePartBlits(const TRect& s, int a, int b, int newLength, bool stretch,
                         TsfThreePartKind kind) {
  TsfBlits blits;
  const int h = s.Height();
  // A middle without columns (or with fixed parts that overlap) repeats one column.
  const int m = std::max(1, s.Width() - a - b);
  const TRect middle(s.Left + a, s.Top, s.Left + a + m, s.Bottom);
  if (kind != tpMiddleOnly) AddCopied(blits, {s.Left, s.Top, s.Left + a, s.Bottom}, {0, 0});
  if (kind == tpFull) AddCopied(blits, {s.Right - b, s.Top, s.Right, s.Bottom}, {newLength - b, 0});
  const int from = kind == tpMiddleOnly ? 0 : a;
  const int to = kind == tpFull ? newLength - b : newLength;
  AddBand(blits, middle, {from, 0, to, h}, stretch);
  return blits;
}

TsfBlits VThreePartBlits(const TRect& s, int a, int b, int newLength, bool stretch,
                         TsfThreePartKind kind) {
  TsfBlits blits = HThreePartBlits(Transposed(s), a, b, newLength, stretch, kind);
  for (TsfBlit& bl : blits) bl = {Transposed(bl.Src), Transposed(bl.Dst)};
  return blits;
}

TsfMaskBands MaskBands(const TsfNinePartGeometry& g, const TsfNinePartGeometry& ng, int width,
                       int height, int newWidth) {
  const TRect& c = g.Cl;
  const TRect& nc = ng.Cl;
  TsfMaskBands m;
  const int bh = nc.Height();
  m.Top.Band = {newWidth, c.Top, {0, 0}};
  AddTiled(m.Top.Blits, {g.LT.x, 0, g.RT.x, c.Top}, {0, 0, newWidth, c.Top});
  AddCopied(m.Top.Blits, {0, 0, g.LT.x, c.Top}, {0, 0});
  AddCopied(m.Top.Blits, {g.RT.x, 0, width, c.Top}, {newWidth - (width - g.RT.x), 0});

  const int hb = height - c.Bottom;
  m.Bottom.Band = {newWidth, hb, {0, nc.Bottom}};
  AddTiled(m.Bottom.Blits, {g.LB.x, c.Bottom, g.RB.x, height}, {0, 0, newWidth, hb});
  AddCopied(m.Bottom.Blits, {0, c.Bottom, g.LB.x, height}, {0, 0});
  AddCopied(m.Bottom.Blits, {g.RB.x, c.Bottom, width, height}, {newWidth - (width - g.RB.x), 0});

  m.Left.Band = {c.Left, bh, {0, nc.Top}};
  AddTiled(m.Left.Blits, {0, g.LT.y, c.Left, g.LB.y}, {0, 0, c.Left, bh});
  AddCopied(m.Left.Blits, {0, c.Top, c.Left, g.LT.y}, {0, 0});
  AddCopied(m.Left.Blits, {0, g.LB.y, c.Left, c.Bottom}, {0, bh - (c.Bottom - g.LB.y)});

  const int wr = width - c.Right;
  m.Right.Band = {wr, bh, {nc.Right, nc.Top}};
  AddTiled(m.Right.Blits, {c.Right, g.RT.y, width, g.RB.y}, {0, 0, wr, bh});
  AddCopied(m.Right.Blits, {c.Right, c.Top, width, g.RT.y}, {0, 0});
  AddCopied(m.Right.Blits, {c.Right, g.RB.y, width, c.Bottom}, {0, bh - (c.Bottom - g.RB.y)});
  return m;
}

std::vector<TRect> MaskRuns(const std::uint8_t* bits, int width, int height, int rowBytes,
                            int bytesPerPixel, int dx, int dy) {
  std::vector<TRect> runs;
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* row = bits + static_cast<std::ptrdiff_t>(y) * rowBytes;
    auto black = [&](int x) {
      const std::uint8_t* p = row + static_cast<std::ptrdiff_t>(x) * bytesPerPixel;
      return (p[0] | p[1] | p[2]) == 0;
    };
    int x = 0;
    while (x < width) {
      if (!black(x)) {
        ++x;
        continue;
      }
      const int x0 = x;
      while (x < width && black(x)) ++x;
      runs.push_back({x0 + dx, y + dy, x + dx, y + dy + 1});
    }
  }
  return runs;
}

namespace {

void PutInt(std::uint8_t* at, std::int32_t v) { std::memcpy(at, &v, 4); }
std::int32_t GetInt(const std::uint8_t* at) {
  std::int32_t v;
  std::memcpy(&v, at, 4);
  return v;
}
void PutRect(std::uint8_t* at, const TRect& r) {
  PutInt(at, r.Left);
  PutInt(at + 4, r.Top);
  PutInt(at + 8, r.Right);
  PutInt(at + 12, r.Bottom);
}
constexpr std::size_t kHeaderSize = 32;
constexpr std::int32_t kRectangles = 1;  // RDH_RECTANGLES

}  // namespace

std::vector<std::uint8_t> RegionDataBytes(const std::vector<TRect>& rects, const TRect& bounds) {
  std::vector<std::uint8_t> data(kHeaderSize + 16 * rects.size());
  PutInt(&data[0], static_cast<std::int32_t>(kHeaderSize));
  PutInt(&data[4], kRectangles);
  PutInt(&data[8], static_cast<std::int32_t>(rects.size()));
  PutInt(&data[12], 0);
  PutRect(&data[16], bounds);
  for (std::size_t i = 0; i < rects.size(); ++i) PutRect(&data[kHeaderSize + 16 * i], rects[i]);
  return data;
}

std::vector<TRect> RegionDataRects(const std::uint8_t* data, std::size_t size) {
  std::vector<TRect> rects;
  if (size < kHeaderSize) return rects;
  const std::size_t header = static_cast<std::uint32_t>(GetInt(data));
  const std::size_t count = static_cast<std::uint32_t>(GetInt(data + 8));
  if (header > size || count > (size - header) / 16) return rects;
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint8_t* p = data + header + 16 * i;
    rects.push_back({GetInt(p), GetInt(p + 4), GetInt(p + 8), GetInt(p + 12)});
  }
  return rects;
}

TsfGlyphPlacement PlaceGlyphAndCaption(const TRect& face, int margin, TsfButtonLayout layout,
                                       int spacing,
                                       int gw, int gh, int tw, int th, bool pressed) {
  const int s = gw == 0 ? 0 : spacing;
  const int cx = (face.Left + face.Right) / 2, cy = (face.Top + face.Bottom) / 2;
  const bool across = layout == blGlyphLeft || layout == blGlyphRight;
  TsfGlyphPlacement p;
  // The coordinate across the layout's direction is always centred.
  if (across) {
    p.Glyph.y = cy - gh / 2;
    p.Caption.y = cy - th / 2;
  } else {
    p.Glyph.x = cx - gw / 2;
    p.Caption.x = cx - tw / 2;
  }
  const int hw = (gw + tw + s) / 2, hh = (th + gh + s) / 2;
  switch (layout) {
    case blGlyphLeft:
      p.Glyph.x = margin == -1 ? cx - hw : face.Left + margin;
      p.Caption.x = margin == -1 ? cx + hw - tw : face.Left + margin + gw + s;
      break;
    case blGlyphRight:
      p.Caption.x = margin == -1 ? cx - hw : face.Right - gw - margin - s - tw;
      p.Glyph.x = margin == -1 ? cx + hw - gw : face.Right - gw - margin;
      break;
    case blGlyphTop:
      p.Glyph.y = margin == -1 ? cy - hh : face.Top + margin;
      p.Caption.y = margin == -1 ? cy + hh - th : face.Top + margin + gh + s;
      break;
    default:
      p.Caption.y = margin == -1 ? cy - hh : face.Bottom - gh - margin - s - th;
      p.Glyph.y = margin == -1 ? cy + hh - gh : face.Bottom - gh - margin;
      break;
  }
  if (pressed) {
    p.Glyph = {p.Glyph.x + 1, p.Glyph.y + 1};
    p.Caption = {p.Caption.x + 1, p.Caption.y + 1};
  }
  return p;
}
